#include "checkin/ui/check_in_section.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "checkin/check_in_form.h"
#include "core/accounts.h"
#include "core/counters.h"
#include "core/formats.h"
#include "core/stay_rules.h"
#include "core/ui/motel_on_record.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

const QStringList kExtraCharges{"P - Pet Fee", "S - Copies", "Q - Stamps", "N - Roll Away", "W - Wi Fi", "O - Other"};

QStringList payCodes() {
    QStringList entries;
    for (const char* entry : kPayCodeEntries) entries << QString::fromLatin1(entry);
    return entries;
}

}  // namespace

CheckInSection::CheckInSection(Desk& desk, Kind kind, std::function<double()> days, QWidget* parent)
    : QWidget(parent), desk_(desk), kind_(kind), days_(std::move(days)) {
    createControls();
    createLayout();
    connectControls();
}

void CheckInSection::createControls() {
    const bool walkIn = kind_ == Kind::WalkIn;
    QWidget* window = this;
    if (!walkIn) roomLabel_ = valueLabel("Label17", window);
    roomList_ = promptList(QStringLiteral("Combo3"),
                           QString::fromLatin1(walkIn ? kSelectRoom : kReservationRoomPrompt), {}, window);
    rateBox_ = lineEdit("Text16", window);
    taxLabel_ = valueLabel(walkIn ? "Label18" : "Label20", window);
    if (walkIn) nightTotalLabel_ = valueLabel("Label20", window);
    else nightTotalBox_ = lineEdit("Text17", window);
    totalStayBox_ = lineEdit(walkIn ? "Text17" : "Text18", window);
    paymentList_ = promptList(QStringLiteral("Combo4"),
                              QString::fromLatin1(walkIn ? kSelectPaymentType : kSelectPaycode), payCodes(), window);
    accountList_ = promptList(QStringLiteral("Combo6"), QString::fromLatin1(kSelectAccount), {}, window);
    cashTotalBox_ = lineEdit(walkIn ? "Text18" : "Text19", window);
    tenderedBox_ = lineEdit(walkIn ? "Text19" : "Text20", window);
    changeBox_ = lineEdit(walkIn ? "Text20" : "Text21", window);
    extraList_ = promptList(QStringLiteral("Combo5"), QString::fromLatin1(kExtraCharge), kExtraCharges, window);
    extraAmountBox_ = lineEdit(walkIn ? "Text21" : "Text22", window);
    addExtraButton_ = button("Command3", walkIn ? "Enter" : "Add Now", window);
    printBox_ = new QCheckBox(QStringLiteral("Print folio upon check in"), window);
    printBox_->setObjectName(QStringLiteral("Check1"));
}

void CheckInSection::createLayout() {
    const bool walkIn = kind_ == Kind::WalkIn;
    money_ = new QFormLayout;
    if (roomLabel_) money_->addRow(QStringLiteral("Room#"), roomLabel_);
    money_->addRow(QStringLiteral("Room"), roomList_);
    money_->addRow(QStringLiteral("Rate"), rateBox_);
    money_->addRow(QStringLiteral("Tax"), taxLabel_);
    if (nightTotalLabel_) money_->addRow(QStringLiteral("Total"), nightTotalLabel_);
    else money_->addRow(QStringLiteral("Total"), nightTotalBox_);
    money_->addRow(QStringLiteral("Total Stay"), totalStayBox_);
    money_->addRow(walkIn ? QStringLiteral("Payment") : QStringLiteral("Pay Code"), paymentList_);
    money_->addRow(QStringLiteral("Account"), accountList_);
    money_->addRow(walkIn ? QStringLiteral("Total") : QStringLiteral("Total Stay"), cashTotalBox_);
    money_->addRow(QStringLiteral("Amount Tendered"), tenderedBox_);
    money_->addRow(QStringLiteral("Change"), changeBox_);
    moneyColumn_ = new QVBoxLayout;
    moneyColumn_->addLayout(money_);
    moneyColumn_->addStretch();

    auto* extra = new QGroupBox(QStringLiteral("Extra Charge"), this);
    auto* extraLayout = new QFormLayout(extra);
    extraLayout->addRow(extraList_);
    extraLayout->addRow(QStringLiteral("Amount"), extraAmountBox_);
    extraLayout->addRow(addExtraButton_);
    extrasColumn_ = new QVBoxLayout;
    extrasColumn_->addWidget(extra);
    extrasColumn_->addWidget(printBox_);

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->addLayout(moneyColumn_, 3);
    columns->addLayout(extrasColumn_, 2);
}

void CheckInSection::connectControls() {
    // Every change of what the stay comes to is followed at once.
    for (QLineEdit* box : {rateBox_, extraAmountBox_})
        connect(box, &QLineEdit::textEdited, this, [this] { runHandler(desk_, [this] { showFigures(); }); });
    connect(totalStayBox_, &QLineEdit::textEdited, this, &CheckInSection::followTotalStay);
    for (QLineEdit* box : {cashTotalBox_, tenderedBox_}) connect(box, &QLineEdit::textEdited, this, &CheckInSection::showChange);
    connect(roomList_, &QComboBox::activated, this, &CheckInSection::roomChosen);
    connect(paymentList_, &QComboBox::activated, this, &CheckInSection::paymentChosen);
    connect(extraList_, &QComboBox::activated, this, [this] {
        runHandler(desk_, [this] { showFigures(); });
        extraAmountBox_->setFocus();
    });
    connect(addExtraButton_, &QPushButton::clicked, this, &CheckInSection::addExtra);
    connect(printBox_, &QCheckBox::clicked, this, &CheckInSection::printChoiceClicked);
    // Enter beside the extra charge adds it; the check-in is never pressed by Enter.
    enterClicks(addExtraButton_, {extraAmountBox_});
}

void CheckInSection::load(const std::vector<std::string>& rooms) {
    const bool walkIn = kind_ == Kind::WalkIn;
    for (const std::string& name : accountNames(desk_.dataDir)) accountList_->addItem(qs(name));
    showPrompt(accountList_, QString::fromLatin1(kSelectAccount));
    printBox_->setChecked(printFolioChosen(desk_.dataDir));
    for (const std::string& entry : rooms) roomList_->addItem(qs(entry));
    showPrompt(roomList_, QString::fromLatin1(walkIn ? kSelectRoom : kReservationRoomPrompt));
    if (walkIn) {
        roomList_->setEnabled(false);
        paymentList_->setEnabled(false);
        accountList_->setEnabled(false);
    }
    for (QLineEdit* box : {cashTotalBox_, tenderedBox_, changeBox_}) box->setEnabled(false);
}

void CheckInSection::showRoom(const std::string& roomNo) {
    roomNo_ = roomNo;
    if (roomLabel_) roomLabel_->setText(qs(roomNo));
}

void CheckInSection::showRate(float rate) {
    rateBox_->setText(qs(plainNumber(rate)));
    showFigures();
}

double CheckInSection::days() const { return days_ ? days_() : 0; }

void CheckInSection::openLists() {
    roomList_->setEnabled(true);
    paymentList_->setEnabled(true);
}

void CheckInSection::setNightTotal(const QString& text) {
    if (nightTotalLabel_) nightTotalLabel_->setText(text);
    else nightTotalBox_->setText(text);
}

void CheckInSection::showFigures() {
    const TypedAmount rate = readAmount(text(rateBox_), kRateBox);
    if (!rate.value) {
        taxLabel_->clear();
        setNightTotal({});
        totalStayBox_->clear();
    } else {
        const OneNight night = oneNight(*rate.value, readTaxRate(desk_.dataDir));
        taxLabel_->setText(qs(moneyText(night.tax)));
        setNightTotal(qs(moneyText(night.total)));
        const double extra = extraChargeAmount(extraCharge(), extraAmount());
        totalStayBox_->setText(qs(moneyText(innvera::totalStay(days(), night.total, extra))));
    }
    followTotalStay();
}

void CheckInSection::daysChanged() {
    runHandler(desk_, [this] { showFigures(); });
}

bool CheckInSection::cashChosen() const { return paymentList_->currentText().startsWith(QLatin1Char('C')); }

void CheckInSection::followTotalStay() {
    if (cashChosen()) cashTotalBox_->setText(totalStayBox_->text());
    showChange();
}

void CheckInSection::showChange() {
    const TypedAmount tendered = readAmount(text(tenderedBox_), kTenderedBox);
    const TypedAmount cash = readAmount(text(cashTotalBox_), kCashTotalBox);
    changeBox_->setText(tendered.value && cash.value ? qs(moneyText(changeDue(*tendered.value, *cash.value))) : QString());
}

void CheckInSection::roomChosen() {
    if (kind_ == Kind::Reservation) {
        // Only a room of the list can become the stay's room; typed text is put back to the prompt.
        const QString entry = roomList_->currentText();
        if (roomList_->findText(entry) < 0) {
            showPrompt(roomList_, QString::fromLatin1(kReservationRoomPrompt));
            return;
        }
        showRoom(firstChars(entry.toStdString(), 3));
        return;
    }
    runHandler(desk_, [&] {
        const std::string entry = roomList_->currentText().toStdString();
        if (overbooks(desk_.dataDir, firstChars(entry, 3), departure_)) {
            desk_.dialogs.inform("ATTENTION!", kOverbooking);
            return;
        }
        const std::optional<float> rate = roomRate(desk_.dataDir, entry);
        if (!rate) return;  // a typed entry naming no room: the figures stay as they were
        showRate(*rate);
    });
}

void CheckInSection::paymentChosen() {
    const QString entry = paymentList_->currentText();
    if (entry.startsWith(QLatin1Char('C'))) {
        for (QLineEdit* box : {cashTotalBox_, tenderedBox_, changeBox_}) box->setEnabled(true);
        followTotalStay();
    } else if (entry.startsWith(QLatin1Char('R'))) {
        accountList_->setEnabled(true);
    }
}

// "Enter" ("Add Now") beside the extra charge: the charge chosen, with an amount, is part of
// "Total Stay" once, however often it is pressed, as it is posted once.
void CheckInSection::addExtra() {
    runHandler(desk_, [this] {
        const CheckInMoneyBoxes& boxes = kind_ == Kind::WalkIn ? kWalkInMoneyBoxes : kReservationMoneyBoxes;
        if (const auto refusal = checkExtraCharge(extraCharge(), extraAmount(), boxes)) {
            showRefusal(desk_, window(), *refusal);
            return;
        }
        showFigures();
    });
}

void CheckInSection::printChoiceClicked() {
    runHandler(desk_, [&] { choosePrintFolio(desk_.dataDir, printBox_->isChecked()); });
}

std::string CheckInSection::roomEntry() const { return roomList_->currentText().toStdString(); }
std::string CheckInSection::rate() const { return text(rateBox_); }
std::string CheckInSection::totalStay() const { return text(totalStayBox_); }
std::string CheckInSection::payCode() const { return paymentList_->currentText().toStdString(); }
std::string CheckInSection::cashTotal() const { return text(cashTotalBox_); }
std::string CheckInSection::tendered() const { return text(tenderedBox_); }
std::string CheckInSection::extraCharge() const { return extraList_->currentText().toStdString(); }
std::string CheckInSection::extraAmount() const { return text(extraAmountBox_); }
std::string CheckInSection::account() const { return accountList_->currentText().toStdString(); }

bool CheckInSection::checkIn(const std::function<std::variant<Refusal, CheckInOrder>()>& read) {
    bool done = false;
    runHandler(desk_, [&] {
        const auto reading = read();
        if (const auto* refusal = std::get_if<Refusal>(&reading)) {
            showRefusal(desk_, window(), *refusal);
            return;
        }
        const CheckInOrder& order = std::get<CheckInOrder>(reading);
        const std::string arrivalTime = desk_.clock.now().text();
        const CheckedIn stay = innvera::checkIn(desk_.dataDir, order, desk_.session.hotelDate, arrivalTime);
        desk_.dataDir.commit();  // the guest stays checked in whatever the printer does
        done = true;             // the guest is in: the window closes even if the printer fails
        if (stay.folioCounterRepaired) desk_.dialogs.inform("ATTENTION!", kCounterRepaired);
        if (printBox_->isChecked()) {
            const std::string chosen = account();
            desk_.printer.print(printedCheckInFolio(desk_.dataDir, motelOnRecord(desk_).printed, order, stay,
                                                    arrivalTime,
                                                    chosen == kSelectAccount ? std::nullopt
                                                                             : std::optional<std::string>(chosen)));
        }
    });
    return done;
}

}  // namespace innvera
