#pragma once

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

#include "core/desk.h"
#include "reports/statistics.h"

class QChart;
class QChartView;
class QComboBox;
class QImage;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace innvera {

// "Statistics": the owner's figures of a month (night by night) or a year (month by month) beside
// the same period a year earlier: rooms available and sold, occupancy, room revenue, ADR, RevPAR,
// other charges and payments, with a chart of occupancy and ADR. It opens on the hotel date's
// month; "Show" shows the month (or "Whole Year") and year chosen. "Print" prints the table and
// the chart on a page of its own, "Export CSV" the table, "Export Guest List" the guests of the
// period.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "Statistics";

    explicit StatisticsWindow(Desk& desk, QWidget* parent = nullptr);

    // The event handlers, public so tests can call them as the controls do.
    void showChosen();
    void printStatistics();
    void exportStatistics();
    void exportGuestList();

    // The chart of the statistics shown, drawn at `width` x `height` on white with its texts twice
    // their size on the screen, as it is printed.
    QImage chartImage(int width, int height) const;

private:
    void createControls();
    void createLayout();
    void connectControls();
    void showTable(const Statistics& statistics);
    void showChart(const Statistics& statistics);
    void showNotes(const Statistics& statistics);
    // The period the two lists choose; nothing while they choose none.
    std::optional<StatisticsPeriod> chosenPeriod() const;

    Desk& desk_;
    std::optional<Statistics> shown_;
    QComboBox* monthList_;
    QComboBox* yearList_;
    QPushButton* showButton_;
    QLabel* periodLabel_;
    QTableWidget* table_;
    QChartView* chartView_;
    QLabel* nothingStored_;
    QLabel* notes_;
    QLabel* notCountedCaption_;
    QListWidget* notCounted_;
    QComboBox* guestList_;
    QPushButton* exportGuestsButton_;
    QPushButton* printButton_;
    QPushButton* exportButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
