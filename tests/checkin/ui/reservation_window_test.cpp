// The "Reservation" window and the guest list, driven through their controls.
#include <QListWidget>

#include "checkin/ui/guest_list_window.h"
#include "checkin/ui/reservation_window.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "folio/invoices.h"
#include "folio/ledger.h"
#include "platform/qt/controls.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

class ReservationWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);
        smallMotel(t.dataDir);  // room 101's rate has gone up since the booking at 59
        putReservation(t.dataDir, "8", "101", "NEXT WEEK", may(8), may(9));
        putReservation(t.dataDir, "7", "101", "AMY WILSON", may(1), may(3));
        putReservation(t.dataDir, "9", "102", "BOB JONES", may(1), may(2));
    }

    // Opens the main window and double-clicks the arrival in row `row`.
    QWidget* openFromArrivals(int row) {
        main = t.open("MainWindow");
        doubleClickRow(child<QListWidget>(main, "List1"), row);
        return w();
    }
    QWidget* w() { return t.find("Form16"); }
    Reservation reservation(std::uint64_t n) { return RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).read(n); }
    std::string folio(float folioNo) { return readText(t.dataDir.folioCharges(folioKey(folioNo))); }

    TestDesk t;
    QWidget* main = nullptr;
};

TEST_F(ReservationWindowTest, FromTheArrivalsItShowsTheRoomsReservationOfTodayAtTheRoomsRate) {
    ASSERT_NE(openFromArrivals(0), nullptr);
    EXPECT_EQ(w()->windowTitle(), "Reservation");
    EXPECT_EQ(textsOf(w(), {"Label29", "Text1", "Text5", "Text11", "Combo1", "Text13", "Text14", "Text15", "Label17",
                            "Label22", "Text16", "Label20", "Text17", "Text18", "Combo3", "Combo4"}),
              "Reservation|AMY WILSON|62701          |2|March     |5/1/2019|5/3/2019|2|101  |7         |65|7.8|72.8|145.6|"
              "Select Room |Select Paycode");  // texts as stored, at the room's rate of today
    EXPECT_EQ(enabledOf(w(), {"Combo6", "Text19"}), "Combo6");
    EXPECT_EQ(t.session.selectedRoom, "");
    EXPECT_TRUE(main->isVisible());

    // The calendars fill the dates, and the days and the stay follow, or close after ten seconds.
    DateCalendar* arrival = calendarOf(t, w(), "Text13", "Form17");
    EXPECT_EQ(describe(arrival), "Arrival Date|5/1/2019|10000 ms, running");
    arrival->timerFired();
    settle();
    EXPECT_FALSE(t.isOpen("Form17"));
    EXPECT_EQ(textOf(w(), "Text13"), "5/1/2019");
    DateCalendar* depart = calendarOf(t, w(), "Text14", "Form18");
    EXPECT_EQ(describe(depart), "Depart Date|5/2/2019|10000 ms, running");
    pickDay(depart, may(4));
    EXPECT_EQ(textsOf(w(), {"Text14", "Text15", "Text18"}), "5/4/2019|3|218.4");

    // The rate typed, the extra charge added, the cash and the change.
    retype(w(), "Text16", "100");
    EXPECT_EQ(textsOf(w(), {"Label20", "Text18"}), "12|336");
    choose(w(), "Combo4", "C - Cash");
    EXPECT_EQ(textOf(w(), "Text19"), "336");
    type(w(), "Text22", "10");
    press(w(), "Command3");
    type(w(), "Text20", "350");
    EXPECT_EQ(textsOf(w(), {"Text18", "Text19", "Text21"}), "346|346|4");
}

TEST_F(ReservationWindowTest, CheckInWritesTheStayAtTheRoomsRateAndTheReservationIsNeverFoundAgain) {
    openFromArrivals(0);
    choose(w(), "Combo4", "C - Cash");
    t.clock.setTime({14, 5, 0});
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    EXPECT_EQ(w(), nullptr);
    const Guest guest = guestAt(t.dataDir, 1);
    EXPECT_EQ(guest.guestName.str() + "|" + guest.roomNo.str() + "|" + guest.arrivalTime.str() + "|" + guest.payType.str(),
              "AMY WILSON|101|2:05:00 PM|C");
    EXPECT_EQ(guest.rate, 65);
    EXPECT_EQ(guest.departDate, may(3));
    EXPECT_EQ(roomFlags(t.dataDir, 1), "ON");
    EXPECT_EQ(folio(1), folioText("101  ", "E", "Room Rent", "65", "1") + folioText("101  ", "T", "Tax", "7.79999982565641", "1") +
                            folioText("101  ", "L", "Total", "72.7999998256564", "1") +
                            folioText("101  ", "C", "Cash Received", "145.6", "1"));
    const Bytes reservations = readBytes(t.dataDir.reservations());
    EXPECT_EQ(Bytes(reservations.begin() + 538 + 400, reservations.begin() + 538 + 420), textBytes("*", 20));
    EXPECT_EQ(entries(main, "List1"), QStringList{"102  BOB JONES"});
    EXPECT_EQ(textOf(main, "Label17"), "1");

    // Opened again by its number it shows empty boxes, and refuses to act on them.
    t.session.selectedConfirmation = "7";
    ReservationWindow::showChosen(t.desk);
    EXPECT_EQ(textsOf(w(), {"Text1", "Label22"}), "|");
    const Snapshot before = snapshot(t.folder.path());
    choose(w(), "Combo4", "C - Cash");
    for (const char* button : {"Command1", "Command4", "Command5"}) {
        EXPECT_EQ(t.pressed(w(), button), attention(kNoReservationShown)) << button;
        EXPECT_NE(w(), nullptr);
    }
    EXPECT_EQ(snapshot(t.folder.path()), before);
}

TEST_F(ReservationWindowTest, ADirectBillCheckInAsksForTheAccountRefusesABadDateAndOpensTheInvoiceAtTheRoomsRate) {
    const auto files = InvoiceFiles::of(t.dataDir, "ACME");
    writeCounter(t.dataDir, files->counter(), 4);
    openFromArrivals(0);
    choose(w(), "Combo4", "R - Direct Bill");
    EXPECT_EQ(t.pressed(w(), "Command1"), "ATTENTION!: You didn't select a direct bill account.\n");
    EXPECT_TRUE(hasFocus(w(), "Combo6"));
    choose(w(), "Combo6", "ACME");
    retype(w(), "Text14", "5/40/2019");  // a date that cannot be stored, by either button
    EXPECT_EQ(t.pressed(w(), "Command1"), attention(kDepartNotADate));
    EXPECT_TRUE(hasFocus(w(), "Text14"));
    EXPECT_EQ(t.pressed(w(), "Command4"), attention(kDepartNotADate));
    EXPECT_EQ(t.dataDir.size(t.dataDir.guests()), 0u);
    EXPECT_EQ(reservation(2).departDate, may(3));

    retype(w(), "Text14", "5/3/2019");
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    EXPECT_EQ(readBytes(files->invoice(5)), invoiceBytes({{5, 65, "E", "Room Rent"}, {5, 7.8f, "T", "Tax"}}));
    EXPECT_EQ(guestAt(t.dataDir, 1).directBillNo, 3);
    EXPECT_NE(folio(1).find("\"R\",\"Direct Bill\",145.6,,1"), std::string::npos);
}

TEST_F(ReservationWindowTest, ARoomAGuestInHouseStillOccupiesIsRefusedUntilAnotherIsChosen) {
    putGuest(t.dataDir, "101", 1, "STILL HERE", may(2));
    writeCounter(t.dataDir, t.dataDir.folioCounter(), 1);  // the counter agrees with the guest file
    openFromArrivals(0);
    const Snapshot before = snapshot(t.folder.path());
    choose(w(), "Combo4", "V - Visa");
    EXPECT_EQ(t.pressed(w(), "Command1"), "ATTENTION!: Room 101 is still occupied by a guest in house. Check that guest "
                                          "out first, or choose another room.\n");
    EXPECT_TRUE(hasFocus(w(), "Combo3"));
    EXPECT_EQ(snapshot(t.folder.path()), before);

    choose(w(), "Combo3", "102     KK1       ");  // another room: "Room#" changes, the rate does not
    EXPECT_EQ(textsOf(w(), {"Label17", "Text16"}), "102|65");
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    EXPECT_EQ(guestAt(t.dataDir, 2).roomNo, "102");
    EXPECT_EQ(guestAt(t.dataDir, 2).rate, 65);
}

// Saved: the particulars, the dates and the room chosen; the booked rate stays.
TEST_F(ReservationWindowTest, SaveStoresTheChangesButNotTheRate) {
    openFromArrivals(0);
    choose(w(), "Combo4", "V - Visa");
    retype(w(), "Text1", "amy wilson-reed");
    retype(w(), "Text14", "5/4/2019");
    choose(w(), "Combo3", "102     KK1       ");
    EXPECT_EQ(t.pressed(w(), "Command4"), "");
    EXPECT_EQ(w(), nullptr);
    const Reservation saved = reservation(2);
    EXPECT_EQ(saved.guestName.str() + "|" + saved.roomNo.str() + "|" + saved.departDate.text(), "AMY WILSON-REED|102|5/4/2019");
    EXPECT_EQ(saved.rate, 59);
    EXPECT_TRUE(saved.open());
}

TEST_F(ReservationWindowTest, CancelAsksFirstThenClosesTheReservationAndRefreshesTheArrivals) {
    openFromArrivals(1);
    EXPECT_EQ(textOf(w(), "Text1"), "BOB JONES");
    const Bytes before = readBytes(t.dataDir.reservations());
    t.dialogs.answers = {false, true};
    const std::string question = "? Check Out: Are you sure you want to cancel this reservation?\n";
    EXPECT_EQ(t.pressed(w(), "Command5"), question);
    EXPECT_EQ(readBytes(t.dataDir.reservations()), before);
    EXPECT_EQ(t.pressed(w(), "Command5"), question + "ATTENTION!: This reservation has been successfully canceled.\n");
    EXPECT_FALSE(reservation(3).open());
    EXPECT_EQ(entries(main, "List1"), QStringList{"101  AMY WILSON"});
    EXPECT_EQ(textOf(main, "Label17"), "1");
    EXPECT_EQ(w(), nullptr);
}

TEST(GuestListWindowTest, ListsTheStaysInHouseInCheckInOrderAndClosesItself) {
    TestDesk t;
    putGuest(t.dataDir, "204", 1, "CHECKED OUT", may(1), 0, 0, "*");
    putGuest(t.dataDir, "101", 2, "SMITH JOHN", may(3));
    putGuest(t.dataDir, "102", 3, "JONES BOB", may(1).plusDays(-1));
    QWidget* list = t.open("Form34");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), "Guest List");
    EXPECT_EQ(textOf(list, "Label1"), "Guest List");
    EXPECT_EQ(list->pos(), QPoint(33, 33));
    EXPECT_EQ(entries(list, "List1"), (QStringList{"101  SMITH JOHN", "102  JONES BOB"}));
    const QFont font = child<QListWidget>(list, "List1")->font();
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.family(), fixedPitchFont(12, true).family());
    EXPECT_EQ(timerOf(list), "20000 ms, running");
    static_cast<GuestListWindow*>(list)->onTimer();
    settle();
    EXPECT_FALSE(t.isOpen("Form34"));

    // An empty guest file gives an empty list; "Exit" closes it.
    std::filesystem::remove(t.dataDir.guests());
    list = t.open("Form34");
    EXPECT_EQ(entries(list, "List1"), QStringList());
    press(list, "Command1");
    EXPECT_FALSE(t.isOpen("Form34"));
}

}  // namespace
