#include "folio/past_guests.h"

#include <algorithm>

#include "core/formats.h"

namespace innvera {

namespace {

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The room column's value: a room number of digits in signed form (" 101"); any other room
// number (room numbers are text in the files) as stored, in the same place.
std::string roomColumn(const std::string& roomNo) {
    if (!allDigits(roomNo)) return " " + roomNo;
    double value = 0;
    for (char c : roomNo) value = value * 10 + (c - '0');
    return signedNumber(value);
}

template <class Matches>
FoundStays where(const std::vector<CheckedOutStay>& stays, Matches&& matches) {
    FoundStays found;
    for (std::size_t i = 0; i < stays.size(); ++i)
        if (matches(stays[i])) found.push_back(static_cast<std::uint32_t>(i));
    return found;
}

}  // namespace

std::string foundStayRow(const CheckedOutStay& stay) {
    return signedNumber(stay.folioNo) + std::string(10, ' ') + fitWidth(roomColumn(stay.roomNo), 10) +
           fitWidth(stay.guestName, 25) + fitWidth(stay.arrivalDate.text(), 25) + fitWidth(stay.departDate.text(), 35);
}

std::string foundStayHeadings() {
    return fitWidth("Folio#", 15) + fitWidth("Room#", 10) + fitWidth("Name", 25) + fitWidth("Arrival Date", 25) +
           "Depart Date";
}

FoundStays staysNamed(const std::vector<CheckedOutStay>& stays, std::string_view typed) {
    const std::string wanted = upperCase(typed);
    if (wanted.empty()) return where(stays, [](const CheckedOutStay&) { return true; });
    FoundStays found;
    FoundStays byLaterWord;
    for (std::size_t i = 0; i < stays.size(); ++i) {
        const std::string& name = stays[i].guestName;
        if (name.starts_with(wanted)) {
            found.push_back(static_cast<std::uint32_t>(i));
            continue;
        }
        // One pass over the name: a word starts after a blank or a hyphen; only a word starting
        // with the first letter typed is compared further.
        for (std::size_t at = 1; at + wanted.size() <= name.size(); ++at) {
            const char before = name[at - 1];
            if (name[at] == wanted[0] && (before == ' ' || before == '-') && name.compare(at, wanted.size(), wanted) == 0) {
                byLaterWord.push_back(static_cast<std::uint32_t>(i));
                break;
            }
        }
    }
    found.insert(found.end(), byLaterWord.begin(), byLaterWord.end());
    return found;
}

PastGuestSearch staysInRoom(const std::vector<CheckedOutStay>& stays, std::string_view room) {
    if (room.empty()) return {{}, kEnterRoomNumber};
    return {where(stays, [&](const CheckedOutStay& s) { return s.roomNo == room; }), {}};
}

PastGuestSearch staysArriving(const std::vector<CheckedOutStay>& stays, std::string_view arrival) {
    if (arrival.empty()) return {{}, kEnterArrivalDate};
    if (const std::optional<Date> day = Date::parse(arrival))
        return {where(stays, [&](const CheckedOutStay& s) { return s.arrivalDate == *day; }), {}};
    const std::string_view text = trimRight(arrival);
    return {where(stays, [&](const CheckedOutStay& s) { return s.arrivalDate.text() == text; }), {}};
}

std::optional<PastStayView> retrievePastStay(DataDir& dir, const CheckedOutStay& listed) {
    std::optional<Found<Guest>> found;
    if (auto record = stayAt(dir, listed.recordNo); record && record->folioNo == listed.folioNo)
        found = Found<Guest>{listed.recordNo, std::move(*record)};
    else
        found = findStayRecord(dir, listed.folioNo);
    if (!found) return std::nullopt;
    PastStayView view{*found, directBillLine(dir, found->record.directBillNo), {}};
    view.folio = folioView(dir, found->record.folioNo);
    return view;
}

}  // namespace innvera
