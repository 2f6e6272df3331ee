#include "ledger/folio_file.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/codec.h"
#include "core/formats.h"
#include "ledger/charge_codes.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

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
    std::string_view text;
    bool quoted = false;
};
using Fields = std::array<Field, 11>;

// Splits a line at the commas outside quotes into its eleven fields; nothing when a quote is
// left open, a quoted field runs on into other text, or the line has another number of fields.
bool splitFields(std::string_view line, Fields& fields) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (true) {
        if (count == fields.size()) return false;
        Field& field = fields[count++];
        if (i < line.size() && line[i] == '"') {
            const std::size_t close = line.find('"', i + 1);
            if (close == std::string_view::npos) return false;
            field = {line.substr(i + 1, close - i - 1), true};
            i = close + 1;
            while (i < line.size() && line[i] == ' ') ++i;
        } else {
            std::size_t comma = line.find(',', i);
            if (comma == std::string_view::npos) comma = line.size();
            field = {line.substr(i, comma - i), false};
            i = comma;
        }
        if (i >= line.size()) break;
        if (line[i] != ',') return false;
        ++i;
    }
    return count == fields.size();
}

// The fields of a readable line and its date; nothing when the line is damaged.
std::optional<Date> readableLine(std::string_view line, Fields& fields) {
    if (!splitFields(line, fields)) return std::nullopt;
    const auto date = parseFileDate(fields[2].text);
    if (!date || !isNumberText(fields[5].text)) return std::nullopt;
    return date;
}

// Hands each line of a folio file's text to `visit` with its number (from 1). Lines end in
// CR LF as written, but a file edited elsewhere may end them in LF or CR alone.
template <class Visit>
void forEachLine(std::string_view text, Visit&& visit) {
    std::size_t start = 0;
    std::size_t number = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        visit(text.substr(start, end - start), ++number);
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++start;
    }
}

}  // namespace

std::string folioKey(float folioNo) { return signedNumber(folioNo); }

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
    Fields f;
    const auto date = readableLine(line, f);
    if (!date) return std::nullopt;
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
    const std::optional<std::string> text = dir.readWhole(dir.folioCharges(folioKey(folioNo)));
    if (!text) return lines;
    forEachLine(*text, [&](std::string_view line, std::size_t) {
        if (auto parsed = parseFolioLine(line)) lines.push_back(std::move(*parsed));
    });
    return lines;
}

void visitFolioText(std::string_view text,
                    const std::function<void(std::size_t lineNo, const std::optional<FolioLineView>& posting)>& visit) {
    forEachLine(text, [&](std::string_view line, std::size_t number) {
        if (line.find_first_not_of(" \t") == std::string_view::npos) return;  // an empty line holds nothing
        Fields f;
        const auto date = readableLine(line, f);
        if (!date) {
            visit(number, std::nullopt);
            return;
        }
        visit(number, FolioLineView{*date, f[3].text, f[5].text});
    });
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

}  // namespace innvera
