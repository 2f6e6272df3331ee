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
    if (!day || day->year() < 2000 || day->year() > 2099) return std::nullopt;
    return day;
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
