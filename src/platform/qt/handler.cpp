#include "platform/qt/handler.h"

#include <exception>

#include "platform/qt/change_notices.h"

namespace innvera {

namespace {

// What became of the handler's writes, after the reason it failed.
std::string outcome(Desk& desk, bool keptPart) {
    if (desk.dataDir.undoPending())
        return "What you just did could not be undone yet; Innvera will undo it when it starts again.";
    if (keptPart) return "What was already saved stays saved; nothing after it was changed.";
    return "Nothing was changed: what you just did was undone.";
}

// Tells the windows that follow the files what the handler committed.
void announceCommitted(Desk& desk) {
    desk.notices.announce(desk.dataDir.kindsOf(desk.dataDir.takeCommittedChanges()));
}

}  // namespace

bool runHandler(Desk& desk, const std::function<void()>& body) {
    DataDir& dir = desk.dataDir;
    const std::uint64_t commitsBefore = dir.commitCount();
    std::string reason;
    try {
        body();
        dir.commit();
        announceCommitted(desk);
        return true;
    } catch (const FileError& error) {
        reason = "The file " + error.path().string() + " could not be used: " + error.reason() + ". ";
    } catch (const std::exception& error) {
        reason = std::string("Something went wrong: ") + error.what() + ". ";
    } catch (...) {
        reason = "Something went wrong. ";
    }
    // A failed write has rolled back already; a failed read, print or other failure has not.
    dir.rollback();
    desk.dialogs.inform("ATTENTION!", reason + outcome(desk, dir.commitCount() != commitsBefore));
    announceCommitted(desk);  // what it kept before it failed
    return false;
}

}  // namespace innvera
