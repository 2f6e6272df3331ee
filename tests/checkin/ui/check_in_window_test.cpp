// The "Check In" window, driven through its controls.
#include <QCheckBox>

#include "checkin/ui/check_in_window.h"
#include "checkin/check_in_form.h"
#include "core/ui/date_calendar.h"
#include "core/formats.h"
#include "core/motel_details.h"
#include "core/stay_rules.h"
#include "ledger/ledger.h"
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

    TestDesk t;
};

TEST_F(CheckInWindowTest, CheckInNowRefusesABadDateThenWritesTheStayClosesAndPrints) {
    open();
    typeGuest(w(), "ann lee");
    choose(w(), "Combo3", "101  NQ1");
    // An account chosen and then cash: the printed folio names it, the stay is not billed to it.
    choose(w(), "Combo4", "R - Direct Bill");
    choose(w(), "Combo6", "ACME");
    choose(w(), "Combo4", "C - Cash");
    child<QLineEdit>(w(), "Text14")->setText("someday");
    EXPECT_EQ(t.pressed(w(), "Command1"), attention(kDepartNotADate));
    EXPECT_TRUE(hasFocus(w(), "Text14"));
    EXPECT_EQ(t.dataDir.size(t.dataDir.guests()), 0u);
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.folioCounter()), 0);
    child<QLineEdit>(w(), "Text14")->setText("5/2/2019");
    printBox()->click();
    ASSERT_EQ(saveMotelDetails(t.dataDir, {"Pine Lodge", "14 Lake Rd", "Harbor Falls", "Tel 207-555-0100", ""}), std::nullopt);
    t.dataDir.commit();
    t.clock.setTime({11, 5, 32});
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    EXPECT_FALSE(t.isOpen("Form4"));
    EXPECT_EQ(roomFlags(t.dataDir, 1), "ON");
    const Guest guest = guestAt(t.dataDir, 1);
    EXPECT_EQ(guest.guestName, "ANN LEE");
    EXPECT_EQ(guest.arrivalTime, "11:05:32 AM");
    EXPECT_EQ(guest.directBillNo, 0);
    EXPECT_EQ(guest.folioNo, 1);
    EXPECT_EQ(readFolioLines(t.dataDir, 1).size(), 4u);
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const auto& lines = t.printer.jobs[0].lines;
    EXPECT_EQ(lines[1], std::string(88, ' ') + "Pine Lodge");  // under the motel's own heading
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Direct Bill Account:  ACME"), lines.end());
    EXPECT_EQ(lines.back(), std::string(35, ' ') + "Signature");
}

TEST_F(CheckInWindowTest, ATypedDepartureCountsEveryNightAndKeepsAnAddedExtra) {
    open();
    choose(w(), "Combo3", "101  NQ1");
    child<QLineEdit>(w(), "Text14")->clear();
    type(w(), "Text14", "5/5/201");
    EXPECT_EQ(textsOf(w(), {"Text15", "Text17"}), "1|72.8") << "half typed";
    type(w(), "Text14", "9");
    EXPECT_EQ(textsOf(w(), {"Text15", "Text17"}), "4|291.2");
    type(w(), "Text21", "10");  // no extra charge chosen: asked for, not added
    EXPECT_EQ(t.pressed(w(), "Command3"), attention(kNoExtraChargeChosen));
    EXPECT_TRUE(hasFocus(w(), "Combo5"));
    EXPECT_EQ(textOf(w(), "Text17"), "291.2");
    choose(w(), "Combo5", "N - Roll Away");
    t.pressed(w(), "Command3");
    t.pressed(w(), "Command3");  // posted once, so counted once
    child<QLineEdit>(w(), "Text14")->clear();
    type(w(), "Text14", "5/3/2019");
    EXPECT_EQ(textsOf(w(), {"Text15", "Text17"}), "2|155.6");
}

// The room check looks at this window's own departure, never at one picked on another window.
TEST_F(CheckInWindowTest, TheOverbookingCheckUsesItsOwnDepartureOnly) {
    addReservation(t.dataDir, "101", may(3));  // two nights ahead
    t.dataDir.commit();
    // A departure far ahead picked on Add Reservation, open beside it.
    QWidget* reservation = t.open("AddReservationWindow");
    pickDay(calendarOf(t, reservation, "Text14", "DepartCalendar"), may(20));
    t.shownBoxes();
    open();
    typeGuest(w(), "ann lee");
    choose(w(), "Combo3", "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), "") << "one night, out before the reservation arrives";
    EXPECT_EQ(textOf(w(), "Text16"), "65");
    child<QLineEdit>(w(), "Text14")->clear();
    type(w(), "Text14", "5/4/2019");
    choose(w(), "Combo3", "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), attention(kOverbooking)) << "three nights run into it";
}

// A rate of 59.95 at 9%: the figures show to the cent, the cash "Total" follows "Total Stay" through
// a rate changed after cash was chosen and an extra charge, and the cash posted is the one shown.
TEST_F(CheckInWindowTest, TheCashTotalFollowsTheStayAndIsWhatThePaymentPosts) {
    writeTaxRate(t.dataDir, 0.09f);
    addRoom(t.dataDir, "103", "NQ1", 59.95f);
    open();
    typeGuest(w());
    retype(w(), "Text14", "5/3/2019");
    choose(w(), "Combo3", "103  NQ1");
    EXPECT_EQ(textsOf(w(), {"Text16", "Label18", "Label20", "Text17"}), "59.95|5.4|65.35|130.7");
    choose(w(), "Combo4", "C - Cash");
    type(w(), "Text19", "200");
    EXPECT_EQ(textsOf(w(), {"Text18", "Text20"}), "130.7|69.3");

    retype(w(), "Text16", "5.45");
    EXPECT_EQ(textsOf(w(), {"Label18", "Label20", "Text17", "Text18", "Text20"}), "0.49|5.94|11.88|11.88|188.12");
    choose(w(), "Combo5", "P - Pet Fee");
    type(w(), "Text21", "1x5");
    EXPECT_EQ(t.pressed(w(), "Command3"), attention("The extra charge must be a number, like 12.50."));
    EXPECT_TRUE(hasFocus(w(), "Text21"));
    EXPECT_EQ(textsOf(w(), {"Text17", "Text18"}), "11.88|11.88");
    retype(w(), "Text21", "15");
    EXPECT_EQ(textsOf(w(), {"Text17", "Text18", "Text20"}), "26.88|26.88|173.12");

    // A typo in what was tendered is refused and nothing is written.
    retype(w(), "Text19", "2oo");
    const Snapshot before = snapshot(t.folder.path());
    EXPECT_EQ(t.pressed(w(), "Command1"), attention("The amount tendered must be a number, like 100 or 80.50."));
    EXPECT_TRUE(hasFocus(w(), "Text19"));
    EXPECT_EQ(snapshot(t.folder.path()), before);
    retype(w(), "Text19", "200");
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    const std::vector<FolioLine> lines = readFolioLines(t.dataDir, 1);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].amount, 5.45);
    EXPECT_EQ(lines[3].code + plainNumber(lines[3].amount) + lines[4].code + plainNumber(lines[4].amount), "P15C26.88");
    EXPECT_EQ(guestAt(t.dataDir, 1).rate, 5.45f);
}

// The departure calendar opens on the date the box holds, not on the day after the hotel date,
// and only when asked for (a click, F4, Alt+Down): the focus reaching the box opens nothing, so
// what is typed stays in the box.
TEST_F(CheckInWindowTest, TheDepartureCalendarOpensOnlyWhenAskedOnTheDateInTheBox) {
    open();
    auto* box = child<QLineEdit>(w(), "Text14");
    w()->activateWindow();
    box->setFocus(Qt::TabFocusReason);
    box->clear();
    QTest::keyClicks(box, "5/17/2019");
    EXPECT_EQ(t.find("Form5"), nullptr);
    EXPECT_EQ(box->text(), "5/17/2019");
    QTest::keyClick(box, Qt::Key_F4);
    EXPECT_EQ(describe(qobject_cast<DateCalendar*>(t.find("Form5"))), "Depart Date|5/17/2019|10000 ms, running");
    t.find("Form5")->close();
    settle();

    box->clear();
    QTest::keyClicks(box, "5/17/20");  // half typed: the day after the hotel date
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    EXPECT_EQ(describe(qobject_cast<DateCalendar*>(t.find("Form5"))), "Depart Date|5/2/2019|10000 ms, running");
}

}  // namespace
