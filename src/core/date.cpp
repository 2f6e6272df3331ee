#include "core/date.h"

#include <cmath>
#include <cstdio>

namespace innvera {

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's civil algorithms).
constexpr int daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Ymd {
    int y, m, d;
};

Ymd civilFromDays(int z) {
    z += 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp + (mp < 10 ? 3 : -9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

// Compile-time constants, so dates made while other files initialise are right too.
constexpr int kEpochFrom1970 = daysFromCivil(1899, 12, 30);
constexpr int kFirstSerial = daysFromCivil(100, 1, 1) - kEpochFrom1970;
constexpr int kLastSerial = daysFromCivil(9999, 12, 31) - kEpochFrom1970;

int daysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : days[m - 1];
}

}  // namespace

Date Date::fromYmd(int year, int month, int day) {
    return Date(daysFromCivil(year, month, day) - kEpochFrom1970);
}

Date Date::fromStored(double stored) {
    if (!std::isfinite(stored) || stored < kFirstSerial || stored > kLastSerial + 1.0) return Date();
    return Date(static_cast<int>(std::floor(stored)));
}

int Date::year() const { return civilFromDays(serial_ + kEpochFrom1970).y; }
int Date::month() const { return civilFromDays(serial_ + kEpochFrom1970).m; }
int Date::day() const { return civilFromDays(serial_ + kEpochFrom1970).d; }

std::string Date::text() const {
    const Ymd c = civilFromDays(serial_ + kEpochFrom1970);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d/%d/%04d", c.m, c.d, c.y);
    return buf;
}

std::optional<Date> Date::parse(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int parts[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int part = 0;
    for (char c : text) {
        if (c == '/') {
            if (++part > 2) return std::nullopt;
        } else if (c >= '0' && c <= '9') {
            if (++digits[part] > 4) return std::nullopt;
            parts[part] = parts[part] * 10 + (c - '0');
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits[0] < 1 || digits[0] > 2 || digits[1] < 1 || digits[1] > 2 || digits[2] != 4)
        return std::nullopt;
    const int m = parts[0], d = parts[1], y = parts[2];
    if (y < 100 || m < 1 || m > 12 || d < 1 || d > daysInMonth(y, m)) return std::nullopt;
    return fromYmd(y, m, d);
}

std::string TimeOfDay::text() const {
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d:%02d:%02d %s", h12, minute, second, hour < 12 ? "AM" : "PM");
    return buf;
}

}  // namespace innvera
