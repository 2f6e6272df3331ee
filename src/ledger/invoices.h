#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/records.h"
#include "core/data_dir.h"

// The invoice files of the direct-bill accounts: per account a counter file holding its latest
// invoice number, and per invoice a record file of invoice lines.
namespace innvera {

// Shown when an account name cannot name its invoice files.
inline constexpr const char* kUnsafeAccountName =
    "This account name can't be used. Leave out / \\ : * ? \" < > | and \"..\", and don't use a device name "
    "such as CON, NUL, COM1 or LPT1.";

// Empty when the account name (trailing blanks removed) can name its invoice files;
// otherwise the message to show. Refused: an empty name, a path separator, "..", a
// character a file name cannot hold, and the device names of Windows in any form (CON, PRN,
// AUX, NUL, CONIN$, CONOUT$, COM0 to COM9 and LPT0 to LPT9, also with a superscript digit
// and with or without an extension: "nul.txt", "Com1", "LPT¹").
std::string accountNameProblem(std::string_view accountName);

// The refusals of a name given to an account, new or renamed.
inline constexpr const char* kNoAccountName = "You didn't enter a name.";
inline constexpr const char* kAccountNameCharacter =
    "This name holds a character the account file cannot keep. Leave it out.";
inline constexpr const char* kAccountNameEndsInDot = "An account name can't end in a dot. Leave the dot out.";
// "There is already an account named ACME. Choose another name."
std::string accountNameTaken(std::string_view otherName);
// "This name would share invoice files with the account ACME 3. Choose another name."
std::string accountNameCollides(std::string_view otherName);

// The width of AccountName in the account file.
inline constexpr std::size_t kAccountNameWidth = 30;
// The name as the account file keeps it: cut to its 30 characters, a character the file's
// code page lacks as "?", trailing blanks removed.
std::string storedAccountName(std::string_view typed);

// Whether two account names would name one file, or one's counter file another's invoice
// file ("ACME 3" and "ACME"), on a file system that ignores case and trailing dots and blanks.
bool invoiceFilesMeet(std::string_view oneName, std::string_view otherName);

// Empty when `typed`, as stored, can be given to an account; otherwise the message to show.
// In order: an empty name; a character the file's code page lacks; a name accountNameProblem
// refuses; one ending in a dot (a file system that drops it would give the account another's
// files); one another account already has, or one whose invoice files would meet another
// account's (invoiceFilesMeet). `otherNames` are the names of every other account.
std::string newAccountNameProblem(std::string_view typed, const std::vector<std::string>& otherNames);

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
float currentInvoiceNumber(const DataDir& dir, const InvoiceFiles& files);
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

// The account's files on disk: its counter file, when there, and every invoice line file
// (the counter file's name, a blank and digits), sorted by name.
std::vector<std::filesystem::path> invoiceFilesOnDisk(const InvoiceFiles& files);

struct InvoiceMove {
    // A file already standing under the new name: nothing was written.
    std::optional<std::filesystem::path> inTheWay;
    int moved = 0;  // files moved
};

// Moves the account's counter and invoice line files to the names of `to`, within the open
// transaction: each file is written under its new name, then removed under the old one, so
// that a failure part-way undoes every move. Nothing is written when a file of the new name
// already stands (unless it is the old file itself, on a file system that ignores case).
InvoiceMove moveInvoiceFiles(DataDir& dir, const InvoiceFiles& from, const InvoiceFiles& to);

}  // namespace innvera
