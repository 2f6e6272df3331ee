#pragma once

#include <QWidget>

#include <functional>

#include "platform/desk.h"

class QTimer;
class QVBoxLayout;

namespace innvera {

// A small window of buttons, one under the other.
class MenuWindow : public QWidget {
    Q_OBJECT
public:
    MenuWindow(Desk& desk, const char* objectName, const char* caption);

protected:
    // Adds the button unless its window is one the program does not have (no target: always).
    void addButton(const char* objectName, const char* caption, const char* targetWindow, std::function<void()> action);
    // Opens the window and closes this menu.
    void openInstead(const char* windowName);

    Desk& desk_;
    QVBoxLayout* layout_;
};

// "Settings": the setup tasks and the reports.
class SettingsMenu : public MenuWindow {
    Q_OBJECT
public:
    explicit SettingsMenu(Desk& desk);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void endOfDayReports();
};

// A menu that closes itself when nothing has been chosen within its time.
class SelfClosingMenu : public MenuWindow {
    Q_OBJECT
public:
    SelfClosingMenu(Desk& desk, const char* objectName, const char* caption, int milliseconds);

    // Timer1: fires once, closing the menu.
    void onTimer();

private:
    QTimer* timer_;
};

// "Start Reports": the step before the end-of-day run; closes after 20 seconds.
class StartReportsMenu : public SelfClosingMenu {
    Q_OBJECT
public:
    explicit StartReportsMenu(Desk& desk);
};

// "Reservations"; closes after 10 seconds.
class ReservationsMenu : public SelfClosingMenu {
    Q_OBJECT
public:
    explicit ReservationsMenu(Desk& desk);
};

// "Direct Bill"; closes after 30 seconds.
class DirectBillMenu : public SelfClosingMenu {
    Q_OBJECT
public:
    explicit DirectBillMenu(Desk& desk);
};

}  // namespace innvera
