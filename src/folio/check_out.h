#pragma once

#include <string>

#include "core/data_dir.h"

// Checking a guest out from the folio screen: the stay is closed and its room freed for
// cleaning. Nothing is posted and the folio charge file stays as it is, whatever the balance.
namespace innvera {

inline constexpr const char* kCheckOutTitle = "Check Out";
inline constexpr const char* kCheckOutQuestion = "Are you sure you want to check this guest out?";

// Closes the first stay with the folio number: StayStatus "*" and DepartTime the time text
// (cut or padded to 15 characters); then every room whose trimmed number is the stay's room
// becomes vacant and dirty. False when no stay carries the folio number: nothing is written.
bool checkOut(DataDir& dir, float folioNo, const std::string& departTime);

}  // namespace innvera
