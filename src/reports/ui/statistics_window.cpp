#include "reports/ui/statistics_window.h"

#include <QBarCategoryAxis>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsScene>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "platform/qt/controls.h"
#include "platform/qt/export_file.h"
#include "platform/qt/handler.h"
#include "reports/csv_exports.h"
#include "reports/financial_reports.h"

namespace innvera {

namespace {

const char* const kWholeYear = "Whole Year";

// The figure columns' headings, over the period's column and the year before's.
constexpr std::array<const char*, 8> kHeadings{"Rooms\navailable", "Rooms\nsold", "Occupancy\n%", "Room\nrevenue",
                                               "ADR\n",           "RevPAR\n",    "Other\ncharges", "Payments\n"};

const QColor kYearBeforeText(0x55, 0x55, 0x55);
const QColor kYearBeforeBack(0xee, 0xee, 0xee);

constexpr std::array<const char*, 12> kShortMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::optional<double> occupancyOf(const StatisticsCell& cell) {
    if (!cell.nights) return std::nullopt;
    const auto hundredths = occupancyHundredths(cell.figures);
    return hundredths ? std::optional<double>(static_cast<double>(*hundredths) / 100) : std::nullopt;
}

std::optional<double> rateOf(const StatisticsCell& cell) {
    if (!cell.nights) return std::nullopt;
    const auto cents = averageDailyRate(cell.figures);
    return cents ? std::optional<double>(static_cast<double>(*cents) / 100) : std::nullopt;
}

// A line of the chart through the values there are: a night with no value (no room sold, or no
// such night) breaks it, the pieces sharing one entry in the legend.
void addLine(QChart* chart, const QString& name, const QPen& pen, const std::vector<std::optional<double>>& values,
             QAbstractAxis* x, QAbstractAxis* y) {
    QLineSeries* piece = nullptr;
    bool named = false;
    const auto start = [&] {
        piece = new QLineSeries(chart);
        piece->setName(name);
        piece->setPen(pen);
        piece->setPointsVisible(true);
        chart->addSeries(piece);
        piece->attachAxis(x);
        piece->attachAxis(y);
        if (named)
            for (QLegendMarker* marker : chart->legend()->markers(piece)) marker->setVisible(false);
        named = true;
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!values[i]) {
            piece = nullptr;
            continue;
        }
        if (!piece) start();
        piece->append(static_cast<double>(i), *values[i]);
    }
    if (!named) start();  // named in the legend even with nothing to draw
}

// A font `scale` times as large.
QFont scaled(QFont font, double scale) {
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

// Occupancy % (left axis) and ADR (right axis) per night or month, the period's in full lines and
// the year before's dashed. Its texts `fontScale` times their usual size (for paper).
QChart* makeChart(const Statistics& s, double fontScale = 1) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(scaled(chart->legend()->font(), fontScale));
    chart->setTitleFont(scaled(chart->titleFont(), fontScale * 1.2));
    const StatisticsPeriod before = s.period.yearBefore();
    chart->setTitle(QStringLiteral("Occupancy %1 and ADR: %2 beside %3")
                        .arg(QStringLiteral("%"), qs(periodName(s.period)), qs(periodName(before))));
    if (!s.periodStored) return chart;

    auto* x = new QBarCategoryAxis(chart);
    for (std::size_t i = 0; i < s.rows.size(); ++i)
        x->append(s.period.wholeYear() ? QString::fromLatin1(kShortMonths[i]) : QString::number(i + 1));
    chart->addAxis(x, Qt::AlignBottom);
    auto* occupancy = new QValueAxis(chart);
    occupancy->setLabelFormat(QStringLiteral("%d"));
    occupancy->setTitleText(QStringLiteral("Occupancy %"));
    chart->addAxis(occupancy, Qt::AlignLeft);
    auto* rate = new QValueAxis(chart);
    rate->setTitleText(QStringLiteral("ADR"));
    rate->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(rate, Qt::AlignRight);

    std::vector<std::optional<double>> occNow, occBefore, rateNow, rateBefore;
    double highest = 0, fullest = 100;  // more sold than in service today: rooms out of order since
    for (const StatisticsRow& row : s.rows) {
        occNow.push_back(occupancyOf(row.period));
        occBefore.push_back(s.yearBeforeStored ? occupancyOf(row.yearBefore) : std::nullopt);
        rateNow.push_back(rateOf(row.period));
        rateBefore.push_back(s.yearBeforeStored ? rateOf(row.yearBefore) : std::nullopt);
        for (const auto& value : {rateNow.back(), rateBefore.back()})
            if (value) highest = std::max(highest, *value);
        for (const auto& value : {occNow.back(), occBefore.back()})
            if (value) fullest = std::max(fullest, *value);
    }
    const double top = std::ceil(fullest / 25) * 25;
    occupancy->setRange(0, top);
    occupancy->setTickCount(static_cast<int>(top / 25) + 1);
    rate->setRange(std::min(0.0, highest), std::max(10.0, std::ceil(highest * 1.15 / 10) * 10));
    for (QAbstractAxis* axis : std::initializer_list<QAbstractAxis*>{x, occupancy, rate}) {
        axis->setLabelsFont(scaled(axis->labelsFont(), fontScale));
        axis->setTitleFont(scaled(axis->titleFont(), fontScale));
    }

    // The year before in a lighter shade, dashed.
    const QColor blue(0x1f, 0x6f, 0xb4), lightBlue(0x8c, 0xb8, 0xe0), orange(0xe0, 0x6c, 0x10), lightOrange(0xf2, 0xb2, 0x7a);
    addLine(chart, QStringLiteral("Occupancy % ") + qs(periodName(s.period)), QPen(blue, 2.5), occNow, x, occupancy);
    addLine(chart, QStringLiteral("Occupancy % ") + qs(periodName(before)), QPen(lightBlue, 2.5, Qt::DashLine), occBefore, x,
            occupancy);
    addLine(chart, QStringLiteral("ADR ") + qs(periodName(s.period)), QPen(orange, 2.5), rateNow, x, rate);
    addLine(chart, QStringLiteral("ADR ") + qs(periodName(before)), QPen(lightOrange, 2.5, Qt::DashLine), rateBefore, x, rate);
    return chart;
}

QTableWidgetItem* cellItem(const std::string& text, bool yearBefore, bool total) {
    auto* item = new QTableWidgetItem(qs(text));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (yearBefore) {
        item->setForeground(kYearBeforeText);
        item->setBackground(kYearBeforeBack);
    }
    if (total) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
    }
    return item;
}

// Return or Enter on a drop-down list whose entries are not open: the window's plain action.
class EnterActs : public QObject {
public:
    EnterActs(QComboBox* list, std::function<void()> act) : QObject(list), list_(list), act_(std::move(act)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key != Qt::Key_Return && key != Qt::Key_Enter) || list_->view()->isVisible()) return false;
        act_();
        return true;
    }

private:
    QComboBox* list_;
    std::function<void()> act_;
};

// The guest list entries, in the order of the "Guests of the period" list.
constexpr std::array<std::pair<const char*, GuestListKind>, 3> kGuestLists{
    {{"Arrivals", GuestListKind::Arrivals}, {"Departures", GuestListKind::Departures}, {"In House", GuestListKind::InHouse}}};

// "Guests Arrivals May 2019.csv".
std::string guestFileName(const std::string& list, StatisticsPeriod period) {
    return "Guests " + list + " " + periodName(period) + ".csv";
}

}  // namespace

StatisticsWindow::StatisticsWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Statistics"));
    createControls();
    createLayout();
    connectControls();
    showChosen();
}

void StatisticsWindow::createControls() {
    monthList_ = new QComboBox(this);
    monthList_->setObjectName(QStringLiteral("MonthList"));
    for (const std::string& month : monthEntries()) monthList_->addItem(qs(month));
    monthList_->addItem(QString::fromLatin1(kWholeYear));
    monthList_->setCurrentIndex(desk_.session.hotelDate.month() - 1);
    yearList_ = new QComboBox(this);
    yearList_->setObjectName(QStringLiteral("YearList"));
    runHandler(desk_, [&] {
        for (int year : statisticsYears(desk_.dataDir, desk_.session.hotelDate)) yearList_->addItem(QString::number(year));
    });
    yearList_->setCurrentIndex(yearList_->findText(QString::number(desk_.session.hotelDate.year())));
    showButton_ = button("ShowButton", "Show", this);
    periodLabel_ = captionLabel("PeriodLabel", QString(), this);
    QFont bold = periodLabel_->font();
    bold.setBold(true);
    periodLabel_->setFont(bold);

    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("Table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    chartView_ = new QChartView(this);
    chartView_->setObjectName(QStringLiteral("Chart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumHeight(200);

    nothingStored_ = captionLabel("NothingStored", QString(), this);
    nothingStored_->setStyleSheet(QStringLiteral("color: #b00000;"));
    notes_ = captionLabel("Notes", QString(), this);
    notes_->setWordWrap(true);
    notCountedCaption_ = captionLabel(QStringLiteral("Not counted (damaged):"), this);
    notCounted_ = listBox("NotCounted", this);
    notCounted_->setMaximumHeight(4 * (notCounted_->fontMetrics().height() + 2));

    guestList_ = new QComboBox(this);
    guestList_->setObjectName(QStringLiteral("GuestList"));
    for (const auto& [entry, kind] : kGuestLists) guestList_->addItem(QString::fromLatin1(entry));
    exportGuestsButton_ = button("ExportGuestsButton", "Export Guest List", this);
    printButton_ = button("PrintButton", "Print", this);
    exportButton_ = button("ExportButton", "Export CSV", this);
    exitButton_ = button("ExitButton", "Exit", this);
}

void StatisticsWindow::createLayout() {
    auto* choice = new QHBoxLayout;
    choice->addWidget(captionLabel(QStringLiteral("Month"), this));
    choice->addWidget(monthList_);
    choice->addWidget(captionLabel(QStringLiteral("Year"), this));
    choice->addWidget(yearList_);
    choice->addWidget(showButton_);
    choice->addSpacing(16);
    choice->addWidget(periodLabel_, 1);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(table_);
    split->addWidget(chartView_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    split->setChildrenCollapsible(false);

    auto* guests = new QHBoxLayout;
    guests->addWidget(captionLabel(QStringLiteral("Guests of the period:"), this));
    guests->addWidget(guestList_);
    guests->addWidget(exportGuestsButton_);
    guests->addStretch();
    guests->addWidget(printButton_);
    guests->addWidget(exportButton_);
    guests->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choice);
    layout->addWidget(split, 1);
    layout->addWidget(nothingStored_);
    layout->addWidget(notes_);
    layout->addWidget(notCountedCaption_);
    layout->addWidget(notCounted_);
    layout->addLayout(guests);
    resize(1320, 690);
}

void StatisticsWindow::connectControls() {
    connect(monthList_, &QComboBox::activated, this, &StatisticsWindow::showChosen);
    connect(yearList_, &QComboBox::activated, this, &StatisticsWindow::showChosen);
    connect(showButton_, &QPushButton::clicked, this, &StatisticsWindow::showChosen);
    connect(printButton_, &QPushButton::clicked, this, &StatisticsWindow::printStatistics);
    connect(exportButton_, &QPushButton::clicked, this, &StatisticsWindow::exportStatistics);
    connect(exportGuestsButton_, &QPushButton::clicked, this, &StatisticsWindow::exportGuestList);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    // Enter on either list shows the period they choose.
    for (QComboBox* list : {monthList_, yearList_}) list->installEventFilter(new EnterActs(list, [this] { showChosen(); }));
}

std::optional<StatisticsPeriod> StatisticsWindow::chosenPeriod() const {
    bool isYear = false;
    const int year = yearList_->currentText().toInt(&isYear);
    const int month = monthList_->currentIndex() + 1;  // "Whole Year" is the 13th entry
    if (!isYear || month < 1) return std::nullopt;
    return StatisticsPeriod{year, month == 13 ? 0 : month};
}

void StatisticsWindow::showChosen() {
    const std::optional<StatisticsPeriod> period = chosenPeriod();
    if (!period) return;
    runHandler(desk_, [&] {
        Statistics statistics = readStatistics(desk_.dataDir, *period);
        showTable(statistics);
        showChart(statistics);
        showNotes(statistics);
        shown_ = std::move(statistics);
    });
    const bool stored = shown_ && shown_->periodStored;
    for (QPushButton* action : {printButton_, exportButton_}) action->setEnabled(stored);
    exportGuestsButton_->setEnabled(shown_.has_value());
}

void StatisticsWindow::showTable(const Statistics& s) {
    const bool byMonth = s.period.wholeYear();
    table_->clear();
    table_->setColumnCount(1 + 2 * static_cast<int>(kHeadings.size()));
    QStringList headings{byMonth ? QStringLiteral("Month\n\n") : QStringLiteral("Night\n\n")};
    for (const char* heading : kHeadings)
        headings << QString::fromLatin1(heading) + QLatin1Char('\n') + QString::number(s.period.year)
                 << QString::fromLatin1(heading) + QLatin1Char('\n') + QString::number(s.period.year - 1);
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(0);
    if (!s.periodStored) return;

    const auto addRow = [&](const StatisticsRow& row, const std::string& label, bool total) {
        const int at = table_->rowCount();
        table_->insertRow(at);
        auto* first = cellItem(label, !row.period.nights, total);
        first->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        table_->setItem(at, 0, first);
        const std::vector<std::string> now = figureTexts(row.period);
        const std::vector<std::string> before = s.yearBeforeStored ? figureTexts(row.yearBefore) : std::vector<std::string>(now.size());
        for (std::size_t i = 0; i < now.size(); ++i) {
            table_->setItem(at, 1 + 2 * static_cast<int>(i), cellItem(now[i], false, total));
            table_->setItem(at, 2 + 2 * static_cast<int>(i), cellItem(before[i], true, total));
        }
    };
    for (const StatisticsRow& row : s.rows)
        addRow(row, row.period.nights ? cellLabel(row.period, byMonth) : "(" + cellLabel(row.yearBefore, byMonth) + ")", false);
    addRow(s.total, "Total", true);
    table_->resizeColumnsToContents();
}

void StatisticsWindow::showChart(const Statistics& s) {
    QChart* old = chartView_->chart();
    chartView_->setChart(makeChart(s));
    delete old;
}

void StatisticsWindow::showNotes(const Statistics& s) {
    const StatisticsPeriod before = s.period.yearBefore();
    periodLabel_->setText(QStringLiteral("%1 beside %2;  %3 rooms in service (not out of order) today")
                              .arg(qs(periodName(s.period)), qs(periodName(before)))
                              .arg(s.roomsInService));
    QString nothing;
    if (!s.periodStored) nothing = qs(nothingStored(s.period));
    else if (!s.yearBeforeStored) nothing = qs(nothingStored(before));
    nothingStored_->setText(nothing);
    nothingStored_->setVisible(!nothing.isEmpty());
    notes_->setText(qs(statisticsNotes()));
    notCounted_->clear();
    for (const std::string& item : s.notCounted) notCounted_->addItem(qs(item));
    notCountedCaption_->setVisible(!s.notCounted.empty());
    notCounted_->setVisible(!s.notCounted.empty());
}

QImage StatisticsWindow::chartImage(int width, int height) const {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    if (!shown_) return image;
    QGraphicsScene scene;
    QChart* chart = makeChart(*shown_, 2);
    scene.addItem(chart);  // the scene owns it
    const QRectF page(0, 0, width, height);
    chart->setGeometry(page);
    scene.setSceneRect(page);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, page, page);
    return image;
}

void StatisticsWindow::printStatistics() {
    if (!shown_ || !shown_->periodStored) return;
    runHandler(desk_, [&] {
        PrintJob job = statisticsReport(*shown_);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        chartImage(1800, 1200).save(&buffer, "PNG");
        job.imagePage(png.toStdString());
        desk_.printer.print(job);
    });
}

void StatisticsWindow::exportStatistics() {
    if (!shown_ || !shown_->periodStored) return;
    exportToFile(desk_, "Statistics " + periodName(shown_->period) + ".csv", [this] { return statisticsCsv(*shown_); });
}

void StatisticsWindow::exportGuestList() {
    if (!shown_ || !shown_->total.period.nights) return;
    const auto& [entry, kind] = kGuestLists[static_cast<std::size_t>(std::max(0, guestList_->currentIndex()))];
    const Nights period = *shown_->total.period.nights;
    exportToFile(desk_, guestFileName(entry, shown_->period),
                 [&, kind = kind] { return guestListCsv(desk_.dataDir, kind, period.first, period.last); });
}

}  // namespace innvera
