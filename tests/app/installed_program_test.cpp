// The program as built, run as a shell runs it: with no display, and from its Debian package.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/files.h"

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
                             "./usr/share/icons/hicolor/256x256/apps/innvera.png"})
        EXPECT_TRUE(contains(contents.output, std::string(file) + "\n")) << file << " is not in:\n" << contents.output;
    for (const char* stranger : {"test_", "bench", "screenshots", "include/"})
        EXPECT_FALSE(contains(contents.output, stranger)) << stranger << " is packaged:\n" << contents.output;

    const Outcome depends = run("dpkg-deb --field " + quoted(deb) + " Depends");
    for (const char* library : {"libqt6widgets6", "libqt6printsupport6", "libqt6gui6", "libqt6core6"})
        EXPECT_TRUE(contains(depends.output, library)) << library << " is not in: " << depends.output;

    // Unpacked as dpkg would, the program runs.
    ASSERT_EQ(run("dpkg-deb --extract " + quoted(deb) + " " + quoted(out.path() / "root")).exitCode, 0);
    const Outcome version = run(kNoDisplay + quoted(out.path() / "root/usr/bin/innvera") + " --version");
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.output, "Innvera " INNVERA_VERSION "\n");
}

}  // namespace
