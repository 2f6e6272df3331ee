#include "app/wiring.h"

#include "core/ui/main_window.h"
#include "core/ui/menus.h"
#include "core/ui/welcome_window.h"
#include "platform/qt/windows.h"

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
}

}  // namespace innvera
