// The program as built, run as a shell runs it: with no display, and from its Debian package.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "ledger/charge_codes.h"
#include "ledger/ledger.h"
#include "ledger/totals.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

struct Outcome {
    int exitCode = -1;
    std::string output;  // standard output and error, in order
};

Outcome run(const std::string& command) {
    Outcome result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    char block[4096];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, pipe)) > 0;) result.output.append(block, n);
    const int status = pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return result;
}

std::string quoted(const std::filesystem::path& path) { return "'" + path.string() + "'"; }

// No X, no Wayland and no Qt platform: what a terminal over ssh or an install script has.
const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(Program, AnswersHelpAndVersionWithoutADisplayAndRefusesAMistypedOption) {
    const Outcome help = run(kNoDisplay + "XDG_DATA_HOME=/srv/desk " + quoted(INNVERA_BINARY) + " --help");
    EXPECT_EQ(help.exitCode, 0) << help.output;
    for (const char* named : {"--data-dir DIR", "--print-dir DIR", "-h, --help", "-v, --version", "-platform NAME",
                              "--export FORM ARGUMENTS", "daily FIRST [LAST]", "monthly YYYY-MM", "housekeeping DATE",
                              "guests LIST FIRST LAST", "statistics YYYY-MM", "statistics YYYY", "invoice ACCOUNT NUMBER",
                              "--output FILE", "--check",
                              "INNVERA_DATA_DIR", "INNVERA_PRINT_DIR", "XDG_DATA_HOME", "QT_QPA_PLATFORM",
                              "Default: /srv/desk/innvera/motel"})
        EXPECT_TRUE(contains(help.output, named)) << named << " is not in:\n" << help.output;

    const Outcome version = run(kNoDisplay + quoted(INNVERA_BINARY) + " --version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "Innvera " INNVERA_VERSION "\n");

    const Outcome typo = run(kNoDisplay + quoted(INNVERA_BINARY) + " --data-dri /srv/motel");
    EXPECT_EQ(typo.exitCode, 2);
    EXPECT_EQ(typo.output, "innvera: Innvera has no option --data-dri.\nTry innvera --help for the options.\n");
}

// The program's output alone, its error output thrown away.
Outcome runQuietly(const std::string& command) { return run("(" + command + " 2>/dev/null)"); }

TEST(Program, ExportsEachFormWithoutADisplayLockOrChangeInTheDataDirectory) {
    MotelFolder motel;
    writeBytes(motel.dataDir.rooms(), concat({roomBytes("101", "NQ1", "ONK", 65, "\"LEAKY\", SINK", may(2).serial())}));
    writeBytes(motel.dataDir.dayTotals(dayKey(may(1))), totalsBytes({{slot::RoomRent, 65}, {slot::Cash, 72.8f}}));
    const Snapshot before = snapshot(motel.folder.path());
    const std::string program = kNoDisplay + quoted(INNVERA_BINARY) + " --data-dir " + quoted(motel.folder.path()) + " ";

    const Outcome daily = run(program + "--export daily 2019-05-01");
    EXPECT_EQ(daily.exitCode, 0) << daily.output;
    EXPECT_EQ(daily.output,
              "Date,Rent,Tax,Cash,Visa,Master Card,Discover,American Express,Direct Bill,Pet,Copies,Stamps,Roll Away,"
              "Wi-Fi,Other,Total Revenue\r\n"
              "2019-05-01,65.00,0.00,72.80,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,65.00\r\n");
    TempFolder out;
    const Outcome rooms = run(program + "--export housekeeping 2019-05-01 --output " + quoted(out.path() / "rooms.csv"));
    EXPECT_EQ(rooms.exitCode, 0) << rooms.output;
    EXPECT_EQ(rooms.output, "");
    EXPECT_EQ(readText(out.path() / "rooms.csv"),
              "Date,Room,C/O S/O,Status,Comment\r\n2019-05-01,101,Stay,OK,\"\"\"LEAKY\"\", SINK\"\r\n");
    for (const char* form : {"monthly 2019-05", "guests in-house 2019-05-01 2019-05-31", "statistics 2019",
                             "statistics 2019-05"})
        EXPECT_EQ(runQuietly(program + "--export " + form).exitCode, 0) << form;
    // Nothing made, nothing changed, no lock taken: the guest file and the others stay missing.
    EXPECT_EQ(snapshot(motel.folder.path()), before);
}

TEST(Program, RefusesAnExportItCannotMakeInOneLineWithStatusTwoWritingNothing) {
    MotelFolder motel;
    TempFolder out;
    std::filesystem::create_directory(out.path() / "a folder");
    writeText(out.path() / "kept.csv", "kept");
    const std::string program = kNoDisplay + quoted(INNVERA_BINARY) + " --data-dir " + quoted(motel.folder.path()) + " ";
    const std::pair<std::string, std::string> refused[] = {
        {"--export", "innvera: --export needs a form: daily, monthly, housekeeping, guests, statistics and invoice.\n"},
        {"--export weekly 2019-05-01",
         "innvera: there is no export form weekly; the forms are daily, monthly, housekeeping, guests, statistics and "
         "invoice.\n"},
        {"--export daily 2019-02-30", "innvera: 2019-02-30 is not a date; give dates as YYYY-MM-DD.\n"},
        {"--export daily 5/1/2019", "innvera: 5/1/2019 is not a date; give dates as YYYY-MM-DD.\n"},
        {"--export daily 2019-05-02 2019-05-01",
         "innvera: the period ends (2019-05-01) before it starts (2019-05-02).\n"},
        {"--export statistics 2019-13", "innvera: 2019-13 is not a month or a year; give a month as YYYY-MM, a year as YYYY.\n"},
        {"--export guests everyone 2019-05-01 2019-05-31",
         "innvera: there is no guest list everyone; the lists are arrivals, departures and in-house.\n"},
        {"--export invoice ACME 1", "innvera: there is no direct bill account named ACME.\n"},
        {"--export monthly 2019-05 --output " + quoted(out.path() / "a folder"),
         "innvera: the output file " + (out.path() / "a folder").string() + " cannot be written: it is a folder.\n"},
        {"--export monthly 2019-05 --output " + quoted(out.path() / "no folder" / "kept.csv"),
         "innvera: the output file " + (out.path() / "no folder" / "kept.csv").string() +
             " cannot be written: No such file or directory.\n"},
    };
    const Snapshot before = snapshot(out.path());
    for (const auto& [arguments, said] : refused) {
        const Outcome outcome = run(program + arguments);
        EXPECT_EQ(outcome.exitCode, 2) << arguments;
        EXPECT_EQ(outcome.output, said) << arguments;
    }
    EXPECT_EQ(snapshot(out.path()), before);

    // A change in the middle (or cut off) is never read half made.
    writeText(motel.dataDir.journal(), "");
    const Outcome journal = run(program + "--export monthly 2019-05");
    EXPECT_EQ(journal.exitCode, 2);
    EXPECT_TRUE(contains(journal.output, "is in the middle of a change")) << journal.output;
    const Outcome missing = run(kNoDisplay + quoted(INNVERA_BINARY) + " --export monthly 2019-05 --data-dir " +
                                quoted(out.path() / "no motel"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.output, "innvera: there is no data directory " + (out.path() / "no motel").string() + ".\n");
    EXPECT_FALSE(std::filesystem::exists(out.path() / "no motel"));
}

// A guest in house in 101 with the night of 5/1 on her folio and in the totals: files that agree.
TEST(Program, ChecksTheDataDirectoryWithStatusZeroOneOrTwo) {
    MotelFolder motel;
    DataDir& dir = motel.dataDir;
    addRoom(dir, "101", "NQ1", 65, "O", "N");
    putGuest(dir, "101", 1, "ANN LEE", may(3));
    writeCounter(dir, dir.folioCounter(), 1);
    postToFolio(dir, 1, "101", may(1), 'E', 65.0);
    dir.commit();
    const Snapshot before = snapshot(motel.folder.path());
    const std::string program = kNoDisplay + quoted(INNVERA_BINARY) + " --check";

    const Outcome agrees = run(program + " --data-dir " + quoted(motel.folder.path()));
    EXPECT_EQ(agrees.exitCode, 0) << agrees.output;
    EXPECT_EQ(agrees.output, "No findings: the files agree.\n");
    const Outcome fromEnvironment = run("INNVERA_DATA_DIR=" + quoted(motel.folder.path()) + " " + program);
    EXPECT_EQ(fromEnvironment.exitCode, 0) << fromEnvironment.output;

    changeRecord<Room>(dir, dir.rooms(), 1, [](Room& room) { room.vacantFlag = "Y"; });
    writeBytes(dir.dayTotals(dayKey(may(1))), totalsBytes({{slot::RoomRent, 65.01f}}));
    dir.commit();
    const Snapshot damaged = snapshot(motel.folder.path());
    const Outcome findings = runQuietly(program + " --data-dir " + quoted(motel.folder.path()));
    EXPECT_EQ(findings.exitCode, 1);
    EXPECT_EQ(findings.output,
              "rooms, record 1: room 101 is not marked occupied (O), though the stay in house of guest record 1 (folio "
              "1) is in it.\n"
              "dailytotals/05012019: slot 6 (Room Rent) holds 65.01, but the folio lines posted on 5/1/2019 add up to "
              "65.\n"
              "2 findings.\n");
    EXPECT_EQ(snapshot(motel.folder.path()), damaged) << "the check changes nothing";
    EXPECT_NE(damaged, before);

    const std::filesystem::path missing = motel.folder.path() / "elsewhere";
    const Outcome unreadable = run(program + " --data-dir " + quoted(missing));
    EXPECT_EQ(unreadable.exitCode, 2);
    EXPECT_EQ(unreadable.output, "innvera: the data directory " + missing.string() + " cannot be read: there is no such folder.\n");
    EXPECT_EQ(runQuietly(program + " --data-dir " + quoted(missing)).output, "") << "nothing on the standard output";
    EXPECT_FALSE(std::filesystem::exists(missing)) << "nothing is made";
}

TEST(Package, TheDebianPackageHoldsTheProgramItsMenuEntryAndIconAndStarts) {
    if (run("command -v dpkg-deb").exitCode != 0) GTEST_SKIP() << "dpkg-deb is missing";
    TempFolder out;
    const Outcome pack = run(quoted(INNVERA_CPACK) + " --config " + quoted(INNVERA_CPACK_CONFIG) + " -B " + quoted(out.path()));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    std::filesystem::path deb;
    for (const auto& entry : std::filesystem::directory_iterator(out.path()))
        if (entry.path().extension() == ".deb") deb = entry.path();
    ASSERT_FALSE(deb.empty()) << pack.output;

    const Outcome contents = run("dpkg-deb --contents " + quoted(deb));
    ASSERT_EQ(contents.exitCode, 0) << contents.output;
    for (const char* file : {"./usr/bin/innvera", "./usr/share/applications/innvera.desktop",
                             "./usr/share/icons/hicolor/scalable/apps/innvera.svg",
                             "./usr/share/icons/hicolor/48x48/apps/innvera.png",
                             "./usr/share/icons/hicolor/256x256/apps/innvera.png",
                             "./usr/share/doc/innvera/copyright"})
        EXPECT_TRUE(contains(contents.output, std::string(file) + "\n")) << file << " is not in:\n" << contents.output;
    for (const char* stranger : {"test_", "bench", "screenshots", "include/"})
        EXPECT_FALSE(contains(contents.output, stranger)) << stranger << " is packaged:\n" << contents.output;

    const Outcome depends = run("dpkg-deb --field " + quoted(deb) + " Depends");
    for (const char* library : {"libqt6widgets6", "libqt6printsupport6", "libqt6charts6", "libqt6gui6", "libqt6core6"})
        EXPECT_TRUE(contains(depends.output, library)) << library << " is not in: " << depends.output;

    // Unpacked as dpkg would, the program runs.
    ASSERT_EQ(run("dpkg-deb --extract " + quoted(deb) + " " + quoted(out.path() / "root")).exitCode, 0);
    const Outcome version = run(kNoDisplay + quoted(out.path() / "root/usr/bin/innvera") + " --version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "Innvera " INNVERA_VERSION "\n");
}

}  // namespace
