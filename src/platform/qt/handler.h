#pragma once

#include <functional>

#include "core/desk.h"

namespace innvera {

// Runs the body of one event handler as one transaction on the data directory, and is the one
// boundary every failure stops at. When the body ends its writes are committed (synced, the
// journal dropped) and announced to the windows that follow the files (desk.notices, with the
// kinds of file changed). When it ends on a failure of any kind its writes are undone and the clerk
// is told in one message box ("ATTENTION!"; for a file, naming it, the reason and that what was
// just done was undone); the program goes on. The body may call desk.dataDir.commit() to keep
// what it has written so far (a check-in before its folio is printed, a nightly run after each
// stay); a later failure then undoes only what came after. Returns false when the handler ended
// on a failure.
bool runHandler(Desk& desk, const std::function<void()>& body);

}  // namespace innvera
