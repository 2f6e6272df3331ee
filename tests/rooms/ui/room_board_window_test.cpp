// "Room Board": every room against fourteen nights, reached from the main window and Settings.
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>
#include <QTableWidget>

#include "app/main_window.h"
#include "core/stay_rules.h"
#include "rooms/ui/room_board_window.h"
#include "core/counters.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

// Three rooms: 101 let to ANNA GUEST (folio 1) until 3 May, 102 reserved for BEN BOOKED (#7)
// from 2 to 4 May and for CLARA CLASH (#8) from 3 to 5 May, overbooking the 3rd; 103 free.
class RoomBoardWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        switchWelcomeOff(t.dataDir, true);
        writeTaxRate(t.dataDir, 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65, "O", "N");
        addRoom(t.dataDir, "102", "KK1", 80);
        addRoom(t.dataDir, "103", "NK1", 74);
        putGuest(t.dataDir, "101", 1, "ANNA GUEST", may(3));
        putReservation(t.dataDir, "7", "102", "BEN BOOKED", may(2), may(4));
        putReservation(t.dataDir, "8", "102", "CLARA CLASH", may(3), may(5));
        t.dataDir.commit();
        main = t.open("MainWindow");
    }

    QWidget* openBoard() {
        press(main, "BoardButton");
        return t.find("RoomBoard");
    }
    QTableView* grid() { return child<QTableView>(t.find("RoomBoard"), "BoardView"); }
    QString cell(int row, int column) { return grid()->model()->index(row, column).data().toString(); }
    QString nights(int row, int count = 5) {
        QStringList all;
        for (int column = 0; column < count; ++column) all << cell(row, column);
        return all.join('|');
    }
    // Enter on a night, as the clerk presses it with the night chosen.
    void enterOn(int row, int column) {
        grid()->setCurrentIndex(grid()->model()->index(row, column));
        QTest::keyClick(grid(), Qt::Key_Return);
        settle();
    }

    TestDesk t;
    QWidget* main = nullptr;
};

TEST_F(RoomBoardWindowTest, ShowsEachRoomAgainstTheNightsFromTheHotelDateWithTheirCounts) {
    QWidget* board = openBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->windowTitle(), "Room Board");
    EXPECT_LE(board->width(), 1340);
    EXPECT_LE(board->height(), 700) << "fits a 1366x768 screen";
    ASSERT_EQ(grid()->model()->rowCount(), 3);
    ASSERT_EQ(grid()->model()->columnCount(), 14);
    EXPECT_EQ(grid()->model()->headerData(0, Qt::Vertical).toString(), "101  NQ1  Dirty  Occupied");
    EXPECT_EQ(grid()->model()->headerData(0, Qt::Horizontal).toString(), "Wed 5/1");
    EXPECT_EQ(grid()->model()->headerData(13, Qt::Horizontal).toString(), "Tue 5/14");
    EXPECT_EQ(nights(0), "ANNA GUEST|ANNA GUEST|||");
    EXPECT_EQ(nights(1), "|BEN BOOKED #7|BEN BOOKED #7 / CLARA CLASH #8|CLARA CLASH #8|");
    EXPECT_EQ(nights(2), "||||");
    // A stay is one bar across its nights; the overbooked night stands alone.
    EXPECT_EQ(grid()->columnSpan(0, 0), 2);
    EXPECT_EQ(grid()->columnSpan(1, 2), 1);
    EXPECT_EQ(grid()->model()->index(1, 2).data(Qt::BackgroundRole).value<QColor>().name(), "#ff8c6b");

    auto* counts = child<QTableWidget>(board, "BoardCounts");
    const auto column = [&](int n) {
        return counts->item(0, n)->text() + " " + counts->item(1, n)->text() + " " + counts->item(2, n)->text();
    };
    EXPECT_EQ(column(0), "1 2 33%");
    EXPECT_EQ(column(1), "2 1 67%");
    EXPECT_EQ(column(4), "0 3 0%");
    EXPECT_EQ(counts->columnWidth(5), grid()->columnWidth(5)) << "each count stands under its night";
    EXPECT_EQ(entries(board, "Unplaced"), QStringList());
    EXPECT_EQ(t.shownBoxes(), "");

    // From Settings as well; the menu gives way to it.
    board->close();
    settle();
    press(main, "Command5");
    press(t.find("Form6"), "BoardButton");
    EXPECT_TRUE(t.isOpen("RoomBoard"));
    EXPECT_FALSE(t.isOpen("Form6"));
}

TEST_F(RoomBoardWindowTest, EnterOnAStayOrAReservationOpensItsWindowOnIt) {
    openBoard();
    enterOn(0, 1);
    QWidget* folio = t.find("FolioWindow");
    ASSERT_NE(folio, nullptr);
    EXPECT_EQ(textsOf(folio, {"Combo3", "Label24", "Text1"}), "101  ANNA GUEST|1|ANNA GUEST");

    enterOn(1, 1);
    QWidget* reservation = t.find("Form16");
    ASSERT_NE(reservation, nullptr);
    EXPECT_EQ(textsOf(reservation, {"Text1", "Label22", "Text13"}), "BEN BOOKED|7         |5/2/2019");

    // The overbooked night: the clerk chooses which of its two to open.
    enterOn(1, 2);
    auto* choice = t.find("RoomBoard")->findChild<QMenu*>("BookingChoice");
    ASSERT_NE(choice, nullptr);
    ASSERT_EQ(choice->actions().size(), 2);
    EXPECT_EQ(choice->actions()[0]->text(), "Reserved: BEN BOOKED #7, 5/2/2019 to 5/4/2019");
    choice->actions()[1]->trigger();
    settle();
    EXPECT_EQ(textsOf(t.find("Form16"), {"Text1", "Label22"}), "CLARA CLASH|8         ");
    EXPECT_EQ(t.shownBoxes(), "");
}

TEST_F(RoomBoardWindowTest, EnterOnAFreeNightTakesAReservationForTheRoomFromThatNightAndTheBoardShowsIt) {
    // A reservation of 103 whose departure is not after its arrival holds no night, but the room
    // check of "Add Reservation" still finds it arriving on the 5th.
    putReservation(t.dataDir, "9", "103", "NO NIGHTS", may(5), may(5));
    writeCounter(t.dataDir, t.dataDir.confirmationCounter(), 41);
    t.dataDir.commit();
    QWidget* board = openBoard();
    EXPECT_EQ(entries(board, "Unplaced"),
              QStringList{"Reserved  103  NO NIGHTS #9  5/5/2019 to 5/5/2019  (the departure is not after the arrival)"});
    enterOn(2, 4);
    QWidget* add = t.find("AddReservationWindow");
    ASSERT_NE(add, nullptr);
    EXPECT_EQ(t.shownBoxes(), attention(kOverbooking));
    EXPECT_EQ(textsOf(add, {"Text13", "Text14", "Text15", "Combo3", "Text16", "Label18", "Text17", "Text18"}),
              "5/5/2019|5/6/2019|1|103  NK1|74|8.88|82.88|82.88");
    EXPECT_TRUE(child<QWidget>(add, "Combo3")->isEnabled());

    typeGuest(add, "john smith");
    choose(add, "Combo4", "C - Cash");
    EXPECT_EQ(t.pressed(add, "Command2"),
              "? Overbooking: Room 103 is reserved for NO NIGHTS (confirmation 9) from 5/5/2019 to 5/5/2019.\n"
              "Take this reservation anyway?\n");
    EXPECT_FALSE(t.isOpen("AddReservationWindow"));
    EXPECT_EQ(nights(2, 6), "||||JOHN SMITH #42|");

    // A night gone by takes no reservation.
    QTest::keyClick(grid(), Qt::Key_PageUp);
    enterOn(2, 0);
    EXPECT_EQ(t.shownBoxes(), attention("That night has gone by. Choose a night from the hotel date on."));
    EXPECT_FALSE(t.isOpen("AddReservationWindow"));
}

TEST_F(RoomBoardWindowTest, FollowsACheckOutAndTheHotelDateWithoutBeingReopened) {
    QWidget* board = openBoard();
    enterOn(0, 0);
    QWidget* folio = t.find("FolioWindow");
    t.dialogs.answers = {true};
    press(folio, "Command1");  // "Check Out"
    EXPECT_EQ(nights(0), "||||");
    EXPECT_EQ(grid()->model()->headerData(0, Qt::Vertical).toString(), "101  NQ1  Dirty");

    // After midnight, the night not yet closed: the hotel date goes back a day, and the board with it.
    t.clock.set(may(1), {1, 0, 0});
    writeFlag<EndOfDayFlagRecord>(t.dataDir, t.dataDir.endOfDayFlag(), 0);
    t.dataDir.commit();
    static_cast<MainWindow*>(main)->onTimer();
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));
    EXPECT_EQ(textOf(board, "BoardDate"), "4/30/2019");
    EXPECT_EQ(grid()->model()->headerData(0, Qt::Horizontal).toString(), "Tue 4/30");
}

TEST_F(RoomBoardWindowTest, FollowsAChangeMadeOutsideTheProgramAtTheMainWindowsNextTick) {
    openBoard();
    ASSERT_EQ(nights(0), "ANNA GUEST|ANNA GUEST|||");
    // Another program (a restored backup, a copy put back by hand) empties the guest file.
    writeBytes(t.path("guest"), Bytes());
    EXPECT_EQ(nights(0), "ANNA GUEST|ANNA GUEST|||") << "not seen before the tick";
    static_cast<MainWindow*>(main)->onTimer();
    EXPECT_EQ(nights(0), "||||");
}

TEST_F(RoomBoardWindowTest, PagesByAWeekAndJumpsToADateFromTheKeyboard) {
    QWidget* board = openBoard();
    EXPECT_TRUE(grid()->hasFocus());
    QTest::keyClick(grid(), Qt::Key_Down);
    QTest::keyClick(grid(), Qt::Key_Right);
    EXPECT_EQ(grid()->currentIndex().row(), 1);
    EXPECT_EQ(grid()->currentIndex().column(), 1);
    QTest::keyClick(grid(), Qt::Key_PageDown);
    EXPECT_EQ(textOf(board, "BoardDate"), "5/8/2019");
    EXPECT_EQ(grid()->currentIndex().row(), 1) << "the chosen row and column stay";
    QTest::keyClick(grid(), Qt::Key_PageUp);
    QTest::keyClick(grid(), Qt::Key_PageUp);
    EXPECT_EQ(textOf(board, "BoardDate"), "4/24/2019");
    press(board, "HotelDate");
    EXPECT_EQ(textOf(board, "BoardDate"), "5/1/2019");

    auto* box = child<QLineEdit>(board, "BoardDate");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F4);
    auto* calendar = qobject_cast<DateCalendar*>(t.find("BoardCalendar"));
    ASSERT_NE(calendar, nullptr);
    pickDay(calendar, may(20));
    EXPECT_EQ(grid()->model()->headerData(0, Qt::Horizontal).toString(), "Mon 5/20");

    retype(board, "BoardDate", "6/1/2019");
    EXPECT_EQ(grid()->model()->headerData(0, Qt::Horizontal).toString(), "Sat 6/1");
    retype(board, "BoardDate", "6/31/2019");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(t.shownBoxes(), attention("The date is not a date. Enter it as month/day/year, for example 12/25/2024."));
    retype(board, "BoardDate", "1/1/2100");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(t.shownBoxes(), attention(kDateOutOfRange));
    EXPECT_EQ(textOf(board, "BoardDate"), "6/1/2019");

    QTest::keyClick(grid(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(t.isOpen("RoomBoard"));
}

}  // namespace
}  // namespace innvera::testing
