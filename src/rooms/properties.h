#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/records.h"
#include "core/data_dir.h"
#include "core/refusal.h"

// Changing one room's properties by hand. Each change finds the room again by the room
// number the editor shows (trailing blanks removed) and writes the whole record back; a
// number no longer found changes nothing.
namespace innvera {

// A room's properties as the editor shows them.
struct RoomView {
    std::string roomNo;    // as stored, five characters
    std::string roomType;  // as stored, ten characters
    std::string rate;      // plain decimal text (65, 59.95)
    std::string vacant;
    std::string clean;
    std::string status;
    std::string comment;   // without trailing blanks
};

RoomView viewOf(const Room& room);

// The room a chosen chooser entry stands for; nothing when no room matches.
std::optional<RoomView> showRoom(DataDir& dir, std::string_view entry);

// Why a typed type or rate can't be stored: a type not of the list (kRoomTypeNotListed, focus
// "Combo2"); a rate that is not an amount (readAmount) or too large (focus "Text1"). Nothing
// when it can.
std::optional<Refusal> checkTypeChange(std::string_view type);
std::optional<Refusal> checkRateChange(std::string_view rateText);

// Each returns the room as stored afterwards, or nothing when nothing was written (a type or
// rate the checks above refuse leaves the room as it is).
std::optional<RoomView> changeRoomType(DataDir& dir, std::string_view shownRoomNo, std::string_view type);
std::optional<RoomView> changeRate(DataDir& dir, std::string_view shownRoomNo, std::string_view rateText);
// The flags take the first character of the editor's text; an empty text changes nothing.
std::optional<RoomView> changeVacant(DataDir& dir, std::string_view shownRoomNo, std::string_view choice);
std::optional<RoomView> changeClean(DataDir& dir, std::string_view shownRoomNo, std::string_view choice);
std::optional<RoomView> changeStatus(DataDir& dir, std::string_view shownRoomNo, std::string_view choice);
// Stores the housekeeping comment, cut to 20 characters.
std::optional<RoomView> updateComment(DataDir& dir, std::string_view shownRoomNo, std::string_view comment);

}  // namespace innvera
