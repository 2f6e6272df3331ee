#include "core/front_desk.h"

#include <gtest/gtest.h>

#include "core/front_desk_data.h"
#include "support/files.h"

namespace innvera {
namespace {

using namespace innvera::testing;

class FrontDeskTest : public ::testing::Test {
protected:
    FrontDeskTest() : dir(folder.path()) { dir.createFolders(); }
    std::filesystem::path file(const char* name) const { return folder.path() / name; }

    TempFolder folder;
    DataDir dir;
    const Date today = Date(static_cast<int>(kMay1st2019));
};

TEST_F(FrontDeskTest, EmptyDataDirectoryGivesEmptyListsAndZeroCounts) {
    const DayAtAGlance day = dayAtAGlance(dir, today);
    EXPECT_TRUE(day.arrivals.empty());
    EXPECT_TRUE(day.departures.empty());
    EXPECT_EQ(day.inHouse, 0);
    EXPECT_EQ(day.stayOvers, 0);
    EXPECT_EQ(day.vacant, 0);
    EXPECT_EQ(day.outOfOrder, 0);
}

TEST_F(FrontDeskTest, ArrivalsAreTodaysOpenReservationsInRecordOrder) {
    writeBytes(file("reservation"), joined({
                                         reservationBytes("104", "WILSON AMY", kMay1st2019),
                                         reservationBytes("101", "GRANT LEE", kMay1st2019 + 1),
                                         reservationBytes("102", "CLOSED PARTY", kMay1st2019, "*"),
                                         reservationBytes("103", "MOORE DAN", kMay1st2019, "OPEN"),
                                     }));
    EXPECT_EQ(dayAtAGlance(dir, today).arrivals, (std::vector<std::string>{"104  WILSON AMY", "103  MOORE DAN"}));
    EXPECT_EQ(arrivalsOn(dir, today), (std::vector<std::string>{"104  WILSON AMY", "103  MOORE DAN"}));
}

TEST_F(FrontDeskTest, StaysAreSplitIntoDeparturesStayOversAndInHouse) {
    writeBytes(file("guest"), joined({
                                   stayBytes("201", "DEPARTING TODAY", kMay1st2019),
                                   stayBytes("202", "STAYING ON", kMay1st2019 + 2),
                                   stayBytes("203", "OVERSTAYED", kMay1st2019 - 1),
                                   stayBytes("204", "CHECKED OUT", kMay1st2019, "*"),
                                   stayBytes("205", "ALSO LEAVING", kMay1st2019),
                               }));
    const DayAtAGlance day = dayAtAGlance(dir, today);
    EXPECT_EQ(day.departures, (std::vector<std::string>{"201  DEPARTING TODAY", "205  ALSO LEAVING"}));
    EXPECT_EQ(day.inHouse, 4);    // the overstayed guest counts here only
    EXPECT_EQ(day.stayOvers, 1);
}

TEST_F(FrontDeskTest, AVacantRoomOutOfOrderCountsAsBoth) {
    writeBytes(file("rooms"), joined({
                                  roomBytes("101", "Y", "K"),
                                  roomBytes("102", "Y", "X"),
                                  roomBytes("103", "O", "X"),
                                  roomBytes("104", "O", "K"),
                              }));
    const DayAtAGlance day = dayAtAGlance(dir, today);
    EXPECT_EQ(day.vacant, 2);
    EXPECT_EQ(day.outOfOrder, 2);
}

TEST_F(FrontDeskTest, ATrailingPartialRecordIsIgnored) {
    Bytes rooms = joined({roomBytes("101", "Y", "X")});
    rooms.resize(rooms.size() + 60, 'Y');
    writeBytes(file("rooms"), rooms);
    const DayAtAGlance day = dayAtAGlance(dir, today);
    EXPECT_EQ(day.vacant, 1);
    EXPECT_EQ(day.outOfOrder, 1);
}

TEST_F(FrontDeskTest, CheckInGateWantsATaxRateFirstThenARoom) {
    EXPECT_EQ(checkInGate(dir), std::optional<std::string>(kNoTaxRateMessage));

    writeBytes(file("rooms"), roomBytes("101", "Y", "K"));
    writeBytes(file("tax"), singleFile(0.01f, 10));
    EXPECT_EQ(checkInGate(dir), std::optional<std::string>(kNoTaxRateMessage)) << "0.01 counts as not entered";

    writeBytes(file("tax"), singleFile(0.09f, 10));
    EXPECT_EQ(checkInGate(dir), std::nullopt);

    writeBytes(file("rooms"), Bytes());
    EXPECT_EQ(checkInGate(dir), std::optional<std::string>(kNoRoomsMessage));
}

TEST_F(FrontDeskTest, GateMessagesReadAsTheClerkSeesThem) {
    EXPECT_STREQ(kNoTaxRateMessage,
                 "You can't check anyone in yet because you don't have your tax rate entered. To do that, click on "
                 "settings and reports then click on apply tax rate.");
    EXPECT_STREQ(kNoRoomsMessage,
                 "You can't check anyone in yet because you don't have room inventory entered yet. To do that, click "
                 "on settings and reports then click on enter room inventory. After that, click on apply room rates "
                 "to set rates for your rooms.");
}

TEST_F(FrontDeskTest, EndOfDayIsRefusedFromNoonToMidnight) {
    EXPECT_EQ(endOfDayGate(TimeOfDay{14, 15, 0}), std::optional<std::string>("You must wait until after midnight to do end of day reports."));
    EXPECT_EQ(endOfDayGate(TimeOfDay{12, 0, 0}), std::optional<std::string>(kEndOfDayTooEarlyMessage));
    EXPECT_EQ(endOfDayGate(TimeOfDay{23, 59, 59}), std::optional<std::string>(kEndOfDayTooEarlyMessage));
    EXPECT_EQ(endOfDayGate(TimeOfDay{2, 15, 0}), std::nullopt);
    EXPECT_EQ(endOfDayGate(TimeOfDay{0, 0, 0}), std::nullopt);
    EXPECT_EQ(endOfDayGate(TimeOfDay{11, 59, 59}), std::nullopt);
}

// hotelDateStep(time, morning set-back done, afternoon reset done, end-of-day flag, set-back flag)
TEST(HotelDateRule, MorningSetsBackOnlyWhileTheNightIsOpen) {
    const TimeOfDay oneAm{1, 0, 0};
    EXPECT_EQ(hotelDateStep(oneAm, false, false, 0, 0), HotelDateStep::SetBackOneDay);
    EXPECT_EQ(hotelDateStep(TimeOfDay{0, 0, 0}, false, false, 0, 0), HotelDateStep::SetBackOneDay);
    EXPECT_EQ(hotelDateStep(TimeOfDay{11, 59, 59}, false, false, 0, 0), HotelDateStep::SetBackOneDay);
    EXPECT_EQ(hotelDateStep(oneAm, false, false, 1.0f, 0), HotelDateStep::Nothing) << "night closed";
    EXPECT_EQ(hotelDateStep(oneAm, true, false, 0, 0), HotelDateStep::Nothing) << "already moved back in this run";
    EXPECT_EQ(hotelDateStep(oneAm, false, false, 0, 1.0f), HotelDateStep::Nothing) << "moved back by the open main window";
    EXPECT_EQ(hotelDateStep(oneAm, false, false, 0.5f, 0), HotelDateStep::SetBackOneDay) << "only exactly 1 closes the night";
}

TEST(HotelDateRule, AfternoonClearsTheEndOfDayFlagOncePerRun) {
    const TimeOfDay twoPm{14, 0, 0};
    EXPECT_EQ(hotelDateStep(twoPm, false, false, 1.0f, 1.0f), HotelDateStep::ClearEndOfDayFlag);
    EXPECT_EQ(hotelDateStep(TimeOfDay{12, 0, 0}, true, false, 0, 0), HotelDateStep::ClearEndOfDayFlag);
    EXPECT_EQ(hotelDateStep(twoPm, false, true, 1.0f, 0), HotelDateStep::Nothing);
    EXPECT_EQ(hotelDateStep(TimeOfDay{1, 0, 0}, false, true, 0, 0), HotelDateStep::Nothing)
        << "after the afternoon step the run keeps its date across midnight";
}

TEST_F(FrontDeskTest, MorningTickMovesTheDateBackOnceAndMarksTheSetBackFile) {
    // datedone keeps the rest of its 12-byte block when the flag is written
    writeBytes(file("datedone"), RecordBytes(20).single(0, 0).single(4, 3.5f).single(8, 7));
    Session session;
    session.hotelDate = today;
    EXPECT_EQ(tickHotelDate(dir, session, TimeOfDay{1, 0, 0}), HotelDateStep::SetBackOneDay);
    EXPECT_EQ(session.hotelDate, today.plusDays(-1));
    EXPECT_TRUE(session.morningSetBackDone);
    EXPECT_EQ(readBytes(file("datedone")), Bytes(RecordBytes(20).single(0, 1.0f).single(4, 3.5f).single(8, 7)));

    writeBytes(file("datedone"), singleFile(0, 20));
    EXPECT_EQ(tickHotelDate(dir, session, TimeOfDay{1, 0, 1}), HotelDateStep::Nothing);
    EXPECT_EQ(session.hotelDate, today.plusDays(-1));

    clearSetBackFlag(dir);
    EXPECT_EQ(readBytes(file("datedone")), Bytes(singleFile(0, 20)));
}

TEST_F(FrontDeskTest, MorningTickLeavesAClosedNightAlone) {
    writeBytes(file("dateaudit"), singleFile(1.0f, 40));
    Session session;
    session.hotelDate = today;
    EXPECT_EQ(tickHotelDate(dir, session, TimeOfDay{1, 0, 0}), HotelDateStep::Nothing);
    EXPECT_EQ(session.hotelDate, today);
    EXPECT_FALSE(session.morningSetBackDone);
    EXPECT_EQ(singleIn(file("datedone")), -1) << "datedone untouched";
}

TEST_F(FrontDeskTest, AfternoonTickClearsTheEndOfDayFileOnce) {
    writeBytes(file("dateaudit"), RecordBytes(40).single(0, 1.0f).single(12, 9));
    Session session;
    session.hotelDate = today;
    EXPECT_EQ(tickHotelDate(dir, session, TimeOfDay{14, 0, 0}), HotelDateStep::ClearEndOfDayFlag);
    EXPECT_TRUE(session.afternoonResetDone);
    EXPECT_EQ(readBytes(file("dateaudit")), Bytes(RecordBytes(40).single(0, 0).single(12, 9)));

    // the night's run sets it again: the rest of this program run leaves it be
    writeBytes(file("dateaudit"), singleFile(1.0f, 40));
    EXPECT_EQ(tickHotelDate(dir, session, TimeOfDay{14, 0, 1}), HotelDateStep::Nothing);
    EXPECT_EQ(tickHotelDate(dir, session, TimeOfDay{1, 0, 0}), HotelDateStep::Nothing);
    EXPECT_EQ(singleIn(file("dateaudit")), 1.0f);
    EXPECT_EQ(session.hotelDate, today);
}

}  // namespace
}  // namespace innvera
