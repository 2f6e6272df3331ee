#include "core/stays.h"

#include "core/forms.h"

namespace innvera {

namespace {

std::string trimmed(const Text& text) { return std::string(trimRight(text.str())); }

}  // namespace

std::string guestEntry(const Text& roomNo, const Text& guestName) { return roomNo.str() + "  " + guestName.str(); }

std::string guestEntry(const GuestDetails& guest) { return guestEntry(guest.roomNo, guest.guestName); }

std::string roomOfEntry(std::string_view entry) { return upToFirstBlank(entry); }

std::optional<Found<Guest>> findStayRecord(DataDir& dir, float folioNo) {
    return findStayWhere(dir, [&](const StayKeys& g) { return g.folioNo == folioNo; });
}

std::optional<Guest> findStay(DataDir& dir, float folioNo) {
    const auto found = findStayRecord(dir, folioNo);
    if (!found) return std::nullopt;
    return found->record;
}

std::optional<Guest> findInHouseStay(DataDir& dir, float folioNo) {
    const auto found = findStayWhere(dir, [&](const StayKeys& g) { return g.inHouse() && g.folioNo == folioNo; });
    if (!found) return std::nullopt;
    return found->record;
}

std::vector<Found<Guest>> staysInHouse(DataDir& dir) {
    std::vector<std::uint64_t> numbers;
    RecordFile<StayKeys>(dir, dir.guests()).scan([&](const StayKeys& g, std::uint64_t n) {
        if (g.inHouse()) numbers.push_back(n);
    });
    RecordFile<Guest> guests(dir, dir.guests());
    std::vector<Found<Guest>> stays;
    stays.reserve(numbers.size());
    for (std::uint64_t n : numbers) stays.push_back({n, guests.read(n)});
    return stays;
}

std::vector<std::string> inHouseGuestEntries(DataDir& dir) {
    std::vector<std::string> entries;
    RecordFile<StayKeys>(dir, dir.guests()).scan([&](const StayKeys& g, std::uint64_t) {
        if (g.inHouse()) entries.push_back(guestEntry(g.roomNo, g.guestName));
    });
    return entries;
}

std::optional<Guest> stayOfEntry(DataDir& dir, std::string_view entry) {
    const std::string room = roomOfEntry(entry);
    if (room.empty()) return std::nullopt;
    const auto found = findStayWhere(dir, [&](const StayKeys& g) { return g.inHouse() && trimmed(g.roomNo) == room; });
    if (!found) return std::nullopt;
    return found->record;
}

std::optional<Guest> departingStay(DataDir& dir, std::string_view room, Date hotelDate) {
    const std::string wanted(trimRight(room));
    const auto found = findStayWhere(dir, [&](const StayKeys& g) {
        return g.inHouse() && g.departDate == hotelDate && trimmed(g.roomNo) == wanted;
    });
    if (!found) return std::nullopt;
    return found->record;
}

HouseOnDay houseOn(DataDir& dir, Date day) {
    HouseOnDay house;
    RecordFile<StayKeys>(dir, dir.guests()).scan([&](const StayKeys& g, std::uint64_t) {
        if (!g.inHouse()) return;
        ++house.inHouse;
        if (g.departDate == day) house.departures.push_back(guestEntry(g.roomNo, g.guestName));
        if (g.departDate > day) ++house.stayOvers;
    });
    return house;
}

float highestFolioNumber(DataDir& dir) {
    float highest = 0;
    RecordFile<StayKeys>(dir, dir.guests()).scan([&](const StayKeys& g, std::uint64_t) {
        if (g.folioNo > highest) highest = g.folioNo;
    });
    return highest;
}

bool roomHasStayInHouse(DataDir& dir, std::string_view roomNo) {
    const std::string wanted(trimRight(roomNo));
    if (wanted.empty()) return false;
    return RecordFile<StayKeys>(dir, dir.guests())
        .findFirst([&](const StayKeys& g) { return g.inHouse() && trimmed(g.roomNo) == wanted; })
bool inHouseStayDepartsOn(DataDir& dir, Date day) {
    return RecordFile<StayKeys>(dir, dir.guests())
        .findFirst([&](const StayKeys& g) { return g.inHouse() && g.departDate == day; })
        .has_value();
}

void rewriteStay(DataDir& dir, const Found<Guest>& stay) {
    RecordFile<Guest>(dir, dir.guests()).write(stay.number, stay.record);
}

std::vector<CheckedOutStay> checkedOutStays(DataDir& dir) {
    const RecordFile<StayKeys> guests(dir, dir.guests());
    std::vector<CheckedOutStay> stays;
    stays.reserve(static_cast<std::size_t>(guests.count()));
    guests.scan([&](const StayKeys& g, std::uint64_t n) {
        if (!g.inHouse()) stays.push_back({n, g.folioNo, g.roomNo.str(), g.guestName.str(), g.arrivalDate, g.departDate});
    });
    return stays;
}

std::optional<Guest> stayAt(DataDir& dir, std::uint64_t recordNo) {
    const RecordFile<Guest> guests(dir, dir.guests());
    if (recordNo < 1 || recordNo > guests.count()) return std::nullopt;
    return guests.read(recordNo);
}

}  // namespace innvera
