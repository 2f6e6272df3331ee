// What start-up decides about a missing data directory and a lock it cannot take.
#include <gtest/gtest.h>

#include "platform/start_up.h"

using namespace innvera;

namespace {

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
