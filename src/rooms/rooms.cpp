#include "rooms/rooms.h"

#include "core/forms.h"
#include "rooms/room_types.h"

namespace innvera {

std::string roomListEntry(const Room& room) {
    return room.roomNo.stored(kRoomNoWidth) + "   " + room.roomType.stored(kRoomTypeWidth);
}

std::vector<std::string> roomListEntries(DataDir& dir) {
    std::vector<std::string> entries;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) { entries.push_back(roomListEntry(room)); });
    return entries;
}

std::string roomNumberOfEntry(std::string_view entry) { return firstChars(entry, 3); }

std::optional<Found<Room>> findRoom(DataDir& dir, std::string_view number) {
    if (number.empty()) return std::nullopt;
    return RecordFile<Room>(dir, dir.rooms()).findFirst([&](const Room& room) { return room.roomNo.str() == number; });
}

std::optional<Found<Room>> findRoomByEntry(DataDir& dir, std::string_view entry) {
    return findRoom(dir, roomNumberOfEntry(entry));
}

int countOutOfOrder(DataDir& dir) {
    int count = 0;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) {
        if (room.outOfOrder()) ++count;
    });
    return count;
}

}  // namespace innvera
