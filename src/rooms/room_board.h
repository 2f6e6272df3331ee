#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/data_dir.h"
#include "core/date.h"

// The room board: every room against a run of nights, each night showing who has the room,
// the stays in house and the open reservations, with the nights' counts. It is built from the
// stay and reservation indexes and the room file; the guest file is never read for it.
namespace innvera {

inline constexpr int kBoardNights = 14;  // the nights shown at once
inline constexpr int kBoardPage = 7;     // a page back or forward: a week

// A stay in house or an open reservation, as the board places it.
struct BoardBooking {
    enum class Kind { Stay, Reservation };
    Kind kind = Kind::Stay;
    std::string roomNo;     // trailing blanks removed
    std::string guestName;  // trailing blanks removed
    float folioNo = 0;      // of a stay: the folio screen opens it by this
    std::string confirmNo;  // of a reservation: the reservation screen opens it by this
    Date arrival;
    Date departure;

    // What its nights show: a stay the guest's name ("SMITH JOHN", "Folio 12" when it has no
    // name), a reservation the name and its confirmation number ("JONES MARY #41").
    std::string label() const;
    // One line of the unplaced list: what it is, the room, the label and the dates.
    std::string line() const;
};

// What one night of one room holds.
struct BoardNight {
    enum class State {
        Free,
        OutOfOrder,   // the room is out of order and nobody has it
        Stay,         // one stay in house
        Reservation,  // one open reservation
        Clash,        // two or more bookings, or a booking in a room out of order
    };
    State state = State::Free;
    std::vector<std::uint32_t> bookings;  // indexes into RoomBoard::bookings: stays, then reservations
    std::string text;                     // what the night shows
};

// One row of the board: a room of the room file, in record order.
struct BoardRoom {
    std::string roomNo;    // trailing blanks removed
    std::string roomType;  // trailing blanks removed
    bool occupied = false;
    bool dirty = false;
    bool outOfOrder = false;
    // The room, its type and its marks as the room list shows them: "101  NQ1  Dirty  Occupied".
    std::string heading;
    std::vector<BoardNight> nights;
};

// The counts under one night.
struct NightCounts {
    int sold = 0;       // rooms someone has that night (in house or reserved)
    int free = 0;       // rooms in service nobody has
    int occupancy = 0;  // sold as a whole per cent of sold and free; 0 when there is neither
};

// A booking no row and night can hold, and why.
struct UnplacedBooking {
    std::uint32_t booking;  // index into RoomBoard::bookings
    std::string reason;
    std::string line;       // the booking's line, a blank, and the reason in brackets
};

struct RoomBoard {
    Date first;  // the first night shown
    int nights = 0;
    std::vector<BoardRoom> rooms;
    std::vector<BoardBooking> bookings;  // every booking placed or listed
    std::vector<NightCounts> counts;     // one per night
    std::vector<UnplacedBooking> unplaced;

    Date night(int column) const { return first.plusDays(column); }
};

inline constexpr const char* kUnplacedDates = "a date outside 2000 to 2099";
inline constexpr const char* kUnplacedDeparture = "the departure is not after the arrival";
inline constexpr const char* kUnplacedRoom = "no such room";

// The board of the `nights` nights from `first`. A stay or reservation whose dates cannot be
// placed (a date outside 2000 to 2099, the departure not after the arrival) is listed as
// unplaced whatever the nights shown; one of a room the room file does not hold is listed when
// its nights meet those shown. Bookings of a room number the file holds twice go to its first
// room.
RoomBoard buildRoomBoard(DataDir& dir, Date first, int nights = kBoardNights);

}  // namespace innvera
