#include "core/motel_details.h"

#include "core/formats.h"

namespace innvera {

namespace {

// What is wrong with a line's text.
enum class Fault { None, NotText, Control, TooLong, NoName };

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

// Well-formed UTF-8: no stray continuation byte, no cut or overlong sequence, no surrogate.
bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // The sequence's length, the least code it may stand for, and the lead byte's bits.
        std::size_t length = 1;
        unsigned min = 0;
        unsigned code = byte;
        if (byte >= 0xF5) {
            return false;
        } else if (byte >= 0xF0) {
            length = 4, min = 0x10000, code = byte & 0x07u;
        } else if (byte >= 0xE0) {
            length = 3, min = 0x800, code = byte & 0x0Fu;
        } else if (byte >= 0xC2) {
            length = 2, min = 0x80, code = byte & 0x1Fu;
        } else if (byte >= 0x80) {
            return false;  // a continuation byte, or the lead of an overlong pair
        }
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = (code << 6) | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// A control character: C0 (tab, line breaks, ...), DEL, or C1 (U+0080 to U+009F, in UTF-8
// 0xC2 followed by 0x80 to 0x9F).
bool hasControl(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7F) return true;
        if (byte == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) <= 0x9F) return true;
    }
    return false;
}

Fault faultOf(const MotelLine& line, std::string_view text) {
    if (!isUtf8(text)) return Fault::NotText;
    if (line.field == &MotelDetails::name && text.empty()) return Fault::NoName;
    if (hasControl(text)) return Fault::Control;
    if (charCount(text) > line.limit()) return Fault::TooLong;
    return Fault::None;
}

// The fault as the damage of the file describes it.
std::string describe(const MotelLine& line, Fault fault) {
    const std::string the = std::string("the ") + line.called;
    switch (fault) {
    case Fault::NotText: return the + " is not UTF-8 text";
    case Fault::NoName: return the + " is empty";
    case Fault::Control: return the + " has a tab or another control character";
    case Fault::TooLong: return the + " is longer than " + std::to_string(line.limit()) + " characters";
    case Fault::None: break;
    }
    return {};
}

const MotelLine* lineOfKey(std::string_view key) {
    for (const MotelLine& line : kMotelLines)
        if (key == line.key) return &line;
    return nullptr;
}

}  // namespace

MotelDetails sampleMotelDetails() {
    return {"Kestrel Motel", "27 Cedar Mill Rd", "Westerbrooke, ZZ  00000",
            "Phone: 555-010-0000   Fax: 555-010-0001", ""};
}

std::size_t headingBlanks(const MotelLine& line, std::string_view text) {
    const std::size_t before = charCount(text) / 2;  // characters before the middle one
    return line.middleColumn - 1 > before ? line.middleColumn - 1 - before : 0;
}

MotelOnRecord parseMotelDetails(std::string_view content) {
    MotelOnRecord motel;
    const auto fault = [&motel](int number, const std::string& what) {
        if (motel.damage.empty()) motel.damage = "line " + std::to_string(number) + " " + what;
    };
    if (content.starts_with("\xEF\xBB\xBF")) content.remove_prefix(3);  // the mark some editors put first
    // Per line: given by the file, or named as a fault.
    std::array<bool, kMotelLines.size()> given{};
    std::array<bool, kMotelLines.size()> faulty{};
    for (int number = 1; !content.empty(); ++number) {
        const std::size_t end = content.find('\n');
        std::string_view text = content.substr(0, end);
        content = end == std::string_view::npos ? std::string_view() : content.substr(end + 1);
        if (text.ends_with('\r')) text.remove_suffix(1);
        if (trimBlanks(text).empty() || trimBlanks(text).starts_with('#')) continue;

        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            fault(number, "has no \"=\"");
            continue;
        }
        const std::string_view key = trimBlanks(text.substr(0, equals));
        const MotelLine* line = lineOfKey(key);
        if (!line) {
            const bool showable = isUtf8(key) && !hasControl(key) && charCount(key) <= 20;
            const std::string named = showable ? "names \"" + std::string(key) + "\", which" : "names something that";
            fault(number, named + " is not one of name, street, city, phone and extra");
            continue;
        }
        const std::string_view value = trimBlanks(text.substr(equals + 1));
        const auto index = static_cast<std::size_t>(line - kMotelLines.data());
        if (const Fault problem = faultOf(*line, value); problem != Fault::None) {
            fault(number, "is wrong: " + describe(*line, problem));
            faulty[index] = true;
            continue;
        }
        motel.printed.*(line->field) = std::string(value);
        given[index] = true;
    }
    // Every line but the optional extra one is written when the details are saved.
    for (std::size_t i = 0; i < kMotelLines.size(); ++i)
        if (!given[i] && !faulty[i] && kMotelLines[i].field != &MotelDetails::extra && motel.damage.empty())
            motel.damage = std::string("no line gives the ") + kMotelLines[i].called;
    motel.saved = given[0];
    if (motel.saved) motel.caption = motel.printed.name;
    return motel;
}

MotelOnRecord readMotelDetails(const DataDir& dir) {
    try {
        const std::optional<std::string> content = dir.readWhole(dir.motelDetailsFile());
        if (!content) return MotelOnRecord{};
        return parseMotelDetails(*content);
    } catch (const FileError& error) {
        MotelOnRecord motel;
        motel.damage = error.reason();
        return motel;
    }
}

std::string motelDetailsText(const MotelDetails& details) {
    std::string text;
    for (const MotelLine& line : kMotelLines) text += std::string(line.key) + "=" + details.*(line.field) + "\n";
    return text;
}

MotelDetails trimmedDetails(const MotelDetails& typed) {
    MotelDetails details;
    for (const MotelLine& line : kMotelLines) details.*(line.field) = std::string(trimBlanks(typed.*(line.field)));
    return details;
}

std::optional<Refusal> checkMotelDetails(const MotelDetails& details) {
    if (details.name.empty()) return Refusal{kNoMotelName, kMotelLines[0].box};
    for (const MotelLine& line : kMotelLines) {
        const std::string called = line.called;
        switch (faultOf(line, details.*(line.field))) {
        case Fault::NotText:
        case Fault::Control:
            return Refusal{"The " + called + " has a tab or another character that cannot be printed. Take it out.",
                           line.box};
        case Fault::TooLong:
            return Refusal{"The " + called + " is too long for the printed folio: " + std::to_string(line.limit()) +
                               " characters at most.",
                           line.box};
        case Fault::NoName:
        case Fault::None:
            break;
        }
    }
    return std::nullopt;
}

std::optional<Refusal> saveMotelDetails(DataDir& dir, const MotelDetails& typed) {
    const MotelDetails details = trimmedDetails(typed);
    if (auto refusal = checkMotelDetails(details)) return refusal;
    const std::string text = motelDetailsText(details);
    // Replaced whole: what the old file held past the new text must not stay behind.
    dir.remove(dir.motelDetailsFile());
    dir.write(dir.motelDetailsFile(), 0, text.data(), text.size());
    return std::nullopt;
}

}  // namespace innvera
