#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "support/test_desk.h"

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

// Types into a text box; in a drop-down list, picks the item as the clerk does (it becomes the
// list's text and the list reports the choice), or types the text when it is not an item.
inline void fill(QWidget* window, const char* name, const QString& text) {
    auto* list = window ? window->findChild<QComboBox*>(QString::fromLatin1(name)) : nullptr;
    auto* edit = list ? list->lineEdit() : child<QLineEdit>(window, name);
    if (const int index = list ? list->findText(text) : -1; index >= 0) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    } else if (edit) {
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

// The items of a list box or a drop-down list.
inline QStringList entries(QWidget* window, const char* name) {
    QStringList all;
    if (auto* list = window ? window->findChild<QComboBox*>(QString::fromLatin1(name)) : nullptr)
        for (int i = 0; i < list->count(); ++i) all << list->itemText(i);
    else if (auto* list = child<QListWidget>(window, name))
        for (int i = 0; i < list->count(); ++i) all << list->item(i)->text();
    return all;
}

inline std::string labelText(QWidget* window, const char* name) {
    return child<QLabel>(window, name) ? child<QLabel>(window, name)->text().toStdString() : "<none>";
}

// The texts of every label of the window, or of every button as "name caption"; sorted.
template <class W>
QStringList texts(QWidget* window) {
    QStringList all;
    for (auto* w : window->findChildren<W*>()) all << (std::is_same_v<W, QLabel> ? "" : w->objectName() + " ") + w->text();
    all.sort();
    return all;
}

inline const QStringList kTypeCodes{"NQ1", "NQQ1", "Q11", "QQ1", "PNQ1", "PQ1", "NK1", "KK1", "JNK1", "JK1"};

}  // namespace innvera::testing
