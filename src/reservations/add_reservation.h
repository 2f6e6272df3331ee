#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/date.h"
#include "core/guest_form.h"
#include "core/records.h"
#include "core/refusal.h"
#include "core/data_dir.h"

// Taking a reservation: the rooms the "Add Reservation" window offers, the warning when the
// room is already booked over the stay, the checks "Reserve Now" makes in order, and the
// reservation record they give.
namespace innvera {

// What the room list shows until a room is chosen.
inline constexpr const char* kReserveRoomPrompt = "Select Room";
inline constexpr const char* kNoConfirmationNumber =
    "No confirmation number could be taken for this reservation. Close this window and open it again.";
inline constexpr const char* kNotARoomToReserve = "That room can't be chosen. Choose a room from the list.";
inline constexpr const char* kNoAccountOfThatName =
    "There is no direct bill account of that name. Choose one from the list.";

// The texts of the "Add Reservation" window as the clerk left them.
struct AddReservationForm {
    GuestForm guest;
    std::string arrivalDate;  // "Arrival Date"
    std::string departDate;   // "Depart Date"
    std::string roomEntry;    // room list text: a room entry, or "Select Room"
    std::string rate;         // "Rate"
    std::string payCode;      // pay-code list text
    std::string account;      // account list text
    std::string confirmNo;    // the confirmation number shown; empty when none could be taken
};

// The checks of "Reserve Now", stopping at the first failure: the name, address, city,
// state, zip and adults boxes, the room, the rate, the arrival and departure dates, and the
// account of a direct-bill reservation, each for being left empty or unchosen; then those
// that keep bad values out of the reservation file: both dates real dates, the departure
// after the arrival, the rate an amount (readAmount), the room one of the list, the account one
// on file, and a confirmation number taken. When all
// pass, the reservation record: the guest's particulars, the room, the first letter of the
// pay code, the dates, the rate, the confirmation number and, for pay code R, the account's
// number; every other field is left unassigned, so the reservation is open.
std::variant<Refusal, Reservation> readReservation(DataDir& dir, const AddReservationForm& form);

// The rooms a reservation can be taken for: every room, in record order, as its number and
// its type (both trimmed) joined by two blanks ("101  NQ1").
std::vector<std::string> roomsToReserve(DataDir& dir);

// The room check made when a room is chosen: true when an open reservation of the room
// arrives on the chosen arrival day, or, with both days chosen and the departure after the
// arrival, overlaps the nights from the arrival up to the departure. It only warns.
bool roomAlreadyReserved(DataDir& dir, const std::string& roomNo, std::optional<Date> arrival,
                         std::optional<Date> departure);

}  // namespace innvera
