#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <filesystem>
#include <string>
#include <vector>

#include "app/wiring.h"
#include "support/test_desk.h"

// Room files written and read byte by byte, and the ways the room tests drive windows.
namespace innvera::testing {

// 1 May 2019, the day the room tests work on, as a stored day number.
inline constexpr double kMay1 = 43586;

struct RoomBytes {
    RoomBytes(std::string no, std::string type, std::string vacant = "Y", std::string clean = "Y", std::string status = "K",
              float rate = 0, std::string comment = "")
        : no(std::move(no)), type(std::move(type)), vacant(std::move(vacant)), clean(std::move(clean)),
          status(std::move(status)), rate(rate), comment(std::move(comment)) {}

    std::string no;
    std::string type;
    std::string vacant;
    std::string clean;
    std::string status;
    float rate;
    std::string comment;  // written only when not empty
    double entered = kMay1;

    Bytes bytes() const {
        RecordBytes r(148);
        r.text(0, no, 5).text(5, type, 10).date(15, entered).date(23, entered);
        r.text(31, vacant, 1).text(32, clean, 1).text(33, status, 1).single(34, rate);
        if (!comment.empty()) r.text(38, comment, 20);
        return r.bytes();
    }
};

inline Bytes joined(const std::vector<Bytes>& records) {
    Bytes all;
    for (const Bytes& r : records) all.insert(all.end(), r.begin(), r.end());
    return all;
}

inline void writeRooms(const TestDesk& t, const std::vector<RoomBytes>& rooms) {
    std::vector<Bytes> records;
    for (const RoomBytes& room : rooms) records.push_back(room.bytes());
    writeBytes(t.path("rooms"), joined(records));
}

// Record n (from 1) of the room file as it is on disk.
inline Bytes roomRecord(const TestDesk& t, std::size_t n) {
    const Bytes all = readBytes(t.path("rooms"));
    if (all.size() < n * 148) return {};
    return Bytes(all.begin() + static_cast<std::ptrdiff_t>((n - 1) * 148), all.begin() + static_cast<std::ptrdiff_t>(n * 148));
}

inline std::size_t roomCount(const TestDesk& t) { return readBytes(t.path("rooms")).size() / 148; }

// Opens a window by name through the program's own wiring.
inline QWidget* openWindow(TestDesk& t, const char* name) {
    defineWindows(t.desk);
    QWidget* window = t.windows.open(QString::fromLatin1(name));
    EXPECT_NE(window, nullptr) << name;
    return window;
}

inline void click(QWidget* window, const char* button) {
    auto* b = child<QPushButton>(window, button);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isVisible() && b->isEnabled()) << button << " cannot be clicked";
    QTest::mouseClick(b, Qt::LeftButton);
}

// Picks an item of a list as the clerk does: the item becomes the list's text, and the
// list reports the choice.
inline void choose(QComboBox* list, const QString& item) {
    const int index = list->findText(item);
    ASSERT_GE(index, 0) << item.toStdString();
    list->setCurrentIndex(index);
    emit list->activated(index);
}

inline QStringList items(const QComboBox* list) {
    QStringList all;
    for (int i = 0; i < list->count(); ++i) all << list->itemText(i);
    return all;
}

inline std::string labelText(QWidget* window, const char* name) {
    auto* label = child<QLabel>(window, name);
    return label ? label->text().toStdString() : std::string("<none>");
}

}  // namespace innvera::testing
