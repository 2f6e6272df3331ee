#include "reports/ui/end_of_day_window.h"

#include <QGridLayout>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "core/front_desk.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"

namespace innvera {

namespace {

constexpr std::array<const char*, 6> kStepCaptions{
    "Settle todays reservations...............", "Settle todays check outs..................",
    "Charge room and tax........................", "Run Daily Reports............................",
    "Run Monthly Reports........................", "Print Housekeeping Report..............."};

}  // namespace

EndOfDayWindow::EndOfDayWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QStringLiteral("End of Day Reports"));
    createControls();
    createLayout();
    connectControls();
}

void EndOfDayWindow::createControls() {
    // Label1, 3, ... 11 name the steps; Label2, 4, ... 12 are their "Done" marks.
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        steps_[i] = captionLabel(QStringLiteral("Label%1").arg(2 * i + 1), QString::fromLatin1(kStepCaptions[i]), this);
        doneMarks_[i] = captionLabel(QStringLiteral("Label%1").arg(2 * i + 2), QStringLiteral("Done"), this);
        doneMarks_[i]->hide();
    }
    closedLabel_ = captionLabel("ClosedDay", QString(), this);
    QFont bold = closedLabel_->font();
    bold.setBold(true);
    closedLabel_->setFont(bold);
    exitButton_ = button("Command1", "Exit", this);
}

void EndOfDayWindow::createLayout() {
    auto* checklist = new QGridLayout;
    for (std::size_t i = 0; i < steps_.size(); ++i) {
        checklist->addWidget(steps_[i], static_cast<int>(i), 0);
        checklist->addWidget(doneMarks_[i], static_cast<int>(i), 1);
    }
    checklist->setColumnMinimumWidth(1, 50);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(checklist);
    layout->addWidget(closedLabel_);
    layout->addWidget(exitButton_, 0, Qt::AlignRight);
}

void EndOfDayWindow::connectControls() {
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
}

void EndOfDayWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (scheduled_) return;
    scheduled_ = true;
    // Once the window has been painted, so that the clerk sees each mark come.
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) performRun();
    });
}

void EndOfDayWindow::showDone(EndOfDayStep step) {
    QLabel* mark = doneMarks_[static_cast<std::size_t>(step)];
    mark->show();
    mark->repaint();
}

void EndOfDayWindow::performRun() {
    if (ran_) return;
    ran_ = true;
    // The night is closed already: a second run would close the next day before its time.
    std::optional<Date> closed;
    if (!runHandler(desk_, [&] { closed = closedNight(desk_.dataDir, desk_.clock.today()); })) return;
    if (closed) {
        closedLabel_->setText(qs("Closed " + closed->text()));
        if (desk_.dialogs.ask(kEndOfDayTitle, alreadyClosedQuestion(*closed)))
            runHandler(desk_, [&] { reprintEndOfDayReports(desk_.dataDir, *closed, desk_.printer); });
        return;
    }
    bool done = false;
    runHandler(desk_, [&] {
        const NightlyBackup backup{backupFolderOf(desk_.dataDir.root()),
                                   backupName(desk_.clock.today(), desk_.clock.now())};
        const auto withoutBackup = [this](const std::string& why) {
            return desk_.dialogs.ask(kEndOfDayTitle, why + " " + kWithoutBackupQuestion);
        };
        // The files the night will touch disagree: the clerk sees what and decides (No by default).
        const auto despiteFindings = [this](const std::vector<Finding>& findings) {
            return desk_.dialogs.ask(kEndOfDayTitle, nightFindingsQuestion(findings));
        };
        const EndOfDayResult result =
            runEndOfDay(desk_.dataDir, desk_.session.hotelDate, backup, desk_.printer,
                        [this](EndOfDayStep step) { showDone(step); }, withoutBackup, despiteFindings);
        if (result.done) {
            // The business day moves on at once: every posting from now on is the next day's.
            nightClosed(desk_.session, result.closed);
            closedLabel_->setText(qs("Closed " + result.closed.text()));
            done = true;
        }
        if (!result.message.empty()) desk_.dialogs.inform("ATTENTION!", result.message);
        if (const std::string toSeeTo = nightChargesToSeeTo(result.charges); !toSeeTo.empty())
            desk_.dialogs.inform("ATTENTION!", toSeeTo);
    });
    if (done) desk_.notices.announceHotelDate();
}

}  // namespace innvera
