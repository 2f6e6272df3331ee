#pragma once

#include <QWidget>

#include "core/desk.h"

class QListWidget;
class QPushButton;

namespace innvera {

// "Room List": the housekeeping status board.
class RoomStatusWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "RoomStatusWindow";

    explicit RoomStatusWindow(Desk& desk, QWidget* parent = nullptr);

    // "Make All Rooms Clean".
    void makeAllClean();
    // "Make All Rooms Vacant", after the clerk's yes.
    void makeAllVacant();
    // "Export CSV": the housekeeping report of the hotel date, for a spreadsheet.
    void exportHousekeeping();

private:
    void createControls();
    void createLayout();
    void connectSignals();
    void fillBoard();

    Desk& desk_;
    QListWidget* board_ = nullptr;
    QPushButton* cleanButton_ = nullptr;
    QPushButton* vacantButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* exitButton_ = nullptr;
};

}  // namespace innvera
