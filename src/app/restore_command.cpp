#include "app/restore_command.h"

#include <QLockFile>
#include <QString>

#include <cstdio>
#include <exception>
#include <memory>
#include <ostream>

#include "app/data_dir_lock.h"
#include "platform/start_up.h"
#include "reports/backup.h"
#include "reports/restore.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

// The backup the clerk named: one of the list by its name, else a backup folder by its path.
std::optional<BackupEntry> chosenBackup(const fs::path& backups, const std::string& backup) {
    for (BackupEntry& entry : listBackups(backups))
        if (entry.name == backup) return std::move(entry);
    std::error_code error;
    if (backup.find('/') == std::string::npos && !fs::exists(backup, error)) return std::nullopt;
    return backupAt(backup);
}

void list(const fs::path& dataRoot, const fs::path& backups, std::ostream& out) {
    const std::vector<BackupEntry> found = listBackups(backups);
    if (found.empty()) {
        out << "There are no backups of " << dataRoot.string() << " in " << backups.string() << ".\n";
        return;
    }
    out << "Backups of " << dataRoot.string() << " in " << backups.string() << ", newest first:\n";
    for (const BackupEntry& entry : found) {
        char line[160];
        std::snprintf(line, sizeof line, "  %-20s  %-10s %11s  %s\n", entry.name.c_str(), entry.day.text().c_str(),
                      entry.time.text().c_str(), backupSizeText(entry.bytes).c_str());
        out << line;
    }
}

}  // namespace

std::string backupSizeText(std::uint64_t bytes) {
    if (bytes < 1000) return std::to_string(bytes) + " bytes";
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes) / 1000;
    std::size_t unit = 0;
    while (value >= 999.95 && unit + 1 < std::size(units)) {
        value /= 1000;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.1f %s", value, units[unit]);
    return text;
}

int restoreFromCommandLine(const fs::path& dataRoot, const std::string& backup, bool force, const RestoreCheck& check,
                           const Clock& clock, std::ostream& out, std::ostream& err) {
    const fs::path backups = backupFolderOf(dataRoot);
    try {
        if (backup.empty()) {
            list(dataRoot, backups, out);
            return 0;
        }
        const std::optional<BackupEntry> entry = chosenBackup(backups, backup);
        if (!entry) {
            err << "innvera: There is no finished backup " << backup << " in " << backups.string()
                << "; innvera --restore lists them.\n";
            return 2;
        }

        // While it runs the command holds the data directory as the program does. The lock file
        // goes aside with the old directory; it is never unlocked by its name afterwards, which
        // could remove a lock another copy has taken on the restored directory since.
        std::error_code missing;
        const bool hasData = fs::is_directory(dataRoot, missing);
        const fs::path lockFile = dataRoot / kLockFileName;
        auto lock = std::make_unique<QLockFile>(QString::fromStdString(lockFile.string()));
        if (hasData) {
            if (const auto refused = takeDataDirLock(*lock, dataRoot)) {
                err << "innvera: " << refused->message << "\n";
                // Held by another copy: refused; a lock that cannot be made at all: it cannot be done.
                return refused->heldByAnother ? 1 : 2;
            }
        }

        PosixFileLayer disk;
        recoverRestore(dataRoot, disk, clock);
        const fs::path assembled = assembleRestore(*entry, dataRoot, disk);
        std::vector<std::string> findings;
        try {
            if (check) findings = check(assembled);
        } catch (...) {
            discardRestore(assembled);
            throw;
        }
        if (!findings.empty()) {
            out << "The data check found " << findings.size() << (findings.size() == 1 ? " fault" : " faults")
                << " in the backup " << entry->name << ":\n";
            for (const std::string& finding : findings) out << "  " << finding << "\n";
            if (!force) {
                discardRestore(assembled);
                out << "Nothing was restored. Give --force to restore it all the same.\n";
                return 1;
            }
        }
        const std::string stamp = backupName(clock.today(), clock.now());
        fs::path aside;
        try {
            aside = putRestoreInPlace(assembled, dataRoot, stamp, disk);
        } catch (const FileError&) {
            discardRestore(assembled);  // still the assembly unless the exchange was made
            throw;
        }
        if (hasData) {
            std::error_code ignored;
            fs::remove(aside / kLockFileName, ignored);
            (void)lock.release();  // see above: the lock file it names went aside and is gone
        }
        out << "The backup " << entry->name << " is now the data directory " << dataRoot.string() << ".\n";
        if (!aside.empty()) out << "The data directory as it was is in " << aside.string() << ".\n";
        return 0;
    } catch (const FileError& error) {
        err << "innvera: The backup cannot be restored: the file " << error.path().string()
            << " could not be used: " << error.reason() << ".\n";
        return 2;
    } catch (const std::exception& error) {
        err << "innvera: The backup cannot be restored: " << error.what() << ".\n";
        return 2;
    }
}

}  // namespace innvera
