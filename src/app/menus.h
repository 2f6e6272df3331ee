#pragma once

#include <QWidget>

#include <functional>

#include "core/desk.h"

class QPushButton;
class QTimer;
class QVBoxLayout;

namespace innvera {

// A small window of buttons, one under the other.
class MenuWindow : public QWidget {
    Q_OBJECT
public:
    MenuWindow(Desk& desk, const char* objectName, const char* caption);

protected:
    QPushButton* addButton(const char* objectName, const char* caption, std::function<void()> action);
    // Opens the window and closes this menu.
    template <class W>
    void openInstead();

    Desk& desk_;
    QVBoxLayout* layout_;
};

// "Settings": the setup tasks and the reports.
class SettingsMenu : public MenuWindow {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form6";

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
    static constexpr const char* kName = "Form24";

    explicit StartReportsMenu(Desk& desk);
};

// "Reservations"; closes after 10 seconds.
class ReservationsMenu : public SelfClosingMenu {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form11";

    explicit ReservationsMenu(Desk& desk);
};

// "Direct Bill"; closes after 30 seconds.
class DirectBillMenu : public SelfClosingMenu {
    Q_OBJECT
public:
    static constexpr const char* kName = "Form28";

    explicit DirectBillMenu(Desk& desk);
};

}  // namespace innvera
