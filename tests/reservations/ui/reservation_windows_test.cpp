// "Add Reservation" and "Retrieve Reservation", reached from the main window's "Reservations".
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "core/ui/main_window.h"
#include "reservations/ui/add_reservation_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

class ReservationWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);
        setTaxRate(t.dataDir, 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65);
        addRoom(t.dataDir, "102", "KK1", 80);
        main = t.windows.open<MainWindow>();
        settle();
    }

    // "Reservations", then one of its buttons.
    QWidget* fromMenu(const char* button, const char* window) {
        click(child<QPushButton>(main, "Command6"));
        settle();
        QWidget* menu = t.windows.find("Form11");
        EXPECT_NE(menu, nullptr);
        if (!menu) return nullptr;
        click(child<QPushButton>(menu, button));
        settle();
        EXPECT_EQ(t.windows.find("Form11"), nullptr) << "the menu closes";
        return t.windows.find(window);
    }
    QWidget* add() { return t.windows.find("AddReservationWindow"); }
    QLineEdit* box(const char* name) { return child<QLineEdit>(add(), name); }
    QString label(const char* name) { return child<QLabel>(add(), name)->text(); }
    void type(const char* name, const QString& text) { QTest::keyClicks(box(name), text); }
    void choose(const char* list, const QString& entry) { chooseEntry(child<QComboBox>(add(), list), entry); }
    // A click in the date box, then a click on the day in its calendar.
    DateCalendar* openCalendar(const char* boxName, const char* calendar) {
        QTest::mouseClick(box(boxName), Qt::LeftButton);
        return qobject_cast<DateCalendar*>(t.windows.find(calendar));
    }
    void pick(const char* boxName, const char* calendar, Date day) {
        DateCalendar* c = openCalendar(boxName, calendar);
        ASSERT_NE(c, nullptr) << calendar;
        c->dayClicked(QDate(day.year(), day.month(), day.day()));
        settle();
    }
    // The guest typed, the stay picked and the room chosen, for a cash reservation.
    void fill(const char* name, Date arrival, Date departure, const char* room) {
        type("Text1", name);
        type("Text2", "1 main st");
        type("Text3", "springfield");
        type("Text4", "il");
        type("Text5", "62701");
        type("Text11", "2");
        pick("Text13", "ArrivalCalendar", arrival);
        pick("Text14", "DepartCalendar", departure);
        choose("Combo3", room);
        choose("Combo4", "C - Cash");
    }
    void reserveNow() { child<QPushButton>(add(), "Command2")->click(), settle(); }
    float confirmationCounter() { return readCounter(t.dataDir, t.dataDir.confirmationCounter()); }
    std::string shownBoxes() {
        std::string all;
        for (const auto& shown : t.dialogs.shown) all += shown.title + ": " + shown.text + "\n";
        t.dialogs.clear();
        return all;
    }

    TestDesk t;
    MainWindow* main = nullptr;
};

TEST_F(ReservationWindowsTest, AReservationForTodayIsListedAtOnceInTheArrivals) {
    writeCounter(t.dataDir, t.dataDir.confirmationCounter(), 41);
    QWidget* w = fromMenu("Command1", "AddReservationWindow");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Add Reservation");
    EXPECT_EQ(label("Label22"), "42");
    EXPECT_EQ(readBytes(t.dataDir.confirmationCounter()), Bytes(RecordBytes(10).single(0, 42)));
    EXPECT_EQ(itemsOf(child<QComboBox>(w, "Combo3")), (QStringList{"101  NQ1", "102  KK1"}));
    EXPECT_FALSE(child<QComboBox>(w, "Combo3")->isEnabled());
    EXPECT_EQ(child<QComboBox>(w, "Combo4")->currentText(), "Select Paycode");
    EXPECT_EQ(itemsOf(child<QComboBox>(w, "Combo2")).back(), "2029");

    type("Text1", "john smith");
    EXPECT_EQ(box("Text1")->text(), "JOHN SMITH");
    // The calendars open on the hotel date and the day after, and close themselves after 10 seconds.
    DateCalendar* arrival = openCalendar("Text13", "ArrivalCalendar");
    ASSERT_NE(arrival, nullptr);
    EXPECT_EQ(arrival->windowTitle(), "Arrival Date");
    EXPECT_EQ(child<QCalendarWidget>(arrival, "Calendar1")->selectedDate(), QDate(2019, 5, 1));
    EXPECT_EQ(arrival->findChild<QTimer*>("Timer1")->interval(), 10000);
    arrival->dayClicked(QDate(2019, 5, 1));
    DateCalendar* depart = openCalendar("Text14", "DepartCalendar");
    ASSERT_NE(depart, nullptr);
    EXPECT_EQ(depart->windowTitle(), "Depart Date");
    EXPECT_EQ(child<QCalendarWidget>(depart, "Calendar1")->selectedDate(), QDate(2019, 5, 2));
    depart->timerFired();
    settle();
    EXPECT_EQ(box("Text14")->text(), "");
    // The room list is open once the departure box was clicked; with no days yet the stay is 0.
    choose("Combo3", "101  NQ1");
    EXPECT_EQ(box("Text16")->text(), "65");
    EXPECT_EQ(label("Label18"), "7.8");
    EXPECT_EQ(box("Text17")->text(), "72.8");
    EXPECT_EQ(box("Text18")->text(), "0");
    pick("Text14", "DepartCalendar", may(4));
    EXPECT_EQ(box("Text15")->text(), "3");
    EXPECT_EQ(box("Text18")->text(), "218.4");
    EXPECT_EQ(t.session.pickedArrivalDate, may(1));
    EXPECT_EQ(t.session.pickedDepartureDate, may(4));

    for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text11"}) type(name, "x");
    reserveNow();
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(add(), nullptr);
    const Reservation saved = RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).read(1);
    EXPECT_EQ(saved.confirmNo, "42");
    EXPECT_EQ(saved.roomNo, "101");
    EXPECT_EQ(saved.rate, 65);
    EXPECT_EQ(confirmationCounter(), 42) << "a name was typed: the number is kept";
    EXPECT_EQ(itemsOf(child<QListWidget>(main, "List1")), QStringList{"101  JOHN SMITH"});
    EXPECT_EQ(child<QLabel>(main, "Label17")->text(), "1");
}

TEST_F(ReservationWindowsTest, TheConfirmationNumberIsGivenBackWhenTheWindowClosesWithNoName) {
    fromMenu("Command1", "AddReservationWindow");
    EXPECT_EQ(confirmationCounter(), 1);
    click(child<QPushButton>(add(), "Command1"));  // "Exit"
    settle();
    EXPECT_EQ(add(), nullptr);
    EXPECT_EQ(readBytes(t.dataDir.confirmationCounter()), Bytes(RecordBytes(10).single(0, 0)));

    t.windows.open<AddReservationWindow>();
    type("Text1", "x");
    box("Text1")->clear();  // typed and taken back: still no name
    main->close();          // which closes every other window
    settle();
    EXPECT_EQ(confirmationCounter(), 0);

    t.windows.open<AddReservationWindow>();
    type("Text1", "walked away");
    add()->close();
    settle();
    EXPECT_EQ(confirmationCounter(), 1) << "a window left with a name uses up its number";
}

TEST_F(ReservationWindowsTest, TwoReservationsOfOneRoomAndDayDrawTheWarningAndBothSave) {
    fromMenu("Command1", "AddReservationWindow");
    fill("first guest", may(5), may(7), "101  NQ1");
    EXPECT_EQ(shownBoxes(), "");
    reserveNow();
    t.windows.open<AddReservationWindow>();
    fill("second guest", may(5), may(6), "101  NQ1");
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kOverbooking + "\n");
    EXPECT_EQ(child<QComboBox>(add(), "Combo3")->currentText(), "101  NQ1");
    reserveNow();
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(t.dataDir.size(t.dataDir.reservations()), 2u * 538);

    // A stay overlapping an arrival on another day draws it too; one after it does not.
    t.windows.open<AddReservationWindow>();
    fill("third guest", may(4), may(6), "101  NQ1");
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kOverbooking + "\n");
    pick("Text13", "ArrivalCalendar", may(7));
    pick("Text14", "DepartCalendar", may(9));
    choose("Combo3", "101  NQ1");
    EXPECT_EQ(shownBoxes(), "");
}

TEST_F(ReservationWindowsTest, ReserveNowRefusesWhatCannotBeStoredAndWritesNothing) {
    fromMenu("Command1", "AddReservationWindow");
    reserveNow();
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You didn't enter a name.\n");
    fill("john smith", may(5), may(3), "102  KK1");
    reserveNow();
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kDepartNotAfterArrival + "\n");
    EXPECT_EQ(add()->focusWidget(), box("Text14"));
    box("Text13")->setText("5/32/2019");
    reserveNow();
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kArrivalNotADate + "\n");
    box("Text13")->setText("5/1/2019");
    box("Text16")->setText("sixty");
    reserveNow();
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kStayRateNotANumber + "\n");
    choose("Combo4", "R - Direct Bill");
    reserveNow();
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You didn't select a direct bill account.\n");
    EXPECT_EQ(t.dataDir.size(t.dataDir.reservations()), 0u);
    EXPECT_NE(add(), nullptr);
}

TEST_F(ReservationWindowsTest, RetrieveListsTheOpenReservationsAndAClickOpensOneOnTheReservationScreen) {
    putReservation(t.dataDir, "3", "101", "LAST MONTH", Date::fromYmd(2019, 4, 2), Date::fromYmd(2019, 4, 3));
    putReservation(t.dataDir, "4", "102", "CANCELLED", may(1), may(2), 80, "*");
    putReservation(t.dataDir, "5", "102", "BOB JONES", may(9), may(11), 80);
    t.session.selectedConfirmation = "stale";
    QWidget* w = fromMenu("Command2", "RetrieveReservationWindow");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Retrieve Reservation");
    EXPECT_EQ(t.session.selectedConfirmation, "");
    QStringList headings;
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"}) headings << child<QLabel>(w, name)->text();
    EXPECT_EQ(headings, (QStringList{"Confirmation#", "Name", "Room#", "Arrival Date", "Depart Date"}));
    auto* list = child<QListWidget>(w, "List1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text().left(35), "3              LAST MONTH          ");

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    settle();
    EXPECT_EQ(t.windows.find("RetrieveReservationWindow"), nullptr);
    QWidget* reservation = t.windows.find("Form16");
    ASSERT_NE(reservation, nullptr);
    EXPECT_EQ(child<QLineEdit>(reservation, "Text1")->text(), "BOB JONES");
    EXPECT_EQ(child<QLabel>(reservation, "Label22")->text(), "5         ");
    EXPECT_EQ(t.session.selectedConfirmation, "");
}

}  // namespace
