#include "core/formats.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace innvera {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Scans the leading number; returns the number of characters it took (0 for none) and
// the digits it read, blanks left out, in `out`.
std::size_t scanNumber(std::string_view text, std::string& out) {
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i])) ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        out += text[i++];
        skipBlanks();
    }
    bool digits = false;
    while (i < text.size() && (isDigit(text[i]) || isBlank(text[i]))) {
        if (isDigit(text[i])) {
            out += text[i];
            digits = true;
        }
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        out += '.';
        ++i;
        while (i < text.size() && (isDigit(text[i]) || isBlank(text[i]))) {
            if (isDigit(text[i])) {
                out += text[i];
                digits = true;
            }
            ++i;
        }
    }
    if (!digits) {
        out.clear();
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        const std::size_t firstDigit = j;
        while (j < text.size() && isDigit(text[j])) exponent += text[j++];
        if (j > firstDigit) {
            out += exponent;
            i = j;
        }
    }
    return i;
}

// Decimal text in the C++ library's locale-free form, then trailing zeros removed.
std::string generalDigits(double value, int significant) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0) return "0";
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, significant).ptr;
    std::string text(buf, end);
    for (char& c : text)
        if (c == 'e') c = 'E';
    const auto e = text.find('E');
    std::string mantissa = text.substr(0, e);
    const std::string exponent = e == std::string::npos ? "" : text.substr(e);
    if (mantissa.find('.') != std::string::npos) {
        while (mantissa.back() == '0') mantissa.pop_back();
        if (mantissa.back() == '.') mantissa.pop_back();
    }
    return mantissa + exponent;
}

// The scanned digits as a number, whatever the C locale says the decimal point is;
// nothing when the number is out of range.
std::optional<double> parseDecimal(const std::string& digits) {
    const char* first = digits.data();
    if (*first == '+') ++first;
    double value = 0;
    if (std::from_chars(first, digits.data() + digits.size(), value).ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The value with 15 significant digits, in the form "d.dddddddddddddde+xx".
std::string fifteenDigits(double value) {
    char buf[64];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14).ptr);
}

}  // namespace

double leadingNumber(std::string_view text) {
    std::string digits;
    if (scanNumber(text, digits) == 0) return 0;
    return parseDecimal(digits).value_or(0);
}

bool isNumberText(std::string_view text) {
    std::string digits;
    std::size_t used = scanNumber(text, digits);
    if (used == 0) return false;
    while (used < text.size() && isBlank(text[used])) ++used;
    return used == text.size() && parseDecimal(digits).has_value();
}

bool fitsSingle(double value) {
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

bool isStorableAmount(std::string_view text) {
    std::string digits;
    if (scanNumber(text, digits) == 0) return true;
    const std::optional<double> value = parseDecimal(digits);
    return value && std::fabs(*value) <= kLargestAmount;
}

std::optional<double> wholeAmount(std::string_view text) {
    if (!isNumberText(text) || !isStorableAmount(text)) return std::nullopt;
    return leadingNumber(text);
}

namespace {

std::string decimalsInWords(int count) {
    static const char* const words[] = {"no", "one", "two", "three", "four"};
    return count >= 0 && count <= 4 ? words[count] : std::to_string(count);
}

}  // namespace

TypedAmount readAmount(std::string_view text, const AmountBox& box) {
    const std::string name(box.name);
    const std::string notANumber = "The " + name + " must be a number, like " + std::string(box.example) + ".";
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (negative) text.remove_prefix(1);
    int digits = 0;
    int decimals = 0;
    bool point = false;
    for (char c : text) {
        if (isDigit(c)) {
            ++digits;
            if (point) ++decimals;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return {std::nullopt, notANumber};
        }
    }
    if (digits == 0) return {std::nullopt, notANumber};
    if (negative && !box.signAllowed) return {std::nullopt, "The " + name + " can't be less than 0."};
    if (decimals > box.decimals)
        return {std::nullopt, "The " + name + " takes at most " + decimalsInWords(box.decimals) +
                                  " decimals, like " + std::string(box.example) + "."};
    double value = 0;
    const std::string plain(text);
    // Only digits and one point are left, which the library reads whatever the locale ("12." and ".5" too).
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error != std::errc() || end != plain.data() + plain.size() || value > kLargestAmount)
        return {std::nullopt, kAmountTooLarge};
    return {negative && value != 0 ? -value : value, {}};
}

std::string moneyText(double value) { return plainNumber(roundCents(value)); }

float toSingle(double value) {
    if (std::isnan(value)) return static_cast<float>(value);
    if (value > std::numeric_limits<float>::max()) return std::numeric_limits<float>::infinity();
    if (value < -std::numeric_limits<float>::max()) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}

// A Single holds every whole number up to 2^24 exactly: such a number (a folio number of eight
// digits) is written with all its digits rather than cut to seven.
std::string plainNumber(float value) {
    if (std::fabs(value) <= 16777216.0f && std::trunc(value) == value) return generalDigits(value, 9);
    return generalDigits(value, 7);
}
std::string plainNumber(double value) { return generalDigits(value, 15); }

double decimalOf(float value) {
    if (!std::isfinite(value)) return value;
    const std::string digits = plainNumber(value);
    double decimal = value;
    std::from_chars(digits.data(), digits.data() + digits.size(), decimal);
    return decimal;
}

std::string signedNumber(float value) {
    return value < 0 ? plainNumber(value) : " " + plainNumber(value);
}
std::string signedNumber(double value) {
    return value < 0 ? plainNumber(value) : " " + plainNumber(value);
}

double roundCents(double value) {
    if (!std::isfinite(value)) return 0;
    // Judge the amount by its 15 significant decimal digits, as it would be written.
    const std::string digits = fifteenDigits(value);
    double exact = value;
    std::from_chars(digits.data(), digits.data() + digits.size(), exact);
    const double lower = std::floor(exact * 100);
    if (fifteenDigits((lower + 0.5) / 100) == digits) {  // exactly half a cent: to the even cent
        return (std::fmod(lower, 2) == 0 ? lower : lower + 1) / 100;
    }
    return std::round(exact * 100) / 100;
}

std::string_view trimRight(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::size_t charCount(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string firstChars(std::string_view text, std::size_t count) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (n == count) return std::string(text.substr(0, i));
            ++n;
        }
    }
    return std::string(text);
}

std::string fitWidth(std::string_view text, std::size_t width) {
    std::string out = firstChars(text, width);
    out.append(width - charCount(out), ' ');
    return out;
}

std::string upperCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const unsigned char c = out[i];
        if (c >= 'a' && c <= 'z') {
            out[i] = static_cast<char>(c - 32);
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // Latin-1 small letters U+00E0..U+00FE (but not U+00F7) become U+00C0..U+00DE.
            const unsigned char next = out[i + 1];
            if (next >= 0xA0 && next <= 0xBE && next != 0xB7) out[i + 1] = static_cast<char>(next - 0x20);
            ++i;
        }
    }
    return out;
}

std::string upToFirstBlank(std::string_view text) {
    return std::string(text.substr(0, text.find(' ')));
}

}  // namespace innvera
