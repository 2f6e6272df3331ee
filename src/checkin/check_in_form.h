#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "checkin/check_in.h"
#include "core/date.h"
#include "core/guest_form.h"
#include "core/refusal.h"
#include "core/data_dir.h"

// The walk-in "Check In" window's side of a check-in: the rooms it offers, the texts the clerk
// left in it, the checks "Check In Now" makes on them in order, and the order they give.
namespace innvera {

// The prompts the check-in window's lists show until something is chosen.
inline constexpr const char* kSelectRoom = "Select Room";
inline constexpr const char* kSelectPaymentType = "Select Payment Type";
inline constexpr const char* kExtraCharge = "Extra Charge";
// What the reservation window's room list shows until a room is chosen (it ends in a blank).
inline constexpr const char* kReservationRoomPrompt = "Select Room ";

// The texts of the check-in window as the clerk left them.
struct CheckInForm {
    GuestForm guest;
    std::string arrivalDate;   // "Arrival Date" box
    std::string departDate;    // "Depart Date" box
    std::string roomEntry;     // room list text: an offered room entry, or "Select Room"
    std::string rate;          // "Rate"
    std::string totalStay;     // "Total Stay": what a card or direct-bill payment pays
    std::string payType;       // payment-type list text
    std::string cashTotal;     // "Total" below the payment type: what a cash payment pays
    std::string extraCharge;   // extra-charge list text
    std::string extraAmount;   // "Amount" of the extra charge
    std::string account;       // account list text
};

inline constexpr const char* kRoomNotOffered = "That room can't be chosen. Choose a room from the list.";
inline constexpr const char* kNoSuchAccount =
    "There is no direct bill account of that name. Choose one from the list.";

// The checks of "Check In Now", in order, stopping at the first failure; when all pass, the
// order the texts give. The focus goes to the check-in window's controls. After the window's own checks come those that keep bad values out of
// the files: the arrival and departure dates must be real dates, the room one the window
// offers on the hotel date (the list can be typed into), the amounts storable, and a
// direct-bill stay needs an account that exists and can name its invoice files.
std::variant<Refusal, CheckInOrder> readCheckIn(DataDir& dir, const CheckInForm& form, Date hotelDate);

// The rooms the check-in window offers on the hotel date, as list entries ("101  NQ1"):
// rooms neither occupied, dirty nor out of order that no open reservation holds for arrival
// that day.
std::vector<std::string> offeredRooms(DataDir& dir, Date hotelDate);

// The room's stored rate, found by the room of a room entry.
std::optional<float> roomRate(DataDir& dir, const std::string& roomEntry);

}  // namespace innvera
