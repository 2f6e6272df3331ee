#pragma once

#include <QWidget>

#include <optional>
#include <string>

#include "core/date.h"
#include "core/desk.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace innvera {

class ReportFiguresPanel;

// "Financial Report": the running totals of a chosen month. "Get Report" shows the month's
// amounts rounded to the cent; "Print Report" prints the month last shown, "Export CSV" saves it
// for a spreadsheet.
class MonthlyReportWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "MonthlyReportWindow";

    explicit MonthlyReportWindow(Desk& desk, QWidget* parent = nullptr);

    // The event handlers, public so tests can call them as the controls do.
    void getReport();
    void printReport();
    void exportReport();

private:
    // The month last fetched: its list entries as shown and its first day.
    struct Shown {
        std::string monthEntry;
        std::string yearEntry;
        Date month;
    };

    void createControls();
    void createLayout();
    void connectControls();

    Desk& desk_;
    std::optional<Shown> shown_;
    QComboBox* monthList_;
    QComboBox* yearList_;
    QPushButton* getButton_;
    QLabel* monthLabel_;
    QLabel* yearLabel_;
    ReportFiguresPanel* figures_;
    QPushButton* printButton_;
    QPushButton* exportButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
