// The "Check In" window, driven through its controls.
#include <QCheckBox>

#include "checkin/ui/check_in_window.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "folio/ledger.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

class CheckInWindowTest : public ::testing::Test {
protected:
    void SetUp() override { smallMotel(t.dataDir); }

    QWidget* open() { return t.windows.open<CheckInWindow>(); }
    QWidget* w() { return t.find("Form4"); }
    QCheckBox* printBox() { return child<QCheckBox>(w(), "Check1"); }
    float printOption() { return readCounter(t.dataDir, t.dataDir.printFolioOption()); }

    TestDesk t;
};

TEST_F(CheckInWindowTest, OpensWithTodaysDatesTheOfferedRoomsAndTheListsDisabledAndWarnsOfAnOverbooking) {
    addRoom(t.dataDir, "103", "NQ1", 65, "Y", "N");  // dirty: not offered
    addReservation(t.dataDir, "101", may(3));         // not today's: 101 is offered
    writeCounter(t.dataDir, t.dataDir.printFolioOption(), 1);
    ASSERT_NE(open(), nullptr);
    EXPECT_EQ(w()->windowTitle(), "Check In");
    EXPECT_EQ(textsOf(w(), {"Label26", "Text13", "Text14", "Text15", "Combo3", "Combo1"}),
              "5/1/2019|5/1/2019|5/2/2019|1|Select Room|Expire Month");
    EXPECT_EQ(entries(w(), "Combo3") + entries(w(), "Combo6"), (QStringList{"101  NQ1", "102  KK1", "ACME"}));
    EXPECT_EQ(enabledOf(w(), {"Combo3", "Combo4", "Combo6", "Text18"}), "");
    EXPECT_TRUE(printBox()->isChecked());
    // Card years from 2017 to ten years past the clock's year (2019).
    EXPECT_EQ(entries(w(), "Combo2").join(' '), "2017 2018 2019 2020 2021 2022 2023 2024 2025 2026 2027 2028 2029");

    // Typing upper-cases (but not "Cell"), moves from state to zip and enables the lists.
    type(w(), "Text1", "smith");
    EXPECT_EQ(textOf(w(), "Text1"), "SMITH");
    EXPECT_EQ(child<QLineEdit>(w(), "Text1")->cursorPosition(), 5);
    EXPECT_EQ(enabledOf(w(), {"Combo3", "Combo4"}), "Combo3 Combo4");
    child<QLineEdit>(w(), "Text4")->setFocus();
    type(w(), "Text4", "ky");
    EXPECT_EQ(textOf(w(), "Text4"), "KY");
    EXPECT_TRUE(hasFocus(w(), "Text5"));
    type(w(), "Text7", "cell abc");
    EXPECT_EQ(textOf(w(), "Text7"), "cell abc");

    // A room whose stay would run into a reservation warns and leaves the rate empty.
    t.session.pickedDepartureDate = may(3);
    choose(w(), "Combo3", "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(textOf(w(), "Text16"), "65");
    child<QLineEdit>(w(), "Text16")->clear();
    t.session.pickedDepartureDate = may(4);
    choose(w(), "Combo3", "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: You are overbooking on this room. Choose another room.\n");
    EXPECT_EQ(textsOf(w(), {"Text16", "Combo3"}), "|101  NQ1");
}

TEST_F(CheckInWindowTest, TheFiguresFollowTheRoomTheRateTheDaysAndTheExtraCharge) {
    open();
    // The calendar left alone closes after ten seconds and changes nothing.
    DateCalendar* calendar = calendarOf(t, w(), "Text14", "Form5");
    EXPECT_EQ(describe(calendar), "Depart Date|5/2/2019|10000 ms, running");
    calendar->timerFired();
    settle();
    EXPECT_FALSE(t.isOpen("Form5"));
    EXPECT_EQ(textsOf(w(), {"Text14", "Text15"}) + enabledOf(w(), {"Combo3"}), "5/2/2019|1");

    type(w(), "Text1", "x");
    pickDay(calendarOf(t, w(), "Text14", "Form5"), may(4));
    EXPECT_FALSE(t.isOpen("Form5"));
    EXPECT_EQ(textsOf(w(), {"Text14", "Text15"}), "5/4/2019|3");
    EXPECT_EQ(t.session.pickedDepartureDate, may(4));

    // The rate, the tax, one night and the stay.
    choose(w(), "Combo3", "101  NQ1");
    EXPECT_EQ(textsOf(w(), {"Text16", "Label18", "Label20", "Text17"}), "65|7.8|72.8|218.4");
    type(w(), "Text21", "10");
    press(w(), "Command3");
    press(w(), "Command3");
    EXPECT_EQ(textOf(w(), "Text17"), "238.4");
    retype(w(), "Text16", "100");
    EXPECT_EQ(textsOf(w(), {"Text16", "Label18", "Label20", "Text17"}), "100|12|112|346");  // 3 nights, the extra 10

    choose(w(), "Combo4", "C - Cash");
    EXPECT_EQ(textOf(w(), "Text18"), "346");
    type(w(), "Text19", "400");
    EXPECT_EQ(textOf(w(), "Text20"), "54");
    EXPECT_EQ(enabledOf(w(), {"Text18", "Text19", "Combo6"}), "Text18 Text19");
    choose(w(), "Combo4", "R - Direct Bill");
    EXPECT_EQ(enabledOf(w(), {"Text18", "Text19", "Combo6"}), "Text18 Text19 Combo6");  // nothing is disabled again
}

// A refusal shows why, puts the cursor in the box and writes nothing; the print tick is kept
// for the next check-in.
TEST_F(CheckInWindowTest, CheckInNowRefusesOrWritesTheStayClosesAndPrintsOnlyWhenTicked) {
    open();
    EXPECT_FALSE(printBox()->isChecked());  // no preference stored yet
    typeGuest(w(), "john smith", "");
    EXPECT_EQ(t.pressed(w(), "Command1"), "ATTENTION!: You didn't enter number of adults.\n");
    EXPECT_TRUE(hasFocus(w(), "Text11"));
    type(w(), "Text11", "2");
    choose(w(), "Combo3", "102  KK1");
    choose(w(), "Combo4", "V - Visa");
    child<QLineEdit>(w(), "Text14")->setText("someday");
    EXPECT_EQ(t.pressed(w(), "Command1"), attention(kDepartNotADate));
    EXPECT_TRUE(hasFocus(w(), "Text14"));
    EXPECT_EQ(t.dataDir.size(t.dataDir.guests()), 0u);
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.folioCounter()), 0);
    child<QLineEdit>(w(), "Text14")->setText("5/2/2019");
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    EXPECT_FALSE(t.isOpen("Form4"));
    EXPECT_TRUE(t.printer.jobs.empty());
    EXPECT_EQ(roomFlags(t.dataDir, 2), "ON");

    open();
    printBox()->click();
    EXPECT_EQ(printOption(), 1);
    printBox()->click();
    EXPECT_EQ(printOption(), 0);
    printBox()->click();
    typeGuest(w(), "ann lee");
    choose(w(), "Combo3", "101  NQ1");
    // An account chosen and then cash: the printed folio names it, the stay is not billed to it.
    choose(w(), "Combo4", "R - Direct Bill");
    choose(w(), "Combo6", "ACME");
    choose(w(), "Combo4", "C - Cash");
    t.clock.setTime({11, 5, 32});
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    EXPECT_FALSE(t.isOpen("Form4"));
    const Guest guest = guestAt(t.dataDir, 2);
    EXPECT_EQ(guest.guestName, "ANN LEE");
    EXPECT_EQ(guest.arrivalTime, "11:05:32 AM");
    EXPECT_EQ(guest.directBillNo, 0);
    EXPECT_EQ(guest.folioNo, 2);
    EXPECT_EQ(readFolioLines(t.dataDir, 2).size(), 4u);
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const auto& lines = t.printer.jobs[0].lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Direct Bill Account:  ACME"), lines.end());
    EXPECT_EQ(lines.back(), std::string(35, ' ') + "Signature");
}

}  // namespace
