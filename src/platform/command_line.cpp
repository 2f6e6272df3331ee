#include "platform/command_line.h"

#include <algorithm>
#include <array>

namespace innvera {

namespace {

// Options Qt reads from the command line itself, with one dash or two.
constexpr std::array<std::string_view, 12> kQtOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"};
constexpr std::array<std::string_view, 4> kQtFlags = {"reverse", "widgetcount", "nograb", "dograb"};

bool among(auto& names, std::string_view name) { return std::find(names.begin(), names.end(), name) != names.end(); }

// The option's name without its dashes and its "=value": "--data-dir=/srv" gives "data-dir".
std::string_view nameOf(std::string_view argument) {
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument.substr(0, argument.find('='));
}

CommandLine refuse(std::string problem) {
    CommandLine refused;
    refused.action = CommandLine::Action::Refuse;
    refused.problem = std::move(problem);
    return refused;
}

}  // namespace

CommandLine readCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    std::string problem;
    bool help = false, version = false;
    bool check = false;
    const auto note = [&](std::string text) {
        if (problem.empty()) problem = std::move(text);
    };

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "-h" || argument == "--help" || argument == "-?") {
            help = true;
            continue;
        }
        if (argument == "-v" || argument == "--version") {
            version = true;
            continue;
        }
        if (argument.size() < 2 || argument.front() != '-') {
            note("Innvera takes no argument of this kind: " + std::string(argument) + ".");
            continue;
        }
        if (argument == "--export" || argument.starts_with("--export=")) {
            line.action = CommandLine::Action::Export;
            line.exportWords.clear();
            if (argument.starts_with("--export=")) line.exportWords.emplace_back(argument.substr(9));
            while (i + 1 < arguments.size() && !(arguments[i + 1].size() > 1 && arguments[i + 1].front() == '-'))
                line.exportWords.push_back(arguments[++i]);
            continue;
        }
        if (argument == "--check" || argument.starts_with("--check=")) {
            if (argument != "--check") note("The option --check takes no value.");
            check = true;
            continue;
        }
        if (argument == "--restore" || argument.starts_with("--restore=")) {
            line.action = CommandLine::Action::Restore;
            line.restoreBackup.clear();
            if (argument.starts_with("--restore=")) line.restoreBackup = argument.substr(10);
            else if (i + 1 < arguments.size() && !(arguments[i + 1].size() > 1 && arguments[i + 1].front() == '-'))
                line.restoreBackup = arguments[++i];
            continue;
        }
        if (argument == "--force") {
            line.force = true;
            continue;
        }
        const std::string_view name = nameOf(argument);
        const std::size_t equals = argument.find('=');
        const bool ours = argument.starts_with("--") && (name == "data-dir" || name == "print-dir" || name == "output");
        if (ours || among(kQtOptionsWithValue, name)) {
            std::string value;
            if (equals != std::string_view::npos) {
                value = argument.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            }
            const std::string option(argument.substr(0, equals));
            if (value.empty()) {
                note("The option " + option + " needs a value: " + option +
                     (!ours ? " VALUE." : name == "output" ? " FILE." : " DIR."));
                continue;
            }
            if (ours) (name == "data-dir" ? line.dataDir : name == "output" ? line.output : line.printDir) = value;
        } else if (among(kQtFlags, name) && equals == std::string_view::npos) {
            continue;
        } else if (name == "qmljsdebugger" && equals != std::string_view::npos) {
            continue;
        } else {
            note("Innvera has no option " + std::string(argument.substr(0, equals)) + ".");
        }
    }

    if (!line.output.empty() && line.action != CommandLine::Action::Export)
        note("The option --output goes with --export.");
    if (check && line.action == CommandLine::Action::Export) note("The options --check and --export go one at a time.");
    else if (check && line.action == CommandLine::Action::Restore)
        note("The options --check and --restore go one at a time.");
    else if (check) line.action = CommandLine::Action::Check;
    if (line.force && line.action != CommandLine::Action::Restore) note("The option --force goes with --restore.");
    if (help) line.action = CommandLine::Action::Help;
    else if (version) line.action = CommandLine::Action::Version;
    else if (!problem.empty()) return refuse(problem);
    return line;
}

std::string helpText(std::string_view defaultDataDir, std::string_view defaultPrintDir) {
    const std::string dataDir(defaultDataDir), printDir(defaultPrintDir);
    return "Usage: innvera [options]\n"
           "\n"
           "Innvera, the front desk of a small motel: check-in and check-out, folios,\n"
           "reservations, rooms and rates, direct-bill accounts and the nightly end of day.\n"
           "\n"
           "Options:\n"
           "  --data-dir DIR   Work on the motel whose data directory is DIR. A directory that\n"
           "                   does not exist is made only after asking.\n"
           "                   Default: " + dataDir + "\n"
           "  --print-dir DIR  Write every printed document into DIR as a PDF, with a .txt twin\n"
           "                   holding its exact lines, instead of sending it to the printer.\n"
           "                   Default: the system's default printer; without one, the folder\n"
           "                   " + printDir + "\n"
           "  -h, --help       Show this help and stop.\n"
           "  -v, --version    Show the version and stop.\n"
           "\n"
           "Qt's own options are taken as well, for example -platform NAME (xcb, wayland,\n"
           "offscreen), -style NAME and -reverse.\n"
           "\n"
           "Exports (no display needed; they only read the data directory, and may run while\n"
           "Innvera is open):\n"
           "  --export FORM ARGUMENTS\n"
           "                   Write a report as comma-separated values for a spreadsheet (RFC\n"
           "                   4180: a heading row, CR LF, UTF-8; amounts with two decimals,\n"
           "                   dates YYYY-MM-DD) to the standard output. The forms:\n"
           "    daily FIRST [LAST]      The daily financial report: a row per day from FIRST to\n"
           "                            LAST (YYYY-MM-DD; one day without LAST).\n"
           "    monthly YYYY-MM         The monthly financial report of the month.\n"
           "    housekeeping DATE       The housekeeping report of the date, from the rooms as\n"
           "                            they are now.\n"
           "    guests LIST FIRST LAST  The guests of the period, LIST being arrivals,\n"
           "                            departures or in-house (staying a night of it).\n"
           "    statistics YYYY-MM      Occupancy, rooms sold, room revenue, ADR and RevPAR\n"
           "    statistics YYYY         night by night (or month by month for a year), beside\n"
           "                            the same period a year earlier.\n"
           "    invoice ACCOUNT NUMBER  Invoice NUMBER of the direct-bill account ACCOUNT (its\n"
           "                            name; quote a name with blanks).\n"
           "                   Exit status 0 when written. An unknown form, a bad date or an\n"
           "                   output that cannot be written is said in one line on the error\n"
           "                   output, with exit status 2, and nothing is written.\n"
           "  --output FILE    With --export: write to FILE (replaced whole) instead.\n"
           "\n"
           "  --check          Check whether the files of the data directory agree: rooms and\n"
           "                   the stays in house, folio, confirmation and account numbers,\n"
           "                   the day and month totals against the folio lines, the invoices,\n"
           "                   and damaged records. Prints a line per finding, then how many.\n"
           "                   It only reads, and may run while Innvera is open. Exit status 0\n"
           "                   when the files agree, 1 when findings are listed, 2 when the\n"
           "                   data directory cannot be read.\n"
           "\n"
           "Restoring a backup (no display needed; Innvera must not be open on the directory):\n"
           "  --restore        List the nightly backups of the data directory, newest first,\n"
           "                   with their dates and sizes.\n"
           "  --restore BACKUP Put the backup (a name from the list, quoted, or the path of a\n"
           "                   backup folder) in place of the data directory, after the data\n"
           "                   check has found nothing wrong with it. The data directory as it\n"
           "                   was is moved aside beside it, never deleted. Exit status 0 when\n"
           "                   restored, 1 when refused (Innvera open on the directory, or the\n"
           "                   check found faults), 2 when it cannot be done.\n"
           "  --force          With --restore BACKUP: restore even when the check finds faults.\n"
           "\n"
           "Environment:\n"
           "  INNVERA_DATA_DIR   The data directory, when --data-dir is not given.\n"
           "  INNVERA_PRINT_DIR  The folder for printed documents, when --print-dir is not given.\n"
           "  XDG_DATA_HOME      Holds the default data directory (innvera/motel in it;\n"
           "                     ~/.local/share when it is not set).\n"
           "  QT_QPA_PLATFORM    The window system Qt uses, as -platform does.\n";
}

std::string versionText(std::string_view version) { return "Innvera " + std::string(version) + "\n"; }

std::string refusalText(const CommandLine& refused) {
    return "innvera: " + refused.problem + "\nTry innvera --help for the options.\n";
}

}  // namespace innvera
