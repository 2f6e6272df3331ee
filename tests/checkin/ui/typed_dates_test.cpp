// A departure date typed in full counts as one picked on the calendar, in the three windows that
// work out a stay's days and figures; a date half typed changes nothing, and an extra charge
// already added to the stay's total stays in it.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "checkin/ui/check_in_window.h"
#include "checkin/ui/reservation_window.h"
#include "core/forms.h"
#include "reservations/ui/add_reservation_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const Date kHotelDate = Date::fromYmd(2019, 5, 1);

class TypedDates : public ::testing::Test {
protected:
    void SetUp() override {
        t.session.hotelDate = kHotelDate;
        writeCounter(t.dataDir, t.dataDir.taxRate(), 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65);
        addRoom(t.dataDir, "102", "NQ1", 65);
        putReservation(t.dataDir, "7", "102", "AMY WILSON", kHotelDate, kHotelDate.plusDays(2));
    }

    // Empties the box and types `text` into it key by key.
    static void retype(QWidget* window, const char* name, const QString& text) {
        QLineEdit* box = child<QLineEdit>(window, name);
        box->clear();
        QTest::keyClicks(box, text);
    }
    static QString textOf(QWidget* window, const char* name) { return child<QLineEdit>(window, name)->text(); }
    static QStringList figures(QWidget* window, std::initializer_list<const char*> boxes) {
        QStringList shown;
        for (const char* name : boxes) shown << textOf(window, name);
        return shown;
    }

    TestDesk t;
};

TEST_F(TypedDates, CheckInChargesEveryNightOfATypedDeparture) {
    auto* window = t.windows.open<CheckInWindow>();
    chooseEntry(child<QComboBox>(window, "Combo3"), "101  NQ1");
    retype(window, "Text14", "5/5/201");
    EXPECT_EQ(figures(window, {"Text15", "Text17"}), QStringList({"1", "72.8"})) << "half typed";
    QTest::keyClicks(child<QLineEdit>(window, "Text14"), "9");
    EXPECT_EQ(figures(window, {"Text15", "Text17"}), QStringList({"4", "291.2"}));
    EXPECT_EQ(t.session.pickedDepartureDate, Date::fromYmd(2019, 5, 5));
    // An extra charge added with "Enter" stays in the stay's total when the nights change.
    QTest::keyClicks(child<QLineEdit>(window, "Text21"), "10");
    click(child<QPushButton>(window, "Command3"));
    retype(window, "Text14", "5/3/2019");
    EXPECT_EQ(figures(window, {"Text15", "Text17"}), QStringList({"2", "155.6"}));
    retype(window, "Text14", "5/5/2019");

    // The same as a pick on the calendar.
    window->close();
    auto* picked = t.windows.open<CheckInWindow>();
    chooseEntry(child<QComboBox>(picked, "Combo3"), "101  NQ1");
    picked->takeDepartureDate(Date::fromYmd(2019, 5, 5));
    EXPECT_EQ(figures(picked, {"Text15", "Text17"}), QStringList({"4", "291.2"}));
}

TEST_F(TypedDates, TheReservationScreenFollowsATypedDeparture) {
    t.session.selectedConfirmation = "7";
    ReservationWindow::showChosen(t.desk);
    QWidget* window = t.windows.find(ReservationWindow::kName);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(figures(window, {"Text15", "Text18"}), QStringList({"2", "145.6"}));
    retype(window, "Text14", "5/5");
    EXPECT_EQ(figures(window, {"Text15", "Text18"}), QStringList({"2", "145.6"})) << "half typed";
    QTest::keyClicks(child<QLineEdit>(window, "Text14"), "/2019");
    EXPECT_EQ(figures(window, {"Text15", "Text18"}), QStringList({"4", "291.2"}));
}

TEST_F(TypedDates, TheReservationScreenKeepsAnAddedExtraAndAStoredStateWhole) {
    RecordFile<Reservation> reservations(t.dataDir, t.dataDir.reservations());
    Reservation r = reservations.read(1);
    r.state = "ONTARIO";
    reservations.write(1, r);
    t.dataDir.commit();
    t.session.selectedConfirmation = "7";
    ReservationWindow::showChosen(t.desk);
    QWidget* window = t.windows.find(ReservationWindow::kName);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(textOf(window, "Text4"), "ONTARIO");

    QTest::keyClicks(child<QLineEdit>(window, "Text22"), "10");
    click(child<QPushButton>(window, "Command3"));
    EXPECT_EQ(textOf(window, "Text18"), "155.6");
    retype(window, "Text14", "5/5/2019");
    EXPECT_EQ(figures(window, {"Text15", "Text18"}), QStringList({"4", "301.2"}));

    click(child<QPushButton>(window, "Command4"));
    settle();
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(trimRight(reservations.read(1).state.str()), "ONTARIO");
}

TEST_F(TypedDates, AddReservationCountsTypedDatesAndOpensTheRoomList) {
    QWidget* window = t.windows.open<AddReservationWindow>();
    auto* rooms = child<QComboBox>(window, "Combo3");
    retype(window, "Text13", "5/3/2019");
    retype(window, "Text14", "5/7/201");
    EXPECT_EQ(textOf(window, "Text15"), "");
    EXPECT_FALSE(rooms->isEnabled());
    QTest::keyClicks(child<QLineEdit>(window, "Text14"), "9");
    EXPECT_EQ(textOf(window, "Text15"), "4");
    EXPECT_TRUE(rooms->isEnabled());
    chooseEntry(rooms, "101  NQ1");
    EXPECT_EQ(figures(window, {"Text17", "Text18"}), QStringList({"72.8", "291.2"}));
    // The arrival typed again moves the days with it.
    retype(window, "Text13", "5/5/2019");
    EXPECT_EQ(figures(window, {"Text15", "Text18"}), QStringList({"2", "145.6"}));
    EXPECT_EQ(t.session.pickedArrivalDate, Date::fromYmd(2019, 5, 5));
}

}  // namespace
