#include "app/welcome_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/motel_details_window.h"
#include "core/counters.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"
#include "rooms/ui/room_inventory_window.h"
#include "rooms/ui/room_rates_window.h"
#include "rooms/ui/tax_rate_window.h"

namespace innvera {

WelcomeWindow::WelcomeWindow(Desk& desk) : desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Welcome"));

    auto* heading = new QLabel(QStringLiteral("Welcome"), this);
    QFont big = heading->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    heading->setFont(big);
    heading->setAlignment(Qt::AlignCenter);

    auto* intro = new QLabel(QStringLiteral(
        "Thank you for downloading and trying Innvera.There are a couple of things you must do before using "
        "Innvera. Below are some tasks to be done as soon as possible. You can also do these tasks by clicking on "
        "settings and reports button and then go from there."), this);
    intro->setWordWrap(true);

    auto* tasks = new QGridLayout;
    int row = 0;
    const auto addTask = [&](const char* text, const char* buttonName, std::function<void()> open) {
        tasks->addWidget(new QLabel(QString::fromLatin1(text), this), row, 0);
        QPushButton* clickHere = button(buttonName, "Click Here", this);
        connect(clickHere, &QPushButton::clicked, this, std::move(open));
        tasks->addWidget(clickHere, row, 1);
        ++row;
    };
    addTask("To set your hotels tax rate,", "Command1", [this] { desk_.windows.open<TaxRateWindow>(); });
    addTask("To enter room inventory,", "Command2", [this] { desk_.windows.open<RoomInventoryWindow>(); });
    addTask("To enter room rates,", "Command3", [this] { desk_.windows.open<RoomRatesWindow>(); });
    addTask("To enter your motel's name and address,", "Command5",
            [this] { desk_.windows.open<MotelDetailsWindow>(); });
    tasks->setColumnStretch(0, 1);

    auto* note = new QLabel(QStringLiteral("NOTE: It is recommended to do your end of day reports between 1 and 5 AM every morning."), this);
    note->setWordWrap(true);

    dontShowAgain_ = new QCheckBox(QStringLiteral("Don't show this window again"), this);
    dontShowAgain_->setObjectName(QStringLiteral("Check1"));
    connect(dontShowAgain_, &QCheckBox::clicked, this, &WelcomeWindow::rememberChoice);

    QPushButton* exit = button("Command4", "Exit", this);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exit);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(dontShowAgain_);
    bottom->addStretch();
    bottom->addWidget(exit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(intro);
    layout->addSpacing(8);
    layout->addLayout(tasks);
    layout->addSpacing(8);
    layout->addWidget(note);
    layout->addStretch();
    layout->addLayout(bottom);
    resize(520, 340);
}

void WelcomeWindow::rememberChoice(bool dontShowAgain) {
    runHandler(desk_, [&] {
        switchWelcomeOff(desk_.dataDir, dontShowAgain);
    });
}

}  // namespace innvera
