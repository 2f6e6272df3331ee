#include "app/main_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "checkin/ui/check_in_window.h"
#include "checkin/ui/guest_list_window.h"
#include "checkin/ui/reservation_check_in_window.h"
#include "core/counters.h"
#include "core/formats.h"
#include "core/front_desk.h"
#include "core/reservations.h"
#include "core/ui/motel_on_record.h"
#include "app/menus.h"
#include "app/welcome_window.h"
#include "folio/ui/folio_window.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"
#include "rooms/ui/room_board_window.h"
#include "rooms/ui/room_status_window.h"

namespace innvera {

MainWindow::MainWindow(Desk& desk) : desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    createControls();
    createLayout();

    connect(departures_, &QListWidget::itemDoubleClicked, this, &MainWindow::openDeparture);
    connect(arrivals_, &QListWidget::itemDoubleClicked, this, &MainWindow::openArrival);
    enterActivates(departures_, [this](const QModelIndex& at) { openDeparture(departures_->item(at.row())); });
    enterActivates(arrivals_, [this](const QModelIndex& at) { openArrival(arrivals_->item(at.row())); });
    connect(&desk_.notices, &ChangeNotices::filesChanged, this, [this](DataChanges changes) {
        if (changes.touches(DataChanges::Rooms | DataChanges::Stays | DataChanges::Reservations)) refresh();
        if (changes.touches(DataChanges::Settings)) showMotel();
    });
    // The end of day closed the night (or the clock passed into the next day): the new day at once.
    connect(&desk_.notices, &ChangeNotices::hotelDateChanged, this, &MainWindow::showHotelDate);
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, &MainWindow::onTimer);

    // Secondary windows open over this one; it comes back where it stood when it last closed.
    desk_.windows.setHub(this);
    if (!desk_.session.mainWindowPlace.empty())
        restoreGeometry(QByteArray::fromStdString(desk_.session.mainWindowPlace));

    startUp();
    timer_->start();
    // Once this window is on screen, so the welcome window comes up over it.
    QTimer::singleShot(0, this, &MainWindow::showWelcomeUnlessSwitchedOff);
}

void MainWindow::createControls() {
    propertyName_ = captionLabel("Label7", QString(), this);
    QFont big = propertyName_->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    propertyName_->setFont(big);
    propertyName_->setAlignment(Qt::AlignCenter);
    hotelDate_ = captionLabel("Label3", QString(), this);
    QFont bold = hotelDate_->font();
    bold.setBold(true);
    hotelDate_->setFont(bold);
    systemDate_ = captionLabel("Label6", QString(), this);
    arrivals_ = listBox("List1", this);
    departures_ = listBox("List2", this);

    countsFrame_ = new QGroupBox(this);
    countsFrame_->setObjectName(QStringLiteral("Frame1"));
    auto* counts = new QGridLayout(countsFrame_);
    const auto addCount = [&](int row, const char* captionName, const char* caption, const char* countName) {
        counts->addWidget(captionLabel(captionName, QString::fromLatin1(caption), countsFrame_), row, 0);
        QLabel* count = captionLabel(countName, QStringLiteral("0"), countsFrame_);
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

    buttons_ = new QVBoxLayout;
    addButton("Command4", "Check In", [this] { openAfterCheckInGate<CheckInWindow>(); });
    addButton("Command7", "Check Out", [this] { leaveForFolio(); });
    addButton("Command1", "View Folio", [this] { leaveForFolio(); });
    addButton("Command6", "Reservations", [this] { openAfterCheckInGate<ReservationsMenu>(); });
    addButton("Command3", "Room List", [this] { desk_.windows.open<RoomStatusWindow>(); });
    addButton("Command9", "Guest List", [this] { desk_.windows.open<GuestListWindow>(); });
    addButton("BoardButton", "Room Board", [this] { desk_.windows.open<RoomBoardWindow>(); });
    addButton("Command5", "Settings and Reports", [this] { desk_.windows.open<SettingsMenu>(); });
    buttons_->addStretch();
    addButton("Command2", "Exit Innvera", [this] { close(); });
}

void MainWindow::createLayout() {
    auto* dates = new QGridLayout;
    dates->addWidget(captionLabel("Label4", QStringLiteral("Hotel Date:"), this), 0, 0);
    dates->addWidget(hotelDate_, 0, 1);
    dates->addWidget(captionLabel("Label5", QStringLiteral("System Date:"), this), 1, 0);
    dates->addWidget(systemDate_, 1, 1);
    dates->setColumnStretch(2, 1);

    auto* lists = new QGridLayout;
    lists->addWidget(captionLabel("Label1", QStringLiteral("Todays Arrivals"), this), 0, 0);
    lists->addWidget(captionLabel("Label2", QStringLiteral("Todays Departures"), this), 0, 1);
    lists->addWidget(arrivals_, 1, 0);
    lists->addWidget(departures_, 1, 1);

    auto* side = new QVBoxLayout;
    side->addWidget(countsFrame_);
    side->addLayout(buttons_, 1);

    auto* middle = new QHBoxLayout;
    middle->addLayout(lists, 1);
    middle->addLayout(side);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(propertyName_);
    layout->addLayout(dates);
    layout->addLayout(middle, 1);
    resize(760, 480);
}

QPushButton* MainWindow::addButton(const char* objectName, const char* caption, std::function<void()> action) {
    QPushButton* b = button(objectName, caption, this);
    connect(b, &QPushButton::clicked, this, std::move(action));
    buttons_->addWidget(b);
    return b;
}

void MainWindow::showMotel() {
    const MotelOnRecord motel = motelOnRecord(desk_);
    propertyName_->setText(qs(motel.caption));
    setWindowTitle(qs(motel.caption) + QStringLiteral(" - Innvera"));
}

void MainWindow::startUp() {
    showMotel();
    bool moved = false;
    runHandler(desk_, [&] {
        const Date today = desk_.clock.today();
        systemDate_->setText(qs(today.text()));
        // The business day by its one rule: the day not yet closed, however often the window opens.
        moved = tickHotelDate(desk_.dataDir, desk_.session, today, desk_.clock.now());
        hotelDate_->setText(qs(desk_.session.hotelDate.text()));
        desk_.session.folioPreselection = Session::kNoPreselection;

        shownStamps_ = stamps();
        showDay(dayAtAGlance(desk_.dataDir, desk_.session.hotelDate));
    });
    if (moved) desk_.notices.announceHotelDate();
}

void MainWindow::showDay(const DayAtAGlance& day) {
    const auto fill = [](QListWidget* list, const std::vector<std::string>& entries) {
        list->clear();
        for (const std::string& entry : entries) list->addItem(qs(entry));
    };
    if (day.arrivals != shown_.arrivals) fill(arrivals_, day.arrivals);
    if (day.departures != shown_.departures) fill(departures_, day.departures);
    arrivalCount_->setText(QString::number(day.arrivals.size()));
    departureCount_->setText(QString::number(day.departures.size()));
    inHouseCount_->setText(QString::number(day.inHouse));
    stayOverCount_->setText(QString::number(day.stayOvers));
    vacantCount_->setText(QString::number(day.vacant));
    outOfOrderCount_->setText(QString::number(day.outOfOrder));
    shown_ = day;
}

void MainWindow::refresh() {
    DataDir& dir = desk_.dataDir;
    if (dir.inTransaction()) return;  // a handler waits in a message box: its writes may yet be undone
    try {
        const auto before = stamps();
        showDay(dayAtAGlance(dir, desk_.session.hotelDate));
        dir.commit();  // a file missing until now was made, empty
        shownStamps_ = before;
    } catch (const std::exception&) {
        dir.rollback();
    }
}

std::vector<std::optional<FileStamp>> MainWindow::stamps() const {
    const DataDir& dir = desk_.dataDir;
    return {dir.stamp(dir.reservations()), dir.stamp(dir.guests()), dir.stamp(dir.rooms())};
}

void MainWindow::showWelcomeUnlessSwitchedOff() {
    bool switchedOff = false;
    runHandler(desk_, [&] { switchedOff = welcomeSwitchedOff(desk_.dataDir); });
    if (!switchedOff) desk_.windows.open<WelcomeWindow>();
}

void MainWindow::onTimer() {
    // A message box about a file keeps the event loop turning; the ticks that come meanwhile
    // wait instead of piling up more boxes.
    if (ticking_) return;
    ticking_ = true;
    const Date today = desk_.clock.today();
    bool moved = false;
    runHandler(desk_, [&] { moved = tickHotelDate(desk_.dataDir, desk_.session, today, desk_.clock.now()); });
    systemDate_->setText(qs(today.text()));
    // Shown even when writing a flag failed: the date the desk works on has moved.
    if (moved) desk_.notices.announceHotelDate();
    // The day moved: the lists and counts follow.
    if (qs(desk_.session.hotelDate.text()) != hotelDate_->text()) showHotelDate();
    // Another program changed the rooms, stays or reservations (a copy put back by hand, a
    // restored backup): every window that follows them is told, this one included.
    if (!desk_.dataDir.inTransaction() && stamps() != shownStamps_)
        desk_.notices.announce({DataChanges::Rooms | DataChanges::Stays | DataChanges::Reservations});
    ticking_ = false;
}

template <class W>
void MainWindow::openAfterCheckInGate() {
    std::optional<std::string> refusal;
    if (!runHandler(desk_, [&] { refusal = checkInGate(desk_.dataDir); })) return;
    if (refusal) {
        desk_.dialogs.inform("ATTENTION!", *refusal);
        return;
    }
    desk_.windows.open<W>();
}

void MainWindow::leaveForFolio() {
    Windows& windows = desk_.windows;
    close();  // closes every other window first, so the folio screen opened next stays
    windows.open<FolioWindow>();
}

void MainWindow::openDeparture(QListWidgetItem* item) {
    desk_.session.folioPreselection.clear();
    desk_.session.folioPreselection = upToFirstBlank(item->text().toStdString());
    desk_.windows.open<FolioWindow>();
}

void MainWindow::openArrival(QListWidgetItem* item) {
    desk_.session.selectedRoom = upToFirstBlank(item->text().toStdString());
    ReservationCheckInWindow::showChosen(desk_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    closed_ = true;
    timer_->stop();
    desk_.session.mainWindowPlace = saveGeometry().toStdString();
    desk_.windows.closeAllBut(this, {QString::fromLatin1(WelcomeWindow::kName)});
    desk_.session.setBackWritten = false;
    runHandler(desk_, [this] { clearSetBackFlag(desk_.dataDir); });
}

void MainWindow::showHotelDate() {
    hotelDate_->setText(qs(desk_.session.hotelDate.text()));
    refresh();
}

}  // namespace innvera
