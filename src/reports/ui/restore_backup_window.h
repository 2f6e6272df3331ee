#pragma once

#include <QWidget>

#include <vector>

#include "core/desk.h"
#include "reports/restore.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace innvera {

// "Restore a Backup": the nightly backups, newest first, with their dates and sizes. "Restore"
// puts the one chosen in place of the motel's files after asking, once its data check has been
// shown when it finds anything; the files in use are moved aside beside them, never deleted, and
// the program then closes so that it starts again on the restored files.
class RestoreBackupWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* kName = "RestoreBackup";

    explicit RestoreBackupWindow(Desk& desk, QWidget* parent = nullptr);

    // The event handler, public so tests can call it as the control does.
    void restoreChosen();

private:
    void createControls();
    void createLayout();
    void connectControls();
    void load();

    Desk& desk_;
    std::vector<BackupEntry> backups_;  // the list's backups, by row
    QLabel* about_;
    QLabel* headings_;
    QListWidget* backupList_;
    QPushButton* restoreButton_;
    QPushButton* exitButton_;
};

}  // namespace innvera
