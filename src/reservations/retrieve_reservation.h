#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "core/data_dir.h"

// Finding a reservation again: the open reservations, past days included, listed in five
// columns under the headings "Confirmation#", "Name", "Room#", "Arrival Date" and "Depart Date".
namespace innvera {

// The width of each column: the confirmation number, the name, then the room number's own
// length plus 15 (at most 30), the arrival date and the departure date.
inline constexpr std::size_t kConfirmationColumn = 15;
inline constexpr std::size_t kNameColumn = 20;
inline constexpr std::size_t kArrivalColumn = 20;
inline constexpr std::size_t kDepartColumn = 30;

// One reservation's row: the confirmation number as stored (ten characters), the name and
// the room trimmed, the two dates as date text, each followed by blanks and cut to its column.
std::string retrieveEntry(const ReservationKeys& reservation);

// One row per open reservation, in record order.
std::vector<std::string> retrieveEntries(DataDir& dir);

// The confirmation number a chosen row hands to the reservation screen: its first 15
// characters, trailing blanks and all.
std::string confirmationOfEntry(std::string_view entry);

}  // namespace innvera
