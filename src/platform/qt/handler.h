#pragma once

#include <functional>

#include "platform/desk.h"

namespace innvera {

// Runs the body of one event handler as one transaction on the data directory: when the
// body ends its writes are committed (synced, the journal dropped); when it ends on a
// FileError they are undone and the clerk is told ("ATTENTION!", naming the file, the
// reason and that what was just done was undone). Any other exception undoes them too and
// goes on. The body may call desk.dataDir.commit() to keep what it has written so far (a
// check-in before its folio is printed, a nightly run after each stay); a later failure
// then undoes only what came after. Returns false when the handler ended on a FileError.
bool runHandler(Desk& desk, const std::function<void()>& body);

}  // namespace innvera
