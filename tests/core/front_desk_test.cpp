#include "core/front_desk.h"

#include <gtest/gtest.h>

#include "core/counters.h"
#include "support/motel_files.h"

namespace innvera {
namespace {

TEST(HotelDateRule, TheTimerRuleAndTheEndOfDayGateSplitTheDayAtNoon) {
    using enum HotelDateStep;
    // The time, the run's morning and afternoon flags, the end-of-day and set-back files' flags: the step.
    struct Case { TimeOfDay now; bool morningDone, afternoonDone; float endOfDay, setBack; HotelDateStep step; const char* why; };
    const Case cases[] = {
        {{1, 0, 0}, false, false, 0, 0, SetBackOneDay, "the night is open"},
        {{0, 0, 0}, false, false, 0, 0, SetBackOneDay, "midnight is morning"},
        {{11, 59, 59}, false, false, 0, 0, SetBackOneDay, "so is a second before noon"},
        {{1, 0, 0}, false, false, 0.5f, 0, SetBackOneDay, "only exactly 1 closes the night"},
        {{1, 0, 0}, false, false, 1, 0, Nothing, "the night is closed"},
        {{1, 0, 0}, true, false, 0, 0, Nothing, "already moved back in this run"},
        {{1, 0, 0}, false, false, 0, 1, Nothing, "moved back by the open main window"},
        {{14, 0, 0}, false, false, 1, 1, ClearEndOfDayFlag, "the afternoon opens the next night"},
        {{12, 0, 0}, true, false, 0, 0, ClearEndOfDayFlag, "noon is afternoon"},
        {{14, 0, 0}, false, true, 1, 0, Nothing, "once per run"},
        {{1, 0, 0}, false, true, 0, 0, Nothing, "after the afternoon step the run keeps its date across midnight"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hotelDateStep(c.now, c.morningDone, c.afternoonDone, c.endOfDay, c.setBack), c.step) << c.why;

    // The end-of-day run waits for the same morning.
    for (const TimeOfDay now : {TimeOfDay{12, 0, 0}, TimeOfDay{14, 15, 0}, TimeOfDay{23, 59, 59}})
        EXPECT_EQ(endOfDayGate(now), std::optional<std::string>("You must wait until after midnight to do end of day reports."));
    for (const TimeOfDay now : {TimeOfDay{0, 0, 0}, TimeOfDay{2, 15, 0}, TimeOfDay{11, 59, 59}})
        EXPECT_EQ(endOfDayGate(now), std::nullopt);
}

TEST(HotelDateRule, ARestartInTheNightMovesTheDateBackAsBeforeTheCrash) {
    testing::MotelFolder t;
    Session before;
    before.hotelDate = testing::may(2);
    tickHotelDate(t.dataDir, before, {1, 0, 0});  // the run that crashed, leaving the flag set
    ASSERT_EQ(before.hotelDate, testing::may(1));
    ASSERT_EQ(readFlag<SetBackFlagRecord>(t.dataDir, t.dataDir.setBackFlag()), 1.0f);

    clearLeftoverSetBack(t.dataDir);  // at start-up
    Session after;
    after.hotelDate = testing::may(2);
    tickHotelDate(t.dataDir, after, {1, 30, 0});
    EXPECT_EQ(after.hotelDate, before.hotelDate);
}

}  // namespace
}  // namespace innvera
