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
    std::string tendered;      // "Amount Tendered"
    std::string extraCharge;   // extra-charge list text
    std::string extraAmount;   // "Amount" of the extra charge
    std::string account;       // account list text
};

inline constexpr const char* kRoomNotOffered = "That room can't be chosen. Choose a room from the list.";
inline constexpr const char* kNoSuchAccount =
    "There is no direct bill account of that name. Choose one from the list.";

// The money a check-in window holds, as typed, and the names of its boxes.
struct CheckInMoney {
    std::string rate;
    std::string totalStay;
    std::string cashTotal;
    std::string tendered;
    std::string extraCharge;  // the extra-charge list's text
    std::string extraAmount;
};
struct CheckInMoneyBoxes {
    const char* rate;
    const char* totalStay;
    const char* cashTotal;
    const char* tendered;
    const char* extraList;
    const char* extraAmount;
};
inline constexpr CheckInMoneyBoxes kWalkInMoneyBoxes{"Text16", "Text17", "Text18", "Text19", "Combo5", "Text21"};
inline constexpr CheckInMoneyBoxes kReservationMoneyBoxes{"Text16", "Text18", "Text19", "Text20", "Combo5", "Text22"};

// What the money boxes give the check-in.
struct CheckInAmounts {
    double rate = 0;
    double payment = 0;     // the cash total for cash (pay code C), else "Total Stay"
    char extraCode = 0;     // P, S, Q, N, W or O; 0 for none
    double extraAmount = 0;
};

inline constexpr const char* kNoExtraChargeChosen =
    "You didn't select an extra charge. Choose one from the list, or empty its amount.";

// The extra charge of a check-in window: refused when one is chosen with an amount that is not
// an amount (readAmount), or an amount is typed with none chosen (kNoExtraChargeChosen); each
// refusal sends the focus to its control.
std::optional<Refusal> checkExtraCharge(const std::string& list, const std::string& amount,
                                        const CheckInMoneyBoxes& boxes);
// What the extra charge adds to the stay: the amount of the one chosen, 0 when none is chosen
// or its amount is not an amount.
double extraChargeAmount(const std::string& list, const std::string& amount);

// The money checks of both check-in windows, in order: the rate an amount (readAmount); an extra
// charge chosen with an amount, or an amount typed with no extra charge chosen
// (kNoExtraChargeChosen); the payment an amount (the cash total for cash, else "Total Stay"); for
// cash, "Amount Tendered" empty or an amount. Each refusal sends the focus to its box.
std::variant<Refusal, CheckInAmounts> readCheckInMoney(const CheckInMoney& money, char payCode,
                                                       const CheckInMoneyBoxes& boxes);

// The checks of "Check In Now", in order, stopping at the first failure; when all pass, the
// order the texts give. The focus goes to the check-in window's controls. After the window's own checks come those that keep bad values out of
// the files: the arrival and departure dates must be real dates, the room one the window
// offers on the hotel date (the list can be typed into), a direct-bill stay an account that
// exists and can name its invoice files, and last the money (readCheckInMoney).
std::variant<Refusal, CheckInOrder> readCheckIn(DataDir& dir, const CheckInForm& form, Date hotelDate);

// The rooms the check-in window offers on the hotel date, as list entries ("101  NQ1"):
// rooms neither occupied, dirty nor out of order that no open reservation holds for arrival
// that day.
std::vector<std::string> offeredRooms(DataDir& dir, Date hotelDate);

// The room's stored rate, found by the room of a room entry.
std::optional<float> roomRate(DataDir& dir, const std::string& roomEntry);

}  // namespace innvera
