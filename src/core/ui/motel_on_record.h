#pragma once

#include "core/desk.h"
#include "core/motel_details.h"

namespace innvera {

// The motel's details as the desk shows and prints them now, read afresh. When the file cannot
// all be read, what it cannot give is the sample's and the clerk is told in one message box
// ("ATTENTION!"), once: not at the next print, only again once the file has changed and is
// still damaged. Printing goes on either way.
MotelOnRecord motelOnRecord(Desk& desk);

}  // namespace innvera
