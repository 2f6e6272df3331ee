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

// Every box of money or rates reads its text through one parser; the table holds the texts
// clerks mistyped, each with what a money box, the folio screen's amount (a minus allowed) and
// the tax rate (four decimals) make of it.
TEST(ReadAmount, TakesDigitsWithOnePointAndTheBoxsDecimalsAndRefusesEverythingElse) {
    const std::string notMoney = "The amount must be a number, like 12.50.";
    const std::string notCorrectable = "The amount must be a number, like 12.50, or -12.50 to correct a posting.";
    const std::string notTax = "The tax rate must be a number, like .09 for 9%.";
    struct Case {
        const char* typed;
        std::string money, correctable, tax;  // the value read, or the refusal
    };
    const Case cases[] = {
        {"1o", notMoney, notCorrectable, notTax},
        {"5x", notMoney, notCorrectable, notTax},
        {"1x5", notMoney, notCorrectable, notTax},
        {".o9", notMoney, notCorrectable, notTax},
        {"abc", notMoney, notCorrectable, notTax},
        {"", notMoney, notCorrectable, notTax},
        {".", notMoney, notCorrectable, notTax},
        {"1.2.3", notMoney, notCorrectable, notTax},
        {"1e3", notMoney, notCorrectable, notTax},
        {"12.345", "The amount takes at most two decimals, like 12.50.",
         "The amount takes at most two decimals, like 12.50, or -12.50 to correct a posting.", "12.345"},
        {".09125", "The amount takes at most two decimals, like 12.50.",
         "The amount takes at most two decimals, like 12.50, or -12.50 to correct a posting.",
         "The tax rate takes at most four decimals, like .09 for 9%."},
        {" 12.5 ", "12.5", "12.5", "12.5"},
        {"12.", "12", "12", "12"},
        {"-3", "The amount can't be less than 0.", "-3", "The tax rate can't be less than 0."},
        {"-0", "The amount can't be less than 0.", "0", "The tax rate can't be less than 0."},
        {"1000000", kAmountTooLarge, kAmountTooLarge, kAmountTooLarge},
    };
    const auto read = [](const char* typed, const AmountBox& box) {
        const TypedAmount amount = readAmount(typed, box);
        return amount.value ? plainNumber(*amount.value) : amount.refusal;
    };
    for (const Case& c : cases) {
        EXPECT_EQ(read(c.typed, kAmountBox), c.money) << c.typed;
        EXPECT_EQ(read(c.typed, kCorrectableAmountBox), c.correctable) << c.typed;
        EXPECT_EQ(read(c.typed, kTaxRateBox), c.tax) << c.typed;
    }
    // Each box names itself.
    EXPECT_EQ(readAmount("5x", kRateBox).refusal, "The rate must be a number, like 65 or 59.95.");
    EXPECT_EQ(readAmount("1x5", kExtraChargeBox).refusal, "The extra charge must be a number, like 12.50.");
}

TEST(MoneyText, AFigureWorkedOutOnScreenShowsToTheCentWithoutSingleNoise) {
    // The figures a Single rate of 65.35 gave the check-in window, and half a cent to the even cent.
    EXPECT_EQ(moneyText(double(65.35f)) + " " + moneyText(2 * double(65.35f)) + " " + moneyText(200 - 2 * double(65.35f)) +
                  " " + moneyText(7.805) + " " + moneyText(-59.95),
              "65.35 130.7 69.3 7.8 -59.95");
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
