#include "rooms/inventory.h"

#include "core/forms.h"
#include "core/records.h"
#include "core/record_file.h"

namespace innvera {

namespace {

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

std::optional<InventoryRefusal> enterRoom(DataDir& dir, const NewRoom& entry, Date hotelDate) {
    // A number or type of blanks only would make a room that no list can pick and no
    // window can remove, so it counts as not entered.
    if (blank(entry.roomNo)) return InventoryRefusal{"You didn't enter a room number.", InventoryControl::RoomNo};
    if (entry.roomType == kChooseRoomType || blank(entry.roomType))
        return InventoryRefusal{"You didn't enter a room type.", InventoryControl::RoomType};

    // Every window books a room by a number of up to three characters with nothing in front of
    // it: a longer number, or one with a leading blank, would make a room no stay can take.
    const std::string roomNo(trimRight(entry.roomNo));
    if (charCount(roomNo) > kBookableRoomNoLength || roomNo.front() == ' ') return InventoryRefusal{kRoomNoNotBookable, InventoryControl::RoomNo};

    // Trailing blanks are not part of a number: "103 " is room 103.
    RecordFile<Room> rooms(dir, dir.rooms());
    if (rooms.findFirst([&](const Room& room) { return room.roomNo.str() == roomNo; }))
        return InventoryRefusal{"You already entered this room number.", InventoryControl::RoomNo, true};

    Room room;
    room.roomNo = Text(roomNo);
    room.roomType = Text(entry.roomType);
    room.vacantFlag = "Y";
    room.cleanFlag = "Y";
    room.statusFlag = "K";
    room.enteredDate = hotelDate;
    room.dueOutDate = hotelDate;
    room.rate = 0;
    rooms.append(room);
    return std::nullopt;
}

}  // namespace innvera
