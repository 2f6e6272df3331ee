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

// Whether the night before `today` is closed: the end-of-day-done flag is set (exactly 1), and the
// day its run closed is that night (or is not recorded, as an earlier program leaves it). A flag
// left set by an older night, when the program did not run in the afternoon that clears it,
// closes nothing.
bool lastNightClosed(const EndOfDayFlagRecord& flag, Date today);

// The business day: the system date, except between midnight and noon while last night is not
// closed: then the day before, the day the end of day has still to close.
Date hotelDateAt(Date today, TimeOfDay now, bool lastNightClosed);

// Applied at every opening of the main window and at every tick of its timer, so the hotel date
// never depends on how often the main window was opened. The first tick of each afternoon clears
// the end-of-day-done flag (the next night's cycle opens); the hotel date is set by
// hotelDateAt; when it is set back to the day before, the set-back flag of c:/motel/datedone says
// so (written once, until the main window's closing clears it). A flag file that cannot be read
// counts as clear. Returns whether the hotel date changed.
bool tickHotelDate(DataDir& dir, Session& session, Date today, TimeOfDay now);

// The end-of-day run has closed `closedDay`: the business day moves on to the next day at once,
// whatever the time.
void nightClosed(Session& session, Date closedDay);

// The main window's closing: the next program run may move the hotel date back again.
void clearSetBackFlag(DataDir& dir);

// At start-up (one copy of the program per data directory, so no other is running): a set-back
// flag still set was left by a run that did not close, and is cleared, so that after a restart
// in the night the hotel date is moved back again, as it was before the crash.
void clearLeftoverSetBack(DataDir& dir);

}  // namespace innvera
