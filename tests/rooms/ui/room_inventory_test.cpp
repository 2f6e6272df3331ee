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
    EXPECT_EQ(window->windowTitle(), "Enter Room Inventory");
    EXPECT_EQ(entries(window, "Combo1"), QStringList({"NQ1", "NQQ1", "Q11", "QQ1", "PNQ1", "PQ1", "NK1", "KK1", "JNK1", "JK1"}));
    EXPECT_EQ(textOf(window, "Combo1"), "Choose Room Type");
    EXPECT_EQ(sorted(texts<QLabel>(window)), QStringList({"JK1 = Smoking Suite", "JNK1 = Non Smoking Suite", "KK1 = Smoking King",
                                                  "NK1 = Non Smoking King", "NQ1 = Non Smoking Single",
                                                  "NQQ1 = Non Smoking Double", "PNQ1 = Non Smoking Handicap",
                                                  "PQ1 = Smoking Handicap", "Q11 = Smoking Single", "QQ1 = Smoking Double",
                                                  "Room #", "Rooms Entered"}));
    EXPECT_EQ(sorted(texts<QPushButton>(window)), QStringList({"Command1 Enter Now", "Command2 Exit"}));
    EXPECT_TRUE(entries(window, "List1").isEmpty());

    EXPECT_EQ(enter("", nullptr), "ATTENTION!: You didn't enter a room number.\n");
    EXPECT_TRUE(hasFocus(window, "Text1"));
    EXPECT_EQ(enter("101", nullptr), "ATTENTION!: You didn't enter a room type.\n");
    EXPECT_TRUE(hasFocus(window, "Combo1"));
    EXPECT_EQ(textOf(window, "Text1"), "101") << "the typed number stays";
    EXPECT_EQ(enter("   ", "NQ1"), "ATTENTION!: You didn't enter a room number.\n") << "blanks only";
    EXPECT_EQ(enter("102", ""), "ATTENTION!: You didn't enter a room type.\n") << "an emptied type list";
    EXPECT_EQ(readBytes(t.path("rooms")).size(), 0u);

    EXPECT_EQ(enter("101", "NQ1"), "");
    EXPECT_EQ(readBytes(t.path("rooms")), RecordBytes(148)  // vacant, clean, in service, rate 0, dated the hotel date
                                  .text(0, "101  NQ1       ", 15).date(15, kMay1).date(23, kMay1).text(31, "YYK", 3).bytes());
    EXPECT_EQ(entries(window, "List1"), QStringList({"101     NQ1       "}));
    expectFormEmptied();
    EXPECT_EQ(enter("101", "KK1"), "ATTENTION!: You already entered this room number.\n");
    EXPECT_EQ(readBytes(t.path("rooms")), roomBytes("101", "NQ1"));
    expectFormEmptied();

    // A number no stay could book (a leading blank) is refused, and trailing blanks are no part
    // of a number.
    EXPECT_EQ(enter(" 102", "NQ1"), std::string("ATTENTION!: ") + kRoomNoNotBookable + "\n");
    EXPECT_EQ(enter("101 ", "KK1"), "ATTENTION!: You already entered this room number.\n");
    // Another case makes another number; a type typed by hand is stored as typed, cut to ten,
    // never completed to a code.
    for (const auto& [number, type] : {std::pair{"A12", "Q11"}, {"a12", "Q11"}, {"12", "KK1"}, {"12 ", "KK1"},
                                       {"201", "PENTHOUSE SUITE"}, {"202", "NQ"}})
        EXPECT_EQ(enter(number, type), number == std::string("12 ") ? "ATTENTION!: You already entered this room number.\n" : "")
            << number;
    Bytes file = concat({roomBytes("101", "NQ1"), roomBytes("A12", "Q11"), roomBytes("a12", "Q11"), roomBytes("12", "KK1"),
                         roomBytes("201", "PENTHOUSE "), roomBytes("202", "NQ")});
    EXPECT_EQ(readBytes(t.path("rooms")), file);
    EXPECT_EQ(entries(window, "List1").mid(1, 3), QStringList({"A12     Q11       ", "a12     Q11       ", "12      KK1       "}));
    press(window, "Command2");
    EXPECT_FALSE(t.isOpen("RoomInventoryWindow"));

    // Reopened on another day: the rooms on file are listed and a new one goes after them, their bytes kept.
    file[60] = 'Z';
    writeBytes(t.path("rooms"), file);
    t.session.hotelDate = Date::fromYmd(2019, 5, 2);
    window = t.open("RoomInventoryWindow");
    EXPECT_EQ(enter("102", "NQQ1"), "");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({file, roomBytes("102", "NQQ1", "YYK", 0, "", kMay1 + 1)}));
    EXPECT_EQ(entries(window, "List1").mid(4), QStringList({"201     PENTHOUSE ", "202     NQ        ", "102     NQQ1      "}));
}

}  // namespace
}  // namespace innvera::testing
