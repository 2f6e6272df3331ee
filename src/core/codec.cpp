#include "core/codec.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "core/formats.h"

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

// Numbers are stored little-endian: on a little-endian machine their bytes are copied as
// they are (the long scans read millions of them), elsewhere assembled byte by byte.
template <class Bits>
Bits loadBits(const char* at) {
    Bits bits = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&bits, at, sizeof bits);
    } else {
        for (std::size_t i = sizeof bits; i-- > 0;) bits = static_cast<Bits>((bits << 8) | static_cast<unsigned char>(at[i]));
    }
    return bits;
}

template <class Bits>
void storeBits(char* at, Bits bits) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &bits, sizeof bits);
    } else {
        for (std::size_t i = 0; i < sizeof bits; ++i) at[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
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
    // The value ends where its padding starts: blanks, or zero bytes in a field never
    // assigned. A byte is padding when setting its blank bit (0x20) makes it a blank; the
    // padding is passed over eight bytes at a time while it lasts.
    const char* begin = record.data() + offset;
    constexpr std::uint64_t kEightBlanks = 0x2020202020202020;
    std::size_t length = width;
    while (length >= 8 && (loadBits<std::uint64_t>(begin + length - 8) | kEightBlanks) == kEightBlanks) length -= 8;
    while (length > 0 && (static_cast<unsigned char>(begin[length - 1]) | 0x20) == 0x20) --length;
    // A field of zero bytes alone was never assigned.
    if (length == 0 && std::all_of(begin, begin + width, [](char c) { return c == '\0'; })) return Text();
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

float singleAt(const char* at) { return std::bit_cast<float>(loadBits<std::uint32_t>(at)); }

double storedDateAt(const char* at) { return std::bit_cast<double>(loadBits<std::uint64_t>(at)); }
Date dateAt(const char* at) { return Date::fromStored(storedDateAt(at)); }

float getSingle(const Bytes& record, std::size_t offset) {
    if (!fits(record, offset, 4)) return 0;
    return singleAt(record.data() + offset);
}

void putSingle(Bytes& record, std::size_t offset, float value) {
    if (!fits(record, offset, 4)) return;
    storeBits(record.data() + offset, std::bit_cast<std::uint32_t>(value));
}

std::int16_t getInteger(const Bytes& record, std::size_t offset) {
    if (!fits(record, offset, 2)) return 0;
    return std::bit_cast<std::int16_t>(loadBits<std::uint16_t>(record.data() + offset));
}

void putInteger(Bytes& record, std::size_t offset, std::int16_t value) {
    if (!fits(record, offset, 2)) return;
    storeBits(record.data() + offset, std::bit_cast<std::uint16_t>(value));
}

Date getDate(const Bytes& record, std::size_t offset) {
    if (!fits(record, offset, 8)) return Date();
    return dateAt(record.data() + offset);
}

void putDate(Bytes& record, std::size_t offset, Date value) {
    if (!fits(record, offset, 8)) return;
    // A stored value that reads as this day (a time of day, a damaged number read as day 0)
    // is written back as it was: only a changed date is rewritten.
    if (getDate(record, offset) == value) return;
    storeBits(record.data() + offset, std::bit_cast<std::uint64_t>(value.stored()));
}

}  // namespace innvera
