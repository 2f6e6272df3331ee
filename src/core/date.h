#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace innvera {

// A calendar day, counted as whole days from 30 December 1899 (day 0), the way the
// data files store dates.
class Date {
public:
    constexpr Date() = default;
    constexpr explicit Date(int serial) : serial_(serial) {}

    static Date fromYmd(int year, int month, int day);
    // The day as stored: a double whose fraction (a time of day) is dropped. A value
    // that is not a finite number of days within years 100 to 9999 reads as day 0.
    static Date fromStored(double stored);

    constexpr int serial() const { return serial_; }
    constexpr double stored() const { return serial_; }
    int year() const;
    int month() const;
    int day() const;

    constexpr Date plusDays(int days) const { return Date(serial_ + days); }
    constexpr int daysSince(Date earlier) const { return serial_ - earlier.serial_; }

    // Short date text: month/day/four-digit year without leading zeros (1/5/2024).
    std::string text() const;
    // Reads M/D/YYYY (blanks around it allowed); nothing when it is not a real date.
    static std::optional<Date> parse(std::string_view text);

    constexpr auto operator<=>(const Date&) const = default;

private:
    int serial_ = 0;
};

// A time of day as the clock gives it.
struct TimeOfDay {
    int hour = 0;    // 0 to 23
    int minute = 0;
    int second = 0;

    bool isMorning() const { return hour < 12; }
    // 12-hour text with AM or PM: "11:05:32 AM", "12:00:00 PM".
    std::string text() const;
};

}  // namespace innvera
