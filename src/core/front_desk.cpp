#include "core/front_desk.h"

#include "core/counters.h"
#include "core/reservations.h"
#include "core/stays.h"
#include "core/record_file.h"

namespace innvera {

DayAtAGlance dayAtAGlance(DataDir& dir, Date hotelDate) {
    DayAtAGlance day;
    day.arrivals = arrivalsOn(dir, hotelDate);
    HouseOnDay house = houseOn(dir, hotelDate);
    day.departures = std::move(house.departures);
    day.inHouse = house.inHouse;
    day.stayOvers = house.stayOvers;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) {
        if (room.vacant()) ++day.vacant;
        if (room.outOfOrder()) ++day.outOfOrder;
    });
    return day;
}

std::optional<std::string> checkInGate(DataDir& dir) {
    // Written so that an unreadable rate (not a number) also counts as not entered.
    if (!(readTaxRate(dir) > 0.01f)) return kNoTaxRateMessage;
    if (RecordFile<Room>(dir, dir.rooms()).count() == 0) return kNoRoomsMessage;
    return std::nullopt;
}

std::optional<std::string> endOfDayGate(TimeOfDay now) {
    if (!now.isMorning()) return kEndOfDayTooEarlyMessage;
    return std::nullopt;
}

bool lastNightClosed(const EndOfDayFlagRecord& flag, Date today) {
    if (flag.flag != 1.0f) return false;
    return flag.closedDay == Date() || flag.closedDay == today.plusDays(-1);
}

Date hotelDateAt(Date today, TimeOfDay now, bool closed) {
    return now.isMorning() && !closed ? today.plusDays(-1) : today;
}

namespace {

// A flag file that cannot be read counts as a missing one: its flag is 0. The timer must not
// stop on it, and writing it, which fails the same way, is reported once.
template <class Flag>
Flag readFlagOrZero(DataDir& dir, const std::filesystem::path& file) {
    try {
        return RecordFile<Flag>(dir, file).read(1);
    } catch (const FileError&) {
        return Flag{};
    }
}

}  // namespace

bool tickHotelDate(DataDir& dir, Session& session, Date today, TimeOfDay now) {
    const Date before = session.hotelDate;
    if (!now.isMorning()) {
        session.hotelDate = today;
        if (session.afternoonReset != today) {
            session.afternoonReset = today;  // before the write: a failed write is reported once
            writeFlag<EndOfDayFlagRecord>(dir, dir.endOfDayFlag(), 0);
        }
        return session.hotelDate != before;
    }
    const bool closed = lastNightClosed(readFlagOrZero<EndOfDayFlagRecord>(dir, dir.endOfDayFlag()), today);
    session.hotelDate = hotelDateAt(today, now, closed);
    if (session.hotelDate != today && !session.setBackWritten) {
        session.setBackWritten = true;
        writeFlag<SetBackFlagRecord>(dir, dir.setBackFlag(), 1.0f);
    }
    return session.hotelDate != before;
}

void nightClosed(Session& session, Date closedDay) { session.hotelDate = closedDay.plusDays(1); }

void clearSetBackFlag(DataDir& dir) { writeFlag<SetBackFlagRecord>(dir, dir.setBackFlag(), 0); }

void clearLeftoverSetBack(DataDir& dir) {
    if (readFlagOrZero<SetBackFlagRecord>(dir, dir.setBackFlag()).flag != 0) clearSetBackFlag(dir);
}

}  // namespace innvera
