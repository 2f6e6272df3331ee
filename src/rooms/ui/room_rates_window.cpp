#include "rooms/ui/room_rates_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/counters.h"
#include "core/formats.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "rooms/rates.h"
#include "rooms/ui/type_lists.h"

namespace innvera {

RoomRatesWindow::RoomRatesWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("Form20");
    setWindowTitle("Apply Room Rates");
    createControls();
    createLayout();
    connectSignals();
}

void RoomRatesWindow::createControls() {
    typeList_ = promptList("Combo1", kSelectRoomType, roomTypeItems(true), this);
    limitTypedText(typeList_, kRoomTypeWidth);
    currentRate_ = valueLabel("Label2", this);
    newRateBox_ = lineEdit("Text1", this);
    saveButton_ = button("Command1", "Save Now", this);
    exitButton_ = button("Command2", "Exit", this);
}

void RoomRatesWindow::createLayout() {
    auto* grid = new QGridLayout;
    grid->addWidget(typeList_, 0, 0, 1, 2);
    grid->addWidget(captionLabel("Current Rate", this), 1, 0);
    grid->addWidget(currentRate_, 1, 1);
    grid->addWidget(captionLabel("Change To", this), 2, 0);
    grid->addWidget(newRateBox_, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton_);
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();
    resize(300, 160);
}

void RoomRatesWindow::connectSignals() {
    // A type is chosen from the list, or typed and confirmed with Enter.
    connect(typeList_, &QComboBox::activated, this, &RoomRatesWindow::chooseType);
    connect(typeList_->lineEdit(), &QLineEdit::returnPressed, this, &RoomRatesWindow::chooseType);
    connect(saveButton_, &QPushButton::clicked, this, &RoomRatesWindow::saveNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    enterClicks(saveButton_, {newRateBox_});
}

void RoomRatesWindow::chooseType() {
    runHandler(desk_, [this] {
        // A type no room has leaves the rate shown before.
        if (const auto rate = currentRateOfType(desk_.dataDir, str(typeList_->currentText())))
            currentRate_->setText(qs(plainNumber(*rate)));
        newRateBox_->setFocus();
    });
}

void RoomRatesWindow::saveNow() {
    runHandler(desk_, [this] {
        if (const auto refusal = applyRateToType(desk_.dataDir, str(typeList_->currentText()), str(newRateBox_->text()))) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        showPrompt(typeList_, kSelectRoomType);
        currentRate_->clear();
        newRateBox_->clear();
        typeList_->setFocus();
    });
}

}  // namespace innvera
