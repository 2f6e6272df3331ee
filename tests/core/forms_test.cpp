// Forms of numbers, dates and texts.
#include <gtest/gtest.h>

#include <clocale>

#include "core/date.h"
#include "core/forms.h"

using namespace innvera;

namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfATypedText) {
    EXPECT_DOUBLE_EQ(leadingNumber("12.50"), 12.5);
    EXPECT_DOUBLE_EQ(leadingNumber("12abc"), 12);
    EXPECT_DOUBLE_EQ(leadingNumber("  -5"), -5);
    EXPECT_DOUBLE_EQ(leadingNumber(".09"), 0.09);
    EXPECT_DOUBLE_EQ(leadingNumber("9%"), 9);
    EXPECT_DOUBLE_EQ(leadingNumber("1 000"), 1000);
    EXPECT_DOUBLE_EQ(leadingNumber("1.5e2x"), 150);
    EXPECT_DOUBLE_EQ(leadingNumber("2e"), 2);
    EXPECT_DOUBLE_EQ(leadingNumber(""), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("abc"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("-"), 0);
    EXPECT_DOUBLE_EQ(leadingNumber("1e999"), 0);  // not a finite amount
}

TEST(LeadingNumber, UsesAPointWhateverTheLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no German locale here";
    EXPECT_DOUBLE_EQ(leadingNumber("59.95"), 59.95);
    EXPECT_EQ(plainNumber(59.95), "59.95");
    std::setlocale(LC_NUMERIC, before.c_str());
}

TEST(NumberText, TellsANumberFromOtherText) {
    EXPECT_TRUE(isNumberText("65"));
    EXPECT_TRUE(isNumberText(" 59.95 "));
    EXPECT_TRUE(isNumberText("-5"));
    EXPECT_FALSE(isNumberText(""));
    EXPECT_FALSE(isNumberText("12abc"));
    EXPECT_FALSE(isNumberText("sixty"));
    EXPECT_FALSE(isNumberText("1e999"));
}

TEST(PlainNumber, SevenDigitsForSinglesFifteenForDoubles) {
    EXPECT_EQ(plainNumber(65.0f), "65");
    EXPECT_EQ(plainNumber(7.8f), "7.8");
    EXPECT_EQ(plainNumber(59.95f), "59.95");
    EXPECT_EQ(plainNumber(-5.0f), "-5");
    EXPECT_EQ(plainNumber(0.0f), "0");
    EXPECT_EQ(plainNumber(65 * 0.12f), "7.8");  // the single-precision tax
    EXPECT_EQ(plainNumber(65.0 * 0.12f), "7.79999982565641");
    EXPECT_EQ(plainNumber(1234.0), "1234");
    EXPECT_EQ(signedNumber(65.0f), " 65");
    EXPECT_EQ(signedNumber(-5.0), "-5");
    EXPECT_EQ(signedNumber(0.0), " 0");
}

TEST(RoundCents, TiesGoToTheEvenCent) {
    EXPECT_DOUBLE_EQ(roundCents(7.8049), 7.8);
    EXPECT_DOUBLE_EQ(roundCents(7.805), 7.8);
    EXPECT_DOUBLE_EQ(roundCents(7.815), 7.82);
    EXPECT_DOUBLE_EQ(roundCents(2.675), 2.68);
    EXPECT_DOUBLE_EQ(roundCents(-7.805), -7.8);
    EXPECT_DOUBLE_EQ(roundCents(65.0 * 0.12f), 7.8);
    EXPECT_DOUBLE_EQ(roundCents(12.3456), 12.35);
}

TEST(DateText, MonthDayYearWithoutLeadingZeros) {
    EXPECT_EQ(Date::fromYmd(2024, 1, 5).text(), "1/5/2024");
    EXPECT_EQ(Date::fromYmd(2024, 12, 25).text(), "12/25/2024");
    EXPECT_EQ(Date().text(), "12/30/1899");
    EXPECT_EQ(Date::fromYmd(2019, 5, 1).serial(), 43586);
    EXPECT_EQ(Date::fromYmd(2024, 2, 28).plusDays(1).text(), "2/29/2024");
}

TEST(DateText, ParsesOnlyRealDates) {
    EXPECT_EQ(Date::parse("12/25/2024"), Date::fromYmd(2024, 12, 25));
    EXPECT_EQ(Date::parse(" 1/5/2024 "), Date::fromYmd(2024, 1, 5));
    EXPECT_EQ(Date::parse("01/05/2024"), Date::fromYmd(2024, 1, 5));
    for (const char* bad : {"", "tomorrow", "2/30/2024", "13/1/2024", "1/5/24", "1/5", "1/5/2024/1", "1-5-2024", "0/1/2024"})
        EXPECT_FALSE(Date::parse(bad).has_value()) << bad;
}

TEST(TimeText, TwelveHourClockWithAmPm) {
    EXPECT_EQ((TimeOfDay{11, 5, 32}).text(), "11:05:32 AM");
    EXPECT_EQ((TimeOfDay{0, 0, 0}).text(), "12:00:00 AM");
    EXPECT_EQ((TimeOfDay{12, 30, 0}).text(), "12:30:00 PM");
    EXPECT_EQ((TimeOfDay{23, 59, 59}).text(), "11:59:59 PM");
    EXPECT_TRUE((TimeOfDay{11, 59, 59}).isMorning());
    EXPECT_FALSE((TimeOfDay{12, 0, 0}).isMorning());
}

TEST(Texts, WidthsCountCharactersNotBytes) {
    EXPECT_EQ(fitWidth("CAFÉ", 6), "CAFÉ  ");
    EXPECT_EQ(fitWidth("ABCDEFG", 5), "ABCDE");
    EXPECT_EQ(firstChars("éàü", 2), "éà");
    EXPECT_EQ(upperCase("smith é"), "SMITH É");
    EXPECT_EQ(upToFirstBlank("101  SMITH"), "101");
    EXPECT_EQ(trimRight("101  "), "101");
}

}  // namespace
