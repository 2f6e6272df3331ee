#include "platform/qt/windows.h"

#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace innvera {

Windows::Windows(std::function<void()> whenNoneLeft) : whenNoneLeft_(std::move(whenNoneLeft)) {}

QWidget* Windows::show(QWidget* window) {
    if (windows_.contains(window)) {
        raise(window);
        return window;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_.append(window);
    const qsizetype opened = windows_.size();
    connect(window, &QObject::destroyed, this, [this] { checkNoneLeft(); });
    place(window);
    window->show();
    // The new window takes the keyboard, in front of the one it was opened from; a window it
    // opened itself as it came up (the search of the checked-out guests) goes in front of it.
    QWidget* front = window;
    for (qsizetype i = windows_.size(); i > opened; --i)
        if (windows_[i - 1] && windows_[i - 1]->isVisible()) {
            front = windows_[i - 1];
            break;
        }
    if (front != window) window->raise();
    raise(front);
    return window;
}

void Windows::raise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
    // Typing goes to the window's first box (or whatever it put the focus on itself).
    if (window->focusWidget()) return;
    for (QWidget* next = window->nextInFocusChain(); next && next != window; next = next->nextInFocusChain())
        if (next->window() == window && next->isVisibleTo(window) && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
}

void Windows::place(QWidget* window) const {
    if (window->testAttribute(Qt::WA_Moved)) return;  // it placed itself
    QWidget* over = window->parentWidget() ? window->parentWidget()->window() : hub_.data();
    if (!over || over == window || !over->isVisible()) return;
    if (!window->testAttribute(Qt::WA_Resized)) window->adjustSize();
    QRect placed(QPoint(), window->size());
    placed.moveCenter(over->frameGeometry().center());
    // Whole on the screen of the window it opens over, as far as it fits.
    if (const QScreen* screen = over->screen()) {
        const QRect free = screen->availableGeometry();
        placed.moveLeft(std::max(free.left(), std::min(placed.left(), free.right() + 1 - placed.width())));
        placed.moveTop(std::max(free.top(), std::min(placed.top(), free.bottom() + 1 - placed.height())));
    }
    window->move(placed.topLeft());
}

void Windows::openHub() {
    if (hub_ && hub_->isVisible()) return;
    if (hubOpener_) hubOpener_();
}

QWidget* Windows::find(const QString& name) const {
    for (QWidget* window : openWindows())
        if (window->objectName() == name) return window;
    return nullptr;
}

QList<QWidget*> Windows::openWindows() const {
    QList<QWidget*> open;
    for (const auto& window : windows_)
        if (window && window->isVisible()) open.append(window);
    return open;
}

void Windows::closeAllBut(const QWidget* except, const QStringList& keep) {
    for (QWidget* window : openWindows())
        if (window != except && !keep.contains(window->objectName())) window->close();
}

void Windows::checkNoneLeft() {
    if (checkQueued_) return;
    checkQueued_ = true;
    // Decided once the current handler is over: a window that closes one window and opens
    // another must not end the program in between.
    QTimer::singleShot(0, this, [this] {
        checkQueued_ = false;
        windows_.removeAll(nullptr);
        if (openWindows().isEmpty() && whenNoneLeft_) whenNoneLeft_();
    });
}

}  // namespace innvera
