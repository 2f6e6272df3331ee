#include "reports/statistics.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "core/csv.h"
#include "core/formats.h"
#include "core/record_file.h"
#include "core/records.h"
#include "core/stay_index.h"
#include "ledger/charge_codes.h"
#include "ledger/folio_file.h"
#include "ledger/totals.h"
#include "reports/financial_reports.h"

namespace innvera {

namespace {

constexpr std::array<const char*, 12> kMonthNames{"January", "February", "March",     "April",   "May",      "June",
                                                  "July",    "August",   "September", "October", "November", "December"};

// a / b to the nearest whole number, half away from zero; b > 0.
std::int64_t dividedRounded(std::int64_t a, std::int64_t b) {
    return a >= 0 ? (2 * a + b) / (2 * b) : -((-2 * a + b) / (2 * b));
}

bool validPeriod(StatisticsPeriod period) {
    return period.year >= 1901 && period.year <= 9998 && period.month >= 0 && period.month <= 12;
}

Nights monthNights(int year, int month) {
    const Date first = Date::fromYmd(year, month, 1);
    const Date next = month == 12 ? Date::fromYmd(year + 1, 1, 1) : Date::fromYmd(year, month + 1, 1);
    return {first, next.plusDays(-1)};
}

Nights periodNights(StatisticsPeriod period) {
    if (period.wholeYear()) return {Date::fromYmd(period.year, 1, 1), Date::fromYmd(period.year, 12, 31)};
    return monthNights(period.year, period.month);
}

bool within(Date day, const Nights& nights) { return nights.first <= day && day <= nights.last; }
int indexOf(Date day, const Nights& nights) { return day.daysSince(nights.first); }
int length(const Nights& nights) { return nights.last.daysSince(nights.first) + 1; }

// An amount of a readable folio line in whole cents: the written digits when they hold no more
// than two decimals (as every posting writes them), else the amount rounded to the cent as the
// folio balance rounds it. Nothing for an amount no posting can have made.
std::optional<std::int64_t> centsOf(std::string_view text) {
    text = trimRight(text);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    std::int64_t whole = 0;
    std::size_t digits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 9) whole = whole * 10 + (text[i++] - '0'), ++digits;
    std::int64_t fraction = 0;
    std::size_t decimals = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && decimals < 3) fraction = fraction * 10 + (text[i++] - '0'), ++decimals;
    }
    if (digits > 0 && i == text.size() && decimals <= 2) {
        const std::int64_t cents = whole * 100 + (decimals == 1 ? fraction * 10 : fraction);
        return negative ? -cents : cents;
    }
    const double amount = leadingNumber(text);
    if (!std::isfinite(amount) || std::fabs(amount) > kLargestAmount) return std::nullopt;
    return std::llround(roundCents(amount) * 100);
}

// A totals slot in whole cents; nothing when it holds no amount a day can take.
std::optional<std::int64_t> slotCents(float value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e10f) return std::nullopt;
    return std::llround(roundCents(decimalOf(value)) * 100);
}

// What is wrong with a stay's keys, or nothing.
const char* stayDamage(const StayEntry& stay) {
    if (stay.arrivalDate.serial() == 0 || stay.departDate.serial() == 0) return "its dates cannot be read";
    if (stay.departDate < stay.arrivalDate) return "its departure date is before its arrival date";
    if (!std::isfinite(stay.folioNo) || stay.folioNo <= 0) return "its folio number is not usable";
    return nullptr;
}

std::string stayName(const StayEntry& stay) {
    return std::string(trimRight(stay.guestName.str())) + " in room " + std::string(trimRight(stay.roomNo.str()));
}

// What one period counts night by night, while the files are read.
struct Tally {
    explicit Tally(Nights span) : nights(span), sold(static_cast<std::size_t>(length(span))), revenue(sold.size()) {}

    Nights nights;
    std::vector<std::int64_t> sold;
    std::vector<std::int64_t> revenue;
    bool stored = false;

    // The nights of the stay (arrival up to the night before departure) that fall in the period.
    void sell(Date arrival, Date depart) {
        const Date from = std::max(arrival, nights.first);
        const Date to = std::min(depart.plusDays(-1), nights.last);
        for (Date night = from; night <= to; night = night.plusDays(1)) {
            ++sold[static_cast<std::size_t>(indexOf(night, nights))];
            stored = true;
        }
    }
    // A stay can hold lines of the period: in house in it, or still in house after arriving.
    bool touches(const StayEntry& stay) const {
        const Date last = stay.inHouse ? Date(INT_MAX) : stay.departDate;
        return stay.arrivalDate <= nights.last && last >= nights.first;
    }
};

Figures nightFigures(const Tally& tally, std::int64_t rooms, const std::vector<Totals>& days, Date night) {
    const auto i = static_cast<std::size_t>(indexOf(night, tally.nights));
    Figures f;
    f.roomsAvailable = rooms;
    f.roomsSold = tally.sold[i];
    f.roomRevenue = tally.revenue[i];
    const Totals& totals = days[i];
    for (int slot = slot::PetFee; slot <= slot::Other; ++slot) f.otherCharges += *slotCents(totals.values[static_cast<std::size_t>(slot)]);
    for (int slot = slot::Cash; slot <= slot::DirectBill; ++slot) f.payments += *slotCents(totals.values[static_cast<std::size_t>(slot)]);
    return f;
}

// The period's day totals, a day whose record holds a value that is no amount counted as
// nothing and listed.
std::vector<Totals> dayTotalsOf(const DataDir& dir, const Nights& nights, bool& stored, std::vector<std::string>& notCounted) {
    std::vector<Totals> days = readDayTotals(dir, nights.first, nights.last);
    for (std::size_t i = 0; i < days.size(); ++i) {
        bool damaged = false;
        for (int slot = 0; slot <= slot::Other; ++slot) {
            const float value = days[i].values[static_cast<std::size_t>(slot)];
            damaged |= !slotCents(value).has_value();
            stored |= value != 0;
        }
        if (damaged) {
            notCounted.push_back("The day totals of " + nights.first.plusDays(static_cast<int>(i)).text() +
                                 ": a figure in them is not an amount.");
            days[i] = Totals{};
        }
    }
    return days;
}

// The cells of the period's rows: a night each, or a month each.
std::vector<StatisticsCell> cellsOf(const Tally& tally, StatisticsPeriod period, std::int64_t rooms,
                                    const std::vector<Totals>& days) {
    std::vector<StatisticsCell> cells;
    if (!period.wholeYear()) {
        for (Date night = tally.nights.first; night <= tally.nights.last; night = night.plusDays(1))
            cells.push_back({Nights{night, night}, nightFigures(tally, rooms, days, night)});
        return cells;
    }
    for (int month = 1; month <= 12; ++month) {
        const Nights nights = monthNights(period.year, month);
        StatisticsCell cell{nights, {}};
        for (Date night = nights.first; night <= nights.last; night = night.plusDays(1))
            cell.figures += nightFigures(tally, rooms, days, night);
        cells.push_back(cell);
    }
    return cells;
}

std::string padLeft(std::string text, std::size_t width) {
    const std::size_t count = charCount(text);
    return count >= width ? text : std::string(width - count, ' ') + text;
}

std::string padRight(std::string text, std::size_t width) {
    const std::size_t count = charCount(text);
    return count >= width ? text : text + std::string(width - count, ' ');
}

// The CSV label of a cell: 2019-05-01 for a night, 2019-05 for a month, the period for the total.
std::string csvLabel(const StatisticsCell& cell, bool byMonth) {
    if (!cell.nights) return "";
    const Nights& n = *cell.nights;
    if (n.first == n.last && !byMonth) return csvDate(n.first);
    if (n.first.month() == n.last.month() && n.first.year() == n.last.year()) return csvMonth(n.first.year(), n.first.month());
    if (n.first.month() == 1 && n.last.month() == 12 && n.first.year() == n.last.year()) return std::to_string(n.first.year());
    return csvDate(n.first) + " to " + csvDate(n.last);
}

constexpr std::array<const char*, 8> kFigureHeadings{"Rooms Available", "Rooms Sold", "Occupancy %", "Room Revenue",
                                                    "ADR",             "RevPAR",     "Other Charges", "Payments"};

}  // namespace

Figures& Figures::operator+=(const Figures& more) {
    roomsAvailable += more.roomsAvailable;
    roomsSold += more.roomsSold;
    roomRevenue += more.roomRevenue;
    otherCharges += more.otherCharges;
    payments += more.payments;
    return *this;
}

std::optional<std::int64_t> occupancyHundredths(const Figures& figures) {
    if (figures.roomsAvailable <= 0) return std::nullopt;
    return dividedRounded(figures.roomsSold * 10000, figures.roomsAvailable);
}

std::optional<std::int64_t> averageDailyRate(const Figures& figures) {
    if (figures.roomsSold <= 0) return std::nullopt;
    return dividedRounded(figures.roomRevenue, figures.roomsSold);
}

std::optional<std::int64_t> revenuePerAvailableRoom(const Figures& figures) {
    if (figures.roomsAvailable <= 0) return std::nullopt;
    return dividedRounded(figures.roomRevenue, figures.roomsAvailable);
}

std::string periodName(StatisticsPeriod period) {
    if (period.wholeYear() || period.month > 12) return std::to_string(period.year);
    return std::string(kMonthNames[static_cast<std::size_t>(period.month - 1)]) + " " + std::to_string(period.year);
}

Statistics readStatistics(DataDir& dir, StatisticsPeriod period) {
    Statistics out;
    out.period = period;
    if (!validPeriod(period)) return out;

    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) {
        if (!room.outOfOrder()) ++out.roomsInService;
    });

    Tally now(periodNights(period));
    Tally before(periodNights(period.yearBefore()));
    // The folios to read: folio number and the guest record that carries it first.
    std::vector<std::pair<float, std::uint32_t>> folios;
    const StayIndex& index = dir.cache<StayIndex>().current();
    const std::vector<StayEntry>& stays = index.entries();
    for (std::size_t i = 0; i < stays.size(); ++i) {
        const StayEntry& stay = stays[i];
        if (stay.blank) continue;
        if (const char* damage = stayDamage(stay)) {
            const bool placed = stay.arrivalDate.serial() != 0 && stay.departDate.serial() != 0;
            const bool near = !placed || now.touches(stay) || before.touches(stay) || within(stay.departDate, now.nights) ||
                              within(stay.departDate, before.nights) || within(stay.arrivalDate, now.nights) ||
                              within(stay.arrivalDate, before.nights);
            if (near)
                out.notCounted.push_back("The stay of " + stayName(stay) + " (guest record " + std::to_string(i + 1) +
                                         "): " + damage + ".");
            continue;
        }
        now.sell(stay.arrivalDate, stay.departDate);
        before.sell(stay.arrivalDate, stay.departDate);
        if (now.touches(stay) || before.touches(stay)) folios.emplace_back(stay.folioNo, static_cast<std::uint32_t>(i + 1));
    }

    // Each folio once, however many stays carry its number.
    std::sort(folios.begin(), folios.end());
    folios.erase(std::unique(folios.begin(), folios.end(), [](const auto& a, const auto& b) { return a.first == b.first; }),
                 folios.end());
    std::vector<std::string> names;
    names.reserve(folios.size());
    for (const auto& folio : folios) names.push_back(folioKey(folio.first));
    dir.readEach(dir.folioCharges("").parent_path(), names, [&](std::size_t at, std::string_view text) {
        const auto [folioNo, recordNo] = folios[at];
        visitFolioText(text, [&](std::size_t lineNo, const std::optional<FolioLineView>& posting) {
            std::optional<std::int64_t> cents;
            if (posting) cents = centsOf(posting->amountText);
            if (!posting || !cents) {
                out.notCounted.push_back("Folio " + plainNumber(folioNo) + " of " + stayName(index.at(recordNo)) +
                                         ": line " + std::to_string(lineNo) + " cannot be read.");
                return;
            }
            for (Tally* tally : {&now, &before}) {
                if (!within(posting->postDate, tally->nights)) continue;
                tally->stored = true;
                if (trimRight(posting->code) == "E")
                    tally->revenue[static_cast<std::size_t>(indexOf(posting->postDate, tally->nights))] += *cents;
            }
        });
    });

    const std::vector<Totals> nowDays = dayTotalsOf(dir, now.nights, now.stored, out.notCounted);
    const std::vector<Totals> beforeDays = dayTotalsOf(dir, before.nights, before.stored, out.notCounted);
    out.periodStored = now.stored;
    out.yearBeforeStored = before.stored;

    const std::vector<StatisticsCell> nowCells = cellsOf(now, period, out.roomsInService, nowDays);
    const std::vector<StatisticsCell> beforeCells = cellsOf(before, period.yearBefore(), out.roomsInService, beforeDays);
    const std::size_t rows = std::max(nowCells.size(), beforeCells.size());
    for (std::size_t i = 0; i < rows; ++i) {
        StatisticsRow row;
        if (i < nowCells.size()) row.period = nowCells[i];
        if (i < beforeCells.size()) row.yearBefore = beforeCells[i];
        out.total.period.figures += row.period.figures;
        out.total.yearBefore.figures += row.yearBefore.figures;
        out.rows.push_back(row);
    }
    out.total.period.nights = now.nights;
    out.total.yearBefore.nights = before.nights;
    return out;
}

std::string statisticsNotes() {
    return "Rooms available: the rooms not out of order today, for every night (no history of out of order rooms "
           "is kept). Rooms sold: the stays whose dates cover the night, from the arrival to the night before the "
           "departure date as stored. Room revenue: the Room Rent lines posted on the night on the guests' folios, "
           "corrections included. ADR: room revenue / rooms sold. RevPAR: room revenue / rooms available. Other "
           "charges (tax not included) and payments: from the day totals.";
}

std::string nothingStored(StatisticsPeriod period) { return "Nothing is stored for " + periodName(period) + "."; }

std::string cellLabel(const StatisticsCell& cell, bool byMonth) {
    if (!cell.nights) return "";
    const Nights& n = *cell.nights;
    if (n.first == n.last && !byMonth) return n.first.text();
    if (n.first.month() == n.last.month() && n.first.year() == n.last.year())
        return periodName({n.first.year(), n.first.month()});
    if (n.first.month() == 1 && n.last.month() == 12 && n.first.year() == n.last.year()) return std::to_string(n.first.year());
    return n.first.text() + " to " + n.last.text();
}

std::vector<std::string> figureTexts(const StatisticsCell& cell) {
    if (!cell.nights) return std::vector<std::string>(kFigureHeadings.size());
    const Figures& f = cell.figures;
    const auto amount = [](std::optional<std::int64_t> cents) { return cents ? csvCents(*cents) : std::string(); };
    return {std::to_string(f.roomsAvailable),
            std::to_string(f.roomsSold),
            amount(occupancyHundredths(f)),
            csvCents(f.roomRevenue),
            amount(averageDailyRate(f)),
            amount(revenuePerAvailableRoom(f)),
            csvCents(f.otherCharges),
            csvCents(f.payments)};
}

std::string statisticsCsv(const Statistics& statistics) {
    const bool byMonth = statistics.period.wholeYear();
    std::vector<std::string> headings{byMonth ? "Month" : "Night"};
    headings.insert(headings.end(), kFigureHeadings.begin(), kFigureHeadings.end());
    headings.push_back(std::string("Year Before ") + (byMonth ? "Month" : "Night"));
    for (const char* heading : kFigureHeadings) headings.push_back(std::string("Year Before ") + heading);
    Csv csv;
    csv.row(headings);
    const auto add = [&](const StatisticsRow& row, bool total) {
        std::vector<std::string> fields{csvLabel(row.period, byMonth || total)};
        for (std::string& text : figureTexts(row.period)) fields.push_back(std::move(text));
        fields.push_back(csvLabel(row.yearBefore, byMonth || total));
        for (std::string& text : figureTexts(row.yearBefore)) fields.push_back(std::move(text));
        csv.row(fields);
    };
    if (statistics.periodStored) {
        for (const StatisticsRow& row : statistics.rows) add(row, false);
        add(statistics.total, true);
    }
    return csv.text();
}

PrintJob statisticsReport(const Statistics& statistics) {
    constexpr std::size_t kLabel = 20;
    constexpr std::array<std::size_t, 8> kWidths{9, 7, 8, 12, 10, 10, 10, 12};
    const bool byMonth = statistics.period.wholeYear();
    const auto line = [&](const std::string& label, const std::vector<std::string>& texts) {
        std::string text = padRight(label, kLabel);
        for (std::size_t i = 0; i < texts.size(); ++i) text += padLeft(texts[i], kWidths[i]);
        return std::string(trimRight(text));
    };

    PrintJob job("Statistics");
    job.emptyLines(1);
    job.line().text("Statistics");
    job.line().text("Period:  " + periodName(statistics.period));
    job.line().text("Compared with:  " + periodName(statistics.period.yearBefore()));
    job.line().text("Rooms in service:  " + std::to_string(statistics.roomsInService) + " (not out of order today)");
    job.emptyLines(1);
    job.line().text(line(byMonth ? "Month" : "Night", {"Rooms", "Rooms", "Occ.", "Room", "ADR", "RevPAR", "Other", "Payments"}));
    job.line().text(line("", {"avail.", "sold", "%", "revenue", "", "", "charges", ""}));
    const std::string rule(kLabel + 78, '-');
    job.line().text(rule);
    if (!statistics.periodStored) {
        job.line().text(nothingStored(statistics.period));
    } else {
        for (const StatisticsRow& row : statistics.rows) {
            for (const StatisticsCell* cell : {&row.period, &row.yearBefore})
                if (cell->nights) job.line().text(line(cellLabel(*cell, byMonth), figureTexts(*cell)));
        }
        job.line().text(rule);
        job.line().text(line("Total " + cellLabel(statistics.total.period, true), figureTexts(statistics.total.period)));
        job.line().text(line("Total " + cellLabel(statistics.total.yearBefore, true), figureTexts(statistics.total.yearBefore)));
        if (!statistics.yearBeforeStored) job.line().text(nothingStored(statistics.period.yearBefore()));
    }
    job.emptyLines(1);
    // What the figures count, in lines the width of the table.
    std::string words = statisticsNotes(), current;
    std::size_t from = 0;
    while (from < words.size()) {
        std::size_t to = words.find(' ', from);
        if (to == std::string::npos) to = words.size();
        const std::string word = words.substr(from, to - from);
        if (!current.empty() && current.size() + 1 + word.size() > rule.size()) {
            job.line().text(current);
            current.clear();
        }
        current += (current.empty() ? "" : " ") + word;
        from = to + 1;
    }
    if (!current.empty()) job.line().text(current);
    if (!statistics.notCounted.empty()) {
        job.emptyLines(1);
        job.line().text("Not counted (damaged):");
        for (const std::string& item : statistics.notCounted) job.line().text("  " + item);
    }
    return job;
}

std::vector<int> statisticsYears(DataDir& dir, Date today) {
    const int thisYear = today.year();
    Date earliest = today;
    for (const StayEntry& stay : dir.cache<StayIndex>().current().entries())
        if (!stay.blank && stay.arrivalDate < earliest && !stayDamage(stay)) earliest = stay.arrivalDate;
    const int first = std::max(earliest.year(), thisYear - 30);
    std::vector<int> years;
    for (int year = first; year <= thisYear + 10; ++year) years.push_back(year);
    return years;
}

}  // namespace innvera
