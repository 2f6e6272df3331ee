#include "reports/ui/daily_report_window.h"

#include <QGridLayout>
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

DailyReportWindow::DailyReportWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Daily Financial Report"));
    createControls();
    createLayout();
    connectControls();
    load();
}

void DailyReportWindow::createControls() {
    dayList_ = listBox("List1", this);
    dayList_->setFont(fixedPitchFont());
    dateLabel_ = valueLabel("Label2", this, 100);
    figures_ = new ReportFiguresPanel(this);
    printButton_ = button("Command1", "Print Report", this);
    printButton_->setEnabled(false);  // until a day is shown
    exportButton_ = button("ExportButton", "Export CSV", this);
    exportButton_->setEnabled(false);
    exitButton_ = button("Command2", "Exit", this);
}

void DailyReportWindow::createLayout() {
    auto* left = new QVBoxLayout;
    left->addWidget(captionLabel(QStringLiteral("Select Date (double click)"), this));
    left->addWidget(dayList_, 1);

    auto* date = new QHBoxLayout;
    date->addWidget(captionLabel(QStringLiteral("Date"), this));
    date->addWidget(dateLabel_);
    date->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(exportButton_);
    buttons->addWidget(exitButton_);
    auto* right = new QVBoxLayout;
    right->addLayout(date);
    right->addWidget(figures_);
    right->addStretch();
    right->addLayout(buttons);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right, 1);
}

void DailyReportWindow::connectControls() {
    connect(dayList_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { showDay(dayList_->row(item)); });
    connect(printButton_, &QPushButton::clicked, this, &DailyReportWindow::printReport);
    connect(exportButton_, &QPushButton::clicked, this, &DailyReportWindow::exportReport);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    enterActivates(dayList_, [this](const QModelIndex& at) { showDay(at.row()); });
}

void DailyReportWindow::load() {
    days_ = reportDays(desk_.session.hotelDate);
    for (const Date day : days_) dayList_->addItem(qs(day.text()));
}

void DailyReportWindow::showDay(int row) {
    if (row < 0 || row >= static_cast<int>(days_.size())) return;
    const Date day = days_[static_cast<std::size_t>(row)];
    runHandler(desk_, [&] {
        dateLabel_->setText(qs(day.text()));
        figures_->showFigures(reportFigures(readDayTotals(desk_.dataDir, day)));
        shownDay_ = day;
        printButton_->setEnabled(true);
        exportButton_->setEnabled(true);
    });
}

void DailyReportWindow::printReport() {
    if (!shownDay_) return;  // nothing is printed from an empty date
    runHandler(desk_, [&] {
        desk_.printer.print(dailyFinancialReport(shownDay_->text(), readDayTotals(desk_.dataDir, *shownDay_)));
    });
}

void DailyReportWindow::exportReport() {
    if (!shownDay_) return;
    const Date day = *shownDay_;
    exportToFile(desk_, "Daily Financial Report " + csvDate(day) + ".csv",
                 [&] { return dailyCsv(desk_.dataDir, day, day); });
}

}  // namespace innvera
