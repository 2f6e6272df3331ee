#pragma once

#include "platform/desk.h"

namespace innvera {

// Defines every window of the program in the desk's window registry.
void defineWindows(Desk& desk);

}  // namespace innvera
