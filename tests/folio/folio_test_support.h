#pragma once

// A small motel for the ledger, folio screen and message tests: rooms, stays and accounts,
// the bytes the ledger writes, and a desk driving the "View Folio" window.

#include <QtWidgets>

#include "folio/ledger.h"
#include "folio/ui/folio_window.h"
#include "core/counters.h"
#include "platform/record_file.h"
#include "support/motel_files.h"
#include "support/test_desk.h"

namespace innvera::testing {

// 1 May 2019 is day 43586 of the data files.
inline Date may(int day) { return Date::fromYmd(2019, 5, day); }

inline void setTaxRate(DataDir& dir, float rate) { writeCounter(dir, dir.taxRate(), rate); }

inline void putRoom(DataDir& dir, const char* roomNo, const char* type, const char* vacant = "Y",
                    const char* clean = "Y", const char* status = "K") {
    addRoom(dir, roomNo, type, 65, vacant, clean, status);
}

// A stay from 1 May at 65 a night; status "*" makes it checked out.
inline void putGuest(DataDir& dir, const char* roomNo, float folioNo, const char* name, Date depart,
                     float directBillNo = 0, float messageFlag = 0, const char* status = "") {
    Guest g;
    g.guestName = name;
    g.city = "SPRINGFIELD";
    g.phone = "555-0100";
    g.cardMonth = "May";
    g.adults = "2";
    g.roomNo = roomNo;
    g.arrivalTime = "10:00:00 AM";
    g.arrivalDate = may(1);
    g.departDate = depart;
    g.rate = 65;
    g.folioNo = folioNo;
    g.directBillNo = directBillNo;
    g.messageFlag = messageFlag;
    if (*status) g.stayStatus = status;
    RecordFile<Guest>(dir, dir.guests()).append(g);
}

// Room record n's VacantFlag and CleanFlag: "YN" is vacant and dirty.
inline std::string roomFlags(DataDir& dir, std::uint64_t n) {
    const Room room = RecordFile<Room>(dir, dir.rooms()).read(n);
    return room.vacantFlag.str() + room.cleanFlag.str();
}
inline Guest guestAt(DataDir& dir, std::uint64_t n) { return RecordFile<Guest>(dir, dir.guests()).read(n); }

// `width` bytes at `offset` of guest record n (528 bytes each) as stored.
inline Bytes guestBytes(const TestDesk& t, std::uint64_t n, std::size_t offset, std::size_t width) {
    const Bytes all = readBytes(t.path("guest"));
    const auto start = all.begin() + static_cast<std::ptrdiff_t>((n - 1) * 528 + offset);
    return Bytes(start, start + static_cast<std::ptrdiff_t>(width));
}

// A folio line of 1 May 2019 as written, CR LF included.
inline std::string folioText(const char* room, const char* code, const char* description, const char* amount,
                             const char* folio) {
    return std::string("\"") + room + "\",\"A\",#2019-05-01#,\"" + code + "\",\"" + description + "\"," + amount +
           ",," + folio + ",\"-----\",\"-----\",\"-----\"\r\n";
}

// A totals record: the Singles at their slots, zeros elsewhere.
inline Bytes totalsBytes(std::initializer_list<std::pair<int, float>> values) {
    RecordBytes record(190);
    for (auto [slot, value] : values) record.single(4 * static_cast<std::size_t>(slot), value);
    return record.bytes();
}

// Invoice lines of room 101 on 1 May 2019 (185 bytes each): invoice number, amount, code, description.
inline Bytes invoiceBytes(std::initializer_list<std::tuple<float, float, const char*, const char*>> lines) {
    Bytes all;
    for (auto [invoiceNo, amount, code, description] : lines) {
        RecordBytes one(185);
        one.text(0, "101", 5).date(5, 43586).single(13, invoiceNo).single(17, amount);
        one.text(21, code, 30).text(51, description, 30).text(81, "----", 20);
        all.insert(all.end(), one.bytes().begin(), one.bytes().end());
    }
    return all;
}

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

// The whole program's windows over a tax rate of 0.12 and the rooms 101 and 102 (occupied),
// 105 (vacant and clean), 106 (dirty), 103 (out of order) and 1050 (vacant and clean), in that
// record order, on 1 May 2019 at 11:05:32 AM.
class FolioWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.clock.set(may(1), {11, 5, 32});
        t.session.hotelDate = may(1);
        setTaxRate(t.dataDir, 0.12f);
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);  // no welcome window over the main one
        putRoom(t.dataDir, "101", "NQ1", "O", "N");
        putRoom(t.dataDir, "102", "NQ1", "O", "N");
        putRoom(t.dataDir, "105", "KK1");
        putRoom(t.dataDir, "106", "KK1", "Y", "N");
        putRoom(t.dataDir, "103", "NQ2", "Y", "Y", "X");
        putRoom(t.dataDir, "1050", "SUITE");
    }

    void TearDown() override {  // leaving the folio screen opens the main window again: close until none is left
        for (int round = 0; round < 5 && !t.windows.openWindows().isEmpty(); ++round, settle())
            for (QWidget* window : t.windows.openWindows()) window->close();
    }

    FolioWindow* folioWindow() { return t.windows.find<FolioWindow>(); }
    FolioWindow* openFolio() { return t.windows.open<FolioWindow>(); }
    bool isOpen(const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }

    template <class W>
    W* get(const char* name) {
        return child<W>(folioWindow(), name);
    }
    QLineEdit* box(const char* name) { return get<QLineEdit>(name); }
    QLabel* label(const char* name) { return get<QLabel>(name); }
    QPushButton* button(const char* name) { return get<QPushButton>(name); }
    QString textOf(const char* name) {  // a box's or a label's text
        const QVariant text = get<QWidget>(name)->property("text");
        EXPECT_TRUE(text.isValid()) << name;
        return text.toString();
    }

    void choose(const char* list, const QString& entry) { chooseEntry(get<QComboBox>(list), entry); }
    void post(const QString& code, const QString& amount) {
        choose("Combo4", code);
        box("Text16")->setText(amount);
        click(button("Command4"));
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> shownTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : t.dialogs.shown) texts.push_back(shown.title + ": " + shown.text);
        return texts;
    }

    TestDesk t;
};

}  // namespace innvera::testing
