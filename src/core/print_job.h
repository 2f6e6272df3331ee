#pragma once

#include <string>
#include <vector>

// A printed document as the program composes it: lines of texts, numbers and column
// moves, turned into exact character lines for the printer.
namespace innvera {

// One item of a printed line: a text, a number in the printer's general number form
// (signed form and one blank after), or a move to column n (from 1), which goes to column
// n of the next line when the line has already passed it.
struct PrintItem {
    enum class Kind { Text, Number, Column } kind;
    std::string text;
    double value = 0;
    bool singlePrecision = false;
    int column = 1;
};

class PrintJob {
public:
    explicit PrintJob(std::string document) : document_(std::move(document)) {}

    // Starts a new line; items are then added to it.
    PrintJob& line();
    PrintJob& emptyLines(int count = 1);
    PrintJob& text(std::string text);
    PrintJob& number(float value);
    PrintJob& number(double value);
    PrintJob& column(int column);
    PrintJob& blanks(int count) { return text(std::string(count, ' ')); }

    // Adds a page holding a picture (a chart), printed after the lines on a page of its own and
    // scaled to fit it: the picture as the bytes of a PNG file.
    PrintJob& imagePage(std::string png);

    // The name the document is known by ("Folio", "Message").
    const std::string& document() const { return document_; }
    // The exact character lines of the document, in order.
    std::vector<std::string> lines() const;
    // The pictures of the pages after the lines, in order (PNG bytes).
    const std::vector<std::string>& imagePages() const { return images_; }

private:
    std::string document_;
    std::vector<std::vector<PrintItem>> lines_;
    std::vector<std::string> images_;
};

// General number form: " 65 ", "-5 ", " 7.8 ".
std::string generalNumber(float value);
std::string generalNumber(double value);

}  // namespace innvera
