#pragma once

#include <functional>

#include "platform/desk.h"

namespace innvera {

// Runs the body of one event handler: the one boundary every handler's failures stop at. A file
// that cannot be read or written is shown to the clerk ("ATTENTION!", naming the file), any other
// failure likewise in one message box, and the program goes on; every file the handler wrote is
// synced to disk before it returns. Returns false when the handler ended on such a failure.
bool runHandler(Desk& desk, const std::function<void()>& body);

}  // namespace innvera
