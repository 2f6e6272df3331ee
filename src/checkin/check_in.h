#pragma once

#include <optional>
#include <string>
#include <vector>

#include "checkin/guest_form.h"
#include "core/date.h"
#include "core/print_job.h"
#include "platform/data_dir.h"

// Checking a walk-in guest in: the rooms offered, the figures of one night, the checks
// made before anything is written, and the check-in itself.
namespace innvera {

// The prompts the check-in window's lists show until something is chosen.
inline constexpr const char* kSelectRoom = "Select Room";
inline constexpr const char* kSelectPaymentType = "Select Payment Type";
inline constexpr const char* kExtraCharge = "Extra Charge";
inline constexpr const char* kSelectAccount = "Select Direct Bill Account";
inline constexpr const char* kOverbooking = "You are overbooking on this room. Choose another room.";

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

// The control a refused check-in puts the keyboard focus on.
enum class CheckInField {
    Name, Address, City, State, Zip, Adults, RoomList, Rate, PayTypeList, DepartDate, AccountList, ArrivalDate,
    TotalStay, CashTotal, ExtraAmount
};

struct Refusal {
    std::string message;  // shown under "ATTENTION!"
    CheckInField focus;
};

// The checks of "Check In Now", in order; the first failure, or nothing when all pass.
// After the window's own checks come those that keep bad values out of the files: the
// arrival and departure dates must be real dates, the room one the window offers on the
// hotel date (the list can be typed into), the amounts storable, and a direct-bill stay
// needs an account that exists and can name its invoice files.
std::optional<Refusal> checkCheckIn(DataDir& dir, const CheckInForm& form, Date hotelDate);

inline constexpr const char* kArrivalNotADate =
    "The arrival date is not a date. Enter it as month/day/year, for example 12/25/2024.";
inline constexpr const char* kDepartNotADate =
    "The depart date is not a date. Enter it as month/day/year, for example 12/25/2024.";
inline constexpr const char* kRoomNotOffered = "That room can't be chosen. Choose a room from the list.";
inline constexpr const char* kNoSuchAccount =
    "There is no direct bill account of that name. Choose one from the list.";

// The rooms the check-in window offers on the hotel date, as list entries ("101  NQ1"):
// rooms neither occupied nor dirty that no open reservation holds for arrival that day.
std::vector<std::string> offeredRooms(DataDir& dir, Date hotelDate);

// True when an open reservation of the entry's room (its first three characters) arrives
// before the departure date: the stay would run into it.
bool overbooks(DataDir& dir, const std::string& roomNo, Date departure);

// The room's stored rate, found by the first three characters of a room entry.
std::optional<float> roomRate(DataDir& dir, const std::string& roomEntry);

// One night at a rate: the tax rounded to the cent and the rate plus that tax.
struct OneNight {
    double tax;
    double total;
};
OneNight oneNight(double rate, float taxRate);

// The accounts offered for direct billing: every account's name, in record order.
std::vector<std::string> accountNames(DataDir& dir);

struct CheckedIn {
    float folioNo;
};

// Checks the guest in, in this order of writes: the folio counter, the stay's Guest
// record, the room (occupied, dirty, due out the day after the hotel date), the first
// night's room rent, tax and total lines, the extra charge, the payment (each with its
// totals), then for a direct-bill stay a new invoice holding the night's rent and tax.
// The form must have passed checkCheckIn.
CheckedIn checkIn(DataDir& dir, const CheckInForm& form, Date hotelDate, const std::string& arrivalTime);

// The folio printed at check-in: the guest block from the window's boxes, the lines just
// posted, and "Direct Bill Account:  " with the account list's text when one was chosen
// (whatever the payment type).
PrintJob printedCheckInFolio(DataDir& dir, const CheckInForm& form, const CheckedIn& stay, const std::string& arrivalTime);

}  // namespace innvera
