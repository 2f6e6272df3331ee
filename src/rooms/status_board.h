#pragma once

#include <string>
#include <vector>

#include "core/records.h"
#include "core/data_dir.h"

// The housekeeping status board: one line per room, and the two bulk actions.
namespace innvera {

// Number, two blanks, type, then "---Dirty", "---Out of order", "---Occupied" as they apply.
std::string boardLine(const Room& room);
// One line per room, in record order.
std::vector<std::string> boardLines(DataDir& dir);

// Every room not occupied becomes clean; occupied rooms keep their clean status.
void makeAllRoomsClean(DataDir& dir);
// Every room becomes vacant; clean and out-of-order status are left as they are.
void makeAllRoomsVacant(DataDir& dir);

}  // namespace innvera
