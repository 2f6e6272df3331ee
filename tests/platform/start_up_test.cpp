// What start-up decides before any window system is reached: what the command line asks for,
// a missing data directory and a lock it cannot take.
#include <gtest/gtest.h>

#include "platform/command_line.h"
#include "platform/start_up.h"

using namespace innvera;

namespace {

using Action = CommandLine::Action;

TEST(CommandLine, TakesItsOwnOptionsAndQtsAndRefusesAnythingElse) {
    const CommandLine both = readCommandLine({"--data-dir", "/srv/motel", "--print-dir=/srv/printouts"});
    EXPECT_EQ(both.action, Action::Run);
    EXPECT_EQ(both.dataDir, "/srv/motel");
    EXPECT_EQ(both.printDir, "/srv/printouts");

    // Qt reads these itself once it starts; they are neither refused nor taken for ours.
    const CommandLine qt = readCommandLine({"-platform", "offscreen", "-style=Fusion", "--reverse", "--data-dir=/m"});
    EXPECT_EQ(qt.action, Action::Run);
    EXPECT_EQ(qt.dataDir, "/m");

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
}

TEST(StartUp, AMissingDataDirectoryIsMadeSilentlyOnlyTheFirstTimeOnTheDefault) {
    EXPECT_EQ(missingDataDir(false, false), MissingDataDir::MakeIt);
    EXPECT_EQ(missingDataDir(false, true), MissingDataDir::AskFirst);  // it held a motel before
    EXPECT_EQ(missingDataDir(true, false), MissingDataDir::AskFirst);  // --data-dir or INNVERA_DATA_DIR
    EXPECT_EQ(missingDataDirQuestion("/srv/motel"),
              "The data directory /srv/motel does not exist. Make a new, empty motel there?");
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
