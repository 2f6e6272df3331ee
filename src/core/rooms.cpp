#include "core/rooms.h"

#include "core/formats.h"
#include "core/room_types.h"

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

namespace {

bool setFirst(DataDir& dir, std::string_view roomNo, const char* vacant, std::optional<Date> dueOut) {
    auto found = findRoom(dir, trimRight(roomNo));
    if (!found) return false;
    found->record.vacantFlag = vacant;
    found->record.cleanFlag = "N";
    if (dueOut) found->record.dueOutDate = *dueOut;
    RecordFile<Room>(dir, dir.rooms()).write(found->number, found->record);
    return true;
}

}  // namespace

bool occupyRoom(DataDir& dir, std::string_view roomNo, std::optional<Date> dueOut) {
    return setFirst(dir, roomNo, "O", dueOut);
}

bool vacateRoom(DataDir& dir, std::string_view roomNo) { return setFirst(dir, roomNo, "Y", std::nullopt); }

void vacateEveryRoom(DataDir& dir, std::string_view roomNo) {
    const std::string_view wanted = trimRight(roomNo);
    RecordFile<Room> rooms(dir, dir.rooms());
    std::vector<std::uint64_t> matches;
    rooms.scan([&](const Room& r, std::uint64_t n) {
        if (r.roomNo.str() == wanted) matches.push_back(n);
    });
    for (std::uint64_t n : matches) {
        Room r = rooms.read(n);
        r.vacantFlag = "Y";
        r.cleanFlag = "N";
        rooms.write(n, r);
    }
}

}  // namespace innvera
