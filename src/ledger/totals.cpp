#include "ledger/totals.h"

#include <cstdio>
#include <optional>
#include <stdexcept>

#include "core/codec.h"
#include "core/formats.h"
#include "ledger/charge_codes.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

// Record 1 of a totals file, as zeros when the file is missing or shorter than 76 bytes.
Bytes readRecord(const DataDir& dir, const fs::path& file) {
    Bytes bytes(Totals::kLength, '\0');
    if (dir.readAt(file, 0, bytes.data(), bytes.size()) < Totals::kUsed) bytes.assign(Totals::kLength, '\0');
    return bytes;
}

Totals readTotals(const DataDir& dir, const fs::path& file) {
    Totals totals;
    const Bytes bytes = readRecord(dir, file);
    for (std::size_t i = 0; i < totals.values.size(); ++i) totals.values[i] = getSingle(bytes, 4 * i);
    return totals;
}

// The slot holds the running sum to the cent: added in double precision and rounded to the
// cent before it is stored, so a month of postings (and a reversal) never drifts from the sum
// of what was posted the way a running sum in single precision does.
void addToTotalsFile(DataDir& dir, const fs::path& file, int slot, double amount) {
    Bytes bytes = readRecord(dir, file);
    const std::size_t offset = 4 * static_cast<std::size_t>(slot);
    putSingle(bytes, offset, toSingle(roundCents(static_cast<double>(getSingle(bytes, offset)) + amount)));
    dir.write(file, 0, bytes.data(), bytes.size());
}

}  // namespace


std::string monthKey(Date day) {
    const std::string text = day.text();
    const std::string month = text.substr(0, text.find('/'));
    const std::string year = text.size() >= 4 ? text.substr(text.size() - 4) : text;
    return month + year;
}

std::string dayKey(Date day) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d%02d%04d", day.month(), day.day(), day.year());
    return buf;
}

std::string legacyDayKey(Date day) {
    std::string key;
    for (char c : day.text().substr(0, 9))
        if (c != '/') key += c;
    return key;
}

float Totals::totalRevenue() const {
    float sum = 0;
    for (int i = slot::RoomRent; i <= slot::Other; ++i) sum += values[static_cast<std::size_t>(i)];
    return sum;
}

Totals readMonthTotals(const DataDir& dir, Date day) { return readTotals(dir, dir.monthTotals(monthKey(day))); }

namespace {

// The first day whose takings this installation kept under its own key: the earliest file of
// the day totals folder named as dayKey() names one. None while there is none.
std::optional<Date> firstOwnKeyDay(const DataDir& dir) {
    std::optional<Date> first;
    std::error_code error;
    for (fs::directory_iterator entry(dir.dayTotals("").parent_path(), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.size() != 8 || name.find_first_not_of("0123456789") != std::string::npos) continue;
        const auto day = Date::parse(name.substr(0, 2) + "/" + name.substr(2, 2) + "/" + name.substr(4));
        if (day && dayKey(*day) == name && (!first || *day < *first)) first = day;
    }
    return first;
}

// The day's totals; `first` holds firstOwnKeyDay once it was looked for, so that a run of days
// looks through the folder once.
Totals dayTotals(const DataDir& dir, Date day, std::optional<std::optional<Date>>& first) {
    const fs::path own = dir.dayTotals(dayKey(day));
    std::error_code error;
    if (fs::exists(own, error) || error) return readTotals(dir, own);
    // A day with no file of its own took nothing, once this installation keeps every day under
    // its own key: an old-key file of that name belongs to another day (1/25 and 12/5 shared
    // one). Only the days before that were kept under the old key.
    if (!first) first = firstOwnKeyDay(dir);
    if (*first && !(day < **first)) return Totals{};
    return readTotals(dir, dir.dayTotals(legacyDayKey(day)));
}

}  // namespace

Totals readDayTotals(const DataDir& dir, Date day) {
    std::optional<std::optional<Date>> first;
    return dayTotals(dir, day, first);
}

std::vector<Totals> readDayTotals(const DataDir& dir, Date first, Date last) {
    std::vector<Totals> days;
    std::optional<std::optional<Date>> firstOwn;
    for (Date day = first; day <= last; day = day.plusDays(1)) days.push_back(dayTotals(dir, day, firstOwn));
    return days;
}

void addToTotals(DataDir& dir, Date hotelDate, int slot, double amount) {
    if (slot < 0 || slot >= slot::Count) throw std::out_of_range("no totals slot " + std::to_string(slot));
    addToTotalsFile(dir, dir.monthTotals(monthKey(hotelDate)), slot, amount);
    addToTotalsFile(dir, dir.dayTotals(dayKey(hotelDate)), slot, amount);
}

}  // namespace innvera
