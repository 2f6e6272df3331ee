#include "directbill/ui/add_direct_bill_window.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/formats.h"
#include "core/counters.h"
#include "directbill/account_register.h"
#include "directbill/ui/account_details_panel.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

const char* const kExitTitle = "Exit";
const char* const kExitQuestion = "Are you sure you want to exit without saving?";

}  // namespace

AddDirectBillWindow::AddDirectBillWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Add Direct Bill"));
    createControls();
    createLayout();
    connectControls();
    takeNumber();
}

void AddDirectBillWindow::createControls() {
    heading_ = captionLabel(QStringLiteral("Add Direct Bill Account"), this);
    QFont bigger = heading_->font();
    bigger.setPointSize(bigger.pointSize() + 4);
    bigger.setBold(true);
    heading_->setFont(bigger);
    using P = AccountDetailsPanel;
    details_ = new AccountDetailsPanel({P::Name, P::Address, P::City, P::State, P::Zip, P::Contact}, this);
    balanceBox_ = lineEdit("Text10", this);
    numberLabel_ = valueLabel("Label12", this);
    saveButton_ = button("Command2", "Save", this);
    exitButton_ = button("Command1", "Exit", this);
}

void AddDirectBillWindow::createLayout() {
    details_->addRow(QStringLiteral("Current Balance"), balanceBox_);
    auto* number = new QHBoxLayout;
    number->addWidget(captionLabel(QStringLiteral("Account#"), this));
    number->addWidget(numberLabel_);
    number->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(exitButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(number);
    layout->addWidget(details_);
    layout->addLayout(buttons);
}

void AddDirectBillWindow::connectControls() {
    connect(saveButton_, &QPushButton::clicked, this, &AddDirectBillWindow::save);
    connect(exitButton_, &QPushButton::clicked, this, &AddDirectBillWindow::exitWithoutSaving);
    exitOnEscape(this, exitButton_);
}

void AddDirectBillWindow::takeNumber() {
    runHandler(desk_, [&] {
        bool repaired = false;
        accountNo_ = takeAccountNumber(desk_.dataDir, &repaired);
        numberLabel_->setText(qs(plainNumber(*accountNo_)));
        if (repaired) desk_.dialogs.inform("ATTENTION!", kCounterRepaired);
    });
}

void AddDirectBillWindow::save() {
    bool saved = false;
    runHandler(desk_, [&] {
        // A number that could not be taken as the window opened is taken now.
        if (!accountNo_) {
            accountNo_ = takeAccountNumber(desk_.dataDir);
            numberLabel_->setText(qs(plainNumber(*accountNo_)));
        }
        if (const auto refusal = addAccount(desk_.dataDir, details_->form(), str(balanceBox_->text()), *accountNo_)) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        saved = true;
    });
    if (saved) close();
}

void AddDirectBillWindow::exitWithoutSaving() {
    if (!desk_.dialogs.ask(kExitTitle, kExitQuestion)) return;
    const bool givenBack = runHandler(desk_, [&] {
        if (accountNo_) giveBackAccountNumber(desk_.dataDir, *accountNo_);
    });
    if (givenBack) close();
}

}  // namespace innvera
