// The "Check In" window, driven through its controls.
#include <QCheckBox>

#include "checkin/ui/check_in_window.h"
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
    type(w(), "Text21", "10");
    t.pressed(w(), "Command3");
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

}  // namespace
