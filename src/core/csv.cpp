#include "core/csv.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/formats.h"

namespace innvera {

Csv& Csv::row(const std::vector<std::string>& fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) text_ += ',';
        text_ += csvField(fields[i]);
    }
    text_ += "\r\n";
    return *this;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvCents(std::int64_t cents) {
    char buf[32];
    const std::uint64_t whole = static_cast<std::uint64_t>(std::llabs(cents));
    std::snprintf(buf, sizeof buf, "%s%llu.%02llu", cents < 0 ? "-" : "", static_cast<unsigned long long>(whole / 100),
                  static_cast<unsigned long long>(whole % 100));
    return buf;
}

std::string csvAmount(double amount) {
    const double rounded = roundCents(amount);
    if (std::fabs(rounded) < 1e13) return csvCents(std::llround(rounded * 100));
    char buf[512];  // beyond any amount a clerk can post: a damaged total, written as it is
    std::snprintf(buf, sizeof buf, "%.2f", rounded);
    return buf;
}

std::string csvDate(Date day) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", day.year(), day.month(), day.day());
    return buf;
}

std::string csvMonth(int year, int month) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d", year, month);
    return buf;
}

}  // namespace innvera
