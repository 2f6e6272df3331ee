#pragma once

#include <QWidget>

#include <optional>
#include <vector>

#include "core/date.h"
#include "core/desk.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace innvera {

class ReportFiguresPanel;

// "Daily Financial Report": any of the 31 days before the hotel date, the hotel date and the
// day after it; a double-click shows the day's takings, "Print Report" prints them and
// "Export CSV" saves them for a spreadsheet.
class DailyReportWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "DailyReportWindow";

    explicit DailyReportWindow(Desk& desk, QWidget* parent = nullptr);

    // The day shown; nothing until one is chosen.
    std::optional<Date> shownDay() const { return shownDay_; }

    // The event handlers, public so tests can call them as the controls do.
    void showDay(int row);
    void printReport();
    void exportReport();

private:
    void createControls();
    void createLayout();
    void connectControls();
    void load();

    Desk& desk_;
    std::vector<Date> days_;  // the list's days, by row
    std::optional<Date> shownDay_;
    QListWidget* dayList_;
    QLabel* dateLabel_;
    ReportFiguresPanel* figures_;
    QPushButton* printButton_;
    QPushButton* exportButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
