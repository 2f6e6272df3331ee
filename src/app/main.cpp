// Innvera: the front desk of a small motel.

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLockFile>
#include <QSettings>

#include <iostream>
#include <string>
#include <vector>

#include "core/front_desk.h"
#include "app/check_command.h"
#include "app/data_dir_lock.h"
#include "app/export_command.h"
#include "app/restore_command.h"
#include "app/main_window.h"
#include "platform/command_line.h"
#include "reports/data_check.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/message_box_dialogs.h"
#include "platform/qt/system_clock.h"
#include "platform/qt/system_printer.h"
#include "platform/qt/windows.h"
#include "platform/start_up.h"
#include "reports/restore.h"

#ifndef INNVERA_VERSION
#define INNVERA_VERSION "unknown"
#endif

using namespace innvera;

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

// The command line's value, or else the environment variable's.
QString chosen(const std::string& given, const char* environment) {
    return given.empty() ? qEnvironmentVariable(environment) : qs(given);
}

int refuse(Dialogs& dialogs, const QString& text) {
    dialogs.inform("ATTENTION!", text.toStdString());
    return 1;
}

// The data directories this user has run Innvera on, remembered so that one that has gone
// missing (an unmounted disk, a renamed folder) is not silently made into an empty motel.
class KnownDataDirs {
public:
    explicit KnownDataDirs(const std::filesystem::path& root) {
        std::error_code error;
        std::filesystem::path full = std::filesystem::absolute(root, error).lexically_normal();
        if (!full.has_filename() && full.has_parent_path()) full = full.parent_path();
        key_ = qs(full.string());
    }
    bool contains() const { return list().contains(key_); }
    void remember() {
        QStringList known = list();
        if (known.contains(key_)) return;
        known.append(key_);
        settings_.setValue(QStringLiteral("dataDirectories"), known);
        settings_.sync();
    }

private:
    QStringList list() const { return settings_.value(QStringLiteral("dataDirectories")).toStringList(); }
    QSettings settings_{QStringLiteral("Innvera"), QStringLiteral("Innvera")};
    QString key_;
};

// The data directory a command without a window works on: --data-dir, else INNVERA_DATA_DIR,
// else the default.
std::filesystem::path commandLineRoot(const CommandLine& command) {
    const QString given = chosen(command.dataDir, "INNVERA_DATA_DIR");
    return given.isEmpty() ? DataDir::defaultRoot() : std::filesystem::path(given.toStdString());
}

}  // namespace

int main(int argc, char* argv[]) {
    // Read before Qt reaches for a display, so --help and --version work without one.
    const CommandLine command = readCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (command.action) {
    case CommandLine::Action::Help:
        std::cout << helpText(DataDir::defaultRoot().string(), SystemPrinter::defaultFolder().toStdString());
        return 0;
    case CommandLine::Action::Version:
        std::cout << versionText(INNVERA_VERSION);
        return 0;
    case CommandLine::Action::Refuse:
        std::cerr << refusalText(command);
        return 2;
    case CommandLine::Action::Export:
        return exportFromCommandLine(commandLineRoot(command), command.exportWords, command.output, std::cout,
                                     std::cerr);
    case CommandLine::Action::Check:
        return checkFromCommandLine(commandLineRoot(command), std::cout, std::cerr);
    case CommandLine::Action::Restore: {
        // The backup, as it would be put in place, is checked first: its findings stop the restore
        // unless --force.
        const RestoreCheck check = [](const std::filesystem::path& assembled) {
            std::vector<std::string> lines;
            for (const Finding& finding : checkDataDir(assembled).findings) lines.push_back(findingLine(finding));
            return lines;
        };
        const SystemClock clock;
        return restoreFromCommandLine(commandLineRoot(command), command.restoreBackup, command.force, check, clock,
                                      std::cout, std::cerr);
    }
    case CommandLine::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Innvera"));
    QApplication::setApplicationVersion(QStringLiteral(INNVERA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("innvera"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("innvera")));
    QApplication::setQuitOnLastWindowClosed(false);
    MessageBoxDialogs dialogs;

    const QString dataDirText = chosen(command.dataDir, "INNVERA_DATA_DIR");
    const bool givenExplicitly = !dataDirText.isEmpty();
    DataDir dataDir(givenExplicitly ? std::filesystem::path(dataDirText.toStdString()) : DataDir::defaultRoot());
    const QString root = qs(dataDir.root().string());
    KnownDataDirs knownDirs(dataDir.root());

    std::error_code missing;
    if (!std::filesystem::exists(dataDir.root(), missing) && !missing &&
        missingDataDir(givenExplicitly, knownDirs.contains()) == MissingDataDir::AskFirst &&
        !dialogs.ask("ATTENTION!", missingDataDirQuestion(dataDir.root())))
        return 1;
    try {
        dataDir.createFolders();
    } catch (const FileError& error) {
        return refuse(dialogs, QStringLiteral("The data directory %1 cannot be made: %2").arg(root, qs(error.reason())));
    }

    const QString lockFile = QDir(root).filePath(QString::fromLatin1(kLockFileName));
    QLockFile lock(lockFile);
    // One copy of the program per data directory.
    if (const auto refused = takeDataDirLock(lock, dataDir.root())) return refuse(dialogs, qs(refused->message));

    SystemClock clock;
    // A restore a crash cut is finished, or its unfinished assembly removed, before the directory
    // is read; only once the lock is held, so that a restore another copy is making is never
    // taken for one a crash cut.
    try {
        PosixFileLayer disk;
        recoverRestore(dataDir.root(), disk, clock);
    } catch (const FileError& error) {
        return refuse(dialogs, QStringLiteral("A restore of the data directory %1 was cut short and cannot be finished: "
                                              "the file %2 could not be used: %3.")
                                   .arg(root, qs(error.path().string()), qs(error.reason())));
    }

    // A change a crash left half made is undone before anything is read.
    try {
        dataDir.recover();
    } catch (const FileError& error) {
        return refuse(dialogs, QStringLiteral("Innvera stopped in the middle of a change to the data directory %1, and "
                                              "the change cannot be undone: the file %2 could not be used: %3.")
                                   .arg(root, qs(error.path().string()), qs(error.reason())));
    }
    knownDirs.remember();
    try {
        clearLeftoverSetBack(dataDir);
        dataDir.commit();
    } catch (const FileError&) {
        dataDir.rollback();  // the timer reads an unusable flag file as clear and reports its write
    }

    // A document written to a file says where it went, in a note that goes by itself.
    SystemPrinter printer(chosen(command.printDir, "INNVERA_PRINT_DIR"), &SystemPrinter::showNotice);
    Session session;
    Windows windows([] { QApplication::quit(); });
    ChangeNotices notices;
    Desk desk{clock, dialogs, printer, dataDir, session, windows, notices};
    windows.attach(desk);
    windows.setHubOpener([&windows] { windows.open<MainWindow>(); });

    windows.open<MainWindow>();
    return app.exec();
}
