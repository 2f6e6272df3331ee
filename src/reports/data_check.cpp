#include "reports/data_check.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <string_view>
#include <tuple>
#include <unordered_map>

#include "core/formats.h"
#include "core/records.h"
#include "core/stays.h"
#include "ledger/charge_codes.h"
#include "ledger/folio_file.h"
#include "ledger/invoices.h"
#include "ledger/totals.h"
#include "platform/file_layer.h"
#include "platform/journal.h"

namespace innvera {

namespace fs = std::filesystem;

std::string findingLine(const Finding& finding) {
    std::string line = finding.file;
    if (!finding.record.empty()) line += ", " + finding.record;
    return line + ": " + finding.what + ".";
}

std::string findingsQuestion(const std::vector<Finding>& findings, const std::string& where,
                             const std::string& question) {
    const std::size_t count = findings.size();
    std::string text = "The data check found " + std::to_string(count) + (count == 1 ? " problem" : " problems") +
                       " in " + where + ":\n";
    for (std::size_t i = 0; i < count && i < kFindingsAsked; ++i) text += findingLine(findings[i]) + "\n";
    if (count > kFindingsAsked) text += "(and " + std::to_string(count - kFindingsAsked) + " more)\n";
    return text + "\n" + question;
}

std::string dataCheckSummary(const DataCheck& check) {
    if (check.findings.empty()) return "No findings: the files agree.";
    const std::size_t count = check.findings.size();
    return std::to_string(count) + (count == 1 ? " finding." : " findings.");
}

namespace {

constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2099;
// The highest whole number a Single counts exactly: no counter goes beyond it.
constexpr float kLastWholeSingle = 16777216.0f;
// How far before the month a checked-out stay's departure may lie for its folio to still be
// read by the night's check: a stay checked out late posts after its departure date.
constexpr int kLateCheckOutDays = 60;
// A folio file changed since the day before the month began (a day for the clock's zone) is
// read by the night's check whatever its stay's departure date says: the date is typed by the
// clerk and not changed at check-out.
constexpr int kChangedFolioMarginDays = 1;
// Invoices missing below an account's counter that are named one by one.
constexpr std::size_t kMissingInvoicesNamed = 10;
// Folio files read together from their folder.
constexpr std::size_t kFilesPerBatch = 4096;

const char* const kFolios = "dailycharge";
const char* const kMonthTotals = "totals";
const char* const kDayTotals = "dailytotals";
const char* const kInvoices = "directinvoice";
const char* const kMessages = "message";

std::string recordNo(std::uint64_t n) { return "record " + std::to_string(n); }
std::string lineNo(std::size_t n) { return "line " + std::to_string(n); }
std::string in(const char* folder, std::string_view name) { return std::string(folder) + "/" + std::string(name); }
std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A sum of money as the findings name it: to a ten-thousandth, in plain form (65, 259.95).
std::string figure(double value) {
    if (!std::isfinite(value)) return plainNumber(value);
    return plainNumber(std::round(value * 10000) / 10000);
}

bool isCount(float value, float least) {
    return std::isfinite(value) && value >= least && value <= kLastWholeSingle && std::trunc(value) == value;
}

// Why the stored date `name` is no day of the years the motel's files hold; nothing when it is
// one. A date of zero bytes was never written: fine where `mayBeUnset`.
std::optional<std::string> dateProblem(const Bytes& record, std::size_t offset, std::string_view name,
                                       bool mayBeUnset) {
    const double stored = storedDateAt(record.data() + offset);
    const bool zeroBytes = std::all_of(record.begin() + offset, record.begin() + offset + 8, [](char c) { return c == 0; });
    if (zeroBytes && mayBeUnset) return std::nullopt;
    if (!std::isfinite(stored)) return "the " + std::string(name) + " is not a number of days (" + plainNumber(stored) + ")";
    const Date day = Date::fromStored(stored);
    if (day.year() >= kFirstYear && day.year() <= kLastYear) return std::nullopt;
    const bool readable = day.serial() == std::floor(stored);
    return "the " + std::string(name) + " " + (readable ? day.text() : "stored as " + plainNumber(stored)) +
           " is outside the years " + std::to_string(kFirstYear) + " to " + std::to_string(kLastYear);
}

std::optional<std::string> dayProblem(Date day, std::string_view name) {
    if (day.year() >= kFirstYear && day.year() <= kLastYear) return std::nullopt;
    return "the " + std::string(name) + " " + day.text() + " is outside the years " + std::to_string(kFirstYear) +
           " to " + std::to_string(kLastYear);
}

bool allZero(const char* data, std::size_t size) {
    return std::all_of(data, data + size, [](char c) { return c == 0; });
}

// What stands at the path when it is not a regular file ("a folder"); empty for a regular file
// or nothing at all.
std::string kindOf(const fs::file_status& status) {
    switch (status.type()) {
    case fs::file_type::not_found:
    case fs::file_type::regular: return "";
    case fs::file_type::directory: return "a folder";
    case fs::file_type::symlink: return "a symbolic link";
    case fs::file_type::fifo: return "a pipe";
    case fs::file_type::block:
    case fs::file_type::character: return "a device";
    case fs::file_type::socket: return "a socket";
    default: return "something other than a regular file";
    }
}

std::string notAFile(const fs::path& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(path, error);
    if (error)
        return error == std::errc::no_such_file_or_directory ? ""
                                                              : "something that cannot be looked at (" + error.message() + ")";
    return kindOf(status);
}

// The name of a totals slot: "slot 6 (Room Rent)"; an unused slot by its number alone.
std::string slotName(std::size_t slot) {
    for (const ChargeCode& code : chargeCodes())
        if (code.slot && static_cast<std::size_t>(*code.slot) == slot)
            return "slot " + std::to_string(slot) + " (" + std::string(code.description) + ")";
    return "slot " + std::to_string(slot);
}

// Half the step between a Single and the next at the size of `value`: what one addition to a
// running sum kept as a Single may round away.
double halfUlp(double value) {
    const float size = static_cast<float>(std::min<double>(std::fabs(value), std::numeric_limits<float>::max()));
    return (static_cast<double>(std::nextafter(size, std::numeric_limits<float>::infinity())) - size) / 2;
}

// The running sum of one totals slot as the folio lines make it, with how far a sum kept as a
// Single one posting at a time may honestly stray from it.
struct SlotSum {
    double sum = 0;
    double slack = 0.005;  // half a cent, plus what each line adds below

    void add(double amount, bool fractionOfCent) {
        const double before = sum;
        sum += amount;
        slack += halfUlp(std::max(std::fabs(before), std::fabs(sum)));
        if (fractionOfCent) slack += 0.005;
    }
};

// The postings of one day or one month, by slot.
struct PeriodSums {
    std::array<SlotSum, slot::Count> slots{};
    bool posted = false;    // a line posted to a slot
    bool unjudged = false;  // a folio a change in progress is writing posted here
};

// Record 1 of a totals file as read: its Singles (zeros for a file too short to hold them, as
// every reader takes it).
struct TotalsFile {
    std::array<float, slot::Count> values{};
};

// A month as its totals key and text name it: the month of a date, by year and month.
int monthIndex(Date day) { return day.year() * 12 + day.month() - 1; }
Date firstOfMonth(int index) { return Date::fromYmd(index / 12, index % 12 + 1, 1); }

// The folder's entries by kind: regular files by name (sorted), and what else stands there.
struct FolderList {
    std::vector<std::string> files;
    std::vector<std::pair<std::string, std::string>> others;  // name, what stands there
    bool has(const std::string& name) const { return std::binary_search(files.begin(), files.end(), name); }
    bool holdsOther(const std::string& name) const {
        return std::any_of(others.begin(), others.end(), [&](const auto& other) { return other.first == name; });
    }
};

// Nanoseconds since 1/1/1970 (UTC), as the files' modification times are kept.
std::int64_t nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
}
std::int64_t midnightNs(Date day) {
    return std::int64_t(day.daysSince(Date::fromYmd(1970, 1, 1))) * 86400 * 1000000000;
}

// The check's working state: what it has read so far and what it has found.
class Checker {
public:
    explicit Checker(const DataDir& dir) : dir_(dir), startNs_(nowNs()) {}

    // ---- findings -----------------------------------------------------------------------

    // Notes the journal of a change in progress; the files it names are not judged.
    void readJournal() {
        std::error_code error;
        const fs::path journal = dir_.root() / Journal::kFileName;
        journalAtStart_ = dir_.stamp(journal);
        if (!fs::exists(fs::symlink_status(journal, error))) return;
        std::vector<std::string> named;
        try {
            if (const auto bytes = readWholeFile(journal)) named = Journal::filesNamed(*bytes);
        } catch (const FileError& error) {
            add(Journal::kFileName, "", "the journal cannot be read: " + error.reason());
            return;
        }
        for (const std::string& file : named) unjudged_.insert(file);
        std::string note = "A change is in progress (the journal " + std::string(Journal::kFileName) + " is there)";
        if (named.empty()) {
            note += "; it names no file yet.";
        } else {
            note += "; the files it names were not judged:";
            for (std::size_t i = 0; i < named.size(); ++i) note += (i == 0 ? " " : ", ") + named[i];
            note += ".";
        }
        check_.notes.push_back(note);
    }

    bool judged(const std::string& file) const { return !unjudged_.count(file); }

    // A finding about `file`, left out when it, or another file it is about, is not judged.
    void add(const std::string& file, std::string record, std::string what, const std::string& alsoAbout = "") {
        if (!judged(file) || (!alsoAbout.empty() && !judged(alsoAbout))) return;
        check_.findings.push_back({file, std::move(record), std::move(what)});
    }

    DataCheck take() { return std::move(check_); }

    // ---- files ----------------------------------------------------------------------------

    // False, with a finding, when something other than a regular file stands at the name.
    bool fileOrNothing(const std::string& name) {
        const std::string other = notAFile(dir_.root() / name);
        if (other.empty()) return true;
        add(name, "", other + " stands where a data file is expected");
        return false;
    }

    // The folder's entries; a finding for a file standing at its name, and none for a missing one.
    // Whether the folder is there to be read; what stands at its name instead is a finding.
    bool folderStands(const char* folder) {
        std::error_code error;
        const fs::file_status status = fs::symlink_status(dir_.root() / folder, error);
        if (status.type() == fs::file_type::not_found) return false;
        if (status.type() != fs::file_type::directory) {
            add(folder, "", "a file stands where the folder of these files is expected");
            return false;
        }
        return true;
    }

    FolderList listFolder(const char* folder) {
        FolderList list;
        const fs::path path = dir_.root() / folder;
        std::error_code error;
        if (!folderStands(folder)) return list;
        for (fs::directory_iterator entry(path, error), end; !error && entry != end; entry.increment(error)) {
            const std::string name = entry->path().filename().string();
            // The kind the folder's listing gives, without a look at each file.
            std::error_code kindError;
            const fs::file_status kind = entry->symlink_status(kindError);
            const std::string other = kindError ? notAFile(entry->path()) : kindOf(kind);
            if (other.empty()) list.files.push_back(name);
            else list.others.emplace_back(name, other);
        }
        if (error) add(folder, "", "the folder cannot be read to its end: " + error.message());
        std::sort(list.files.begin(), list.files.end());
        std::sort(list.others.begin(), list.others.end());
        for (const auto& [name, other] : list.others) add(in(folder, name), "", other + " stands where a data file is expected");
        return list;
    }

    // The entries of the folder that `names` name, each looked at by itself; what stands there
    // instead of a file is a finding, as in a listing of the folder.
    FolderList listNamed(const char* folder, std::vector<std::string> names) {
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        FolderList list;
        if (!folderStands(folder)) return list;
        for (const std::string& name : names) {
            std::error_code error;
            const fs::file_status status = fs::symlink_status(dir_.root() / folder / name, error);
            if (status.type() == fs::file_type::not_found) continue;
            const std::string other = error ? notAFile(dir_.root() / folder / name) : kindOf(status);
            if (other.empty()) list.files.push_back(name);
            else list.others.emplace_back(name, other);
        }
        for (const auto& [name, other] : list.others) add(in(folder, name), "", other + " stands where a data file is expected");
        return list;
    }
    // The folder's regular files, listed without a finding.
    FolderList wholeFolder(const char* folder) const {
        FolderList list;
        std::error_code error;
        for (fs::directory_iterator entry(dir_.root() / folder, error), end; !error && entry != end; entry.increment(error)) {
            std::error_code kindError;
            if (entry->symlink_status(kindError).type() == fs::file_type::regular && !kindError)
                list.files.push_back(entry->path().filename().string());
        }
        std::sort(list.files.begin(), list.files.end());
        return list;
    }

    // Hands each named file of the folder to `visit` whole (with its index in `names`); a file
    // that cannot be read is a finding, and the others are still read.
    void readFiles(const char* folder, const std::vector<std::string>& names,
                   const std::function<void(std::size_t index, std::string_view bytes)>& visit) {
        for (std::size_t from = 0; from < names.size();) {
            const std::size_t to = std::min(names.size(), from + kFilesPerBatch);
            const std::vector<std::string> batch(names.begin() + static_cast<std::ptrdiff_t>(from),
                                                 names.begin() + static_cast<std::ptrdiff_t>(to));
            std::size_t next = 0;  // the first of the batch not visited yet
            try {
                dir_.readEach(dir_.root() / folder, batch, [&](std::size_t i, std::string_view bytes) {
                    next = i + 1;
                    visit(from + i, bytes);
                });
                from = to;
            } catch (const FileError& error) {
                // The file after the last one read failed (or was passed over as missing).
                std::size_t failed = next;
                while (failed < batch.size() && dir_.root() / folder / batch[failed] != error.path()) ++failed;
                if (failed == batch.size()) failed = next;
                if (failed < batch.size()) {
                    const std::string other = notAFile(error.path());
                    add(in(folder, batch[failed]), "",
                        other.empty() ? "the file cannot be read: " + error.reason() : other + " stands where a data file is expected");
                }
                from += std::min(failed + 1, batch.size());
            }
        }
    }

    // The records of a record file at the root: each whole record that is not zero bytes goes
    // to `visit(bytes, number)`; a record of zero bytes, a partial record at the end and a file
    // that cannot be read are findings.
    template <class Visit>
    void readRecords(const std::string& name, std::size_t length, Visit&& visit) {
        if (!fileOrNothing(name)) return;
        std::uint64_t n = 0;
        std::size_t rest = 0;
        Bytes bytes(length);
        try {
            dir_.readBlocks(dir_.root() / name, length * std::max<std::size_t>(1, (1u << 20) / length),
                            [&](const char* data, std::size_t size) {
                                std::size_t at = 0;
                                for (; at + length <= size; at += length) {
                                    ++n;
                                    if (allZero(data + at, length)) {
                                        add(name, recordNo(n), "the record is all zero bytes");
                                        continue;
                                    }
                                    std::copy_n(data + at, length, bytes.begin());
                                    visit(bytes, n);
                                }
                                rest = size - at;
                                return true;
                            });
        } catch (const FileError& error) {
            add(name, "", "the file cannot be read: " + error.reason());
            return;
        }
        if (rest) add(name, "", partialRecord(rest, length));
    }

    static std::string partialRecord(std::size_t rest, std::size_t length) {
        return "the file ends in a partial record of " + std::to_string(rest) + " bytes (a record is " +
               std::to_string(length) + " bytes)";
    }

    // Records in a file's bytes, as readRecords, for the files read whole from a folder.
    template <class Visit>
    void recordsIn(const std::string& name, std::string_view text, std::size_t length, Visit&& visit) {
        Bytes bytes(length);
        std::uint64_t n = 0;
        std::size_t at = 0;
        for (; at + length <= text.size(); at += length) {
            ++n;
            if (allZero(text.data() + at, length)) {
                add(name, recordNo(n), "the record is all zero bytes");
                continue;
            }
            std::copy_n(text.data() + at, length, bytes.begin());
            visit(bytes, n);
        }
        if (at < text.size()) add(name, "", partialRecord(text.size() - at, length));
    }

    // ---- counters -----------------------------------------------------------------------------

    // The first bytes of a small file at the root into `bytes` (zeros where it is short or
    // missing); false, with a finding, when it cannot be read.
    bool readStart(const std::string& name, Bytes& bytes) {
        if (!fileOrNothing(name)) return false;
        try {
            dir_.readAt(dir_.root() / name, 0, bytes.data(), bytes.size());
        } catch (const FileError& error) {
            add(name, "", "the file cannot be read: " + error.reason());
            return false;
        }
        return true;
    }

    // The Single at the start of a counter or flag file (0 when it is missing); nothing, with a
    // finding, when it cannot be read.
    std::optional<float> firstSingle(const std::string& name) {
        Bytes bytes(4, '\0');
        if (!readStart(name, bytes)) return std::nullopt;
        return singleAt(bytes.data());
    }

    // A number counter: the last number given out, when it holds a sound one.
    std::optional<float> counter(const std::string& name) {
        const auto value = firstSingle(name);
        if (!value) return std::nullopt;
        if (!isCount(*value, 0)) {
            add(name, "", "the counter holds " + plainNumber(*value) + ", not a whole number of 0 or more");
            return std::nullopt;
        }
        return value;
    }

    void readCounters() {
        folioCounter_ = counter("folio");
        confirmationCounter_ = counter("confirmation");
        accountCounter_ = counter("directnumber");
    }

    void checkSettings() {
        if (const auto tax = firstSingle("tax"); tax && !(std::isfinite(*tax) && *tax >= 0 && *tax < 1))
            add("tax", "", "the tax rate " + plainNumber(*tax) + " is not a fraction from 0 to 1");
        for (const char* option : {"printfolio", "intro"})
            if (const auto value = firstSingle(option); value && !std::isfinite(*value))
                add(option, "", "the option holds " + plainNumber(*value) + ", not a number");
        if (const auto flag = firstSingle("datedone"); flag && *flag != 0 && *flag != 1)
            add("datedone", "", "the flag holds " + plainNumber(*flag) + ", neither 0 nor 1");
        Bytes audit(EndOfDayFlagRecord::kLength, '\0');
        if (readStart("dateaudit", audit)) {
            const float flag = singleAt(audit.data());
            if (flag != 0 && flag != 1) add("dateaudit", "", "the flag holds " + plainNumber(flag) + ", neither 0 nor 1");
            const std::size_t closedDay = fieldOffset(kEndOfDayFlagFields, &EndOfDayFlagRecord::closedDay);
            if (auto problem = dateProblem(audit, closedDay, "day closed", true)) add("dateaudit", "", *problem);
        }
        for (const char* text : {"nightaudit", "motel.conf"}) fileOrNothing(text);
    }

    // ---- rooms ---------------------------------------------------------------------------------

    struct RoomSeen {
        std::uint64_t n;
        std::string number;  // trailing blanks removed
        bool occupied;
    };

    void readRooms() {
        readRecords("rooms", Room::kLength, [&](const Bytes& bytes, std::uint64_t n) {
            const Room room = Room::decode(bytes);
            if (room.blank()) return;
            if (!std::isfinite(room.rate) || std::fabs(room.rate) > kLargestAmount)
                add("rooms", recordNo(n), "the rate " + plainNumber(room.rate) + " is not an amount the files can hold");
            for (const auto& [offset, name] : {std::pair{fieldOffset(kRoomFields, &Room::enteredDate), "date entered"},
                                               std::pair{fieldOffset(kRoomFields, &Room::dueOutDate), "due-out date"}})
                if (auto problem = dateProblem(bytes, offset, name, true)) add("rooms", recordNo(n), *problem);
            const std::string number(trimRight(room.roomNo.str()));
            if (!room.occupied() && !room.vacant())
                add("rooms", recordNo(n), "room " + number + " has the vacant flag " + inQuotes(room.vacantFlag.str()) +
                                              ", neither Y (vacant) nor O (occupied)");
            rooms_.push_back({n, number, room.occupied()});
        });
    }

    // ---- stays -----------------------------------------------------------------------------

    struct StaySeen {
        std::uint64_t n;
        float folioNo;
        std::string room;  // trailing blanks removed
        float account;     // direct-bill account number, 0 when none
        bool inHouse;
        bool folioSound;
    };

    // The checks of one stay on its own; keeps what the checks across files need.
    void checkStay(const Guest& stay, const Bytes& bytes, std::uint64_t n) {
        const std::string record = recordNo(n);
        const bool folioSound = isCount(stay.folioNo, 1);
        if (!folioSound)
            add("guest", record, "the folio number " + plainNumber(stay.folioNo) + " is not a whole number of 1 or more");
        else if (folioCounter_ && stay.folioNo > *folioCounter_)
            add("guest", record, "the folio number " + plainNumber(stay.folioNo) + " is above the folio counter, which holds " +
                                     plainNumber(*folioCounter_));
        if (!std::isfinite(stay.rate) || std::fabs(stay.rate) > kLargestAmount)
            add("guest", record, "the rate " + plainNumber(stay.rate) + " is not an amount the files can hold");
        if (!isCount(stay.directBillNo, 0))
            add("guest", record, "the direct-bill account number " + plainNumber(stay.directBillNo) +
                                     " is not a whole number of 0 or more");
        for (const auto& [offset, name] :
             {std::pair{fieldOffset(kGuestFields, &Guest::arrivalDate), "arrival date"},
              std::pair{fieldOffset(kGuestFields, &Guest::departDate), "departure date"}})
            if (auto problem = dateProblem(bytes, offset, name, false)) add("guest", record, *problem);
        stays_.push_back({n, stay.folioNo, std::string(trimRight(stay.roomNo.str())),
                          isCount(stay.directBillNo, 0) ? stay.directBillNo : 0, stay.inHouse(), folioSound});
    }

    void readStays() {
        readRecords("guest", Guest::kLength, [&](const Bytes& bytes, std::uint64_t n) {
            const Guest stay = Guest::decode(bytes);
            if (!stay.blank()) checkStay(stay, bytes, n);
        });
    }

    // The first record of each number in `numbered` (number, record), and a finding for each later one.
    template <class Number, class Name>
    void usedTwice(std::vector<std::pair<Number, std::uint64_t>> numbered, const std::string& file, Name&& what) {
        std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) {
            return a.first < b.first || (a.first == b.first && a.second < b.second);
        });
        std::size_t first = 0;  // the first record of the current number
        for (std::size_t i = 1; i < numbered.size(); ++i) {
            if (!(numbered[i].first == numbered[first].first)) {
                first = i;
                continue;
            }
            add(file, recordNo(numbered[i].second), what(numbered[i].first) + " is used by record " +
                                                        std::to_string(numbered[first].second) + " too");
        }
    }

    void folioNumbersUsedTwice() {
        std::vector<std::pair<float, std::uint64_t>> numbered;
        for (const StaySeen& stay : stays_)
            if (stay.folioSound) numbered.emplace_back(stay.folioNo, stay.n);
        usedTwice(numbered, "guest", [](float number) { return "the folio number " + plainNumber(number); });
    }

    // The stays in house against the rooms: each in a room that exists and is occupied, no two in
    // one room, and each occupied room with a stay in house.
    void staysAgainstRooms() {
        std::unordered_map<std::string, const RoomSeen*> roomOf;  // the first record of each number
        for (const RoomSeen& room : rooms_) roomOf.emplace(room.number, &room);
        std::unordered_map<std::string, const StaySeen*> stayIn;  // the first stay in house in each room
        for (const StaySeen& stay : stays_) {
            if (!stay.inHouse) continue;
            const std::string record = recordNo(stay.n);
            const std::string folio = "folio " + plainNumber(stay.folioNo);
            if (stay.room.empty()) {
                add("guest", record, "the stay in house (" + folio + ") has no room number");
                continue;
            }
            const auto room = roomOf.find(stay.room);
            if (room == roomOf.end()) {
                add("guest", record, "the stay in house (" + folio + ") is in room " + stay.room +
                                         ", which the room file does not hold");
            } else if (!room->second->occupied) {
                add("rooms", recordNo(room->second->n),
                    "room " + stay.room + " is not marked occupied (O), though the stay in house of guest record " +
                        std::to_string(stay.n) + " (" + folio + ") is in it",
                    "guest");
            }
            const auto [other, first] = stayIn.emplace(stay.room, &stay);
            if (!first)
                add("guest", record, "the stay in house (" + folio + ") shares room " + stay.room +
                                         " with the stay in house of record " + std::to_string(other->second->n) +
                                         " (folio " + plainNumber(other->second->folioNo) + ")");
        }
        for (const RoomSeen& room : rooms_)
            if (room.occupied && roomOf.at(room.number) == &room && !stayIn.count(room.number))
                add("rooms", recordNo(room.n), "room " + room.number + " is marked occupied (O), but no stay in house is in it",
                    "guest");
    }

    // Every stay in house has its folio file (`has`: whether a folio file is there, or said to be
    // something else).
    void staysHaveFolios(const std::function<bool(const std::string& name)>& has) {
        for (const StaySeen& stay : stays_) {
            if (!stay.inHouse || !stay.folioSound) continue;
            const std::string name = folioKey(stay.folioNo);
            if (!has(name))
                add("guest", recordNo(stay.n), "the stay in house (folio " + plainNumber(stay.folioNo) + ", room " +
                                                   stay.room + ") has no folio file " + in(kFolios, name),
                    in(kFolios, name));
        }
    }

    // ---- reservations and accounts -------------------------------------------------------------

    void readReservations() {
        std::vector<std::pair<std::string, std::uint64_t>> numbered;
        readRecords("reservation", Reservation::kLength, [&](const Bytes& bytes, std::uint64_t n) {
            const Reservation r = Reservation::decode(bytes);
            if (r.blank()) return;
            const std::string record = recordNo(n);
            if (!std::isfinite(r.rate) || std::fabs(r.rate) > kLargestAmount)
                add("reservation", record, "the rate " + plainNumber(r.rate) + " is not an amount the files can hold");
            if (!isCount(r.directBillNo, 0))
                add("reservation", record, "the direct-bill account number " + plainNumber(r.directBillNo) +
                                               " is not a whole number of 0 or more");
            for (const auto& [offset, name] :
                 {std::pair{fieldOffset(kReservationFields, &Reservation::arrivalDate), "arrival date"},
                  std::pair{fieldOffset(kReservationFields, &Reservation::departDate), "departure date"}})
                if (auto problem = dateProblem(bytes, offset, name, false)) add("reservation", record, *problem);
            const std::string confirmation(trimRight(r.confirmNo.str()));
            if (confirmation.empty()) return;  // kept without one by earlier programs
            const std::optional<double> number = wholeAmount(confirmation);
            if (!number || *number < 1 || std::trunc(*number) != *number) {
                add("reservation", record, "the confirmation number " + inQuotes(confirmation) +
                                               " is not a whole number of 1 or more");
                return;
            }
            if (confirmationCounter_ && *number > *confirmationCounter_)
                add("reservation", record, "the confirmation number " + confirmation +
                                               " is above the confirmation counter, which holds " +
                                               plainNumber(*confirmationCounter_));
            numbered.emplace_back(confirmation, n);
        });
        usedTwice(numbered, "reservation", [](const std::string& number) { return "the confirmation number " + number; });
    }

    struct AccountSeen {
        std::uint64_t n;
        float number;
        std::string name;  // trailing blanks removed
    };

    void readAccounts() {
        std::vector<std::pair<float, std::uint64_t>> numbered;
        readRecords("directbill", DirectBillAccount::kLength, [&](const Bytes& bytes, std::uint64_t n) {
            const DirectBillAccount account = DirectBillAccount::decode(bytes);
            const std::string record = recordNo(n);
            const std::string name(trimRight(account.accountName.str()));
            if (!std::isfinite(account.balance))
                add("directbill", record, "the balance " + plainNumber(account.balance) + " is not a number");
            if (!accountNameProblem(name).empty())
                add("directbill", record, "the account name " + inQuotes(name) + " cannot name its invoice files");
            if (!isCount(account.accountNo, 1)) {
                add("directbill", record, "the account number " + plainNumber(account.accountNo) +
                                              " is not a whole number of 1 or more");
                return;
            }
            if (accountCounter_ && account.accountNo > *accountCounter_)
                add("directbill", record, "the account number " + plainNumber(account.accountNo) +
                                              " is above the account counter (directnumber), which holds " +
                                              plainNumber(*accountCounter_));
            numbered.emplace_back(account.accountNo, n);
            accounts_.push_back({n, account.accountNo, name});
        });
        usedTwice(numbered, "directbill", [](float number) { return "the account number " + plainNumber(number); });
    }

    // Every direct-bill stay's account exists and has its invoice files; each account's invoice
    // counter matches the invoice files there (1 to the counter, none above); each invoice's
    // lines are sound and carry its number.
    void checkInvoices() {
        const FolderList folder = listFolder(kInvoices);
        std::map<float, const AccountSeen*> accountOf;
        for (const AccountSeen& account : accounts_) accountOf.emplace(account.number, &account);

        for (const StaySeen& stay : stays_) {
            if (stay.account <= 0) continue;
            const std::string prefix = "the stay (folio " + plainNumber(stay.folioNo) + ") is billed to account " +
                                       plainNumber(stay.account);
            const auto account = accountOf.find(stay.account);
            if (account == accountOf.end()) {
                add("guest", recordNo(stay.n), prefix + ", which no account carries", "directbill");
                continue;
            }
            const std::string& name = account->second->name;
            if (!accountNameProblem(name).empty()) continue;  // said of the account
            if (!folder.has(name))
                add("guest", recordNo(stay.n), prefix + " (" + name + "), whose invoice counter " + in(kInvoices, name) +
                                                   " is missing",
                    in(kInvoices, name));
        }

        std::vector<std::string> toRead;        // counters and invoice files, in folder order
        std::map<std::string, float> invoiceOf;  // invoice file -> its number
        std::vector<std::pair<const AccountSeen*, std::vector<float>>> present;
        for (const AccountSeen& account : accounts_) {
            if (!accountNameProblem(account.name).empty() || accountOf.at(account.number) != &account) continue;
            std::vector<float> numbers;
            const std::string prefix = account.name + " ";
            for (auto it = std::lower_bound(folder.files.begin(), folder.files.end(), prefix);
                 it != folder.files.end() && it->starts_with(prefix); ++it) {
                const std::string digits = it->substr(prefix.size());
                if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 8) continue;
                numbers.push_back(static_cast<float>(std::stol(digits)));
                invoiceOf[*it] = numbers.back();
                toRead.push_back(*it);
            }
            std::sort(numbers.begin(), numbers.end());
            present.emplace_back(&account, std::move(numbers));
        }

        for (const auto& [account, numbers] : present) {
            const std::string counterName = in(kInvoices, account->name);
            float last = 0;
            if (folder.has(account->name)) {
                const auto value = counter(counterName);
                if (!value) continue;
                last = *value;
            }
            // Each missing invoice is named, up to a few; a counter far beyond its files is said once.
            const auto within = static_cast<std::size_t>(
                std::count_if(numbers.begin(), numbers.end(), [&](float number) { return number >= 1 && number <= last; }));
            const double missing = static_cast<double>(last) - static_cast<double>(within);
            std::size_t named = 0;
            for (float number = 1; number <= last && named < kMissingInvoicesNamed; ++number) {
                if (std::binary_search(numbers.begin(), numbers.end(), number)) continue;
                ++named;
                const std::string invoice = in(kInvoices, account->name + " " + plainNumber(number));
                add(counterName, "", "the invoice counter holds " + plainNumber(last) + ", but invoice " + plainNumber(number) +
                                         " (" + invoice + ") is missing",
                    invoice);
            }
            if (missing > static_cast<double>(named))
                add(counterName, "", "the invoice counter holds " + plainNumber(last) + ", and " +
                                         plainNumber(missing - static_cast<double>(named)) +
                                         " more of the invoices up to it are missing");
            for (float number : numbers) {
                if (number <= last && number >= 1) continue;
                const std::string why = number < 1 ? "not a number of 1 or more"
                                                   : "above the account's invoice counter, which holds " + plainNumber(last);
                add(in(kInvoices, account->name + " " + plainNumber(number)), "", "invoice " + plainNumber(number) + " is " + why,
                    counterName);
            }
        }

        std::sort(toRead.begin(), toRead.end());
        readFiles(kInvoices, toRead, [&](std::size_t i, std::string_view bytes) {
            const std::string name = in(kInvoices, toRead[i]);
            const float number = invoiceOf.at(toRead[i]);
            recordsIn(name, bytes, InvoiceLine::kLength, [&](const Bytes& record, std::uint64_t n) {
                const InvoiceLine line = InvoiceLine::decode(record);
                if (line.invoiceNo != number)
                    add(name, recordNo(n), "the line carries invoice number " + plainNumber(line.invoiceNo) + ", not " +
                                               plainNumber(number));
                if (!std::isfinite(line.amount) || std::fabs(line.amount) > kLargestAmount)
                    add(name, recordNo(n), "the amount " + plainNumber(line.amount) + " is not an amount the files can hold");
                if (auto problem = dateProblem(record, fieldOffset(kInvoiceLineFields, &InvoiceLine::postDate),
                                               "posting date", false))
                    add(name, recordNo(n), *problem);
            });
        });
    }

    void checkMessages() {
        const FolderList folder = listFolder(kMessages);
        readFiles(kMessages, folder.files, [&](std::size_t i, std::string_view bytes) {
            const std::string name = in(kMessages, folder.files[i]);
            recordsIn(name, bytes, Message::kLength, [&](const Bytes& record, std::uint64_t n) {
                if (auto problem = dateProblem(record, fieldOffset(kMessageFields, &Message::msgDate), "message date", false))
                    add(name, recordNo(n), *problem);
            });
        });
    }

    // ---- folios and totals ----------------------------------------------------------------------

    // Adds the folio's lines to the day and month sums; with `judge`, its damaged lines and
    // fields are findings.
    void readFolio(const std::string& name, std::string_view text, bool judge) {
        const std::string file = in(kFolios, name);
        const bool unjudged = !judged(file);
        judge = judge && !unjudged;
        visitFolioText(text, [&](std::size_t n, const std::optional<FolioLineView>& posting) {
            if (!posting) {
                if (judge) add(file, lineNo(n), "the line cannot be read");
                return;
            }
            if (posting->postDate.serial() != lastDay_) {  // a folio's lines keep to a few days
                lastDay_ = posting->postDate.serial();
                lastMonth_ = monthIndex(posting->postDate);
            }
            if (lastMonth_ / 12 < kFirstYear || lastMonth_ / 12 > kLastYear) {
                if (judge) add(file, lineNo(n), dayProblem(posting->postDate, "posting date").value_or(""));
                return;
            }
            const ChargeCode* code = chargeCode(posting->code);
            if (!code) {
                if (judge)
                    add(file, lineNo(n), "the charge code " + inQuotes(trimRight(posting->code)) + " is none of the motel's codes");
                return;
            }
            const double amount = leadingNumber(posting->amountText);
            if (!std::isfinite(amount) || std::fabs(amount) > kLargestAmount) {
                if (judge)
                    add(file, lineNo(n), "the amount " + std::string(trimRight(posting->amountText)) +
                                             " is not an amount the files can hold");
                return;
            }
            if (!code->slot) return;
            const double cents = amount * 100;
            const bool fraction = std::fabs(cents - std::round(cents)) > 1e-6;
            PeriodSums& day = days_[posting->postDate.serial()];
            PeriodSums& month = months_[lastMonth_];
            for (PeriodSums* period : {&day, &month}) {
                period->slots[static_cast<std::size_t>(*code->slot)].add(amount, fraction);
                period->posted = true;
                period->unjudged = period->unjudged || unjudged;
            }
        });
    }

    TotalsFile readTotalsBytes(const std::string& file, std::string_view bytes) {
        TotalsFile totals;
        if (bytes.size() % Totals::kLength != 0) add(file, "", partialRecord(bytes.size() % Totals::kLength, Totals::kLength));
        if (bytes.size() < Totals::kUsed) return totals;
        for (std::size_t slot = 0; slot < totals.values.size(); ++slot) {
            totals.values[slot] = singleAt(bytes.data() + 4 * slot);
            if (!std::isfinite(totals.values[slot]))
                add(file, "", slotName(slot) + " holds " + plainNumber(totals.values[slot]) + ", not a number");
        }
        return totals;
    }

    // A totals file against the folio lines: held until the totals are all read (settleTotals).
    void addTotals(const std::string& file, std::string what) {
        if (judged(file)) totalsFound_.push_back({file, "", std::move(what)});
    }

    // The totals findings held so far, as findings; but a file changed since the check began, or
    // all of them when a change has begun since, as a note instead: a posting made while the
    // check ran may stand in the totals but not in the folio lines read before it.
    void settleTotals() {
        const auto journal = dir_.stamp(dir_.root() / Journal::kFileName);
        const bool changeBegun = journal && journal != journalAtStart_;
        std::set<std::string> noted;
        for (Finding& finding : totalsFound_) {
            const auto stamp = dir_.stamp(dir_.root() / finding.file);
            if (changeBegun || (stamp && stamp->modifiedNs >= startNs_)) {
                if (noted.insert(finding.file).second)
                    check_.notes.push_back(finding.file + " changed while the check ran; check again.");
            } else {
                check_.findings.push_back(std::move(finding));
            }
        }
        totalsFound_.clear();
    }

    // The totals file's slots against the sums of the folio lines of its day or month.
    void judgeTotals(const std::string& file, const TotalsFile& totals, const PeriodSums& sums, const std::string& when) {
        if (sums.unjudged || !judged(file)) return;
        for (std::size_t slot = 0; slot < totals.values.size(); ++slot) {
            const float stored = totals.values[slot];
            const SlotSum& sum = sums.slots[slot];
            if (!std::isfinite(stored)) continue;  // said already
            if (std::fabs(static_cast<double>(stored) - sum.sum) > sum.slack)
                addTotals(file, slotName(slot) + " holds " + plainNumber(stored) + ", but the folio lines posted " + when +
                                  " add up to " + figure(sum.sum));
        }
    }

    // A totals file with no folio line behind it must hold nothing.
    void judgeEmpty(const std::string& file, const TotalsFile& totals, const std::string& when) {
        if (!judged(file)) return;
        std::string held;
        for (std::size_t slot = 0; slot < totals.values.size(); ++slot)
            if (totals.values[slot] != 0 && std::isfinite(totals.values[slot]))
                held += (held.empty() ? "" : ", ") + slotName(slot) + " " + plainNumber(totals.values[slot]);
        if (!held.empty()) addTotals(file, "the file holds totals (" + held + "), but no folio line was posted " + when);
    }

    // The day totals file a day is read from, as the reports read it: its own key; for a day
    // before the first one kept under its own key, the old key; nothing when neither is there.
    std::optional<std::string> dayFileOf(Date day, const FolderList& folder, std::optional<Date> firstOwn) const {
        const std::string own = dayKey(day);
        if (folder.has(own) || folder.holdsOther(own)) return own;
        if (firstOwn && !(day < *firstOwn)) return std::nullopt;
        const std::string old = legacyDayKey(day);
        if (folder.has(old)) return old;
        return std::nullopt;
    }

    static std::optional<Date> ownKeyDay(const std::string& name) {
        if (name.size() != 8 || name.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
        const auto day = Date::parse(name.substr(0, 2) + "/" + name.substr(2, 2) + "/" + name.substr(4));
        if (day && dayKey(*day) == name) return day;
        return std::nullopt;
    }

    // The month a month totals file's name stands for ("52019": May 2019).
    static std::optional<int> monthOfKey(const std::string& name) {
        if (name.size() < 5 || name.size() > 6 || name.find_first_not_of("0123456789") != std::string::npos)
            return std::nullopt;
        const int month = std::stoi(name.substr(0, name.size() - 4));
        const int year = std::stoi(name.substr(name.size() - 4));
        if (month < 1 || month > 12 || year < 1) return std::nullopt;
        const int index = year * 12 + month - 1;
        if (monthKey(firstOfMonth(index)) != name) return std::nullopt;
        return index;
    }

    static std::string monthText(int index) { return std::to_string(index % 12 + 1) + "/" + std::to_string(index / 12); }

    // Judges the day totals of `days` (each day with lines, or every file there when empty) and
    // the month totals of `months` likewise.
    void checkTotals(const std::optional<std::vector<Date>>& onlyDays, const std::optional<std::vector<int>>& onlyMonths) {
        // A few days are looked for by their names (the folder holds a file for every day the
        // motel ever had); the first day of the folder's own names is needed only when a day
        // has no file of its own name but one of the old name.
        FolderList dayFolder;
        if (onlyDays) {
            std::vector<std::string> names;
            for (Date day : *onlyDays) names.insert(names.end(), {dayKey(day), legacyDayKey(day)});
            dayFolder = listNamed(kDayTotals, names);
        } else {
            dayFolder = listFolder(kDayTotals);
        }
        const FolderList monthFolder = listFolder(kMonthTotals);
        std::optional<Date> firstOwn;
        const auto firstOwnOf = [&](const FolderList& folder) {
            for (const std::string& name : folder.files)
                if (const auto day = ownKeyDay(name); day && (!firstOwn || *day < *firstOwn)) firstOwn = day;
        };
        if (!onlyDays) firstOwnOf(dayFolder);
        else if (std::any_of(onlyDays->begin(), onlyDays->end(), [&](Date day) {
                     const std::string own = dayKey(day);
                     return !dayFolder.has(own) && !dayFolder.holdsOther(own) && dayFolder.has(legacyDayKey(day));
                 }))
            firstOwnOf(wholeFolder(kDayTotals));

        // The days and months to judge, and the files they are read from.
        std::vector<Date> days;
        if (onlyDays) days = *onlyDays;
        else
            for (const auto& [serial, sums] : days_)
                if (sums.posted) days.push_back(Date(serial));
        std::sort(days.begin(), days.end());
        std::vector<int> months;
        if (onlyMonths) months = *onlyMonths;
        else
            for (const auto& [index, sums] : months_)
                if (sums.posted) months.push_back(index);

        std::map<std::string, std::vector<Date>> dayFiles;  // file -> the days read from it
        for (Date day : days) {
            const auto sums = days_.find(day.serial());
            const bool posted = sums != days_.end() && sums->second.posted;
            if (const auto file = dayFileOf(day, dayFolder, firstOwn)) dayFiles[*file].push_back(day);
            else if (posted && !sums->second.unjudged)
                add(in(kDayTotals, dayKey(day)), "", "the file is missing, but folio lines were posted on " + day.text());
        }
        std::vector<std::string> dayNames;
        if (onlyDays) {
            for (const auto& [name, read] : dayFiles)
                if (dayFolder.has(name)) dayNames.push_back(name);
        } else {
            dayNames = dayFolder.files;
        }
        readFiles(kDayTotals, dayNames, [&](std::size_t i, std::string_view bytes) {
            const std::string file = in(kDayTotals, dayNames[i]);
            const TotalsFile totals = readTotalsBytes(file, bytes);
            const auto read = dayFiles.find(dayNames[i]);
            bool behind = false;
            if (read != dayFiles.end())
                for (Date day : read->second) {
                    const auto sums = days_.find(day.serial());
                    if (sums == days_.end() || !sums->second.posted) continue;
                    behind = true;
                    judgeTotals(file, totals, sums->second, "on " + day.text());
                }
            if (!behind) {
                const auto own = ownKeyDay(dayNames[i]);
                judgeEmpty(file, totals, own ? "on " + own->text() : "on a day it stands for");
            }
        });

        std::map<std::string, int> monthFiles;  // file -> its month
        for (int index : months) {
            const std::string name = monthKey(firstOfMonth(index));
            const auto sums = months_.find(index);
            const bool posted = sums != months_.end() && sums->second.posted;
            if (monthFolder.has(name)) monthFiles[name] = index;
            else if (posted && !sums->second.unjudged &&
                     !monthFolder.holdsOther(name))
                add(in(kMonthTotals, name), "", "the file is missing, but folio lines were posted in " + monthText(index));
        }
        std::vector<std::string> monthNames;
        if (onlyMonths) {
            for (const auto& [name, index] : monthFiles) monthNames.push_back(name);
        } else {
            monthNames = monthFolder.files;
        }
        readFiles(kMonthTotals, monthNames, [&](std::size_t i, std::string_view bytes) {
            const std::string file = in(kMonthTotals, monthNames[i]);
            const TotalsFile totals = readTotalsBytes(file, bytes);
            const auto index = monthFiles.find(monthNames[i]);
            const auto sums = index == monthFiles.end() ? months_.end() : months_.find(index->second);
            if (sums != months_.end() && sums->second.posted)
                judgeTotals(file, totals, sums->second, "in " + monthText(index->second));
            else if (const auto month = monthOfKey(monthNames[i]))
                judgeEmpty(file, totals, "in " + monthText(*month));
            else
                judgeEmpty(file, totals, "in a month it stands for");
        });
        settleTotals();
    }

    // ---- the two checks -----------------------------------------------------------------------

    void wholeDirectory() {
        readJournal();
        readCounters();
        checkSettings();
        readRooms();
        readStays();
        folioNumbersUsedTwice();
        staysAgainstRooms();
        readReservations();
        readAccounts();

        const FolderList folios = listFolder(kFolios);
        staysHaveFolios([&](const std::string& name) { return folios.has(name) || folios.holdsOther(name); });
        readFiles(kFolios, folios.files, [&](std::size_t i, std::string_view text) { readFolio(folios.files[i], text, true); });
        checkTotals(std::nullopt, std::nullopt);
        checkInvoices();
        checkMessages();
    }

    // `changedFolios`: also the folios of stays that left long before the month but whose files
    // changed since it began (a departure typed wrong), at a look at each such file.
    void beforeNight(DataDir& dir, Date hotelDate, bool changedFolios) {
        readJournal();
        folioCounter_ = counter("folio");
        readRooms();
        const std::vector<Found<Guest>> inHouse = staysInHouse(dir);
        for (const Found<Guest>& stay : inHouse) {
            checkStay(stay.record, stay.record.raw, stay.number);
            if (isCount(stay.record.folioNo, 1))
                if (const auto first = findStayRecord(dir, stay.record.folioNo); first && first->number != stay.number)
                    add("guest", recordNo(stay.number), "the folio number " + plainNumber(stay.record.folioNo) +
                                                            " is used by record " + std::to_string(first->number) + " too");
        }
        staysAgainstRooms();

        // The folios of the stays in house are judged; those of the stays that may have posted
        // in the hotel date's month only add to its sums. Each is looked for by its name: the
        // folder holds one per stay the motel ever had.
        const int month = monthIndex(hotelDate);
        const Date monthStart = firstOfMonth(month);
        const Date monthEnd = firstOfMonth(month + 1).plusDays(-1);
        std::set<std::string> judgedNames;
        for (const StaySeen& stay : stays_) {
            if (!stay.folioSound) continue;
            const std::string name = folioKey(stay.folioNo);
            if (const std::string other = notAFile(dir_.root() / kFolios / name); !other.empty())
                add(in(kFolios, name), "", other + " stands where a data file is expected");
            else
                judgedNames.insert(name);
        }
        std::vector<std::string> names(judgedNames.begin(), judgedNames.end());
        const std::int64_t changedFrom = midnightNs(monthStart.plusDays(-kChangedFolioMarginDays));
        const Date lateFrom = monthStart.plusDays(-kLateCheckOutDays);
        for (const CheckedOutStayDates& stay : checkedOutStayDates(dir)) {
            if (!(stay.arrivalDate <= monthEnd) || !isCount(stay.folioNo, 1)) continue;
            if (stay.departDate < lateFrom) {
                if (!changedFolios) continue;
                const auto stamp = dir_.stamp(dir_.root() / kFolios / folioKey(stay.folioNo));
                if (!stamp || stamp->modifiedNs < changedFrom) continue;
            }
            names.push_back(folioKey(stay.folioNo));
        }
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        std::set<std::string> present;
        readFiles(kFolios, names, [&](std::size_t i, std::string_view text) {
            present.insert(names[i]);
            readFolio(names[i], text, judgedNames.count(names[i]) > 0);
        });
        staysHaveFolios([&](const std::string& name) { return present.count(name) > 0 || !judgedNames.count(name); });
        // Only the hotel date's day and month: the lines of other days were read only in part.
        checkTotals(std::vector<Date>{hotelDate}, std::vector<int>{month});
    }

private:
    const DataDir& dir_;
    const std::int64_t startNs_;               // when the check began
    std::optional<FileStamp> journalAtStart_;  // the journal then, when there was one
    std::vector<Finding> totalsFound_;         // the totals findings not settled yet
    DataCheck check_;
    std::set<std::string> unjudged_;
    std::optional<float> folioCounter_, confirmationCounter_, accountCounter_;
    std::vector<RoomSeen> rooms_;
    std::vector<StaySeen> stays_;
    std::vector<AccountSeen> accounts_;
    std::unordered_map<int, PeriodSums> days_;  // by the day's serial
    std::map<int, PeriodSums> months_;          // by monthIndex
    int lastDay_ = -1;                          // the day of the folio line read last, and its month
    int lastMonth_ = 0;
};

}  // namespace

DataCheck checkDataDir(const fs::path& root) {
    std::error_code error;
    const fs::file_status status = fs::status(root, error);
    if (error || status.type() == fs::file_type::not_found) throw FileError(root, "there is no such folder");
    if (status.type() != fs::file_type::directory) throw FileError(root, "it is not a folder");
    fs::directory_iterator probe(root, error);
    if (error) throw FileError(root, error.message());
    DataDir dir(root);
    dir.openForReadingOnly();
    Checker checker(dir);
    checker.wholeDirectory();
    return checker.take();
}

DataCheck checkBeforeNight(DataDir& dir, Date hotelDate) {
    const auto run = [&](bool changedFolios) {
        Checker checker(dir);
        checker.beforeNight(dir, hotelDate, changedFolios);
        return checker.take();
    };
    // The stays that left long before the month are looked at only when the totals disagree
    // without them: a look at each of years of folio files is the dearest part of the check.
    DataCheck check = run(false);
    const bool totalsDisagree = std::any_of(check.findings.begin(), check.findings.end(), [](const Finding& finding) {
        return finding.file.starts_with("totals/") || finding.file.starts_with("dailytotals/");
    });
    return totalsDisagree ? run(true) : check;
}

PrintJob dataCheckPrintout(const DataCheck& check, const fs::path& root, Date day, TimeOfDay time) {
    PrintJob job("Data Check");
    job.emptyLines(2);
    job.line().text("Data Check");
    job.emptyLines(1);
    job.line().text("Data directory:  " + root.string());
    job.line().text("Date:  " + day.text() + "  " + time.text());
    job.emptyLines(1);
    // A line longer than the page goes on under itself, indented, broken at a blank where
    // there is one.
    const auto wrapped = [&](const std::string& text) {
        std::string_view rest = text;
        std::string indent;
        while (!rest.empty()) {
            const std::size_t room = kDataCheckPrintWidth - indent.size();
            if (rest.size() <= room) {
                job.line().text(indent + std::string(rest));
                break;
            }
            std::size_t cut = rest.rfind(' ', room);
            if (cut == std::string_view::npos || cut == 0) cut = room;
            job.line().text(indent + std::string(trimRight(rest.substr(0, cut))));
            rest = rest.substr(cut);
            while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
            indent = "    ";
        }
    };
    for (const std::string& note : check.notes) wrapped(note);
    if (!check.notes.empty()) job.emptyLines(1);
    for (const Finding& finding : check.findings) wrapped(findingLine(finding));
    if (!check.findings.empty()) job.emptyLines(1);
    job.line().text(dataCheckSummary(check));
    return job;
}

}  // namespace innvera
