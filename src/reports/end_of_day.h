#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/print_job.h"
#include "core/data_dir.h"
#include "core/desk.h"
#include "reports/backup.h"
#include "reports/data_check.h"

// The end-of-day run: closes the business day of the hotel date. It refuses while the day still
// has open arrivals or departures, backs the data directory up, charges one more night of room
// and tax to every stay in house, prints the daily, monthly and housekeeping reports and sets
// the end-of-day-done flag.
namespace innvera {

inline constexpr const char* kReservationsPending =
    "There are reservations pending that have not been checked in. Please cancel or check them in before "
    "continuing.";
inline constexpr const char* kCheckOutsPending =
    "There are guests showing checking out today. Please check them out or increase there check out date before "
    "continuing.";
inline constexpr const char* kEndOfDayDone = "Your end of day reports were done successfully.";

// The six steps of the run, each with its "Done" mark on the window.
enum class EndOfDayStep { Reservations, CheckOuts, RoomAndTax, DailyReport, MonthlyReport, Housekeeping };

// Where the night's backup goes: its folder of backups and its name.
struct NightlyBackup {
    std::filesystem::path folder;
    std::string name;
    int kept = kBackupsKept;
};

// What the night's charging did.
struct NightCharges {
    int charged = 0;         // stays charged one night
    int alreadyCharged = 0;  // stays whose folio held the night already
    int invoices = 0;        // direct-bill invoices opened
    // Direct-bill stays charged with no invoice: no account carries their number (or its name
    // cannot name an invoice file). Their rooms, in guest-file order.
    std::vector<std::string> notInvoiced;
    // Stays left uncharged because their record is damaged (a folio number or rate that is not
    // a usable number). Their rooms, in guest-file order.
    std::vector<std::string> damaged;
};

// What the clerk must see to after a run: the rooms charged with no invoice and the rooms not
// charged at all. Empty when there is nothing.
std::string nightChargesToSeeTo(const NightCharges& charges);

// Stays committed together: each stay's folio lines, totals and invoice are always in the same
// transaction, so a run cut off anywhere leaves every stay either charged in full or not at all.
inline constexpr std::size_t kStaysPerCommit = 25;

// The stays (by folio number) the nightly run has charged for the night of `hotelDate`, as its
// record (c:/motel/nightaudit: the night's day key, then a folio number a line) holds them; none
// when the record is of another night or missing.
std::set<float> nightCharged(DataDir& dir, Date hotelDate);

// Charges one night to every stay in house, in guest-file order, for the hotel date. A stay is
// skipped when the run has charged it tonight already (its record says so) or when it checked
// in tonight (the check-in posted the first night, with its "Total" line); a room-rent line a
// clerk posted on the folio screen does not count as the night. For each other stay, the folio
// gets a "Room Rent" line of its rate and a "Tax" line of the rate times the tax rate (a Single,
// unrounded), both are added to the month and day totals (slots 6 and 7), and a direct-bill stay
// gets a new invoice of its account holding the rent and the tax rounded to the cent. Commits
// after every few stays (kStaysPerCommit), each time with the record of the stays charged.
NightCharges chargeRoomAndTax(DataDir& dir, Date hotelDate);

// The three reports of the night, from the totals and rooms as they are now.
PrintJob endOfDayDailyReport(DataDir& dir, Date hotelDate);
PrintJob endOfDayMonthlyReport(DataDir& dir, Date hotelDate);
PrintJob endOfDayHousekeepingReport(DataDir& dir, Date hotelDate);

// What the run came to.
struct EndOfDayResult {
    bool done = false;      // it ran to the end and set the flag
    Date closed;            // the day it closed, when done
    // Shown under "ATTENTION!": why it stopped, or kEndOfDayDone; empty when the clerk chose not to
    // go on without a backup.
    std::string message;
    std::filesystem::path backup;  // the night's backup, once made
    NightCharges charges;
};

// The run, in this order: (1) an open reservation arriving on the hotel date stops it
// (kReservationsPending); (2) a stay in house departing on the hotel date stops it
// (kCheckOutsPending); both stop it before anything is written. Then the files the night will
// touch are checked (checkBeforeNight): when they disagree, `goOnDespite` is asked with the
// findings whether to run anyway (no answer, or No: the run stops with nothing written, not
// done, with no message). Then the data directory is
// backed up; when that fails, `goWithoutBackup` is asked, with the reason, whether to go on
// without it (no answer, or No: the run stops with nothing posted). (3) the night's room and
// tax; (4) the daily, (5) the monthly and (6) the housekeeping report are printed, one job each;
// then the end-of-day-done flag is set to 1.0, with the day closed beside it, and committed.
// `stepDone` hears of each of the six steps as it ends. A run stopped part-way can be made again:
// a stay charged tonight is never charged twice (see chargeRoomAndTax).
EndOfDayResult runEndOfDay(DataDir& dir, Date hotelDate, const NightlyBackup& backup, Printer& printer,
                           const std::function<void(EndOfDayStep)>& stepDone = {},
                           const std::function<bool(const std::string& why)>& goWithoutBackup = {},
                           const std::function<bool(const std::vector<Finding>& findings)>& goOnDespite = {});

// The question the end of day asks when its check finds something (see findingsQuestion):
// whether to run anyway.
std::string nightFindingsQuestion(const std::vector<Finding>& findings);

// The night closed last, when last night (the night before `today`, the system date) is closed:
// the run has finished for it. A second run the same night would close the next day early, so
// the window asks alreadyClosedQuestion instead, and on Yes prints the closed night's reports
// again (reprintEndOfDayReports), posting nothing.
std::optional<Date> closedNight(DataDir& dir, Date today);
std::string alreadyClosedQuestion(Date closed);
void reprintEndOfDayReports(DataDir& dir, Date closed, Printer& printer);
inline constexpr const char* kWithoutBackupQuestion = "Run the end of day without a backup?";
inline constexpr const char* kEndOfDayTitle = "End of Day";

}  // namespace innvera
