#include "rooms/properties.h"

#include <cmath>
#include <functional>
#include <limits>

#include "core/formats.h"
#include "core/record_file.h"
#include "core/room_types.h"
#include "core/rooms.h"

namespace innvera {

namespace {

std::optional<RoomView> change(DataDir& dir, std::string_view shownRoomNo, const std::function<void(Room&)>& set) {
    const auto found = findRoom(dir, trimRight(shownRoomNo));
    if (!found) return std::nullopt;
    Room room = found->record;
    set(room);
    RecordFile<Room>(dir, dir.rooms()).write(found->number, room);
    // Shown as it now stands on disk: texts cut to their fields.
    return viewOf(Room::decode(room.encode()));
}

std::optional<RoomView> changeFlag(DataDir& dir, std::string_view shownRoomNo, std::string_view choice, Text Room::*flag) {
    if (choice.empty()) return std::nullopt;
    const std::string letter = firstChars(choice, 1);
    return change(dir, shownRoomNo, [&](Room& room) { room.*flag = Text(letter); });
}

}  // namespace

RoomView viewOf(const Room& room) {
    return RoomView{room.roomNo.stored(kRoomNoWidth),
                    room.roomType.stored(kRoomTypeWidth),
                    plainNumber(room.rate),
                    room.vacantFlag.str(),
                    room.cleanFlag.str(),
                    room.statusFlag.str(),
                    room.comment.str()};
}

std::optional<RoomView> showRoom(DataDir& dir, std::string_view entry) {
    const auto found = findRoomByEntry(dir, entry);
    if (!found) return std::nullopt;
    return viewOf(found->record);
}

std::optional<Refusal> checkTypeChange(std::string_view type) {
    if (!isRoomTypeCode(type)) return Refusal{kRoomTypeNotListed, "Combo2"};
    return std::nullopt;
}

std::optional<Refusal> checkRateChange(std::string_view rateText) {
    const TypedAmount typed = readAmount(rateText, kRateBox);
    if (!typed.value) return Refusal{typed.refusal, "Text1"};
    return std::nullopt;
}

std::optional<RoomView> changeRoomType(DataDir& dir, std::string_view shownRoomNo, std::string_view type) {
    if (checkTypeChange(type)) return std::nullopt;
    return change(dir, shownRoomNo, [&](Room& room) { room.roomType = Text(std::string(trimRight(type))); });
}

std::optional<RoomView> changeRate(DataDir& dir, std::string_view shownRoomNo, std::string_view rateText) {
    const TypedAmount typed = readAmount(rateText, kRateBox);
    if (!typed.value) return std::nullopt;
    return change(dir, shownRoomNo, [&](Room& room) { room.rate = toSingle(*typed.value); });
}

std::optional<RoomView> changeVacant(DataDir& dir, std::string_view shownRoomNo, std::string_view choice) {
    return changeFlag(dir, shownRoomNo, choice, &Room::vacantFlag);
}

std::optional<RoomView> changeClean(DataDir& dir, std::string_view shownRoomNo, std::string_view choice) {
    return changeFlag(dir, shownRoomNo, choice, &Room::cleanFlag);
}

std::optional<RoomView> changeStatus(DataDir& dir, std::string_view shownRoomNo, std::string_view choice) {
    return changeFlag(dir, shownRoomNo, choice, &Room::statusFlag);
}

std::optional<RoomView> updateComment(DataDir& dir, std::string_view shownRoomNo, std::string_view comment) {
    return change(dir, shownRoomNo, [&](Room& room) { room.comment = Text(std::string(comment)); });
}

}  // namespace innvera
