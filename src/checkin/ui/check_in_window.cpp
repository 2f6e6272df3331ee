#include "checkin/ui/check_in_window.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "checkin/ui/check_in_controls.h"
#include "core/accounts.h"
#include "core/counters.h"
#include "core/formats.h"
#include "core/counters.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "core/ui/guest_details_panel.h"
#include "core/ui/main_window.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }
double number(const QLineEdit* box) { return leadingNumber(text(box)); }

const QStringList kPaymentTypes{"C - Cash", "V - Visa", "M - Master Card", "D - Discover", "A - American Express",
                                "R - Direct Bill"};
const QStringList kExtraCharges{"P - Pet Fee", "S - Copies", "Q - Stamps", "N - Roll Away", "W - Wi Fi", "O - Other"};

}  // namespace

CheckInWindow::CheckInWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Check In"));
    createControls();
    createLayout();
    connectControls();
    load();
}

void CheckInWindow::createControls() {
    guest_ = new GuestDetailsPanel({GuestDetailsPanel::Name, GuestDetailsPanel::Address, GuestDetailsPanel::City,
                                    GuestDetailsPanel::State, GuestDetailsPanel::Zip, GuestDetailsPanel::Phone,
                                    GuestDetailsPanel::Company, GuestDetailsPanel::Comment},
                                   true, desk_.clock.today().year(), this);
    arrivalBox_ = lineEdit("Text13", this);
    departBox_ = lineEdit("Text14", this);
    daysBox_ = lineEdit("Text15", this);
    roomList_ = promptList(QStringLiteral("Combo3"), QString::fromLatin1(kSelectRoom), {}, this);
    rateBox_ = lineEdit("Text16", this);
    taxLabel_ = valueLabel("Label18", this);
    nightTotalLabel_ = valueLabel("Label20", this);
    totalStayBox_ = lineEdit("Text17", this);
    paymentList_ = promptList(QStringLiteral("Combo4"), QString::fromLatin1(kSelectPaymentType), kPaymentTypes, this);
    accountList_ = promptList(QStringLiteral("Combo6"), QString::fromLatin1(kSelectAccount), {}, this);
    cashTotalBox_ = lineEdit("Text18", this);
    tenderedBox_ = lineEdit("Text19", this);
    changeBox_ = lineEdit("Text20", this);
    extraList_ = promptList(QStringLiteral("Combo5"), QString::fromLatin1(kExtraCharge), kExtraCharges, this);
    extraAmountBox_ = lineEdit("Text21", this);
    enterButton_ = button("Command3", "Enter", this);
    printBox_ = new QCheckBox(QStringLiteral("Print folio upon check in"), this);
    printBox_->setObjectName(QStringLiteral("Check1"));
    hotelDateLabel_ = new QLabel(this);
    hotelDateLabel_->setObjectName(QStringLiteral("Label26"));
    checkInButton_ = button("Command1", "Check In Now", this);
    exitButton_ = button("Command2", "Exit", this);
}

void CheckInWindow::createLayout() {
    // Left: the guest and the dates, in the guest boxes' columns.
    guest_->addRow(QStringLiteral("Arrival Date"), arrivalBox_);
    guest_->addRow(QStringLiteral("Depart Date"), departBox_);
    guest_->addRow(QStringLiteral("Days"), daysBox_);
    auto* left = new QVBoxLayout;
    left->addWidget(guest_);
    left->addStretch();

    // Middle: room, rate, totals and payment.
    auto* money = new QFormLayout;
    money->addRow(QStringLiteral("Room"), roomList_);
    money->addRow(QStringLiteral("Rate"), rateBox_);
    money->addRow(QStringLiteral("Tax"), taxLabel_);
    money->addRow(QStringLiteral("Total"), nightTotalLabel_);
    money->addRow(QStringLiteral("Total Stay"), totalStayBox_);
    money->addRow(QStringLiteral("Payment"), paymentList_);
    money->addRow(QStringLiteral("Account"), accountList_);
    money->addRow(QStringLiteral("Total"), cashTotalBox_);
    money->addRow(QStringLiteral("Amount Tendered"), tenderedBox_);
    money->addRow(QStringLiteral("Change"), changeBox_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkInButton_);
    buttons->addWidget(exitButton_);
    auto* middle = new QVBoxLayout;
    middle->addLayout(money);
    middle->addStretch();
    middle->addLayout(buttons);

    // Right: the extra charge and the print choice.
    auto* extra = new QGroupBox(QStringLiteral("Extra Charge"), this);
    auto* extraLayout = new QFormLayout(extra);
    extraLayout->addRow(extraList_);
    extraLayout->addRow(QStringLiteral("Amount"), extraAmountBox_);
    extraLayout->addRow(enterButton_);
    auto* right = new QVBoxLayout;
    right->addWidget(extra);
    right->addWidget(printBox_);
    right->addWidget(hotelDateLabel_);
    right->addStretch();

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 3);
    columns->addLayout(middle, 3);
    columns->addLayout(right, 2);
}

void CheckInWindow::connectControls() {
    connect(guest_, &GuestDetailsPanel::nameEdited, this, &CheckInWindow::enableRoomAndPayment);
    connect(rateBox_, &QLineEdit::textEdited, this, &CheckInWindow::rateTyped);
    connect(tenderedBox_, &QLineEdit::textEdited, this, &CheckInWindow::tenderedTyped);
    connect(roomList_, &QComboBox::activated, this, &CheckInWindow::roomChosen);
    connect(paymentList_, &QComboBox::activated, this, &CheckInWindow::paymentChosen);
    connect(extraList_, &QComboBox::activated, this, [this] { extraAmountBox_->setFocus(); });
    connect(enterButton_, &QPushButton::clicked, this, &CheckInWindow::addExtraToTotalStay);
    connect(printBox_, &QCheckBox::clicked, this, &CheckInWindow::printChoiceClicked);
    connect(checkInButton_, &QPushButton::clicked, this, &CheckInWindow::checkInNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    opensCalendar(departBox_, [this] { openDepartureCalendar(); });
    connect(departBox_, &QLineEdit::textEdited, this, &CheckInWindow::departureTyped);
    exitOnEscape(this, exitButton_);
    // Enter beside the extra charge adds it; "Check In Now" is never pressed by Enter.
    enterClicks(enterButton_, {extraAmountBox_});
}

void CheckInWindow::load() {
    const Date hotelDate = desk_.session.hotelDate;
    hotelDateLabel_->setText(qs(hotelDate.text()));
    runHandler(desk_, [&] {
        for (const std::string& name : accountNames(desk_.dataDir)) accountList_->addItem(qs(name));
        showPrompt(accountList_, QString::fromLatin1(kSelectAccount));
        printBox_->setChecked(printFolioChosen(desk_.dataDir));
        for (const std::string& entry : offeredRooms(desk_.dataDir, hotelDate)) roomList_->addItem(qs(entry));
        showPrompt(roomList_, QString::fromLatin1(kSelectRoom));
    });
    arrivalBox_->setText(qs(hotelDate.text()));
    departBox_->setText(qs(hotelDate.plusDays(1).text()));
    daysBox_->setText(QStringLiteral("1"));
    roomList_->setEnabled(false);
    paymentList_->setEnabled(false);
    accountList_->setEnabled(false);
    for (QLineEdit* box : {cashTotalBox_, tenderedBox_, changeBox_}) box->setEnabled(false);
}

void CheckInWindow::openDepartureCalendar() {
    DateCalendar::open(desk_, this, {"Form5", "Depart Date", desk_.session.hotelDate.plusDays(1), 10000},
                       [this](Date picked) { takeDepartureDate(picked); });
}

void CheckInWindow::enableRoomAndPayment() {
    roomList_->setEnabled(true);
    paymentList_->setEnabled(true);
}

double CheckInWindow::nights() const { return number(daysBox_); }

// The tax and total of one night, and the stay's total with the extra charges added.
void CheckInWindow::showNight(double rate, float taxRate, double extras) {
    const OneNight night = oneNight(rate, taxRate);
    taxLabel_->setText(qs(plainNumber(night.tax)));
    nightTotalLabel_->setText(qs(plainNumber(night.total)));
    totalStayBox_->setText(qs(plainNumber(totalStay(nights(), night.total, extras))));
}

void CheckInWindow::rateTyped() {
    runHandler(desk_, [&] {
        showNight(number(rateBox_), readTaxRate(desk_.dataDir), number(extraAmountBox_));
    });
}

void CheckInWindow::tenderedTyped() {
    changeBox_->setText(qs(plainNumber(changeDue(number(tenderedBox_), number(cashTotalBox_)))));
}

void CheckInWindow::roomChosen() {
    runHandler(desk_, [&] {
        const std::string entry = roomList_->currentText().toStdString();
        if (overbooks(desk_.dataDir, firstChars(entry, 3), desk_.session.pickedDepartureDate)) {
            desk_.dialogs.inform("ATTENTION!", kOverbooking);
            return;
        }
        const float taxRate = readTaxRate(desk_.dataDir);
        const std::optional<float> rate = roomRate(desk_.dataDir, entry);
        if (!rate) return;  // a typed entry naming no room: the figures stay as they were
        rateBox_->setText(qs(plainNumber(*rate)));
        showNight(*rate, taxRate, 0);
    });
}

void CheckInWindow::paymentChosen() {
    const QString entry = paymentList_->currentText();
    if (entry.startsWith(QLatin1Char('C'))) {
        cashTotalBox_->setText(totalStayBox_->text());
        for (QLineEdit* box : {cashTotalBox_, tenderedBox_, changeBox_}) box->setEnabled(true);
    } else if (entry.startsWith(QLatin1Char('R'))) {
        accountList_->setEnabled(true);
    }
}

void CheckInWindow::addExtraToTotalStay() {
    totalStayBox_->setText(qs(plainNumber(number(totalStayBox_) + number(extraAmountBox_))));
}

void CheckInWindow::printChoiceClicked() {
    runHandler(desk_, [&] {
        choosePrintFolio(desk_.dataDir, printBox_->isChecked());
    });
}

void CheckInWindow::takeDepartureDate(Date picked) {
    departBox_->setText(qs(picked.text()));
    departureKnown(picked);
}

// A complete date typed into "Depart Date" counts as a pick on the calendar; a date half typed
// changes nothing.
void CheckInWindow::departureTyped() {
    if (const auto typed = stayDate(text(departBox_))) departureKnown(*typed);
}

void CheckInWindow::departureKnown(Date picked) {
    const double daysBefore = nights();
    daysBox_->setText(QString::number(picked.daysSince(desk_.session.hotelDate)));
    if (!rateBox_->text().isEmpty()) {
        const double night = leadingNumber(nightTotalLabel_->text().toStdString());
        totalStayBox_->setText(qs(plainNumber(totalStayForDays(number(totalStayBox_), daysBefore, nights(), night))));
    }
    enableRoomAndPayment();
    desk_.session.pickedDepartureDate = picked;
}

CheckInForm CheckInWindow::form() const {
    CheckInForm f;
    f.guest = guest_->form();
    f.arrivalDate = text(arrivalBox_);
    f.departDate = text(departBox_);
    f.roomEntry = roomList_->currentText().toStdString();
    f.rate = text(rateBox_);
    f.totalStay = text(totalStayBox_);
    f.payType = paymentList_->currentText().toStdString();
    f.cashTotal = text(cashTotalBox_);
    f.extraCharge = extraList_->currentText().toStdString();
    f.extraAmount = text(extraAmountBox_);
    f.account = accountList_->currentText().toStdString();
    return f;
}

QWidget* CheckInWindow::control(CheckInField field) const {
    const CheckInControls controls{.guest = guest_,
                                   .arrivalDate = arrivalBox_,
                                   .departDate = departBox_,
                                   .roomList = roomList_,
                                   .rate = rateBox_,
                                   .totalStay = totalStayBox_,
                                   .payTypeList = paymentList_,
                                   .accountList = accountList_,
                                   .cashTotal = cashTotalBox_,
                                   .extraAmount = extraAmountBox_};
    return controls[field];
}

void CheckInWindow::checkInNow() {
    bool done = false;
    runHandler(desk_, [&] {
        const CheckInForm f = form();
        const auto reading = readCheckIn(desk_.dataDir, f, desk_.session.hotelDate);
        if (const auto* refusal = std::get_if<Refusal>(&reading)) {
            desk_.dialogs.inform("ATTENTION!", refusal->message);
            if (QWidget* focus = control(refusal->focus)) focus->setFocus();
            return;
        }
        const CheckInOrder& order = std::get<CheckInOrder>(reading);
        const std::string arrivalTime = desk_.clock.now().text();
        const CheckedIn stay = checkIn(desk_.dataDir, order, desk_.session.hotelDate, arrivalTime);
        desk_.dataDir.commit();  // the guest stays checked in whatever the printer does
        done = true;  // the guest is in: the window closes even if the printer fails
        if (stay.folioCounterRepaired) desk_.dialogs.inform("ATTENTION!", kCounterRepaired);
        if (printBox_->isChecked()) {
            const std::optional<std::string> chosen =
                f.account == kSelectAccount ? std::nullopt : std::optional<std::string>(f.account);
            desk_.printer.print(printedCheckInFolio(desk_.dataDir, order, stay, arrivalTime, chosen));
        }
    });
    if (!done) return;
    refreshMainWindow(desk_);
    close();
}

}  // namespace innvera
