#include "rooms/ui/room_rates_window.h"

#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/forms.h"
#include "platform/qt/handler.h"
#include "rooms/rates.h"
#include "rooms/ui/type_lists.h"

namespace innvera {

RoomRatesWindow::RoomRatesWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("Form20");
    setWindowTitle("Apply Room Rates");

    typeList_ = makeTypedList("Combo1", roomTypeItems(true), kSelectRoomType);
    currentRate_ = new QLabel;
    currentRate_->setObjectName("Label2");
    currentRate_->setFrameShape(QFrame::Panel);
    currentRate_->setFrameShadow(QFrame::Sunken);
    newRateBox_ = new QLineEdit;
    newRateBox_->setObjectName("Text1");
    saveButton_ = new QPushButton("Save Now");
    saveButton_->setObjectName("Command1");
    exitButton_ = new QPushButton("Exit");
    exitButton_->setObjectName("Command2");

    auto* grid = new QGridLayout;
    grid->addWidget(typeList_, 0, 0, 1, 2);
    grid->addWidget(new QLabel("Current Rate"), 1, 0);
    grid->addWidget(currentRate_, 1, 1);
    grid->addWidget(new QLabel("Change To"), 2, 0);
    grid->addWidget(newRateBox_, 2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(saveButton_);
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addStretch();
    resize(300, 160);

    // A type is chosen from the list, or typed and confirmed with Enter.
    connect(typeList_, &QComboBox::activated, this, &RoomRatesWindow::chooseType);
    connect(typeList_->lineEdit(), &QLineEdit::returnPressed, this, &RoomRatesWindow::chooseType);
    connect(saveButton_, &QPushButton::clicked, this, &RoomRatesWindow::saveNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
}

void RoomRatesWindow::chooseType() {
    runHandler(desk_, [this] {
        // A type no room has leaves the rate shown before.
        if (const auto rate = currentRateOfType(desk_.dataDir, stdText(typeList_->currentText())))
            currentRate_->setText(qText(plainNumber(*rate)));
        newRateBox_->setFocus();
    });
}

void RoomRatesWindow::saveNow() {
    runHandler(desk_, [this] {
        applyRateToType(desk_.dataDir, stdText(typeList_->currentText()), stdText(newRateBox_->text()));
        showPrompt(typeList_, kSelectRoomType);
        currentRate_->clear();
        newRateBox_->clear();
        typeList_->setFocus();
    });
}

TaxRateWindow::TaxRateWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("Form7");
    setWindowTitle("Enter Tax Rate");

    auto* heading = new QLabel("Enter Tax Rate");
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);
    heading->setAlignment(Qt::AlignCenter);
    auto* hint = new QLabel("(example if your rate is 9% then enter .09");
    hint->setAlignment(Qt::AlignCenter);
    rateBox_ = new QLineEdit;
    rateBox_->setObjectName("Text1");
    enterButton_ = new QPushButton("Enter Now");
    enterButton_->setObjectName("Command1");
    exitButton_ = new QPushButton("Exit");
    exitButton_->setObjectName("Command2");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(enterButton_);
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(hint);
    layout->addWidget(rateBox_);
    layout->addLayout(buttons);
    layout->addStretch();
    resize(300, 150);

    connect(enterButton_, &QPushButton::clicked, this, &TaxRateWindow::enterNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    rateBox_->setFocus();
}

void TaxRateWindow::enterNow() {
    if (runHandler(desk_, [this] { storeTaxRate(desk_.dataDir, stdText(rateBox_->text())); })) close();
}

}  // namespace innvera
