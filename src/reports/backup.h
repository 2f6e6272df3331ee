#pragma once

#include <filesystem>
#include <string>

#include "core/date.h"
#include "core/data_dir.h"

// The nightly backup: before the end of day posts anything, the whole data directory is copied
// to a dated folder beside it, and only the newest backups are kept.
namespace innvera {

inline constexpr int kBackupsKept = 14;

// Where a data directory's backups go: a folder beside it, named after it with "-backups"
// (~/.local/share/innvera/motel-backups/ for the default directory).
std::filesystem::path backupFolderOf(const std::filesystem::path& dataRoot);
// A backup's name: its date and time, "2026-12-06 013012".
std::string backupName(Date day, TimeOfDay time);

// Copies every file and folder of the data directory into a new folder `name` in `backups`
// (made when missing; " 2", " 3", ... is added when the name is taken), leaving out the
// program's own bookkeeping at its root (the lock file and the journal, names starting with
// ".innvera") and anything that is not a regular file or folder. The copy is made under a
// temporary name and takes its own name only once it is whole and on the disk, so a folder
// with a backup's name always holds a whole backup. A file unchanged since the newest backup
// shares that backup's copy (a hard link) instead of being copied again. Then only the backups of
// the newest `kept` days stay, and the new one whatever its name; unfinished copies an earlier
// failure left are removed. Returns the new backup's folder.
// FileError naming the file when anything cannot be copied; the unfinished copy is removed
// and the older backups are left as they were.
std::filesystem::path backUpDataDir(const DataDir& dir, const std::filesystem::path& backups, const std::string& name,
                                    int kept = kBackupsKept);

}  // namespace innvera
