#include "rooms/ui/room_board_window.h"

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QPalette>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <functional>

#include "checkin/ui/reservation_check_in_window.h"
#include "core/front_desk.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "folio/ui/folio_window.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"
#include "reservations/ui/add_reservation_window.h"

namespace innvera {

namespace {

using State = BoardNight::State;

// The colour of each state a night can be in, and what the legend calls it.
struct Look {
    State state;
    const char* colour;
    const char* legend;
};
constexpr std::array<Look, 4> kLooks{{
    {State::Stay, "#9cc4ef", "In house"},
    {State::Reservation, "#b4e09f", "Reserved"},
    {State::Clash, "#ff8c6b", "Overbooked, or booked while out of order"},
    {State::OutOfOrder, "#c6c6c6", "Out of order"},
}};
// A free night gone by.
const char* const kPastNight = "#efefef";

inline constexpr const char* kBoardDateNotADate =
    "The date is not a date. Enter it as month/day/year, for example 12/25/2024.";
inline constexpr const char* kNightGoneBy = "That night has gone by. Choose a night from the hotel date on.";

// The back colour of a night in that state; invalid for a free night.
QColor colourOf(State state) {
    static const auto colours = [] {
        std::array<QColor, 5> all;
        for (const Look& look : kLooks) all[static_cast<std::size_t>(look.state)] = QColor(QString::fromLatin1(look.colour));
        return all;
    }();
    return colours[static_cast<std::size_t>(state)];
}

QString weekday(Date day) {
    static const char* const names[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    // Day 0, 30 December 1899, was a Saturday.
    return QString::fromLatin1(names[((day.serial() % 7) + 13) % 7]);
}

// The first and last nights the board can start on: its nights stay within 2000 to 2099.
Date earliestFirst() { return Date::fromYmd(2000, 1, 1); }
Date latestFirst() { return Date::fromYmd(2099, 12, 31).plusDays(1 - kBoardNights); }

QString describe(const BoardBooking& booking) {
    return qs((booking.kind == BoardBooking::Kind::Stay ? "In house: " : "Reserved: ") + booking.label() + ", " +
              booking.arrival.text() + " to " + booking.departure.text());
}

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i) rows << list->item(i)->text();
    return rows;
}

// The chosen night keeps the colour of what it holds, framed.
class NightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(painter, plain, index);
        if (!(option.state & QStyle::State_Selected)) return;
        painter->save();
        painter->setPen(QPen(QColor(0x1f, 0x3f, 0xaf), 3));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
        painter->restore();
    }
};

// The grid's nights share its width; the counts under them take the same widths.
class LineUp : public QObject {
public:
    LineUp(QObject* parent, std::function<void()> lineUp) : QObject(parent), lineUp_(std::move(lineUp)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Resize) lineUp_();
        return false;
    }

private:
    std::function<void()> lineUp_;
};

// PgUp and PgDn on the grid: the window pages by a week instead of the grid scrolling.
class PageKeys : public QObject {
public:
    PageKeys(QObject* parent, std::function<void(int)> page) : QObject(parent), page_(std::move(page)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        if (key->key() == Qt::Key_PageUp) page_(-1);
        else if (key->key() == Qt::Key_PageDown) page_(1);
        else return false;
        return true;
    }

private:
    std::function<void(int)> page_;
};

}  // namespace

// ---- RoomBoardModel -------------------------------------------------------------------------

void RoomBoardModel::show(RoomBoard board, Date hotelDate) {
    const bool sameShape = board.rooms.size() == board_.rooms.size() && board.nights == board_.nights;
    bool sameRooms = sameShape;
    for (std::size_t row = 0; sameRooms && row < board.rooms.size(); ++row)
        sameRooms = board.rooms[row].heading == board_.rooms[row].heading;
    if (!sameShape) beginResetModel();
    board_ = std::move(board);
    hotelDate_ = hotelDate;
    if (!sameShape) {
        endResetModel();
        return;
    }
    if (rowCount() > 0 && columnCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    // Only when a room changed: the headings' width is measured again from all of them.
    if (rowCount() > 0 && !sameRooms) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int RoomBoardModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(board_.rooms.size());
}

int RoomBoardModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : board_.nights; }

QVariant RoomBoardModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    const BoardNight& night = board_.rooms[static_cast<std::size_t>(index.row())].nights[static_cast<std::size_t>(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return qs(night.text);
    case StateRole:
        return static_cast<int>(night.state);
    case Qt::BackgroundRole: {
        static const QColor past(QString::fromLatin1(kPastNight));
        if (const QColor colour = colourOf(night.state); colour.isValid()) return colour;
        if (board_.night(index.column()) < hotelDate_) return past;
        return {};
    }
    case Qt::ForegroundRole:
        return QColor(Qt::black);
    case Qt::ToolTipRole: {
        QStringList lines;
        if (night.state == State::OutOfOrder || night.state == State::Clash) {
            if (board_.rooms[static_cast<std::size_t>(index.row())].outOfOrder) lines << QStringLiteral("Out of order");
        }
        for (std::uint32_t b : night.bookings) lines << describe(board_.bookings[b]);
        return lines.join(QLatin1Char('\n'));
    }
    default:
        return {};
    }
}

QVariant RoomBoardModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= columnCount()) return {};
        const Date night = board_.night(section);
        if (role == Qt::DisplayRole)
            return weekday(night) + QLatin1Char(' ') + QString::number(night.month()) + QLatin1Char('/') +
                   QString::number(night.day());
        if (role == Qt::ToolTipRole) return qs(night.text());
        if (role == Qt::FontRole && night == hotelDate_) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    }
    if (section < 0 || section >= rowCount()) return {};
    if (role == Qt::DisplayRole) return qs(board_.rooms[static_cast<std::size_t>(section)].heading);
    if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

// ---- RoomBoardWindow ------------------------------------------------------------------------

RoomBoardWindow::RoomBoardWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Room Board"));
    createControls();
    createLayout();
    connectControls();
    first_ = desk_.session.hotelDate;
    if (first_ < earliestFirst()) first_ = earliestFirst();
    if (latestFirst() < first_) first_ = latestFirst();
    showBoard();
    if (model_->rowCount() > 0 && model_->columnCount() > 0) grid_->setCurrentIndex(model_->index(0, 0));
    grid_->setFocus();
}

void RoomBoardWindow::createControls() {
    dateBox_ = lineEdit("BoardDate", this);
    dateBox_->setMaximumWidth(110);
    previousButton_ = button("PreviousWeek", "<< Week", this);
    nextButton_ = button("NextWeek", "Week >>", this);
    hotelDateButton_ = button("HotelDate", "Hotel Date", this);
    exitButton_ = button("Exit", "Exit", this);

    legend_ = new QWidget(this);
    legend_->setObjectName(QStringLiteral("Legend"));
    auto* legend = new QHBoxLayout(legend_);
    legend->setContentsMargins(0, 0, 0, 0);
    for (const Look& look : kLooks) {
        auto* swatch = new QFrame(legend_);
        swatch->setFixedSize(16, 16);
        swatch->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette colours = swatch->palette();
        colours.setColor(QPalette::Window, colourOf(look.state));
        colours.setColor(QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        swatch->setPalette(colours);
        swatch->setAutoFillBackground(true);
        legend->addWidget(swatch);
        legend->addWidget(new QLabel(QString::fromLatin1(look.legend), legend_));
        legend->addSpacing(10);
    }

    model_ = new RoomBoardModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("BoardView"));
    grid_->setModel(model_);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setWordWrap(false);
    grid_->setTabKeyNavigation(false);  // the arrows move between nights, Tab to the other controls
    grid_->setTextElideMode(Qt::ElideRight);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid_->setItemDelegate(new NightDelegate(grid_));
    QFont cells = grid_->font();
    cells.setPointSizeF(cells.pointSizeF() * 0.9);
    grid_->setFont(cells);
    grid_->horizontalHeader()->setFont(font());
    grid_->verticalHeader()->setFont(font());
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->horizontalHeader()->setHighlightSections(false);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid_->verticalHeader()->setHighlightSections(false);

    counts_ = new QTableWidget(3, kBoardNights, this);
    counts_->setObjectName(QStringLiteral("BoardCounts"));
    counts_->setVerticalHeaderLabels({QStringLiteral("Rooms sold"), QStringLiteral("Rooms free"), QStringLiteral("Occupancy")});
    counts_->horizontalHeader()->hide();
    counts_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    counts_->setSelectionMode(QAbstractItemView::NoSelection);
    counts_->setFocusPolicy(Qt::NoFocus);
    counts_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    counts_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    counts_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    counts_->verticalHeader()->setDefaultSectionSize(grid_->verticalHeader()->defaultSectionSize());
    counts_->setFixedHeight(3 * counts_->verticalHeader()->defaultSectionSize() + 2 * counts_->frameWidth());

    unplacedCaption_ = captionLabel(QStringLiteral("Unplaced: none"), this);
    unplaced_ = listBox("Unplaced", this);
    unplaced_->setFixedHeight(3 * (unplaced_->fontMetrics().height() + 4) + 2 * unplaced_->frameWidth());

    keysHint_ = captionLabel(QStringLiteral("Enter or double-click opens the night  \u00b7  PgUp/PgDn: a week  \u00b7  "
                                            "Alt+N: the date, F4 there: calendar  \u00b7  Esc: Exit"),
                             this);
}

void RoomBoardWindow::createLayout() {
    auto* top = new QHBoxLayout;
    QLabel* dateCaption = captionLabel(QStringLiteral("&Nights from"), this);
    dateCaption->setBuddy(dateBox_);  // Alt+N
    top->addWidget(dateCaption);
    top->addWidget(dateBox_);
    top->addWidget(previousButton_);
    top->addWidget(nextButton_);
    top->addWidget(hotelDateButton_);
    top->addSpacing(20);
    top->addWidget(legend_);
    top->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(keysHint_);
    bottom->addStretch();
    bottom->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    layout->addWidget(counts_);
    layout->addWidget(unplacedCaption_);
    layout->addWidget(unplaced_);
    layout->addLayout(bottom);
    resize(1320, 690);
}

void RoomBoardWindow::connectControls() {
    connect(previousButton_, &QPushButton::clicked, this, &RoomBoardWindow::previousWeek);
    connect(nextButton_, &QPushButton::clicked, this, &RoomBoardWindow::nextWeek);
    connect(hotelDateButton_, &QPushButton::clicked, this, &RoomBoardWindow::backToHotelDate);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    connect(grid_, &QTableView::doubleClicked, this, &RoomBoardWindow::openNight);
    enterActivates(grid_, [this](const QModelIndex& at) { openNight(at); });
    grid_->installEventFilter(new PageKeys(grid_, [this](int pages) { pages < 0 ? previousWeek() : nextWeek(); }));
    connect(unplaced_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openUnplaced(unplaced_->row(item)); });
    enterActivates(unplaced_, [this](const QModelIndex& at) { openUnplaced(at.row()); });
    opensCalendar(dateBox_, [this] { openCalendar(); });
    connect(dateBox_, &QLineEdit::textEdited, this, &RoomBoardWindow::dateTyped);
    connect(dateBox_, &QLineEdit::returnPressed, this, &RoomBoardWindow::dateEntered);
    grid_->viewport()->installEventFilter(new LineUp(grid_, [this] { lineUpCounts(); }));
    exitOnEscape(this, exitButton_);

    connect(&desk_.notices, &ChangeNotices::filesChanged, this, [this](DataChanges changes) {
        if (changes.touches(DataChanges::Rooms | DataChanges::Stays | DataChanges::Reservations)) refresh();
    });
    connect(&desk_.notices, &ChangeNotices::hotelDateChanged, this, &RoomBoardWindow::hotelDateMoved);
}

void RoomBoardWindow::showFrom(Date first) {
    if (first < earliestFirst()) first = earliestFirst();
    if (latestFirst() < first) first = latestFirst();
    if (first == first_) {
        dateBox_->setText(qs(first_.text()));
        return;
    }
    first_ = first;
    refresh();
}

void RoomBoardWindow::previousWeek() { showFrom(first_.plusDays(-kBoardPage)); }

void RoomBoardWindow::nextWeek() { showFrom(first_.plusDays(kBoardPage)); }

void RoomBoardWindow::backToHotelDate() { showFrom(desk_.session.hotelDate); }

void RoomBoardWindow::refresh() {
    const QModelIndex current = grid_->currentIndex();
    showBoard();
    const int rows = model_->rowCount();
    const int columns = model_->columnCount();
    if (rows == 0 || columns == 0) return;
    const int row = current.isValid() ? std::min(current.row(), rows - 1) : 0;
    const int column = current.isValid() ? std::min(current.column(), columns - 1) : 0;
    grid_->setCurrentIndex(model_->index(row, column));
}

void RoomBoardWindow::showBoard() {
    runHandler(desk_, [this] {
        shownHotelDate_ = desk_.session.hotelDate;
        model_->show(buildRoomBoard(desk_.dataDir, first_, kBoardNights), shownHotelDate_);
    });
    if (dateBox_->text() != qs(first_.text())) dateBox_->setText(qs(first_.text()));
    showSpans();
    showCounts();
    showUnplaced();
}

// A stay or reservation over several nights in a row is one bar: one cell across its nights.
void RoomBoardWindow::showSpans() {
    grid_->clearSpans();
    const RoomBoard& b = model_->board();
    for (std::size_t row = 0; row < b.rooms.size(); ++row) {
        const std::vector<BoardNight>& nights = b.rooms[row].nights;
        for (std::size_t start = 0; start < nights.size();) {
            std::size_t end = start + 1;
            const bool single = nights[start].state == State::Stay || nights[start].state == State::Reservation;
            while (single && end < nights.size() && nights[end].state == nights[start].state &&
                   nights[end].bookings == nights[start].bookings)
                ++end;
            if (end - start > 1)
                grid_->setSpan(static_cast<int>(row), static_cast<int>(start), 1, static_cast<int>(end - start));
            start = end;
        }
    }
}

void RoomBoardWindow::showCounts() {
    const RoomBoard& b = model_->board();
    counts_->setColumnCount(b.nights);
    for (int n = 0; n < b.nights; ++n) {
        const NightCounts& c = b.counts[static_cast<std::size_t>(n)];
        const QString texts[] = {QString::number(c.sold), QString::number(c.free), QString::number(c.occupancy) + '%'};
        for (int row = 0; row < 3; ++row) {
            QTableWidgetItem* item = counts_->item(row, n);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(Qt::AlignCenter);
                counts_->setItem(row, n, item);
            }
            item->setText(texts[row]);
        }
    }
    lineUpCounts();
}

void RoomBoardWindow::showUnplaced() {
    const RoomBoard& b = model_->board();
    QStringList lines;
    for (const UnplacedBooking& u : b.unplaced) lines << qs(u.line);
    if (lines != rowsOf(unplaced_)) {
        unplaced_->clear();
        unplaced_->addItems(lines);
    }
    unplacedCaption_->setText(lines.isEmpty() ? QStringLiteral("Unplaced: none")
                                              : QStringLiteral("Unplaced: bookings no night of a room can hold (Enter opens one)"));
    // The grid takes the room while there is nothing to list.
    unplaced_->setVisible(!lines.isEmpty());
}

// The nights share the grid's width, and the counts stand under the nights they count.
void RoomBoardWindow::lineUpCounts() {
    const int nights = model_->columnCount();
    if (nights == 0) return;
    const int width = grid_->viewport()->width();
    counts_->verticalHeader()->setFixedWidth(grid_->verticalHeader()->width());
    for (int n = 0; n < nights; ++n) {
        const int columnWidth = width * (n + 1) / nights - width * n / nights;
        grid_->setColumnWidth(n, columnWidth);
        if (n < counts_->columnCount()) counts_->setColumnWidth(n, columnWidth);
    }
}

void RoomBoardWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_PageUp) previousWeek();
    else if (event->key() == Qt::Key_PageDown) nextWeek();
    else QWidget::keyPressEvent(event);
}

// A whole date typed counts as one picked on the calendar; a date half typed changes nothing.
void RoomBoardWindow::dateTyped() {
    if (const auto typed = stayDate(dateBox_->text().toStdString())) showFrom(*typed);
}

void RoomBoardWindow::dateEntered() {
    const std::string typed = dateBox_->text().toStdString();
    if (const auto day = stayDate(typed)) {
        showFrom(*day);
        grid_->setFocus();
        return;
    }
    desk_.dialogs.inform("ATTENTION!", Date::parse(typed) ? kDateOutOfRange : kBoardDateNotADate);
    dateBox_->setText(qs(first_.text()));
    dateBox_->setFocus();
    dateBox_->selectAll();
}

void RoomBoardWindow::openCalendar() {
    DateCalendar::open(desk_, this, {"BoardCalendar", "Nights From", first_, 0}, [this](Date picked) {
        showFrom(picked);
        grid_->setFocus();
    });
}

// The business day moved on (or back): a board showing the hotel date's nights moves with it.
void RoomBoardWindow::hotelDateMoved() {
    if (first_ == shownHotelDate_) {
        first_ = desk_.session.hotelDate;
        if (first_ < earliestFirst()) first_ = earliestFirst();
        if (latestFirst() < first_) first_ = latestFirst();
    }
    refresh();
}

void RoomBoardWindow::openNight(const QModelIndex& at) {
    const RoomBoard& b = model_->board();
    if (!at.isValid() || at.row() >= static_cast<int>(b.rooms.size()) || at.column() >= b.nights) return;
    const BoardRoom& room = b.rooms[static_cast<std::size_t>(at.row())];
    const BoardNight& night = room.nights[static_cast<std::size_t>(at.column())];
    if (night.bookings.empty()) reserveNight(room, b.night(at.column()));
    else if (night.bookings.size() == 1) openBooking(BoardBooking(b.bookings[night.bookings.front()]));
    else chooseBooking(night, at);
}

void RoomBoardWindow::openUnplaced(int row) {
    const RoomBoard& b = model_->board();
    if (row < 0 || row >= static_cast<int>(b.unplaced.size())) return;
    openBooking(BoardBooking(b.bookings[b.unplaced[static_cast<std::size_t>(row)].booking]));
}

void RoomBoardWindow::openBooking(const BoardBooking& booking) {
    if (booking.kind == BoardBooking::Kind::Stay) {
        desk_.windows.open<FolioWindow>()->showStay(booking.folioNo);
        return;
    }
    desk_.session.selectedRoom.clear();
    desk_.session.selectedConfirmation = booking.confirmNo;
    ReservationCheckInWindow::showChosen(desk_);
}

// Several bookings on one night: the clerk chooses which to open.
void RoomBoardWindow::chooseBooking(const BoardNight& night, const QModelIndex& at) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("BookingChoice"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (std::uint32_t b : night.bookings) {
        const BoardBooking booking = model_->board().bookings[b];
        QAction* action = menu->addAction(describe(booking));
        connect(action, &QAction::triggered, this, [this, booking] { openBooking(booking); });
    }
    menu->popup(grid_->viewport()->mapToGlobal(grid_->visualRect(at).bottomLeft()));
    if (!menu->actions().isEmpty()) menu->setActiveAction(menu->actions().front());
}

// A free night: "Add Reservation" for the room from that night to the next day, once the
// gate every reservation passes lets it open.
void RoomBoardWindow::reserveNight(const BoardRoom& room, Date night) {
    if (night < desk_.session.hotelDate) {
        desk_.dialogs.inform("ATTENTION!", kNightGoneBy);
        return;
    }
    std::optional<std::string> refusal;
    if (!runHandler(desk_, [&] { refusal = checkInGate(desk_.dataDir); })) return;
    if (refusal) {
        desk_.dialogs.inform("ATTENTION!", *refusal);
        return;
    }
    const std::string roomNo = room.roomNo;  // the board may be shown again meanwhile
    desk_.windows.open<AddReservationWindow>()->bookNight(roomNo, night);
}

}  // namespace innvera
