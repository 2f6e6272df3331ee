#include "support/motel_files.h"
#include "support/ui/test_desk.h"
#include "rooms/inventory.h"

namespace innvera::testing {
namespace {

TEST(RoomInventory, ChecksEachEntryInOrderAndAppendsTheNewRoom) {
    TestDesk t;
    t.session.hotelDate = Date::fromYmd(2019, 5, 1);
    QWidget* window = t.open("RoomInventoryWindow");
    // Types a room number, chooses (or types) a type unless none is given, presses "Enter Now" and
    // gives the message boxes shown.
    const auto enter = [&](const QString& number, const char* type) {
        fill(window, "Text1", number);
        if (type) fill(window, "Combo1", type);
        press(window, "Command1");
        return t.shownBoxes();
    };
    const auto expectFormEmptied = [&] {
        EXPECT_EQ(textsOf(window, {"Text1", "Combo1"}), "|Choose Room Type");
        EXPECT_TRUE(hasFocus(window, "Text1"));
    };

    EXPECT_EQ(enter("", nullptr), "ATTENTION!: You didn't enter a room number.\n");
    EXPECT_TRUE(hasFocus(window, "Text1"));
    EXPECT_EQ(enter("101", nullptr), "ATTENTION!: You didn't enter a room type.\n");
    EXPECT_TRUE(hasFocus(window, "Combo1"));
    EXPECT_EQ(textOf(window, "Text1"), "101") << "the typed number stays";
    EXPECT_EQ(readBytes(t.path("rooms")).size(), 0u);

    EXPECT_EQ(enter("101", "NQ1"), "");
    EXPECT_EQ(readBytes(t.path("rooms")), RecordBytes(148)  // vacant, clean, in service, rate 0, dated the hotel date
                                  .text(0, "101  NQ1       ", 15).date(15, kMay1).date(23, kMay1).text(31, "YYK", 3).bytes());
    EXPECT_EQ(entries(window, "List1"), QStringList({"101     NQ1       "}));
    expectFormEmptied();
    EXPECT_EQ(enter("101", "KK1"), "ATTENTION!: You already entered this room number.\n");
    EXPECT_EQ(readBytes(t.path("rooms")), roomBytes("101", "NQ1"));
    expectFormEmptied();

    // A number no stay could book (a leading blank) is refused.
    EXPECT_EQ(enter(" 102", "NQ1"), std::string("ATTENTION!: ") + kRoomNoNotBookable + "\n");
    press(window, "Command2");
    EXPECT_FALSE(t.isOpen("RoomInventoryWindow"));

    // Reopened on another day: the rooms on file are listed and a new one goes after them, their bytes kept.
    Bytes file = roomBytes("101", "NQ1");
    file[60] = 'Z';
    writeBytes(t.path("rooms"), file);
    t.session.hotelDate = Date::fromYmd(2019, 5, 2);
    window = t.open("RoomInventoryWindow");
    EXPECT_EQ(enter("102", "NQQ1"), "");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({file, roomBytes("102", "NQQ1", "YYK", 0, "", kMay1 + 1)}));
    EXPECT_EQ(entries(window, "List1"), QStringList({"101     NQ1       ", "102     NQQ1      "}));
}

}  // namespace
}  // namespace innvera::testing
