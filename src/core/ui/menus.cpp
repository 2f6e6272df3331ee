#include "core/ui/menus.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/front_desk.h"
#include "platform/qt/windows.h"

namespace innvera {

MenuWindow::MenuWindow(Desk& desk, const char* objectName, const char* caption)
    : desk_(desk), layout_(new QVBoxLayout(this)) {
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromLatin1(caption));
    setMinimumWidth(260);
}

void MenuWindow::addButton(const char* objectName, const char* caption, const char* targetWindow,
                           std::function<void()> action) {
    if (targetWindow && !desk_.windows.defines(QString::fromLatin1(targetWindow))) return;
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setMinimumHeight(32);
    connect(button, &QPushButton::clicked, this, std::move(action));
    layout_->addWidget(button);
}

void MenuWindow::openInstead(const char* windowName) {
    desk_.windows.open(QString::fromLatin1(windowName));
    close();
}

SettingsMenu::SettingsMenu(Desk& desk) : MenuWindow(desk, "Form6", "Settings") {
    const auto open = [this](const char* name) { return [this, name] { desk_.windows.open(QString::fromLatin1(name)); }; };
    const auto instead = [this](const char* name) { return [this, name] { openInstead(name); }; };
    addButton("Command1", "Apply Tax Rate", "Form7", open("Form7"));
    addButton("Command2", "Edit Room Properties", "RoomPropertiesWindow", open("RoomPropertiesWindow"));
    addButton("Command3", "Enter Room Inventory", "RoomInventoryWindow", open("RoomInventoryWindow"));
    addButton("Command5", "Apply Room Rates", "Form20", instead("Form20"));
    addButton("Command7", "End of Day Reports", "Form24", [this] { endOfDayReports(); });
    addButton("Command10", "Direct Bill", "Form28", instead("Form28"));
    addButton("Command4", "Exit", nullptr, [this] { close(); });
}

void SettingsMenu::endOfDayReports() {
    if (const auto refusal = endOfDayGate(desk_.clock.now())) {
        desk_.dialogs.inform("ATTENTION!", *refusal);
        return;
    }
    desk_.windows.open(QStringLiteral("Form24"));
}

void SettingsMenu::closeEvent(QCloseEvent* event) {
    event->accept();
    if (QWidget* taxRate = desk_.windows.find(QStringLiteral("Form7"))) taxRate->close();
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

StartReportsMenu::StartReportsMenu(Desk& desk) : SelfClosingMenu(desk, "Form24", "Start Reports", 20000) {
    auto* text = new QLabel(QStringLiteral("To start end of day reports, click the start now button below."), this);
    text->setWordWrap(true);
    layout_->addWidget(text);
    addButton("Command2", "Exit", nullptr, [this] { close(); });
}

ReservationsMenu::ReservationsMenu(Desk& desk) : SelfClosingMenu(desk, "Form11", "Reservations", 10000) {
    addButton("Command3", "Exit", nullptr, [this] { close(); });
}

DirectBillMenu::DirectBillMenu(Desk& desk) : SelfClosingMenu(desk, "Form28", "Direct Bill", 30000) {
    addButton("Command3", "Exit", nullptr, [this] { close(); });
}

}  // namespace innvera
