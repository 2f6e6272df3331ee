#include "checkin/ui/reservation_check_in_window.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "checkin/ui/check_in_section.h"
#include "core/formats.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "core/ui/guest_details_panel.h"
#include "core/ui/refusal_box.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

}  // namespace

ReservationCheckInWindow::ReservationCheckInWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Reservation"));
    createControls();
    createLayout();
    connectControls();
    load();
}

ReservationCheckInWindow* ReservationCheckInWindow::showChosen(Desk& desk) {
    if (ReservationCheckInWindow* open = desk.windows.find<ReservationCheckInWindow>()) open->close();
    return desk.windows.open<ReservationCheckInWindow>();
}

void ReservationCheckInWindow::createControls() {
    title_ = captionLabel("Label29", QStringLiteral("Reservation"), this);
    QFont big = title_->font();
    big.setPointSize(16);
    big.setBold(true);
    title_->setFont(big);
    guest_ = new GuestDetailsPanel({GuestDetailsPanel::Name, GuestDetailsPanel::Address, GuestDetailsPanel::City,
                                    GuestDetailsPanel::State, GuestDetailsPanel::Zip, GuestDetailsPanel::Phone,
                                    GuestDetailsPanel::Company, GuestDetailsPanel::Comment},
                                   true, desk_.clock.today().year(), this);
    const GuestDetailsPanel::StayDates dates = guest_->addStayDates(this);
    arrivalBox_ = dates.arrival;
    departBox_ = dates.depart;
    daysBox_ = dates.days;
    section_ = new CheckInSection(desk_, CheckInSection::Kind::Reservation,
                                  [this] { return leadingNumber(text(daysBox_)); }, this);
    confirmationLabel_ = valueLabel("Label22", this);
    checkInButton_ = button("Command1", "Check In", this);
    saveButton_ = button("Command4", "Save and Exit", this);
    cancelButton_ = button("Command5", "Cancel", this);
    exitButton_ = button("Command2", "Exit", this);
}

void ReservationCheckInWindow::createLayout() {
    // Left: the guest and the dates, in the guest boxes' columns.
    auto* left = new QVBoxLayout;
    left->addWidget(guest_);
    left->addStretch();

    // Middle: the room, the night's figures and the payment; right: the extra charge, the
    // print choice and the confirmation number.
    auto* confirmation = new QFormLayout;
    confirmation->addRow(QStringLiteral("Confirmation#"), confirmationLabel_);
    section_->extrasColumn()->addLayout(confirmation);
    section_->extrasColumn()->addStretch();

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(section_, 5);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {checkInButton_, saveButton_, cancelButton_, exitButton_}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
}

void ReservationCheckInWindow::connectControls() {
    connect(checkInButton_, &QPushButton::clicked, this, &ReservationCheckInWindow::checkIn);
    connect(saveButton_, &QPushButton::clicked, this, &ReservationCheckInWindow::saveAndExit);
    connect(cancelButton_, &QPushButton::clicked, this, &ReservationCheckInWindow::cancelReservation);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    opensCalendar(arrivalBox_, [this] {
        openCalendar("Form17", "Arrival Date", desk_.session.hotelDate, arrivalBox_, &ReservationCheckInWindow::takeArrivalDate);
    });
    opensCalendar(departBox_, [this] {
        openCalendar("Form18", "Depart Date", desk_.session.hotelDate.plusDays(1), departBox_,
                     &ReservationCheckInWindow::takeDepartureDate);
    });
    // A complete date typed counts as one picked; a date half typed changes nothing.
    for (QLineEdit* box : {arrivalBox_, departBox_})
        connect(box, &QLineEdit::textEdited, this, [this, box] {
            if (stayDate(text(box))) showDays();
        });
    exitOnEscape(this, exitButton_);
}

void ReservationCheckInWindow::load() {
    section_->openLists();
    runHandler(desk_, [&] {
        section_->load(reservationScreenRooms(desk_.dataDir));
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

void ReservationCheckInWindow::showReservation(const ShownReservation& r) {
    confirmNo_ = r.confirmNo;
    guest_->showForm(r.guest);
    arrivalBox_->setText(qs(r.arrivalDate.text()));
    departBox_->setText(qs(r.departDate.text()));
    daysBox_->setText(QString::number(r.departDate.daysSince(r.arrivalDate)));
    confirmationLabel_->setText(qs(confirmNo_));
    section_->showRoom(r.roomNo);
    if (const std::optional<float> rate = inServiceRoomRate(desk_.dataDir, r.roomNo)) section_->showRate(*rate);
}

void ReservationCheckInWindow::showDays() {
    const auto arrival = Date::parse(text(arrivalBox_));
    const auto departure = Date::parse(text(departBox_));
    if (!arrival || !departure) return;
    daysBox_->setText(QString::number(departure->daysSince(*arrival)));
    section_->daysChanged();
}

void ReservationCheckInWindow::openCalendar(const char* name, const char* title, Date start, const QLineEdit* box,
                                            void (ReservationCheckInWindow::*take)(Date)) {
    DateCalendar::open(desk_, this, {name, title, start, 10000, box}, [this, take](Date picked) { (this->*take)(picked); });
}

void ReservationCheckInWindow::takeArrivalDate(Date picked) {
    arrivalBox_->setText(qs(picked.text()));
    showDays();
}

void ReservationCheckInWindow::takeDepartureDate(Date picked) {
    departBox_->setText(qs(picked.text()));
    showDays();
}

ReservationScreenForm ReservationCheckInWindow::form() const {
    ReservationScreenForm f;
    f.guest = guest_->form();
    f.arrivalDate = text(arrivalBox_);
    f.departDate = text(departBox_);
    f.roomNo = section_->roomNo();
    f.confirmNo = confirmNo_;
    f.rate = section_->rate();
    f.totalStay = section_->totalStay();
    f.payCode = section_->payCode();
    f.cashTotal = section_->cashTotal();
    f.tendered = section_->tendered();
    f.extraCharge = section_->extraCharge();
    f.extraAmount = section_->extraAmount();
    f.account = section_->account();
    return f;
}

// Other bookings of the room on the stay's nights, asked about before anything is written: true
// to go on.
bool ReservationCheckInWindow::goOnDespite(const char* goOn) {
    const auto arrival = Date::parse(text(arrivalBox_));
    const auto departure = Date::parse(text(departBox_));
    if (!arrival || !departure || section_->roomNo().empty()) return true;  // the checks refuse it
    const std::vector<std::string> conflicts =
        bookingConflicts(desk_.dataDir, section_->roomNo(), *arrival, *departure, confirmNo_);
    return conflicts.empty() || desk_.dialogs.ask(kOverbookingTitle, bookingConflictQuestion(conflicts, goOn));
}

void ReservationCheckInWindow::checkIn() {
    const bool done = section_->checkIn([this]() -> std::variant<Refusal, CheckInOrder> {
        auto reading = readReservationCheckIn(desk_.dataDir, form());
        if (std::holds_alternative<CheckInOrder>(reading) && !goOnDespite("Check this guest in anyway?"))
            return Refusal{};  // answered No: nothing written, nothing more to say
        return reading;
    });
    if (done) close();
}

void ReservationCheckInWindow::saveAndExit() {
    bool saved = false;
    runHandler(desk_, [&] {
        if (const auto refusal = checkReservationChanges(desk_.dataDir, form())) {
            showRefusal(desk_, this, *refusal);
            return;
        }
        if (!goOnDespite("Save this reservation anyway?")) return;
        saveReservationChanges(desk_.dataDir, form());
        saved = true;
    });
    if (saved) close();
}

void ReservationCheckInWindow::cancelReservation() {
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
    close();
}

void ReservationCheckInWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    for (QWidget* calendar : findChildren<DateCalendar*>(Qt::FindDirectChildrenOnly)) calendar->close();
}

}  // namespace innvera
