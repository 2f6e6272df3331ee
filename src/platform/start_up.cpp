#include "platform/start_up.h"

namespace innvera {

MissingDataDir missingDataDir(bool givenExplicitly, bool usedBefore) {
    return givenExplicitly || usedBefore ? MissingDataDir::AskFirst : MissingDataDir::MakeIt;
}

std::string missingDataDirQuestion(const std::filesystem::path& root) {
    return "The data directory " + root.string() + " does not exist. Make a new, empty motel there?";
}

std::optional<std::string> lockRefusal(LockOutcome outcome, const std::optional<LockOwner>& owner,
                                       const std::string& thisHost, const std::filesystem::path& root,
                                       const std::filesystem::path& lockFile) {
    const std::string dir = root.string();
    switch (outcome) {
    case LockOutcome::Taken:
        return std::nullopt;
    case LockOutcome::CannotCreate:
        return "Innvera cannot write in the data directory " + dir + ", so it cannot work on it.";
    case LockOutcome::Held:
        break;
    }
    if (!owner)
        return "The lock file " + lockFile.string() + " of the data directory " + dir +
               " cannot be read. If Innvera is not running on this or another computer, delete that file and start again.";
    if (!owner->host.empty() && owner->host != thisHost)
        return "Innvera is already running on the data directory " + dir + " on the computer " + owner->host +
               ". Close it there first. If it is no longer running there, delete the file " + lockFile.string() +
               " and start again.";
    return "Innvera is already running on the data directory " + dir + ". Use the window that is open.";
}

}  // namespace innvera
