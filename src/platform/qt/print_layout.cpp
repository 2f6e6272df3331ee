#include "platform/qt/print_layout.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace innvera {

namespace {

bool continues(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The characters of a UTF-8 line (one per code point).
std::size_t characters(const std::string& line) {
    return static_cast<std::size_t>(std::count_if(line.begin(), line.end(), [](char c) { return !continues(c); }));
}

// The byte where character `n` starts, or the end.
std::size_t byteOf(const std::string& line, std::size_t n) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < line.size(); ++at) {
        if (continues(line[at])) continue;
        if (seen++ == n) return at;
    }
    return line.size();
}

// How many characters of the type at `pointSize` go across `width`.
std::size_t columnsAcross(double width, double pointSize, double advancePerPoint) {
    if (advancePerPoint <= 0 || pointSize <= 0) return 0;
    return static_cast<std::size_t>(std::floor(width / (advancePerPoint * pointSize) + 1e-9));
}

}  // namespace

bool isRuleLine(const std::string& line) {
    bool rule = false;
    for (char c : line) {
        if (c == '-' || c == '=' || c == '_')
            rule = true;
        else if (c != ' ')
            return false;
    }
    return rule;
}

PrintLayout layOutPrint(const std::vector<std::string>& lines, const PrintPage& page) {
    std::size_t widest = 0;  // of the lines that are not rules
    for (const std::string& line : lines)
        if (!isRuleLine(line)) widest = std::max(widest, characters(line));

    PrintLayout layout;
    double width = page.uprightWidth;
    if (widest > columnsAcross(page.uprightWidth, kPrintPointSize, page.advancePerPoint)) {
        layout.landscape = true;
        width = page.landscapeWidth;
        if (widest > columnsAcross(width, kPrintPointSize, page.advancePerPoint) && page.advancePerPoint > 0) {
            const double fitting = width / (page.advancePerPoint * static_cast<double>(widest));
            layout.pointSize = std::max(kLeastPrintPointSize, std::floor(fitting * 10) / 10);
        }
    }
    const std::size_t columns = std::max<std::size_t>(1, columnsAcross(width, layout.pointSize, page.advancePerPoint));

    for (const std::string& line : lines) {
        if (characters(line) <= columns) {
            layout.lines.push_back(line);
        } else if (isRuleLine(line)) {
            layout.lines.push_back(line.substr(0, byteOf(line, columns)));
        } else {
            for (std::string rest = line; !rest.empty();) {
                const std::size_t cut = byteOf(rest, columns);
                layout.lines.push_back(rest.substr(0, cut));
                rest.erase(0, cut);
            }
        }
    }
    return layout;
}

}  // namespace innvera
