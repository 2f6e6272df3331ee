#pragma once

#include <QAbstractTableModel>
#include <QWidget>

#include "core/desk.h"
#include "rooms/room_board.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableView;
class QTableWidget;

namespace innvera {

// The board's grid as an item model: one row per room, one column per night; a night's text
// is what it shows (see BoardNight), its back colour the legend's colour of its state.
class RoomBoardModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The night's state (BoardNight::State as an int).
    static constexpr int StateRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // Shows the board; `hotelDate` marks the hotel date's column and the nights gone by.
    void show(RoomBoard board, Date hotelDate);
    const RoomBoard& board() const { return board_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    RoomBoard board_;
    Date hotelDate_;
};

// "Room Board": every room against fourteen nights from the hotel date, the stays in house
// and the open reservations as bars, the counts of each night under them and the bookings no
// night can hold listed apart. Enter or a double-click opens what a night holds: the folio
// screen on a stay, the reservation screen on a reservation, "Add Reservation" for the room
// and the night on a free night. It follows every committed change to the rooms, stays and
// reservations, and the hotel date.
class RoomBoardWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "RoomBoard";

    explicit RoomBoardWindow(Desk& desk, QWidget* parent = nullptr);

    const RoomBoard& board() const { return model_->board(); }

    // The event handlers, public so tests can call them as the controls do.
    // Shows the nights from `first` (kept within the years 2000 to 2099).
    void showFrom(Date first);
    void previousWeek();
    void nextWeek();
    void backToHotelDate();
    // Enter or a double-click on a night of the grid.
    void openNight(const QModelIndex& at);
    // Enter or a double-click on an entry of the unplaced list.
    void openUnplaced(int row);
    // The board read again, for the same nights.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createControls();
    void createLayout();
    void connectControls();
    void showBoard();
    void showSpans();
    void showCounts();
    void showUnplaced();
    void lineUpCounts();
    void dateTyped();
    void dateEntered();
    void openCalendar();
    void hotelDateMoved();
    // Copies: opening another window may show the board again meanwhile.
    void openBooking(const BoardBooking& booking);
    void reserveNight(const BoardRoom& room, Date night);
    void chooseBooking(const BoardNight& night, const QModelIndex& at);

    Desk& desk_;
    Date first_;
    Date shownHotelDate_;  // the hotel date the board was last shown for
    RoomBoardModel* model_;
    QLineEdit* dateBox_;
    QPushButton* previousButton_;
    QPushButton* nextButton_;
    QPushButton* hotelDateButton_;
    QWidget* legend_;
    QTableView* grid_;
    QTableWidget* counts_;
    QLabel* unplacedCaption_;
    QListWidget* unplaced_;
    QLabel* keysHint_;
    QPushButton* exitButton_;
};

}  // namespace innvera
