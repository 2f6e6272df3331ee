#pragma once

#include <string>
#include <string_view>
#include <vector>

// The program's command line, read before any window system is reached, so that --help and
// --version answer on a machine with no display.
namespace innvera {

struct CommandLine {
    enum class Action {
        Run,      // start the front desk
        Help,     // print helpText() and stop
        Version,  // print versionText() and stop
        Export,   // write a report as CSV (--export FORM ...) and stop
        Check,    // check whether the data directory's files agree (--check) and stop
        Restore,  // restore a backup (--restore [BACKUP] [--force]), or list them, and stop
        Refuse    // print `problem` and stop with a usage error
    };
    Action action = Action::Run;
    std::string dataDir;   // --data-dir, empty when not given
    std::string printDir;  // --print-dir, empty when not given
    std::vector<std::string> exportWords;  // with Export: the form and its arguments, as given
    std::string output;    // --output, with Export: the file to write; empty for standard output
    std::string problem;   // with Refuse: what is wrong, as one sentence
    std::string restoreBackup;  // with Restore: the backup's name or folder; empty to list them
    bool force = false;         // with Restore: --force, restore even when the data check finds faults
};

// Reads the arguments that follow the program's name. Taken: --data-dir DIR and --print-dir
// DIR (also written --data-dir=DIR), -h, --help, -?, -v and --version, and Qt's own options
// (-platform NAME, -style NAME, -reverse, ..., which Qt reads itself later). Help wins over
// everything else, then the version; anything else (an unknown option, an option without its
// value, a stray word) is refused, so a mistyped option never starts the desk on the wrong
// data directory. --export (or --export=FORM) takes the words after it up to the next option
// as the form and its arguments, which the export itself checks; --output FILE goes with it.
// --check (no value) checks the data directory, --data-dir naming it.
// --restore takes the one word after it (or --restore=BACKUP) as the backup, none to list them;
// --force goes with it.
CommandLine readCommandLine(const std::vector<std::string>& arguments);

// What --help prints: every option and every environment variable the program reads, with
// the default data directory and printout folder of this machine.
std::string helpText(std::string_view defaultDataDir, std::string_view defaultPrintDir);
// What --version prints: "Innvera 0.1".
std::string versionText(std::string_view version);
// What a refused command line prints (to the error stream).
std::string refusalText(const CommandLine& refused);

}  // namespace innvera
