#include "app/wiring.h"

#include "checkin/ui/check_in_window.h"
#include "checkin/ui/depart_date_calendar.h"
#include "core/ui/main_window.h"
#include "core/ui/menus.h"
#include "core/ui/welcome_window.h"
#include "folio/ui/folio_calendar.h"
#include "folio/ui/folio_window.h"
#include "messages/ui/message_windows.h"
#include "platform/qt/windows.h"
#include "rooms/ui/room_inventory_window.h"
#include "rooms/ui/room_properties_window.h"
#include "rooms/ui/room_rates_window.h"
#include "rooms/ui/room_status_window.h"

namespace innvera {

void defineWindows(Desk& desk) {
    Windows& windows = desk.windows;
    (void)windows;
    windows.define("MainWindow", [&desk] { return new MainWindow(desk); });
    windows.define("Form6", [&desk] { return new SettingsMenu(desk); });
    windows.define("Form24", [&desk] { return new StartReportsMenu(desk); });
    windows.define("Form11", [&desk] { return new ReservationsMenu(desk); });
    windows.define("Form28", [&desk] { return new DirectBillMenu(desk); });
    windows.define("Form35", [&desk] { return new WelcomeWindow(desk); });
    windows.define("RoomInventoryWindow", [&desk] { return new RoomInventoryWindow(desk); });
    windows.define("RoomPropertiesWindow", [&desk] { return new RoomPropertiesWindow(desk); });
    windows.define("Form20", [&desk] { return new RoomRatesWindow(desk); });
    windows.define("Form7", [&desk] { return new TaxRateWindow(desk); });
    windows.define("RoomStatusWindow", [&desk] { return new RoomStatusWindow(desk); });
    windows.define("Form4", [&desk] { return new CheckInWindow(desk); });
    windows.define("Form5", [&desk] { return new DepartDateCalendar(desk); });
    windows.define("FolioWindow", [&desk] { return new FolioWindow(desk); });
    windows.define("Form9", [&desk] { return new FolioCalendar(desk); });
    windows.define("PostMessageWindow", [&desk] { return new PostMessageWindow(desk); });
    windows.define("ViewMessageWindow", [&desk] { return new ViewMessageWindow(desk); });
}

}  // namespace innvera
