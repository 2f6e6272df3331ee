#include "reservations/ui/retrieve_reservation_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "checkin/ui/reservation_check_in_window.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"
#include "reservations/retrieve_reservation.h"

namespace innvera {

RetrieveReservationWindow::RetrieveReservationWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Retrieve Reservation"));
    createControls();
    createLayout();
    connectControls();
    desk_.session.selectedConfirmation.clear();
    fillReservations();
    // Reservations taken, checked in or cancelled while it is open come and go from it.
    connect(&desk_.notices, &ChangeNotices::filesChanged, this, [this](DataChanges changes) {
        if (changes.touches(DataChanges::Reservations)) fillReservations();
    });
}

void RetrieveReservationWindow::fillReservations() {
    reservations_->clear();
    runHandler(desk_, [this] {
        for (const std::string& entry : retrieveEntries(desk_.dataDir)) reservations_->addItem(qs(entry));
    });
}

void RetrieveReservationWindow::createControls() {
    reservations_ = listBox("List1", this);
    showInColumns(reservations_, 110);
    const QFontMetrics metrics(reservations_->font());

    // The headings stand over their columns: each as wide as its column (the room column as
    // for a three-character room number).
    headings_ = new QWidget(this);
    auto* row = new QHBoxLayout(headings_);
    row->setContentsMargins(reservations_->frameWidth() + 2, 0, 0, 0);
    row->setSpacing(0);
    const struct {
        const char* name;
        const char* caption;
        std::size_t width;
    } columns[] = {{"Label1", "Confirmation#", kConfirmationColumn},
                   {"Label2", "Name", kNameColumn},
                   {"Label3", "Room#", 18},
                   {"Label4", "Arrival Date", kArrivalColumn},
                   {"Label5", "Depart Date", kDepartColumn}};
    for (const auto& column : columns) {
        QLabel* heading = captionLabel(QString::fromLatin1(column.name), QString::fromLatin1(column.caption), headings_);
        heading->setFont(reservations_->font());
        heading->setFixedWidth(metrics.horizontalAdvance(QString(static_cast<int>(column.width), QLatin1Char('M'))));
        row->addWidget(heading);
    }
    row->addStretch();
    exitButton_ = button("Command1", "Exit", this);
}

void RetrieveReservationWindow::createLayout() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(headings_);
    layout->addWidget(reservations_, 1);
    layout->addWidget(exitButton_, 0, Qt::AlignRight);
    resize(sizeHint().width(), 420);
}

void RetrieveReservationWindow::connectControls() {
    connect(reservations_, &QListWidget::itemClicked, this, &RetrieveReservationWindow::reservationChosen);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
    enterActivates(reservations_, [this](const QModelIndex& at) { reservationChosen(reservations_->item(at.row())); });
}

void RetrieveReservationWindow::reservationChosen(QListWidgetItem* item) {
    if (!item) return;
    desk_.session.selectedConfirmation = confirmationOfEntry(item->text().toStdString());
    Desk& desk = desk_;
    close();
    ReservationCheckInWindow::showChosen(desk);
}

}  // namespace innvera
