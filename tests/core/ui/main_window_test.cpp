#include <QListWidget>

#include "core/ui/main_window.h"
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

TEST_F(MainWindowTest, AnEmptyDataDirectoryShowsTheDatesZeroCountsAndTheWelcome) {
    QWidget* main = t.open("MainWindow");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(sorted(texts(main)), QStringList({"Label1 Todays Arrivals", "Label16 Arrivals:", "Label17 0", "Label18 Departures:",
                                  "Label19 0", "Label2 Todays Departures", "Label20 In House:", "Label21 0",
                                  "Label22 Stay Overs:", "Label23 0", "Label24 Vacant:", "Label25 0",
                                  "Label26 Out Of Order:", "Label27 0", "Label3 5/1/2019", "Label4 Hotel Date:",
                                  "Label5 System Date:", "Label6 5/1/2019", "Label7 Corvid Lodge Inn"}));
    EXPECT_EQ(entries(main, "List1") + entries(main, "List2"), QStringList());
    EXPECT_TRUE(t.isOpen("Form35")) << "the welcome window comes up with the main window";
    EXPECT_EQ(timerOf(main), "500 ms, running");
}

TEST_F(MainWindowTest, ItsButtonsOpenTheirWindowsOverItOnceTheTaxRateAndTheRoomsAreEntered) {
    QWidget* main = openMain();
    EXPECT_EQ(texts<QPushButton>(main), QStringList({"Command4 Check In", "Command7 Check Out", "Command1 View Folio",
                                                     "Command6 Reservations", "Command3 Room List",
                                                     "Command9 Guest List", "Command5 Settings and Reports",
                                                     "Command2 Exit Innvera"}));
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

TEST_F(MainWindowTest, TheTimerMovesAnOpenNightBackOnceInTheMorningAndOpensTheNextNightOnceInTheAfternoon) {
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

    // In the afternoon the first tick opens the next night, the rest of its block kept, once per run.
    writeBytes(t.path("dateaudit"), RecordBytes(40).single(0, 1.0f).single(12, 9));
    main = openMain({14, 0, 0});
    main->onTimer();
    EXPECT_EQ(readBytes(t.path("dateaudit")), RecordBytes(40).single(0, 0).single(12, 9).bytes());
    writeBytes(t.path("dateaudit"), counterBytes(1, 40));  // the night's run sets it again
    main->onTimer();
    closeNow(main);  // nor does the main window reopened in the same run clear it
    openMain({14, 0, 0})->onTimer();
    EXPECT_EQ(readBytes(t.path("dateaudit")), counterBytes(1, 40));
}

TEST_F(MainWindowTest, ASetBackFlagThatCannotBeWrittenIsReportedOnceAndTheDateStillShown) {
    std::filesystem::create_directory(t.path("datedone"));  // a folder where the flag file should be
    MainWindow* main = openMain({1, 0, 0});
    main->onTimer();
    main->onTimer();
    EXPECT_EQ(textOf(main, "Label3"), "4/30/2019");
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
    EXPECT_NE(t.dialogs.shown[0].text.find("datedone"), std::string::npos);
}

TEST_F(MainWindowTest, ClosingClosesEveryWindowButTheWelcomeAndClearsTheSetBackFlag) {
    t.clock.setTime({1, 0, 0});
    auto* main = static_cast<MainWindow*>(t.open("MainWindow"));
    main->onTimer();
    ASSERT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));
    // "View Folio" and "Check Out" close it for the folio screen, which opens it again when left.
    for (const char* button : {"Command1", "Command7"}) {
        writeBytes(t.path("datedone"), counterBytes(1, 20));
        press(main, "Command5");
        ASSERT_TRUE(t.isOpen("Form6") && t.isOpen("Form35"));
        press(main, button);
        EXPECT_FALSE(t.isOpen("MainWindow") || t.isOpen("Form6")) << button;
        EXPECT_TRUE(t.isOpen("FolioWindow") && t.isOpen("Form35"));
        EXPECT_EQ(readBytes(t.path("datedone")), counterBytes(0, 20));
        t.session.folioPreselection = "101";  // as the folio screen may leave it
        closeNow(t.find("FolioWindow"));      // which opens the main window again
        main = t.windows.find<MainWindow>();
        ASSERT_NE(main, nullptr);
        main->onTimer();
        EXPECT_EQ(textOf(main, "Label3"), "5/1/2019") << "back on the system date past midnight";
        EXPECT_EQ(t.session.folioPreselection, "tava");
    }
    writeBytes(t.path("datedone"), counterBytes(1, 20));
    press(main, "Command5");
    press(main, "Command2");
    EXPECT_FALSE(t.isOpen("MainWindow") || t.isOpen("Form6"));
    EXPECT_EQ(readBytes(t.path("datedone")), counterBytes(0, 20));
    EXPECT_EQ(t.programEnded, 0) << "the welcome window is still open";
    closeNow(t.find("Form35"));
    EXPECT_EQ(t.programEnded, 1);
}

}  // namespace
}  // namespace innvera::testing
