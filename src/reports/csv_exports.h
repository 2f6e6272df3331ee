#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_dir.h"
#include "core/date.h"
#include "core/records.h"
#include "ledger/totals.h"

// The reports as comma-separated text for a spreadsheet (see core/csv.h): the daily and monthly
// financial reports, the housekeeping report and the guest list of a period.
namespace innvera {

// "Date" and the fourteen amounts of the daily report with "Total Revenue", a row per day: each
// amount rounded to the cent.
std::string dailyCsv(const std::vector<std::pair<Date, Totals>>& days);
// The days from `first` to `last` as the daily report reads each.
std::string dailyCsv(const DataDir& dir, Date first, Date last);
// "Month" (2019-05) and the same amounts, for one month's totals.
std::string monthlyCsv(int year, int month, const Totals& totals);
std::string monthlyCsv(const DataDir& dir, int year, int month);

// "Date", "Room", "C/O S/O", "Status", "Comment": a row per room in record order, as the
// housekeeping report prints it for the date.
std::string housekeepingCsv(const std::vector<Room>& rooms, Date hotelDate);
std::string housekeepingCsv(DataDir& dir, Date hotelDate);

// Which guests of a period the list holds.
enum class GuestListKind {
    Arrivals,    // arriving in the period
    Departures,  // departing in it (by the departure date as stored)
    InHouse,     // staying at least one night of it
};
// "arrivals", "departures", "in-house" (as the command line takes them); nothing for another word.
std::optional<GuestListKind> guestListKind(std::string_view word);
std::string guestListKindWord(GuestListKind kind);

// The guests of the period from `first` to `last`, in house or checked out: "Folio", "Room",
// "Guest", "Company", "Arrival", "Departure", "Nights", "Rate", "Pay Code", "Status" ("In House"
// or "Checked Out"), a row per stay in order of the list's date (the arrival, or the departure
// for departures), stays of one date in guest-file order. Stays whose dates cannot be read are
// left out. The stays are found through the stay index; only the listed ones are read whole.
std::string guestListCsv(DataDir& dir, GuestListKind kind, Date first, Date last);

}  // namespace innvera
