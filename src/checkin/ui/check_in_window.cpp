#include "checkin/ui/check_in_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "checkin/ui/check_in_section.h"
#include "core/formats.h"
#include "core/stay_rules.h"
#include "core/ui/date_calendar.h"
#include "core/ui/guest_details_panel.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

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
    const GuestDetailsPanel::StayDates dates = guest_->addStayDates(this);
    arrivalBox_ = dates.arrival;
    departBox_ = dates.depart;
    daysBox_ = dates.days;
    section_ = new CheckInSection(desk_, CheckInSection::Kind::WalkIn, [this] { return nights(); }, this);
    hotelDateLabel_ = new QLabel(this);
    hotelDateLabel_->setObjectName(QStringLiteral("Label26"));
    checkInButton_ = button("Command1", "Check In Now", this);
    exitButton_ = button("Command2", "Exit", this);
}

void CheckInWindow::createLayout() {
    // Left: the guest and the dates, in the guest boxes' columns.
    auto* left = new QVBoxLayout;
    left->addWidget(guest_);
    left->addStretch();

    // Middle: room, rate, totals and payment, with the buttons under them; right: the extra
    // charge, the print choice and the hotel date.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkInButton_);
    buttons->addWidget(exitButton_);
    section_->moneyColumn()->addLayout(buttons);
    section_->extrasColumn()->addWidget(hotelDateLabel_);
    section_->extrasColumn()->addStretch();

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 3);
    columns->addWidget(section_, 5);
}

void CheckInWindow::connectControls() {
    connect(guest_, &GuestDetailsPanel::nameEdited, section_, &CheckInSection::openLists);
    connect(checkInButton_, &QPushButton::clicked, this, &CheckInWindow::checkInNow);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    opensCalendar(departBox_, [this] { openDepartureCalendar(); });
    connect(departBox_, &QLineEdit::textEdited, this, &CheckInWindow::departureTyped);
    exitOnEscape(this, exitButton_);
    // The end of day closed the night while the window was open: the guest arrives on the new day.
    connect(&desk_.notices, &ChangeNotices::hotelDateChanged, this, [this] {
        const QString shown = hotelDateLabel_->text();
        hotelDateLabel_->setText(qs(desk_.session.hotelDate.text()));
        if (arrivalBox_->text() == shown) arrivalBox_->setText(hotelDateLabel_->text());
    });
}

void CheckInWindow::load() {
    const Date hotelDate = desk_.session.hotelDate;
    hotelDateLabel_->setText(qs(hotelDate.text()));
    runHandler(desk_, [&] { section_->load(offeredRooms(desk_.dataDir, hotelDate)); });
    arrivalBox_->setText(qs(hotelDate.text()));
    departBox_->setText(qs(hotelDate.plusDays(1).text()));
    daysBox_->setText(QStringLiteral("1"));
    // The overbooking check looks at this window's own departure, never one picked elsewhere.
    section_->setDeparture(hotelDate.plusDays(1));
}

void CheckInWindow::openDepartureCalendar() {
    DateCalendar::open(desk_, this, {"Form5", "Depart Date", desk_.session.hotelDate.plusDays(1), 10000, departBox_},
                       [this](Date picked) { takeDepartureDate(picked); });
}

double CheckInWindow::nights() const { return leadingNumber(text(daysBox_)); }

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
    daysBox_->setText(QString::number(picked.daysSince(desk_.session.hotelDate)));
    section_->daysChanged();
    section_->openLists();
    section_->setDeparture(picked);
}

CheckInForm CheckInWindow::form() const {
    CheckInForm f;
    f.guest = guest_->form();
    f.arrivalDate = text(arrivalBox_);
    f.departDate = text(departBox_);
    f.roomEntry = section_->roomEntry();
    f.rate = section_->rate();
    f.totalStay = section_->totalStay();
    f.payType = section_->payCode();
    f.cashTotal = section_->cashTotal();
    f.tendered = section_->tendered();
    f.extraCharge = section_->extraCharge();
    f.extraAmount = section_->extraAmount();
    f.account = section_->account();
    return f;
}

void CheckInWindow::checkInNow() {
    if (section_->checkIn([this] { return readCheckIn(desk_.dataDir, form(), desk_.session.hotelDate); })) close();
}

}  // namespace innvera
