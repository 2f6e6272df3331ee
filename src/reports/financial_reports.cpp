#include "reports/financial_reports.h"

#include <cmath>

#include "core/formats.h"
#include "ledger/charge_codes.h"

namespace innvera {

namespace {

using ReportLine = ReportAmount;

// The printed lines in their order: the label and the totals slot of each amount.
constexpr std::array<ReportLine, 14> kLines{{
    {"Rent", slot::RoomRent},
    {"Tax", slot::Tax},
    {"Cash", slot::Cash},
    {"Visa", slot::Visa},
    {"Master Card", slot::MasterCard},
    {"Discover", slot::Discover},
    {"American Express", slot::AmericanExpress},
    {"Direct Bill", slot::DirectBill},
    {"Pet", slot::PetFee},
    {"Copies", slot::Copies},
    {"Stamps", slot::Stamps},
    {"Roll Away", slot::RollAway},
    {"Wi-Fi", slot::WiFi},
    {"Other", slot::Other},
}};

constexpr int kAmountColumn = 30;

float amountAt(const Totals& totals, int slot) { return totals.values[static_cast<std::size_t>(slot)]; }

// The monthly layouts spell the card "American Expresss".
const char* monthlyLabel(const ReportLine& line) {
    return line.slot == slot::AmericanExpress ? "American Expresss" : line.label;
}

// Lines 7 to 22 of both monthly layouts: the amounts to the cent in signed form, then the revenue.
void monthlyBody(PrintJob& job, const Totals& totals) {
    job.emptyLines(2);
    for (const ReportLine& line : kLines)
        job.line().text(monthlyLabel(line)).column(kAmountColumn).text(signedNumber(amountToTheCent(totals, line.slot)));
    job.emptyLines(1);
    job.line().text("Total Revenue").column(kAmountColumn).text(signedNumber(revenueToTheCent(totals)));
}

const std::array<const char*, 12> kMonthEntries{"1-January", "2-February", "3-March",     "4-April",
                                                "5-May",     "6-June",     "7-July",      "8-August",
                                                "9-September", "10-October", "11-November", "12-December"};
constexpr int kFirstYear = 2017;
constexpr int kYearsAhead = 10;

}  // namespace

double amountToTheCent(const Totals& totals, int slot) { return roundCents(decimalOf(amountAt(totals, slot))); }

std::span<const ReportAmount> reportAmounts() { return kLines; }

double revenueToTheCent(const Totals& totals) {
    double cents = 0;  // whole cents, exact
    for (int slot = slot::RoomRent; slot <= slot::Other; ++slot) cents += std::round(amountToTheCent(totals, slot) * 100);
    return cents / 100;
}

ReportFigures reportFigures(const Totals& totals) {
    ReportFigures figures;
    for (int slot = 0; slot < 14; ++slot)
        figures.amounts[static_cast<std::size_t>(slot)] = plainNumber(amountToTheCent(totals, slot));
    figures.totalRevenue = revenueToTheCent(totals);
    figures.totalRevenueText = plainNumber(figures.totalRevenue);
    return figures;
}

PrintJob dailyFinancialReport(const std::string& dateText, const Totals& totals) {
    PrintJob job("Daily Financial Report");
    job.emptyLines(2);
    job.line().text("Daily Financial Report");
    job.line().text("Date:  " + dateText);
    job.emptyLines(2);
    for (const ReportLine& line : kLines)
        job.line().text(line.label).column(kAmountColumn).number(amountToTheCent(totals, line.slot));
    job.emptyLines(2);
    job.line().text("Total Revenue").column(kAmountColumn).text(signedNumber(revenueToTheCent(totals)));
    return job;
}

PrintJob financialReport(const std::string& monthEntry, const std::string& yearEntry, const Totals& totals) {
    PrintJob job("Financial Report");
    job.emptyLines(1);
    job.line().text("Financial Report");
    job.line().text("Month:  " + monthEntry);
    job.line().text("Year:  " + yearEntry);
    monthlyBody(job, totals);
    return job;
}

PrintJob monthlyFinancialReport(Date hotelDate, const Totals& totals) {
    PrintJob job("Monthly Financial Report");
    job.emptyLines(1);
    job.line().text("Monthly Financial Report");
    job.line().text("Month:  " + monthName(hotelDate.month()));
    const std::string dateText = hotelDate.text();
    job.line().text("Year:  " + dateText.substr(dateText.size() - 4));
    monthlyBody(job, totals);
    return job;
}

std::string monthName(int month) {
    static const std::array<const char*, 12> names{"Janurary", "February", "March",     "April",   "May",      "June",
                                                   "July",     "August",   "September", "October", "November", "December"};
    return month >= 1 && month <= 12 ? names[static_cast<std::size_t>(month - 1)] : "";
}

std::vector<Date> reportDays(Date hotelDate) {
    std::vector<Date> days;
    for (int offset = -31; offset <= 1; ++offset) days.push_back(hotelDate.plusDays(offset));
    return days;
}

std::vector<std::string> monthEntries() { return {kMonthEntries.begin(), kMonthEntries.end()}; }

std::vector<std::string> yearEntries(int currentYear) {
    std::vector<std::string> years;
    for (int year = kFirstYear; year <= currentYear + kYearsAhead; ++year) years.push_back(std::to_string(year));
    return years;
}

std::optional<Date> chosenMonth(std::string_view monthEntry, std::string_view yearEntry, int currentYear) {
    int month = 0;
    for (std::size_t i = 0; i < kMonthEntries.size(); ++i)
        if (monthEntry == kMonthEntries[i]) month = static_cast<int>(i) + 1;
    int year = 0;
    for (int candidate = kFirstYear; candidate <= currentYear + kYearsAhead; ++candidate)
        if (yearEntry == std::to_string(candidate)) year = candidate;
    if (month == 0 || year == 0) return std::nullopt;
    return Date::fromYmd(year, month, 1);
}

}  // namespace innvera
