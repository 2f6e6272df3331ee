// What start-up decides before any window system: the command line and a lock it cannot take.
#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "platform/start_up.h"

using namespace innvera;

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, TakesItsOwnOptionsAndRefusesAnythingElse) {
    const CommandLine both = readCommandLine({"--data-dir", "/srv/motel", "--print-dir=/srv/printouts"});
    EXPECT_EQ(both.action, Action::Run);
    EXPECT_EQ(both.dataDir, "/srv/motel");
    EXPECT_EQ(both.printDir, "/srv/printouts");

    // Help and the version win over a mistake, so a user can always ask.
    EXPECT_EQ(readCommandLine({"--data-dri", "x", "-?"}).action, Action::Help);
    EXPECT_EQ(readCommandLine({"-v", "--help"}).action, Action::Help);
    EXPECT_EQ(readCommandLine({"stray", "--version"}).action, Action::Version);

    const auto problem = [](std::vector<std::string> arguments) {
        const CommandLine line = readCommandLine(arguments);
        EXPECT_EQ(line.action, Action::Refuse);
        return line.problem;
    };
    EXPECT_EQ(problem({"--data-dir"}), "The option --data-dir needs a value: --data-dir DIR.");
    EXPECT_EQ(problem({"--print-dir="}), "The option --print-dir needs a value: --print-dir DIR.");
    EXPECT_EQ(problem({"-platform"}), "The option -platform needs a value: -platform VALUE.");
    EXPECT_EQ(problem({"-data-dir", "/srv/motel"}), "Innvera has no option -data-dir.");
    EXPECT_EQ(problem({"--data-dir", "/a", "/srv/motel"}), "Innvera takes no argument of this kind: /srv/motel.");
    EXPECT_EQ(problem({"--output", "x.csv"}), "The option --output goes with --export.");
    EXPECT_EQ(problem({"--export", "daily", "--output"}), "The option --output needs a value: --output FILE.");
}

TEST(CommandLine, ExportTakesTheWordsUpToTheNextOptionAsTheFormAndItsArguments) {
    const CommandLine line =
        readCommandLine({"--export", "guests", "in-house", "2019-05-01", "2019-05-31", "--data-dir", "/srv", "--output=g.csv"});
    EXPECT_EQ(line.action, Action::Export);
    EXPECT_EQ(line.exportWords, (std::vector<std::string>{"guests", "in-house", "2019-05-01", "2019-05-31"}));
    EXPECT_EQ(line.dataDir, "/srv");
    EXPECT_EQ(line.output, "g.csv");
    EXPECT_EQ(readCommandLine({"--export=statistics", "2019"}).exportWords, (std::vector<std::string>{"statistics", "2019"}));
    // A form left out is the export's to say; a Qt option ends the words too.
    EXPECT_EQ(readCommandLine({"--export", "-platform", "offscreen"}).exportWords, std::vector<std::string>{});
    EXPECT_EQ(readCommandLine({"--export", "daily", "--help"}).action, Action::Help);
}

TEST(CommandLine, CheckTakesTheDataDirectoryAndNoValueOrExportBesideIt) {
    const CommandLine line = readCommandLine({"--check", "--data-dir", "/srv/motel"});
    EXPECT_EQ(line.action, Action::Check);
    EXPECT_EQ(line.dataDir, "/srv/motel");
    EXPECT_EQ(readCommandLine({"--data-dir=/srv", "--check"}).action, Action::Check);
    EXPECT_EQ(readCommandLine({"--check"}).dataDir, "");
    EXPECT_EQ(readCommandLine({"--check", "--help"}).action, Action::Help);
    EXPECT_EQ(readCommandLine({"--check=all"}).problem, "The option --check takes no value.");
    EXPECT_EQ(readCommandLine({"--check", "--export", "daily", "2019-05-01"}).problem,
              "The options --check and --export go one at a time.");
    EXPECT_EQ(readCommandLine({"--check", "--output", "x"}).problem, "The option --output goes with --export.");
    EXPECT_EQ(readCommandLine({"--check", "stray"}).action, Action::Refuse);
    EXPECT_NE(helpText("/d", "/p").find("  --check          Check whether the files of the data directory agree"),
              std::string::npos);
}

TEST(CommandLine, RestoreTakesOneBackupOrNoneToListAndForceGoesWithIt) {
    const CommandLine list = readCommandLine({"--restore", "--data-dir", "/srv/motel"});
    EXPECT_EQ(list.action, Action::Restore);
    EXPECT_EQ(list.restoreBackup, "");
    EXPECT_EQ(list.dataDir, "/srv/motel");
    EXPECT_FALSE(list.force);

    const CommandLine named = readCommandLine({"--force", "--restore", "2019-05-02 013000", "--data-dir=/srv"});
    EXPECT_EQ(named.action, Action::Restore);
    EXPECT_EQ(named.restoreBackup, "2019-05-02 013000");
    EXPECT_TRUE(named.force);
    EXPECT_EQ(readCommandLine({"--restore=/srv/motel-backups/2019-05-02 013000"}).restoreBackup,
              "/srv/motel-backups/2019-05-02 013000");

    EXPECT_EQ(readCommandLine({"--force"}).problem, "The option --force goes with --restore.");
    EXPECT_EQ(readCommandLine({"--restore", "a", "b"}).problem, "Innvera takes no argument of this kind: b.");
    EXPECT_EQ(readCommandLine({"--restore", "--help"}).action, Action::Help);
    EXPECT_EQ(readCommandLine({"--check", "--restore", "x"}).problem, "The options --check and --restore go one at a time.");
}

TEST(StartUp, ALockIsRefusedWithWhatIsTrueOfIt) {
    const std::filesystem::path root = "/srv/motel";
    const std::filesystem::path lock = "/srv/motel/.innvera.lock";
    const auto refusal = [&](LockOutcome outcome, std::optional<LockOwner> owner) {
        return lockRefusal(outcome, owner, "desk", root, lock).value_or("(taken)");
    };
    EXPECT_EQ(refusal(LockOutcome::Taken, std::nullopt), "(taken)");
    EXPECT_EQ(refusal(LockOutcome::Held, LockOwner{4242, "desk"}),
              "Innvera is already running on the data directory /srv/motel. Use the window that is open.");
    EXPECT_EQ(refusal(LockOutcome::Held, LockOwner{4242, "office-pc"}),
              "Innvera is already running on the data directory /srv/motel on the computer office-pc. Close it there "
              "first. If it is no longer running there, delete the file /srv/motel/.innvera.lock and start again.");
    EXPECT_EQ(refusal(LockOutcome::Held, std::nullopt),
              "The lock file /srv/motel/.innvera.lock of the data directory /srv/motel cannot be read. If Innvera is "
              "not running on this or another computer, delete that file and start again.");
    EXPECT_EQ(refusal(LockOutcome::CannotCreate, std::nullopt),
              "Innvera cannot write in the data directory /srv/motel, so it cannot work on it.");
}

}  // namespace
