#include <QCheckBox>

#include "app/menus.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

TEST(MenusTest, SettingsOpensTheSetupTasksAndGatesTheEndOfDay) {
    TestDesk t;
    QWidget* settings = t.open("Form6");
    for (const char* button : {"Command1", "Command2", "Command3", "Command11"}) press(settings, button);
    EXPECT_TRUE(t.isOpen("Form7") && t.isOpen("RoomPropertiesWindow") && t.isOpen("RoomInventoryWindow") &&
                t.isOpen("MotelDetails") && t.isOpen("Form6"));
    // End-of-day reports wait until after midnight.
    t.clock.setTime(TimeOfDay{14, 15, 0});
    press(settings, "Command7");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: You must wait until after midnight to do end of day reports.\n");
    EXPECT_FALSE(t.isOpen("Form24"));
    t.clock.setTime(TimeOfDay{2, 15, 0});
    press(settings, "Command7");
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_TRUE(t.isOpen("Form24") && t.isOpen("Form6"));
}

TEST(MenusTest, WelcomeLeadsToTheSetupTasksAndCanBeSwitchedOff) {
    TestDesk t;
    QWidget* welcome = t.open("Form35");
    for (const char* button : {"Command1", "Command2", "Command3", "Command5"}) press(welcome, button);
    EXPECT_TRUE(t.isOpen("Form7") && t.isOpen("RoomInventoryWindow") && t.isOpen("Form20") && t.isOpen("MotelDetails") &&
                t.isOpen("Form35"));
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
}

// A window opened from another comes up in front of every other window, the keyboard in its
// first box: the checked-out guests' search, opened as its window comes up, in front of both.
TEST(MenusTest, AWindowOpenedFromAnotherTakesTheKeyboardInItsFirstBox) {
    TestDesk t;
    switchWelcomeOff(t.dataDir, true);
    QWidget* main = t.open("MainWindow");
    QWidget* settings = t.open("Form6");
    press(settings, "Command1");  // Apply Tax Rate, beside the menu
    settle();
    EXPECT_EQ(titleOf(QApplication::activeWindow()), titleOf(t.find("Form7")));
    EXPECT_TRUE(hasFocus(t.find("Form7"), "Text1"));

    main->activateWindow();
    press(settings, "Command9");  // the menu closes, the found guest's window opens with its search
    settle();
    QWidget* search = t.find("GuestSearchWindow");
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(search));
    EXPECT_EQ(titleOf(QApplication::activeWindow()), "Guest");
    EXPECT_TRUE(hasFocus(search, "Text1"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("smi"));
    EXPECT_EQ(textOf(search, "Text1"), "SMI");
}

}  // namespace
}  // namespace innvera::testing
