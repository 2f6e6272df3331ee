#pragma once

#include <QWidget>

#include "core/desk.h"
#include "core/refusal.h"

namespace innvera {

// Shows a refusal: the message under "ATTENTION!" (OK only), then the keyboard focus on the
// window's control of the documented name, when it has one. A refusal without a message (the
// clerk answered No to a question already) shows nothing.
void showRefusal(Desk& desk, QWidget* window, const Refusal& refusal);

}  // namespace innvera
