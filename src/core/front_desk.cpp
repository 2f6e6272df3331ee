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

HotelDateStep hotelDateStep(TimeOfDay now, bool morningSetBackDone, bool afternoonResetDone, float endOfDayFlag,
                            float setBackFlag) {
    if (afternoonResetDone) return HotelDateStep::Nothing;
    if (!now.isMorning()) return HotelDateStep::ClearEndOfDayFlag;
    if (endOfDayFlag == 1.0f) return HotelDateStep::Nothing;  // the night is closed
    if (morningSetBackDone) return HotelDateStep::Nothing;
    if (setBackFlag == 1.0f) return HotelDateStep::Nothing;
    return HotelDateStep::SetBackOneDay;
}

namespace {

// A flag file that cannot be read counts as a missing one: its flag is 0. The timer must not
// stop on it, and writing it, which fails the same way, is reported once.
template <class Flag>
float readFlagOrZero(DataDir& dir, const std::filesystem::path& file) {
    try {
        return readFlag<Flag>(dir, file);
    } catch (const FileError&) {
        return 0;
    }
}

}  // namespace

HotelDateStep tickHotelDate(DataDir& dir, Session& session, TimeOfDay now) {
    float endOfDayFlag = 0;
    float setBackFlag = 0;
    if (!session.afternoonResetDone && now.isMorning() && !session.morningSetBackDone) {
        endOfDayFlag = readFlagOrZero<EndOfDayFlagRecord>(dir, dir.endOfDayFlag());
        if (endOfDayFlag != 1.0f) setBackFlag = readFlagOrZero<SetBackFlagRecord>(dir, dir.setBackFlag());
    }
    const HotelDateStep step =
        hotelDateStep(now, session.morningSetBackDone, session.afternoonResetDone, endOfDayFlag, setBackFlag);
    switch (step) {
    case HotelDateStep::Nothing:
        break;
    case HotelDateStep::ClearEndOfDayFlag:
        session.afternoonResetDone = true;
        writeFlag<EndOfDayFlagRecord>(dir, dir.endOfDayFlag(), 0);
        break;
    case HotelDateStep::SetBackOneDay:
        session.morningSetBackDone = true;
        session.hotelDate = session.hotelDate.plusDays(-1);
        writeFlag<SetBackFlagRecord>(dir, dir.setBackFlag(), 1.0f);
        break;
    }
    return step;
}

void clearSetBackFlag(DataDir& dir) { writeFlag<SetBackFlagRecord>(dir, dir.setBackFlag(), 0); }

void clearLeftoverSetBack(DataDir& dir) {
    if (readFlagOrZero<SetBackFlagRecord>(dir, dir.setBackFlag()) != 0) clearSetBackFlag(dir);
}

}  // namespace innvera
