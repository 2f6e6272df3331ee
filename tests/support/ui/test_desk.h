#pragma once

#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/qt/windows.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/ui/open_windows.h"

// Lets test failures show a QString as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace innvera::testing {

// A whole desk over a fresh data directory, with a set clock, scripted message boxes and
// a printer that keeps what it is given. Every window the test opens is closed at the end.
class TestDesk {
public:
    TestDesk();
    ~TestDesk();

    std::filesystem::path path(const std::string& name) const { return folder.path() / name; }
    // Opens the window of that object name as the program does; fails the test for no such window.
    QWidget* open(const QString& name);

    TempFolder folder;
    DataDir dataDir;
    FakeClock clock;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    Session session;
    Windows windows;
    Desk desk;
    int programEnded = 0;  // times the registry found no window left
};

// The child widget of that object name and type; fails the test when there is none.
template <class W>
W* child(QWidget* window, const char* objectName) {
    W* found = window ? window->findChild<W*>(QString::fromLatin1(objectName)) : nullptr;
    EXPECT_NE(found, nullptr) << "no " << objectName;
    return found;
}

// Chooses the entry in a drop-down list as the clerk's click would; fails the test when
// the list has no such entry.
inline void chooseEntry(QComboBox* list, const QString& entry) {
    const int index = list ? list->findText(entry) : -1;
    ASSERT_GE(index, 0) << entry.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Lets queued events (deferred deletes, single-shot timers of 0 ms) run.
void settle();

// The back colour a window gave a control, as #rrggbb; empty when it set none.
inline QString backColour(const QWidget* widget) {
    static const QRegularExpression rule(QStringLiteral("background-color:\\s*(#[0-9a-fA-F]{6})"));
    const QRegularExpressionMatch match = rule.match(widget->styleSheet());
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

// The entries of a drop-down or the rows of a list.
template <class List>
QStringList itemsOf(const List* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->model()->index(i, 0).data().toString();
    return items;
}

inline void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }


}  // namespace innvera::testing
