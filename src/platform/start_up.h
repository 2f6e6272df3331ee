#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace innvera {

// The decisions the program makes at start-up before it shows a window, kept apart from Qt
// so that they can be tested.

// What to do when the data directory is not there.
enum class MissingDataDir {
    MakeIt,   // the very first run on the default directory: made without a word
    AskFirst  // given on the command line or in INNVERA_DATA_DIR, or it held a motel before
};
MissingDataDir missingDataDir(bool givenExplicitly, bool usedBefore);
std::string missingDataDirQuestion(const std::filesystem::path& root);

// The lock file a running copy holds at the root of its data directory.
inline constexpr const char* kLockFileName = ".innvera.lock";

// How taking the data directory's lock went.
enum class LockOutcome {
    Taken,
    Held,         // the lock file is there and is not stale
    CannotCreate  // the lock file could not be made
};

// Who holds a lock, as its lock file says (nothing when it cannot be read).
struct LockOwner {
    long long pid = 0;
    std::string host;
};

// The message that stops the start, or nothing when the lock was taken. A lock is never
// taken over because of its age: only a lock whose process has ended on this computer is
// stale (the lock file itself decides that), so a copy on another computer keeps its lock
// however long it runs, and is named.
std::optional<std::string> lockRefusal(LockOutcome outcome, const std::optional<LockOwner>& owner,
                                       const std::string& thisHost, const std::filesystem::path& root,
                                       const std::filesystem::path& lockFile);

}  // namespace innvera
