#include <QListWidget>

#include "app/main_window.h"
#include "platform/qt/handler.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

const std::string kNoTaxRate =
    "ATTENTION!: You can't check anyone in yet because you don't have your tax rate entered. To do that, click on "
    "settings and reports then click on apply tax rate.\n";
const std::string kNoRooms =
    "ATTENTION!: You can't check anyone in yet because you don't have room inventory entered yet. To do that, click "
    "on settings and reports then click on enter room inventory. After that, click on apply room rates to set rates "
    "for your rooms.\n";

class MainWindowTest : public ::testing::Test {
protected:
    // Opens the main window with the welcome window switched off, at that time of day.
    MainWindow* openMain(TimeOfDay now = {10, 0, 0}) {
        writeBytes(t.path("intro"), counterBytes(1));
        t.clock.setTime(now);
        return static_cast<MainWindow*>(t.open("MainWindow"));
    }
    void closeNow(QWidget* window) { window->close(), settle(); }

    TestDesk t;
};

TEST_F(MainWindowTest, ItsButtonsOpenTheirWindowsOverItOnceTheTaxRateAndTheRoomsAreEntered) {
    QWidget* main = openMain();
    // A rate of 0.01 counts as not entered, and is asked for even with rooms entered.
    for (const auto& [tax, rooms, refusal] : {std::tuple{0.01f, true, kNoTaxRate}, {0.09f, false, kNoRooms}}) {
        writeBytes(t.path("tax"), counterBytes(tax));
        writeBytes(t.path("rooms"), rooms ? roomBytes("101", "KING") : Bytes());
        press(main, "Command4");
        press(main, "Command6");
        EXPECT_EQ(t.shownBoxes(), refusal + refusal);
        EXPECT_FALSE(t.isOpen("Form4") || t.isOpen("Form11"));
    }
    writeBytes(t.path("rooms"), roomBytes("101", "KING"));
    for (const auto& [button, window] : {std::pair{"Command4", "Form4"}, {"Command6", "Form11"},
                                         {"Command3", "RoomStatusWindow"}, {"Command9", "Form34"}, {"Command5", "Form6"}}) {
        press(main, button);
        EXPECT_TRUE(t.isOpen(window)) << window;
    }
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_TRUE(main->isVisible()) << "the main window stays open under them";
}

TEST_F(MainWindowTest, ListsAndCountsLeaveClosedStaysAndReservationsOut) {
    putReservation(t.dataDir, "1", "104", "WILSON AMY", may(1), may(3));
    putReservation(t.dataDir, "2", "102", "CLOSED PARTY", may(1), may(3), 59, "*");
    putReservation(t.dataDir, "3", "105", "NEXT WEEK", may(8), may(10));
    putReservation(t.dataDir, "4", "103", "MOORE DAN", may(1), may(3), 59, "OPEN");
    const std::tuple<const char*, const char*, Date, const char*> stays[] = {
        {"101", "SMITH JOHN", may(1), ""},      {"202", "STAYING ON", may(3), ""}, {"203", "OVERSTAYED", may(1).plusDays(-1), ""},
        {"204", "CHECKED OUT", may(1), "*"},    {"205", "ALSO LEAVING", may(1), ""}};
    for (const auto& [room, name, depart, status] : stays) putGuest(t.dataDir, room, 7, name, depart, 0, 0, status);
    Bytes rooms = concat({roomBytes("101", "KING", "OYK"), roomBytes("102", "KING", "YYX"), roomBytes("103", "KING")});
    rooms.resize(rooms.size() + 60, 'Y');  // a trailing partial record is not a room
    writeBytes(t.path("rooms"), rooms);

    QWidget* main = openMain();
    EXPECT_EQ(entries(main, "List1"), QStringList({"104  WILSON AMY", "103  MOORE DAN"}));
    EXPECT_EQ(entries(main, "List2"), QStringList({"101  SMITH JOHN", "205  ALSO LEAVING"}));
    // In house counts the overstayed guest, vacant the out-of-order room.
    EXPECT_EQ(texts(main).filter(QRegularExpression("^Label(17|19|21|23|25|27) ")),
              QStringList({"Label17 2", "Label19 2", "Label21 4", "Label23 1", "Label25 2", "Label27 1"}));
    EXPECT_FALSE(t.isOpen("Form35")) << "the welcome window is switched off";
}

TEST_F(MainWindowTest, ItFollowsEveryChangeAHandlerCommitsAtOnceAndOneMadeOutsideTheProgramAtTheNextTick) {
    writeBytes(t.path("rooms"), roomBytes("101", "KING"));
    QWidget* main = openMain();
    QWidget* guests = t.open("Form34");
    runHandler(t.desk, [&] {
        putReservation(t.dataDir, "1", "101", "WILSON AMY", may(1), may(3));
        putGuest(t.dataDir, "102", 5, "SMITH JOHN", may(1));
    });
    EXPECT_EQ(entries(main, "List1"), QStringList({"101  WILSON AMY"})) << "no tick needed";
    EXPECT_EQ(entries(main, "List2"), QStringList({"102  SMITH JOHN"}));
    EXPECT_EQ(entries(guests, "List1"), QStringList({"102  SMITH JOHN"})) << "an open list follows too";

    // Written by another program: seen at the next tick, not before.
    writeBytes(t.path("reservation"), Bytes());
    EXPECT_EQ(entries(main, "List1"), QStringList({"101  WILSON AMY"}));
    static_cast<MainWindow*>(main)->onTimer();
    EXPECT_EQ(entries(main, "List1"), QStringList());
    EXPECT_EQ(textOf(main, "Label17"), "0");
}

TEST_F(MainWindowTest, TheTimerMovesAnOpenNightBackOnceInTheMorningAndClosingClearsTheFlag) {
    writeBytes(t.path("dateaudit"), counterBytes(1, 40));
    MainWindow* main = openMain({1, 0, 0});
    main->onTimer();
    EXPECT_EQ(textOf(main, "Label3"), "5/1/2019") << "the night is closed";
    EXPECT_FALSE(std::filesystem::exists(t.path("datedone")));

    // The end-of-day run not done: yesterday, marked in the set-back flag, the rest of its block kept.
    writeBytes(t.path("dateaudit"), counterBytes(0, 40));
    writeBytes(t.path("datedone"), RecordBytes(20).single(4, 3.5f).single(8, 7));
    main->onTimer();
    EXPECT_EQ(textOf(main, "Label3"), "4/30/2019");
    EXPECT_EQ(textOf(main, "Label6"), "5/1/2019");
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));
    EXPECT_EQ(readBytes(t.path("datedone")), RecordBytes(20).single(0, 1.0f).single(4, 3.5f).single(8, 7).bytes());
    main->onTimer();
    EXPECT_EQ(textOf(main, "Label3"), "4/30/2019") << "moved back once only";
    closeNow(main);  // which clears the set-back flag
    EXPECT_EQ(readBytes(t.path("datedone")), RecordBytes(20).single(4, 3.5f).single(8, 7).bytes());
}

}  // namespace
}  // namespace innvera::testing
