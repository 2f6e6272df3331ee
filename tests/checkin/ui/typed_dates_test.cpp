// A departure date typed in full counts as one picked on the calendar, in the three windows that
// work out a stay's days and figures; a date half typed changes nothing, and an extra charge
// already added to the stay's total stays in it.
#include "checkin/ui/check_in_window.h"
#include "checkin/ui/reservation_window.h"
#include "reservations/ui/add_reservation_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

class TypedDates : public ::testing::Test {
protected:
    void SetUp() override {
        setTaxRate(t.dataDir, 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65);
        addRoom(t.dataDir, "102", "NQ1", 65);
        putReservation(t.dataDir, "7", "102", "AMY WILSON", may(1), may(3));
    }

    TestDesk t;
};

TEST_F(TypedDates, CheckInChargesEveryNightOfATypedDeparture) {
    auto* window = t.windows.open<CheckInWindow>();
    choose(window, "Combo3", "101  NQ1");
    retype(window, "Text14", "5/5/201");
    EXPECT_EQ(textsOf(window, {"Text15", "Text17"}), "1|72.8") << "half typed";
    type(window, "Text14", "9");
    EXPECT_EQ(textsOf(window, {"Text15", "Text17"}), "4|291.2");
    EXPECT_EQ(t.session.pickedDepartureDate, may(5));
    // An extra charge added with "Enter" stays in the stay's total when the nights change.
    type(window, "Text21", "10");
    press(window, "Command3");
    retype(window, "Text14", "5/3/2019");
    EXPECT_EQ(textsOf(window, {"Text15", "Text17"}), "2|155.6");
}

// Reservation 7 on the reservation screen: its stored state shown and saved whole.
TEST_F(TypedDates, TheReservationScreenFollowsATypedDepartureAndKeepsAnAddedExtraAndAStoredStateWhole) {
    RecordFile<Reservation> reservations(t.dataDir, t.dataDir.reservations());
    Reservation r = reservations.read(1);
    r.state = "ONTARIO";
    reservations.write(1, r);
    t.dataDir.commit();
    t.session.selectedConfirmation = "7";
    ReservationWindow::showChosen(t.desk);
    QWidget* window = t.find(ReservationWindow::kName);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(textsOf(window, {"Text4", "Text15", "Text18"}), "ONTARIO|2|145.6");
    retype(window, "Text14", "5/5");
    EXPECT_EQ(textsOf(window, {"Text15", "Text18"}), "2|145.6") << "half typed";
    type(window, "Text14", "/2019");
    EXPECT_EQ(textsOf(window, {"Text15", "Text18"}), "4|291.2");

    type(window, "Text22", "10");
    press(window, "Command3");
    EXPECT_EQ(textOf(window, "Text18"), "301.2");
    retype(window, "Text14", "5/4/2019");
    EXPECT_EQ(textsOf(window, {"Text15", "Text18"}), "3|228.4");
    EXPECT_EQ(t.pressed(window, "Command4"), "");
    EXPECT_EQ(reservations.read(1).state, "ONTARIO");
}

TEST_F(TypedDates, AddReservationCountsTypedDatesAndOpensTheRoomList) {
    QWidget* window = t.windows.open<AddReservationWindow>();
    retype(window, "Text13", "5/3/2019");
    retype(window, "Text14", "5/7/201");
    EXPECT_EQ(textOf(window, "Text15") + enabledOf(window, {"Combo3"}), "");
    type(window, "Text14", "9");
    EXPECT_EQ(textOf(window, "Text15") + enabledOf(window, {"Combo3"}), "4Combo3");
    choose(window, "Combo3", "101  NQ1");
    EXPECT_EQ(textsOf(window, {"Text17", "Text18"}), "72.8|291.2");
    // The arrival typed again moves the days with it.
    retype(window, "Text13", "5/5/2019");
    EXPECT_EQ(textsOf(window, {"Text15", "Text18"}), "2|145.6");
    EXPECT_EQ(t.session.pickedArrivalDate, may(5));
}

}  // namespace
