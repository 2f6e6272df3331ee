#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "core/records.h"

// The room type codes a room can carry, in the order every type list offers them, with the
// legend the inventory window shows for each.
namespace innvera {

struct RoomTypeCode {
    std::string_view code;
    std::string_view legend;
};

inline constexpr std::array<RoomTypeCode, 10> kRoomTypes{{
    {"NQ1", "NQ1 = Non Smoking Single"},
    {"NQQ1", "NQQ1 = Non Smoking Double"},
    {"Q11", "Q11 = Smoking Single"},
    {"QQ1", "QQ1 = Smoking Double"},
    {"PNQ1", "PNQ1 = Non Smoking Handicap"},
    {"PQ1", "PQ1 = Smoking Handicap"},
    {"NK1", "NK1 = Non Smoking King"},
    {"KK1", "KK1 = Smoking King"},
    {"JNK1", "JNK1 = Non Smoking Suite"},
    {"JK1", "JK1 = Smoking Suite"},
}};

// True when the text, trailing blanks removed, is one of the codes ("NQ1", "NQ1       ").
inline bool isRoomTypeCode(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::any_of(kRoomTypes.begin(), kRoomTypes.end(), [&](const RoomTypeCode& type) { return type.code == text; });
}
inline constexpr const char* kRoomTypeNotListed = "That is not one of the room types. Choose a type from the list.";

// Width of the stored room type.
inline constexpr std::size_t kRoomTypeWidth = fieldWidth(kRoomFields, &Room::roomType);
// Width of the stored room number.
inline constexpr std::size_t kRoomNoWidth = fieldWidth(kRoomFields, &Room::roomNo);

}  // namespace innvera
