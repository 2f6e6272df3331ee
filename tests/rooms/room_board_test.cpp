// The room board: which room is taken on which night, built from the stays in house, the open
// reservations and the room file.
#include <gtest/gtest.h>

#include "rooms/room_board.h"
#include "support/motel_files.h"

namespace innvera::testing {
namespace {

using State = BoardNight::State;

// What a room's fourteen nights show, joined by "|".
std::string nightsOf(const BoardRoom& room) {
    std::string all;
    for (std::size_t n = 0; n < room.nights.size(); ++n) all += (n == 0 ? "" : "|") + room.nights[n].text;
    return all;
}

// Each night's state as a letter: . free, X out of order, S stay, R reservation, ! clash.
std::string statesOf(const BoardRoom& room) {
    std::string all;
    for (const BoardNight& night : room.nights) all += ".XSR!"[static_cast<int>(night.state)];
    return all;
}

std::string countsOf(const RoomBoard& board, int column) {
    const NightCounts& c = board.counts[static_cast<std::size_t>(column)];
    return std::to_string(c.sold) + " sold, " + std::to_string(c.free) + " free, " + std::to_string(c.occupancy) + "%";
}

// Five rooms (103 out of order) and the stays and reservations around 10 to 23 May 2019.
class RoomBoardTest : public ::testing::Test {
protected:
    void SetUp() override {
        putRoom(dir, "101", "NQ1", "O", "N");
        putRoom(dir, "102", "NK1", "O", "Y");
        putRoom(dir, "103", "NQQ1", "Y", "Y", "X");
        putRoom(dir, "104", "KK1");
        putRoom(dir, "105", "NQ1", "Y", "N");

        putPastGuest(dir, "101", 1, "ANNA OVER", may(8), may(12), 0, "");       // over the first night
        putPastGuest(dir, "102", 2, "BEN ENDING", may(7), may(10), 0, "");      // leaves on it
        putPastGuest(dir, "105", 3, "CHECKED OUT", may(9), may(15));            // gone
        putPastGuest(dir, "105", 4, "SAME DAY", may(11), may(11), 0, "");       // no night
        putPastGuest(dir, "105", 5, "LONG STAY", Date::fromYmd(2000, 1, 1), may(11), 0, "");
        putPastGuest(dir, "104", 6, "TOO EARLY", Date::fromYmd(1999, 12, 31), may(11), 0, "");

        putReservation(dir, "7", "102", "NEXT GUEST", may(10), may(13));  // the room BEN ENDING leaves
        putReservation(dir, "8", "104", "FIRST BOOKED", may(12), may(14));
        putReservation(dir, "9", "104", "SECOND BOOKED", may(13), may(15));  // overbooks the 13th
        putReservation(dir, "10", "103", "IN BROKEN ROOM", may(20), may(21));
        putReservation(dir, "11", "109", "NO ROOM", may(11), may(12));
        putReservation(dir, "12", "109", "NO ROOM LATER", Date::fromYmd(2019, 6, 1), Date::fromYmd(2019, 6, 2));
        putReservation(dir, "13", "105", "CANCELLED", may(16), may(17), 59, "*");
        putReservation(dir, "14", "105", "LAST NIGHT", may(23), may(25));
        putReservation(dir, "15", "105", "JUST AFTER", may(24), may(26));
        dir.commit();
    }

    MotelFolder motel;
    DataDir& dir = motel.dataDir;
};

TEST_F(RoomBoardTest, EachNightShowsWhoHasTheRoom) {
    const RoomBoard board = buildRoomBoard(dir, may(10));
    ASSERT_EQ(board.nights, 14);
    ASSERT_EQ(board.rooms.size(), 5u);
    std::vector<std::string> headings;
    for (const BoardRoom& room : board.rooms) headings.push_back(room.heading);
    EXPECT_EQ(headings, (std::vector<std::string>{"101  NQ1  Dirty  Occupied", "102  NK1  Occupied",
                                                  "103  NQQ1  Out of order", "104  KK1", "105  NQ1  Dirty"}));

    EXPECT_EQ(nightsOf(board.rooms[0]), "ANNA OVER|ANNA OVER||||||||||||");
    EXPECT_EQ(statesOf(board.rooms[0]), "SS............");
    // The stay leaving on the first night holds none of them; the reservation arriving then does.
    EXPECT_EQ(nightsOf(board.rooms[1]), "NEXT GUEST #7|NEXT GUEST #7|NEXT GUEST #7|||||||||||");
    EXPECT_EQ(statesOf(board.rooms[1]), "RRR...........");
    EXPECT_EQ(nightsOf(board.rooms[2]),
              "Out of order|Out of order|Out of order|Out of order|Out of order|Out of order|Out of order|Out of "
              "order|Out of order|Out of order|Out of order / IN BROKEN ROOM #10|Out of order|Out of order|Out of order");
    EXPECT_EQ(statesOf(board.rooms[2]), "XXXXXXXXXX!XXX");
    EXPECT_EQ(nightsOf(board.rooms[3]),
              "||FIRST BOOKED #8|FIRST BOOKED #8 / SECOND BOOKED #9|SECOND BOOKED #9|||||||||");
    EXPECT_EQ(statesOf(board.rooms[3]), "..R!R.........");
    // A stay from 1/1/2000 is placed; the last night shown holds a reservation arriving then.
    EXPECT_EQ(nightsOf(board.rooms[4]), "LONG STAY|||||||||||||LAST NIGHT #14");
    EXPECT_EQ(statesOf(board.rooms[4]), "S............R");

    EXPECT_EQ(countsOf(board, 0), "3 sold, 1 free, 75%");
    EXPECT_EQ(countsOf(board, 1), "2 sold, 2 free, 50%");
    EXPECT_EQ(countsOf(board, 3), "1 sold, 3 free, 25%");
    EXPECT_EQ(countsOf(board, 10), "1 sold, 4 free, 20%") << "the booked room out of order is sold";
    EXPECT_EQ(countsOf(board, 13), "1 sold, 3 free, 25%");
}

TEST_F(RoomBoardTest, BookingsThatNoNightCanHoldAreListedApart) {
    const RoomBoard board = buildRoomBoard(dir, may(10));
    std::vector<std::string> lines;
    for (const UnplacedBooking& u : board.unplaced) lines.push_back(u.line);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "In house  105  SAME DAY  folio 4  5/11/2019 to 5/11/2019  (the departure is not after the arrival)",
                         "In house  104  TOO EARLY  folio 6  12/31/1999 to 5/11/2019  (a date outside 2000 to 2099)",
                         "Reserved  109  NO ROOM #11  5/11/2019 to 5/12/2019  (no such room)",
                     }));
    EXPECT_EQ(board.bookings[board.unplaced[2].booking].confirmNo, "11");

    // A booking of a room not on file is listed while its nights are shown, one with bad dates always.
    const RoomBoard june = buildRoomBoard(dir, Date::fromYmd(2019, 5, 31));
    lines.clear();
    for (const UnplacedBooking& u : june.unplaced) lines.push_back(u.reason);
    EXPECT_EQ(lines, (std::vector<std::string>{kUnplacedDeparture, kUnplacedDates, kUnplacedRoom}));
    EXPECT_EQ(june.bookings[june.unplaced[2].booking].guestName, "NO ROOM LATER");
}

TEST(RoomBoard, DamagedRecordsNeitherStopTheBoardNorHideTheOtherBookings) {
    MotelFolder motel;
    DataDir& dir = motel.dataDir;
    putRoom(dir, "101", "NQ1");
    // A room record of zero bytes is no room; a reservation whose dates are not numbers reads them as day 0.
    writeBytes(dir.rooms(), concat({readBytes(dir.rooms()), Bytes(148, '\0')}));
    putReservation(dir, "1", "101", "GOOD", may(2), may(3));
    Bytes damaged = particularsBytes(538, {.name = "BROKEN", .room = "101"}).bytes();
    for (std::size_t i = 312; i < 328; ++i) damaged[i] = '\xff';
    writeBytes(dir.reservations(), concat({readBytes(dir.reservations()), damaged}));
    // A stay in house with no name, and the guest file cut part-way through a record.
    putPastGuest(dir, "101", 9, "", may(1), may(3), 0, "");
    const Bytes guests = readBytes(dir.guests());
    writeBytes(dir.guests(), concat({guests, Bytes(guests.begin(), guests.begin() + 100)}));

    const RoomBoard board = buildRoomBoard(dir, may(1), 3);
    ASSERT_EQ(board.rooms.size(), 1u);
    EXPECT_EQ(nightsOf(board.rooms[0]), "Folio 9|Folio 9 / GOOD #1|");
    ASSERT_EQ(board.unplaced.size(), 1u);
    EXPECT_EQ(board.unplaced[0].line, "Reserved  101  BROKEN  12/30/1899 to 12/30/1899  (a date outside 2000 to 2099)");
}

}  // namespace
}  // namespace innvera::testing
