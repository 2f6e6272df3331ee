#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/date.h"
#include "core/refusal.h"
#include "core/data_dir.h"

// Entering a new room into the room file.
namespace innvera {

inline constexpr const char* kChooseRoomType = "Choose Room Type";
// Every window books a room by a number of up to three characters.
inline constexpr std::size_t kBookableRoomNoLength = 3;
inline constexpr const char* kRoomNoNotBookable =
    "A room number has at most three characters and no blank in front. Enter it as, for example, 101.";

// What the clerk typed and chose in the inventory window.
struct NewRoom {
    std::string roomNo;    // the "Room #" text, as typed (not trimmed)
    std::string roomType;  // the type list's text
};

// Refused when the room number is on file already; the window then empties its boxes.
inline constexpr const char* kRoomAlreadyEntered = "You already entered this room number.";

// Checks the entry in order (room number "Text1", room type "Combo1" and one of the type codes,
// not entered before) and appends the new room, vacant, clean and in service, dated the hotel
// date, at rate 0. Nothing is written when it is refused.
std::optional<Refusal> enterRoom(DataDir& dir, const NewRoom& entry, Date hotelDate);

}  // namespace innvera
