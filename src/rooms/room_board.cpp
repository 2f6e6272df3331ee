#include "rooms/room_board.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "core/formats.h"
#include "core/record_file.h"
#include "core/records.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "core/stays.h"

namespace innvera {

namespace {

std::string headingOf(const BoardRoom& room) {
    std::string heading = room.roomNo + "  " + room.roomType;
    if (room.dirty) heading += "  Dirty";
    if (room.outOfOrder) heading += "  Out of order";
    if (room.occupied) heading += "  Occupied";
    return heading;
}

// The rooms of the room file, in record order; a record of zero bytes is no room.
std::vector<BoardRoom> boardRooms(DataDir& dir, int nights) {
    std::vector<BoardRoom> rooms;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& r, std::uint64_t) {
        if (r.blank()) return;
        BoardRoom room;
        room.roomNo = r.roomNo.str();
        room.roomType = r.roomType.str();
        room.occupied = r.occupied();
        room.dirty = r.dirty();
        room.outOfOrder = r.outOfOrder();
        room.heading = headingOf(room);
        room.nights.resize(static_cast<std::size_t>(nights));
        rooms.push_back(std::move(room));
    });
    return rooms;
}

void showNight(const RoomBoard& board, const BoardRoom& room, BoardNight& night) {
    using State = BoardNight::State;
    if (night.bookings.empty()) {
        night.state = room.outOfOrder ? State::OutOfOrder : State::Free;
        night.text = room.outOfOrder ? "Out of order" : "";
        return;
    }
    std::string text = room.outOfOrder ? "Out of order" : "";
    for (std::uint32_t b : night.bookings) text += (text.empty() ? "" : " / ") + board.bookings[b].label();
    night.text = std::move(text);
    if (night.bookings.size() > 1 || room.outOfOrder) night.state = State::Clash;
    else night.state = board.bookings[night.bookings.front()].kind == BoardBooking::Kind::Stay ? State::Stay
                                                                                              : State::Reservation;
}

}  // namespace

std::string BoardBooking::label() const {
    if (kind == Kind::Stay) return guestName.empty() ? "Folio " + plainNumber(folioNo) : guestName;
    if (confirmNo.empty()) return guestName;
    return guestName.empty() ? "#" + confirmNo : guestName + " #" + confirmNo;
}

std::string BoardBooking::line() const {
    std::string text = kind == Kind::Stay ? "In house  " : "Reserved  ";
    text += (roomNo.empty() ? "(no room)" : roomNo) + "  " + label();
    if (kind == Kind::Stay && !guestName.empty()) text += "  folio " + plainNumber(folioNo);
    return text + "  " + arrival.text() + " to " + departure.text();
}

RoomBoard buildRoomBoard(DataDir& dir, Date first, int nights) {
    RoomBoard board;
    board.first = first;
    board.nights = std::max(nights, 0);
    const Date end = first.plusDays(board.nights);
    board.rooms = boardRooms(dir, board.nights);

    // A room number the file holds twice takes its bookings in its first room, as every lookup does.
    std::unordered_map<std::string, std::size_t> rowOf;
    for (std::size_t row = 0; row < board.rooms.size(); ++row) rowOf.try_emplace(board.rooms[row].roomNo, row);

    for (const StayKeys& s : staysInHouseOver(dir, first, end)) {
        BoardBooking b;
        b.kind = BoardBooking::Kind::Stay;
        b.roomNo = s.roomNo;
        b.guestName = s.guestName;
        b.folioNo = s.folioNo;
        b.arrival = s.arrivalDate;
        b.departure = s.departDate;
        board.bookings.push_back(std::move(b));
    }
    for (const ReservationKeys& r : openReservationsOver(dir, first, end)) {
        BoardBooking b;
        b.kind = BoardBooking::Kind::Reservation;
        b.roomNo = r.roomNo.str();
        b.guestName = r.guestName.str();
        b.confirmNo = r.confirmNo.str();
        b.arrival = r.arrivalDate;
        b.departure = r.departDate;
        board.bookings.push_back(std::move(b));
    }

    for (std::uint32_t i = 0; i < board.bookings.size(); ++i) {
        const BoardBooking& b = board.bookings[i];
        const char* reason = nullptr;
        const auto row = rowOf.find(b.roomNo);
        if (!isStayDay(b.arrival) || !isStayDay(b.departure)) reason = kUnplacedDates;
        else if (!(b.arrival < b.departure)) reason = kUnplacedDeparture;
        else if (row == rowOf.end()) reason = kUnplacedRoom;
        if (reason) {
            board.unplaced.push_back({i, reason, b.line() + "  (" + reason + ")"});
            continue;
        }
        const int from = std::max(0, b.arrival.daysSince(first));
        const int to = std::min(board.nights, b.departure.daysSince(first));
        for (int n = from; n < to; ++n) board.rooms[row->second].nights[static_cast<std::size_t>(n)].bookings.push_back(i);
    }

    board.counts.resize(static_cast<std::size_t>(board.nights));
    for (const BoardRoom& room : board.rooms) {
        for (int n = 0; n < board.nights; ++n) {
            const BoardNight& night = room.nights[static_cast<std::size_t>(n)];
            NightCounts& counts = board.counts[static_cast<std::size_t>(n)];
            if (!night.bookings.empty()) ++counts.sold;
            else if (!room.outOfOrder) ++counts.free;
        }
    }
    for (NightCounts& counts : board.counts) {
        const int available = counts.sold + counts.free;
        counts.occupancy = available == 0 ? 0 : static_cast<int>(std::lround(100.0 * counts.sold / available));
    }
    for (BoardRoom& room : board.rooms)
        for (BoardNight& night : room.nights) showNight(board, room, night);
    return board;
}

}  // namespace innvera
