#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "support/ui/test_desk.h"

// Room files written and read byte by byte, and the ways the room tests drive windows.
namespace innvera::testing {

inline constexpr double kMay1 = 43586;  // 1 May 2019, the day the room tests work on, as stored

// A Room record: `flags` are the vacant, clean and status letters, each one byte.
inline Bytes roomBytes(const std::string& no, const std::string& type, const std::string& flags = "YYK", float rate = 0,
                       const std::string& comment = "", double entered = kMay1) {
    RecordBytes r(148);
    r.text(0, no, 5).text(5, type, 10).date(15, entered).date(23, entered).text(31, flags, 3).single(34, rate);
    if (!comment.empty()) r.text(38, comment, 20);
    return r;
}

inline Bytes patched(const Bytes& record, std::size_t offset, const std::string& text) {
    return RecordBytes(record.size()).at(0, record).text(offset, text, text.size());
}

inline Bytes storedRooms(const TestDesk& t) { return readBytes(t.path("rooms")); }

inline const QStringList kTypeCodes{"NQ1", "NQQ1", "Q11", "QQ1", "PNQ1", "PQ1", "NK1", "KK1", "JNK1", "JK1"};

// The message boxes shown since the last call, as "title: text" ("? title: text" for a question), a line each.
inline std::string shownBoxes(TestDesk& t) {
    std::string all;
    for (const auto& box : t.dialogs.shown) all += (box.question ? "? " : "") + box.title + ": " + box.text + "\n";
    t.dialogs.clear();
    return all;
}

// Opens a window by name as the program does.
inline QWidget* openWindow(TestDesk& t, const char* name) { return t.open(QString::fromLatin1(name)); }

inline bool isOpen(TestDesk& t, const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }

inline void click(QWidget* window, const char* button) {
    auto* b = child<QPushButton>(window, button);
    EXPECT_TRUE(b && b->isVisible() && b->isEnabled()) << button << " cannot be clicked";
    if (b && b->isVisible() && b->isEnabled()) QTest::mouseClick(b, Qt::LeftButton);
}

// Empties a text box, or the text of a drop-down list, and types into it key by key, the window
// active and the box holding the cursor as when the clerk types.
inline void typeInto(QWidget* window, const char* name, const QString& text) {
    auto* list = window ? window->findChild<QComboBox*>(QString::fromLatin1(name)) : nullptr;
    if (auto* edit = list ? list->lineEdit() : child<QLineEdit>(window, name)) {
        settle();  // a window still to come up (the welcome window) would take the activation
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

// Types into a text box; in a drop-down list, chooses the entry as the clerk does, or types the
// text when it is not an entry.
inline void fill(QWidget* window, const char* name, const QString& text) {
    auto* list = window ? window->findChild<QComboBox*>(QString::fromLatin1(name)) : nullptr;
    if (list && list->findText(text) >= 0)
        chooseEntry(list, text);
    else
        typeInto(window, name, text);
}

// Types into a drop-down list and confirms with Enter.
inline void typeAndEnter(QWidget* window, const char* name, const QString& text) {
    typeInto(window, name, text);
    if (auto* list = child<QComboBox>(window, name)) QTest::keyClick(list->lineEdit(), Qt::Key_Return);
}

// What a label, a text box or a drop-down list shows.
inline QString textOf(QWidget* window, const char* name) {
    auto* w = child<QWidget>(window, name);
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    if (auto* list = qobject_cast<QComboBox*>(w)) return list->currentText();
    return "<none>";
}

inline bool hasFocus(QWidget* window, const char* name) {
    return window && window->focusWidget() && window->focusWidget() == child<QWidget>(window, name);
}

// The entries of a list box or a drop-down list.
inline QStringList entries(QWidget* window, const char* name) {
    QStringList all;
    if (auto* list = window ? window->findChild<QComboBox*>(QString::fromLatin1(name)) : nullptr)
        for (int i = 0; i < list->count(); ++i) all << list->itemText(i);
    else if (auto* list = child<QListWidget>(window, name))
        for (int i = 0; i < list->count(); ++i) all << list->item(i)->text();
    return all;
}

// The texts of every label of the window, or of every button as "name caption"; sorted.
template <class W>
QStringList texts(QWidget* window) {
    QStringList all;
    for (auto* w : window->findChildren<W*>()) all << (std::is_same_v<W, QLabel> ? "" : w->objectName() + " ") + w->text();
    all.sort();
    return all;
}

}  // namespace innvera::testing
