#include "rooms/rates.h"

#include <cmath>
#include <limits>
#include <vector>

#include "core/formats.h"
#include "core/records.h"
#include "core/counters.h"
#include "core/record_file.h"
#include "core/room_types.h"

namespace innvera {

namespace {

// Whether a stored room type is the chosen one. A blank choice names no type, so rooms
// whose type was never entered are not picked up by it.
bool isOfType(const Room& room, const std::string& chosen) {
    return !trimRight(chosen).empty() && room.roomType.stored(kRoomTypeWidth) == chosen;
}

}  // namespace

std::string paddedRoomType(std::string_view code) { return fitWidth(code, kRoomTypeWidth); }

std::optional<float> currentRateOfType(DataDir& dir, std::string_view type) {
    const std::string chosen = paddedRoomType(type);
    const auto found = RecordFile<Room>(dir, dir.rooms()).findFirst([&](const Room& room) { return isOfType(room, chosen); });
    if (!found) return std::nullopt;
    return found->record.rate;
}

std::optional<Refusal> applyRateToType(DataDir& dir, std::string_view type, std::string_view rateText) {
    if (trimRight(type).empty() || type == kSelectRoomType) return Refusal{kNoRoomTypeChosen, "Combo1"};
    if (!isRoomTypeCode(type)) return Refusal{kRoomTypeNotListed, "Combo1"};
    const TypedAmount typed = readAmount(rateText, kRateBox);
    if (!typed.value) return Refusal{typed.refusal, "Text1"};
    const std::string chosen = paddedRoomType(trimRight(type));
    const float rate = toSingle(*typed.value);
    RecordFile<Room> rooms(dir, dir.rooms());
    std::vector<Found<Room>> matching;
    rooms.scan([&](const Room& room, std::uint64_t n) {
        if (isOfType(room, chosen)) matching.push_back({n, room});
    });
    for (auto& [number, room] : matching) {
        room.rate = rate;
        rooms.write(number, room);
    }
    return std::nullopt;
}

std::optional<Refusal> storeTaxRate(DataDir& dir, std::string_view taxText) {
    const TypedAmount typed = readAmount(taxText, kTaxRateBox);
    if (!typed.value) return Refusal{typed.refusal, "Text1"};
    if (*typed.value >= 1) return Refusal{kTaxRateOutOfRange, "Text1"};
    writeTaxRate(dir, toSingle(*typed.value));
    return std::nullopt;
}

}  // namespace innvera
