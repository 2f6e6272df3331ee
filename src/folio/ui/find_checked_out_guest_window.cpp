#include "folio/ui/find_checked_out_guest_window.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QListWidget>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/formats.h"
#include "core/guest_form.h"
#include "core/ui/guest_details_panel.h"
#include "core/ui/motel_on_record.h"
#include "ledger/folio_file.h"
#include "folio/printed_folio.h"
#include "folio/ui/folio_colours.h"
#include "folio/ui/guest_search_window.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

namespace {

QLabel* caption(const char* text, QWidget* parent) { return captionLabel(QString::fromLatin1(text), parent); }

}  // namespace

FindCheckedOutGuestWindow::FindCheckedOutGuestWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Find Checked Out Guest"));
    createControls();
    createLayout();
    connectControls();
    showNoStay();
}

void FindCheckedOutGuestWindow::createControls() {
    guest_ = new GuestDetailsPanel({}, false, desk_.clock.today().year(), this);
    const GuestDetailsPanel::StayDates dates = guest_->addStayDates(this);
    arrivalBox_ = dates.arrival;
    departBox_ = dates.depart;
    daysBox_ = dates.days;
    rateBox_ = lineEdit("Text17", this);
    // The stay is shown, not edited: nothing here is ever saved.
    for (auto which : {GuestDetailsPanel::Name, GuestDetailsPanel::Address, GuestDetailsPanel::City,
                       GuestDetailsPanel::State, GuestDetailsPanel::Zip, GuestDetailsPanel::Phone,
                       GuestDetailsPanel::Cell, GuestDetailsPanel::Company, GuestDetailsPanel::Comment,
                       GuestDetailsPanel::CardNo, GuestDetailsPanel::Adults, GuestDetailsPanel::Children})
        guest_->box(which)->setReadOnly(true);
    for (QLineEdit* box : {arrivalBox_, departBox_, daysBox_, rateBox_}) box->setReadOnly(true);
    guest_->expiryMonth()->setEnabled(false);
    guest_->expiryYear()->setEnabled(false);

    folioLabel_ = valueLabel("Label24", this, 70);
    roomLabel_ = valueLabel("Label29", this, 70);
    arrivalTimeLabel_ = valueLabel("Label28", this, 110);
    departTimeLabel_ = valueLabel("DepartTimeLabel", this, 110);
    directBillCaption_ = captionLabel("Label31", "Direct Bill Account", this);
    directBillLabel_ = valueLabel("Label30", this, 70);
    lines_ = listBox("List1", this);
    balanceLabel_ = valueLabel("Label22", this, 110);
    balanceLabel_->setAutoFillBackground(true);
    printButton_ = button("Command3", "Print Folio", this);
    findAnotherButton_ = button("Command1", "Find Another Guest", this);
    exitButton_ = button("Command2", "Exit", this);

    // The folio lines as the folio screen shows them.
    showInColumns(lines_, 100, 80);
    headings_ = columnHeadings(lines_, qs(folioListHeadings()), this);
}

void FindCheckedOutGuestWindow::createLayout() {
    // Top: the stay's number, room and times.
    auto* top = new QHBoxLayout;
    for (auto [text, value] : {std::pair{"Folio#", folioLabel_}, std::pair{"Room#", roomLabel_},
                               std::pair{"Arrival Time", arrivalTimeLabel_}, std::pair{"Depart Time", departTimeLabel_}}) {
        top->addWidget(caption(text, this));
        top->addWidget(value);
    }
    top->addStretch();

    // Left: the guest, and the stay's dates and rate in the same columns.
    guest_->addRow(QStringLiteral("Rate"), rateBox_);
    auto* left = new QVBoxLayout;
    left->addWidget(guest_);
    left->addStretch();

    // Right: the folio, its balance and account, and the actions.
    auto* balanceRow = new QHBoxLayout;
    balanceRow->addWidget(directBillCaption_);
    balanceRow->addWidget(directBillLabel_);
    balanceRow->addStretch();
    balanceRow->addWidget(caption("Balance.....", this));
    balanceRow->addWidget(balanceLabel_);
    auto* actions = new QHBoxLayout;
    actions->addWidget(printButton_);
    actions->addWidget(findAnotherButton_);
    actions->addStretch();
    actions->addWidget(exitButton_);
    auto* right = new QVBoxLayout;
    right->addWidget(headings_);
    right->addWidget(lines_, 1);
    right->addLayout(balanceRow);
    right->addLayout(actions);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(columns, 1);
}

void FindCheckedOutGuestWindow::connectControls() {
    connect(printButton_, &QPushButton::clicked, this, &FindCheckedOutGuestWindow::printFolio);
    connect(findAnotherButton_, &QPushButton::clicked, this, &FindCheckedOutGuestWindow::findAnotherGuest);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
}

void FindCheckedOutGuestWindow::showNoStay() {
    shown_.reset();
    shownAccount_.clear();
    guest_->clear(QStringLiteral("Month"), QStringLiteral("Year"));
    for (QLineEdit* box : {arrivalBox_, departBox_, daysBox_, rateBox_}) box->clear();
    for (QLabel* label : {folioLabel_, roomLabel_, arrivalTimeLabel_, departTimeLabel_, directBillLabel_, balanceLabel_})
        label->clear();
    directBillCaption_->hide();
    directBillLabel_->hide();
    lines_->clear();
    setBackColour(lines_, kWhite);
    balanceLabel_->setStyleSheet(QString());  // the plain face of the window
    printButton_->setEnabled(false);
}

void FindCheckedOutGuestWindow::showStay(const PastStayView& view) {
    showNoStay();
    const Guest& g = view.stay.record;
    shown_ = view.stay;
    guest_->showForm(GuestForm::from(g));
    arrivalBox_->setText(qs(g.arrivalDate.text()));
    departBox_->setText(qs(g.departDate.text()));
    daysBox_->setText(QString::number(g.departDate.daysSince(g.arrivalDate)));
    rateBox_->setText(qs(plainNumber(g.rate)));
    folioLabel_->setText(qs(plainNumber(g.folioNo)));
    roomLabel_->setText(qs(g.roomNo.str()));
    arrivalTimeLabel_->setText(qs(g.arrivalTime.str()));
    departTimeLabel_->setText(qs(g.departTime.str()));
    if (view.directBillLine) {
        shownAccount_ = *view.directBillLine;
        directBillLabel_->setText(qs(shownAccount_));
        directBillCaption_->show();
        directBillLabel_->show();
    }
    for (const std::string& row : view.folio.rows) lines_->addItem(qs(row));
    balanceLabel_->setText(qs(plainNumber(view.folio.balance)));
    colourByBalance(lines_, balanceLabel_, view.folio.balance);
    printButton_->setEnabled(true);
}

void FindCheckedOutGuestWindow::findAnotherGuest() {
    for (auto* open : findChildren<GuestSearchWindow*>(Qt::FindDirectChildrenOnly)) {
        if (open->isVisible()) {
            desk_.windows.show(open);
            return;
        }
    }
    showNoStay();
    desk_.windows.show(new GuestSearchWindow(desk_, this, [this](const PastStayView& view) { showStay(view); }));
}

// The reprint of the stay shown, with the account line this window shows (empty when none).
void FindCheckedOutGuestWindow::printFolio() {
    if (!shown_) return;
    runHandler(desk_, [&] {
        const Guest& stay = shown_->record;
        desk_.printer.print(reprintFolio(motelOnRecord(desk_).printed, guestBlockOf(stay),
                                         readFolioLines(desk_.dataDir, stay.folioNo), shownAccount_));
    });
}

void FindCheckedOutGuestWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (searchOpened_) return;
    searchOpened_ = true;
    findAnotherGuest();
}

void FindCheckedOutGuestWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    for (QWidget* search : findChildren<GuestSearchWindow*>(Qt::FindDirectChildrenOnly)) search->close();
}

}  // namespace innvera
