#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/data_dir.h"
#include "core/date.h"
#include "core/print_job.h"

// The data check: whether the motel's files agree with each other (after a disk fault, a copy
// made by hand, an older program sharing the folder, or a bug). It only reads: nothing is made,
// changed or locked, so it may run while the desk works on the same directory.
namespace innvera {

// One thing the files disagree on.
struct Finding {
    std::string file;    // relative to the data directory: "guest", "dailycharge/ 1234", "rooms"
    std::string record;  // "record 12", "line 3"; empty when about the whole file
    std::string what;    // what disagrees, one sentence, naming the values

    bool operator==(const Finding&) const = default;
};

// One line: "guest, record 12: the folio number 7 is used by record 3 too."
std::string findingLine(const Finding& finding);

struct DataCheck {
    std::vector<Finding> findings;
    // A change in progress: the journal (.innvera-journal) is there. Said here, and the files it
    // names are not judged (a handler may be half-way through changing them). And a totals file
    // that disagrees with the folio lines but changed while the check ran, or disagrees when a
    // change began meanwhile: "totals/52019 changed while the check ran; check again." (a
    // posting made then may be in the totals but not in the folio lines read before it).
    std::vector<std::string> notes;

    bool agrees() const { return findings.empty(); }
};

// Reads the whole data directory once and reports every disagreement, in the order of the
// files: the counters, the rooms, the stays, the reservations, the accounts, the folios, the
// totals, the invoices and the messages. A damaged or unreadable file is a finding, never an
// exception; FileError only when the directory itself cannot be read.
DataCheck checkDataDir(const std::filesystem::path& root);

// Only what tonight's end of day will touch: the stays in house, their rooms and folio files,
// the counters they are numbered by, and the day and month totals of the hotel date against the
// folio lines of the stays that may have posted in that month (those in house, those that left
// up to 60 days before it, and, when the totals disagree without them, those whose folio file
// changed since the day before it began, whatever their departure date). The same findings, in the same words, as
// checkDataDir gives for those files. Reads only.
DataCheck checkBeforeNight(DataDir& dir, Date hotelDate);

// A question put to the clerk on findings: "The data check found 2 problems in `where`:", the
// first kFindingsAsked of them a line each, "(and M more)", then `question` after a blank line.
std::string findingsQuestion(const std::vector<Finding>& findings, const std::string& where,
                             const std::string& question);
inline constexpr std::size_t kFindingsAsked = 10;

// "3 findings.", "1 finding." or "No findings: the files agree."
std::string dataCheckSummary(const DataCheck& check);

// The check as a printed document: the heading with the data directory and the date and time,
// the notes, one line per finding (wrapped to the page, the rest of a line indented), then the
// summary.
PrintJob dataCheckPrintout(const DataCheck& check, const std::filesystem::path& root, Date day, TimeOfDay time);

// The widest line of the printout; longer findings go on under it, indented.
inline constexpr std::size_t kDataCheckPrintWidth = 90;

}  // namespace innvera
