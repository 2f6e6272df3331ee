#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/records.h"
#include "platform/data_dir.h"

// The invoice files of the direct-bill accounts: per account a counter file holding its latest
// invoice number, and per invoice a record file of invoice lines.
namespace innvera {

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

}  // namespace innvera
