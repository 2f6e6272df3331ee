#include "core/stay_rules.h"

#include "core/formats.h"
#include "core/records.h"
#include "core/reservations.h"
#include "core/record_file.h"

namespace innvera {

bool overbooks(DataDir& dir, const std::string& roomNo, Date departure) {
    return openReservationArrivesBefore(dir, roomNo, departure);
}

std::optional<Date> stayDate(std::string_view text) {
    const std::optional<Date> day = Date::parse(text);
    if (!day || !isStayDay(*day)) return std::nullopt;
    return day;
}

bool isStayDay(Date day) {
    static const Date first = Date::fromYmd(2000, 1, 1);
    static const Date last = Date::fromYmd(2099, 12, 31);
    return first <= day && day <= last;
}

bool areStayDates(Date arrival, Date departure) {
    return isStayDay(arrival) && isStayDay(departure) && arrival < departure;
}

std::optional<Refusal> checkReservationDates(std::string_view arrivalText, std::string_view departText) {
    const std::optional<Date> arrival = Date::parse(arrivalText);
    const std::optional<Date> departure = Date::parse(departText);
    return firstFailure({
        {!arrival, kArrivalNotADate, "Text13"},
        {!departure, kDepartNotADate, "Text14"},
        {!stayDate(arrivalText), kDateOutOfRange, "Text13"},
        {!stayDate(departText), kDateOutOfRange, "Text14"},
        {arrival && departure && *departure <= *arrival, kDepartNotAfterArrival, "Text14"},
    });
}

OneNight oneNight(double rate, float taxRate) {
    const double tax = roundCents(rate * taxRate);
    return {tax, rate + tax};
}

double totalStay(double days, double nightTotal, double extras) { return days * nightTotal + extras; }

double totalStayForDays(double shownTotal, double daysBefore, double days, double nightTotal) {
    return roundCents(shownTotal + (days - daysBefore) * nightTotal);
}

double changeDue(double tendered, double cashTotal) { return tendered - cashTotal; }

}  // namespace innvera
