#include "core/numbers.h"

#include "core/counters.h"

namespace innvera {

namespace {

void giveBack(DataDir& dir, const std::filesystem::path& counter, float number) {
    if (readCounter(dir, counter) == number) writeCounter(dir, counter, number - 1);
}

}  // namespace

float takeFolioNumber(DataDir& dir) { return takeNextNumber(dir, dir.folioCounter()); }

float takeConfirmationNumber(DataDir& dir) { return takeNextNumber(dir, dir.confirmationCounter()); }

void giveBackConfirmationNumber(DataDir& dir, float number) { giveBack(dir, dir.confirmationCounter(), number); }

float takeAccountNumber(DataDir& dir) { return takeNextNumber(dir, dir.accountCounter()); }

void giveBackAccountNumber(DataDir& dir, float number) { giveBack(dir, dir.accountCounter(), number); }

}  // namespace innvera
