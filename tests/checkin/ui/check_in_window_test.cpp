// The "Check In" window, driven through its controls.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "checkin/check_in_form.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "checkin/ui/check_in_window.h"
#include "support/motel_files.h"
#include "folio/ledger.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const Date kHotelDate = Date::fromYmd(2019, 5, 1);

class CheckInWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.session.hotelDate = kHotelDate;
        writeCounter(t.dataDir, t.dataDir.taxRate(), 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65);
        addRoom(t.dataDir, "102", "KK1", 80);
        addAccount(t.dataDir, "ACME", 3);
    }

    CheckInWindow* open() { return t.windows.open<CheckInWindow>(); }
    // A click in "Depart Date" opens its calendar.
    DateCalendar* openCalendar() {
        QTest::mouseClick(box("Text14"), Qt::LeftButton);
        return qobject_cast<DateCalendar*>(t.windows.find("Form5"));
    }

    template <class W>
    W* get(const char* name) {
        return child<W>(t.windows.find("Form4"), name);
    }
    QLineEdit* box(const char* name) { return get<QLineEdit>(name); }
    // The control that has (or, with the window in the background, will get) the focus.
    QWidget* focused() { return t.windows.find("Form4")->focusWidget(); }
    void type(const char* name, const QString& text) { QTest::keyClicks(box(name), text); }
    void choose(const char* list, const QString& entry) { chooseEntry(get<QComboBox>(list), entry); }
    void fillGuest() {
        type("Text1", "john smith");
        type("Text2", "1 main st");
        type("Text3", "springfield");
        type("Text4", "il");
        type("Text5", "62701");
        type("Text11", "2");
    }

    TestDesk t;
};

TEST_F(CheckInWindowTest, OpensWithTodaysDatesTheOfferedRoomsAndTheListsDisabled) {
    addRoom(t.dataDir, "103", "NQ1", 65, "Y", "N");  // dirty: not offered
    writeCounter(t.dataDir, t.dataDir.printFolioOption(), 1);
    CheckInWindow* window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Check In");
    EXPECT_EQ(get<QLabel>("Label26")->text(), "5/1/2019");
    EXPECT_EQ(box("Text13")->text(), "5/1/2019");
    EXPECT_EQ(box("Text14")->text(), "5/2/2019");
    EXPECT_EQ(box("Text15")->text(), "1");
    auto* rooms = get<QComboBox>("Combo3");
    EXPECT_EQ(rooms->currentText(), "Select Room");
    ASSERT_EQ(rooms->count(), 2);
    EXPECT_EQ(rooms->itemText(0), "101  NQ1");
    EXPECT_FALSE(rooms->isEnabled());
    EXPECT_FALSE(get<QComboBox>("Combo4")->isEnabled());
    EXPECT_FALSE(get<QComboBox>("Combo6")->isEnabled());
    EXPECT_EQ(get<QComboBox>("Combo6")->itemText(0), "ACME");
    EXPECT_FALSE(box("Text18")->isEnabled());
    EXPECT_TRUE(get<QCheckBox>("Check1")->isChecked());
    EXPECT_EQ(get<QComboBox>("Combo1")->currentText(), "Expire Month");
    // Card years from 2017 to ten years past the clock's year (2019).
    const QStringList years = itemsOf(get<QComboBox>("Combo2"));
    EXPECT_EQ(years.size(), 13);
    EXPECT_EQ(years.front(), "2017");
    EXPECT_EQ(years.back(), "2029");
}

TEST_F(CheckInWindowTest, TypingUpperCasesMovesFromStateToZipAndEnablesTheLists) {
    open();
    type("Text1", "smith");
    EXPECT_EQ(box("Text1")->text(), "SMITH");
    EXPECT_EQ(box("Text1")->cursorPosition(), 5);
    EXPECT_TRUE(get<QComboBox>("Combo3")->isEnabled());
    EXPECT_TRUE(get<QComboBox>("Combo4")->isEnabled());
    box("Text4")->setFocus();
    type("Text4", "ky");
    EXPECT_EQ(box("Text4")->text(), "KY");
    EXPECT_EQ(focused(), box("Text5"));
    type("Text7", "cell abc");  // "Cell" keeps what is typed
    EXPECT_EQ(box("Text7")->text(), "cell abc");
}

TEST_F(CheckInWindowTest, TheFiguresFollowTheRoomTheRateTheDaysAndTheExtraCharge) {
    open();
    type("Text1", "x");
    DateCalendar* calendar = openCalendar();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->windowTitle(), "Depart Date");
    EXPECT_EQ(child<QCalendarWidget>(calendar, "Calendar1")->selectedDate(), QDate(2019, 5, 2));
    calendar->dayClicked(QDate(2019, 5, 4));
    settle();
    EXPECT_EQ(t.windows.find("Form5"), nullptr);
    EXPECT_EQ(box("Text14")->text(), "5/4/2019");
    EXPECT_EQ(box("Text15")->text(), "3");
    EXPECT_EQ(t.session.pickedDepartureDate, Date::fromYmd(2019, 5, 4));

    choose("Combo3", "101  NQ1");
    EXPECT_EQ(box("Text16")->text(), "65");
    EXPECT_EQ(get<QLabel>("Label18")->text(), "7.8");
    EXPECT_EQ(get<QLabel>("Label20")->text(), "72.8");
    EXPECT_EQ(box("Text17")->text(), "218.4");

    type("Text21", "10");
    get<QPushButton>("Command3")->click();
    get<QPushButton>("Command3")->click();
    EXPECT_EQ(box("Text17")->text(), "238.4");

    box("Text16")->clear();
    type("Text16", "100");
    EXPECT_EQ(get<QLabel>("Label18")->text(), "12");
    EXPECT_EQ(box("Text17")->text(), "346");  // 3 nights of 112, plus the extra 10

    choose("Combo4", "C - Cash");
    EXPECT_EQ(box("Text18")->text(), "346");
    EXPECT_TRUE(box("Text19")->isEnabled());
    type("Text19", "400");
    EXPECT_EQ(box("Text20")->text(), "54");
    EXPECT_FALSE(get<QComboBox>("Combo6")->isEnabled());
    choose("Combo4", "R - Direct Bill");
    EXPECT_TRUE(get<QComboBox>("Combo6")->isEnabled());
    EXPECT_TRUE(box("Text18")->isEnabled());  // nothing is disabled again
}

TEST_F(CheckInWindowTest, TheCalendarLeftAloneClosesAndChangesNothing) {
    open();
    DateCalendar* calendar = openCalendar();
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->findChild<QTimer*>("Timer1")->interval(), 10000);
    calendar->timerFired();
    settle();
    EXPECT_EQ(t.windows.find("Form5"), nullptr);
    EXPECT_EQ(box("Text14")->text(), "5/2/2019");
    EXPECT_EQ(box("Text15")->text(), "1");
    EXPECT_FALSE(get<QComboBox>("Combo3")->isEnabled());
}

TEST_F(CheckInWindowTest, ChoosingARoomARunningIntoAReservationWarnsAndLeavesTheFigures) {
    addReservation(t.dataDir, "101", kHotelDate.plusDays(2));
    open();
    type("Text1", "x");
    t.session.pickedDepartureDate = kHotelDate.plusDays(2);
    choose("Combo3", "101  NQ1");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(box("Text16")->text(), "65");

    box("Text16")->clear();
    t.session.pickedDepartureDate = kHotelDate.plusDays(3);
    choose("Combo3", "101  NQ1");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
    EXPECT_EQ(t.dialogs.shown[0].text, "You are overbooking on this room. Choose another room.");
    EXPECT_EQ(box("Text16")->text(), "");
    EXPECT_EQ(get<QComboBox>("Combo3")->currentText(), "101  NQ1");
}

TEST_F(CheckInWindowTest, ThePrintChoiceIsKeptForTheNextCheckIn) {
    open();
    auto* print = get<QCheckBox>("Check1");
    EXPECT_FALSE(print->isChecked());  // no preference stored yet
    print->click();
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.printFolioOption()), 1);
    print->click();
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.printFolioOption()), 0);
}

TEST_F(CheckInWindowTest, ARefusedCheckInShowsWhyFocusesTheBoxAndWritesNothing) {
    open();
    fillGuest();
    box("Text11")->clear();
    get<QPushButton>("Command1")->click();
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text, "You didn't enter number of adults.");
    EXPECT_EQ(focused(), box("Text11"));

    type("Text11", "2");
    choose("Combo3", "101  NQ1");
    choose("Combo4", "C - Cash");
    box("Text14")->setText("someday");
    get<QPushButton>("Command1")->click();
    EXPECT_EQ(t.dialogs.shown.back().text, kDepartNotADate);
    EXPECT_EQ(focused(), box("Text14"));
    EXPECT_EQ(t.dataDir.size(t.dataDir.guests()), 0u);
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.folioCounter()), 0);
    EXPECT_NE(t.windows.find("Form4"), nullptr);
}

TEST_F(CheckInWindowTest, CheckInNowWritesTheStayClosesAndPrintsWhenAsked) {
    open();
    fillGuest();
    choose("Combo3", "101  NQ1");
    choose("Combo4", "C - Cash");
    get<QCheckBox>("Check1")->click();
    t.clock.setTime({11, 5, 32});
    get<QPushButton>("Command1")->click();
    settle();
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(t.windows.find("Form4"), nullptr);
    const Guest guest = RecordFile<Guest>(t.dataDir, t.dataDir.guests()).read(1);
    EXPECT_EQ(guest.guestName, "JOHN SMITH");
    EXPECT_EQ(guest.arrivalTime, "11:05:32 AM");
    EXPECT_EQ(guest.folioNo, 1);
    EXPECT_EQ(readFolioLines(t.dataDir, 1).size(), 4u);
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].lines.back(), std::string(35, ' ') + "Signature");
}

TEST_F(CheckInWindowTest, ThePrintedFolioNamesAChosenAccountEvenForCash) {
    writeCounter(t.dataDir, t.dataDir.printFolioOption(), 1);
    open();
    fillGuest();
    choose("Combo3", "101  NQ1");
    choose("Combo4", "R - Direct Bill");
    choose("Combo6", "ACME");
    choose("Combo4", "C - Cash");
    get<QPushButton>("Command1")->click();
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const auto& lines = t.printer.jobs[0].lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), "Direct Bill Account:  ACME"), lines.end());
    EXPECT_EQ(RecordFile<Guest>(t.dataDir, t.dataDir.guests()).read(1).directBillNo, 0);  // cash: no account
}

TEST_F(CheckInWindowTest, UntickedPrintsNothing) {
    open();
    fillGuest();
    choose("Combo3", "102  KK1");
    choose("Combo4", "V - Visa");
    get<QPushButton>("Command1")->click();
    EXPECT_TRUE(t.printer.jobs.empty());
    EXPECT_EQ(RecordFile<Room>(t.dataDir, t.dataDir.rooms()).read(2).vacantFlag, "O");
}

}  // namespace

namespace {

TEST_F(CheckInWindowTest, TheMainWindowsCheckInOpensItOnceTheGatePasses) {
    writeCounter(t.dataDir, t.dataDir.taxRate(), 0);
    QWidget* main = t.open("MainWindow");
    child<QPushButton>(main, "Command4")->click();
    EXPECT_EQ(t.windows.find("Form4"), nullptr);
    ASSERT_FALSE(t.dialogs.shown.empty());
    EXPECT_EQ(t.dialogs.shown.back().title, "ATTENTION!");

    writeCounter(t.dataDir, t.dataDir.taxRate(), 0.12f);
    child<QPushButton>(main, "Command4")->click();
    EXPECT_NE(t.windows.find("Form4"), nullptr);
}

}  // namespace
