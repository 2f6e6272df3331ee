#pragma once

#include <string>
#include <vector>

// How a document's lines go onto paper, decided before anything is printed: the page's
// orientation, the size of the type and the lines as printed. The type is never smaller than
// 9 points: a line made only of rule characters (dashes, equal signs, underscores) is cut at
// the margin; a document still wider than an upright page is turned to landscape; beyond that
// the type shrinks down to 9 points and a line still too long goes on over the next line.
namespace innvera {

inline constexpr double kPrintPointSize = 10;
inline constexpr double kLeastPrintPointSize = 9;

// The page as the printer gives it: the width of its printable area upright and turned, and
// the advance of one character of the fixed-pitch font per point of its size, all in the same
// units (the printer's pixels).
struct PrintPage {
    double uprightWidth = 0;
    double landscapeWidth = 0;
    double advancePerPoint = 0;
};

struct PrintLayout {
    bool landscape = false;
    double pointSize = kPrintPointSize;
    std::vector<std::string> lines;  // UTF-8, as printed
};

PrintLayout layOutPrint(const std::vector<std::string>& lines, const PrintPage& page);

// Whether the line is a rule: rule characters, with nothing but blanks between or around them.
bool isRuleLine(const std::string& line);

}  // namespace innvera
