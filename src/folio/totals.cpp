#include "folio/totals.h"

#include <cstdio>
#include <stdexcept>

#include "core/codec.h"
#include "core/forms.h"
#include "folio/charge_codes.h"
#include "folio/file_head.h"

namespace innvera {

namespace fs = std::filesystem;
using detail::Head;
using detail::readHead;

namespace {

Totals readTotals(const fs::path& file) {
    Totals totals;
    const Head head = readHead(file, Totals::kLength);
    if (head.read < Totals::kUsed) return totals;
    for (std::size_t i = 0; i < totals.values.size(); ++i) totals.values[i] = getSingle(head.bytes, 4 * i);
    return totals;
}

void addToTotalsFile(DataDir& dir, const fs::path& file, int slot, float amount) {
    Head head = readHead(file, Totals::kLength);
    if (head.read < Totals::kUsed) head.bytes.assign(Totals::kLength, '\0');
    const std::size_t offset = 4 * static_cast<std::size_t>(slot);
    const float sum = getSingle(head.bytes, offset) + amount;
    putSingle(head.bytes, offset, sum);
    dir.write(file, 0, head.bytes.data(), head.bytes.size());
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

Totals readMonthTotals(const DataDir& dir, Date hotelDate) { return readTotals(dir.monthTotals(monthKey(hotelDate))); }

Totals readDayTotals(const DataDir& dir, Date hotelDate) {
    const fs::path own = dir.dayTotals(dayKey(hotelDate));
    if (fs::exists(own)) return readTotals(own);
    return readTotals(dir.dayTotals(legacyDayKey(hotelDate)));
}

void addToTotals(DataDir& dir, Date hotelDate, int slot, double amount) {
    if (slot < 0 || slot >= slot::Count) throw std::out_of_range("no totals slot " + std::to_string(slot));
    const float single = toSingle(amount);
    addToTotalsFile(dir, dir.monthTotals(monthKey(hotelDate)), slot, single);
    addToTotalsFile(dir, dir.dayTotals(dayKey(hotelDate)), slot, single);
}

}  // namespace innvera
