// A newcomer sets the motel up from the welcome window (tax rate, rooms, and the rates window),
// after which the main window lets guests be checked in.
#include "room_files.h"

namespace innvera::testing {
namespace {

TEST(MotelSetup, FromTheWelcomeWindowToTheFirstCheckInAndOnToTheOtherSetupWindows) {
    TestDesk t;
    QWidget* main = openWindow(t, "MainWindow");
    settle();  // the welcome window comes up over the main window
    const auto opened = [&](const char* name) {
        EXPECT_TRUE(isOpen(t, name)) << name;
        return t.windows.find(QString::fromLatin1(name));
    };
    // A new installation: the gate is closed; "Room List" shows an empty board with nothing to change.
    click(main, "Command4");
    EXPECT_EQ(shownBoxes(t).rfind("ATTENTION!: You can't check anyone in yet because you don't have your tax rate", 0), 0u);
    click(main, "Command3");
    click(opened("RoomStatusWindow"), "Command3");
    EXPECT_EQ(shownBoxes(t), "? Vacant: Are you sure you want to make all rooms vacant?\n");
    EXPECT_TRUE(entries(opened("RoomStatusWindow"), "List1").isEmpty());
    EXPECT_TRUE(storedRooms(t).empty());
    click(opened("RoomStatusWindow"), "Command1");
    settle();
    EXPECT_FALSE(isOpen(t, "RoomStatusWindow"));

    click(opened("Form35"), "Command1");
    fill(opened("Form7"), "Text1", ".09");
    click(opened("Form7"), "Command1");
    click(opened("Form35"), "Command2");
    fill(opened("RoomInventoryWindow"), "Text1", "101");
    fill(opened("RoomInventoryWindow"), "Combo1", "NQ1");
    click(opened("RoomInventoryWindow"), "Command1");
    click(opened("Form35"), "Command3");
    click(opened("Form20"), "Command2");
    settle();
    EXPECT_TRUE(isOpen(t, "Form35")) << "the welcome window stays open";

    click(main, "Command4");
    EXPECT_EQ(shownBoxes(t), "");
    EXPECT_TRUE(isOpen(t, "Form4")) << "the check-in screen opens";

    // Settings opens the room properties and, closing itself, the rates.
    click(main, "Command5");
    click(opened("Form6"), "Command2");
    EXPECT_TRUE(isOpen(t, "RoomPropertiesWindow"));
    click(opened("Form6"), "Command5");
    settle();
    EXPECT_TRUE(isOpen(t, "Form20"));
    EXPECT_FALSE(isOpen(t, "Form6"));
}

}  // namespace
}  // namespace innvera::testing
