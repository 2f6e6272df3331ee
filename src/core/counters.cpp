#include "core/counters.h"

#include <cmath>
#include <stdexcept>

#include "core/accounts.h"
#include "core/reservations.h"
#include "core/stays.h"

namespace innvera {

namespace {

constexpr float kLastWholeSingle = 16777216.0f;

bool isCount(float value) { return std::isfinite(value) && value >= 0 && std::trunc(value) == value; }

float take(DataDir& dir, const std::filesystem::path& counter, float highestOnFile, bool* counterRepaired) {
    const float next = nextNumber(readCounter(dir, counter), highestOnFile, counterRepaired);
    writeCounter(dir, counter, next);
    return next;
}

void giveBack(DataDir& dir, const std::filesystem::path& counter, float number) {
    if (readCounter(dir, counter) == number) writeCounter(dir, counter, number - 1);
}

}  // namespace

float nextNumber(float counter, float highestOnFile, bool* counterRepaired) {
    const float highest = isCount(highestOnFile) ? highestOnFile : 0;
    const bool sound = isCount(counter) && counter >= highest;
    if (counterRepaired) *counterRepaired = !sound;
    const float last = sound ? counter : highest;
    if (last >= kLastWholeSingle) throw std::range_error("the numbers of this counter have run out");
    return last + 1;
}

float takeFolioNumber(DataDir& dir, bool* counterRepaired) {
    return take(dir, dir.folioCounter(), highestFolioNumber(dir), counterRepaired);
}

float takeConfirmationNumber(DataDir& dir, bool* counterRepaired) {
    return take(dir, dir.confirmationCounter(), highestConfirmationNumber(dir), counterRepaired);
}

void giveBackConfirmationNumber(DataDir& dir, float number) { giveBack(dir, dir.confirmationCounter(), number); }

float takeAccountNumber(DataDir& dir, bool* counterRepaired) {
    return take(dir, dir.accountCounter(), highestAccountNumber(dir), counterRepaired);
}

void giveBackAccountNumber(DataDir& dir, float number) { giveBack(dir, dir.accountCounter(), number); }

}  // namespace innvera
