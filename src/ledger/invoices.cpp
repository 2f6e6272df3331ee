#include "ledger/invoices.h"

#include <algorithm>
#include <system_error>

#include "core/codec.h"
#include "core/formats.h"
#include "core/counters.h"
#include "ledger/charge_codes.h"
#include "platform/file_layer.h"
#include "core/record_file.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

bool isWindowsDeviceName(std::string_view name) {
    // Windows takes the part before the first dot, with its trailing blanks dropped.
    const std::string base = upperCase(trimRight(name.substr(0, name.find('.'))));
    for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"})
        if (base == device) return true;
    if (!base.starts_with("COM") && !base.starts_with("LPT")) return false;
    const std::string_view number = std::string_view(base).substr(3);
    if (number.size() == 1 && number[0] >= '0' && number[0] <= '9') return true;
    return number == "\xC2\xB9" || number == "\xC2\xB2" || number == "\xC2\xB3";  // ¹ ² ³ in UTF-8
}

// A name as a file system that ignores case and trailing dots and blanks sees it.
std::string fileKey(std::string_view name) {
    std::string key = upperCase(name);
    while (!key.empty() && (key.back() == ' ' || key.back() == '.')) key.pop_back();
    return key;
}

// True when `file` is `owner`, a blank and digits: the name of one of owner's invoices.
bool isInvoiceOf(std::string_view file, std::string_view owner) {
    if (file.size() < owner.size() + 2 || !file.starts_with(owner) || file[owner.size()] != ' ') return false;
    const std::string_view digits = file.substr(owner.size() + 1);
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
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

std::string accountNameTaken(std::string_view otherName) {
    return "There is already an account named " + std::string(trimRight(otherName)) + ". Choose another name.";
}

std::string accountNameCollides(std::string_view otherName) {
    return "This name would share invoice files with the account " + std::string(trimRight(otherName)) +
           ". Choose another name.";
}

std::string storedAccountName(std::string_view typed) {
    return std::string(trimRight(fromCp1252(toCp1252(firstChars(typed, kAccountNameWidth)))));
}

bool invoiceFilesMeet(std::string_view oneName, std::string_view otherName) {
    const std::string a = upperCase(trimRight(oneName));
    const std::string b = upperCase(trimRight(otherName));
    if (fileKey(a) == fileKey(b)) return true;
    // One's counter file is the other's invoice file, whether or not the file system drops the
    // counter file's trailing dots.
    return isInvoiceOf(a, b) || isInvoiceOf(fileKey(a), b) || isInvoiceOf(b, a) || isInvoiceOf(fileKey(b), a);
}

std::string newAccountNameProblem(std::string_view typed, const std::vector<std::string>& otherNames) {
    const std::string name = storedAccountName(typed);
    if (name.empty()) return kNoAccountName;
    const std::string cut = firstChars(typed, kAccountNameWidth);
    if (fromCp1252(toCp1252(cut)) != cut) return kAccountNameCharacter;
    if (std::string problem = accountNameProblem(name); !problem.empty()) return problem;
    if (name.back() == '.') return kAccountNameEndsInDot;
    for (const std::string& other : otherNames)
        if (fileKey(name) == fileKey(other)) return accountNameTaken(other);
    for (const std::string& other : otherNames)
        if (invoiceFilesMeet(name, other)) return accountNameCollides(other);
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

std::vector<fs::path> invoiceFilesOnDisk(const InvoiceFiles& files) {
    const fs::path folder = files.counter().parent_path();
    const std::string counterName = files.counter().filename().string();
    std::vector<fs::path> found;
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        if (error == std::errc::no_such_file_or_directory) return found;
        throw FileError(folder, error.message());
    }
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (name == counterName || isInvoiceOf(name, counterName)) found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    return found;
}

InvoiceMove moveInvoiceFiles(DataDir& dir, const InvoiceFiles& from, const InvoiceFiles& to) {
    const std::string fromName = from.counter().filename().string();
    std::vector<std::pair<fs::path, fs::path>> moves;
    for (const fs::path& file : invoiceFilesOnDisk(from)) {
        fs::path target = to.counter();
        target += file.filename().string().substr(fromName.size());  // "" for the counter, " 3" for invoice 3
        std::error_code error;
        if (pathKind(target) == PathKind::Missing) {
            moves.emplace_back(file, target);
        } else if (!fs::equivalent(file, target, error) || error) {
            return {target, 0};
        }  // else the same file under a name differing in case only: found by either name
    }
    for (const auto& [file, target] : moves) {
        const std::optional<std::string> bytes = dir.readWhole(file);
        if (!bytes) continue;
        dir.write(target, 0, bytes->data(), bytes->size());
        dir.remove(file);
    }
    return {std::nullopt, static_cast<int>(moves.size())};
}

}  // namespace innvera
