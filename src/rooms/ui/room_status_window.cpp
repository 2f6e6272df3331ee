#include "rooms/ui/room_status_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "platform/qt/change_notices.h"
#include "core/csv.h"
#include "platform/qt/controls.h"
#include "platform/qt/export_file.h"
#include "platform/qt/handler.h"
#include "reports/csv_exports.h"
#include "rooms/status_board.h"

namespace innvera {

RoomStatusWindow::RoomStatusWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("RoomStatusWindow");
    setWindowTitle("Room List");
    createControls();
    createLayout();
    connectSignals();
    runHandler(desk_, [this] { fillBoard(); });
    // Rooms let, freed or changed elsewhere while it is open: the board follows.
    connect(&desk_.notices, &ChangeNotices::filesChanged, this, [this](DataChanges changes) {
        if (changes.touches(DataChanges::Rooms)) runHandler(desk_, [this] { fillBoard(); });
    });
}

void RoomStatusWindow::createControls() {
    board_ = listBox("List1", this);
    board_->setFont(fixedPitchFont());
    cleanButton_ = button("Command2", "Make All Rooms Clean", this);
    vacantButton_ = button("Command3", "Make All Rooms Vacant", this);
    exportButton_ = button("ExportButton", "Export CSV", this);
    exitButton_ = button("Command1", "Exit", this);
}

void RoomStatusWindow::createLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cleanButton_);
    buttons->addWidget(vacantButton_);
    buttons->addWidget(exportButton_);
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(board_, 1);
    layout->addLayout(buttons);
    resize(460, 420);
}

void RoomStatusWindow::connectSignals() {
    connect(cleanButton_, &QPushButton::clicked, this, &RoomStatusWindow::makeAllClean);
    connect(vacantButton_, &QPushButton::clicked, this, &RoomStatusWindow::makeAllVacant);
    connect(exportButton_, &QPushButton::clicked, this, &RoomStatusWindow::exportHousekeeping);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
}

void RoomStatusWindow::fillBoard() {
    board_->clear();
    for (const std::string& line : boardLines(desk_.dataDir)) board_->addItem(qs(line));
}

void RoomStatusWindow::makeAllClean() {
    runHandler(desk_, [this] { makeAllRoomsClean(desk_.dataDir); });
    // Rebuilt even after a failed write, so the board shows what the file now holds.
    runHandler(desk_, [this] { fillBoard(); });
}

void RoomStatusWindow::makeAllVacant() {
    if (!desk_.dialogs.ask("Vacant", "Are you sure you want to make all rooms vacant?")) return;
    runHandler(desk_, [this] { makeAllRoomsVacant(desk_.dataDir); });
    runHandler(desk_, [this] { fillBoard(); });
}

void RoomStatusWindow::exportHousekeeping() {
    const Date day = desk_.session.hotelDate;
    exportToFile(desk_, "Housekeeping Report " + csvDate(day) + ".csv", [&] { return housekeepingCsv(desk_.dataDir, day); });
}

}  // namespace innvera
