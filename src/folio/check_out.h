#pragma once

#include <string>
#include <string_view>

#include "core/data_dir.h"

// Checking a guest out from the folio screen: the stay is closed and its room freed for
// cleaning. Nothing is posted and the folio charge file stays as it is, whatever the balance.
namespace innvera {

inline constexpr const char* kCheckOutTitle = "Check Out";
inline constexpr const char* kCheckOutQuestion = "Are you sure you want to check this guest out?";

// The check-out question: kCheckOutQuestion for a guest who owes nothing and has no message
// waiting; otherwise one that says what is left, "JOHN SMITH owes 105.35 and has a message
// waiting. Check out anyway?" ("is owed 20" for a balance below 0).
std::string checkOutQuestion(std::string_view guestName, double balance, bool messageWaiting);
// The question for the stay with the folio number, from its folio balance and message flag as
// they are on file; the plain question when no stay carries the number.
std::string checkOutQuestion(DataDir& dir, float folioNo);

// Closes the first stay with the folio number: StayStatus "*" and DepartTime the time text
// (cut or padded to 15 characters); then every room whose trimmed number is the stay's room
// becomes vacant and dirty. False when no stay carries the folio number: nothing is written.
bool checkOut(DataDir& dir, float folioNo, const std::string& departTime);

}  // namespace innvera
