#include "folio/ledger.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include "core/codec.h"
#include "core/forms.h"
#include "folio/charge_codes.h"
#include "platform/record_file.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

// The first `length` bytes of a file, zero-filled past its end, and how many it had.
struct Head {
    Bytes bytes;
    std::size_t read = 0;
};

Head readHead(const fs::path& file, std::size_t length) {
    Head head{Bytes(length, '\0'), 0};
    std::ifstream in(file, std::ios::binary);
    if (in) {
        in.read(head.bytes.data(), static_cast<std::streamsize>(length));
        head.read = static_cast<std::size_t>(in.gcount());
    }
    return head;
}

// A text field of a folio line: quoted, in the file's code page. A quote or line break
// inside would break the line for every reader, so they become a ' and a blank.
std::string quotedField(std::string_view text) {
    std::string out = "\"";
    for (char c : toCp1252(text)) {
        if (c == '"') c = '\'';
        else if (c == '\r' || c == '\n') c = ' ';
        out += c;
    }
    out += '"';
    return out;
}

std::string fileDate(Date day) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "#%04d-%02d-%02d#", day.year(), day.month(), day.day());
    return buf;
}

// "#2019-05-01#" (a time after the day is ignored); nothing when it is no real date.
std::optional<Date> parseFileDate(std::string_view field) {
    field = trimRight(field);
    if (field.size() < 12 || field.front() != '#' || field.back() != '#') return std::nullopt;
    const std::string_view ymd = field.substr(1, 10);
    if (ymd[4] != '-' || ymd[7] != '-') return std::nullopt;
    if (field.size() > 12 && field[11] != ' ') return std::nullopt;
    std::string mdy;
    mdy.append(ymd.substr(5, 2)).append("/").append(ymd.substr(8, 2)).append("/").append(ymd.substr(0, 4));
    return Date::parse(mdy);
}

struct Field {
    std::string text;
    bool quoted = false;
};

// Splits a line at the commas outside quotes; nothing when a quote is left open or a
// quoted field runs on into other text.
std::optional<std::vector<Field>> splitFields(std::string_view line) {
    std::vector<Field> fields;
    std::size_t i = 0;
    while (true) {
        Field field;
        if (i < line.size() && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) return std::nullopt;
            field = {std::string(line.substr(i + 1, close - i - 1)), true};
            i = close + 1;
            while (i < line.size() && line[i] == ' ') ++i;
        } else {
            std::size_t comma = line.find(',', i);
            if (comma == std::string_view::npos) comma = line.size();
            field = {std::string(line.substr(i, comma - i)), false};
            i = comma;
        }
        fields.push_back(std::move(field));
        if (i >= line.size()) break;
        if (line[i] != ',') return std::nullopt;
        ++i;
        if (fields.size() > 11) return std::nullopt;
    }
    return fields;
}

Totals readTotals(const fs::path& file) {
    Totals totals;
    const Head head = readHead(file, Totals::kLength);
    if (head.read < Totals::kUsed) return totals;
    for (std::size_t i = 0; i < totals.values.size(); ++i) totals.values[i] = getSingle(head.bytes, 4 * i);
    return totals;
}

void addToTotalsFile(DataDir& dir, const fs::path& file, int slot, float amount) {
    Head head = readHead(file, Totals::kLength);
    if (head.read < Totals::kUsed) head.bytes.assign(Totals::kLength, '\0');
    const std::size_t offset = 4 * static_cast<std::size_t>(slot);
    const float sum = getSingle(head.bytes, offset) + amount;
    putSingle(head.bytes, offset, sum);
    dir.write(file, 0, head.bytes.data(), head.bytes.size());
}

bool isWindowsDeviceName(std::string_view name) {
    std::string base = upperCase(trimRight(name.substr(0, name.find('.'))));
    for (const char* device : {"CON", "PRN", "AUX", "NUL"})
        if (base == device) return true;
    if (base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '1' && base[3] <= '9')
        return true;
    return false;
}

}  // namespace

// ---- Names ---------------------------------------------------------------------------

std::string folioKey(float folioNo) { return signedNumber(folioNo); }

std::string monthKey(Date day) {
    const std::string text = day.text();
    const std::string month = text.substr(0, text.find('/'));
    const std::string year = text.size() >= 4 ? text.substr(text.size() - 4) : text;
    return month + year;
}

std::string dayKey(Date day) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d%02d%04d", day.month(), day.day(), day.year());
    return buf;
}

std::string legacyDayKey(Date day) {
    std::string key;
    for (char c : day.text().substr(0, 9))
        if (c != '/') key += c;
    return key;
}

// ---- Folio charge files ----------------------------------------------------------------

std::string folioLineText(float folioNo, std::string_view room, Date hotelDate, char code,
                          std::string_view description, std::string_view amountText) {
    std::string line;
    line += quotedField(fitWidth(room, 5)) + ",";
    line += quotedField("A") + ",";
    line += fileDate(hotelDate) + ",";
    line += quotedField(std::string(1, code)) + ",";
    line += quotedField(description) + ",";
    line += std::string(amountText) + ",";
    line += ",";
    line += plainNumber(folioNo) + ",";
    line += quotedField("-----") + "," + quotedField("-----") + "," + quotedField("-----");
    line += "\r\n";
    return line;
}

void appendFolioLine(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code,
                     std::string_view description, double amount) {
    dir.appendText(dir.folioCharges(folioKey(folioNo)),
                   folioLineText(folioNo, room, hotelDate, code, description, plainNumber(amount)));
}

void appendFolioLine(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code,
                     std::string_view description, float amount) {
    dir.appendText(dir.folioCharges(folioKey(folioNo)),
                   folioLineText(folioNo, room, hotelDate, code, description, plainNumber(amount)));
}

std::optional<FolioLine> parseFolioLine(std::string_view line) {
    const auto fields = splitFields(line);
    if (!fields || fields->size() != 11) return std::nullopt;
    const auto& f = *fields;
    const auto date = parseFileDate(f[2].text);
    if (!date || !isNumberText(f[5].text)) return std::nullopt;
    FolioLine out;
    out.room = fromCp1252(f[0].text);
    out.status = fromCp1252(f[1].text);
    out.postDate = *date;
    out.code = fromCp1252(f[3].text);
    out.description = fromCp1252(f[4].text);
    out.amount = leadingNumber(f[5].text);
    out.empty = fromCp1252(f[6].text);
    out.folioNo = fromCp1252(f[7].text);
    for (int i = 0; i < 3; ++i) out.trailer[i] = fromCp1252(f[8 + i].text);
    return out;
}

std::vector<FolioLine> readFolioLines(const DataDir& dir, float folioNo) {
    std::vector<FolioLine> lines;
    std::ifstream in(dir.folioCharges(folioKey(folioNo)), std::ios::binary);
    std::string text;
    while (std::getline(in, text)) {
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (auto line = parseFolioLine(text)) lines.push_back(std::move(*line));
    }
    return lines;
}

double folioBalance(const std::vector<FolioLine>& lines) {
    double cents = 0;  // whole cents, exact in a double far beyond any folio
    for (const FolioLine& line : lines) {
        const ChargeCode* code = chargeCode(line.code);
        if (!code || code->effect == BalanceEffect::None) continue;
        const double amount = std::round(roundCents(line.amount) * 100);
        cents += code->effect == BalanceEffect::Added ? amount : -amount;
    }
    return cents / 100;
}

// ---- Totals ---------------------------------------------------------------------------

float Totals::totalRevenue() const {
    float sum = 0;
    for (int i = slot::RoomRent; i <= slot::Other; ++i) sum += values[static_cast<std::size_t>(i)];
    return sum;
}

Totals readMonthTotals(const DataDir& dir, Date hotelDate) { return readTotals(dir.monthTotals(monthKey(hotelDate))); }

Totals readDayTotals(const DataDir& dir, Date hotelDate) {
    const fs::path own = dir.dayTotals(dayKey(hotelDate));
    if (fs::exists(own)) return readTotals(own);
    return readTotals(dir.dayTotals(legacyDayKey(hotelDate)));
}

void addToTotals(DataDir& dir, Date hotelDate, int slot, double amount) {
    if (slot < 0 || slot >= slot::Count) throw std::out_of_range("no totals slot " + std::to_string(slot));
    const float single = toSingle(amount);
    addToTotalsFile(dir, dir.monthTotals(monthKey(hotelDate)), slot, single);
    addToTotalsFile(dir, dir.dayTotals(dayKey(hotelDate)), slot, single);
}

void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, double amount) {
    const ChargeCode* entry = chargeCode(code);
    if (!entry) return;
    appendFolioLine(dir, folioNo, room, hotelDate, code, entry->description, amount);
    if (entry->slot) addToTotals(dir, hotelDate, *entry->slot, amount);
}

void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, float amount) {
    const ChargeCode* entry = chargeCode(code);
    if (!entry) return;
    appendFolioLine(dir, folioNo, room, hotelDate, code, entry->description, amount);
    if (entry->slot) addToTotals(dir, hotelDate, *entry->slot, amount);
}

// ---- Direct-bill invoice files ------------------------------------------------------------

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

float currentInvoiceNumber(const InvoiceFiles& files) {
    const Head head = readHead(files.counter(), Counter::kLength);
    return head.read >= 4 ? getSingle(head.bytes, 0) : 0;
}

float nextInvoiceNumber(DataDir& dir, const InvoiceFiles& files) {
    Head head = readHead(files.counter(), Counter::kLength);
    const float next = (head.read >= 4 ? getSingle(head.bytes, 0) : 0) + 1;
    putSingle(head.bytes, 0, next);
    dir.write(files.counter(), 0, head.bytes.data(), head.bytes.size());
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

// ---- Stays and accounts ------------------------------------------------------------------

std::optional<Found<Guest>> findStayRecord(DataDir& dir, float folioNo) {
    return findStayWhere(dir, [&](const StayKeys& g) { return g.folioNo == folioNo; });
}

std::optional<Guest> findInHouseStay(DataDir& dir, float folioNo) {
    const auto found = findStayWhere(dir, [&](const StayKeys& g) { return g.inHouse() && g.folioNo == folioNo; });
    if (!found) return std::nullopt;
    return found->record;
}

std::optional<Guest> findStay(DataDir& dir, float folioNo) {
    const auto found = findStayRecord(dir, folioNo);
    if (!found) return std::nullopt;
    return found->record;
}

std::optional<DirectBillAccount> findAccount(DataDir& dir, float accountNo) {
    const auto found = RecordFile<DirectBillAccount>(dir, dir.directBillAccounts())
                           .findFirst([&](const DirectBillAccount& a) { return a.accountNo == accountNo; });
    if (!found) return std::nullopt;
    return found->record;
}

float toSingle(double value) {
    if (std::isnan(value)) return static_cast<float>(value);
    if (value > FLT_MAX) return INFINITY;
    if (value < -FLT_MAX) return -INFINITY;
    return static_cast<float>(value);
}

}  // namespace innvera
