#pragma once

#include <QString>

#include <functional>

#include "core/desk.h"

namespace innvera {

// Prints each job on the system's default printer in a fixed-pitch font of 10 points, never
// less than 9: rule lines are cut at the margin, a wider document is printed landscape and
// only then shrunk, and a line still too long goes on over the next (see print_layout.h).
// Each of its picture pages (a chart) goes on a page of its own. With no printer configured,
// or when a print folder is given, each job is written there instead as a PDF plus a .txt twin
// with the exact lines (the pictures are in the PDF only),
// and the notice hears where it went.
class SystemPrinter : public Printer {
public:
    using Notice = std::function<void(const QString& text)>;

    // An empty folder means: print on the default printer, or into defaultFolder() without one.
    // `notice` is given pdfNotice() of each job written to a file (production: showNotice).
    explicit SystemPrinter(QString printFolder = {}, Notice notice = {});

    void print(const PrintJob& job) override;

    // "Innvera Printouts" in the user's documents folder.
    static QString defaultFolder();

    // "Printed to PDF: /home/desk/Documents/Innvera Printouts/Folio 2026-12-06 10.15.00.pdf"
    static QString pdfNotice(const QString& pdfFile);
    // Shows the text for a few seconds in a small note over the active window: no button to
    // press and no keyboard focus taken. A notice while one is still up is added under it
    // (the end of day prints three reports), keeping the last three.
    static void showNotice(const QString& text);

private:
    QString printFolder_;
    Notice notice_;
};

}  // namespace innvera
