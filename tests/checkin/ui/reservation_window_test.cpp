// The "Reservation" window and the guest list, driven through their controls.
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include "checkin/reservation_screen.h"
#include "checkin/ui/guest_list_window.h"
#include "checkin/ui/reservation_window.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "core/ui/main_window.h"
#include "folio/ledger.h"
#include "folio/invoices.h"
#include "platform/qt/controls.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const Date kHotelDate = may(1);

class ReservationWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.session.hotelDate = kHotelDate;
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);
        setTaxRate(t.dataDir, 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65);  // the rate has gone up since the booking at 59
        addRoom(t.dataDir, "102", "KK1", 80);
        addAccount(t.dataDir, "ACME", 3);
        putReservation(t.dataDir, "8", "101", "NEXT WEEK", kHotelDate.plusDays(7), kHotelDate.plusDays(8));
        putReservation(t.dataDir, "7", "101", "AMY WILSON", kHotelDate, kHotelDate.plusDays(2));
        putReservation(t.dataDir, "9", "102", "BOB JONES", kHotelDate, kHotelDate.plusDays(1));
    }

    // Opens the main window and double-clicks the arrival in row `row`.
    QWidget* openFromArrivals(int row) {
        main = t.windows.open<MainWindow>();
        settle();
        auto* list = child<QListWidget>(main, "List1");
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        settle();
        return window();
    }
    QWidget* openByConfirmation(const char* confirmNo) {
        t.session.selectedConfirmation = confirmNo;
        ReservationWindow::showChosen(t.desk);
        return window();
    }
    QWidget* window() { return t.windows.find("Form16"); }
    QString textOf(const char* name) {
        QWidget* w = window()->findChild<QWidget*>(name);
        if (auto* box = qobject_cast<QLineEdit*>(w)) return box->text();
        if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
        if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
        ADD_FAILURE() << "no " << name;
        return {};
    }
    QLineEdit* box(const char* name) { return child<QLineEdit>(window(), name); }
    void type(const char* name, const QString& text) { QTest::keyClicks(box(name), text); }
    void retype(const char* name, const QString& text) { box(name)->clear(), type(name, text); }
    void choose(const char* list, const QString& entry) { chooseEntry(child<QComboBox>(window(), list), entry); }
    void press(const char* button) { child<QPushButton>(window(), button)->click(), settle(); }
    std::string shownBoxes() {
        std::string all;
        for (const auto& shown : t.dialogs.shown) all += (shown.question ? "? " : "") + shown.title + ": " + shown.text + "\n";
        t.dialogs.clear();
        return all;
    }

    TestDesk t;
    MainWindow* main = nullptr;
};

TEST_F(ReservationWindowTest, FromTheArrivalsItShowsTheRoomsReservationOfTodayAtTheRoomsRate) {
    QWidget* w = openFromArrivals(0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "Reservation");
    EXPECT_EQ(textOf("Label29"), "Reservation");
    EXPECT_EQ(textOf("Text1"), "AMY WILSON");
    EXPECT_EQ(textOf("Text5"), "62701          ");  // as stored
    EXPECT_EQ(textOf("Text11"), "2");
    EXPECT_EQ(textOf("Combo1"), "March     ");
    EXPECT_EQ(textOf("Text13"), "5/1/2019");
    EXPECT_EQ(textOf("Text14"), "5/3/2019");
    EXPECT_EQ(textOf("Text15"), "2");
    EXPECT_EQ(textOf("Label17"), "101  ");
    EXPECT_EQ(textOf("Label22"), "7         ");
    EXPECT_EQ(textOf("Text16"), "65");
    EXPECT_EQ(textOf("Label20"), "7.8");
    EXPECT_EQ(textOf("Text17"), "72.8");
    EXPECT_EQ(textOf("Text18"), "145.6");
    EXPECT_EQ(textOf("Combo3"), "Select Room ");
    EXPECT_EQ(textOf("Combo4"), "Select Paycode");
    EXPECT_TRUE(child<QComboBox>(w, "Combo6")->isEnabled());
    EXPECT_FALSE(box("Text19")->isEnabled());
    EXPECT_EQ(t.session.selectedRoom, "");
    EXPECT_TRUE(main->isVisible());

    // The rate typed, the extra charge added, the cash and the change.
    retype("Text16", "100");
    EXPECT_EQ(textOf("Label20"), "12");
    EXPECT_EQ(textOf("Text18"), "224");
    choose("Combo4", "C - Cash");
    EXPECT_EQ(textOf("Text19"), "224");
    type("Text22", "10");
    press("Command3");
    EXPECT_EQ(textOf("Text18"), "234");
    EXPECT_EQ(textOf("Text19"), "234");
    type("Text20", "250");
    EXPECT_EQ(textOf("Text21"), "16");
}

TEST_F(ReservationWindowTest, CheckInWritesTheStayAtTheRoomsRateAndTheReservationIsNeverFoundAgain) {
    openFromArrivals(0);
    choose("Combo4", "C - Cash");
    t.clock.setTime({14, 5, 0});
    press("Command1");
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(window(), nullptr);

    const Guest guest = guestAt(t.dataDir, 1);
    EXPECT_EQ(guest.guestName, "AMY WILSON");
    EXPECT_EQ(guest.roomNo, "101");
    EXPECT_EQ(guest.rate, 65);
    EXPECT_EQ(guest.arrivalTime, "2:05:00 PM");
    EXPECT_EQ(guest.departDate, kHotelDate.plusDays(2));
    EXPECT_EQ(guest.payType, "C");
    EXPECT_EQ(roomFlags(t.dataDir, 1), "ON");
    EXPECT_EQ(readText(t.dataDir.folioCharges(folioKey(1))),
              folioText("101  ", "E", "Room Rent", "65", "1") + folioText("101  ", "T", "Tax", "7.79999982565641", "1") +
                  folioText("101  ", "L", "Total", "72.7999998256564", "1") +
                  folioText("101  ", "C", "Cash Received", "145.6", "1"));
    const Bytes reservations = readBytes(t.dataDir.reservations());
    EXPECT_EQ(Bytes(reservations.begin() + 538 + 400, reservations.begin() + 538 + 420), textBytes("*", 20));
    EXPECT_EQ(itemsOf(child<QListWidget>(main, "List1")), QStringList{"102  BOB JONES"});
    EXPECT_EQ(child<QLabel>(main, "Label17")->text(), "1");

    // Opened again by its number it shows empty boxes, and refuses to act on them.
    openByConfirmation("7");
    EXPECT_EQ(textOf("Text1"), "");
    EXPECT_EQ(textOf("Label22"), "");
    const Bytes guests = readBytes(t.dataDir.guests());
    choose("Combo4", "C - Cash");
    for (const char* button : {"Command1", "Command4", "Command5"}) {
        press(button);
        EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kNoReservationShown + "\n") << button;
        EXPECT_NE(window(), nullptr);
    }
    EXPECT_EQ(readBytes(t.dataDir.guests()), guests);
    EXPECT_EQ(readBytes(t.dataDir.reservations()), reservations);
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.folioCounter()), 1);
}

TEST_F(ReservationWindowTest, ADirectBillCheckInOpensTheAccountsInvoiceAtTheRoomsRate) {
    const auto files = InvoiceFiles::of(t.dataDir, "ACME");
    writeCounter(t.dataDir, files->counter(), 4);
    openFromArrivals(0);
    press("Command1");
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You didn't select a payment type.\n");
    choose("Combo4", "R - Direct Bill");
    press("Command1");
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You didn't select a direct bill account.\n");
    EXPECT_EQ(window()->focusWidget(), child<QComboBox>(window(), "Combo6"));
    EXPECT_EQ(t.dataDir.size(t.dataDir.guests()), 0u);

    choose("Combo6", "ACME");
    press("Command1");
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(readBytes(files->invoice(5)), invoiceBytes({{5, 65, "E", "Room Rent"}, {5, 7.8f, "T", "Tax"}}));
    EXPECT_EQ(guestAt(t.dataDir, 1).directBillNo, 3);
    EXPECT_NE(readText(t.dataDir.folioCharges(folioKey(1))).find("\"R\",\"Direct Bill\",145.6,,1"), std::string::npos);
}

TEST_F(ReservationWindowTest, ARoomAGuestInHouseStillOccupiesIsRefusedUntilAnotherIsChosen) {
    putGuest(t.dataDir, "101", 1, "STILL HERE", kHotelDate.plusDays(1));
    writeCounter(t.dataDir, t.dataDir.folioCounter(), 1);  // the counter agrees with the guest file
    const Bytes guests = readBytes(t.dataDir.guests());
    openFromArrivals(0);
    choose("Combo4", "V - Visa");
    press("Command1");
    EXPECT_EQ(shownBoxes(), "ATTENTION!: Room 101 is still occupied by a guest in house. Check that guest out "
                            "first, or choose another room.\n");
    EXPECT_EQ(readBytes(t.dataDir.guests()), guests);
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.folioCounter()), 1);

    // Another room: "Room#" changes, the rate does not.
    choose("Combo3", "102     KK1       ");
    EXPECT_EQ(textOf("Label17"), "102");
    EXPECT_EQ(textOf("Text16"), "65");
    press("Command1");
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(guestAt(t.dataDir, 2).roomNo, "102");
    EXPECT_EQ(guestAt(t.dataDir, 2).rate, 65);
}

TEST_F(ReservationWindowTest, DatesAndRatesThatCannotBeStoredAreRefusedAndSaveStoresTheChanges) {
    openFromArrivals(0);
    choose("Combo4", "V - Visa");
    retype("Text14", "5/40/2019");
    press("Command1");
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kDepartNotADate + "\n");
    EXPECT_EQ(window()->focusWidget(), box("Text14"));
    press("Command4");
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kDepartNotADate + "\n");
    retype("Text14", "5/1/2019");
    press("Command4");
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kDepartNotAfterArrival + "\n");
    retype("Text14", "5/3/2019");
    retype("Text16", "abc");
    press("Command1");
    EXPECT_EQ(shownBoxes(), std::string("ATTENTION!: ") + kStayRateNotANumber + "\n");
    EXPECT_EQ(t.dataDir.size(t.dataDir.guests()), 0u);
    EXPECT_EQ(RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).read(2).departDate, kHotelDate.plusDays(2));

    // Saved: the particulars, the dates and the room chosen; the booked rate stays.
    retype("Text1", "amy wilson-reed");
    retype("Text14", "5/4/2019");
    choose("Combo3", "102     KK1       ");
    press("Command4");
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(window(), nullptr);
    const Reservation saved = RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).read(2);
    EXPECT_EQ(saved.guestName, "AMY WILSON-REED");
    EXPECT_EQ(saved.departDate, kHotelDate.plusDays(3));
    EXPECT_EQ(saved.roomNo, "102");
    EXPECT_EQ(saved.rate, 59);
    EXPECT_TRUE(saved.open());
}

TEST_F(ReservationWindowTest, CancelAsksFirstThenClosesTheReservationAndRefreshesTheArrivals) {
    openFromArrivals(1);
    EXPECT_EQ(textOf("Text1"), "BOB JONES");
    const Bytes before = readBytes(t.dataDir.reservations());
    t.dialogs.answers = {false, true};
    press("Command5");
    EXPECT_EQ(shownBoxes(), "? Check Out: Are you sure you want to cancel this reservation?\n");
    EXPECT_EQ(readBytes(t.dataDir.reservations()), before);
    EXPECT_NE(window(), nullptr);

    press("Command5");
    EXPECT_EQ(shownBoxes(), "? Check Out: Are you sure you want to cancel this reservation?\n"
                            "ATTENTION!: This reservation has been successfully canceled.\n");
    EXPECT_FALSE(RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).read(3).open());
    EXPECT_EQ(itemsOf(child<QListWidget>(main, "List1")), QStringList{"101  AMY WILSON"});
    EXPECT_EQ(child<QLabel>(main, "Label17")->text(), "1");
    EXPECT_EQ(window(), nullptr);
}

TEST_F(ReservationWindowTest, TheCalendarsFillTheDatesAndTheDaysOrCloseAfterTenSeconds) {
    openByConfirmation("7");
    QTest::mouseClick(box("Text13"), Qt::LeftButton);
    auto* arrival = qobject_cast<DateCalendar*>(t.windows.find("Form17"));
    ASSERT_NE(arrival, nullptr);
    EXPECT_EQ(arrival->windowTitle(), "Arrival Date");
    EXPECT_EQ(child<QCalendarWidget>(arrival, "Calendar1")->selectedDate(), QDate(2019, 5, 1));
    EXPECT_EQ(arrival->findChild<QTimer*>("Timer1")->interval(), 10000);
    arrival->timerFired();
    settle();
    EXPECT_EQ(t.windows.find("Form17"), nullptr);
    EXPECT_EQ(textOf("Text13"), "5/1/2019");

    QTest::mouseClick(box("Text14"), Qt::LeftButton);
    auto* depart = qobject_cast<DateCalendar*>(t.windows.find("Form18"));
    ASSERT_NE(depart, nullptr);
    EXPECT_EQ(depart->windowTitle(), "Depart Date");
    EXPECT_EQ(child<QCalendarWidget>(depart, "Calendar1")->selectedDate(), QDate(2019, 5, 2));
    depart->dayClicked(QDate(2019, 5, 4));
    settle();
    EXPECT_EQ(textOf("Text14"), "5/4/2019");
    EXPECT_EQ(textOf("Text15"), "3");  // the days and the stay's total follow the dates shown
    EXPECT_EQ(textOf("Text18"), "218.4");
}

TEST(GuestListWindowTest, ListsTheStaysInHouseInCheckInOrderAndClosesItself) {
    TestDesk t;
    putGuest(t.dataDir, "204", 1, "CHECKED OUT", kHotelDate, 0, 0, "*");
    putGuest(t.dataDir, "101", 2, "SMITH JOHN", kHotelDate.plusDays(2));
    putGuest(t.dataDir, "102", 3, "JONES BOB", kHotelDate.plusDays(-1));
    QWidget* list = t.open("Form34");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), "Guest List");
    EXPECT_EQ(child<QLabel>(list, "Label1")->text(), "Guest List");
    EXPECT_EQ(list->pos(), QPoint(33, 33));
    auto* guests = child<QListWidget>(list, "List1");
    EXPECT_EQ(itemsOf(guests), (QStringList{"101  SMITH JOHN", "102  JONES BOB"}));
    EXPECT_EQ(guests->font().pointSize(), 12);
    EXPECT_TRUE(guests->font().bold());
    EXPECT_EQ(guests->font().family(), fixedPitchFont(12, true).family());
    auto* timer = list->findChild<QTimer*>("Timer1");
    EXPECT_EQ(timer->interval(), 20000);
    EXPECT_TRUE(timer->isActive());
    static_cast<GuestListWindow*>(list)->onTimer();
    settle();
    EXPECT_EQ(t.windows.find("Form34"), nullptr);

    // An empty guest file gives an empty list; "Exit" closes it.
    std::filesystem::remove(t.dataDir.guests());
    list = t.open("Form34");
    EXPECT_EQ(child<QListWidget>(list, "List1")->count(), 0);
    click(child<QPushButton>(list, "Command1"));
    settle();
    EXPECT_EQ(t.windows.find("Form34"), nullptr);
}

}  // namespace
