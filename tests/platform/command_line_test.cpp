// What the command line asks for, read before any window system is reached.
#include <gtest/gtest.h>

#include "platform/command_line.h"

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

}  // namespace
