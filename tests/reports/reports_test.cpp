// The printed financial and housekeeping reports, line by line, and what the report windows
// show of a day or a month.
#include <gtest/gtest.h>

#include "ledger/charge_codes.h"
#include "reports/financial_reports.h"
#include "reports/housekeeping_report.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

using Lines = std::vector<std::string>;

Totals totalsOf(std::initializer_list<std::pair<int, float>> values) {
    Totals totals;
    for (auto [slot, value] : values) totals.values[static_cast<std::size_t>(slot)] = value;
    return totals;
}

// Every amount is printed to the cent and "Total Revenue" is the sum of the revenue printed
// above it, whatever tenths of a cent a totals file holds.
TEST(DailyFinancialReport, PrintsEveryAmountToTheCentAndTotalsTheRevenueAboveIt) {
    const Totals day = totalsOf({{slot::RoomRent, 200}, {slot::Tax, 52.125f}, {slot::Cash, 100}, {slot::Visa, 72.8f},
                                 {slot::AmericanExpress, 45.5f}, {slot::DirectBill, 59.95f}, {slot::PetFee, 10},
                                 {slot::Copies, 0.25f}, {slot::RollAway, 15}, {slot::Other, -5.004f}});
    const PrintJob job = dailyFinancialReport("12/25/2024", day);
    EXPECT_EQ(job.document(), "Daily Financial Report");
    EXPECT_EQ(job.lines(), (Lines{"", "", "Daily Financial Report", "Date:  12/25/2024", "", "",
                                  "Rent                          200 ", "Tax                           52.12 ",
                                  "Cash                          100 ", "Visa                          72.8 ",
                                  "Master Card                   0 ", "Discover                      0 ",
                                  "American Express              45.5 ", "Direct Bill                   59.95 ",
                                  "Pet                           10 ", "Copies                        0.25 ",
                                  "Stamps                        0 ", "Roll Away                     15 ",
                                  "Wi-Fi                         0 ", "Other                        -5 ", "", "",
                                  "Total Revenue                 272.37"}));
    // A day with no postings prints zeros throughout.
    EXPECT_EQ(dailyFinancialReport("5/1/2019", Totals{}).lines().back(), "Total Revenue                 0");
    // The window shows the same figures.
    const ReportFigures shown = reportFigures(day);
    EXPECT_EQ(shown.amounts[slot::Tax] + "|" + shown.amounts[slot::Other] + "|" + shown.totalRevenueText, "52.12|-5|272.37");
}

TEST(MonthlyFinancialReport, TheWindowAndBothPrintoutsShowTheAmountsToTheCentUnderTheirTotal) {
    // Amounts an earlier installation summed in single precision, with tenths of a cent.
    const Totals month = totalsOf({{slot::RoomRent, 100.004f}, {slot::Tax, 12.004f}, {slot::Cash, 250.5f},
                                   {slot::PetFee, 0.006f}});
    EXPECT_EQ(reportFigures(month).totalRevenueText, "112.01");

    const Lines amounts{"Rent                          100",   "Tax                           12",
                        "Cash                          250.5", "Visa                          0",
                        "Master Card                   0",     "Discover                      0",
                        "American Expresss             0",     "Direct Bill                   0",
                        "Pet                           0.01",  "Copies                        0",
                        "Stamps                        0",     "Roll Away                     0",
                        "Wi-Fi                         0",     "Other                         0",
                        "",                                    "Total Revenue                 112.01"};
    // From the window: its entries as shown.
    const PrintJob window = financialReport("5-May", "2019", month);
    EXPECT_EQ(window.document(), "Financial Report");
    Lines expected{"", "Financial Report", "Month:  5-May", "Year:  2019", "", ""};
    expected.insert(expected.end(), amounts.begin(), amounts.end());
    EXPECT_EQ(window.lines(), expected);

    // From the end of day: the month's name.
    const PrintJob night = monthlyFinancialReport(Date::fromYmd(2019, 5, 31), month);
    EXPECT_EQ(night.document(), "Monthly Financial Report");
    expected = {"", "Monthly Financial Report", "Month:  May", "Year:  2019", "", ""};
    expected.insert(expected.end(), amounts.begin(), amounts.end());
    EXPECT_EQ(night.lines(), expected);
    EXPECT_EQ(monthlyFinancialReport(Date::fromYmd(2024, 1, 2), Totals{}).lines()[2], "Month:  Janurary");
}

// A room due out on `dueOut`: `flags` are its vacant, clean and status letters.
Room room(const char* number, const char* flags, Date dueOut, const char* comment = "") {
    return Room::decode(roomBytes(number, "", flags, 0, comment, dueOut.serial()));
}

TEST(HousekeepingReport, GivesEachRoomItsOccupancyStatusAndCommentInTheirColumns) {
    const Date today = may(1);
    const std::vector<Room> rooms{
        room("101", "YYK", today.plusDays(3), "CHECK TV"),       // vacant and clean, whatever its date
        room("102", "ONK", today),                               // due out today
        room("103", "ONX", today.plusDays(1), "LEAK UNDER SINK"),  // out of order, staying over
        room("104", "YN", today.plusDays(-2)),                   // vacant and dirty, no status
        room("1A", "Y Z", today.plusDays(1)),                    // vacant with no clean flag
    };
    EXPECT_EQ(occupancyText(rooms[1], today.plusDays(-1)), "Stay");
    const std::string rule(162, '-');
    const PrintJob job = housekeepingReport(rooms, today);
    EXPECT_EQ(job.document(), "Housekeeping Report");
    EXPECT_EQ(job.lines(), (Lines{"", "", "Housekeeping Report", "", "Date:  5/1/2019", "", "",
                                  "Room#              C/O S/O                  Status              Comment", rule,
                                  "101                EMPTY / CLEAN            OK                  CHECK TV", rule,
                                  "102                C/O                      OK                  ", rule,
                                  "103                Stay                     OOO                 LEAK UNDER SINK", rule,
                                  "104                EMPTY / DIRTY                                ", rule,
                                  "1A                 Stay                     Z                   ", rule}));
}

}  // namespace
