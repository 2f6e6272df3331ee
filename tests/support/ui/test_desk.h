#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include "core/ui/date_calendar.h"
#include "platform/qt/change_notices.h"
#include "platform/qt/windows.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/ui/open_windows.h"

// Lets test failures show a QString as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace innvera::testing {

// A whole desk over a fresh data directory, with a set clock (1 May 2019, 10 AM), the hotel
// date the clock's day (last night's end of day done), scripted message boxes and a printer that
// keeps what it is given.
// Every window left open is closed at the end, and any the closing opens again.
class TestDesk {
public:
    TestDesk();
    ~TestDesk();

    std::filesystem::path path(const std::string& name) const { return folder.path() / name; }
    // Opens the window of that object name as the program does and lets the events that causes
    // run; fails the test for no such window.
    QWidget* open(const QString& name);
    // The open window of that object name, if any.
    QWidget* find(const char* name) const { return windows.find(QString::fromLatin1(name)); }
    bool isOpen(const char* name) const { return find(name) != nullptr; }
    // The message boxes shown since the last call, as "title: text" ("? title: text" for a
    // question), a line each.
    std::string shownBoxes();
    // Presses the button (see press) and gives the message boxes that brought up.
    std::string pressed(QWidget* window, const char* button);

    TempFolder folder;
    DataDir dataDir;
    FakeClock clock;
    ScriptedDialogs dialogs;
    CapturingPrinter printer;
    Session session;
    Windows windows;
    ChangeNotices notices;
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

// ---- A window's controls by object name -----------------------------------------------------

// What a label, a text box, a button or a drop-down list (its current text) shows.
QString textOf(QWidget* window, const char* name);
// What each of the named controls shows, joined by "|".
QString textsOf(QWidget* window, const QStringList& names);
// Those of the named controls that are enabled, joined by blanks.
QString enabledOf(QWidget* window, const QStringList& names);
// Those of the named controls that are shown, joined by blanks.
QString visibleOf(QWidget* window, const QStringList& names);
// The line shownBoxes gives for a box titled "ATTENTION!" that says `text`.
inline std::string attention(const std::string& text) { return "ATTENTION!: " + text + "\n"; }
// Clicks the button, which must be shown and enabled, and lets the events that causes run.
void press(QWidget* window, const char* button);
// Types key by key after what the text box (or the drop-down list's text) holds.
void type(QWidget* window, const char* name, const QString& text);
// Empties the box and types into it, the window active and the box holding the cursor, as
// when the clerk types.
void retype(QWidget* window, const char* name, const QString& text);
inline void choose(QWidget* window, const char* list, const QString& entry) {
    chooseEntry(child<QComboBox>(window, list), entry);
}
// The entries of a drop-down list or the rows of a list.
QStringList entries(QWidget* window, const char* name);
bool hasFocus(QWidget* window, const char* name);
// The texts of the window's labels (or buttons) in window order, each after its object name
// when it has one.
template <class W = QLabel>
QStringList texts(QWidget* window) {
    QStringList all;
    for (auto* w : window->findChildren<W*>()) all << (w->objectName().isEmpty() ? "" : w->objectName() + " ") + w->text();
    return all;
}
// The window's Timer1 as "interval ms, running" (or "stopped").
QString timerOf(QWidget* window);
// Double-clicks the row as the system delivers it: press, release, double-click, release.
void doubleClickRow(QAbstractItemView* list, int row);
// Chooses the entry when the drop-down list has it, else types the text (see retype); types
// into a text box.
void fill(QWidget* window, const char* name, const QString& text);
// Types into a drop-down list and confirms with Enter.
void typeAndEnter(QWidget* window, const char* name, const QString& text);
inline QStringList sorted(QStringList list) { return list.sort(), list; }
// Clicks the date box and gives the calendar that opened (named `calendar`), or fails the test.
DateCalendar* calendarOf(TestDesk& t, QWidget* window, const char* box, const char* calendar);
// A calendar as "caption|the day it opens on|its timer" (see timerOf).
QString describe(DateCalendar* calendar);
// A day clicked in the calendar, which then closes.
void pickDay(DateCalendar* calendar, Date day);
// The window's caption; "<none>" for no window.
inline QString titleOf(const QWidget* window) { return window ? window->windowTitle() : QStringLiteral("<none>"); }
// Types a guest into the boxes every booking window gives the same names: name, "1 main st",
// "springfield", "il", "62701" and, unless empty, the adults.
void typeGuest(QWidget* window, const QString& name = QStringLiteral("john smith"), const QString& adults = QStringLiteral("2"));


}  // namespace innvera::testing
