#include "core/front_desk.h"

#include <gtest/gtest.h>

#include "core/counters.h"
#include "support/motel_files.h"

namespace innvera {
namespace {

TEST(HotelDateRule, TheBusinessDayIsYesterdayFromMidnightToNoonUntilLastNightIsClosed) {
    const Date today = testing::may(2);
    const Date yesterday = testing::may(1);
    const auto flag = [](float value, Date closed) {
        EndOfDayFlagRecord record;
        record.flag = value;
        record.closedDay = closed;
        return record;
    };
    // The time, the end-of-day-done flag and the day its run closed: the hotel date.
    struct Case { TimeOfDay now; EndOfDayFlagRecord flag; Date hotelDate; const char* why; };
    const Case cases[] = {
        {{1, 0, 0}, flag(0, Date()), yesterday, "the night is open"},
        {{0, 0, 0}, flag(0, Date()), yesterday, "midnight is morning"},
        {{11, 59, 59}, flag(0, Date()), yesterday, "so is a second before noon"},
        {{1, 0, 0}, flag(0.5f, yesterday), yesterday, "only exactly 1 closes the night"},
        {{1, 0, 0}, flag(1, yesterday), today, "last night is closed"},
        {{1, 0, 0}, flag(1, Date()), today, "closed by a program that keeps no day: the flag is trusted"},
        {{1, 0, 0}, flag(1, today.plusDays(-2)), yesterday, "a flag left from an older night closes nothing"},
        {{12, 0, 0}, flag(0, Date()), today, "noon is afternoon"},
        {{23, 59, 59}, flag(0, Date()), today, "the evening works on its own day"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hotelDateAt(today, c.now, lastNightClosed(c.flag, today)), c.hotelDate) << c.why;

    // The end-of-day run waits for the same morning.
    for (const TimeOfDay now : {TimeOfDay{12, 0, 0}, TimeOfDay{14, 15, 0}, TimeOfDay{23, 59, 59}})
        EXPECT_EQ(endOfDayGate(now), std::optional<std::string>("You must wait until after midnight to do end of day reports."));
    for (const TimeOfDay now : {TimeOfDay{0, 0, 0}, TimeOfDay{2, 15, 0}, TimeOfDay{11, 59, 59}})
        EXPECT_EQ(endOfDayGate(now), std::nullopt);
}

TEST(HotelDateRule, EachAfternoonOpensTheNextNightAndARunGoingOnAcrossMidnightKeepsTheDayNotClosed) {
    testing::MotelFolder t;
    const auto endOfDayFlag = [&] { return readFlag<EndOfDayFlagRecord>(t.dataDir, t.dataDir.endOfDayFlag()); };
    Session session;
    writeFlag<EndOfDayFlagRecord>(t.dataDir, t.dataDir.endOfDayFlag(), 1.0f);
    EXPECT_TRUE(tickHotelDate(t.dataDir, session, testing::may(1), {14, 0, 0}));
    EXPECT_EQ(session.hotelDate, testing::may(1));
    EXPECT_EQ(endOfDayFlag(), 0.0f) << "the afternoon opens the night";

    // The night is closed before midnight is over, in the same run: the next afternoon opens the
    // next night again, and the run goes on across that midnight on the day not closed.
    writeFlag<EndOfDayFlagRecord>(t.dataDir, t.dataDir.endOfDayFlag(), 1.0f);
    EXPECT_FALSE(tickHotelDate(t.dataDir, session, testing::may(1), {15, 0, 0}));
    EXPECT_EQ(endOfDayFlag(), 1.0f) << "once an afternoon";
    tickHotelDate(t.dataDir, session, testing::may(2), {13, 0, 0});
    EXPECT_EQ(endOfDayFlag(), 0.0f) << "and again the next afternoon";
    EXPECT_EQ(session.hotelDate, testing::may(2));
    EXPECT_FALSE(tickHotelDate(t.dataDir, session, testing::may(3), {0, 30, 0}));
    EXPECT_EQ(session.hotelDate, testing::may(2));
    EXPECT_EQ(readFlag<SetBackFlagRecord>(t.dataDir, t.dataDir.setBackFlag()), 1.0f);

    nightClosed(session, testing::may(2));
    EXPECT_EQ(session.hotelDate, testing::may(3)) << "the end of day moves the day on at once";
}

TEST(HotelDateRule, ARestartInTheNightMovesTheDateBackAsBeforeTheCrash) {
    testing::MotelFolder t;
    Session before;
    tickHotelDate(t.dataDir, before, testing::may(2), {1, 0, 0});  // the run that crashed, leaving the flag set
    ASSERT_EQ(before.hotelDate, testing::may(1));
    ASSERT_EQ(readFlag<SetBackFlagRecord>(t.dataDir, t.dataDir.setBackFlag()), 1.0f);

    clearLeftoverSetBack(t.dataDir);  // at start-up
    EXPECT_EQ(readFlag<SetBackFlagRecord>(t.dataDir, t.dataDir.setBackFlag()), 0.0f);
    Session after;
    tickHotelDate(t.dataDir, after, testing::may(2), {1, 30, 0});
    EXPECT_EQ(after.hotelDate, before.hotelDate);
}

}  // namespace
}  // namespace innvera
