#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/desk.h"
#include "platform/file_layer.h"

// Restoring a nightly backup: the backup is built as a whole data directory beside the data
// directory, checked by the caller, then swapped into the data directory's place in one step; the
// directory it replaces is moved aside, never deleted.
namespace innvera {

// The mark at the root of a data directory being restored ("<data>.restoring" while it is
// assembled, the data directory itself between the swap and the end): a crash is finished or
// undone by recoverRestore. It holds the name the replaced directory is to take.
inline constexpr const char* kRestoreMarker = ".innvera-restore";

struct BackupEntry {
    std::string name;  // "2026-12-06 013012"
    std::filesystem::path folder;
    Date day;
    TimeOfDay time;          // from the name
    std::uint64_t bytes = 0;  // the backup's size as restored (own files + store files it takes)
};

// The finished backups in the folder, newest first; never one still marked unfinished, never
// closed-folios/ or anything else that is not a backup (a name that is no real date and time).
// None when the folder is missing; FileError when it cannot be read.
std::vector<BackupEntry> listBackups(const std::filesystem::path& backups);

// The backup at `folder` (a backup's folder given by its path), as listBackups gives it; nothing
// when the folder is no finished backup.
std::optional<BackupEntry> backupAt(const std::filesystem::path& folder);

// Where a data directory is assembled before it is put in place: "<data>.restoring" beside it.
std::filesystem::path restoreFolderOf(const std::filesystem::path& dataRoot);

// Builds the backup as a whole data directory in restoreFolderOf(dataRoot), through `layer`,
// synced, marked as a restore in progress (kRestoreMarker), the files carrying the modification
// times they had. The backup's own files, less its manifest, then the store files its manifest
// names, into dailycharge/. Returns the folder. FileError when it cannot (a store file missing or
// not of the size listed, a folder already at that name, the disk full); nothing is left behind then.
std::filesystem::path assembleRestore(const BackupEntry& backup, const std::filesystem::path& dataRoot, FileLayer& layer);

// Puts the assembled folder in the data directory's place and moves the current data directory
// aside to "<data name> before restore <asideStamp>" beside it (" 2", " 3", ... when taken; never
// deleted); returns that path (empty when there was no data directory to replace). All or nothing:
// the two names are exchanged in one step, so the data directory's name always holds a whole
// directory, and the marker tells a recovery which side of the exchange a crash came on.
std::filesystem::path putRestoreInPlace(const std::filesystem::path& assembled, const std::filesystem::path& dataRoot,
                                        const std::string& asideStamp, FileLayer& layer);

// Removes an assembled folder not put in place (the clerk said no after the data check). Only a
// folder that carries the marker is removed: after the exchange the name holds the old data.
void discardRestore(const std::filesystem::path& assembled);

// At start-up and before a restore: finishes a restore a crash cut (exchange done: move the old
// directory aside, drop the marker) or removes an unfinished assembly. Never deletes data that
// was the motel's: a folder at the assembly's name without the marker is left alone.
// The old directory is named after the time the restore marked, or, when its mark is
// damaged, after the clock's present time.
// FileError when the old directory cannot be moved aside.
void recoverRestore(const std::filesystem::path& dataRoot, FileLayer& layer, const Clock& clock);

}  // namespace innvera
