// "Add Reservation" and "Retrieve Reservation", reached from the main window's "Reservations".
#include <QListWidget>

#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "reservations/ui/add_reservation_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const std::string kOverbooked = attention(kOverbooking);

class ReservationWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        switchWelcomeOff(t.dataDir, true);
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
    // A day picked on the calendar the date box opens.
    void pick(const char* box, const char* calendar, Date day) { pickDay(calendarOf(t, add(), box, calendar), day); }
    // The guest typed, the stay picked and the room chosen, for a cash reservation.
    void book(const char* name, Date arrival, Date departure, const char* room) {
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
    book("john smith", may(1), may(4), "101  NQ1");
    // The rate, the tax, one night, the days and the stay.
    EXPECT_EQ(textsOf(w, {"Text16", "Label18", "Text17", "Text15", "Text18"}), "65|7.8|72.8|3|218.4");
    EXPECT_EQ(t.pressed(w, "Command2"), "");
    EXPECT_EQ(add(), nullptr);
    const Reservation saved = RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).read(1);
    EXPECT_EQ(saved.confirmNo, "42");
    EXPECT_EQ(saved.roomNo, "101");
    EXPECT_EQ(saved.rate, 65);
    EXPECT_EQ(confirmationCounter(), 42) << "a name was typed: the number is kept";
    EXPECT_EQ(entries(main, "List1"), QStringList{"101  JOHN SMITH"});
}

TEST_F(ReservationWindowsTest, TheConfirmationNumberIsGivenBackWhenTheWindowClosesWithNoName) {
    fromMenu("Command1", "AddReservationWindow");
    EXPECT_EQ(confirmationCounter(), 1);
    press(add(), "Command1");  // "Exit"
    EXPECT_EQ(add(), nullptr);
    EXPECT_EQ(readBytes(t.dataDir.confirmationCounter()), counterBytes(0));

    t.windows.open<AddReservationWindow>();
    type(add(), "Text1", "walked away");
    add()->close();
    settle();
    EXPECT_EQ(confirmationCounter(), 1) << "a window left with a name uses up its number";
}

// "Reserve Now" shows why it refuses, puts the cursor in the box and writes nothing; two
// reservations of one room and day draw the warning, and the second is saved only once the clerk
// says so.
TEST_F(ReservationWindowsTest, ReserveNowRefusesOrSavesTwoReservationsOfOneRoomWithTheWarning) {
    fromMenu("Command1", "AddReservationWindow");
    book("first guest", may(5), may(3), "101  NQ1");
    EXPECT_EQ(t.pressed(add(), "Command2"), attention(kDepartNotAfterArrival));
    EXPECT_TRUE(hasFocus(add(), "Text14"));
    EXPECT_EQ(t.dataDir.size(t.dataDir.reservations()), 0u);
    pick("Text14", "DepartCalendar", may(7));
    EXPECT_EQ(t.pressed(add(), "Command2"), "");
    t.windows.open<AddReservationWindow>();
    book("second guest", may(5), may(6), "101  NQ1");
    EXPECT_EQ(t.shownBoxes(), kOverbooked);
    const std::string question =
        "? Overbooking: Room 101 is reserved for FIRST GUEST (confirmation 1) from 5/5/2019 to 5/7/2019.\n"
        "Take this reservation anyway?\n";
    t.dialogs.answers = {false};
    EXPECT_EQ(t.pressed(add(), "Command2"), question);
    EXPECT_EQ(t.dataDir.size(t.dataDir.reservations()), 538u) << "answered No: nothing written";
    ASSERT_NE(add(), nullptr);
    t.dialogs.answers = {true};
    EXPECT_EQ(t.pressed(add(), "Command2"), question);
    EXPECT_EQ(t.dataDir.size(t.dataDir.reservations()), 2u * 538);

    // A guest in house in the room past the arrival is named too.
    putGuest(t.dataDir, "102", 4, "STAYING ON", may(9));
    t.dataDir.commit();
    t.windows.open<AddReservationWindow>();
    book("third guest", may(8), may(10), "102  KK1");
    t.dialogs.answers = {false};
    EXPECT_EQ(t.pressed(add(), "Command2"),
              "? Overbooking: Room 102 is occupied by STAYING ON until 5/9/2019.\nTake this reservation anyway?\n");
    EXPECT_EQ(t.dataDir.size(t.dataDir.reservations()), 2u * 538);
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
