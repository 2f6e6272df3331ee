#include "app/menus.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/motel_details_window.h"
#include "core/front_desk.h"
#include "directbill/ui/add_direct_bill_window.h"
#include "directbill/ui/direct_bill_account_window.h"
#include "folio/ui/find_checked_out_guest_window.h"
#include "platform/qt/controls.h"
#include "platform/qt/windows.h"
#include "reservations/ui/add_reservation_window.h"
#include "reservations/ui/retrieve_reservation_window.h"
#include "reports/ui/check_data_window.h"
#include "reports/ui/daily_report_window.h"
#include "reports/ui/end_of_day_window.h"
#include "reports/ui/monthly_report_window.h"
#include "reports/ui/restore_backup_window.h"
#include "reports/ui/statistics_window.h"
#include "rooms/ui/room_board_window.h"
#include "rooms/ui/room_inventory_window.h"
#include "rooms/ui/room_properties_window.h"
#include "rooms/ui/room_rates_window.h"
#include "rooms/ui/tax_rate_window.h"

namespace innvera {

MenuWindow::MenuWindow(Desk& desk, const char* objectName, const char* caption)
    : desk_(desk), layout_(new QVBoxLayout(this)) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromLatin1(caption));
    setMinimumWidth(260);
}

QPushButton* MenuWindow::addButton(const char* objectName, const char* caption, std::function<void()> action) {
    QPushButton* b = button(objectName, caption, this);
    b->setMinimumHeight(32);
    connect(b, &QPushButton::clicked, this, std::move(action));
    layout_->addWidget(b);
    return b;
}

template <class W>
void MenuWindow::openInstead() {
    // Closed first, so that the window the menu leaves to comes up in front and takes the keyboard.
    close();
    desk_.windows.open<W>();
}

SettingsMenu::SettingsMenu(Desk& desk) : MenuWindow(desk, kName, "Settings") {
    addButton("Command1", "Apply Tax Rate", [this] { desk_.windows.open<TaxRateWindow>(); });
    addButton("Command2", "Edit Room Properties", [this] { desk_.windows.open<RoomPropertiesWindow>(); });
    addButton("Command3", "Enter Room Inventory", [this] { desk_.windows.open<RoomInventoryWindow>(); });
    addButton("Command5", "Apply Room Rates", [this] { openInstead<RoomRatesWindow>(); });
    addButton("Command6", "Monthly Financial Report", [this] { openInstead<MonthlyReportWindow>(); });
    addButton("Command8", "Daily Financial Report", [this] { openInstead<DailyReportWindow>(); });
    addButton("StatisticsButton", "Statistics", [this] { openInstead<StatisticsWindow>(); });
    addButton("Command7", "End of Day Reports", [this] { endOfDayReports(); });
    addButton("Command9", "Find Checked Out Guest", [this] { openInstead<FindCheckedOutGuestWindow>(); });
    addButton("Command10", "Direct Bill", [this] { openInstead<DirectBillMenu>(); });
    addButton("BoardButton", "Room Board", [this] { openInstead<RoomBoardWindow>(); });
    addButton("Command11", "Motel Details", [this] { desk_.windows.open<MotelDetailsWindow>(); });
    addButton("CheckDataButton", "Check Data", [this] { openInstead<CheckDataWindow>(); });
    addButton("RestoreButton", "Restore a Backup", [this] { openInstead<RestoreBackupWindow>(); });
    exitOnEscape(this, addButton("Command4", "Exit", [this] { close(); }));
}

void SettingsMenu::endOfDayReports() {
    if (const auto refusal = endOfDayGate(desk_.clock.now())) {
        desk_.dialogs.inform("ATTENTION!", *refusal);
        return;
    }
    desk_.windows.open<StartReportsMenu>();
}

void SettingsMenu::closeEvent(QCloseEvent* event) {
    event->accept();
    if (auto* taxRate = desk_.windows.find<TaxRateWindow>()) taxRate->close();
}

SelfClosingMenu::SelfClosingMenu(Desk& desk, const char* objectName, const char* caption, int milliseconds)
    : MenuWindow(desk, objectName, caption), timer_(new QTimer(this)) {
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(milliseconds);
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, &SelfClosingMenu::onTimer);
    timer_->start();
}

void SelfClosingMenu::onTimer() { close(); }

StartReportsMenu::StartReportsMenu(Desk& desk) : SelfClosingMenu(desk, kName, "Start Reports", 20000) {
    auto* text = new QLabel(QStringLiteral("To start end of day reports, click the start now button below."), this);
    text->setWordWrap(true);
    layout_->addWidget(text);
    addButton("Command1", "Start Now", [this] {
        // The run is made as its window opens: one left open from an earlier run (refused, or
        // done) is closed, so this press runs it again instead of only raising that window.
        if (QWidget* earlier = desk_.windows.find<EndOfDayWindow>()) earlier->close();
        openInstead<EndOfDayWindow>();
    });
    exitOnEscape(this, addButton("Command2", "Exit", [this] { close(); }));
}

ReservationsMenu::ReservationsMenu(Desk& desk) : SelfClosingMenu(desk, kName, "Reservations", 10000) {
    addButton("Command1", "Add Reservation", [this] { openInstead<AddReservationWindow>(); });
    addButton("Command2", "Retrieve Reservation", [this] { openInstead<RetrieveReservationWindow>(); });
    exitOnEscape(this, addButton("Command3", "Exit", [this] { close(); }));
}

DirectBillMenu::DirectBillMenu(Desk& desk) : SelfClosingMenu(desk, kName, "Direct Bill", 30000) {
    addButton("Command1", "Add Direct Bill", [this] { openInstead<AddDirectBillWindow>(); });
    addButton("Command2", "Retrieve Direct Bill", [this] { openInstead<DirectBillAccountWindow>(); });
    exitOnEscape(this, addButton("Command3", "Exit", [this] { close(); }));
}

}  // namespace innvera
