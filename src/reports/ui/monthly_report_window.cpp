#include "reports/ui/monthly_report_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "ledger/totals.h"
#include "core/csv.h"
#include "platform/qt/controls.h"
#include "platform/qt/export_file.h"
#include "platform/qt/handler.h"
#include "reports/csv_exports.h"
#include "reports/financial_reports.h"
#include "reports/ui/report_figures_panel.h"

namespace innvera {

namespace {

inline constexpr const char* kNoMonth = "You didn't choose a month.";
inline constexpr const char* kNoYear = "You didn't choose a year.";

QStringList entries(const std::vector<std::string>& texts) {
    QStringList list;
    for (const std::string& text : texts) list << qs(text);
    return list;
}

}  // namespace

MonthlyReportWindow::MonthlyReportWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Financial Report"));
    createControls();
    createLayout();
    connectControls();
}

void MonthlyReportWindow::createControls() {
    monthList_ = promptList(QStringLiteral("Combo1"), QStringLiteral("Choose Month"), entries(monthEntries()), this);
    yearList_ = promptList(QStringLiteral("Combo2"), QStringLiteral("Choose Year"), entries(yearEntries(desk_.clock.today().year())), this);
    getButton_ = button("Command1", "Get Report", this);
    monthLabel_ = valueLabel("Label1", this, 100);
    yearLabel_ = valueLabel("Label2", this, 60);
    figures_ = new ReportFiguresPanel(this);
    printButton_ = button("Command3", "Print Report", this);
    printButton_->setEnabled(false);  // until a month has been fetched
    exportButton_ = button("ExportButton", "Export CSV", this);
    exportButton_->setEnabled(false);
    exitButton_ = button("Command2", "Exit", this);
}

void MonthlyReportWindow::createLayout() {
    auto* choice = new QHBoxLayout;
    choice->addWidget(monthList_);
    choice->addWidget(yearList_);
    choice->addWidget(getButton_);
    choice->addStretch();
    auto* shown = new QHBoxLayout;
    shown->addWidget(monthLabel_);
    shown->addWidget(yearLabel_);
    shown->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(exportButton_);
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addLayout(shown);
    layout->addWidget(figures_);
    layout->addStretch();
    layout->addLayout(buttons);
}

void MonthlyReportWindow::connectControls() {
    connect(getButton_, &QPushButton::clicked, this, &MonthlyReportWindow::getReport);
    connect(printButton_, &QPushButton::clicked, this, &MonthlyReportWindow::printReport);
    connect(exportButton_, &QPushButton::clicked, this, &MonthlyReportWindow::exportReport);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    // The month and year typed or chosen, Enter gets the report.
    enterClicks(getButton_, {monthList_->lineEdit(), yearList_->lineEdit()});
}

void MonthlyReportWindow::getReport() {
    const std::string monthEntry = str(monthList_->currentText());
    const std::string yearEntry = str(yearList_->currentText());
    const int currentYear = desk_.clock.today().year();
    const std::optional<Date> month = chosenMonth(monthEntry, yearEntry, currentYear);
    if (!month) {
        // A month and a year of the lists, chosen or typed exactly: anything else names no file.
        const bool monthKnown = chosenMonth(monthEntry, yearEntries(currentYear).front(), currentYear).has_value();
        desk_.dialogs.inform("ATTENTION!", monthKnown ? kNoYear : kNoMonth);
        (monthKnown ? yearList_ : monthList_)->setFocus();
        return;
    }
    runHandler(desk_, [&] {
        monthLabel_->setText(qs(monthEntry));
        yearLabel_->setText(qs(yearEntry));
        figures_->showFigures(reportFigures(readMonthTotals(desk_.dataDir, *month)));
        shown_ = Shown{monthEntry, yearEntry, *month};
        printButton_->setEnabled(true);
        exportButton_->setEnabled(true);
    });
}

void MonthlyReportWindow::printReport() {
    if (!shown_) return;  // nothing is printed before a month has been fetched
    runHandler(desk_, [&] {
        desk_.printer.print(
            financialReport(shown_->monthEntry, shown_->yearEntry, readMonthTotals(desk_.dataDir, shown_->month)));
    });
}

void MonthlyReportWindow::exportReport() {
    if (!shown_) return;  // as printing, the month last fetched
    const Date month = shown_->month;
    exportToFile(desk_, "Financial Report " + csvMonth(month.year(), month.month()) + ".csv",
                 [&] { return monthlyCsv(desk_.dataDir, month.year(), month.month()); });
}

}  // namespace innvera
