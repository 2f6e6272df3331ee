#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/data_dir.h"

// The month and day totals files: the running sums of every posting by charge code, read by
// the financial reports.
namespace innvera {

// The month of the date text and its year: 5/1/2019 gives "52019", 12/25/2019 "122019".
std::string monthKey(Date day);
// The day totals key, unique per date: MMDDYYYY (12/25/2019 gives "12252019", 5/1/2019
// "05012019"). Eight characters, so it never meets a key of the old rule below.
std::string dayKey(Date day);
// The day key earlier installations wrote: the first nine characters of the date text
// with the "/" left out (5/1/2019 gives "512019", 12/25/2019 "1225201"). Not unique, so it
// is only read, when a day has no file under its own key.
std::string legacyDayKey(Date day);

// Record 1 of a month or day totals file: nineteen Singles (slots in charge_codes.h),
// in a record of 190 bytes.
struct Totals {
    static constexpr std::size_t kLength = 190;
    static constexpr std::size_t kUsed = 76;

    std::array<float, 19> values{};  // by slot

    // Room rent, tax and the sundry charges: slots 6 to 13.
    float totalRevenue() const;
};

// The month totals of the date's month; zeros when the file is missing or shorter than 76 bytes.
Totals readMonthTotals(const DataDir& dir, Date day);
// The day totals of the date: the file under its own key; when there is none, for a day before
// the first day kept under its own key, the file an earlier installation wrote under the old key;
// zeros otherwise.
Totals readDayTotals(const DataDir& dir, Date day);
// The day totals of every date from `first` to `last`, in order, each read as above (the folder
// is looked through at most once for the run, not once for each day without a file).
std::vector<Totals> readDayTotals(const DataDir& dir, Date first, Date last);
// Adds the amount to the slot of the month totals file and then of the day totals file (under
// its own key) of the hotel date; each slot holds its running sum to the cent, as a Single. A slot outside 0 to 18 is
// refused with std::out_of_range before anything is written.
void addToTotals(DataDir& dir, Date hotelDate, int slot, double amount);

}  // namespace innvera
