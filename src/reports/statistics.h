#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/data_dir.h"
#include "core/date.h"
#include "core/print_job.h"

// The owner's figures: how full the motel was each night, at what average rate, and what each
// room took, for a month (night by night) or a year (month by month), beside the same period one
// year earlier.
//
// - Rooms available: the rooms not out of order today, for every night (no history of the
//   out-of-order flag is kept, so today's state stands for every night).
// - Rooms sold: the stays whose dates cover the night (arrival up to the night before the
//   departure date as stored), in house or checked out.
// - Room revenue: the "Room Rent" (E) lines posted on the night's date on the folios of the stays
//   in house in the period, corrections (negative amounts) included; each amount rounded to the
//   cent as the folio balance rounds it. Rent billed on direct-bill invoices alone is not counted.
// - ADR: room revenue / rooms sold; RevPAR: room revenue / rooms available, to the nearest cent.
// - Other charges (pet fee, copies, stamps, roll-away, Wi-Fi, other; tax left out) and payments
//   (cash, the cards and direct bill): from the day totals.
// A damaged stay or folio line is counted nowhere and listed in `notCounted`.
namespace innvera {

// What is counted for one night, one month or a whole period. Amounts in cents.
struct Figures {
    std::int64_t roomsAvailable = 0;  // room nights
    std::int64_t roomsSold = 0;       // room nights
    std::int64_t roomRevenue = 0;
    std::int64_t otherCharges = 0;
    std::int64_t payments = 0;

    Figures& operator+=(const Figures& more);
};

// Occupancy in hundredths of a per cent (2128 is 21.28 %), half up; nothing when no room was
// available.
std::optional<std::int64_t> occupancyHundredths(const Figures& figures);
// Average daily rate in cents (half a cent up); nothing when no room was sold.
std::optional<std::int64_t> averageDailyRate(const Figures& figures);
// Revenue per available room in cents; nothing when no room was available.
std::optional<std::int64_t> revenuePerAvailableRoom(const Figures& figures);

// The nights from `first` to `last`.
struct Nights {
    Date first;
    Date last;
};

// One row's figures for one of the two periods; no nights where that period has no such row
// (29 February beside a year without one).
struct StatisticsCell {
    std::optional<Nights> nights;
    Figures figures;
};

struct StatisticsRow {
    StatisticsCell period;
    StatisticsCell yearBefore;
};

// A month (1 to 12) of a year, or the whole year (month 0).
struct StatisticsPeriod {
    int year = 0;
    int month = 0;

    bool wholeYear() const { return month == 0; }
    StatisticsPeriod yearBefore() const { return {year - 1, month}; }
    bool operator==(const StatisticsPeriod&) const = default;
};

// "May 2019", or "2019" for a whole year.
std::string periodName(StatisticsPeriod period);

struct Statistics {
    StatisticsPeriod period;
    std::vector<StatisticsRow> rows;  // a night each for a month, a month each for a year
    StatisticsRow total;
    bool periodStored = false;       // a stay, a folio line or day totals fall in the period
    bool yearBeforeStored = false;
    std::int64_t roomsInService = 0;  // rooms not out of order today
    std::vector<std::string> notCounted;  // damaged stays and folio lines, one a line
};

// The statistics of the period and of the same period a year earlier. The guest file is read
// through the stay index, and only the folios of stays in house in either period. A year
// outside 1900 to 9998 or a month outside 0 to 12 gives empty statistics.
Statistics readStatistics(DataDir& dir, StatisticsPeriod period);

// What the window says under the table: what each figure counts.
std::string statisticsNotes();
// What the window says when the period holds nothing: "Nothing is stored for May 2031."
std::string nothingStored(StatisticsPeriod period);

// A row's label: the night's date text ("5/1/2019") or the month ("May 2019"); the period's name
// for the total row; empty for a missing night.
std::string cellLabel(const StatisticsCell& cell, bool byMonth);

// The texts of a cell's eight figures, as the table, the print and the export give them: rooms
// available, rooms sold, occupancy %, room revenue, ADR, RevPAR, other charges, payments. Amounts
// with two decimals; a figure that cannot be worked out (ADR with no room sold) is empty, and so is
// every figure of a missing night.
std::vector<std::string> figureTexts(const StatisticsCell& cell);

// The export: the column headings, then a row per night (or month), then the total row labelled
// with the periods ("2019-05", "2019"); dates as YYYY-MM-DD.
std::string statisticsCsv(const Statistics& statistics);

// The printed table ("Statistics"): the periods, the rooms in service, a line per night (or
// month) and its year-before line under it, the totals, what the figures count and what was not
// counted. The window adds the chart on a page of its own.
PrintJob statisticsReport(const Statistics& statistics);

// The years the window offers: from the first year a stay arrived in (but no more than thirty
// years back, so a damaged date cannot make the list endless) to ten years past today's year.
std::vector<int> statisticsYears(DataDir& dir, Date today);

}  // namespace innvera
