#include <QComboBox>
#include <QRegularExpression>

#include "core/ui/front_desk_windows.h"

namespace innvera::testing {
namespace {

const std::string kNoTaxRate =
    "ATTENTION!: You can't check anyone in yet because you don't have your tax rate entered. To do that, click on "
    "settings and reports then click on apply tax rate.\n";
const std::string kNoRooms =
    "ATTENTION!: You can't check anyone in yet because you don't have room inventory entered yet. To do that, click "
    "on settings and reports then click on enter room inventory. After that, click on apply room rates to set rates "
    "for your rooms.\n";

class MainWindowTest : public FrontDeskWindows {
protected:
    // Opens the main window with the welcome window switched off, at that time of day.
    MainWindow* openMain(TimeOfDay now = {10, 0, 0}) {
        writeBytes(t.path("intro"), singleFile(1.0f, 10));
        t.clock.setTime(now);
        return static_cast<MainWindow*>(open("MainWindow"));
    }
    QStringList entries(QWidget* window, const char* name) {
        QStringList all;
        for (auto* item : child<QListWidget>(window, name)->findItems("*", Qt::MatchWildcard)) all << item->text();
        return all;
    }
    void doubleClick(QWidget* window, const char* name, int row) {
        auto* list = child<QListWidget>(window, name);
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
};

TEST_F(MainWindowTest, AnEmptyDataDirectoryShowsTheDatesZeroCountsAndTheWelcome) {
    QWidget* main = open("MainWindow");
    ASSERT_NE(main, nullptr);
    QStringList shown = texts(main);
    shown.sort();
    EXPECT_EQ(shown, QStringList({"Label1 Todays Arrivals", "Label16 Arrivals:", "Label17 0", "Label18 Departures:",
                                  "Label19 0", "Label2 Todays Departures", "Label20 In House:", "Label21 0",
                                  "Label22 Stay Overs:", "Label23 0", "Label24 Vacant:", "Label25 0",
                                  "Label26 Out Of Order:", "Label27 0", "Label3 5/1/2019", "Label4 Hotel Date:",
                                  "Label5 System Date:", "Label6 5/1/2019", "Label7 Corvid Lodge Inn"}));
    EXPECT_EQ(entries(main, "List1") + entries(main, "List2"), QStringList());
    EXPECT_TRUE(isOpen("Form35")) << "the welcome window comes up with the main window";
    EXPECT_EQ(timer(main), "500 ms, running");
}

TEST_F(MainWindowTest, ItsButtonsOpenTheirWindowsOverIt) {
    writeBytes(t.path("tax"), singleFile(0.09f, 10));
    writeBytes(t.path("rooms"), roomBytes("101", "Y", "K"));
    QWidget* main = openMain();
    EXPECT_EQ(texts<QPushButton>(main), QStringList({"Command4 Check In", "Command7 Check Out", "Command1 View Folio",
                                                     "Command6 Reservations", "Command3 Room List",
                                                     "Command9 Guest List", "Command5 Settings and Reports",
                                                     "Command2 Exit Innvera"}));
    // With a tax rate and a room, the check-in gate lets "Check In" and "Reservations" through.
    for (const auto& [button, window] : {std::pair{"Command4", "Form4"}, {"Command6", "Form11"},
                                         {"Command3", "RoomStatusWindow"}, {"Command9", "Form34"},
                                         {"Command5", "Form6"}}) {
        click(main, button);
        EXPECT_TRUE(isOpen(window)) << window;
    }
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_TRUE(main->isVisible()) << "the main window stays open under them";
}

TEST_F(MainWindowTest, ListsAndCountsLeaveClosedStaysAndReservationsOutAndADoubleClickOpensTheEntry) {
    writeBytes(t.path("reservation"),
               concat({reservation("104", "WILSON AMY", kMay1), reservation("102", "CLOSED PARTY", kMay1, "*"),
                       reservation("105", "NEXT WEEK", kMay1 + 7), reservation("103", "MOORE DAN", kMay1, "OPEN")}));
    writeBytes(t.path("guest"), concat({stay("101", "SMITH JOHN", kMay1), stay("202", "STAYING ON", kMay1 + 2),
                                        stay("203", "OVERSTAYED", kMay1 - 1), stay("204", "CHECKED OUT", kMay1, "*"),
                                        stay("205", "ALSO LEAVING", kMay1)}));
    Bytes rooms = concat({roomBytes("101", "O", "K"), roomBytes("102", "Y", "X"), roomBytes("103", "Y", "K")});
    rooms.resize(rooms.size() + 60, 'Y');  // a trailing partial record is not a room
    writeBytes(t.path("rooms"), rooms);

    QWidget* main = openMain();
    EXPECT_EQ(entries(main, "List1"), QStringList({"104  WILSON AMY", "103  MOORE DAN"}));
    EXPECT_EQ(entries(main, "List2"), QStringList({"101  SMITH JOHN", "205  ALSO LEAVING"}));
    // In house counts the overstayed guest, vacant the out-of-order room.
    EXPECT_EQ(texts(main).filter(QRegularExpression("^Label(17|19|21|23|25|27) ")),
              QStringList({"Label17 2", "Label19 2", "Label21 4", "Label23 1", "Label25 2", "Label27 1"}));
    EXPECT_FALSE(isOpen("Form35")) << "the welcome window is switched off";

    doubleClick(main, "List2", 1);
    EXPECT_EQ(t.session.folioPreselection, "");  // used by the folio screen, which shows room 205's stay
    ASSERT_TRUE(isOpen("FolioWindow"));
    EXPECT_EQ(child<QComboBox>(t.windows.find("FolioWindow"), "Combo3")->currentText(), "205  ALSO LEAVING");
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, CheckInAndReservationsAskForTheTaxRateFirstThenTheRooms) {
    QWidget* main = openMain();
    // A rate of 0.01 counts as not entered, and is asked for even with rooms entered.
    for (const auto& [tax, rooms, refusal] : {std::tuple{0.01f, true, kNoTaxRate}, {0.09f, false, kNoRooms}}) {
        writeBytes(t.path("tax"), singleFile(tax, 10));
        writeBytes(t.path("rooms"), rooms ? roomBytes("101", "Y", "K") : Bytes());
        click(main, "Command4");
        click(main, "Command6");
        EXPECT_EQ(shownBoxes(), refusal + refusal);
        EXPECT_FALSE(isOpen("Form4") || isOpen("Form11"));
    }
}

TEST_F(MainWindowTest, TheTimerMovesAnOpenNightBackOnceInTheMorningAndOpensTheNextNightOnceInTheAfternoon) {
    writeBytes(t.path("dateaudit"), singleFile(1.0f, 40));
    MainWindow* main = openMain({1, 0, 0});
    main->onTimer();
    EXPECT_EQ(text(main, "Label3"), "5/1/2019") << "the night is closed";
    EXPECT_FALSE(std::filesystem::exists(t.path("datedone")));

    // The end-of-day run not done: yesterday, marked in the set-back flag, the rest of its block kept.
    writeBytes(t.path("dateaudit"), singleFile(0, 40));
    writeBytes(t.path("datedone"), RecordBytes(20).single(4, 3.5f).single(8, 7));
    main->onTimer();
    EXPECT_EQ(text(main, "Label3"), "4/30/2019");
    EXPECT_EQ(text(main, "Label6"), "5/1/2019");
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));
    EXPECT_EQ(readBytes(t.path("datedone")), RecordBytes(20).single(0, 1.0f).single(4, 3.5f).single(8, 7).bytes());
    main->onTimer();
    EXPECT_EQ(text(main, "Label3"), "4/30/2019") << "moved back once only";
    closeNow(main);  // which clears the set-back flag
    EXPECT_EQ(readBytes(t.path("datedone")), RecordBytes(20).single(4, 3.5f).single(8, 7).bytes());

    // In the afternoon the first tick opens the next night, the rest of its block kept, once per run.
    writeBytes(t.path("dateaudit"), RecordBytes(40).single(0, 1.0f).single(12, 9));
    main = openMain({14, 0, 0});
    main->onTimer();
    EXPECT_EQ(readBytes(t.path("dateaudit")), RecordBytes(40).single(0, 0).single(12, 9).bytes());
    writeBytes(t.path("dateaudit"), singleFile(1.0f, 40));  // the night's run sets it again
    main->onTimer();
    closeNow(main);  // nor does the main window reopened in the same run clear it
    openMain({14, 0, 0})->onTimer();
    EXPECT_EQ(readBytes(t.path("dateaudit")), singleFile(1.0f, 40));
}

TEST_F(MainWindowTest, ASetBackFlagThatCannotBeWrittenIsReportedOnceAndTheDateStillShown) {
    std::filesystem::create_directory(t.path("datedone"));  // a folder where the flag file should be
    MainWindow* main = openMain({1, 0, 0});
    main->onTimer();
    main->onTimer();
    EXPECT_EQ(text(main, "Label3"), "4/30/2019");
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
    EXPECT_NE(t.dialogs.shown[0].text.find("datedone"), std::string::npos);
}

TEST_F(MainWindowTest, ClosingClosesEveryWindowButTheWelcomeAndClearsTheSetBackFlag) {
    t.clock.setTime({1, 0, 0});
    auto* main = static_cast<MainWindow*>(open("MainWindow"));
    main->onTimer();
    ASSERT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));
    // "View Folio" and "Check Out" close it for the folio screen, which opens it again when left.
    for (const char* button : {"Command1", "Command7"}) {
        writeBytes(t.path("datedone"), singleFile(1.0f, 20));
        click(main, "Command5");
        ASSERT_TRUE(isOpen("Form6") && isOpen("Form35"));
        click(main, button);
        EXPECT_FALSE(isOpen("MainWindow") || isOpen("Form6")) << button;
        EXPECT_TRUE(isOpen("FolioWindow") && isOpen("Form35"));
        EXPECT_EQ(readBytes(t.path("datedone")), singleFile(0, 20));
        t.session.folioPreselection = "101";  // as the folio screen may leave it
        closeNow(t.windows.find("FolioWindow"));  // which opens the main window again
        main = t.windows.find<MainWindow>();
        ASSERT_NE(main, nullptr);
        main->onTimer();
        EXPECT_EQ(text(main, "Label3"), "5/1/2019") << "back on the system date past midnight";
        EXPECT_EQ(t.session.folioPreselection, "tava");
    }
    writeBytes(t.path("datedone"), singleFile(1.0f, 20));
    click(main, "Command5");
    click(main, "Command2");
    EXPECT_FALSE(isOpen("MainWindow") || isOpen("Form6"));
    EXPECT_EQ(readBytes(t.path("datedone")), singleFile(0, 20));
    EXPECT_EQ(t.programEnded, 0) << "the welcome window is still open";
    closeNow(t.windows.find("Form35"));
    EXPECT_EQ(t.programEnded, 1);
}

}  // namespace
}  // namespace innvera::testing
