#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/records.h"
#include "platform/data_dir.h"
#include "platform/record_file.h"

// The ledger: the folio charge file of each stay, the month and day totals files, the
// direct-bill invoice files and the folio balance. Check-in, the folio screen, the
// end-of-day run, the reports and the direct-bill ledger all post and read through here.
// Every function that writes throws FileError when a write fails; readers never fail:
// a missing file reads as empty, a damaged folio line is skipped.
namespace innvera {

// ---- Names -------------------------------------------------------------------------

// The folio number with its sign position: a blank, then the digits (1234 gives " 1234").
// Names the stay's folio charge file.
std::string folioKey(float folioNo);
// The month of the date text and its year: 5/1/2019 gives "52019", 12/25/2019 "122019".
std::string monthKey(Date day);
// The day totals key, unique per date: MMDDYYYY (12/25/2019 gives "12252019", 5/1/2019
// "05012019"). Eight characters, so it never meets a key of the old rule below.
std::string dayKey(Date day);
// The day key earlier installations wrote: the first nine characters of the date text
// with the "/" left out (5/1/2019 gives "512019", 12/25/2019 "1225201"). Not unique, so it
// is only read, when a day has no file under its own key.
std::string legacyDayKey(Date day);

// ---- Folio charge files --------------------------------------------------------------

// One line of a folio charge file.
struct FolioLine {
    std::string room;         // as written: the stay's RoomNo as stored, trailing blanks kept
    std::string status;       // "A"; carried, never interpreted
    Date postDate;            // the hotel date of the posting
    std::string code;         // the charge code letter
    std::string description;  // "Room Rent", "Tax", ...
    double amount = 0;        // positive for charges and payments alike
    std::string empty;        // always empty; carried
    std::string folioNo;      // the folio number as written; carried
    std::array<std::string, 3> trailer;  // "-----" three times; carried
};

// Appends one folio line to the stay's folio charge file: the room fitted to five
// characters, "A", the date, the code, the description, the amount, an empty field, the
// folio number and "-----" three times, CR LF ended. A double amount is written with up
// to 15 significant digits, a single-precision one with up to 7.
void appendFolioLine(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code,
                     std::string_view description, double amount);
void appendFolioLine(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code,
                     std::string_view description, float amount);

// The text of one folio line as written, CR LF included.
std::string folioLineText(float folioNo, std::string_view room, Date hotelDate, char code,
                          std::string_view description, std::string_view amountText);
// Reads one line (without its line break); nothing when it is damaged.
std::optional<FolioLine> parseFolioLine(std::string_view line);

// Every readable line of the stay's folio charge file, in file order; a missing file has none.
std::vector<FolioLine> readFolioLines(const DataDir& dir, float folioNo);

// The folio balance: each amount rounded to the cent (ties to the even cent), added for
// E, T, P, S, Q, N, W and O, subtracted for C, V, M, D and A; R, L and any other code
// leave it unchanged. Summed in whole cents, so it is exact to the cent.
double folioBalance(const std::vector<FolioLine>& lines);

// ---- Totals -------------------------------------------------------------------------

// Record 1 of a month or day totals file: nineteen Singles (slots in charge_codes.h),
// in a record of 190 bytes.
struct Totals {
    static constexpr std::size_t kLength = 190;
    static constexpr std::size_t kUsed = 76;

    std::array<float, 19> values{};  // by slot

    // Room rent, tax and the sundry charges: slots 6 to 13.
    float totalRevenue() const;
};

// The month totals of the hotel date's month; zeros when the file is missing or shorter
// than 76 bytes.
Totals readMonthTotals(const DataDir& dir, Date hotelDate);
// The day totals of the date: the file under its own key, or, while there is none, the
// file an earlier installation wrote under the old key.
Totals readDayTotals(const DataDir& dir, Date hotelDate);
// Adds the amount, in single precision, to the slot of the month totals file and then of
// the day totals file (under its own key) of the hotel date. A slot outside 0 to 18 is
// refused with std::out_of_range before anything is written.
void addToTotals(DataDir& dir, Date hotelDate, int slot, double amount);

// Appends the folio line of a table code (with the table's description) and adds the
// amount to the code's totals slot, when it has one. Nothing for a letter outside the table.
void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, double amount);
void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, float amount);

// ---- Direct-bill invoice files ---------------------------------------------------------

// Shown when an account name cannot name its invoice files.
inline constexpr const char* kUnsafeAccountName =
    "This account name can't be used. Leave out / \\ : * ? \" < > | and \"..\".";

// Empty when the account name (trailing blanks removed) can name its invoice files;
// otherwise the message to show. Refused: an empty name, a path separator, "..", a
// character a file name cannot hold, and the device names of Windows (CON, NUL, COM1, ...).
std::string accountNameProblem(std::string_view accountName);

// The invoice files of one account. Made only from a safe name, so an unsafe name never
// reaches the file system.
class InvoiceFiles {
public:
    // Nothing when the name is unsafe (accountNameProblem gives the message).
    static std::optional<InvoiceFiles> of(const DataDir& dir, std::string_view accountName);

    // directinvoice/ + the name: record 1 holds the account's latest invoice number.
    const std::filesystem::path& counter() const { return counter_; }
    // The counter file's name, a blank and the invoice number (invoice 3: "ACME 3").
    std::filesystem::path invoice(float invoiceNo) const;

private:
    explicit InvoiceFiles(std::filesystem::path counter) : counter_(std::move(counter)) {}
    std::filesystem::path counter_;
};

// The account's latest invoice number; 0 when it has none.
float currentInvoiceNumber(const InvoiceFiles& files);
// Opens a new invoice: reads the counter, adds 1, writes it back, returns the new number.
float nextInvoiceNumber(DataDir& dir, const InvoiceFiles& files);
// Appends a line (record length 185) at (file length / 185) + 1. `line` holds RoomNo,
// PostDate, InvoiceNo, Amount, Code, Description and CheckNo.
void appendInvoiceLine(DataDir& dir, const InvoiceFiles& files, const InvoiceLine& line);
// A charge line as a folio posting writes it: the room, the hotel date, the invoice
// number, the amount, the code and its description, check number "----".
InvoiceLine chargeInvoiceLine(std::string_view room, Date hotelDate, float invoiceNo, double amount, char code);
// The lines of one invoice in record order.
std::vector<InvoiceLine> readInvoiceLines(DataDir& dir, const InvoiceFiles& files, float invoiceNo);

// ---- Stays and accounts ------------------------------------------------------------------

// The first stay, in record order, whose keys match; the scan reads only each stay's
// keys and the record found is then read whole.
template <class Pred>
std::optional<Found<Guest>> findStayWhere(DataDir& dir, Pred&& matches) {
    const auto found = RecordFile<StayKeys>(dir, dir.guests()).findFirst(matches);
    if (!found) return std::nullopt;
    return Found<Guest>{found->number, RecordFile<Guest>(dir, dir.guests()).read(found->number)};
}
// The first stay with that folio number, with its record number.
std::optional<Found<Guest>> findStayRecord(DataDir& dir, float folioNo);

// The first stay with that folio number that is in house.
std::optional<Guest> findInHouseStay(DataDir& dir, float folioNo);
// The first stay with that folio number, in house or checked out.
std::optional<Guest> findStay(DataDir& dir, float folioNo);
// The first direct-bill account with that number.
std::optional<DirectBillAccount> findAccount(DataDir& dir, float accountNo);

// A double as a Single; values beyond the Single range become infinities instead of
// undefined behaviour.
float toSingle(double value);

}  // namespace innvera
