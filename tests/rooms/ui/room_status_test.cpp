#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

// The board's rooms with their vacant, clean and status letters, and two bytes no bulk action
// may touch (a reserved byte of record 1, the filler of record 2).
Bytes boardRooms(const char* f101, const char* f102, const char* f103, const char* f104, const char* f105) {
    const Bytes file = concat({roomBytes("101", "NQ1", f101), roomBytes("102", "KK1", f102), roomBytes("103", "NQQ1", f103),
                               roomBytes("104", "JK1", f104), roomBytes("105", "Q11", f105)});
    return patched(patched(file, 100, "\x07"), 148 + 140, "\x09");
}

TEST(RoomStatusBoard, ShowsTheMarksInOrderAndMakesRoomsCleanAndVacant) {
    TestDesk t;
    writeBytes(t.path("rooms"), boardRooms("ONX", "ONK", "YNX", "YYK", "YNK"));
    QWidget* window = t.open("RoomStatusWindow");
    EXPECT_EQ(window->windowTitle(), "Room List");
    EXPECT_EQ(entries(window, "List1"), QStringList({"101  NQ1---Dirty---Out of order---Occupied", "102  KK1---Dirty---Occupied",
                                                   "103  NQQ1---Dirty---Out of order", "104  JK1", "105  Q11---Dirty"}));

    // Clean: occupied rooms keep their dirt, no question asked.
    EXPECT_EQ(t.pressed(window, "Command2"), "");
    const Bytes cleaned = boardRooms("ONX", "ONK", "YYX", "YYK", "YYK");
    EXPECT_EQ(readBytes(t.path("rooms")), cleaned);
    EXPECT_EQ(entries(window, "List1"), QStringList({"101  NQ1---Dirty---Out of order---Occupied", "102  KK1---Dirty---Occupied",
                                                   "103  NQQ1---Out of order", "104  JK1", "105  Q11"}));

    // Vacant: asked first; No writes nothing.
    t.dialogs.answers = {false, true};
    EXPECT_EQ(t.pressed(window, "Command3"), "? Vacant: Are you sure you want to make all rooms vacant?\n");
    EXPECT_EQ(readBytes(t.path("rooms")), cleaned);

    // Yes: only the vacant flag changes.
    press(window, "Command3");
    EXPECT_EQ(readBytes(t.path("rooms")), boardRooms("YNX", "YNK", "YYX", "YYK", "YYK"));
    EXPECT_EQ(entries(window, "List1"), QStringList({"101  NQ1---Dirty---Out of order", "102  KK1---Dirty",
                                                   "103  NQQ1---Out of order", "104  JK1", "105  Q11"}));

    // The housekeeping report of the hotel date, for a spreadsheet.
    t.shownBoxes();
    t.dialogs.saveFiles.push_back(t.path("rooms.csv").string());
    EXPECT_EQ(t.pressed(window, "ExportButton"), "? Save: Export CSV: Housekeeping Report 2019-05-01.csv\n");
    EXPECT_EQ(readText(t.path("rooms.csv")), "Date,Room,C/O S/O,Status,Comment\r\n"
                                             "2019-05-01,101,EMPTY / DIRTY,OOO,\r\n2019-05-01,102,EMPTY / DIRTY,OK,\r\n"
                                             "2019-05-01,103,EMPTY / CLEAN,OOO,\r\n2019-05-01,104,EMPTY / CLEAN,OK,\r\n"
                                             "2019-05-01,105,EMPTY / CLEAN,OK,\r\n");
}

}  // namespace
}  // namespace innvera::testing
