#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "core/front_desk_data.h"
#include "core/ui_front_desk_helpers.h"

namespace innvera {
namespace {

using namespace innvera::testing;

class MenusTest : public ::testing::Test {
protected:
    MenusTest() { defineFrontDesk(t); }

    QWidget* open(const char* name) {
        QWidget* window = t.windows.open(name);
        settle();
        return window;
    }
    void click(QWidget* window, const char* button) {
        if (auto* b = child<QPushButton>(window, button)) QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    QStringList buttons(QWidget* window) {
        QStringList all;
        for (auto* b : window->findChildren<QPushButton*>()) all << b->objectName() + " " + b->text();
        return all;
    }
    bool hasText(QWidget* window, const QString& text) {
        for (auto* l : window->findChildren<QLabel*>())
            if (l->text() == text) return true;
        return false;
    }

    TestDesk t;
};

TEST_F(MenusTest, SettingsOffersTheTasksTheProgramHas) {
    QWidget* settings = open("Form6");
    EXPECT_EQ(settings->windowTitle(), "Settings");
    EXPECT_EQ(buttons(settings), (QStringList{"Command7 End of Day Reports", "Command10 Direct Bill", "Command4 Exit"}));
    settings->close();
    settle();

    for (const char* name : {"Form7", "RoomPropertiesWindow", "RoomInventoryWindow", "Form20"}) defineStandIn(t, name);
    settings = open("Form6");
    EXPECT_EQ(buttons(settings), (QStringList{"Command1 Apply Tax Rate", "Command2 Edit Room Properties",
                                              "Command3 Enter Room Inventory", "Command5 Apply Room Rates",
                                              "Command7 End of Day Reports", "Command10 Direct Bill", "Command4 Exit"}));
}

TEST_F(MenusTest, SettingsStaysForSetupAndClosesForRatesAndDirectBill) {
    for (const char* name : {"Form7", "RoomPropertiesWindow", "RoomInventoryWindow", "Form20"}) defineStandIn(t, name);
    QWidget* settings = open("Form6");
    click(settings, "Command1");
    click(settings, "Command2");
    click(settings, "Command3");
    EXPECT_TRUE(isOpen(t, "Form7"));
    EXPECT_TRUE(isOpen(t, "RoomPropertiesWindow"));
    EXPECT_TRUE(isOpen(t, "RoomInventoryWindow"));
    EXPECT_TRUE(isOpen(t, "Form6"));

    click(settings, "Command5");
    EXPECT_TRUE(isOpen(t, "Form20"));
    EXPECT_FALSE(isOpen(t, "Form6"));
    EXPECT_FALSE(isOpen(t, "Form7")) << "the tax rate window goes with Settings";
    EXPECT_TRUE(isOpen(t, "RoomInventoryWindow"));

    settings = open("Form6");
    click(settings, "Command10");
    EXPECT_TRUE(isOpen(t, "Form28"));
    EXPECT_FALSE(isOpen(t, "Form6"));

    settings = open("Form6");
    click(settings, "Command1");
    click(settings, "Command4");
    EXPECT_FALSE(isOpen(t, "Form6"));
    EXPECT_FALSE(isOpen(t, "Form7"));
}

TEST_F(MenusTest, EndOfDayReportsWaitUntilAfterMidnight) {
    QWidget* settings = open("Form6");
    t.clock.setTime(TimeOfDay{14, 15, 0});
    click(settings, "Command7");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
    EXPECT_FALSE(t.dialogs.shown[0].question);
    EXPECT_EQ(t.dialogs.shown[0].text, "You must wait until after midnight to do end of day reports.");
    EXPECT_FALSE(isOpen(t, "Form24"));

    t.dialogs.clear();
    t.clock.setTime(TimeOfDay{2, 15, 0});
    click(settings, "Command7");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_TRUE(isOpen(t, "Form24"));
    EXPECT_TRUE(isOpen(t, "Form6")) << "Settings stays open";
}

struct TimedMenu {
    const char* name;
    const char* caption;
    int interval;
    const char* exitButton;
};

TEST_F(MenusTest, TimedMenusCloseThemselvesOrByExit) {
    for (const TimedMenu& menu : {TimedMenu{"Form24", "Start Reports", 20000, "Command2"},
                                  TimedMenu{"Form11", "Reservations", 10000, "Command3"},
                                  TimedMenu{"Form28", "Direct Bill", 30000, "Command3"}}) {
        SCOPED_TRACE(menu.name);
        QWidget* window = open(menu.name);
        EXPECT_EQ(window->windowTitle(), menu.caption);
        EXPECT_EQ(buttons(window), QStringList{QString::fromLatin1(menu.exitButton) + " Exit"});
        QTimer* timer = window->findChild<QTimer*>("Timer1");
        ASSERT_NE(timer, nullptr);
        EXPECT_EQ(timer->interval(), menu.interval);
        EXPECT_TRUE(timer->isActive());
        static_cast<SelfClosingMenu*>(window)->onTimer();
        settle();
        EXPECT_FALSE(isOpen(t, menu.name));

        window = open(menu.name);
        click(window, menu.exitButton);
        EXPECT_FALSE(isOpen(t, menu.name));
    }
}

TEST_F(MenusTest, StartReportsExplainsItself) {
    QWidget* window = open("Form24");
    EXPECT_TRUE(hasText(window, "To start end of day reports, click the start now button below."));
}

TEST_F(MenusTest, WelcomeShowsItsTextsAndLeadsToTheSetupTasks) {
    QWidget* welcome = open("Form35");
    EXPECT_EQ(welcome->windowTitle(), "Welcome");
    EXPECT_TRUE(hasText(welcome, "Welcome"));
    EXPECT_TRUE(hasText(welcome,
                        "Thank you for downloading and trying Innvera.There are a couple of things you must do before "
                        "using Innvera. Below are some tasks to be done as soon as possible. You can also do these "
                        "tasks by clicking on settings and reports button and then go from there."));
    EXPECT_TRUE(hasText(welcome, "NOTE: It is recommended to do your end of day reports between 1 and 5 AM every morning."));
    for (const char* task : {"To set your hotels tax rate,", "To enter room inventory,", "To enter room rates,"})
        EXPECT_TRUE(hasText(welcome, task)) << task;
    EXPECT_EQ(buttons(welcome), QStringList{"Command4 Exit"}) << "no task window defined yet";
    welcome->close();
    settle();

    for (const char* name : {"Form7", "RoomInventoryWindow", "Form20"}) defineStandIn(t, name);
    welcome = open("Form35");
    EXPECT_EQ(buttons(welcome),
              (QStringList{"Command1 Click Here", "Command2 Click Here", "Command3 Click Here", "Command4 Exit"}));
    click(welcome, "Command1");
    click(welcome, "Command2");
    click(welcome, "Command3");
    EXPECT_TRUE(isOpen(t, "Form7"));
    EXPECT_TRUE(isOpen(t, "RoomInventoryWindow"));
    EXPECT_TRUE(isOpen(t, "Form20"));
    EXPECT_TRUE(isOpen(t, "Form35"));
    click(welcome, "Command4");
    EXPECT_FALSE(isOpen(t, "Form35"));
}

TEST_F(MenusTest, DontShowAgainWritesTheWelcomeOptionAtEachClick) {
    QWidget* welcome = open("Form35");
    auto* box = child<QCheckBox>(welcome, "Check1");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Don't show this window again");
    EXPECT_FALSE(box->isChecked());

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(readBytes(t.path("intro")), Bytes(singleFile(1.0f, 10)));
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(readBytes(t.path("intro")), Bytes(singleFile(0.0f, 10)));
    QTest::mouseClick(box, Qt::LeftButton);
    welcome->close();
    settle();

    // ticked: the next opening of the main window goes without the welcome window
    QWidget* main = open("MainWindow");
    EXPECT_FALSE(isOpen(t, "Form35"));
    main->close();
    settle();

    // cleared again before closing: it shows again, its box clear
    welcome = open("Form35");
    box = child<QCheckBox>(welcome, "Check1");
    EXPECT_FALSE(box->isChecked());
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::mouseClick(box, Qt::LeftButton);
    welcome->close();
    settle();
    open("MainWindow");
    EXPECT_TRUE(isOpen(t, "Form35"));
}

}  // namespace
}  // namespace innvera
