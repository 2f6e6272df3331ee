#pragma once

#include <QString>

#include "platform/desk.h"

namespace innvera {

// Prints each job on the system's default printer in a fixed-pitch font sized so that the
// job's widest line fits the page. With no printer configured, or when a print folder is
// given, each job is written there instead as a PDF plus a .txt twin with the exact lines.
class SystemPrinter : public Printer {
public:
    // An empty folder means: print on the default printer, or into defaultFolder() without one.
    explicit SystemPrinter(QString printFolder = {});

    void print(const PrintJob& job) override;

    // "Innvera Printouts" in the user's documents folder.
    static QString defaultFolder();

private:
    QString printFolder_;
};

}  // namespace innvera
