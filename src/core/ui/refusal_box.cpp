#include "core/ui/refusal_box.h"

namespace innvera {

void showRefusal(Desk& desk, QWidget* window, const Refusal& refusal) {
    if (!refusal.message.empty()) desk.dialogs.inform("ATTENTION!", refusal.message);
    if (refusal.focus.empty()) return;
    // The window's own control: a calendar or message window it owns has controls of its own.
    for (QWidget* control : window->findChildren<QWidget*>(QString::fromStdString(refusal.focus)))
        if (control->window() == window) {
            control->setFocus();
            return;
        }
}

}  // namespace innvera
