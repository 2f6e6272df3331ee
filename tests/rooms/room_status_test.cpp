#include <QListWidget>

#include "room_files.h"

namespace innvera::testing {
namespace {

class RoomStatusBoard : public ::testing::Test {
protected:
    void SetUp() override {
        rooms = {{"101", "NQ1", "O", "N", "X"},  // occupied, dirty, out of order
                 {"102", "KK1", "O", "N", "K"},  // occupied and dirty
                 {"103", "NQQ1", "Y", "N", "X"}, // vacant, dirty, out of order
                 {"104", "JK1", "Y", "Y", "K"},  // vacant and clean
                 {"105", "Q11", "Y", "N", "K"}}; // vacant and dirty
    }
    QWidget* open() {
        writeRooms(t, rooms);
        window = openWindow(t, "RoomStatusWindow");
        return window;
    }
    QStringList board() {
        QStringList lines;
        auto* list = child<QListWidget>(window, "List1");
        for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
        return lines;
    }
    Bytes fileWith(const std::vector<RoomBytes>& changed) {
        std::vector<Bytes> records;
        for (const RoomBytes& room : changed) records.push_back(room.bytes());
        return joined(records);
    }

    TestDesk t;
    std::vector<RoomBytes> rooms;
    QWidget* window = nullptr;
};

TEST_F(RoomStatusBoard, ShowsOneLinePerRoomWithItsMarksInOrder) {
    open();
    EXPECT_EQ(window->windowTitle(), "Room List");
    EXPECT_EQ(board(), QStringList({"101  NQ1---Dirty---Out of order---Occupied", "102  KK1---Dirty---Occupied",
                                    "103  NQQ1---Dirty---Out of order", "104  JK1", "105  Q11---Dirty"}));
    EXPECT_EQ(child<QListWidget>(window, "List1")->font().family(), "Courier New");
    EXPECT_EQ(child<QPushButton>(window, "Command2")->text(), "Make All Rooms Clean");
    EXPECT_EQ(child<QPushButton>(window, "Command3")->text(), "Make All Rooms Vacant");
    EXPECT_EQ(child<QPushButton>(window, "Command1")->text(), "Exit");
}

TEST_F(RoomStatusBoard, MakeAllCleanLeavesOccupiedRoomsAsTheyAre) {
    open();
    click(window, "Command2");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(readBytes(t.path("rooms")), fileWith({{"101", "NQ1", "O", "N", "X"},
                                                    {"102", "KK1", "O", "N", "K"},
                                                    {"103", "NQQ1", "Y", "Y", "X"},
                                                    {"104", "JK1", "Y", "Y", "K"},
                                                    {"105", "Q11", "Y", "Y", "K"}}));
    EXPECT_EQ(board(), QStringList({"101  NQ1---Dirty---Out of order---Occupied", "102  KK1---Dirty---Occupied",
                                    "103  NQQ1---Out of order", "104  JK1", "105  Q11"}));
}

TEST_F(RoomStatusBoard, MakeAllVacantAsksFirstAndNoWritesNothing) {
    open();
    const Bytes before = readBytes(t.path("rooms"));
    t.dialogs.answers = {false};
    click(window, "Command3");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(t.dialogs.shown[0].question);
    EXPECT_EQ(t.dialogs.shown[0].title, "Vacant");
    EXPECT_EQ(t.dialogs.shown[0].text, "Are you sure you want to make all rooms vacant?");
    EXPECT_EQ(readBytes(t.path("rooms")), before);
    EXPECT_EQ(board().at(0), "101  NQ1---Dirty---Out of order---Occupied");
}

TEST_F(RoomStatusBoard, MakeAllVacantOnYesTouchesOnlyTheVacantFlag) {
    open();
    t.dialogs.answers = {true};
    click(window, "Command3");
    EXPECT_EQ(readBytes(t.path("rooms")), fileWith({{"101", "NQ1", "Y", "N", "X"},
                                                    {"102", "KK1", "Y", "N", "K"},
                                                    {"103", "NQQ1", "Y", "N", "X"},
                                                    {"104", "JK1", "Y", "Y", "K"},
                                                    {"105", "Q11", "Y", "N", "K"}}));
    EXPECT_EQ(board(), QStringList({"101  NQ1---Dirty---Out of order", "102  KK1---Dirty", "103  NQQ1---Dirty---Out of order",
                                    "104  JK1", "105  Q11---Dirty"}));
}

TEST_F(RoomStatusBoard, BulkActionsKeepEveryOtherByteOfTheRecords) {
    rooms = {{"101", "NQ1", "O", "N", "K", 65.0f, "BROKEN LAMP"}, {"102", "KK1", "Y", "N", "K", 80.0f}};
    writeRooms(t, rooms);
    Bytes file = readBytes(t.path("rooms"));
    file[100] = 7;        // reserved bytes of record 1
    file[148 + 140] = 9;  // filler of record 2
    writeBytes(t.path("rooms"), file);
    window = openWindow(t, "RoomStatusWindow");
    click(window, "Command2");
    click(window, "Command3");
    Bytes expected = file;
    expected[148 + 32] = 'Y';  // 102 made clean
    expected[31] = 'Y';        // 101 made vacant
    EXPECT_EQ(readBytes(t.path("rooms")), expected);
}

TEST_F(RoomStatusBoard, AnEmptyRoomFileGivesAnEmptyBoardAndNothingToChange) {
    rooms.clear();
    open();
    EXPECT_TRUE(board().isEmpty());
    click(window, "Command2");
    click(window, "Command3");
    EXPECT_TRUE(board().isEmpty());
    EXPECT_EQ(readBytes(t.path("rooms")).size(), 0u);
}

TEST_F(RoomStatusBoard, ExitClosesTheBoard) {
    open();
    click(window, "Command1");
    settle();
    EXPECT_EQ(t.windows.find("RoomStatusWindow"), nullptr);
}

}  // namespace
}  // namespace innvera::testing
