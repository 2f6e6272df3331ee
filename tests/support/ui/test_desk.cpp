#include "support/ui/test_desk.h"

#include <QCoreApplication>

namespace innvera::testing {

TestDesk::TestDesk()
    : dataDir(folder.path()),
      windows([this] { ++programEnded; }),
      desk{clock, dialogs, printer, dataDir, session, windows} {
    windows.attach(desk);
    dataDir.createFolders();
}

QWidget* TestDesk::open(const QString& name) {
    QWidget* window = openWindow(desk, name);
    EXPECT_NE(window, nullptr) << "no window " << name.toStdString();
    return window;
}

TestDesk::~TestDesk() {
    for (QWidget* window : windows.openWindows()) window->close();
    settle();
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

}  // namespace innvera::testing
