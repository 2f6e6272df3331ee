#include "core/stays.h"

#include "core/formats.h"
#include "core/stay_index.h"
#include "core/stay_rules.h"

namespace innvera {

namespace {

StayIndex& stays(DataDir& dir) { return dir.cache<StayIndex>().current(); }

// What `make` makes of each checked-out stay (its record number and keys), in guest-file order.
template <class Entry, class Make>
std::vector<Entry> eachCheckedOut(DataDir& dir, Make make) {
    const std::vector<StayEntry>& all = stays(dir).entries();
    std::vector<Entry> out;
    out.reserve(all.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        if (!all[i].blank && !all[i].inHouse) out.push_back(make(i + 1, all[i]));
    return out;
}

std::string entryOf(const StayEntry& stay) { return stay.roomNo.str() + "  " + stay.guestName.str(); }

Guest readStay(DataDir& dir, std::uint64_t recordNo) { return RecordFile<Guest>(dir, dir.guests()).read(recordNo); }

// The first stay in house for which `matches` holds, read whole.
template <class Pred>
std::optional<Found<Guest>> firstInHouse(DataDir& dir, Pred&& matches) {
    StayIndex& index = stays(dir);
    for (std::uint32_t n : index.live())
        if (matches(index.at(n))) return Found<Guest>{n, readStay(dir, n)};
    return std::nullopt;
}

}  // namespace

std::string guestEntry(const Text& roomNo, const Text& guestName) { return roomNo.str() + "  " + guestName.str(); }

std::string guestEntry(const GuestDetails& guest) { return guestEntry(guest.roomNo, guest.guestName); }

std::string roomOfEntry(std::string_view entry) { return upToFirstBlank(entry); }

std::optional<Found<Guest>> findStayRecord(DataDir& dir, float folioNo) {
    const std::optional<std::uint32_t> n = stays(dir).firstWithFolio(folioNo);
    if (!n) return std::nullopt;
    return Found<Guest>{*n, readStay(dir, *n)};
}

std::optional<Guest> findStay(DataDir& dir, float folioNo) {
    const auto found = findStayRecord(dir, folioNo);
    if (!found) return std::nullopt;
    return found->record;
}

std::optional<Guest> findInHouseStay(DataDir& dir, float folioNo) {
    const auto found = firstInHouse(dir, [&](const StayEntry& g) { return g.folioNo == folioNo; });
    if (!found) return std::nullopt;
    return found->record;
}

std::vector<Found<Guest>> staysInHouse(DataDir& dir) {
    const std::vector<std::uint32_t> numbers = stays(dir).live();
    std::vector<Found<Guest>> inHouse;
    inHouse.reserve(numbers.size());
    for (std::uint32_t n : numbers) inHouse.push_back({n, readStay(dir, n)});
    return inHouse;
}

std::vector<std::string> inHouseGuestEntries(DataDir& dir) {
    StayIndex& index = stays(dir);
    std::vector<std::string> entries;
    for (std::uint32_t n : index.live()) entries.push_back(entryOf(index.at(n)));
    return entries;
}

std::optional<Guest> stayOfEntry(DataDir& dir, std::string_view entry) {
    const std::string room = roomOfEntry(entry);
    if (room.empty()) return std::nullopt;
    const auto found = firstInHouse(dir, [&](const StayEntry& g) { return g.roomNo.is(room); });
    if (!found) return std::nullopt;
    return found->record;
}

std::optional<Guest> departingStay(DataDir& dir, std::string_view room, Date hotelDate) {
    const auto found =
        firstInHouse(dir, [&](const StayEntry& g) { return g.departDate == hotelDate && g.roomNo.is(room); });
    if (!found) return std::nullopt;
    return found->record;
}

HouseOnDay houseOn(DataDir& dir, Date day) {
    StayIndex& index = stays(dir);
    HouseOnDay house;
    for (std::uint32_t n : index.live()) {
        const StayEntry& g = index.at(n);
        ++house.inHouse;
        if (g.departDate == day) house.departures.push_back(entryOf(g));
        if (g.departDate > day) ++house.stayOvers;
    }
    return house;
}

float highestFolioNumber(DataDir& dir) { return stays(dir).highestFolio(); }

bool roomHasStayInHouse(DataDir& dir, std::string_view roomNo) {
    if (trimRight(roomNo).empty()) return false;
    StayIndex& index = stays(dir);
    for (std::uint32_t n : index.live())
        if (index.at(n).roomNo.is(roomNo)) return true;
    return false;
}

bool inHouseStayDepartsOn(DataDir& dir, Date day) {
    StayIndex& index = stays(dir);
    for (std::uint32_t n : index.live())
        if (index.at(n).departDate == day) return true;
    return false;
}

void rewriteStay(DataDir& dir, const Found<Guest>& stay) {
    RecordFile<Guest>(dir, dir.guests()).write(stay.number, stay.record);
}

std::vector<CheckedOutStay> checkedOutStays(DataDir& dir) {
    return eachCheckedOut<CheckedOutStay>(dir, [](std::uint64_t recordNo, const StayEntry& g) {
        return CheckedOutStay{recordNo, g.folioNo, g.roomNo.str(), g.guestName.str(), g.arrivalDate, g.departDate};
    });
}

std::vector<CheckedOutStayDates> checkedOutStayDates(DataDir& dir) {
    return eachCheckedOut<CheckedOutStayDates>(dir, [](std::uint64_t recordNo, const StayEntry& g) {
        return CheckedOutStayDates{recordNo, g.folioNo, g.arrivalDate, g.departDate};
    });
}

std::vector<float> checkedOutFolioNumbers(DataDir& dir) {
    return eachCheckedOut<float>(dir, [](std::uint64_t, const StayEntry& g) { return g.folioNo; });
}

std::vector<StayKeys> staysInHouseOver(DataDir& dir, Date first, Date end) {
    StayIndex& index = stays(dir);
    std::vector<StayKeys> over;
    for (std::uint32_t n : index.live()) {
        const StayEntry& g = index.at(n);
        const bool meets = g.arrivalDate < end && first < g.departDate;
        if (meets || !areStayDates(g.arrivalDate, g.departDate))
            over.push_back({n, g.folioNo, g.roomNo.str(), g.guestName.str(), g.arrivalDate, g.departDate});
    }
    return over;
}

std::optional<Guest> stayAt(DataDir& dir, std::uint64_t recordNo) {
    const RecordFile<Guest> guests(dir, dir.guests());
    if (recordNo < 1 || recordNo > guests.count()) return std::nullopt;
    return guests.read(recordNo);
}

}  // namespace innvera
