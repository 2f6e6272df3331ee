#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "core/desk.h"

// innvera --restore [BACKUP] [--force]: lists the nightly backups, or puts one in place of the data
// directory, with no window and no display.
namespace innvera {

// The data check run on the assembled directory before it is put in place: its findings, a line
// each; none when the data is sound.
using RestoreCheck = std::function<std::vector<std::string>(const std::filesystem::path& assembled)>;

// With `backup` empty: writes the backups of `dataRoot` to `out`, newest first, a line each (the
// name, the day and time, the size), and returns 0.
// Otherwise `backup` is a name from that list or the path of a backup folder: takes the data
// directory's lock (refused, naming the computer that holds it, while another copy of the program
// runs on it), finishes or removes what an earlier restore cut by a crash left, assembles the
// backup beside the data directory and runs `check` on it (when given). Findings are written to
// `out` and stop the restore (the assembly is removed) unless `force`. Then the backup is put in
// place and the folder the old data directory went to is named.
// Returns the exit status: 0 when restored, 1 when refused (locked, or findings without `force`),
// 2 when it cannot be done (no such backup, a file that cannot be used), said in one line on `err`.
// The folder put aside is named with `clock`'s date and time.
int restoreFromCommandLine(const std::filesystem::path& dataRoot, const std::string& backup, bool force,
                           const RestoreCheck& check, const Clock& clock, std::ostream& out, std::ostream& err);

// A size as the list shows it: "812 bytes", "14.2 KB", "190.4 MB", "1.3 GB" (1 KB = 1000 bytes).
std::string backupSizeText(std::uint64_t bytes);

}  // namespace innvera
