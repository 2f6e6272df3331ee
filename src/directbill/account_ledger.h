#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/refusal.h"
#include "core/records.h"
#include "core/data_dir.h"

// The ledger of one direct-bill account: its invoices, the lines of one invoice with the
// invoice balance, and the payments and charges the clerk adds to an invoice.
namespace innvera {

// What the ledger window's lists show until something is chosen.
inline constexpr const char* kSelectInvoice = "Select Invoice";
inline constexpr const char* kSelectType = "Select Type";

// The "Select Type" entries, in order: "E - Room Rent", "K - Check", "C - Cash", "V - Visa",
// "M - Master Card", "D - Discover", "A - American Express", "O - Other".
std::span<const std::string_view> ledgerTypes();

// The most invoices an account's list offers: far more than any account opens, but a
// damaged counter cannot make the list endless.
inline constexpr int kMostInvoices = 999999;

// The account's invoices are numbered 1 to this: its invoice counter's number (whole, at most
// kMostInvoices). 0 when it has no counter file, or a name no file can carry.
int invoiceCount(DataDir& dir, std::string_view accountName);

// The lines of the account's invoice, in record order; none for a name no file can carry.
std::vector<InvoiceLine> invoiceLines(DataDir& dir, std::string_view accountName, float invoiceNo);

// The invoice balance, by the folio's rule, every charge counted: each line's Amount rounded
// to the cent, added for the charges E, T, P, S, Q, N, W and O, subtracted for the payments C,
// V, M, D, A and the checks K (codes compared without trailing blanks); any other code leaves
// it alone. Summed in whole cents.
double invoiceBalance(const std::vector<InvoiceLine>& lines);

// The invoice for a spreadsheet (see core/csv.h): "Account", "Invoice", "Date", "Room", "Code",
// "Description", "Check", "Amount" and "Balance" (the invoice balance after the line), a row per
// line in record order.
std::string invoiceCsv(const std::vector<InvoiceLine>& lines, std::string_view accountName, float invoiceNo);
std::string invoiceCsv(DataDir& dir, std::string_view accountName, float invoiceNo);

// One row of the invoice line list (fixed-pitch font): the room as stored and 5 blanks (10);
// the date text and 5 blanks (13 or 15: an 8-character date makes the later columns start
// two places further left); the code as stored (6); the invoice number in signed form (15);
// the check number (13); the description (23); the amount in signed form (20). Each column
// is its value with blanks after it, cut to its width.
std::string invoiceListRow(const InvoiceLine& line);
// The headings over those rows: "Room#", "Date", "Code", "Invoice#", "Check#", "Decription",
// "Amount", each over its column as a 10-character date places it.
std::string invoiceListHeadings();

struct InvoiceView {
    std::vector<std::string> rows;  // one per line, in record order
    double balance = 0;
    std::string room;               // the room of the last line, trailing blanks removed
};
InvoiceView invoiceView(DataDir& dir, std::string_view accountName, float invoiceNo);

// "Do Now": a payment or charge added to the chosen invoice, as the frame's boxes hold it.
struct LedgerEntry {
    std::string type;     // the "Select Type" text
    std::string amount;   // "Amount$"
    std::string checkNo;  // "Check#"
};

inline constexpr const char* kNoType = "You didn't select a type.";
inline constexpr const char* kNoLedgerAmount = "You didn't enter an amount.";
inline constexpr const char* kNoCheckNo = "You didn't enter a check #.";
inline constexpr const char* kTypeNotOffered = "That type can't be chosen. Choose a type from the list.";

// Adds the entry to invoice `invoiceNo` of the account. Checks, in order, stopping at the
// first failure with nothing written: a type still "Select Type"; an empty "Amount$"; a check
// ("K") with an empty "Check#"; a type that is not one of the list's entries; an amount that
// is not an amount (readAmount: no sign, two decimals at most) or too large; a name no file can
// carry. Then appends, each
// line with RoomNo `room`, PostDate the hotel date and InvoiceNo the invoice number:
//  E: a "Room Rent" line of the amount, then a "Tax" line of the amount times the tax rate
//     rounded to the cent (check number "----" on both);
//  K: a "Check Received" line of the amount with the check number;
//  C, V, M, D, A: a payment line of the amount under its own code and description ("Cash
//     Received", "Visa", ...), check number "----": it lowers the invoice balance;
//  O: an "Other" line of the amount, check number "----": a charge, like the folio's.
std::optional<Refusal> postToInvoice(DataDir& dir, std::string_view accountName, float invoiceNo,
                                           std::string_view room, Date hotelDate, const LedgerEntry& entry);

}  // namespace innvera
