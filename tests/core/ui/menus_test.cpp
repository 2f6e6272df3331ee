#include <QCheckBox>

#include <map>

#include "core/ui/front_desk_windows.h"

namespace innvera::testing {
namespace {

using MenusTest = FrontDeskWindows;

TEST_F(MenusTest, SettingsOffersTheTasksTheProgramHasStaysOpenForSetupAndGatesTheEndOfDay) {
    QWidget* settings = open("Form6");
    EXPECT_EQ(settings->windowTitle(), "Settings");
    EXPECT_EQ(texts<QPushButton>(settings), (QStringList{"Command1 Apply Tax Rate", "Command2 Edit Room Properties",
                                              "Command3 Enter Room Inventory", "Command5 Apply Room Rates",
                                              "Command6 Monthly Financial Report", "Command8 Daily Financial Report",
                                              "Command7 End of Day Reports", "Command9 Find Checked Out Guest",
                                              "Command10 Direct Bill", "Command4 Exit"}));
    for (const char* button : {"Command1", "Command2", "Command3"}) click(settings, button);
    EXPECT_TRUE(isOpen("Form7") && isOpen("RoomPropertiesWindow") && isOpen("RoomInventoryWindow") && isOpen("Form6"));
    // End-of-day reports wait until after midnight.
    t.clock.setTime(TimeOfDay{14, 15, 0});
    click(settings, "Command7");
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You must wait until after midnight to do end of day reports.\n");
    EXPECT_FALSE(isOpen("Form24"));
    t.clock.setTime(TimeOfDay{2, 15, 0});
    click(settings, "Command7");
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_TRUE(isOpen("Form24") && isOpen("Form6"));

    // It closes for the rates and the direct-bill menu, and takes the tax rate window with it.
    click(settings, "Command5");
    EXPECT_TRUE(isOpen("Form20") && isOpen("RoomInventoryWindow"));
    EXPECT_FALSE(isOpen("Form6") || isOpen("Form7"));
    click(open("Form6"), "Command10");
    EXPECT_TRUE(isOpen("Form28") && !isOpen("Form6"));
    click(open("Form6"), "Command6");
    EXPECT_TRUE(isOpen("MonthlyReportWindow") && !isOpen("Form6"));
    click(open("Form6"), "Command8");
    EXPECT_TRUE(isOpen("DailyReportWindow") && !isOpen("Form6"));
    click(open("Form6"), "Command4");
    EXPECT_FALSE(isOpen("Form6"));
}

TEST_F(MenusTest, TimedMenusCloseThemselvesOrByExit) {
    for (const auto& [name, caption, interval, exit] : {std::tuple{"Form24", "Start Reports", 20000, "Command2"},
                                                        {"Form11", "Reservations", 10000, "Command3"},
                                                        {"Form28", "Direct Bill", 30000, "Command3"}}) {
        QWidget* window = open(name);
        EXPECT_EQ(window->windowTitle(), caption);
        const std::map<std::string, QStringList> buttons{
            {"Form24", {"Command1 Start Now", "Command2 Exit"}},
            {"Form11", {"Command1 Add Reservation", "Command2 Retrieve Reservation", "Command3 Exit"}},
            {"Form28", {"Command1 Add Direct Bill", "Command2 Retrieve Direct Bill", "Command3 Exit"}}};
        EXPECT_EQ(texts<QPushButton>(window), buttons.at(name));
        EXPECT_EQ(timer(window), QString("%1 ms, running").arg(interval));
        static_cast<SelfClosingMenu*>(window)->onTimer();
        settle();
        EXPECT_FALSE(isOpen(name));
        click(open(name), exit);
        EXPECT_FALSE(isOpen(name));
    }
    EXPECT_EQ(texts(open("Form24")), QStringList{"To start end of day reports, click the start now button below."});
}

TEST_F(MenusTest, WelcomeShowsItsTextsLeadsToTheSetupTasksAndCanBeSwitchedOff) {
    QWidget* welcome = open("Form35");
    EXPECT_EQ(welcome->windowTitle(), "Welcome");
    EXPECT_EQ(texts(welcome),
              QStringList({"Welcome",
                           "Thank you for downloading and trying Innvera.There are a couple of things you must do before using "
                           "Innvera. Below are some tasks to be done as soon as possible. You can also do these tasks by "
                           "clicking on settings and reports button and then go from there.",
                           "To set your hotels tax rate,", "To enter room inventory,", "To enter room rates,",
                           "NOTE: It is recommended to do your end of day reports between 1 and 5 AM every morning."}));
    EXPECT_EQ(texts<QPushButton>(welcome),
              (QStringList{"Command1 Click Here", "Command2 Click Here", "Command3 Click Here", "Command4 Exit"}));
    for (const char* button : {"Command1", "Command2", "Command3"}) click(welcome, button);
    EXPECT_TRUE(isOpen("Form7") && isOpen("RoomInventoryWindow") && isOpen("Form20") && isOpen("Form35"));
    click(welcome, "Command4");
    EXPECT_FALSE(isOpen("Form35"));

    // "Don't show this window again" writes the option at each click.
    welcome = open("Form35");
    auto* box = child<QCheckBox>(welcome, "Check1");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Don't show this window again");
    EXPECT_FALSE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(readBytes(t.path("intro")), singleFile(1.0f, 10));
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(readBytes(t.path("intro")), singleFile(0.0f, 10));
    QTest::mouseClick(box, Qt::LeftButton);
    closeNow(welcome);
    closeNow(open("MainWindow"));  // ticked: the main window opens without the welcome window
    EXPECT_FALSE(isOpen("Form35"));

    // Cleared again before closing: it shows again, its box clear.
    welcome = open("Form35");
    box = child<QCheckBox>(welcome, "Check1");
    EXPECT_FALSE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);
    closeNow(welcome);
    open("MainWindow");
    EXPECT_TRUE(isOpen("Form35"));
}

}  // namespace
}  // namespace innvera::testing
