#include "rooms/status_board.h"

#include <functional>

#include "core/record_file.h"

namespace innvera {

namespace {

// Applies `change` to every room and writes back those it reports as changed.
void changeEveryRoom(DataDir& dir, const std::function<bool(Room&)>& change) {
    RecordFile<Room> rooms(dir, dir.rooms());
    std::vector<Found<Room>> changed;
    rooms.scan([&](const Room& room, std::uint64_t n) {
        Room updated = room;
        if (change(updated)) changed.push_back({n, updated});
    });
    for (const auto& [number, room] : changed) rooms.write(number, room);
}

}  // namespace

std::string boardLine(const Room& room) {
    std::string line = room.roomNo.str() + "  " + room.roomType.str();
    if (room.dirty()) line += "---Dirty";
    if (room.outOfOrder()) line += "---Out of order";
    if (room.occupied()) line += "---Occupied";
    return line;
}

std::vector<std::string> boardLines(DataDir& dir) {
    std::vector<std::string> lines;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) { lines.push_back(boardLine(room)); });
    return lines;
}

void makeAllRoomsClean(DataDir& dir) {
    changeEveryRoom(dir, [](Room& room) {
        if (room.occupied()) return false;
        room.cleanFlag = "Y";
        return true;
    });
}

void makeAllRoomsVacant(DataDir& dir) {
    changeEveryRoom(dir, [](Room& room) {
        room.vacantFlag = "Y";
        return true;
    });
}

}  // namespace innvera
