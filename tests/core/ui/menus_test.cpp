#include <QCheckBox>

#include "core/ui/menus.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

TEST(MenusTest, SettingsOffersTheTasksTheProgramHasStaysOpenForSetupAndGatesTheEndOfDay) {
    TestDesk t;
    QWidget* settings = t.open("Form6");
    EXPECT_EQ(settings->windowTitle(), "Settings");
    EXPECT_EQ(texts<QPushButton>(settings), (QStringList{"Command1 Apply Tax Rate", "Command2 Edit Room Properties",
                                              "Command3 Enter Room Inventory", "Command5 Apply Room Rates",
                                              "Command6 Monthly Financial Report", "Command8 Daily Financial Report",
                                              "Command7 End of Day Reports", "Command9 Find Checked Out Guest",
                                              "Command10 Direct Bill", "Command4 Exit"}));
    for (const char* button : {"Command1", "Command2", "Command3"}) press(settings, button);
    EXPECT_TRUE(t.isOpen("Form7") && t.isOpen("RoomPropertiesWindow") && t.isOpen("RoomInventoryWindow") && t.isOpen("Form6"));
    // End-of-day reports wait until after midnight.
    t.clock.setTime(TimeOfDay{14, 15, 0});
    press(settings, "Command7");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: You must wait until after midnight to do end of day reports.\n");
    EXPECT_FALSE(t.isOpen("Form24"));
    t.clock.setTime(TimeOfDay{2, 15, 0});
    press(settings, "Command7");
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_TRUE(t.isOpen("Form24") && t.isOpen("Form6"));

    // It closes for the rates and the direct-bill menu, and takes the tax rate window with it.
    press(settings, "Command5");
    EXPECT_TRUE(t.isOpen("Form20") && t.isOpen("RoomInventoryWindow"));
    EXPECT_FALSE(t.isOpen("Form6") || t.isOpen("Form7"));
    for (const auto& [button, window] : {std::pair{"Command10", "Form28"}, {"Command6", "MonthlyReportWindow"},
                                         {"Command8", "DailyReportWindow"}, {"Command4", ""}}) {
        press(t.open("Form6"), button);
        EXPECT_TRUE(!*window || t.isOpen(window)) << window;
        EXPECT_FALSE(t.isOpen("Form6")) << button;
    }
}

TEST(MenusTest, TimedMenusCloseThemselvesOrByExit) {
    TestDesk t;
    const std::tuple<const char*, const char*, const char*, QStringList> menus[] = {
        {"Form24", "Start Reports", "20000 ms, running", {"Command1 Start Now", "Command2 Exit"}},
        {"Form11", "Reservations", "10000 ms, running",
         {"Command1 Add Reservation", "Command2 Retrieve Reservation", "Command3 Exit"}},
        {"Form28", "Direct Bill", "30000 ms, running",
         {"Command1 Add Direct Bill", "Command2 Retrieve Direct Bill", "Command3 Exit"}}};
    for (const auto& [name, caption, timer, buttons] : menus) {
        QWidget* window = t.open(name);
        EXPECT_EQ(window->windowTitle(), caption);
        EXPECT_EQ(texts<QPushButton>(window), buttons);
        EXPECT_EQ(timerOf(window), timer);
        static_cast<SelfClosingMenu*>(window)->onTimer();
        settle();
        EXPECT_FALSE(t.isOpen(name));
        press(t.open(name), qPrintable(buttons.back().section(' ', 0, 0)));  // "Exit"
        EXPECT_FALSE(t.isOpen(name));
    }
    EXPECT_EQ(texts(t.open("Form24")), QStringList{"To start end of day reports, click the start now button below."});
}

TEST(MenusTest, WelcomeShowsItsTextsLeadsToTheSetupTasksAndCanBeSwitchedOff) {
    TestDesk t;
    QWidget* welcome = t.open("Form35");
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
    for (const char* button : {"Command1", "Command2", "Command3"}) press(welcome, button);
    EXPECT_TRUE(t.isOpen("Form7") && t.isOpen("RoomInventoryWindow") && t.isOpen("Form20") && t.isOpen("Form35"));
    press(welcome, "Command4");
    EXPECT_FALSE(t.isOpen("Form35"));

    // "Don't show this window again" writes the option at each click.
    const auto clickBox = [&](QWidget* window) { QTest::mouseClick(child<QCheckBox>(window, "Check1"), Qt::LeftButton); };
    welcome = t.open("Form35");
    EXPECT_EQ(textOf(welcome, "Check1"), "Don't show this window again");
    EXPECT_FALSE(child<QCheckBox>(welcome, "Check1")->isChecked());
    clickBox(welcome);
    EXPECT_EQ(readBytes(t.path("intro")), counterBytes(1));
    clickBox(welcome);
    EXPECT_EQ(readBytes(t.path("intro")), counterBytes(0));
    clickBox(welcome);
    const auto closeNow = [](QWidget* window) { window->close(), settle(); };
    closeNow(welcome);
    closeNow(t.open("MainWindow"));  // ticked: the main window opens without the welcome window
    EXPECT_FALSE(t.isOpen("Form35"));

    // Cleared again before closing: it shows again, its box clear.
    welcome = t.open("Form35");
    EXPECT_FALSE(child<QCheckBox>(welcome, "Check1")->isChecked());
    clickBox(welcome);
    clickBox(welcome);
    closeNow(welcome);
    t.open("MainWindow");
    EXPECT_TRUE(t.isOpen("Form35"));
}

}  // namespace
}  // namespace innvera::testing
