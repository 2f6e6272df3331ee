#include "rooms/ui/tax_rate_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/counters.h"
#include "core/formats.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "rooms/rates.h"

namespace innvera {

TaxRateWindow::TaxRateWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName("Form7");
    setWindowTitle("Enter Tax Rate");
    createControls();
    createLayout();
    connectSignals();
    showCurrentRate();
    rateBox_->setFocus();
}

void TaxRateWindow::createControls() {
    heading_ = captionLabel("Enter Tax Rate", this);
    QFont large = heading_->font();
    large.setBold(true);
    large.setPointSizeF(large.pointSizeF() * 1.3);
    heading_->setFont(large);
    heading_->setAlignment(Qt::AlignCenter);
    hint_ = captionLabel("(example if your rate is 9% then enter .09", this);
    hint_->setAlignment(Qt::AlignCenter);
    howToWrite_ = captionLabel("HowToWrite", "Write the rate as a fraction, for example .08 for 8%.", this);
    howToWrite_->setAlignment(Qt::AlignCenter);
    currentRate_ = valueLabel("CurrentRate", this);
    rateBox_ = lineEdit("Text1", this);
    enterButton_ = button("Command1", "Enter Now", this);
    exitButton_ = button("Command2", "Exit", this);
}

void TaxRateWindow::createLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(enterButton_);
    buttons->addWidget(exitButton_);

    auto* rate = new QGridLayout;
    rate->addWidget(captionLabel("Current Rate", this), 0, 0);
    rate->addWidget(currentRate_, 0, 1);
    rate->addWidget(captionLabel("New Rate", this), 1, 0);
    rate->addWidget(rateBox_, 1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(hint_);
    layout->addWidget(howToWrite_);
    layout->addLayout(rate);
    layout->addLayout(buttons);
    layout->addStretch();
}

// The stored fraction, and what it is in percent ("0.09 (9%)").
void TaxRateWindow::showCurrentRate() {
    runHandler(desk_, [this] {
        const float rate = readTaxRate(desk_.dataDir);
        currentRate_->setText(rate > 0 ? qs(plainNumber(rate) + " (" + plainNumber(rate * 100.0f) + "%)")
                                       : QStringLiteral("none yet"));
    });
}

void TaxRateWindow::connectSignals() {
    connect(enterButton_, &QPushButton::clicked, this, &TaxRateWindow::enterNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    enterClicks(enterButton_, {rateBox_});
}

void TaxRateWindow::enterNow() {
    bool stored = false;
    runHandler(desk_, [this, &stored] {
        if (const auto refusal = storeTaxRate(desk_.dataDir, str(rateBox_->text()))) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        stored = true;
    });
    if (stored) close();
}

}  // namespace innvera
