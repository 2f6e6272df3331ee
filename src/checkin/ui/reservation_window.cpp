#include "checkin/ui/reservation_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "checkin/ui/check_in_controls.h"
#include "core/accounts.h"
#include "core/counters.h"
#include "core/formats.h"
#include "core/counters.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "core/ui/guest_details_panel.h"
#include "core/ui/main_window.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }
double number(const QLineEdit* box) { return leadingNumber(text(box)); }

const QStringList kExtraCharges{"P - Pet Fee", "S - Copies", "Q - Stamps", "N - Roll Away", "W - Wi Fi", "O - Other"};

QStringList payCodes() {
    QStringList entries;
    for (const char* entry : kPayCodeEntries) entries << QString::fromLatin1(entry);
    return entries;
}

}  // namespace

ReservationWindow::ReservationWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Reservation"));
    createControls();
    createLayout();
    connectControls();
    load();
}

ReservationWindow* ReservationWindow::showChosen(Desk& desk) {
    if (ReservationWindow* open = desk.windows.find<ReservationWindow>()) open->close();
    return desk.windows.open<ReservationWindow>();
}

void ReservationWindow::createControls() {
    title_ = captionLabel("Label29", QStringLiteral("Reservation"), this);
    QFont big = title_->font();
    big.setPointSize(16);
    big.setBold(true);
    title_->setFont(big);
    guest_ = new GuestDetailsPanel({GuestDetailsPanel::Name, GuestDetailsPanel::Address, GuestDetailsPanel::City,
                                    GuestDetailsPanel::State, GuestDetailsPanel::Zip, GuestDetailsPanel::Phone,
                                    GuestDetailsPanel::Company, GuestDetailsPanel::Comment},
                                   true, desk_.clock.today().year(), this);
    arrivalBox_ = lineEdit("Text13", this);
    departBox_ = lineEdit("Text14", this);
    daysBox_ = lineEdit("Text15", this);
    roomLabel_ = valueLabel("Label17", this);
    roomList_ = promptList(QStringLiteral("Combo3"), QString::fromLatin1(kReservationRoomPrompt), {}, this);
    rateBox_ = lineEdit("Text16", this);
    taxLabel_ = valueLabel("Label20", this);
    nightTotalBox_ = lineEdit("Text17", this);
    totalStayBox_ = lineEdit("Text18", this);
    payCodeList_ = promptList(QStringLiteral("Combo4"), QString::fromLatin1(kSelectPaycode), payCodes(), this);
    accountList_ = promptList(QStringLiteral("Combo6"), QString::fromLatin1(kSelectAccount), {}, this);
    cashTotalBox_ = lineEdit("Text19", this);
    tenderedBox_ = lineEdit("Text20", this);
    changeBox_ = lineEdit("Text21", this);
    extraList_ = promptList(QStringLiteral("Combo5"), QString::fromLatin1(kExtraCharge), kExtraCharges, this);
    extraAmountBox_ = lineEdit("Text22", this);
    addNowButton_ = button("Command3", "Add Now", this);
    printBox_ = new QCheckBox(QStringLiteral("Print folio upon check in"), this);
    printBox_->setObjectName(QStringLiteral("Check1"));
    confirmationLabel_ = valueLabel("Label22", this);
    checkInButton_ = button("Command1", "Check In", this);
    saveButton_ = button("Command4", "Save and Exit", this);
    cancelButton_ = button("Command5", "Cancel", this);
    exitButton_ = button("Command2", "Exit", this);
}

void ReservationWindow::createLayout() {
    // Left: the guest and the dates, in the guest boxes' columns.
    guest_->addRow(QStringLiteral("Arrival Date"), arrivalBox_);
    guest_->addRow(QStringLiteral("Depart Date"), departBox_);
    guest_->addRow(QStringLiteral("Days"), daysBox_);
    auto* left = new QVBoxLayout;
    left->addWidget(guest_);
    left->addStretch();

    // Middle: the room, the night's figures and the payment.
    auto* money = new QFormLayout;
    money->addRow(QStringLiteral("Room#"), roomLabel_);
    money->addRow(QStringLiteral("Room"), roomList_);
    money->addRow(QStringLiteral("Rate"), rateBox_);
    money->addRow(QStringLiteral("Tax"), taxLabel_);
    money->addRow(QStringLiteral("Total"), nightTotalBox_);
    money->addRow(QStringLiteral("Total Stay"), totalStayBox_);
    money->addRow(QStringLiteral("Pay Code"), payCodeList_);
    money->addRow(QStringLiteral("Account"), accountList_);
    money->addRow(QStringLiteral("Total Stay"), cashTotalBox_);
    money->addRow(QStringLiteral("Amount Tendered"), tenderedBox_);
    money->addRow(QStringLiteral("Change"), changeBox_);
    auto* middle = new QVBoxLayout;
    middle->addLayout(money);
    middle->addStretch();

    // Right: the extra charge, the print choice and the confirmation number.
    auto* extra = new QGroupBox(QStringLiteral("Extra Charge"), this);
    auto* extraLayout = new QFormLayout(extra);
    extraLayout->addRow(extraList_);
    extraLayout->addRow(QStringLiteral("Amount"), extraAmountBox_);
    extraLayout->addRow(addNowButton_);
    auto* confirmation = new QFormLayout;
    confirmation->addRow(QStringLiteral("Confirmation#"), confirmationLabel_);
    auto* right = new QVBoxLayout;
    right->addWidget(extra);
    right->addWidget(printBox_);
    right->addLayout(confirmation);
    right->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addLayout(middle, 3);
    columns->addLayout(right, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {checkInButton_, saveButton_, cancelButton_, exitButton_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

void ReservationWindow::connectControls() {
    connect(roomList_, &QComboBox::activated, this, &ReservationWindow::roomChosen);
    connect(rateBox_, &QLineEdit::textEdited, this, &ReservationWindow::rateTyped);
    connect(payCodeList_, &QComboBox::activated, this, &ReservationWindow::payCodeChosen);
    connect(extraList_, &QComboBox::activated, this, [this] { extraAmountBox_->setFocus(); });
    connect(addNowButton_, &QPushButton::clicked, this, &ReservationWindow::addNow);
    connect(tenderedBox_, &QLineEdit::textEdited, this, &ReservationWindow::tenderedTyped);
    connect(printBox_, &QCheckBox::clicked, this, &ReservationWindow::printChoiceClicked);
    connect(checkInButton_, &QPushButton::clicked, this, &ReservationWindow::checkIn);
    connect(saveButton_, &QPushButton::clicked, this, &ReservationWindow::saveAndExit);
    connect(cancelButton_, &QPushButton::clicked, this, &ReservationWindow::cancelReservation);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    opensCalendar(arrivalBox_, [this] {
        openCalendar("Form17", "Arrival Date", desk_.session.hotelDate, &ReservationWindow::takeArrivalDate);
    });
    opensCalendar(departBox_, [this] {
        openCalendar("Form18", "Depart Date", desk_.session.hotelDate.plusDays(1), &ReservationWindow::takeDepartureDate);
    });
    // A complete date typed counts as one picked; a date half typed changes nothing.
    for (QLineEdit* box : {arrivalBox_, departBox_})
        connect(box, &QLineEdit::textEdited, this, [this, box] {
            if (stayDate(text(box))) showDays();
        });
    exitOnEscape(this, exitButton_);
    // Enter beside the extra charge adds it; "Check In", "Save and Exit" and "Cancel" are never
    // pressed by Enter.
    enterClicks(addNowButton_, {extraAmountBox_});
}

void ReservationWindow::load() {
    for (QLineEdit* box : {cashTotalBox_, tenderedBox_, changeBox_}) box->setEnabled(false);
    runHandler(desk_, [&] {
        for (const std::string& name : accountNames(desk_.dataDir)) accountList_->addItem(qs(name));
        showPrompt(accountList_, QString::fromLatin1(kSelectAccount));
        printBox_->setChecked(printFolioChosen(desk_.dataDir));
        taxRate_ = readTaxRate(desk_.dataDir);
        for (const std::string& entry : reservationScreenRooms(desk_.dataDir)) roomList_->addItem(qs(entry));
        showPrompt(roomList_, QString::fromLatin1(kReservationRoomPrompt));
        if (const auto reservation = reservationToShow(desk_.dataDir, desk_.session.selectedRoom,
                                                       desk_.session.selectedConfirmation, desk_.session.hotelDate))
            showReservation(*reservation);
    });
    desk_.session.selectedRoom.clear();
    desk_.session.selectedConfirmation.clear();

    // The tab order runs down the left column, "Name" to "Depart Date".
    QWidget* order[] = {guest_->box(GuestDetailsPanel::Name),    guest_->box(GuestDetailsPanel::Address),
                        guest_->box(GuestDetailsPanel::City),    guest_->box(GuestDetailsPanel::State),
                        guest_->box(GuestDetailsPanel::Zip),     guest_->box(GuestDetailsPanel::Phone),
                        guest_->box(GuestDetailsPanel::Cell),    guest_->box(GuestDetailsPanel::Company),
                        guest_->box(GuestDetailsPanel::Comment), guest_->box(GuestDetailsPanel::CardNo),
                        guest_->expiryMonth(),                   guest_->expiryYear(),
                        guest_->box(GuestDetailsPanel::Adults),  guest_->box(GuestDetailsPanel::Children),
                        arrivalBox_,                             departBox_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

void ReservationWindow::showReservation(const ShownReservation& r) {
    confirmNo_ = r.confirmNo;
    roomNo_ = r.roomNo;
    guest_->showForm(r.guest);
    arrivalBox_->setText(qs(r.arrivalDate.text()));
    departBox_->setText(qs(r.departDate.text()));
    daysBox_->setText(QString::number(r.departDate.daysSince(r.arrivalDate)));
    confirmationLabel_->setText(qs(confirmNo_));
    roomLabel_->setText(qs(roomNo_));
    if (const std::optional<float> rate = inServiceRoomRate(desk_.dataDir, roomNo_)) {
        rateBox_->setText(qs(plainNumber(*rate)));
        showFigures();
    }
}

void ReservationWindow::showFigures() {
    const OneNight night = oneNight(number(rateBox_), taxRate_);
    taxLabel_->setText(qs(plainNumber(night.tax)));
    nightTotalBox_->setText(qs(plainNumber(night.total)));
    totalStayBox_->setText(qs(plainNumber(totalStay(number(daysBox_), night.total))));
}

void ReservationWindow::showDays() {
    const auto arrival = Date::parse(text(arrivalBox_));
    const auto departure = Date::parse(text(departBox_));
    if (!arrival || !departure) return;
    const double daysBefore = number(daysBox_);
    daysBox_->setText(QString::number(departure->daysSince(*arrival)));
    if (rateBox_->text().isEmpty()) return;
    const double shownTotal = number(totalStayBox_);
    showFigures();
    totalStayBox_->setText(
        qs(plainNumber(totalStayForDays(shownTotal, daysBefore, number(daysBox_), number(nightTotalBox_)))));
    if (payCodeList_->currentText().startsWith(QLatin1Char('C'))) cashTotalBox_->setText(totalStayBox_->text());
}

void ReservationWindow::roomChosen() {
    // Only a room of the list can become the stay's room; typed text is put back to the prompt.
    const QString entry = roomList_->currentText();
    if (roomList_->findText(entry) < 0) {
        showPrompt(roomList_, QString::fromLatin1(kReservationRoomPrompt));
        return;
    }
    roomNo_ = firstChars(entry.toStdString(), 3);
    roomLabel_->setText(qs(roomNo_));
}

void ReservationWindow::rateTyped() { showFigures(); }

void ReservationWindow::payCodeChosen() {
    if (!payCodeList_->currentText().startsWith(QLatin1Char('C'))) return;
    cashTotalBox_->setText(totalStayBox_->text());
    for (QLineEdit* box : {cashTotalBox_, tenderedBox_, changeBox_}) box->setEnabled(true);
}

void ReservationWindow::addNow() {
    totalStayBox_->setText(qs(plainNumber(number(totalStayBox_) + number(extraAmountBox_))));
    if (payCodeList_->currentText().startsWith(QLatin1Char('C'))) cashTotalBox_->setText(totalStayBox_->text());
}

void ReservationWindow::tenderedTyped() {
    changeBox_->setText(qs(plainNumber(changeDue(number(tenderedBox_), number(cashTotalBox_)))));
}

void ReservationWindow::printChoiceClicked() {
    runHandler(desk_, [&] {
        choosePrintFolio(desk_.dataDir, printBox_->isChecked());
    });
}

void ReservationWindow::openCalendar(const char* name, const char* title, Date start,
                                     void (ReservationWindow::*take)(Date)) {
    DateCalendar::open(desk_, this, {name, title, start, 10000}, [this, take](Date picked) { (this->*take)(picked); });
}

void ReservationWindow::takeArrivalDate(Date picked) {
    arrivalBox_->setText(qs(picked.text()));
    showDays();
}

void ReservationWindow::takeDepartureDate(Date picked) {
    departBox_->setText(qs(picked.text()));
    showDays();
}

ReservationScreenForm ReservationWindow::form() const {
    ReservationScreenForm f;
    f.guest = guest_->form();
    f.arrivalDate = text(arrivalBox_);
    f.departDate = text(departBox_);
    f.roomNo = roomNo_;
    f.confirmNo = confirmNo_;
    f.rate = text(rateBox_);
    f.totalStay = text(totalStayBox_);
    f.payCode = payCodeList_->currentText().toStdString();
    f.cashTotal = text(cashTotalBox_);
    f.extraCharge = extraList_->currentText().toStdString();
    f.extraAmount = text(extraAmountBox_);
    f.account = accountList_->currentText().toStdString();
    return f;
}

QWidget* ReservationWindow::control(CheckInField field) const {
    const CheckInControls controls{.guest = guest_,
                                   .arrivalDate = arrivalBox_,
                                   .departDate = departBox_,
                                   .roomList = roomList_,
                                   .rate = rateBox_,
                                   .totalStay = totalStayBox_,
                                   .payTypeList = payCodeList_,
                                   .accountList = accountList_,
                                   .cashTotal = cashTotalBox_,
                                   .extraAmount = extraAmountBox_};
    return controls[field];
}

void ReservationWindow::refreshArrivals() { refreshMainWindow(desk_); }

void ReservationWindow::checkIn() {
    bool done = false;
    runHandler(desk_, [&] {
        const ReservationScreenForm f = form();
        const auto reading = readReservationCheckIn(desk_.dataDir, f);
        if (const auto* refusal = std::get_if<Refusal>(&reading)) {
            desk_.dialogs.inform("ATTENTION!", refusal->message);
            if (QWidget* focus = control(refusal->focus)) focus->setFocus();
            return;
        }
        const CheckInOrder& order = std::get<CheckInOrder>(reading);
        const std::string arrivalTime = desk_.clock.now().text();
        const CheckedIn stay = innvera::checkIn(desk_.dataDir, order, desk_.session.hotelDate, arrivalTime);
        desk_.dataDir.commit();
        done = true;  // the guest is in: the window closes even if the printer fails
        if (stay.folioCounterRepaired) desk_.dialogs.inform("ATTENTION!", kCounterRepaired);
        if (printBox_->isChecked()) {
            const std::optional<std::string> chosen =
                f.account == kSelectAccount ? std::nullopt : std::optional<std::string>(f.account);
            desk_.printer.print(printedCheckInFolio(desk_.dataDir, order, stay, arrivalTime, chosen));
        }
    });
    if (!done) return;
    refreshArrivals();
    close();
}

void ReservationWindow::saveAndExit() {
    bool saved = false;
    runHandler(desk_, [&] {
        if (const auto refusal = saveReservationChanges(desk_.dataDir, form())) {
            desk_.dialogs.inform("ATTENTION!", refusal->message);
            if (QWidget* focus = control(refusal->focus)) focus->setFocus();
            return;
        }
        saved = true;
    });
    if (!saved) return;
    refreshArrivals();
    close();
}

void ReservationWindow::cancelReservation() {
    bool open = false;
    if (!runHandler(desk_, [&] { open = reservationIsOpen(desk_.dataDir, confirmNo_); })) return;
    if (!open) {
        desk_.dialogs.inform("ATTENTION!", kNoReservationShown);
        return;
    }
    if (!desk_.dialogs.ask(kCancelReservationTitle, kCancelReservationQuestion)) return;
    bool cancelled = false;
    runHandler(desk_, [&] { cancelled = closeReservation(desk_.dataDir, confirmNo_); });
    if (!cancelled) return;
    desk_.dialogs.inform("ATTENTION!", kReservationCancelled);
    refreshArrivals();
    close();
}

void ReservationWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    for (QWidget* calendar : findChildren<DateCalendar*>(Qt::FindDirectChildrenOnly)) calendar->close();
}

}  // namespace innvera
