#include "reports/csv_exports.h"

#include <algorithm>

#include "core/csv.h"
#include "core/formats.h"
#include "core/record_file.h"
#include "core/stay_index.h"
#include "core/stays.h"
#include "reports/financial_reports.h"
#include "reports/housekeeping_report.h"

namespace innvera {

namespace {

// The headings of the financial reports' amounts after the first column's.
std::vector<std::string> amountHeadings(std::string first) {
    std::vector<std::string> headings{std::move(first)};
    for (const ReportAmount& amount : reportAmounts()) headings.emplace_back(amount.label);
    headings.emplace_back("Total Revenue");
    return headings;
}

std::vector<std::string> amountFields(std::string first, const Totals& totals) {
    std::vector<std::string> fields{std::move(first)};
    for (const ReportAmount& amount : reportAmounts())
        fields.push_back(csvAmount(amountToTheCent(totals, amount.slot)));
    fields.push_back(csvAmount(revenueToTheCent(totals)));
    return fields;
}

std::string trimmed(const Text& text) { return std::string(trimRight(text.str())); }

}  // namespace

std::string dailyCsv(const std::vector<std::pair<Date, Totals>>& days) {
    Csv csv;
    csv.row(amountHeadings("Date"));
    for (const auto& [day, totals] : days) csv.row(amountFields(csvDate(day), totals));
    return csv.text();
}

std::string dailyCsv(const DataDir& dir, Date first, Date last) {
    std::vector<std::pair<Date, Totals>> days;
    const std::vector<Totals> totals = readDayTotals(dir, first, last);
    for (std::size_t i = 0; i < totals.size(); ++i) days.emplace_back(first.plusDays(static_cast<int>(i)), totals[i]);
    return dailyCsv(days);
}

std::string monthlyCsv(int year, int month, const Totals& totals) {
    Csv csv;
    csv.row(amountHeadings("Month"));
    csv.row(amountFields(csvMonth(year, month), totals));
    return csv.text();
}

std::string monthlyCsv(const DataDir& dir, int year, int month) {
    return monthlyCsv(year, month, readMonthTotals(dir, Date::fromYmd(year, month, 1)));
}

std::string housekeepingCsv(const std::vector<Room>& rooms, Date hotelDate) {
    Csv csv{"Date", "Room", "C/O S/O", "Status", "Comment"};
    for (const Room& room : rooms)
        csv.row({csvDate(hotelDate), trimmed(room.roomNo), occupancyText(room, hotelDate), statusText(room),
                 trimmed(room.comment)});
    return csv.text();
}

std::string housekeepingCsv(DataDir& dir, Date hotelDate) {
    std::vector<Room> rooms;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) { rooms.push_back(room); });
    return housekeepingCsv(rooms, hotelDate);
}

std::optional<GuestListKind> guestListKind(std::string_view word) {
    for (GuestListKind kind : {GuestListKind::Arrivals, GuestListKind::Departures, GuestListKind::InHouse})
        if (word == guestListKindWord(kind)) return kind;
    return std::nullopt;
}

std::string guestListKindWord(GuestListKind kind) {
    switch (kind) {
    case GuestListKind::Arrivals:
        return "arrivals";
    case GuestListKind::Departures:
        return "departures";
    case GuestListKind::InHouse:
        return "in-house";
    }
    return "";
}

std::string guestListCsv(DataDir& dir, GuestListKind kind, Date first, Date last) {
    // (the list's date, record number) of every stay on the list.
    std::vector<std::pair<Date, std::uint32_t>> listed;
    const std::vector<StayEntry>& stays = dir.cache<StayIndex>().current().entries();
    for (std::size_t i = 0; i < stays.size(); ++i) {
        const StayEntry& stay = stays[i];
        if (stay.blank || stay.arrivalDate.serial() == 0 || stay.departDate.serial() == 0) continue;
        const auto recordNo = static_cast<std::uint32_t>(i + 1);
        const auto inPeriod = [&](Date day) { return first <= day && day <= last; };
        switch (kind) {
        case GuestListKind::Arrivals:
            if (inPeriod(stay.arrivalDate)) listed.emplace_back(stay.arrivalDate, recordNo);
            break;
        case GuestListKind::Departures:
            if (inPeriod(stay.departDate)) listed.emplace_back(stay.departDate, recordNo);
            break;
        case GuestListKind::InHouse:
            if (stay.arrivalDate <= last && stay.departDate.plusDays(-1) >= first && stay.departDate > stay.arrivalDate)
                listed.emplace_back(stay.arrivalDate, recordNo);
            break;
        }
    }
    std::sort(listed.begin(), listed.end());

    Csv csv{"Folio", "Room", "Guest", "Company", "Arrival", "Departure", "Nights", "Rate", "Pay Code", "Status"};
    for (const auto& [day, recordNo] : listed) {
        const std::optional<Guest> stay = stayAt(dir, recordNo);
        if (!stay) continue;  // the file became shorter since the index read it
        csv.row({plainNumber(stay->folioNo), trimmed(stay->roomNo), trimmed(stay->guestName), trimmed(stay->company),
                 csvDate(stay->arrivalDate), csvDate(stay->departDate),
                 std::to_string(stay->departDate.daysSince(stay->arrivalDate)), csvAmount(decimalOf(stay->rate)),
                 trimmed(stay->payType), stay->inHouse() ? "In House" : "Checked Out"});
    }
    return csv.text();
}

}  // namespace innvera
