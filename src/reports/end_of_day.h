#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/print_job.h"
#include "core/data_dir.h"
#include "core/desk.h"
#include "reports/backup.h"

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

// Charges one night to every stay in house, in guest-file order, for the hotel date: a stay
// whose folio already holds a "E" line of the hotel date is skipped. For each other stay, the
// folio gets a "Room Rent" line of its rate and a "Tax" line of the rate times the tax rate
// (a Single, unrounded), both are added to the month and day totals (slots 6 and 7), and a
// direct-bill stay gets a new invoice of its account holding the rent and the tax rounded to
// the cent. Commits after every few stays (kStaysPerCommit) and at the end.
NightCharges chargeRoomAndTax(DataDir& dir, Date hotelDate);

// The three reports of the night, from the totals and rooms as they are now.
PrintJob endOfDayDailyReport(DataDir& dir, Date hotelDate);
PrintJob endOfDayMonthlyReport(DataDir& dir, Date hotelDate);
PrintJob endOfDayHousekeepingReport(DataDir& dir, Date hotelDate);

// What the run came to.
struct EndOfDayResult {
    bool done = false;      // it ran to the end and set the flag
    std::string message;    // shown under "ATTENTION!": why it stopped, or kEndOfDayDone
    std::filesystem::path backup;  // the night's backup, once made
    NightCharges charges;
};

// The run, in this order: (1) an open reservation arriving on the hotel date stops it
// (kReservationsPending); (2) a stay in house departing on the hotel date stops it
// (kCheckOutsPending); both stop it before anything is written. Then the data directory is
// backed up; a backup that fails stops the run with nothing posted. (3) the night's room and
// tax; (4) the daily, (5) the monthly and (6) the housekeeping report are printed, one job each;
// then the end-of-day-done flag is set to 1.0 and committed. `stepDone` hears of each of the
// six steps as it ends. The run can be made again at any time: a night already on a folio is
// never charged twice, and the reports print again.
EndOfDayResult runEndOfDay(DataDir& dir, Date hotelDate, const NightlyBackup& backup, Printer& printer,
                           const std::function<void(EndOfDayStep)>& stepDone = {});

}  // namespace innvera
