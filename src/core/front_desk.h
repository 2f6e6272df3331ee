#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/records.h"
#include "core/session.h"
#include "core/data_dir.h"

// The front desk's view of the day: today's arrivals and departures with the six counts,
// the gates in front of check-in and the end-of-day run, and the rule that keeps the hotel
// date on the day not yet closed.
namespace innvera {

struct DayAtAGlance {
    std::vector<std::string> arrivals;    // open reservations arriving on the hotel date, in record order
    std::vector<std::string> departures;  // stays in house departing on the hotel date, in record order
    int inHouse = 0;                       // every stay not checked out, overstays included
    int stayOvers = 0;                     // stays in house departing after the hotel date
    int vacant = 0;                        // rooms marked vacant, out-of-order ones included
    int outOfOrder = 0;                    // rooms out of order

    bool operator==(const DayAtAGlance&) const = default;
};

// Reads the reservation, guest and room files once each.
DayAtAGlance dayAtAGlance(DataDir& dir, Date hotelDate);

inline constexpr const char* kNoTaxRateMessage =
    "You can't check anyone in yet because you don't have your tax rate entered. To do that, click on "
    "settings and reports then click on apply tax rate.";
inline constexpr const char* kNoRoomsMessage =
    "You can't check anyone in yet because you don't have room inventory entered yet. To do that, click on "
    "settings and reports then click on enter room inventory. After that, click on apply room rates to set "
    "rates for your rooms.";
inline constexpr const char* kEndOfDayTooEarlyMessage = "You must wait until after midnight to do end of day reports.";

// What stops a check-in or a reservation before its window opens: a tax rate of 0.01 or
// less, then an empty room file. Nothing when both are in place.
std::optional<std::string> checkInGate(DataDir& dir);

// The end-of-day run is refused from noon to midnight.
std::optional<std::string> endOfDayGate(TimeOfDay now);

// What one tick of the main window's timer does to the hotel date.
enum class HotelDateStep {
    Nothing,
    ClearEndOfDayFlag,  // afternoon: open the next night's cycle
    SetBackOneDay,      // morning, night not closed yet: work on yesterday
};

// The timer's rule. `endOfDayFlag` and `setBackFlag` are the first Singles of
// c:/motel/dateaudit and c:/motel/datedone.
HotelDateStep hotelDateStep(TimeOfDay now, bool morningSetBackDone, bool afternoonResetDone, float endOfDayFlag,
                            float setBackFlag);

// Runs one tick: reads the flag files only when the answer depends on them, then applies
// the step to the session and the flag files. The session's flags are set before the
// files are written, so a failed write is reported once and the date moves back only once.
HotelDateStep tickHotelDate(DataDir& dir, Session& session, TimeOfDay now);

// The main window's closing: the next program run may move the hotel date back again.
void clearSetBackFlag(DataDir& dir);

// At start-up (one copy of the program per data directory, so no other is running): a set-back
// flag still set was left by a run that did not close, and is cleared, so that after a restart
// in the night the hotel date is moved back again, as it was before the crash.
void clearLeftoverSetBack(DataDir& dir);

}  // namespace innvera
