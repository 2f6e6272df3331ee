// A newcomer sets the motel up from the welcome window and the Settings menu: tax rate,
// rooms and rates, after which the main window lets guests be checked in.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "room_files.h"

namespace innvera::testing {
namespace {

class MotelSetup : public ::testing::Test {
protected:
    void SetUp() override {
        t.clock.set(Date::fromYmd(2019, 5, 1), TimeOfDay{10, 0, 0});
        main = openWindow(t, "MainWindow");
        settle();  // the welcome window comes up over the main window
    }
    QWidget* opened(const char* name) {
        QWidget* window = t.windows.find(QString::fromLatin1(name));
        EXPECT_NE(window, nullptr) << name << " is not open";
        return window;
    }

    TestDesk t;
    QWidget* main = nullptr;
};

TEST_F(MotelSetup, FromTheWelcomeWindowToTheFirstCheckIn) {
    QWidget* welcome = opened("Form35");
    ASSERT_NE(welcome, nullptr);

    // The gate is closed on a new installation.
    click(main, "Command4");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].text.rfind("You can't check anyone in yet because you don't have your tax rate entered.", 0), 0u);
    t.dialogs.clear();

    click(welcome, "Command1");
    QWidget* tax = opened("Form7");
    ASSERT_NE(tax, nullptr);
    QTest::keyClicks(child<QLineEdit>(tax, "Text1"), ".09");
    click(tax, "Command1");
    settle();

    click(welcome, "Command2");
    QWidget* inventory = opened("RoomInventoryWindow");
    ASSERT_NE(inventory, nullptr);
    QTest::keyClicks(child<QLineEdit>(inventory, "Text1"), "101");
    choose(child<QComboBox>(inventory, "Combo1"), "NQ1");
    click(inventory, "Command1");
    click(inventory, "Command2");

    click(welcome, "Command3");
    QWidget* rates = opened("Form20");
    ASSERT_NE(rates, nullptr);
    choose(child<QComboBox>(rates, "Combo1"), "NQ1       ");
    QTest::keyClicks(child<QLineEdit>(rates, "Text1"), "65");
    click(rates, "Command1");
    EXPECT_NE(t.windows.find("Form35"), nullptr) << "the welcome window stays open";

    EXPECT_EQ(readBytes(t.path("tax")), RecordBytes(10).single(0, 0.09f).bytes());
    EXPECT_EQ(readBytes(t.path("rooms")), RoomBytes("101", "NQ1", "Y", "Y", "K", 65.0f).bytes());

    click(main, "Command4");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_NE(t.windows.find("Form4"), nullptr) << "the check-in screen opens";
}

TEST_F(MotelSetup, TheSettingsMenuOpensTheRoomSetupWindows) {
    click(main, "Command5");
    QWidget* settings = opened("Form6");
    ASSERT_NE(settings, nullptr);
    click(settings, "Command1");
    EXPECT_NE(t.windows.find("Form7"), nullptr);
    click(settings, "Command2");
    EXPECT_NE(t.windows.find("RoomPropertiesWindow"), nullptr);
    click(settings, "Command3");
    EXPECT_NE(t.windows.find("RoomInventoryWindow"), nullptr);
    EXPECT_NE(t.windows.find("Form6"), nullptr) << "Settings stays open for these three";

    click(settings, "Command5");
    settle();
    EXPECT_NE(t.windows.find("Form20"), nullptr);
    EXPECT_EQ(t.windows.find("Form6"), nullptr) << "Settings closes for the rates";
}

TEST_F(MotelSetup, TheMainWindowOpensTheStatusBoardAndShowsTheOutOfOrderCountTheEditorSets) {
    writeRooms(t, {{"101", "NQ1"}, {"102", "KK1", "Y", "Y", "X"}});
    main->close();
    settle();
    main = openWindow(t, "MainWindow");
    settle();
    EXPECT_EQ(labelText(main, "Label27"), "1");

    click(main, "Command3");
    QWidget* board = opened("RoomStatusWindow");
    ASSERT_NE(board, nullptr);

    QWidget* editor = openWindow(t, "RoomPropertiesWindow");
    choose(child<QComboBox>(editor, "Combo1"), "101     NQ1       ");
    click(editor, "Command5");
    choose(child<QComboBox>(editor, "Combo5"), "X");
    click(editor, "Command10");
    EXPECT_EQ(labelText(main, "Label27"), "2");
}

}  // namespace
}  // namespace innvera::testing
