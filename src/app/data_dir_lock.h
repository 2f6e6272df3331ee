#pragma once

#include <QLockFile>

#include <filesystem>
#include <optional>
#include <string>

// The lock a copy of the program holds on its data directory while it works on it.
namespace innvera {

struct LockRefused {
    std::string message;  // why, naming the computer that holds it when that is known
    bool heldByAnother;   // false: the lock file could not be made at all
};

// Takes the lock of the data directory at `root` (its kLockFileName) in `lock`, made on that
// file. A lock is stale only when the process that made it has ended on this computer, never
// because of its age. Nothing when it was taken.
std::optional<LockRefused> takeDataDirLock(QLockFile& lock, const std::filesystem::path& root);

}  // namespace innvera
