#include "platform/qt/handler.h"

namespace innvera {

namespace {

void report(Desk& desk, const FileError& error, bool keptPart) {
    std::string text = "The file " + error.path().string() + " could not be used: " + error.reason() + ". ";
    if (desk.dataDir.undoPending())
        text += "What you just did could not be undone yet; Innvera will undo it when it starts again.";
    else if (keptPart)
        text += "What was already saved stays saved; nothing after it was changed.";
    else
        text += "Nothing was changed: what you just did was undone.";
    desk.dialogs.inform("ATTENTION!", text);
}

}  // namespace

bool runHandler(Desk& desk, const std::function<void()>& body) {
    DataDir& dir = desk.dataDir;
    const std::uint64_t commitsBefore = dir.commitCount();
    try {
        body();
        dir.commit();
        return true;
    } catch (const FileError& error) {
        dir.rollback();  // a failed write has rolled back already; a failed read or print has not
        report(desk, error, dir.commitCount() != commitsBefore);
        return false;
    } catch (...) {
        dir.rollback();
        throw;
    }
}

}  // namespace innvera
