#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"

// Comma-separated text for a spreadsheet (RFC 4180): one record a line, each ended by CR LF, the
// first the column headings; a field holding a comma, a quote or a line break is put in quotes,
// a quote inside doubled. Texts are UTF-8. Amounts are written plain with two decimals
// (1234.50, -5.00), dates as YYYY-MM-DD.
namespace innvera {

class Csv {
public:
    Csv() = default;
    explicit Csv(std::initializer_list<std::string_view> headings) { row(std::vector<std::string>(headings.begin(), headings.end())); }

    Csv& row(const std::vector<std::string>& fields);
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

// A field as it stands in a record: quoted when it holds a comma, a quote, CR or LF.
std::string csvField(std::string_view text);
// Two decimals, rounded to the cent; never "-0.00".
std::string csvAmount(double amount);
// Whole cents as an amount: 123450 gives "1234.50".
std::string csvCents(std::int64_t cents);
// 2019-05-01.
std::string csvDate(Date day);
// 2019-05.
std::string csvMonth(int year, int month);

}  // namespace innvera
