#include "reports/ui/check_data_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/wait_cursor.h"

namespace innvera {

CheckDataWindow::CheckDataWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("Check Data"));
    createControls();
    createLayout();
    connectControls();
    checkButton_->setFocus();
}

void CheckDataWindow::createControls() {
    about_ = captionLabel(
        "Check Now reads every file of the motel's data and lists what does not agree: rooms and the "
        "guests in them, folios, totals, counters, direct bill accounts and invoices. Nothing is changed.",
        this);
    about_->setWordWrap(true);
    summary_ = captionLabel("Summary", QStringLiteral("Not checked yet."), this);
    QFont bold = summary_->font();
    bold.setBold(true);
    summary_->setFont(bold);
    findings_ = listBox("Findings", this);
    findings_->setWordWrap(true);
    findings_->setMinimumSize(640, 260);
    checkButton_ = button("CheckNow", "Check Now", this);
    printButton_ = button("PrintFindings", "Print", this);
    printButton_->setEnabled(false);
    exitButton_ = button("ExitCheck", "Exit", this);
}

void CheckDataWindow::createLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(checkButton_);
    buttons->addWidget(printButton_);
    buttons->addStretch();
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about_);
    layout->addWidget(summary_);
    layout->addWidget(findings_, 1);
    layout->addLayout(buttons);
}

void CheckDataWindow::connectControls() {
    connect(checkButton_, &QPushButton::clicked, this, &CheckDataWindow::checkNow);
    connect(printButton_, &QPushButton::clicked, this, &CheckDataWindow::printFindings);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
}

void CheckDataWindow::checkNow() {
    // Reading twenty years of folios takes a few seconds: the clerk sees that it is working.
    summary_->setText(QStringLiteral("Checking..."));
    summary_->repaint();
    std::optional<DataCheck> result;
    runHandler(desk_, [&] {
        const WaitCursor waiting;
        result = checkDataDir(desk_.dataDir.root());
    });
    if (result) showResult(*result);
    else summary_->setText(QStringLiteral("The check could not be made."));
}

void CheckDataWindow::showResult(const DataCheck& result) {
    shown_ = result;
    findings_->clear();
    for (const std::string& note : result.notes) findings_->addItem(qs(note));
    for (const Finding& finding : result.findings) findings_->addItem(qs(findingLine(finding)));
    summary_->setText(qs(dataCheckSummary(result)));
    printButton_->setEnabled(true);
}

void CheckDataWindow::printFindings() {
    if (!shown_) return;
    runHandler(desk_, [this] {
        desk_.printer.print(dataCheckPrintout(*shown_, desk_.dataDir.root(), desk_.clock.today(), desk_.clock.now()));
    });
}

}  // namespace innvera
