#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "core/data_dir.h"
#include "core/record_file.h"

// Finding rooms in the room file and listing them, and the changes a stay makes to its room.
namespace innvera {

// A room as the setup windows list it for choosing: the number as stored (five characters,
// trailing blanks kept), three blanks, and the type as stored (ten characters).
std::string roomListEntry(const Room& room);
// One entry per room, in record order.
std::vector<std::string> roomListEntries(DataDir& dir);

// The room number a chosen entry stands for: its first three characters.
std::string roomNumberOfEntry(std::string_view entry);

// The first room, in record order, whose number without trailing blanks equals `number`.
// An empty number finds nothing.
std::optional<Found<Room>> findRoom(DataDir& dir, std::string_view number);
// The room a chosen list entry stands for (compared by the entry's first three characters).
std::optional<Found<Room>> findRoomByEntry(DataDir& dir, std::string_view entry);

// The room state changes a stay makes. Each finds the room by its number (trailing blanks
// removed) and writes the whole record back; a number no room has changes nothing.
// A guest moves in: the first room of that number becomes occupied and dirty, and due out
// on `dueOut` when one is given (check-in sets the day after the hotel date).
bool occupyRoom(DataDir& dir, std::string_view roomNo, std::optional<Date> dueOut = std::nullopt);
// A guest moves out to another room: the first room of that number becomes vacant and dirty.
bool vacateRoom(DataDir& dir, std::string_view roomNo);
// A guest checks out: every room of that number becomes vacant and dirty.
void vacateEveryRoom(DataDir& dir, std::string_view roomNo);

}  // namespace innvera
