#include "platform/qt/windows.h"

#include <QTimer>

namespace innvera {

Windows::Windows(std::function<void()> whenNoneLeft) : whenNoneLeft_(std::move(whenNoneLeft)) {}

QWidget* Windows::show(QWidget* window) {
    if (windows_.contains(window)) {
        raise(window);
        return window;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_.append(window);
    connect(window, &QObject::destroyed, this, [this] { checkNoneLeft(); });
    window->show();
    window->raise();
    return window;
}

void Windows::raise(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
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
