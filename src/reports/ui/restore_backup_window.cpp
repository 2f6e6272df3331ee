#include "reports/ui/restore_backup_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>
#include <optional>

#include "platform/file_layer.h"
#include "platform/qt/controls.h"
#include "platform/qt/handler.h"
#include "platform/qt/wait_cursor.h"
#include "platform/qt/windows.h"
#include "platform/start_up.h"
#include "reports/backup.h"
#include "reports/data_check.h"

namespace innvera {

namespace {

constexpr const char* kTitle = "Restore a Backup";

// "12/06/2026  01:30:12     48.2 MB"
std::string rowOf(const BackupEntry& backup) {
    char line[80];
    std::snprintf(line, sizeof line, "%02d/%02d/%04d  %02d:%02d:%02d  %9.1f MB", backup.day.month(), backup.day.day(),
                  backup.day.year(), backup.time.hour, backup.time.minute, backup.time.second,
                  static_cast<double>(backup.bytes) / 1e6);
    return line;
}

std::string whenMade(const BackupEntry& backup) {
    char when[40];
    std::snprintf(when, sizeof when, "%s at %02d:%02d", backup.day.text().c_str(), backup.time.hour,
                  backup.time.minute);
    return when;
}

}  // namespace

RestoreBackupWindow::RestoreBackupWindow(Desk& desk, QWidget* parent) : QWidget(parent), desk_(desk) {
    setObjectName(QString::fromLatin1(kName));
    setWindowTitle(QString::fromLatin1(kTitle));
    createControls();
    createLayout();
    connectControls();
    load();
}

void RestoreBackupWindow::createControls() {
    about_ = captionLabel(
        qs("The end of day backs the motel's files up each night, before it posts anything. Choose a backup and "
           "press Restore to put it in place of the files in use now; those are moved to a folder beside them "
           "(never deleted), and Innvera then closes. Backups are kept in " +
           backupFolderOf(desk_.dataDir.root()).string() + "."),
        this);
    about_->setWordWrap(true);
    backupList_ = listBox("Backups", this);
    showInColumns(backupList_, 36);
    backupList_->setMinimumHeight(220);
    headings_ = columnHeadings(backupList_, QStringLiteral("Date        Time           Size"), this);
    restoreButton_ = button("RestoreNow", "Restore", this);
    exitButton_ = button("ExitRestore", "Exit", this);
}

void RestoreBackupWindow::createLayout() {
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restoreButton_);
    buttons->addStretch();
    buttons->addWidget(exitButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about_);
    layout->addWidget(headings_);
    layout->addWidget(backupList_, 1);
    layout->addLayout(buttons);
    setMaximumWidth(560);
}

void RestoreBackupWindow::connectControls() {
    connect(restoreButton_, &QPushButton::clicked, this, &RestoreBackupWindow::restoreChosen);
    connect(exitButton_, &QPushButton::clicked, this, &QWidget::close);
    exitOnEscape(this, exitButton_);
}

void RestoreBackupWindow::load() {
    runHandler(desk_, [this] { backups_ = listBackups(backupFolderOf(desk_.dataDir.root())); });
    backupList_->clear();
    for (const BackupEntry& backup : backups_) backupList_->addItem(qs(rowOf(backup)));
    if (backups_.empty()) backupList_->addItem(QStringLiteral("No backups yet: the end of day makes one each night."));
    backupList_->setEnabled(!backups_.empty());
    restoreButton_->setEnabled(!backups_.empty());
    if (!backups_.empty()) backupList_->setCurrentRow(0);
}

void RestoreBackupWindow::restoreChosen() {
    const int row = backupList_->currentRow();
    if (row < 0 || row >= static_cast<int>(backups_.size())) {
        desk_.dialogs.inform("ATTENTION!", "Choose the backup to restore in the list first.");
        return;
    }
    const BackupEntry chosen = backups_[static_cast<std::size_t>(row)];
    const std::filesystem::path root = desk_.dataDir.root();
    if (!desk_.dialogs.ask(kTitle, "Put the backup of " + whenMade(chosen) +
                                       " in place of the motel's files?\n\nThe files in use now are moved to a "
                                       "folder beside them, never deleted, and Innvera closes once the backup is "
                                       "in place."))
        return;
    // The backup is built beside the data directory and checked; the clerk sees what the check finds.
    std::filesystem::path assembled;
    bool goOn = false;
    runHandler(desk_, [&] {
        PosixFileLayer disk;
        recoverRestore(root, disk, desk_.clock);
        std::optional<WaitCursor> waiting(std::in_place);
        assembled = assembleRestore(chosen, root, disk);
        std::optional<DataCheck> check;
        try {
            check = checkDataDir(assembled);
        } catch (...) {
            discardRestore(assembled);
            throw;
        }
        waiting.reset();
        goOn = check->agrees() || desk_.dialogs.ask(kTitle, findingsQuestion(check->findings, "this backup",
                                                                                "Restore it all the same?"));
        if (!goOn) discardRestore(assembled);
    });
    if (!goOn) return;

    // The other windows close first: what they keep when they close goes to the files in use, never
    // into the restored ones.
    desk_.windows.closeAllBut(this, {});
    bool swapped = false;
    const bool done = runHandler(desk_, [&] {
        PosixFileLayer disk;
        std::filesystem::path aside;
        try {
            aside = putRestoreInPlace(assembled, root, backupName(desk_.clock.today(), desk_.clock.now()), disk);
        } catch (const FileError&) {
            // Once the two directories were exchanged, the restore stands: the next start finishes it.
            std::error_code unknown;
            swapped = std::filesystem::exists(root / kRestoreMarker, unknown);
            if (!swapped) discardRestore(assembled);
            throw;
        }
        swapped = true;
        // This copy's lock went aside with the files it was on: it comes back, so that no other copy
        // starts on the restored files before this one has ended.
        std::error_code ignored;
        std::filesystem::rename(aside / kLockFileName, root / kLockFileName, ignored);
        desk_.dialogs.inform(kTitle, "The backup of " + whenMade(chosen) +
                                         " is in place. The files that were in use are kept in " + aside.string() +
                                         ".\n\nInnvera closes now: start it again to work on the restored files.");
    });
    if (!done && swapped)
        desk_.dialogs.inform(kTitle, "The backup is in place, but moving the files that were in use aside could not be "
                                     "finished. Innvera closes now; the next start finishes it.");
    // The program ends, to start again on the restored files; or, when nothing was restored, the
    // desk goes on where it was.
    if (swapped) close();
    else desk_.windows.openHub();
}

}  // namespace innvera
