#include "rooms/inventory.h"

#include "core/forms.h"
#include "core/records.h"
#include "platform/record_file.h"

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

    RecordFile<Room> rooms(dir, dir.rooms());
    // The typed number is compared as typed: a leading blank or a different case makes a
    // different room, and a number longer than the field never equals its stored (cut) form.
    if (rooms.findFirst([&](const Room& room) { return room.roomNo.str() == entry.roomNo; }))
        return InventoryRefusal{"You already entered this room number.", InventoryControl::RoomNo, true};

    Room room;
    room.roomNo = Text(entry.roomNo);
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
