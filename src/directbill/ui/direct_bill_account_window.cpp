#include "directbill/ui/direct_bill_account_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

#include "core/accounts.h"
#include "core/formats.h"
#include "core/records.h"
#include "directbill/account_ledger.h"
#include "directbill/statement.h"
#include "directbill/ui/account_details_panel.h"
#include "ledger/invoices.h"
#include "core/ui/motel_on_record.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/export_file.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

const char* const kNoSuchAccount = "There is no direct bill account of that name. Choose one from the list.";
const char* const kNoSuchInvoice = "There is no invoice of that number. Choose one from the list.";

}  // namespace

DirectBillAccountWindow::DirectBillAccountWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Retrieve Direct Bill Account"));
    createControls();
    createLayout();
    connectControls();
    load();
}

void DirectBillAccountWindow::createControls() {
    accountList_ = promptList(QStringLiteral("Combo1"), QString::fromLatin1(kSelectAccount), {}, this);
    details_ = new AccountDetailsPanel({}, this);
    numberLabel_ = valueLabel("Label11", this);
    invoiceList_ = promptList(QStringLiteral("Combo2"), QString::fromLatin1(kSelectInvoice), {}, this);
    roomLabel_ = valueLabel("Label23", this, 60);
    lines_ = listBox("List1", this);
    balanceLabel_ = valueLabel("Label19", this, 110);
    entryFrame_ = new QGroupBox(QStringLiteral("Add Payment or Charge"), this);
    entryFrame_->setObjectName(QStringLiteral("EntryFrame"));
    QStringList types;
    for (std::string_view type : ledgerTypes()) types << qs(std::string(type));
    typeList_ = promptList(QStringLiteral("Combo3"), QString::fromLatin1(kSelectType), types, entryFrame_);
    amountBox_ = lineEdit("Text10", entryFrame_);
    checkNoBox_ = lineEdit("Text11", entryFrame_);
    holdToField(checkNoBox_, fieldWidth(kInvoiceLineFields, &InvoiceLine::checkNo));
    doNowButton_ = button("Command1", "Do Now", entryFrame_);
    printButton_ = button("Command3", "Print Statement", this);
    exportButton_ = button("ExportButton", "Export CSV", this);
    saveButton_ = button("Command2", "Save and Exit", this);

    // The invoice lines in a fixed-pitch font, under headings at their columns.
    showInColumns(lines_, 105, 80);
    headings_ = columnHeadings(lines_, qs(invoiceListHeadings()), this);
}

void DirectBillAccountWindow::createLayout() {
    auto* top = new QHBoxLayout;
    top->addWidget(accountList_);
    top->addSpacing(12);
    top->addWidget(captionLabel(QStringLiteral("Account#"), this));
    top->addWidget(numberLabel_);
    top->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(details_);
    left->addStretch();

    auto* invoiceRow = new QHBoxLayout;
    invoiceRow->addWidget(invoiceList_);
    invoiceRow->addSpacing(12);
    invoiceRow->addWidget(captionLabel(QStringLiteral("Room#"), this));
    invoiceRow->addWidget(roomLabel_);
    invoiceRow->addStretch();
    auto* balanceRow = new QHBoxLayout;
    balanceRow->addStretch();
    balanceRow->addWidget(captionLabel(QStringLiteral("Balance....."), this));
    balanceRow->addWidget(balanceLabel_);

    auto* entry = new QGridLayout(entryFrame_);
    entry->addWidget(typeList_, 0, 0, 1, 2);
    entry->addWidget(captionLabel(QStringLiteral("Amount$"), entryFrame_), 1, 0);
    entry->addWidget(amountBox_, 1, 1);
    entry->addWidget(captionLabel(QStringLiteral("Check#"), entryFrame_), 2, 0);
    entry->addWidget(checkNoBox_, 2, 1);
    entry->addWidget(doNowButton_, 3, 1);
    auto* actions = new QVBoxLayout;
    actions->addStretch();
    actions->addWidget(printButton_);
    actions->addWidget(exportButton_);
    actions->addWidget(saveButton_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(entryFrame_);
    bottom->addStretch();
    bottom->addLayout(actions);

    auto* right = new QVBoxLayout;
    right->addLayout(invoiceRow);
    right->addWidget(headings_);
    right->addWidget(lines_, 1);
    right->addLayout(balanceRow);
    right->addLayout(bottom);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns, 1);
}

void DirectBillAccountWindow::connectControls() {
    connect(accountList_, &QComboBox::activated, this, &DirectBillAccountWindow::accountChosen);
    connect(invoiceList_, &QComboBox::activated, this, &DirectBillAccountWindow::invoiceChosen);
    connect(typeList_, &QComboBox::activated, this, &DirectBillAccountWindow::typeChosen);
    connect(doNowButton_, &QPushButton::clicked, this, &DirectBillAccountWindow::doNow);
    connect(printButton_, &QPushButton::clicked, this, &DirectBillAccountWindow::printStatement);
    connect(exportButton_, &QPushButton::clicked, this, &DirectBillAccountWindow::exportInvoice);
    connect(saveButton_, &QPushButton::clicked, this, &DirectBillAccountWindow::saveAndExit);
    // No "Exit" here: Escape leaves as the close box does, saving nothing.
    closeOnEscape(this);
    enterClicks(doNowButton_, {amountBox_, checkNoBox_});
}

void DirectBillAccountWindow::load() {
    showNoInvoice();
    checkNoBox_->setEnabled(false);
    runHandler(desk_, [&] {
        for (const std::string& name : accountNames(desk_.dataDir)) accountList_->addItem(qs(name));
        showPrompt(accountList_, QString::fromLatin1(kSelectAccount));
    });
}

void DirectBillAccountWindow::enableInvoiceActions() {
    const bool chosen = account_ && invoiceNo_;
    doNowButton_->setEnabled(chosen);
    printButton_->setEnabled(chosen);
    exportButton_->setEnabled(chosen);
}

void DirectBillAccountWindow::showNoInvoice() {
    invoiceNo_.reset();
    room_.clear();
    lines_->clear();
    balanceLabel_->clear();
    roomLabel_->clear();
    enableInvoiceActions();
}

void DirectBillAccountWindow::accountChosen() {
    runHandler(desk_, [&] {
        showNoInvoice();
        invoiceList_->clear();
        showPrompt(invoiceList_, QString::fromLatin1(kSelectInvoice));
        invoiceCount_ = 0;
        const auto found = findAccountNamed(desk_.dataDir, str(accountList_->currentText()));
        if (!found) {
            account_.reset();
            details_->clear();
            numberLabel_->clear();
            desk_.dialogs.inform("ATTENTION!", kNoSuchAccount);
            return;
        }
        account_ = ChosenAccount{found->number, found->record};
        details_->showForm(AccountForm::from(found->record));
        numberLabel_->setText(qs(plainNumber(found->record.accountNo)));
        const std::string& name = found->record.accountName.str();
        if (const std::string problem = accountNameProblem(name); !problem.empty()) {
            desk_.dialogs.inform("ATTENTION!", problem);  // its invoices cannot be reached under this name
            return;
        }
        invoiceCount_ = invoiceCount(desk_.dataDir, name);
        QStringList numbers;
        numbers.reserve(invoiceCount_);
        for (int n = 1; n <= invoiceCount_; ++n) numbers << QString::number(n);
        invoiceList_->addItems(numbers);
        showPrompt(invoiceList_, QString::fromLatin1(kSelectInvoice));
    });
    enableInvoiceActions();
}

void DirectBillAccountWindow::invoiceChosen() {
    if (!account_) return;
    showNoInvoice();
    const std::string text = str(invoiceList_->currentText());
    const double number = isNumberText(text) ? leadingNumber(text) : 0;
    if (number < 1 || number > invoiceCount_ || number != static_cast<int>(number)) {
        desk_.dialogs.inform("ATTENTION!", kNoSuchInvoice);
        showPrompt(invoiceList_, QString::fromLatin1(kSelectInvoice));
        return;
    }
    invoiceNo_ = static_cast<float>(number);
    runHandler(desk_, [&] { showInvoice(); });
    enableInvoiceActions();
}

void DirectBillAccountWindow::showInvoice() {
    const InvoiceView view = invoiceView(desk_.dataDir, account_->record.accountName.str(), *invoiceNo_);
    lines_->clear();
    for (const std::string& row : view.rows) lines_->addItem(qs(row));
    balanceLabel_->setText(qs(plainNumber(view.balance)));
    room_ = view.room;
    roomLabel_->setText(qs(room_));
}

void DirectBillAccountWindow::typeChosen() {
    checkNoBox_->setEnabled(typeList_->currentText().startsWith(QLatin1Char('K')));
    amountBox_->setFocus();
}

void DirectBillAccountWindow::resetEntry() {
    showPrompt(typeList_, QString::fromLatin1(kSelectType));
    amountBox_->clear();
    checkNoBox_->clear();
    checkNoBox_->setEnabled(false);
}

void DirectBillAccountWindow::doNow() {
    if (!account_ || !invoiceNo_) return;
    runHandler(desk_, [&] {
        const LedgerEntry entry{str(typeList_->currentText()), str(amountBox_->text()), str(checkNoBox_->text())};
        const auto refusal = postToInvoice(desk_.dataDir, account_->record.accountName.str(), *invoiceNo_, room_,
                                           desk_.session.hotelDate, entry);
        if (refusal) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        showInvoice();
        resetEntry();
    });
}

void DirectBillAccountWindow::printStatement() {
    if (!account_ || !invoiceNo_) return;
    runHandler(desk_, [&] {
        auto text = [this](AccountDetailsPanel::Box b) { return str(details_->box(b)->text()); };
        using P = AccountDetailsPanel;
        StatementHeading heading;
        heading.account = account_->record.accountName.str();  // the account list's text as chosen
        heading.accountNo = str(numberLabel_->text());
        heading.address = text(P::Address);
        heading.city = text(P::City);
        heading.state = text(P::State);
        heading.zip = text(P::Zip);
        heading.phone = text(P::Phone);
        heading.fax = text(P::Fax);
        heading.cell = text(P::Cell);
        heading.contact = text(P::Contact);
        heading.invoiceNo = plainNumber(*invoiceNo_);
        const MotelOnRecord motel = motelOnRecord(desk_);
        desk_.printer.print(invoiceStatement(desk_.dataDir, heading, account_->record.accountName.str(), *invoiceNo_,
                                             motel.saved ? std::optional(motel.printed) : std::nullopt));
    });
}

void DirectBillAccountWindow::exportInvoice() {
    if (!account_ || !invoiceNo_) return;
    const std::string name = account_->record.accountName.str();
    const float invoiceNo = *invoiceNo_;
    exportToFile(desk_, "Invoice " + name + " " + plainNumber(invoiceNo) + ".csv",
                 [&] { return invoiceCsv(desk_.dataDir, name, invoiceNo); });
}

void DirectBillAccountWindow::saveAndExit() {
    bool done = !account_;  // with no account chosen there is nothing to save
    if (account_) {
        runHandler(desk_, [&] {
            if (const auto refusal = saveAccount(desk_.dataDir, *account_, details_->form())) {
                showRefusal(desk_, this, *refusal);
                return;
            }
            done = true;
        });
    }
    if (done) close();
}

}  // namespace innvera
