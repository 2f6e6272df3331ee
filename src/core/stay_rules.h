#pragma once

#include <optional>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/refusal.h"
#include "core/data_dir.h"

// Rules every window that books a stay shares: the overbooking rule, the messages for dates
// that are not dates, and the figures of a night and of a stay.
namespace innvera {

inline constexpr const char* kOverbooking = "You are overbooking on this room. Choose another room.";
inline constexpr const char* kArrivalNotADate =
    "The arrival date is not a date. Enter it as month/day/year, for example 12/25/2024.";
inline constexpr const char* kDepartNotADate =
    "The depart date is not a date. Enter it as month/day/year, for example 12/25/2024.";

inline constexpr const char* kDepartBeforeArrival =
    "The depart date is before the arrival date. Enter a depart date on or after the arrival date.";
inline constexpr const char* kDateOutOfRange = "Dates must lie between 1/1/2000 and 12/31/2099.";

// A date box's text as a date a stay can have: a real date in the years 2000 to 2099.
std::optional<Date> stayDate(std::string_view text);
// A day a stay can have: in the years 2000 to 2099.
bool isStayDay(Date day);
// Dates that can be placed on nights: both days a stay can have, the departure after the arrival.
bool areStayDates(Date arrival, Date departure);

// The dates of a reservation: both real dates (kArrivalNotADate, kDepartNotADate), in the years a
// stay can have (kDateOutOfRange), the departure after the arrival (kDepartNotAfterArrival), the
// focus going to "Arrival Date" (Text13) or "Depart Date" (Text14). Nothing when they are sound.
std::optional<Refusal> checkReservationDates(std::string_view arrival, std::string_view departure);
inline constexpr const char* kDepartNotAfterArrival = "The depart date must be after the arrival date.";

// The pay-code list of the reservation windows: its prompt and its entries, whose first
// letter is the PayType stored.
inline constexpr const char* kSelectPaycode = "Select Paycode";
inline constexpr std::array<const char*, 6> kPayCodeEntries{
    "C - Cash", "V - Visa", "M - Master Card", "D - Discover", "A - American Express", "R - Direct Bill"};

// A stay in the room ending on `departure` runs into an open reservation of the room that
// arrives before that day.
bool overbooks(DataDir& dir, const std::string& roomNo, Date departure);

// What else holds the room on the nights from `arrival` up to `departure`: a stay in house in
// the room that departs after the arrival, and every other open reservation of the room (not
// `ownConfirmNo`) whose nights meet these. One sentence each, naming the guest, the confirmation
// number and the dates ("Room 101 is reserved for AMY WILSON (confirmation 7) from 5/2/2019 to
// 5/4/2019."), stays first, then reservations in record order. Empty when nothing does.
std::vector<std::string> bookingConflicts(DataDir& dir, std::string_view roomNo, Date arrival, Date departure,
                                          std::string_view ownConfirmNo = {});
// The question a booking that meets others asks before anything is written (default No): the
// conflicts, a line each, then `goOn` ("Take this reservation anyway?").
inline constexpr const char* kOverbookingTitle = "Overbooking";
std::string bookingConflictQuestion(const std::vector<std::string>& conflicts, std::string_view goOn);

// One night at a rate: the tax rounded to the cent (ties to the even cent), as shown and
// invoiced, and the rate plus that tax.
struct OneNight {
    double tax;
    double total;
};
OneNight oneNight(double rate, float taxRate);

// What a stay comes to, to the cent: the night's total for each day, plus the extra charge.
double totalStay(double days, double nightTotal, double extras = 0);

// The change given back on a cash payment.
double changeDue(double tendered, double cashTotal);

}  // namespace innvera
