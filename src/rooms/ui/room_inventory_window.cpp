#include "rooms/ui/room_inventory_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/handler.h"
#include "rooms/inventory.h"
#include "rooms/room_types.h"
#include "rooms/rooms.h"
#include "rooms/ui/type_lists.h"

namespace innvera {

RoomInventoryWindow::RoomInventoryWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("RoomInventoryWindow");
    setWindowTitle("Enter Room Inventory");

    roomNoBox_ = new QLineEdit;
    roomNoBox_->setObjectName("Text1");
    typeList_ = makeTypedList("Combo1", roomTypeItems(false), kChooseRoomType);
    typeList_->setMinimumContentsLength(18);
    enterButton_ = new QPushButton("Enter Now");
    enterButton_->setObjectName("Command1");
    exitButton_ = new QPushButton("Exit");
    exitButton_->setObjectName("Command2");
    roomsEntered_ = new QListWidget;
    roomsEntered_->setObjectName("List1");

    auto* entry = new QGridLayout;
    entry->addWidget(new QLabel("Room #"), 0, 0);
    entry->addWidget(roomNoBox_, 0, 1);
    entry->addWidget(typeList_, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(enterButton_);
    buttons->addWidget(exitButton_);

    auto* legend = new QVBoxLayout;
    legend->setSpacing(2);
    for (const auto& type : kRoomTypes) legend->addWidget(new QLabel(qText(std::string(type.legend))));

    auto* left = new QVBoxLayout;
    left->addLayout(entry);
    left->addLayout(buttons);
    left->addSpacing(8);
    left->addLayout(legend);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel("Rooms Entered"));
    right->addWidget(roomsEntered_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(520, 380);

    connect(enterButton_, &QPushButton::clicked, this, &RoomInventoryWindow::enterNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);

    runHandler(desk_, [this] { fillRoomsEntered(); });
    roomNoBox_->setFocus();
}

void RoomInventoryWindow::fillRoomsEntered() {
    roomsEntered_->clear();
    for (const std::string& entry : roomListEntries(desk_.dataDir)) roomsEntered_->addItem(qText(entry));
}

void RoomInventoryWindow::emptyForm() {
    showPrompt(typeList_, kChooseRoomType);
    roomNoBox_->clear();
    roomNoBox_->setFocus();
}

void RoomInventoryWindow::enterNow() {
    runHandler(desk_, [this] {
        const NewRoom entry{stdText(roomNoBox_->text()), stdText(typeList_->currentText())};
        if (const auto refusal = enterRoom(desk_.dataDir, entry, desk_.session.hotelDate)) {
            desk_.dialogs.inform("ATTENTION!", refusal->message);
            if (refusal->clearForm) {
                emptyForm();
            } else if (refusal->focus == InventoryControl::RoomNo) {
                roomNoBox_->setFocus();
            } else {
                typeList_->setFocus();
            }
            return;
        }
        emptyForm();
        fillRoomsEntered();
    });
}

}  // namespace innvera
