#include "core/codec.h"

#include <array>
#include <cstring>

#include "core/forms.h"

namespace innvera {

namespace {

// Code points of bytes 0x80 to 0x9F; the five bytes Windows-1252 leaves undefined map to
// the C1 control of the same number so that they survive a round trip.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char cp1252Byte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
    return '?';
}

bool fits(const Bytes& record, std::size_t offset, std::size_t width) {
    return offset + width <= record.size();
}

}  // namespace

std::string toCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const unsigned char lead = utf8[i];
        const int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
        char32_t cp = extra <= 0 ? lead : lead & (0x3F >> extra);
        bool ok = extra >= 0 && i + extra < utf8.size();
        for (int k = 1; ok && k <= extra; ++k) {
            const unsigned char next = utf8[i + k];
            ok = (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        if (!ok) {  // a broken sequence: one '?' for its first byte
            out += '?';
            ++i;
            continue;
        }
        out += cp1252Byte(cp);
        i += extra + 1;
    }
    return out;
}

std::string fromCp1252(std::string_view bytes) {
    bool ascii = true;
    for (unsigned char c : bytes) ascii &= c < 0x80;
    if (ascii) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) {
        if (c < 0x80) out += static_cast<char>(c);
        else if (c < 0xA0) appendUtf8(out, kHigh[c - 0x80]);
        else appendUtf8(out, c);
    }
    return out;
}

std::string Text::stored(std::size_t width) const { return fitWidth(value_, width); }

Text getText(const Bytes& record, std::size_t offset, std::size_t width) {
    if (!fits(record, offset, width)) return Text();
    // One pass back over the padding: its end is the value's end; a field of zero bytes
    // alone was never assigned.
    const char* begin = record.data() + offset;
    std::size_t length = width;
    bool blankSeen = false;
    while (length > 0 && (begin[length - 1] == ' ' || begin[length - 1] == '\0')) {
        blankSeen |= begin[length - 1] == ' ';
        --length;
    }
    if (length == 0 && !blankSeen) return Text();
    return Text(fromCp1252(std::string_view(begin, length)));
}

void putText(Bytes& record, std::size_t offset, std::size_t width, const Text& value) {
    if (!fits(record, offset, width)) return;
    if (!value.assigned()) {
        std::memset(record.data() + offset, 0, width);
        return;
    }
    std::string bytes = toCp1252(value.str());
    bytes.resize(width, ' ');
    std::memcpy(record.data() + offset, bytes.data(), width);
}

float getSingle(const Bytes& record, std::size_t offset) {
    if (!fits(record, offset, 4)) return 0;
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(record[offset + i]);
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

void putSingle(Bytes& record, std::size_t offset, float value) {
    if (!fits(record, offset, 4)) return;
    std::uint32_t bits;
    std::memcpy(&bits, &value, 4);
    for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

std::int16_t getInteger(const Bytes& record, std::size_t offset) {
    if (!fits(record, offset, 2)) return 0;
    const auto lo = static_cast<unsigned char>(record[offset]);
    const auto hi = static_cast<unsigned char>(record[offset + 1]);
    return static_cast<std::int16_t>(lo | (hi << 8));
}

void putInteger(Bytes& record, std::size_t offset, std::int16_t value) {
    if (!fits(record, offset, 2)) return;
    const auto bits = static_cast<std::uint16_t>(value);
    record[offset] = static_cast<char>(bits & 0xFF);
    record[offset + 1] = static_cast<char>(bits >> 8);
}

Date getDate(const Bytes& record, std::size_t offset) {
    if (!fits(record, offset, 8)) return Date();
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(record[offset + i]);
    double value;
    std::memcpy(&value, &bits, 8);
    return Date::fromStored(value);
}

void putDate(Bytes& record, std::size_t offset, Date value) {
    if (!fits(record, offset, 8)) return;
    // A stored value that reads as this day (a time of day, a damaged number read as day 0)
    // is written back as it was: only a changed date is rewritten.
    if (getDate(record, offset) == value) return;
    const double stored = value.stored();
    std::uint64_t bits;
    std::memcpy(&bits, &stored, 8);
    for (int i = 0; i < 8; ++i) record[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

}  // namespace innvera
