#include "rooms/ui/room_status_window.h"

#include <QFont>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/handler.h"
#include "rooms/status_board.h"
#include "rooms/ui/type_lists.h"

namespace innvera {

RoomStatusWindow::RoomStatusWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("RoomStatusWindow");
    setWindowTitle("Room List");

    board_ = new QListWidget;
    board_->setObjectName("List1");
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::TypeWriter);
    board_->setFont(fixed);
    cleanButton_ = new QPushButton("Make All Rooms Clean");
    cleanButton_->setObjectName("Command2");
    vacantButton_ = new QPushButton("Make All Rooms Vacant");
    vacantButton_->setObjectName("Command3");
    exitButton_ = new QPushButton("Exit");
    exitButton_->setObjectName("Command1");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cleanButton_);
    buttons->addWidget(vacantButton_);
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(board_, 1);
    layout->addLayout(buttons);
    resize(460, 420);

    connect(cleanButton_, &QPushButton::clicked, this, &RoomStatusWindow::makeAllClean);
    connect(vacantButton_, &QPushButton::clicked, this, &RoomStatusWindow::makeAllVacant);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);

    runHandler(desk_, [this] { fillBoard(); });
}

void RoomStatusWindow::fillBoard() {
    board_->clear();
    for (const std::string& line : boardLines(desk_.dataDir)) board_->addItem(qText(line));
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

}  // namespace innvera
