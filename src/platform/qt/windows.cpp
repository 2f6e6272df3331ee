#include "platform/qt/windows.h"

#include <QTimer>

namespace innvera {

Windows::Windows(std::function<void()> whenNoneLeft) : whenNoneLeft_(std::move(whenNoneLeft)) {}

void Windows::define(const QString& name, Factory factory) { factories_[name] = std::move(factory); }

QWidget* Windows::open(const QString& name) {
    if (QWidget* existing = find(name)) {
        existing->show();
        existing->raise();
        existing->activateWindow();
        return existing;
    }
    const auto it = factories_.find(name);
    if (it == factories_.end()) return nullptr;
    QWidget* window = it->second();
    track(window);
    window->show();
    window->raise();
    return window;
}

QWidget* Windows::find(const QString& name) const {
    for (const auto& window : windows_)
        if (window && window->isVisible() && window->objectName() == name) return window;
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

void Windows::track(QWidget* window) {
    window->setAttribute(Qt::WA_DeleteOnClose);
    windows_.append(window);
    connect(window, &QObject::destroyed, this, [this] { checkNoneLeft(); });
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
