#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

// innvera --export FORM ARGUMENTS [--output FILE]: a report as comma-separated values, made with
// no window and no display.
namespace innvera {

// Reads the data directory `root` without making, changing or locking anything in it, and writes
// the form's CSV to `out`, or to `output` when one is given (written whole to a temporary file
// beside it, then put in its place). `words` are the form and its arguments as typed (see
// helpText). Returns the exit status: 0 when written; 2 when the form or an argument is wrong,
// the directory cannot be read or the output cannot be written, said in one line on `err`, with
// nothing written. What the statistics could not count (damaged stays and folio lines) is said
// on `err` too, a line each, after the export was written.
int exportFromCommandLine(const std::filesystem::path& root, const std::vector<std::string>& words,
                          const std::string& output, std::ostream& out, std::ostream& err);

}  // namespace innvera
