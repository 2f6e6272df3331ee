#include "directbill/account_ledger.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/counters.h"
#include "core/csv.h"
#include "core/formats.h"
#include "ledger/charge_codes.h"
#include "ledger/invoices.h"
#include "ledger/ledger.h"

namespace innvera {

namespace {

constexpr std::array<std::string_view, 8> kTypes = {
    "E - Room Rent", "K - Check",    "C - Cash", "V - Visa", "M - Master Card", "D - Discover",
    "A - American Express", "O - Other",
};

// A column of the line list: the text with blanks after it, cut to the width.
std::string column(std::string text, std::size_t blanks, std::size_t width) {
    return firstChars(text.append(blanks, ' '), width);
}

}  // namespace

std::span<const std::string_view> ledgerTypes() { return kTypes; }

int invoiceCount(DataDir& dir, std::string_view accountName) {
    const auto files = InvoiceFiles::of(dir, accountName);
    if (!files) return 0;
    const float last = currentInvoiceNumber(dir, *files);
    if (!(last >= 1)) return 0;  // none yet, or not a number
    return static_cast<int>(std::min<float>(std::floor(last), kMostInvoices));
}

std::vector<InvoiceLine> invoiceLines(DataDir& dir, std::string_view accountName, float invoiceNo) {
    const auto files = InvoiceFiles::of(dir, accountName);
    if (!files) return {};
    return readInvoiceLines(dir, *files, invoiceNo);
}

namespace {

// What the line does to the invoice balance, in whole cents: every charge is added, every
// payment and a returned check (K) subtracted, and any other code counts for nothing.
double balanceChangeCents(const InvoiceLine& line) {
    const ChargeCode* code = chargeCode(line.code.str());
    if (!code) return 0;
    const double amount = std::round(roundCents(line.amount) * 100);
    if (code->effect == BalanceEffect::Added) return amount;
    if (code->effect == BalanceEffect::Subtracted || code->kind == ChargeKind::CheckReceived) return -amount;
    return 0;
}

}  // namespace

double invoiceBalance(const std::vector<InvoiceLine>& lines) {
    double cents = 0;  // whole cents, exact
    for (const InvoiceLine& line : lines) cents += balanceChangeCents(line);
    return cents / 100;
}

std::string invoiceCsv(const std::vector<InvoiceLine>& lines, std::string_view accountName, float invoiceNo) {
    Csv csv{"Account", "Invoice", "Date", "Room", "Code", "Description", "Check", "Amount", "Balance"};
    double cents = 0;
    for (const InvoiceLine& line : lines) {
        cents += balanceChangeCents(line);
        const double balance = cents / 100;
        csv.row({std::string(trimRight(accountName)), plainNumber(invoiceNo), csvDate(line.postDate),
                 line.roomNo.str(), line.code.str(), line.description.str(), line.checkNo.str(),
                 csvAmount(decimalOf(line.amount)), csvAmount(balance)});
    }
    return csv.text();
}

std::string invoiceCsv(DataDir& dir, std::string_view accountName, float invoiceNo) {
    return invoiceCsv(invoiceLines(dir, accountName, invoiceNo), accountName, invoiceNo);
}

std::string invoiceListRow(const InvoiceLine& line) {
    return column(line.roomNo.stored(5), 5, 10) + column(line.postDate.text(), 5, 15) + column(line.code.stored(30), 0, 6) +
           column(signedNumber(line.invoiceNo), 15, 15) + column(std::string(trimRight(line.checkNo.str())), 35, 13) +
           column(std::string(trimRight(line.description.str())), 20, 23) + column(signedNumber(line.amount), 20, 20);
}

std::string invoiceListHeadings() {
    return fitWidth("Room#", 10) + fitWidth("Date", 15) + fitWidth("Code", 6) + fitWidth("Invoice#", 15) +
           fitWidth("Check#", 13) + fitWidth("Decription", 23) + "Amount";
}

InvoiceView invoiceView(DataDir& dir, std::string_view accountName, float invoiceNo) {
    const std::vector<InvoiceLine> lines = invoiceLines(dir, accountName, invoiceNo);
    InvoiceView view;
    for (const InvoiceLine& line : lines) view.rows.push_back(invoiceListRow(line));
    view.balance = invoiceBalance(lines);
    if (!lines.empty()) view.room = lines.back().roomNo.str();
    return view;
}

std::optional<Refusal> postToInvoice(DataDir& dir, std::string_view accountName, float invoiceNo,
                                           std::string_view room, Date hotelDate, const LedgerEntry& entry) {
    const float taxRate = readTaxRate(dir);
    const char letter = entry.type.empty() ? '\0' : entry.type.front();
    if (auto refusal = firstFailure({
            {entry.type == kSelectType, kNoType, "Combo3"},
            {trimRight(entry.amount).empty(), kNoLedgerAmount, "Text10"},
            {letter == 'K' && trimRight(entry.checkNo).empty(), kNoCheckNo, "Text11"},
            {std::find(kTypes.begin(), kTypes.end(), entry.type) == kTypes.end(), kTypeNotOffered, "Combo3"},
        }))
        return refusal;
    const TypedAmount typed = readAmount(entry.amount, kAmountBox);
    if (!typed.value) return Refusal{typed.refusal, "Text10"};
    const auto files = InvoiceFiles::of(dir, accountName);
    if (!files) return Refusal{accountNameProblem(accountName), "Combo3"};

    const double amount = *typed.value;
    if (letter == 'E') {
        postRoomRent(dir, hotelDate, amount, taxRate, std::nullopt, InvoiceOfAccount{&*files, invoiceNo, room});
        return std::nullopt;
    }
    InvoiceLine line = chargeInvoiceLine(room, hotelDate, invoiceNo, amount, letter);
    if (letter == 'K') line.checkNo = entry.checkNo;
    appendInvoiceLine(dir, *files, line);
    return std::nullopt;
}

}  // namespace innvera
