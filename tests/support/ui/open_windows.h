#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "core/desk.h"

namespace innvera::testing {

// The object names of every window the program opens from the desk alone, each the name its
// class carries (calendars and message windows are opened by the window they belong to).
QStringList windowNames();
// Opens the window of that object name as the program does (the open one is shown on top);
// nullptr for a name no window carries.
QWidget* openWindow(Desk& desk, const QString& name);

}  // namespace innvera::testing
