#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/print_job.h"
#include "ledger/totals.h"

// The daily and monthly financial reports: what one day or one month took in, from its totals
// record, as the report windows show it and as it is printed.
namespace innvera {

// The fourteen amounts in the reports' order, each with its label as the windows show it.
struct ReportAmount {
    const char* label;
    int slot;
};
std::span<const ReportAmount> reportAmounts();

// Every report shows and prints its amounts to the cent, and "Total Revenue" is the sum of the
// revenue amounts shown above it: room rent, tax and the sundry charges (slots 6 to 13), each
// rounded to the cent (ties to the even cent). Payments are never part of it.
double amountToTheCent(const Totals& totals, int slot);
double revenueToTheCent(const Totals& totals);

// The report's fourteen amounts as the windows' boxes show them, by totals slot (0 to 13),
// and "Total Revenue".
struct ReportFigures {
    std::array<std::string, 14> amounts;
    double totalRevenue = 0;
    std::string totalRevenueText;
};
// The boxes of both report windows: each amount to the cent, and the revenue summed from them.
ReportFigures reportFigures(const Totals& totals);

// "Daily Financial Report" of the date text: the fourteen amounts to the cent in the printer's
// number form at column 30, then "Total Revenue" in signed form.
PrintJob dailyFinancialReport(const std::string& dateText, const Totals& totals);
// "Financial Report", printed from the monthly report window: the month and year entries shown,
// the amounts and "Total Revenue" as the window shows them.
PrintJob financialReport(const std::string& monthEntry, const std::string& yearEntry, const Totals& totals);
// "Monthly Financial Report", printed by the end of day for the hotel date's month.
PrintJob monthlyFinancialReport(Date hotelDate, const Totals& totals);

// The month name the end of day prints for month 1 to 12 ("Janurary" for 1); empty otherwise.
std::string monthName(int month);

// The days the daily report window offers: from 31 days before the hotel date to the day
// after it, 33 in all, in order.
std::vector<Date> reportDays(Date hotelDate);

// The monthly report window's lists: "1-January" to "12-December", and "2017" to ten years past
// the current year (as the card-expiry lists run), so the current year is always there.
std::vector<std::string> monthEntries();
std::vector<std::string> yearEntries(int currentYear);
// The first day of the month a month entry and a year entry choose; nothing unless both are
// entries of the lists.
std::optional<Date> chosenMonth(std::string_view monthEntry, std::string_view yearEntry, int currentYear);

}  // namespace innvera
