#include "platform/qt/handler.h"

#include <exception>

namespace innvera {

namespace {

void report(Desk& desk, const FileError& error) {
    desk.dialogs.inform("ATTENTION!", "The file " + error.path().string() + " could not be used: " + error.reason() +
                                          ". What you just did may not be complete.");
}

void reportUnexpected(Desk& desk, const std::string& what) {
    desk.dialogs.inform("ATTENTION!", "Something went wrong: " + what + ". What you just did may not be complete.");
}

}  // namespace

bool runHandler(Desk& desk, const std::function<void()>& body) {
    bool ok = true;
    try {
        body();
    } catch (const FileError& error) {
        ok = false;
        report(desk, error);
    } catch (const std::exception& error) {
        ok = false;
        reportUnexpected(desk, error.what());
    } catch (...) {
        ok = false;
        reportUnexpected(desk, "an unknown error");
    }
    try {
        desk.dataDir.syncWritten();
    } catch (const FileError& error) {
        ok = false;
        report(desk, error);
    } catch (const std::exception& error) {
        ok = false;
        reportUnexpected(desk, error.what());
    }
    return ok;
}

}  // namespace innvera
