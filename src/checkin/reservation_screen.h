#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "checkin/check_in.h"
#include "checkin/check_in_form.h"
#include "core/date.h"
#include "core/guest_form.h"
#include "core/data_dir.h"

// The "Reservation" window's side of a reservation: the reservation it opens on, the rooms it
// offers, the checks "Check In" makes and the order they give to the check-in transaction,
// and the changes "Save and Exit" writes back.
namespace innvera {

inline constexpr const char* kNoReservationShown =
    "This window shows no open reservation, so there is nothing to check in, save or cancel. Choose a "
    "reservation from today's arrivals or from Retrieve Reservation.";
inline constexpr const char* kCancelReservationTitle = "Check Out";
inline constexpr const char* kCancelReservationQuestion = "Are you sure you want to cancel this reservation?";
inline constexpr const char* kReservationCancelled = "This reservation has been successfully canceled.";

// The refusal of a check-in into a room a guest in house still occupies, naming the way out.
std::string roomOccupiedMessage(std::string_view roomNo);

// A reservation as the window shows it.
struct ShownReservation {
    // Every particular without the blanks that pad it to its field (a box showing a padded zip
    // would be full and take no typing); "Save and Exit" pads them again, so the record's bytes
    // stay as they were.
    GuestForm guest;
    Date arrivalDate;
    Date departDate;
    std::string confirmNo;  // as stored: ten characters
    std::string roomNo;     // as stored: five characters
};

// The reservation the window opens on. With a selected room (not blank): the first open
// reservation of that room arriving on the hotel date; otherwise the first open one with the
// selected confirmation number. Nothing when none matches.
std::optional<ShownReservation> reservationToShow(DataDir& dir, std::string_view selectedRoom,
                                                  std::string_view selectedConfirmation, Date hotelDate);

// The rooms the window offers: every room not out of order, in record order, as the room
// number as stored (five characters), three blanks and the room type as stored (ten).
std::vector<std::string> reservationScreenRooms(DataDir& dir);

// The current rate of the first room not out of order with that number (trimmed).
std::optional<float> inServiceRoomRate(DataDir& dir, std::string_view roomNo);

// The texts of the "Reservation" window as the clerk left them.
struct ReservationScreenForm {
    GuestForm guest;
    std::string arrivalDate;   // "Arrival Date"
    std::string departDate;    // "Depart Date"
    std::string roomNo;        // "Room#"
    std::string confirmNo;     // the confirmation number shown
    std::string rate;          // "Rate"
    std::string totalStay;     // "Total Stay": what a card or direct-bill payment pays
    std::string payCode;       // pay-code list text
    std::string cashTotal;     // the cash "Total Stay" below the pay code: what a cash payment pays
    std::string tendered;      // "Amount Tendered"
    std::string extraCharge;   // extra-charge list text
    std::string extraAmount;   // "Amount" of the extra charge
    std::string account;       // account list text
};

// Whether the confirmation number names an open reservation.
bool reservationIsOpen(DataDir& dir, std::string_view confirmNo);

// The checks of "Check In", stopping at the first failure. First, the window must show an
// open reservation. Then, as on the walk-in check-in: name, address, city, state, zip,
// adults, rate, pay code, departure date, and the account of a direct-bill stay ("You didn't
// select a direct bill account."). Then those that keep bad values out of the files: both
// dates real dates, the departure after the arrival, the money (readCheckInMoney), "Room#" a room on file that no guest in house occupies, and a direct-bill
// account on file whose name can name its invoice files. When all pass, the check-in order,
// which closes the reservation of the shown confirmation number.
std::variant<Refusal, CheckInOrder> readReservationCheckIn(DataDir& dir, const ReservationScreenForm& form);

// "Save and Exit": refused when the window shows no open reservation, or its dates are not
// real dates with the departure after the arrival. Otherwise the first open reservation of
// the shown confirmation number gets the guest's particulars, the two dates, the
// confirmation number and "Room#" from the window and is written back in place; its rate,
// pay type, account and status stay as they were.
std::optional<Refusal> saveReservationChanges(DataDir& dir, const ReservationScreenForm& form);
// The checks of "Save and Exit" alone, writing nothing.
std::optional<Refusal> checkReservationChanges(DataDir& dir, const ReservationScreenForm& form);

}  // namespace innvera
