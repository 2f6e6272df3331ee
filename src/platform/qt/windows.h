#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>

#include "core/desk.h"

namespace innvera {

// The registry of the program's open windows. A window class carries its documented name as
// `kName` (also its object name) and is made from the desk: `open<CheckInWindow>()` shows the
// open one on top or makes a new one; `find<FolioWindow>()` gives the open one. Windows that
// need more than the desk to be made (a calendar, a message window) are made by their owner and
// handed to show(). When the last open window is gone the program ends.
//
// A window opens centred over the window it belongs to (a calendar over its owner) or, when it
// belongs to none, over the hub (the main window, which registers itself), unless it placed
// itself before it was shown.
class Windows : public QObject {
public:
    // `whenNoneLeft` runs once the last window has closed (production: the application quits).
    explicit Windows(std::function<void()> whenNoneLeft);

    // The desk new windows are made with; set once, by whoever builds the desk.
    void attach(Desk& desk) { desk_ = &desk; }
    // The window the others open centred over.
    void setHub(QWidget* hub) { hub_ = hub; }
    // What opens the hub again; set once, by the program's top, the only place that knows it.
    void setHubOpener(std::function<void()> open) { hubOpener_ = std::move(open); }
    // Opens the hub unless it is open: for a window that hands the desk back to it when it is
    // left (the folio screen).
    void openHub();

    template <class W>
    W* open() {
        if (W* existing = find<W>()) {
            raise(existing);
            return existing;
        }
        Q_ASSERT(desk_);
        auto* window = new W(*desk_);
        Q_ASSERT(window->objectName() == QLatin1String(W::kName));
        show(window);
        return window;
    }

    template <class W>
    W* find() const {
        for (QWidget* window : openWindows())
            if (auto* typed = qobject_cast<W*>(window)) return typed;
        return nullptr;
    }

    // Tracks a window made elsewhere and shows it on top; returns it.
    QWidget* show(QWidget* window);
    // The open window of that object name, if any (calendars share one class under several names).
    QWidget* find(const QString& name) const;
    // Every open window but `except` and the windows named in `keep`.
    void closeAllBut(const QWidget* except, const QStringList& keep);
    QList<QWidget*> openWindows() const;

private:
    static void raise(QWidget* window);
    void place(QWidget* window) const;
    void checkNoneLeft();

    Desk* desk_ = nullptr;
    QPointer<QWidget> hub_;
    std::function<void()> whenNoneLeft_;
    std::function<void()> hubOpener_;
    QList<QPointer<QWidget>> windows_;
    bool checkQueued_ = false;
};

}  // namespace innvera
