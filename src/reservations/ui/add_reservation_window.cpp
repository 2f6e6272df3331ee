#include "reservations/ui/add_reservation_window.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/accounts.h"
#include "core/counters.h"
#include "core/formats.h"
#include "core/counters.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "core/ui/guest_details_panel.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"
#include "core/rooms.h"
#include "core/stays.h"

namespace innvera {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }
double number(const QLineEdit* box) { return leadingNumber(text(box)); }

}  // namespace

AddReservationWindow::AddReservationWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Add Reservation"));
    createControls();
    createLayout();
    connectControls();
    load();
}

void AddReservationWindow::createControls() {
    guest_ = new GuestDetailsPanel({GuestDetailsPanel::Name, GuestDetailsPanel::Address, GuestDetailsPanel::City,
                                    GuestDetailsPanel::State, GuestDetailsPanel::Company, GuestDetailsPanel::Comment},
                                   true, desk_.clock.today().year(), this);
    const GuestDetailsPanel::StayDates dates = guest_->addStayDates(this);
    arrivalBox_ = dates.arrival;
    departBox_ = dates.depart;
    daysBox_ = dates.days;
    roomList_ = promptList(QStringLiteral("Combo3"), QString::fromLatin1(kReserveRoomPrompt), {}, this);
    rateBox_ = lineEdit("Text16", this);
    taxLabel_ = valueLabel("Label18", this);
    nightTotalBox_ = lineEdit("Text17", this);
    totalStayBox_ = lineEdit("Text18", this);
    confirmationLabel_ = valueLabel("Label22", this);
    QStringList payCodes;
    for (const char* entry : kPayCodeEntries) payCodes << QString::fromLatin1(entry);
    payCodeList_ = promptList(QStringLiteral("Combo4"), QString::fromLatin1(kSelectPaycode), payCodes, this);
    accountList_ = promptList(QStringLiteral("Combo5"), QString::fromLatin1(kSelectAccount), {}, this);
    reserveButton_ = button("Command2", "Reserve Now", this);
    exitButton_ = button("Command1", "Exit", this);
}

void AddReservationWindow::createLayout() {
    auto* left = new QVBoxLayout;
    left->addWidget(guest_);
    left->addStretch();

    auto* stay = new QFormLayout;
    stay->addRow(QStringLiteral("Confirmation#"), confirmationLabel_);
    stay->addRow(QStringLiteral("Room"), roomList_);
    stay->addRow(QStringLiteral("Rate"), rateBox_);
    stay->addRow(QStringLiteral("Tax"), taxLabel_);
    stay->addRow(QStringLiteral("Total"), nightTotalBox_);
    stay->addRow(QStringLiteral("Total Stay"), totalStayBox_);
    stay->addRow(QStringLiteral("Pay Code"), payCodeList_);
    stay->addRow(QStringLiteral("Account"), accountList_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(reserveButton_);
    buttons->addWidget(exitButton_);
    auto* right = new QVBoxLayout;
    right->addLayout(stay);
    right->addStretch();
    right->addLayout(buttons);

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 3);
    columns->addLayout(right, 2);
}

void AddReservationWindow::connectControls() {
    connect(roomList_, &QComboBox::activated, this, &AddReservationWindow::roomChosen);
    connect(rateBox_, &QLineEdit::textEdited, this, &AddReservationWindow::showFigures);
    connect(reserveButton_, &QPushButton::clicked, this, &AddReservationWindow::reserveNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    opensCalendar(arrivalBox_, [this] { openArrivalCalendar(); });
    opensCalendar(departBox_, [this] { openDepartureCalendar(); });
    connect(arrivalBox_, &QLineEdit::textEdited, this, &AddReservationWindow::arrivalTyped);
    connect(departBox_, &QLineEdit::textEdited, this, &AddReservationWindow::departureTyped);
    exitOnEscape(this, exitButton_);
    using P = GuestDetailsPanel;
    enterClicks(reserveButton_,
                {guest_->box(P::Name), guest_->box(P::Address), guest_->box(P::City), guest_->box(P::State),
                 guest_->box(P::Zip), guest_->box(P::Phone), guest_->box(P::Cell), guest_->box(P::Company),
                 guest_->box(P::Comment), guest_->box(P::CardNo), guest_->box(P::Adults), guest_->box(P::Children),
                 arrivalBox_, departBox_, daysBox_, rateBox_, nightTotalBox_, totalStayBox_});
}

void AddReservationWindow::load() {
    for (QWidget* control : std::initializer_list<QWidget*>{roomList_, rateBox_, nightTotalBox_, totalStayBox_})
        control->setEnabled(false);
    runHandler(desk_, [&] {
        for (const std::string& name : accountNames(desk_.dataDir)) accountList_->addItem(qs(name));
        showPrompt(accountList_, QString::fromLatin1(kSelectAccount));
        bool repaired = false;
        confirmationNo_ = takeConfirmationNumber(desk_.dataDir, &repaired);
        if (repaired) desk_.dialogs.inform("ATTENTION!", kCounterRepaired);
        confirmationLabel_->setText(qs(plainNumber(*confirmationNo_)));
        taxRate_ = readTaxRate(desk_.dataDir);
        for (const std::string& entry : roomsToReserve(desk_.dataDir)) roomList_->addItem(qs(entry));
        showPrompt(roomList_, QString::fromLatin1(kReserveRoomPrompt));
    });
    guest_->box(GuestDetailsPanel::Name)->setFocus();
}

void AddReservationWindow::openArrivalCalendar() {
    DateCalendar::open(desk_, this, {"ArrivalCalendar", "Arrival Date", desk_.session.hotelDate, 10000, arrivalBox_},
                       [this](Date picked) { takeArrivalDate(picked); });
}

void AddReservationWindow::enableRoomAndRate() {
    for (QWidget* control : std::initializer_list<QWidget*>{roomList_, rateBox_, nightTotalBox_, totalStayBox_})
        control->setEnabled(true);
}

void AddReservationWindow::openDepartureCalendar() {
    enableRoomAndRate();
    DateCalendar::open(desk_, this, {"DepartCalendar", "Depart Date", desk_.session.hotelDate.plusDays(1), 10000, departBox_},
                       [this](Date picked) { takeDepartureDate(picked); });
}

void AddReservationWindow::bookNight(const std::string& roomNo, Date arrival) {
    takeArrivalDate(arrival);
    enableRoomAndRate();
    takeDepartureDate(arrival.plusDays(1));
    for (int i = 0; i < roomList_->count(); ++i) {
        if (roomOfEntry(roomList_->itemText(i).toStdString()) != roomNo) continue;
        roomList_->setCurrentIndex(i);
        roomChosen();
        return;
    }
    showPrompt(roomList_, QString::fromLatin1(kReserveRoomPrompt));
}

void AddReservationWindow::takeArrivalDate(Date picked) {
    arrivalBox_->setText(qs(picked.text()));
    arrivalKnown(picked);
}

void AddReservationWindow::takeDepartureDate(Date picked) {
    departBox_->setText(qs(picked.text()));
    departureKnown(picked);
}

// A complete date typed counts as one picked on the calendar; a date half typed changes nothing.
void AddReservationWindow::arrivalTyped() {
    if (const auto typed = stayDate(text(arrivalBox_))) arrivalKnown(*typed);
}

void AddReservationWindow::departureTyped() {
    if (const auto typed = stayDate(text(departBox_))) {
        enableRoomAndRate();
        departureKnown(*typed);
    }
}

void AddReservationWindow::arrivalKnown(Date) {
    // A departure picked first: the days follow the arrival now known.
    if (const auto departure = Date::parse(text(departBox_))) departureKnown(*departure);
}

void AddReservationWindow::departureKnown(Date picked) {
    const auto arrival = Date::parse(text(arrivalBox_));
    daysBox_->setText(arrival ? QString::number(picked.daysSince(*arrival)) : QString());
    if (!rateBox_->text().isEmpty()) showFigures();
}

// The night's tax and total and "Total Stay", to the cent; none for a rate that is not an amount.
void AddReservationWindow::showFigures() {
    const TypedAmount rate = readAmount(text(rateBox_), kRateBox);
    if (!rate.value) {
        taxLabel_->clear();
        nightTotalBox_->clear();
        totalStayBox_->clear();
        return;
    }
    const OneNight night = oneNight(*rate.value, taxRate_);
    taxLabel_->setText(qs(moneyText(night.tax)));
    nightTotalBox_->setText(qs(moneyText(night.total)));
    totalStayBox_->setText(qs(moneyText(totalStay(number(daysBox_), night.total))));
}

void AddReservationWindow::roomChosen() {
    runHandler(desk_, [&] {
        const std::string entry = roomList_->currentText().toStdString();
        // The room booked over the stay already: a warning only, the room stays chosen.
        if (roomAlreadyReserved(desk_.dataDir, firstChars(entry, 3), Date::parse(text(arrivalBox_)),
                                Date::parse(text(departBox_))))
            desk_.dialogs.inform("ATTENTION!", kOverbooking);
        const auto room = findRoomByEntry(desk_.dataDir, entry);
        if (!room) return;  // typed text naming no room: "Reserve Now" refuses it
        taxRate_ = readTaxRate(desk_.dataDir);
        rateBox_->setText(qs(plainNumber(room->record.rate)));
        showFigures();
    });
}

AddReservationForm AddReservationWindow::form() const {
    AddReservationForm f;
    f.guest = guest_->form();
    f.arrivalDate = text(arrivalBox_);
    f.departDate = text(departBox_);
    f.roomEntry = roomList_->currentText().toStdString();
    f.rate = text(rateBox_);
    f.payCode = payCodeList_->currentText().toStdString();
    f.account = accountList_->currentText().toStdString();
    f.confirmNo = confirmationNo_ ? plainNumber(*confirmationNo_) : std::string();
    return f;
}

void AddReservationWindow::reserveNow() {
    bool saved = false;
    runHandler(desk_, [&] {
        const auto reading = readReservation(desk_.dataDir, form());
        if (const auto* refusal = std::get_if<Refusal>(&reading)) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        const Reservation& reservation = std::get<Reservation>(reading);
        // A room already taken or booked on these nights: the clerk decides, nothing written yet.
        const std::vector<std::string> conflicts = bookingConflicts(
            desk_.dataDir, reservation.roomNo.str(), reservation.arrivalDate, reservation.departDate);
        if (!conflicts.empty() &&
            !desk_.dialogs.ask(kOverbookingTitle, bookingConflictQuestion(conflicts, "Take this reservation anyway?")))
            return;
        appendReservation(desk_.dataDir, reservation);
        saved = true;
    });
    if (!saved) return;
    close();
}

void AddReservationWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    for (QWidget* calendar : findChildren<DateCalendar*>(Qt::FindDirectChildrenOnly)) calendar->close();
    // Left without a name, the window gives its confirmation number back.
    if (confirmationNo_ && guest_->box(GuestDetailsPanel::Name)->text().isEmpty()) {
        const float number = *confirmationNo_;
        confirmationNo_.reset();
        runHandler(desk_, [&] { giveBackConfirmationNumber(desk_.dataDir, number); });
    }
}

}  // namespace innvera
