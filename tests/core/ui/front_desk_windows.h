#pragma once

// The front desk's windows in a test desk (the main window, the menus and the welcome window)
// and the hand-built records they read, laid out field by field at their offsets.

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/ui/main_window.h"
#include "core/ui/menus.h"
#include "core/ui/welcome_window.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {

inline constexpr double kMay1 = 43586;  // the test clock's day, as stored

// A reservation, or a stay; an empty status is left as zero bytes, as on a record never closed.
inline Bytes reservation(const std::string& room, const std::string& name, double arrival, const std::string& status = "") {
    RecordBytes r(538);
    r.text(0, name, 30).text(272, room, 5).date(312, arrival).date(320, arrival + 2);
    return status.empty() ? r.bytes() : r.text(400, status, 20).bytes();
}
inline Bytes stay(const std::string& room, const std::string& name, double depart, const std::string& status = "") {
    RecordBytes r(528);
    r.text(0, name, 30).text(272, room, 5).date(312, depart - 3).date(320, depart).single(356, 7);
    return status.empty() ? r.bytes() : r.text(394, status, 20).bytes();
}
inline Bytes roomBytes(const std::string& room, const std::string& vacant, const std::string& status) {
    return RecordBytes(148).text(0, room, 5).text(5, "KING", 10).text(31, vacant, 1).text(32, "Y", 1).text(33, status, 1);
}
// Record 1 of a counter file (10 bytes) or flag file (20 or 40 bytes) holding `value`.
inline Bytes singleFile(float value, std::size_t length) { return RecordBytes(length).single(0, value); }

class FrontDeskWindows : public ::testing::Test {
protected:
    // Opening, clicking and closing let the events they cause run before returning.
    QWidget* open(const char* name) {
        QWidget* window = t.open(QString::fromLatin1(name));
        settle();
        return window;
    }
    void click(QWidget* window, const char* button) {
        if (auto* b = child<QPushButton>(window, button)) QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    void closeNow(QWidget* window) { window->close(), settle(); }
    bool isOpen(const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }
    QString text(QWidget* window, const char* label) { auto* l = child<QLabel>(window, label); return l ? l->text() : ""; }
    // The texts of the window's labels (or buttons), each after its object name if it has one, in window order.
    template <class W = QLabel>
    QStringList texts(QWidget* window) {
        QStringList all;
        for (auto* w : window->findChildren<W*>())
            all << (w->objectName().isEmpty() ? "" : w->objectName() + " ") + w->text();
        return all;
    }
    // The window's Timer1 as "interval ms, running" (or "stopped").
    QString timer(QWidget* window) {
        auto* timer = window->findChild<QTimer*>("Timer1");
        return !timer ? "no Timer1" : QString("%1 ms, %2").arg(timer->interval()).arg(timer->isActive() ? "running" : "stopped");
    }
    // The message boxes shown since the last call, as "title: text", a line each.
    std::string shownBoxes() {
        std::string all;
        for (const auto& box : t.dialogs.shown) all += (box.question ? "? " : "") + box.title + ": " + box.text + "\n";
        t.dialogs.clear();
        return all;
    }

    TestDesk t;
};

}  // namespace innvera::testing
