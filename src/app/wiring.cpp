#include "app/wiring.h"

#include "platform/qt/windows.h"

namespace innvera {

void defineWindows(Desk& desk) {
    Windows& windows = desk.windows;
    (void)windows;
}

}  // namespace innvera
