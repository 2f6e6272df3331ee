#pragma once

// Sets up the front desk's windows in a test desk: the main window, the menus and the
// welcome window, plus stand-ins (plain windows of the right name) for the windows that
// other parts of the program provide.

#include <QListWidget>
#include <QTest>

#include "core/ui/main_window.h"
#include "core/ui/menus.h"
#include "core/ui/welcome_window.h"
#include "support/test_desk.h"

namespace innvera::testing {

inline void defineFrontDesk(TestDesk& t) {
    Desk& desk = t.desk;
    t.windows.define("MainWindow", [&desk] { return new MainWindow(desk); });
    t.windows.define("Form6", [&desk] { return new SettingsMenu(desk); });
    t.windows.define("Form24", [&desk] { return new StartReportsMenu(desk); });
    t.windows.define("Form11", [&desk] { return new ReservationsMenu(desk); });
    t.windows.define("Form28", [&desk] { return new DirectBillMenu(desk); });
    t.windows.define("Form35", [&desk] { return new WelcomeWindow(desk); });
}

inline void defineStandIn(TestDesk& t, const char* name) {
    t.windows.define(name, [name] {
        auto* window = new QWidget;
        window->setObjectName(QString::fromLatin1(name));
        return window;
    });
}

inline bool isOpen(TestDesk& t, const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }

inline QStringList entries(QListWidget* list) {
    QStringList all;
    for (int i = 0; list && i < list->count(); ++i) all << list->item(i)->text();
    return all;
}

inline void doubleClick(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    list->setCurrentItem(item);
    const QPoint at = list->visualItemRect(item).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace innvera::testing
