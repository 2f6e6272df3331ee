#include "core/stay_rules.h"

#include "core/formats.h"
#include "core/records.h"
#include "core/reservations.h"
#include "core/stays.h"
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

std::vector<std::string> bookingConflicts(DataDir& dir, std::string_view roomNo, Date arrival, Date departure,
                                          std::string_view ownConfirmNo) {
    const std::string room(trimRight(roomNo));
    // A booking whose departure is not after its arrival holds its arrival night.
    const auto end = [](Date from, Date to) { return to > from ? to : from.plusDays(1); };
    const Date until = end(arrival, departure);
    std::vector<std::string> conflicts;
    for (const Found<Guest>& stay : staysInHouse(dir)) {
        const Guest& g = stay.record;
        if (g.roomNo.str() != room || !(g.departDate > arrival)) continue;
        conflicts.push_back("Room " + room + " is occupied by " + g.guestName.str() + " until " + g.departDate.text() +
                            ".");
    }
    for (const ReservationKeys& r : openReservationsOfRoom(dir, room)) {
        const std::string confirmNo(trimRight(r.confirmNo.str()));
        if (!ownConfirmNo.empty() && confirmNo == trimRight(ownConfirmNo)) continue;
        if (!(r.arrivalDate < until && arrival < end(r.arrivalDate, r.departDate))) continue;
        conflicts.push_back("Room " + room + " is reserved for " + r.guestName.str() + " (confirmation " + confirmNo +
                            ") from " + r.arrivalDate.text() + " to " + r.departDate.text() + ".");
    }
    return conflicts;
}

std::string bookingConflictQuestion(const std::vector<std::string>& conflicts, std::string_view goOn) {
    std::string text;
    for (const std::string& conflict : conflicts) text += conflict + "\n";
    return text + std::string(goOn);
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

double totalStay(double days, double nightTotal, double extras) { return roundCents(days * nightTotal + extras); }

double changeDue(double tendered, double cashTotal) { return tendered - cashTotal; }

}  // namespace innvera
