// "Add Reservation" and "Retrieve Reservation", reached from the main window's "Reservations".
#include <QCalendarWidget>
#include <QComboBox>
#include <QListWidget>

#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "reservations/ui/add_reservation_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const std::string kOverbooked = std::string("ATTENTION!: ") + kOverbooking + "\n";

class ReservationWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);
        smallMotel(t.dataDir);
        main = t.open("MainWindow");
    }

    // "Reservations", then one of its buttons.
    QWidget* fromMenu(const char* button, const char* window) {
        press(main, "Command6");
        press(t.find("Form11"), button);
        EXPECT_FALSE(t.isOpen("Form11")) << "the menu closes";
        return t.find(window);
    }
    QWidget* add() { return t.find("AddReservationWindow"); }
    // A click in the date box opens its calendar.
    DateCalendar* openCalendar(const char* box, const char* calendar) {
        click(child<QLineEdit>(add(), box));
        return qobject_cast<DateCalendar*>(t.find(calendar));
    }
    // ... and a click on the day closes it.
    void pick(const char* box, const char* calendar, Date day) {
        DateCalendar* c = openCalendar(box, calendar);
        ASSERT_NE(c, nullptr) << calendar;
        c->dayClicked(QDate(day.year(), day.month(), day.day()));
        settle();
    }
    // The guest typed, the stay picked and the room chosen, for a cash reservation.
    void fill(const char* name, Date arrival, Date departure, const char* room) {
        typeGuest(add(), name);
        pick("Text13", "ArrivalCalendar", arrival);
        pick("Text14", "DepartCalendar", departure);
        choose(add(), "Combo3", room);
        choose(add(), "Combo4", "C - Cash");
    }
    float confirmationCounter() { return readCounter(t.dataDir, t.dataDir.confirmationCounter()); }

    TestDesk t;
    QWidget* main = nullptr;
};

TEST_F(ReservationWindowsTest, AReservationForTodayIsListedAtOnceInTheArrivals) {
    writeCounter(t.dataDir, t.dataDir.confirmationCounter(), 41);
    QWidget* w = fromMenu("Command1", "AddReservationWindow");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Add Reservation");
    EXPECT_EQ(textOf(w, "Label22"), "42");
    EXPECT_EQ(readBytes(t.dataDir.confirmationCounter()), counterBytes(42));
    EXPECT_EQ(entries(w, "Combo3"), (QStringList{"101  NQ1", "102  KK1"}));
    EXPECT_FALSE(child<QComboBox>(w, "Combo3")->isEnabled());
    EXPECT_EQ(textOf(w, "Combo4"), "Select Paycode");
    EXPECT_EQ(entries(w, "Combo2").back(), "2029");

    type(w, "Text1", "john smith");
    EXPECT_EQ(textOf(w, "Text1"), "JOHN SMITH");
    // The calendars open on the hotel date and the day after, and close themselves after 10 seconds.
    DateCalendar* arrival = openCalendar("Text13", "ArrivalCalendar");
    ASSERT_NE(arrival, nullptr);
    EXPECT_EQ(arrival->windowTitle(), "Arrival Date");
    EXPECT_EQ(child<QCalendarWidget>(arrival, "Calendar1")->selectedDate(), QDate(2019, 5, 1));
    EXPECT_EQ(timerOf(arrival), "10000 ms, running");
    arrival->dayClicked(QDate(2019, 5, 1));
    DateCalendar* depart = openCalendar("Text14", "DepartCalendar");
    ASSERT_NE(depart, nullptr);
    EXPECT_EQ(depart->windowTitle(), "Depart Date");
    EXPECT_EQ(child<QCalendarWidget>(depart, "Calendar1")->selectedDate(), QDate(2019, 5, 2));
    depart->timerFired();
    settle();
    EXPECT_EQ(textOf(w, "Text14"), "");
    // The room list is open once the departure box was clicked; with no days yet the stay is 0.
    choose(w, "Combo3", "101  NQ1");
    const auto figures = [&] { return textOf(w, "Text16") + " " + textOf(w, "Label18") + " " + textOf(w, "Text17") + " " +
                                      textOf(w, "Text15") + " " + textOf(w, "Text18"); };
    EXPECT_EQ(figures(), "65 7.8 72.8  0");  // rate, tax, one night, days, the stay
    pick("Text14", "DepartCalendar", may(4));
    EXPECT_EQ(figures(), "65 7.8 72.8 3 218.4");
    EXPECT_EQ(t.session.pickedArrivalDate, may(1));
    EXPECT_EQ(t.session.pickedDepartureDate, may(4));

    for (const char* name : {"Text2", "Text3", "Text4", "Text5", "Text11"}) type(w, name, "x");
    press(w, "Command2");
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(add(), nullptr);
    const Reservation saved = RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).read(1);
    EXPECT_EQ(saved.confirmNo, "42");
    EXPECT_EQ(saved.roomNo, "101");
    EXPECT_EQ(saved.rate, 65);
    EXPECT_EQ(confirmationCounter(), 42) << "a name was typed: the number is kept";
    EXPECT_EQ(entries(main, "List1"), QStringList{"101  JOHN SMITH"});
    EXPECT_EQ(textOf(main, "Label17"), "1");
}

TEST_F(ReservationWindowsTest, TheConfirmationNumberIsGivenBackWhenTheWindowClosesWithNoName) {
    fromMenu("Command1", "AddReservationWindow");
    EXPECT_EQ(confirmationCounter(), 1);
    press(add(), "Command1");  // "Exit"
    EXPECT_EQ(add(), nullptr);
    EXPECT_EQ(readBytes(t.dataDir.confirmationCounter()), counterBytes(0));

    t.windows.open<AddReservationWindow>();
    type(add(), "Text1", "x");
    child<QLineEdit>(add(), "Text1")->clear();  // typed and taken back: still no name
    main->close();                              // which closes every other window
    settle();
    EXPECT_EQ(confirmationCounter(), 0);

    t.windows.open<AddReservationWindow>();
    type(add(), "Text1", "walked away");
    add()->close();
    settle();
    EXPECT_EQ(confirmationCounter(), 1) << "a window left with a name uses up its number";
}

TEST_F(ReservationWindowsTest, TwoReservationsOfOneRoomAndDayDrawTheWarningAndBothSave) {
    fromMenu("Command1", "AddReservationWindow");
    fill("first guest", may(5), may(7), "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), "");
    press(add(), "Command2");
    t.windows.open<AddReservationWindow>();
    fill("second guest", may(5), may(6), "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), kOverbooked);
    EXPECT_EQ(textOf(add(), "Combo3"), "101  NQ1");
    press(add(), "Command2");
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(t.dataDir.size(t.dataDir.reservations()), 2u * 538);

    // A stay overlapping an arrival on another day draws it too; one after it does not.
    t.windows.open<AddReservationWindow>();
    fill("third guest", may(4), may(6), "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), kOverbooked);
    pick("Text13", "ArrivalCalendar", may(7));
    pick("Text14", "DepartCalendar", may(9));
    choose(add(), "Combo3", "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), "");
}

TEST_F(ReservationWindowsTest, ReserveNowRefusesWhatCannotBeStoredAndWritesNothing) {
    fromMenu("Command1", "AddReservationWindow");
    press(add(), "Command2");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: You didn't enter a name.\n");
    fill("john smith", may(5), may(3), "102  KK1");
    press(add(), "Command2");
    EXPECT_EQ(t.shownBoxes(), std::string("ATTENTION!: ") + kDepartNotAfterArrival + "\n");
    EXPECT_TRUE(hasFocus(add(), "Text14"));
    child<QLineEdit>(add(), "Text13")->setText("5/32/2019");
    press(add(), "Command2");
    EXPECT_EQ(t.shownBoxes(), std::string("ATTENTION!: ") + kArrivalNotADate + "\n");
    child<QLineEdit>(add(), "Text13")->setText("5/1/2019");
    child<QLineEdit>(add(), "Text16")->setText("sixty");
    EXPECT_EQ(t.pressed(add(), "Command2"), std::string("ATTENTION!: ") + kStayRateNotANumber + "\n");
    choose(add(), "Combo4", "R - Direct Bill");
    EXPECT_EQ(t.pressed(add(), "Command2"), "ATTENTION!: You didn't select a direct bill account.\n");
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
    EXPECT_EQ(texts(w).mid(0, 5), (QStringList{"Label1 Confirmation#", "Label2 Name", "Label3 Room#", "Label4 Arrival Date",
                                               "Label5 Depart Date"}));
    auto* list = child<QListWidget>(w, "List1");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(0)->text().left(35), "3              LAST MONTH          ");

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    settle();
    EXPECT_FALSE(t.isOpen("RetrieveReservationWindow"));
    QWidget* reservation = t.find("Form16");
    ASSERT_NE(reservation, nullptr);
    EXPECT_EQ(textOf(reservation, "Text1") + "|" + textOf(reservation, "Label22"), "BOB JONES|5         ");
    EXPECT_EQ(t.session.selectedConfirmation, "");
}

}  // namespace
