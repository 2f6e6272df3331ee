#pragma once

#include <QApplication>

namespace innvera {

// The busy cursor while it lives, for work the clerk waits on for a few seconds (reading every
// file of twenty years).
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace innvera
