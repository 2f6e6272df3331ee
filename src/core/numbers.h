#pragma once

#include <filesystem>

#include "platform/data_dir.h"

// The numbers the motel hands out: folio, confirmation, account and invoice numbers, each from
// its counter file (read, add 1, write back, use the new value). A number is never one already
// on file: the next number is at least one more than the highest the motel's file holds,
// whatever the counter says, and a counter that does not hold a whole number of 0 or more is
// damaged and rebuilt from that file. `counterRepaired`, when given, tells whether the counter
// was damaged or behind the file (it is right again afterwards, so this is said once).
namespace innvera {

// The next folio number, for a check-in.
float takeFolioNumber(DataDir& dir, bool* counterRepaired = nullptr);

// The next confirmation number, taken when the add-reservation window opens.
float takeConfirmationNumber(DataDir& dir, bool* counterRepaired = nullptr);
// Gives a confirmation number back when its window closes without a reservation: the counter
// goes back by one, but only while it still holds that number (a number taken since is never
// handed out twice).
void giveBackConfirmationNumber(DataDir& dir, float number);

// The next account number, taken when the add-account window opens; given back likewise.
float takeAccountNumber(DataDir& dir, bool* counterRepaired = nullptr);
void giveBackAccountNumber(DataDir& dir, float number);

// Said to the clerk when a counter had to be repaired.
inline constexpr const char* kCounterRepaired =
    "A number counter of the data directory was damaged or behind: the next number was taken from "
    "the numbers already on file, so none is handed out twice.";

// The number after `counter` that is above `highestOnFile`, for a counter file's value. Throws
// std::range_error when the numbers have run out (a Single counts whole numbers exactly up to
// 16,777,216 only).
float nextNumber(float counter, float highestOnFile, bool* counterRepaired);

}  // namespace innvera
