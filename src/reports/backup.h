#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/data_dir.h"

// The nightly backup: before the end of day posts anything, the whole data directory is copied
// to a dated folder beside it, and only the newest backups are kept. The folio files of checked-out
// stays, which never change once the stay has closed, are kept once in a store beside the dated
// folders (closed-folios/) instead of in each of them, so a night costs what changed that day.
namespace innvera {

inline constexpr int kBackupsKept = 14;
// The store of closed stays' folio files, in the backups folder; never pruned.
inline constexpr const char* kClosedFoliosFolder = "closed-folios";
// At the root of a dated backup: the store files it takes, a line each (the name, a tab, then the
// size, the modification time and the time the store copy was made, in nanoseconds, tab-separated).
inline constexpr const char* kBackupManifest = ".innvera-backup";

// One line of a backup's manifest: a file of the store the backup takes as its dailycharge/ file of
// that name.
struct StoredFolio {
    std::string name;              // as in dailycharge/: " 1234"
    std::uint64_t size = 0;        // the data file's, as stored
    std::int64_t modified = 0;     // its modification time, ns
    std::int64_t stored = 0;       // when the store copy was written (its status-change time), ns
};
// The manifest's lines; a damaged line is a FileError naming the manifest (a restore must not
// miss a file). An empty list when the backup has no manifest (made before the store).
std::vector<StoredFolio> readBackupManifest(const std::filesystem::path& backup);
// The sizes a backup's list gives its store files, added up straight from the text (a list of
// twenty years is some 360,000 lines): for showing a backup's size. A line it cannot read counts
// nothing, and a list that cannot be read counts 0; the restore says what is wrong with them.
std::uint64_t listedBytes(const std::filesystem::path& backup);

// The data directory's path whatever slash ends it: its own name and the folder it stands in.
std::filesystem::path dataRootPath(const std::filesystem::path& dataRoot);
// The program's own files at the root of a data directory or of a backup (the lock, the journal,
// a backup's list, a restore's mark): names starting with ".innvera", never the motel's data.
bool isBookkeepingName(std::string_view name);

// Where a data directory's backups go: a folder beside it, named after it with "-backups"
// (~/.local/share/innvera/motel-backups/ for the default directory).
std::filesystem::path backupFolderOf(const std::filesystem::path& dataRoot);
// A backup's name: its date and time, "2026-12-06 013012".
std::string backupName(Date day, TimeOfDay time);

// Whether a name in a backups folder is a backup's: "2026-12-06 013012", or that with " 2", ...
bool isBackupName(const std::string& name);

// Copies every file and folder of the data directory into a new folder `name` in `backups`
// (made when missing; " 2", " 3", ... is added when the name is taken), leaving out the
// program's own bookkeeping at its root (the lock file and the journal, names starting with
// ".innvera") and anything that is not a regular file or folder. The copy is made under a
// temporary name and takes its own name only once it is whole and on the disk, so a folder
// with a backup's name always holds a whole backup.
// The folio file of a checked-out stay is taken from the store when the store's copy is that
// file unchanged (same size and modification time, and the file's status last changed before
// the copy was made; or, when its status changed since, as a restore's rewrite does, the very
// same bytes), and listed in the backup's manifest instead of copied; a closed folio the
// store lacks is put there (written under a temporary name, synced, renamed; never overwritten),
// as is one the newest backup lists but the store no longer holds (never listed while missing);
// one whose store copy is of another version is copied into the dated folder like any other
// file. Any other file unchanged since the newest backup shares that backup's copy (a hard link)
// instead of being copied again. Then only the backups of the newest `kept` days stay, and the
// new one whatever its name; unfinished copies an earlier failure left are removed. Returns the
// new backup's folder.
// FileError naming the file when anything cannot be copied; the unfinished copy is removed
// and the older backups are left as they were (files it put in the store stay: they are whole).
std::filesystem::path backUpDataDir(DataDir& dir, const std::filesystem::path& backups, const std::string& name,
                                    int kept = kBackupsKept);

}  // namespace innvera
