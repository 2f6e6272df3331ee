#include "rooms/ui/room_inventory_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "rooms/inventory.h"
#include "core/room_types.h"
#include "core/rooms.h"
#include "rooms/ui/type_lists.h"

namespace innvera {

RoomInventoryWindow::RoomInventoryWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("RoomInventoryWindow");
    setWindowTitle("Enter Room Inventory");
    createControls();
    createLayout();
    connectSignals();
    runHandler(desk_, [this] { fillRoomsEntered(); });
    roomNoBox_->setFocus();
}

void RoomInventoryWindow::createControls() {
    roomNoBox_ = lineEdit("Text1", this);
    holdToField(roomNoBox_, kBookableRoomNoLength);
    typeList_ = promptList("Combo1", kChooseRoomType, roomTypeItems(false), this);
    limitTypedText(typeList_, kRoomTypeWidth);
    enterButton_ = button("Command1", "Enter Now", this);
    exitButton_ = button("Command2", "Exit", this);
    roomsEntered_ = listBox("List1", this);
}

void RoomInventoryWindow::createLayout() {
    auto* entry = new QGridLayout;
    entry->addWidget(captionLabel("Room #", this), 0, 0);
    entry->addWidget(roomNoBox_, 0, 1);
    entry->addWidget(typeList_, 1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(enterButton_);
    buttons->addWidget(exitButton_);

    auto* legend = new QVBoxLayout;
    legend->setSpacing(2);
    for (const auto& type : kRoomTypes) legend->addWidget(captionLabel(qs(std::string(type.legend)), this));

    auto* left = new QVBoxLayout;
    left->addLayout(entry);
    left->addLayout(buttons);
    left->addSpacing(8);
    left->addLayout(legend);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(captionLabel("Rooms Entered", this));
    right->addWidget(roomsEntered_);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);
    resize(520, 380);
}

void RoomInventoryWindow::connectSignals() {
    connect(enterButton_, &QPushButton::clicked, this, &RoomInventoryWindow::enterNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    enterClicks(enterButton_, {roomNoBox_});
}

void RoomInventoryWindow::fillRoomsEntered() {
    roomsEntered_->clear();
    for (const std::string& entry : roomListEntries(desk_.dataDir)) roomsEntered_->addItem(qs(entry));
}

void RoomInventoryWindow::emptyForm() {
    showPrompt(typeList_, kChooseRoomType);
    roomNoBox_->clear();
    roomNoBox_->setFocus();
}

void RoomInventoryWindow::enterNow() {
    runHandler(desk_, [this] {
        const NewRoom entry{str(roomNoBox_->text()), str(typeList_->currentText())};
        if (const auto refusal = enterRoom(desk_.dataDir, entry, desk_.session.hotelDate)) {
            showRefusal(desk_, this, *refusal);
            if (refusal->message == kRoomAlreadyEntered) emptyForm();
            return;
        }
        emptyForm();
        fillRoomsEntered();
    });
}

}  // namespace innvera
