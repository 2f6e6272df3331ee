#pragma once

#include <filesystem>
#include <iosfwd>

// innvera --check [--data-dir DIR]: whether the files of the data directory agree, checked with
// no window and no display.
namespace innvera {

// Reads the data directory `root` without making, changing or locking anything in it, and writes
// to `out` the notes of a change in progress, a line per finding, then the summary ("3
// findings." or "No findings: the files agree."). Returns the exit status: 0 when the files
// agree, 1 when findings are listed, 2 when the directory cannot be read (said in one line on
// `err`, nothing on `out`).
int checkFromCommandLine(const std::filesystem::path& root, std::ostream& out, std::ostream& err);

}  // namespace innvera
