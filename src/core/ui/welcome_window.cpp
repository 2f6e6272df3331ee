#include "core/ui/welcome_window.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/counters.h"
#include "platform/qt/handler.h"
#include "platform/qt/windows.h"

namespace innvera {

WelcomeWindow::WelcomeWindow(Desk& desk) : desk_(desk) {
    setObjectName(QStringLiteral("Form35"));
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
    const auto addTask = [&](const char* text, const char* buttonName, const char* windowName) {
        tasks->addWidget(new QLabel(QString::fromLatin1(text), this), row, 0);
        // Only for a task whose window the program has.
        if (desk_.windows.defines(QString::fromLatin1(windowName))) {
            auto* button = new QPushButton(QStringLiteral("Click Here"), this);
            button->setObjectName(QString::fromLatin1(buttonName));
            connect(button, &QPushButton::clicked, this,
                    [this, windowName] { desk_.windows.open(QString::fromLatin1(windowName)); });
            tasks->addWidget(button, row, 1);
        }
        ++row;
    };
    addTask("To set your hotels tax rate,", "Command1", "Form7");
    addTask("To enter room inventory,", "Command2", "RoomInventoryWindow");
    addTask("To enter room rates,", "Command3", "Form20");
    tasks->setColumnStretch(0, 1);

    auto* note = new QLabel(QStringLiteral("NOTE: It is recommended to do your end of day reports between 1 and 5 AM every morning."), this);
    note->setWordWrap(true);

    dontShowAgain_ = new QCheckBox(QStringLiteral("Don't show this window again"), this);
    dontShowAgain_->setObjectName(QStringLiteral("Check1"));
    connect(dontShowAgain_, &QCheckBox::clicked, this, &WelcomeWindow::rememberChoice);

    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("Command4"));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

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
        writeCounter(desk_.dataDir, desk_.dataDir.welcomeOption(), dontShowAgain ? 1.0f : 0.0f);
    });
}

}  // namespace innvera
