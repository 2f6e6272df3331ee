#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/records.h"
#include "core/data_dir.h"
#include "core/record_file.h"

// Finding, adding, changing and closing reservations in the reservation file. A reservation
// is open until its ResStatus is "*"; confirmation numbers and room numbers are compared with
// their trailing blanks removed.
namespace innvera {

// The open reservations arriving on the day, as the arrivals list shows them: the room
// number, two blanks, the guest name (both trimmed), in record order.
std::vector<std::string> arrivalsOn(DataDir& dir, Date day);

// The rooms (numbers trimmed) that open reservations arriving on the day hold, in record order.
std::vector<std::string> roomsHeldOn(DataDir& dir, Date day);

// Whether an open reservation of the room (numbers compared trimmed) arrives before the day.
bool openReservationArrivesBefore(DataDir& dir, std::string_view roomNo, Date day);

// The highest confirmation number any reservation carries (its ConfirmNo read as a number);
// 0 when there is none.
float highestConfirmationNumber(DataDir& dir);
// Whether an open reservation arrives on the day (the end of day waits until none does).
bool openReservationArrivesOn(DataDir& dir, Date day);

// Closes the first reservation whose confirmation number (trailing blanks removed) is
// Closes the first open reservation whose confirmation number (trailing blanks removed) is
// `confirmNo`: its ResStatus becomes "*". False when there is none: nothing is written.
bool closeReservation(DataDir& dir, std::string_view confirmNo);

// Every open reservation, in record order, read by its keys (confirmation number, guest,
// room and dates): the list the clerk finds a reservation in.
std::vector<ReservationKeys> openReservations(DataDir& dir);

// The open reservations of one room, in record order, by their keys.
std::vector<ReservationKeys> openReservationsOfRoom(DataDir& dir, std::string_view roomNo);

// The open reservations a board of the nights from `first` up to, not including, `end` has to
// show: those whose nights (the arrival up to the night before the departure) meet them, and
// those that no night can hold because their dates make no stay (areStayDates), in record
// order, by their keys.
std::vector<ReservationKeys> openReservationsOver(DataDir& dir, Date first, Date end);

// The first open reservation, in record order, of the room arriving on the day, read whole
// with its record number.
std::optional<Found<Reservation>> openReservationArriving(DataDir& dir, std::string_view roomNo, Date day);

// The first open reservation with that confirmation number, read whole with its record
// number. An empty number finds nothing.
std::optional<Found<Reservation>> openReservationNumbered(DataDir& dir, std::string_view confirmNo);

// Writes a reservation back in place, at its record number.
void rewriteReservation(DataDir& dir, const Found<Reservation>& reservation);

// Writes a new reservation after the last one (record count + 1) and returns its number.
std::uint64_t appendReservation(DataDir& dir, const Reservation& reservation);

}  // namespace innvera
