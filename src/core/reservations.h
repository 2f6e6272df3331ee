#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "platform/data_dir.h"

// Finding and closing reservations in the reservation file.
namespace innvera {

// The open reservations arriving on the day, as the arrivals list shows them: the room
// number, two blanks, the guest name (both trimmed), in record order.
std::vector<std::string> arrivalsOn(DataDir& dir, Date day);

// Whether an open reservation arrives on the day (the end of day waits until none does).
bool openReservationArrivesOn(DataDir& dir, Date day);

// Closes the first reservation whose confirmation number (trailing blanks removed) is
// `confirmNo`: its ResStatus becomes "*". False when there is none: nothing is written.
bool closeReservation(DataDir& dir, std::string_view confirmNo);

}  // namespace innvera
