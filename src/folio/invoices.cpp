#include "folio/invoices.h"

#include "core/codec.h"
#include "core/forms.h"
#include "core/numbers.h"
#include "folio/charge_codes.h"
#include "platform/record_file.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

bool isWindowsDeviceName(std::string_view name) {
    std::string base = upperCase(trimRight(name.substr(0, name.find('.'))));
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (base == device) return true;
    if (base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' && base[3] <= '9')
        return true;
    return false;
}

}  // namespace

std::string accountNameProblem(std::string_view accountName) {
    const std::string_view name = trimRight(accountName);
    if (name.empty() || name == "." || name.find("..") != std::string_view::npos || isWindowsDeviceName(name))
        return kUnsafeAccountName;
    for (unsigned char c : name) {
        if (c < 0x20 || c == 0x7F) return kUnsafeAccountName;
        switch (c) {
            case '/': case '\\': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
                return kUnsafeAccountName;
            default:
                break;
        }
    }
    return {};
}

std::optional<InvoiceFiles> InvoiceFiles::of(const DataDir& dir, std::string_view accountName) {
    if (!accountNameProblem(accountName).empty()) return std::nullopt;
    return InvoiceFiles(dir.directInvoice(trimRight(accountName)));
}

fs::path InvoiceFiles::invoice(float invoiceNo) const {
    fs::path file = counter_;
    file += signedNumber(invoiceNo);
    return file;
}

namespace {

// Record 1 of the account's counter file; its number reads as 0 when the file is missing or
// holds less than the number's four bytes. Reading never makes the file.
Bytes readCounterRecord(const DataDir& dir, const InvoiceFiles& files) {
    Bytes bytes(Counter::kLength, '\0');
    if (dir.readAt(files.counter(), 0, bytes.data(), bytes.size()) < 4) bytes.assign(Counter::kLength, '\0');
    return bytes;
}

}  // namespace

float currentInvoiceNumber(const DataDir& dir, const InvoiceFiles& files) {
    return getSingle(readCounterRecord(dir, files), 0);
}

float nextInvoiceNumber(DataDir& dir, const InvoiceFiles& files) {
    Bytes bytes = readCounterRecord(dir, files);
    // Never an invoice already on file, whatever the counter holds (a damaged counter starts over
    // and climbs past the invoices there are).
    float next = nextNumber(getSingle(bytes, 0), 0, nullptr);
    while (dir.size(files.invoice(next)) > 0) next = nextNumber(next, 0, nullptr);
    putSingle(bytes, 0, next);
    dir.write(files.counter(), 0, bytes.data(), bytes.size());
    return next;
}

void appendInvoiceLine(DataDir& dir, const InvoiceFiles& files, const InvoiceLine& line) {
    RecordFile<InvoiceLine>(dir, files.invoice(line.invoiceNo)).append(line);
}

InvoiceLine chargeInvoiceLine(std::string_view room, Date hotelDate, float invoiceNo, double amount, char code) {
    InvoiceLine line;
    line.roomNo = Text(std::string(trimRight(room)));
    line.postDate = hotelDate;
    line.invoiceNo = invoiceNo;
    line.amount = toSingle(amount);
    line.code = Text(std::string(1, code));
    const ChargeCode* entry = chargeCode(code);
    line.description = Text(entry ? std::string(entry->description) : std::string());
    line.checkNo = "----";
    return line;
}

std::vector<InvoiceLine> readInvoiceLines(DataDir& dir, const InvoiceFiles& files, float invoiceNo) {
    std::vector<InvoiceLine> lines;
    RecordFile<InvoiceLine>(dir, files.invoice(invoiceNo)).scan([&](const InvoiceLine& line, std::uint64_t) {
        lines.push_back(line);
    });
    return lines;
}

}  // namespace innvera
