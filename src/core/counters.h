#pragma once

#include <filesystem>

#include "core/records.h"
#include "core/record_file.h"

// The counter and flag files: one Single in record 1 each. The small readers of the motel's
// options, and the numbers the motel hands out.
namespace innvera {

// The Single in record 1 of a counter file; a missing or empty file reads as 0.
inline float readCounter(DataDir& dir, const std::filesystem::path& file) {
    return RecordFile<Counter>(dir, file).read(1).value;
}

inline void writeCounter(DataDir& dir, const std::filesystem::path& file, float value) {
    RecordFile<Counter> counter(dir, file);
    Counter record = counter.read(1);
    record.value = value;
    counter.write(1, record);
}

// The flag of a flag file (the first Single of record 1).
template <class Flag>
float readFlag(DataDir& dir, const std::filesystem::path& file) {
    return RecordFile<Flag>(dir, file).read(1).flag;
}

// Sets the flag, writing back the rest of the record as it was read.
template <class Flag>
void writeFlag(DataDir& dir, const std::filesystem::path& file, float value) {
    RecordFile<Flag> flags(dir, file);
    Flag record = flags.read(1);
    record.flag = value;
    flags.write(1, record);
}

// The tax rate, a fraction (0.09 for 9%).
inline float readTaxRate(DataDir& dir) { return readCounter(dir, dir.taxFile()); }
inline void writeTaxRate(DataDir& dir, float rate) { writeCounter(dir, dir.taxFile(), rate); }
// Whether the folio is printed at check-in: only a stored 1 says yes.
inline bool printFolioChosen(DataDir& dir) { return readCounter(dir, dir.printFolioFile()) == 1.0f; }
inline void choosePrintFolio(DataDir& dir, bool print) { writeCounter(dir, dir.printFolioFile(), print ? 1.0f : 0.0f); }
// Whether the welcome window is switched off: only a stored 1 says so.
inline bool welcomeSwitchedOff(DataDir& dir) { return readCounter(dir, dir.welcomeFile()) == 1.0f; }
inline void switchWelcomeOff(DataDir& dir, bool off) { writeCounter(dir, dir.welcomeFile(), off ? 1.0f : 0.0f); }


// The numbers the motel hands out: folio, confirmation, account and invoice numbers, each from
// its counter file (read, add 1, write back, use the new value). A number is never one already
// on file: the next number is at least one more than the highest the motel's file holds,
// whatever the counter says, and a counter that does not hold a whole number of 0 or more is
// damaged and rebuilt from that file. `counterRepaired`, when given, tells whether the counter
// was damaged or behind the file (it is right again afterwards, so this is said once).

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
