#include "rooms/inventory.h"

#include "core/formats.h"
#include "core/records.h"
#include "core/record_file.h"
#include "core/room_types.h"

namespace innvera {

namespace {

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

}  // namespace

std::optional<Refusal> enterRoom(DataDir& dir, const NewRoom& entry, Date hotelDate) {
    // A number or type of blanks only would make a room that no list can pick and no
    // window can remove, so it counts as not entered.
    if (blank(entry.roomNo)) return Refusal{"You didn't enter a room number.", "Text1"};
    if (entry.roomType == kChooseRoomType || blank(entry.roomType))
        return Refusal{"You didn't enter a room type.", "Combo1"};
    if (!isRoomTypeCode(entry.roomType)) return Refusal{kRoomTypeNotListed, "Combo1"};

    // Every window books a room by a number of up to three characters with nothing in front of
    // it: a longer number, or one with a leading blank, would make a room no stay can take.
    const std::string roomNo(trimRight(entry.roomNo));
    if (charCount(roomNo) > kBookableRoomNoLength || roomNo.front() == ' ') return Refusal{kRoomNoNotBookable, "Text1"};

    // Trailing blanks are not part of a number: "103 " is room 103.
    RecordFile<Room> rooms(dir, dir.rooms());
    if (rooms.findFirst([&](const Room& room) { return room.roomNo.str() == roomNo; }))
        return Refusal{kRoomAlreadyEntered, "Text1"};

    Room room;
    room.roomNo = Text(roomNo);
    room.roomType = Text(std::string(trimRight(entry.roomType)));
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
