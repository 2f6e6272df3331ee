// A newcomer sets the motel up from the welcome window (tax rate, rooms, and the rates window),
// after which the main window lets guests be checked in.
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

TEST(MotelSetup, FromTheWelcomeWindowToTheFirstCheckIn) {
    TestDesk t;
    QWidget* main = t.open("MainWindow");  // the welcome window comes up over it
    const auto opened = [&](const char* name) {
        EXPECT_TRUE(t.isOpen(name)) << name;
        return t.find(name);
    };
    // A new installation: "Room List" shows an empty board with nothing to change.
    press(main, "Command3");
    EXPECT_EQ(t.pressed(opened("RoomStatusWindow"), "Command3"), "? Vacant: Are you sure you want to make all rooms vacant?\n");
    EXPECT_TRUE(entries(opened("RoomStatusWindow"), "List1").isEmpty());
    EXPECT_TRUE(readBytes(t.path("rooms")).empty());
    press(opened("RoomStatusWindow"), "Command1");
    EXPECT_FALSE(t.isOpen("RoomStatusWindow"));

    press(opened("Form35"), "Command1");
    fill(opened("Form7"), "Text1", ".09");
    press(opened("Form7"), "Command1");
    press(opened("Form35"), "Command2");
    fill(opened("RoomInventoryWindow"), "Text1", "101");
    fill(opened("RoomInventoryWindow"), "Combo1", "NQ1");
    press(opened("RoomInventoryWindow"), "Command1");
    press(opened("Form35"), "Command3");
    press(opened("Form20"), "Command2");
    EXPECT_TRUE(t.isOpen("Form35")) << "the welcome window stays open";

    EXPECT_EQ(t.pressed(main, "Command4"), "");
    EXPECT_TRUE(t.isOpen("Form4")) << "the check-in screen opens";
}

}  // namespace
}  // namespace innvera::testing
