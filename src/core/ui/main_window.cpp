#include "core/ui/main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/forms.h"
#include "core/front_desk.h"
#include "platform/counters.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

namespace {

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QString qs(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Innvera"));

    auto* propertyName = makeLabel(this, "Label7", QStringLiteral("Corvid Lodge Inn"));
    QFont big = propertyName->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    propertyName->setFont(big);
    propertyName->setAlignment(Qt::AlignCenter);

    auto* dates = new QGridLayout;
    dates->addWidget(makeLabel(this, "Label4", QStringLiteral("Hotel Date:")), 0, 0);
    dates->addWidget(hotelDate_ = makeLabel(this, "Label3", QString()), 0, 1);
    dates->addWidget(makeLabel(this, "Label5", QStringLiteral("System Date:")), 1, 0);
    dates->addWidget(systemDate_ = makeLabel(this, "Label6", QString()), 1, 1);
    dates->setColumnStretch(2, 1);
    QFont bold = hotelDate_->font();
    bold.setBold(true);
    hotelDate_->setFont(bold);

    arrivals_ = new QListWidget(this);
    arrivals_->setObjectName(QStringLiteral("List1"));
    departures_ = new QListWidget(this);
    departures_->setObjectName(QStringLiteral("List2"));
    auto* lists = new QGridLayout;
    lists->addWidget(makeLabel(this, "Label1", QStringLiteral("Todays Arrivals")), 0, 0);
    lists->addWidget(makeLabel(this, "Label2", QStringLiteral("Todays Departures")), 0, 1);
    lists->addWidget(arrivals_, 1, 0);
    lists->addWidget(departures_, 1, 1);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* counts = new QGridLayout(frame);
    const auto addCount = [&](int row, const char* captionName, const char* caption, const char* countName) {
        counts->addWidget(makeLabel(frame, captionName, QString::fromLatin1(caption)), row, 0);
        QLabel* count = makeLabel(frame, countName, QStringLiteral("0"));
        count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counts->addWidget(count, row, 1);
        return count;
    };
    arrivalCount_ = addCount(0, "Label16", "Arrivals:", "Label17");
    departureCount_ = addCount(1, "Label18", "Departures:", "Label19");
    inHouseCount_ = addCount(2, "Label20", "In House:", "Label21");
    stayOverCount_ = addCount(3, "Label22", "Stay Overs:", "Label23");
    vacantCount_ = addCount(4, "Label24", "Vacant:", "Label25");
    outOfOrderCount_ = addCount(5, "Label26", "Out Of Order:", "Label27");

    auto* buttons = new QVBoxLayout;
    addButton(buttons, "Command4", "Check In", "Form4", [this] { openAfterCheckInGate("Form4"); });
    addButton(buttons, "Command7", "Check Out", "FolioWindow", [this] { leaveForFolio(); });
    addButton(buttons, "Command1", "View Folio", "FolioWindow", [this] { leaveForFolio(); });
    addButton(buttons, "Command6", "Reservations", "Form11", [this] { openAfterCheckInGate("Form11"); });
    addButton(buttons, "Command3", "Room List", "RoomStatusWindow", [this] { desk_.windows.open("RoomStatusWindow"); });
    addButton(buttons, "Command9", "Guest List", "Form34", [this] { desk_.windows.open("Form34"); });
    addButton(buttons, "Command5", "Settings and Reports", "Form6", [this] { desk_.windows.open("Form6"); });
    buttons->addStretch();
    addButton(buttons, "Command2", "Exit Innvera", nullptr, [this] { close(); });

    auto* side = new QVBoxLayout;
    side->addWidget(frame);
    side->addLayout(buttons, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(lists, 1);
    middle->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(propertyName);
    layout->addLayout(dates);
    layout->addLayout(middle, 1);
    resize(760, 480);

    if (desk_.windows.defines(QStringLiteral("FolioWindow")))
        connect(departures_, &QListWidget::itemDoubleClicked, this, &MainWindow::openDeparture);
    if (desk_.windows.defines(QStringLiteral("Form16")))
        connect(arrivals_, &QListWidget::itemDoubleClicked, this, &MainWindow::openArrival);

    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &MainWindow::onTimer);

    startUp();
    timer_->start();
    // Once this window is on screen, so the welcome window comes up over it.
    QTimer::singleShot(0, this, &MainWindow::showWelcomeUnlessSwitchedOff);
}

void MainWindow::addButton(QBoxLayout* layout, const char* objectName, const char* caption, const char* targetWindow,
                           std::function<void()> action) {
    if (targetWindow && !desk_.windows.defines(QString::fromLatin1(targetWindow))) return;
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(objectName));
    connect(button, &QPushButton::clicked, this, std::move(action));
    layout->addWidget(button);
}

void MainWindow::startUp() {
    runHandler(desk_, [this] {
        const Date today = desk_.clock.today();
        systemDate_->setText(qs(today.text()));
        desk_.session.hotelDate = today;
        hotelDate_->setText(qs(today.text()));
        desk_.session.folioPreselection = Session::kNoPreselection;

        const DayAtAGlance day = dayAtAGlance(desk_.dataDir, today);
        for (const std::string& entry : day.arrivals) arrivals_->addItem(qs(entry));
        for (const std::string& entry : day.departures) departures_->addItem(qs(entry));
        arrivalCount_->setText(QString::number(day.arrivals.size()));
        departureCount_->setText(QString::number(day.departures.size()));
        inHouseCount_->setText(QString::number(day.inHouse));
        stayOverCount_->setText(QString::number(day.stayOvers));
        vacantCount_->setText(QString::number(day.vacant));
        outOfOrderCount_->setText(QString::number(day.outOfOrder));
    });
}

void MainWindow::showWelcomeUnlessSwitchedOff() {
    bool switchedOff = false;
    runHandler(desk_, [&] { switchedOff = readCounter(desk_.dataDir, desk_.dataDir.welcomeOption()) == 1.0f; });
    if (!switchedOff) desk_.windows.open(QStringLiteral("Form35"));
}

void MainWindow::onTimer() {
    // A message box about a file keeps the event loop turning; the ticks that come meanwhile
    // wait instead of piling up more boxes.
    if (ticking_) return;
    ticking_ = true;
    runHandler(desk_, [this] { tickHotelDate(desk_.dataDir, desk_.session, desk_.clock.now()); });
    // Shown even when writing the set-back flag failed: the date the desk works on has moved.
    hotelDate_->setText(qs(desk_.session.hotelDate.text()));
    ticking_ = false;
}

void MainWindow::openAfterCheckInGate(const char* windowName) {
    std::optional<std::string> refusal;
    runHandler(desk_, [&] { refusal = checkInGate(desk_.dataDir); });
    if (refusal) {
        desk_.dialogs.inform("ATTENTION!", *refusal);
        return;
    }
    desk_.windows.open(QString::fromLatin1(windowName));
}

void MainWindow::leaveForFolio() {
    Windows& windows = desk_.windows;
    close();  // closes every other window first, so the folio screen opened next stays
    windows.open(QStringLiteral("FolioWindow"));
}

void MainWindow::openDeparture(QListWidgetItem* item) {
    desk_.session.folioPreselection.clear();
    desk_.session.folioPreselection = upToFirstBlank(item->text().toStdString());
    desk_.windows.open(QStringLiteral("FolioWindow"));
}

void MainWindow::openArrival(QListWidgetItem* item) {
    desk_.session.selectedRoom = upToFirstBlank(item->text().toStdString());
    desk_.windows.open(QStringLiteral("Form16"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    closed_ = true;
    timer_->stop();
    desk_.windows.closeAllBut(this, {QStringLiteral("Form35")});
    runHandler(desk_, [this] { clearSetBackFlag(desk_.dataDir); });
}

}  // namespace innvera
