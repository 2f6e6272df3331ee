// Forms of numbers and dates.
#include <gtest/gtest.h>

#include "core/date.h"
#include "core/formats.h"

using namespace innvera;

namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfATypedTextAndTellsANumberFromOtherText) {
    const std::pair<const char*, double> leading[] = {{"12.50", 12.5}, {"12abc", 12}, {"  -5", -5}, {".09", 0.09},
                                                      {"9%", 9},        {"1 000", 1000}, {"1.5e2x", 150}, {"2e", 2},
                                                      {"", 0},          {"abc", 0},    {"-", 0},        {"1e999", 0}};
    for (auto [typed, number] : leading) EXPECT_DOUBLE_EQ(leadingNumber(typed), number) << typed;  // 1e999: no finite amount
    for (const char* number : {"65", " 59.95 ", "-5"}) EXPECT_TRUE(isNumberText(number)) << number;
    for (const char* other : {"", "12abc", "sixty", "1e999"}) EXPECT_FALSE(isNumberText(other)) << other;
}

TEST(PlainNumber, SevenDigitsForSinglesFifteenForDoublesAndTiesToTheEvenCent) {
    EXPECT_EQ(plainNumber(65.0f) + " " + plainNumber(7.8f) + " " + plainNumber(59.95f) + " " + plainNumber(-5.0f) + " " +
                  plainNumber(0.0f) + " " + plainNumber(1234.0),
              "65 7.8 59.95 -5 0 1234");
    EXPECT_EQ(plainNumber(65 * 0.12f), "7.8");  // the single-precision tax
    EXPECT_EQ(plainNumber(65.0 * 0.12f), "7.79999982565641");
    EXPECT_EQ(signedNumber(65.0f) + "|" + signedNumber(-5.0) + "|" + signedNumber(0.0), " 65|-5| 0");
    const std::pair<double, double> cents[] = {{7.8049, 7.8}, {7.805, 7.8},    {7.815, 7.82},        {2.675, 2.68},
                                               {-7.805, -7.8}, {12.3456, 12.35}, {65.0 * 0.12f, 7.8}};
    for (auto [amount, rounded] : cents) EXPECT_DOUBLE_EQ(roundCents(amount), rounded) << amount;
}

TEST(DateText, MonthDayYearWithoutLeadingZerosParsedOnlyForRealDates) {
    EXPECT_EQ(Date::fromYmd(2024, 1, 5).text(), "1/5/2024");
    EXPECT_EQ(Date::fromYmd(2024, 12, 25).text(), "12/25/2024");
    EXPECT_EQ(Date().text(), "12/30/1899");
    EXPECT_EQ(Date::fromYmd(2019, 5, 1).serial(), 43586);
    EXPECT_EQ(Date::fromYmd(2024, 2, 28).plusDays(1).text(), "2/29/2024");
    EXPECT_EQ(Date::parse("12/25/2024"), Date::fromYmd(2024, 12, 25));
    for (const char* typed : {" 1/5/2024 ", "01/05/2024"}) EXPECT_EQ(Date::parse(typed), Date::fromYmd(2024, 1, 5)) << typed;
    for (const char* bad : {"", "tomorrow", "2/30/2024", "13/1/2024", "1/5/24", "1/5", "1/5/2024/1", "1-5-2024", "0/1/2024"})
        EXPECT_FALSE(Date::parse(bad).has_value()) << bad;
}

}  // namespace
