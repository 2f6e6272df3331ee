#include "support/ui/open_windows.h"

#include <functional>
#include <utility>
#include <vector>

#include "checkin/ui/check_in_window.h"
#include "checkin/ui/guest_list_window.h"
#include "checkin/ui/reservation_check_in_window.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/motel_details_window.h"
#include "app/welcome_window.h"
#include "directbill/ui/add_direct_bill_window.h"
#include "directbill/ui/direct_bill_account_window.h"
#include "folio/ui/find_checked_out_guest_window.h"
#include "folio/ui/folio_window.h"
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
#include "rooms/ui/room_status_window.h"

namespace innvera::testing {

namespace {

using Opener = std::pair<const char*, std::function<QWidget*(Windows&)>>;

template <class W>
Opener opener() {
    return {W::kName, [](Windows& windows) -> QWidget* { return windows.open<W>(); }};
}

const std::vector<Opener>& openers() {
    static const std::vector<Opener> all = {
        opener<MainWindow>(),          opener<SettingsMenu>(),         opener<StartReportsMenu>(),
        opener<ReservationsMenu>(),    opener<DirectBillMenu>(),       opener<WelcomeWindow>(),
        opener<RoomInventoryWindow>(), opener<RoomPropertiesWindow>(), opener<RoomRatesWindow>(),
        opener<TaxRateWindow>(),       opener<RoomStatusWindow>(),     opener<CheckInWindow>(),
        opener<FolioWindow>(),
        opener<FindCheckedOutGuestWindow>(),
        opener<ReservationCheckInWindow>(),   opener<GuestListWindow>(),      opener<AddReservationWindow>(),
        opener<RetrieveReservationWindow>(),
        opener<AddDirectBillWindow>(),
        opener<DirectBillAccountWindow>(),
        opener<DailyReportWindow>(),   opener<MonthlyReportWindow>(),  opener<EndOfDayWindow>(),
        opener<RoomBoardWindow>(),
        opener<MotelDetailsWindow>(),
        opener<StatisticsWindow>(),
        opener<CheckDataWindow>(),
        opener<RestoreBackupWindow>(),
    };
    return all;
}

}  // namespace

QStringList windowNames() {
    QStringList names;
    for (const auto& [name, open] : openers()) names << QString::fromLatin1(name);
    return names;
}

QWidget* openWindow(Desk& desk, const QString& name) {
    for (const auto& [windowName, open] : openers())
        if (name == QLatin1String(windowName)) return open(desk.windows);
    return nullptr;
}

}  // namespace innvera::testing
