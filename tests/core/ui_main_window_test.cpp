#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "core/front_desk_data.h"
#include "core/ui_front_desk_helpers.h"

namespace innvera {
namespace {

using namespace innvera::testing;

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { defineFrontDesk(t); }

    QWidget* openMain() {
        QWidget* main = t.windows.open("MainWindow");
        settle();
        return main;
    }
    QString text(QWidget* window, const char* label) {
        QLabel* l = child<QLabel>(window, label);
        return l ? l->text() : QString();
    }
    void switchWelcomeOff() { writeBytes(t.path("intro"), singleFile(1.0f, 10)); }
    void click(QWidget* window, const char* button) {
        if (auto* b = child<QPushButton>(window, button)) QTest::mouseClick(b, Qt::LeftButton);
    }

    TestDesk t;
};

TEST_F(MainWindowTest, AnEmptyDataDirectoryShowsTheDatesZeroCountsAndTheWelcome) {
    QWidget* main = openMain();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(text(main, "Label7"), "Corvid Lodge Inn");
    EXPECT_EQ(text(main, "Label4"), "Hotel Date:");
    EXPECT_EQ(text(main, "Label3"), "5/1/2019");
    EXPECT_EQ(text(main, "Label5"), "System Date:");
    EXPECT_EQ(text(main, "Label6"), "5/1/2019");
    EXPECT_EQ(text(main, "Label1"), "Todays Arrivals");
    EXPECT_EQ(text(main, "Label2"), "Todays Departures");
    const char* captions[][2] = {{"Label16", "Arrivals:"},   {"Label18", "Departures:"}, {"Label20", "In House:"},
                                 {"Label22", "Stay Overs:"}, {"Label24", "Vacant:"},     {"Label26", "Out Of Order:"}};
    for (const auto& [name, caption] : captions) EXPECT_EQ(text(main, name), caption);
    for (const char* count : {"Label17", "Label19", "Label21", "Label23", "Label25", "Label27"})
        EXPECT_EQ(text(main, count), "0") << count;
    EXPECT_EQ(child<QListWidget>(main, "List1")->count(), 0);
    EXPECT_EQ(child<QListWidget>(main, "List2")->count(), 0);
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 5, 1));
    EXPECT_TRUE(isOpen(t, "Form35")) << "the welcome window comes up with the main window";

    QTimer* timer = main->findChild<QTimer*>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 500);
    EXPECT_TRUE(timer->isActive());
}

TEST_F(MainWindowTest, ButtonsAppearForTheWindowsTheProgramHas) {
    switchWelcomeOff();
    QWidget* main = openMain();
    const char* buttons[][2] = {{"Command6", "Reservations"}, {"Command5", "Settings and Reports"}, {"Command2", "Exit Innvera"}};
    for (const auto& [name, caption] : buttons) {
        auto* button = child<QPushButton>(main, name);
        if (button) {
            EXPECT_EQ(button->text(), caption);
        }
    }
    for (const char* missing : {"Command4", "Command7", "Command1", "Command3", "Command9"})
        EXPECT_EQ(main->findChild<QPushButton*>(missing), nullptr) << missing;
    main->close();
    settle();

    for (const char* name : {"Form4", "FolioWindow", "RoomStatusWindow", "Form34"}) defineStandIn(t, name);
    main = openMain();
    const char* more[][2] = {{"Command4", "Check In"}, {"Command7", "Check Out"}, {"Command1", "View Folio"},
                             {"Command3", "Room List"}, {"Command9", "Guest List"}};
    for (const auto& [name, caption] : more) {
        auto* button = child<QPushButton>(main, name);
        if (button) {
            EXPECT_EQ(button->text(), caption);
        }
    }
    click(main, "Command3");
    EXPECT_TRUE(isOpen(t, "RoomStatusWindow"));
    click(main, "Command9");
    EXPECT_TRUE(isOpen(t, "Form34"));
    click(main, "Command5");
    EXPECT_TRUE(isOpen(t, "Form6"));
    EXPECT_TRUE(main->isVisible()) << "the main window stays open under them";
}

TEST_F(MainWindowTest, ListsAndCountsLeaveClosedStaysAndReservationsOut) {
    switchWelcomeOff();
    writeBytes(t.path("reservation"), joined({
                                          reservationBytes("104", "WILSON AMY", kMay1st2019),
                                          reservationBytes("102", "CLOSED PARTY", kMay1st2019, "*"),
                                          reservationBytes("105", "NEXT WEEK", kMay1st2019 + 7),
                                      }));
    writeBytes(t.path("guest"), joined({
                                    stayBytes("101", "SMITH JOHN", kMay1st2019),
                                    stayBytes("202", "STAYING ON", kMay1st2019 + 2),
                                    stayBytes("203", "OVERSTAYED", kMay1st2019 - 1),
                                    stayBytes("204", "CHECKED OUT", kMay1st2019, "*"),
                                }));
    writeBytes(t.path("rooms"), joined({roomBytes("101", "O", "K"), roomBytes("102", "Y", "X"), roomBytes("103", "Y", "K")}));

    QWidget* main = openMain();
    EXPECT_EQ(entries(child<QListWidget>(main, "List1")), QStringList{"104  WILSON AMY"});
    EXPECT_EQ(entries(child<QListWidget>(main, "List2")), QStringList{"101  SMITH JOHN"});
    EXPECT_EQ(text(main, "Label17"), "1");  // arrivals
    EXPECT_EQ(text(main, "Label19"), "1");  // departures
    EXPECT_EQ(text(main, "Label21"), "3");  // in house, the overstayed guest included
    EXPECT_EQ(text(main, "Label23"), "1");  // stay overs
    EXPECT_EQ(text(main, "Label25"), "2");  // vacant, the out-of-order room included
    EXPECT_EQ(text(main, "Label27"), "1");  // out of order
    EXPECT_FALSE(isOpen(t, "Form35")) << "the welcome window is switched off";
}

TEST_F(MainWindowTest, CheckInGateAsksForTheTaxRateFirstThenTheRooms) {
    switchWelcomeOff();
    defineStandIn(t, "Form4");
    writeBytes(t.path("rooms"), roomBytes("101", "Y", "K"));
    writeBytes(t.path("tax"), singleFile(0.01f, 10));
    QWidget* main = openMain();

    for (const char* button : {"Command4", "Command6"}) {
        t.dialogs.clear();
        click(main, button);
        ASSERT_EQ(t.dialogs.shown.size(), 1u) << button;
        EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
        EXPECT_FALSE(t.dialogs.shown[0].question);
        EXPECT_EQ(t.dialogs.shown[0].text,
                  "You can't check anyone in yet because you don't have your tax rate entered. To do that, click on "
                  "settings and reports then click on apply tax rate.");
    }
    EXPECT_FALSE(isOpen(t, "Form4"));
    EXPECT_FALSE(isOpen(t, "Form11"));

    writeBytes(t.path("tax"), singleFile(0.09f, 10));
    writeBytes(t.path("rooms"), Bytes());
    for (const char* button : {"Command4", "Command6"}) {
        t.dialogs.clear();
        click(main, button);
        ASSERT_EQ(t.dialogs.shown.size(), 1u) << button;
        EXPECT_EQ(t.dialogs.shown[0].text,
                  "You can't check anyone in yet because you don't have room inventory entered yet. To do that, "
                  "click on settings and reports then click on enter room inventory. After that, click on apply room "
                  "rates to set rates for your rooms.");
    }
    EXPECT_FALSE(isOpen(t, "Form4"));
    EXPECT_FALSE(isOpen(t, "Form11"));

    writeBytes(t.path("rooms"), roomBytes("101", "Y", "K"));
    t.dialogs.clear();
    click(main, "Command4");
    click(main, "Command6");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_TRUE(isOpen(t, "Form4"));
    EXPECT_TRUE(isOpen(t, "Form11"));
}

TEST_F(MainWindowTest, DoubleClickingADepartureOpensItsFolio) {
    switchWelcomeOff();
    defineStandIn(t, "FolioWindow");
    writeBytes(t.path("guest"), joined({stayBytes("205", "FIRST OUT", kMay1st2019), stayBytes("101", "SMITH JOHN", kMay1st2019)}));
    QWidget* main = openMain();
    EXPECT_EQ(t.session.folioPreselection, "tava");

    doubleClick(child<QListWidget>(main, "List2"), 1);
    EXPECT_EQ(t.session.folioPreselection, "101");
    EXPECT_TRUE(isOpen(t, "FolioWindow"));
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, DoubleClickingAnArrivalPicksItsRoom) {
    switchWelcomeOff();
    defineStandIn(t, "Form16");
    writeBytes(t.path("reservation"), reservationBytes("104", "WILSON AMY", kMay1st2019));
    QWidget* main = openMain();
    doubleClick(child<QListWidget>(main, "List1"), 0);
    EXPECT_EQ(t.session.selectedRoom, "104");
    EXPECT_TRUE(isOpen(t, "Form16"));
    EXPECT_TRUE(main->isVisible());
}

TEST_F(MainWindowTest, ClosingClosesEverythingButTheWelcomeAndClearsTheSetBackFlag) {
    writeBytes(t.path("datedone"), singleFile(1.0f, 20));
    QWidget* main = openMain();
    click(main, "Command5");
    writeBytes(t.path("tax"), singleFile(0.09f, 10));
    writeBytes(t.path("rooms"), roomBytes("101", "Y", "K"));
    click(main, "Command6");
    ASSERT_TRUE(isOpen(t, "Form6"));
    ASSERT_TRUE(isOpen(t, "Form11"));
    ASSERT_TRUE(isOpen(t, "Form35"));

    click(main, "Command2");
    settle();
    EXPECT_FALSE(isOpen(t, "MainWindow"));
    EXPECT_FALSE(isOpen(t, "Form6"));
    EXPECT_FALSE(isOpen(t, "Form11"));
    EXPECT_TRUE(isOpen(t, "Form35"));
    EXPECT_EQ(singleIn(t.path("datedone")), 0.0f);
    EXPECT_EQ(t.programEnded, 0) << "the welcome window is still open";

    t.windows.find("Form35")->close();
    settle();
    EXPECT_EQ(t.programEnded, 1);
}

TEST_F(MainWindowTest, AtOneInTheMorningTheOpenNightMovesTheDateBack) {
    switchWelcomeOff();
    t.clock.setTime(TimeOfDay{1, 0, 0});
    QWidget* main = openMain();
    EXPECT_EQ(text(main, "Label3"), "5/1/2019");
    static_cast<MainWindow*>(main)->onTimer();
    EXPECT_EQ(text(main, "Label3"), "4/30/2019");
    EXPECT_EQ(text(main, "Label6"), "5/1/2019");
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));
    EXPECT_EQ(singleIn(t.path("datedone")), 1.0f);

    static_cast<MainWindow*>(main)->onTimer();
    EXPECT_EQ(text(main, "Label3"), "4/30/2019") << "moved back once only";

    main->close();
    settle();
    EXPECT_EQ(singleIn(t.path("datedone")), 0.0f);
}

TEST_F(MainWindowTest, AtOneInTheMorningAClosedNightKeepsTheSystemDate) {
    switchWelcomeOff();
    writeBytes(t.path("dateaudit"), singleFile(1.0f, 40));
    t.clock.setTime(TimeOfDay{1, 0, 0});
    QWidget* main = openMain();
    static_cast<MainWindow*>(main)->onTimer();
    EXPECT_EQ(text(main, "Label3"), "5/1/2019");
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 5, 1));
}

TEST_F(MainWindowTest, InTheAfternoonTheFirstTickReopensTheNightOncePerRun) {
    switchWelcomeOff();
    writeBytes(t.path("dateaudit"), singleFile(1.0f, 40));
    t.clock.setTime(TimeOfDay{14, 0, 0});
    auto* main = static_cast<MainWindow*>(openMain());
    main->onTimer();
    EXPECT_EQ(singleIn(t.path("dateaudit")), 0.0f);
    EXPECT_EQ(text(main, "Label3"), "5/1/2019");

    writeBytes(t.path("dateaudit"), singleFile(1.0f, 40));
    main->onTimer();
    EXPECT_EQ(singleIn(t.path("dateaudit")), 1.0f);

    // reopened later in the same run, the main window leaves the flag alone
    main->close();
    settle();
    main = static_cast<MainWindow*>(openMain());
    main->onTimer();
    EXPECT_EQ(singleIn(t.path("dateaudit")), 1.0f);
}

TEST_F(MainWindowTest, ComingBackFromTheFolioPastMidnightShowsTheSystemDate) {
    switchWelcomeOff();
    defineStandIn(t, "FolioWindow");
    t.clock.setTime(TimeOfDay{1, 0, 0});
    auto* main = static_cast<MainWindow*>(openMain());
    main->onTimer();
    ASSERT_EQ(t.session.hotelDate, Date::fromYmd(2019, 4, 30));

    click(main, "Command1");  // "View Folio" leaves the main window for the folio screen
    settle();
    EXPECT_FALSE(isOpen(t, "MainWindow"));
    EXPECT_TRUE(isOpen(t, "FolioWindow"));
    EXPECT_EQ(singleIn(t.path("datedone")), 0.0f);
    EXPECT_EQ(t.programEnded, 0);

    // the folio screen, when left, opens the main window again
    t.windows.find("FolioWindow")->close();
    main = static_cast<MainWindow*>(t.windows.open("MainWindow"));
    settle();
    main->onTimer();
    EXPECT_EQ(text(main, "Label3"), "5/1/2019");
    EXPECT_EQ(t.session.hotelDate, Date::fromYmd(2019, 5, 1));
    EXPECT_EQ(t.session.folioPreselection, "tava");
}

TEST_F(MainWindowTest, CheckOutAlsoLeavesForTheFolioScreen) {
    switchWelcomeOff();
    defineStandIn(t, "FolioWindow");
    QWidget* main = openMain();
    click(main, "Command5");
    click(main, "Command7");
    settle();
    EXPECT_FALSE(isOpen(t, "MainWindow"));
    EXPECT_FALSE(isOpen(t, "Form6"));
    EXPECT_TRUE(isOpen(t, "FolioWindow"));
    EXPECT_EQ(t.programEnded, 0);
}

}  // namespace
}  // namespace innvera
