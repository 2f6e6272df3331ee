#include "platform/qt/handler.h"

namespace innvera {

namespace {

void report(Desk& desk, const FileError& error) {
    desk.dialogs.inform("ATTENTION!", "The file " + error.path().string() + " could not be used: " + error.reason() +
                                          ". What you just did may not be complete.");
}

}  // namespace

bool runHandler(Desk& desk, const std::function<void()>& body) {
    bool ok = true;
    try {
        body();
    } catch (const FileError& error) {
        ok = false;
        report(desk, error);
    }
    try {
        desk.dataDir.syncWritten();
    } catch (const FileError& error) {
        ok = false;
        report(desk, error);
    }
    return ok;
}

}  // namespace innvera
