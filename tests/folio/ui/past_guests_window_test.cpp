// "Find Checked Out Guest" and its "Guest" search, driven through their controls: the name,
// room and arrival-date searches, the "Arrival Date" calendar, retrieving a stay, its reprint,
// and the ways the windows open and close.
#include <QtWidgets>

#include "core/ui/date_calendar.h"
#include "core/ui/main_window.h"
#include "folio/ledger.h"
#include "folio/ui/find_checked_out_guest_window.h"
#include "folio/ui/guest_search_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

// SMALL ANN (room 102) is in house; the other four have left. SMYTHE BOB was billed to ACME
// TOOLS and left owing; SMITH JOHN paid everything.
class PastGuestsTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.session.hotelDate = may(20);
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);
        addAccount(t.dataDir, "ACME TOOLS", 3);
        putPastGuest(t.dataDir, "101", 1, "SMITH JOHN", may(1), may(3));
        putPastGuest(t.dataDir, "102", 2, "SMALL ANN", may(1), may(30), 0, "");
        putPastGuest(t.dataDir, "101", 3, "SMYTHE BOB", may(5), may(7), 3);
        putPastGuest(t.dataDir, "1A", 4, "SANDS MARY", may(5), may(6));
        postToFolio(t.dataDir, 1, "101", may(1), 'E', 65.0);
        postToFolio(t.dataDir, 1, "101", may(1), 'T', 7.8);
        postToFolio(t.dataDir, 1, "101", may(1), 'V', 72.8);
        postToFolio(t.dataDir, 3, "101", may(1), 'E', 65.0);
        postToFolio(t.dataDir, 3, "101", may(1), 'T', 7.8);
    }

    void TearDown() override {
        for (QWidget* window : t.windows.openWindows()) window->close();
        settle();
    }

    FindCheckedOutGuestWindow* findWindow() { return t.windows.find<FindCheckedOutGuestWindow>(); }
    GuestSearchWindow* searchWindow() { return t.windows.find<GuestSearchWindow>(); }
    bool isOpen(const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }

    template <class W>
    W* inFind(const char* name) { return child<W>(findWindow(), name); }
    template <class W>
    W* inSearch(const char* name) { return child<W>(searchWindow(), name); }
    QString textOf(const char* name) {  // a box's or a label's text on "Find Checked Out Guest"
        const QVariant text = inFind<QWidget>(name)->property("text");
        EXPECT_TRUE(text.isValid()) << name;
        return text.toString();
    }

    // The rows "Guest" lists, each cut to its folio number and name.
    QStringList found() {
        auto* list = inSearch<QListView>("List1");
        QStringList rows;
        for (int row = 0; list && row < list->model()->rowCount(); ++row) {
            const QString text = list->model()->index(row, 0).data().toString();
            rows << text.left(5).trimmed() + " " + text.mid(22, 25).trimmed();
        }
        return rows;
    }
    void typeName(const QString& keys) { QTest::keyClicks(inSearch<QLineEdit>("Text1"), keys); }
    void search(const char* box, const QString& text, const char* button) {
        inSearch<QLineEdit>(box)->setText(text);
        click(inSearch<QPushButton>(button));
    }
    // The message boxes shown since the last call, as "title: text", a line each.
    std::string shownBoxes() {
        std::string all;
        for (const auto& box : t.dialogs.shown) all += box.title + ": " + box.text + "\n";
        t.dialogs.clear();
        return all;
    }
    // Double-clicks the row of "Guest", as the clerk retrieves a stay.
    void doubleClickRow(int row) {
        auto* list = inSearch<QListView>("List1");
        const QRect place = list->visualRect(list->model()->index(row, 0));
        ASSERT_TRUE(place.isValid());
        // As the system delivers a double-click: press, release, double-click, release.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, place.center());
        settle();
    }

    TestDesk t;
};

TEST_F(PastGuestsTest, SettingsOpensBothWindowsAndTheNameSearchFollowsEveryKeystroke) {
    QWidget* settings = t.open("Form6");
    click(child<QPushButton>(settings, "Command9"));
    settle();
    EXPECT_FALSE(isOpen("Form6"));
    ASSERT_NE(findWindow(), nullptr);
    ASSERT_NE(searchWindow(), nullptr);
    EXPECT_EQ(findWindow()->windowTitle(), "Find Checked Out Guest");
    EXPECT_EQ(searchWindow()->windowTitle(), "Guest");
    EXPECT_EQ(inFind<QComboBox>("Combo1")->currentText(), "Month");
    EXPECT_EQ(inFind<QComboBox>("Combo2")->currentText(), "Year");
    EXPECT_FALSE(inFind<QPushButton>("Command3")->isEnabled());  // nothing to print yet
    EXPECT_EQ(found(), QStringList{});

    typeName("s");
    auto* name = inSearch<QLineEdit>("Text1");
    EXPECT_EQ(name->text(), "S");
    EXPECT_EQ(name->cursorPosition(), 1);
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN", "3 SMYTHE BOB", "4 SANDS MARY"}));  // never SMALL ANN, in house
    typeName("m");
    EXPECT_EQ(name->text(), "SM");
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN", "3 SMYTHE BOB"}));
    typeName("y");
    EXPECT_EQ(found(), (QStringList{"3 SMYTHE BOB"}));
    EXPECT_EQ(inSearch<QListView>("List1")->model()->index(0, 0).data().toString(),
              QString(" 3") + QString(10, ' ') + " 101      " + "SMYTHE BOB               " +
                  "5/5/2019                 " + "5/7/2019" + QString(27, ' '));
    // Typed in the middle, the text still turns to upper case with the caret at the end.
    name->setCursorPosition(1);
    QTest::keyClicks(name, "x");
    EXPECT_EQ(name->text(), "SXMY");
    EXPECT_EQ(name->cursorPosition(), 4);
    EXPECT_EQ(found(), QStringList{});
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN", "3 SMYTHE BOB", "4 SANDS MARY"}));
    EXPECT_EQ(shownBoxes(), "");
}

TEST_F(PastGuestsTest, RoomAndArrivalDateSearchesWithTheirMessagesAndTheCalendar) {
    t.windows.open<FindCheckedOutGuestWindow>();
    typeName("S");
    click(inSearch<QPushButton>("Command2"));
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You didn't enter a room number.\n");
    EXPECT_EQ(found().size(), 3);  // the list stays as it was
    search("Text2", "101", "Command2");
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN", "3 SMYTHE BOB"}));  // oldest first
    search("Text2", "102", "Command2");
    EXPECT_EQ(found(), QStringList{});  // only SMALL ANN, in house
    click(inSearch<QLineEdit>("Text2"));  // a click in "Room#" empties it
    EXPECT_EQ(inSearch<QLineEdit>("Text2")->text(), "");

    click(inSearch<QPushButton>("Command3"));
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You didn't enter an arrival date.\n");
    search("Text3", "05/05/2019", "Command3");
    EXPECT_EQ(found(), (QStringList{"3 SMYTHE BOB", "4 SANDS MARY"}));

    // The calendar opens on the hotel date and closes by itself after 20 seconds, changing nothing.
    click(inSearch<QLineEdit>("Text3"));
    auto* calendar = static_cast<DateCalendar*>(t.windows.find("ArrivalDateCalendar"));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->windowTitle(), "Arrival Date");
    EXPECT_EQ(child<QCalendarWidget>(calendar, "Calendar1")->selectedDate(), QDate(2019, 5, 20));
    auto* timer = child<QTimer>(calendar, "Timer1");
    EXPECT_EQ(timer->interval(), 20000);
    EXPECT_TRUE(timer->isActive());
    calendar->timerFired();
    settle();
    EXPECT_FALSE(isOpen("ArrivalDateCalendar"));
    EXPECT_EQ(inSearch<QLineEdit>("Text3")->text(), "05/05/2019");
    // A day clicked goes into the box in short date form.
    click(inSearch<QLineEdit>("Text3"));
    static_cast<DateCalendar*>(t.windows.find("ArrivalDateCalendar"))->dayClicked(QDate(2019, 5, 1));
    settle();
    EXPECT_FALSE(isOpen("ArrivalDateCalendar"));
    EXPECT_EQ(inSearch<QLineEdit>("Text3")->text(), "5/1/2019");
    click(inSearch<QPushButton>("Command3"));
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN"}));
    EXPECT_EQ(shownBoxes(), "");

    click(inSearch<QPushButton>("Command1"));  // "Exit" closes "Guest" alone
    settle();
    EXPECT_FALSE(isOpen("GuestSearchWindow"));
    EXPECT_TRUE(isOpen("FindCheckedOutGuestWindow"));
}

TEST_F(PastGuestsTest, ADoubleClickShowsTheStayAsItWasAndPrintFolioReprintsIt) {
    t.windows.open<FindCheckedOutGuestWindow>();
    typeName("SMY");
    doubleClickRow(0);
    EXPECT_FALSE(isOpen("GuestSearchWindow"));
    const std::pair<const char*, const char*> shown[] = {
        {"Text1", "SMYTHE BOB"}, {"Text3", "SPRINGFIELD"},   {"Text6", "555-0100"},  {"Text11", "2"},
        {"Text13", "5/5/2019"},  {"Text14", "5/7/2019"},     {"Text15", "2"},        {"Text17", "65"},
        {"Label24", "3"},        {"Label29", "101"},         {"Label28", "10:00:00 AM"},
        {"DepartTimeLabel", "11:05:32 AM"}, {"Label22", "72.8"}, {"Label30", " 3-ACME TOOLS                    "}};
    for (auto [name, text] : shown) EXPECT_EQ(textOf(name), text) << name;
    EXPECT_EQ(inFind<QComboBox>("Combo1")->currentText(), "May");
    EXPECT_FALSE(inFind<QLabel>("Label31")->isHidden());
    EXPECT_FALSE(inFind<QLabel>("Label30")->isHidden());
    auto* lines = inFind<QListWidget>("List1");
    EXPECT_EQ(itemsOf(lines), (QStringList{
                                  "101       5/1/2019            E              Room Rent                           65                 ",
                                  "101       5/1/2019            T              Tax                                 7.8                ",
                              }));
    EXPECT_EQ(backColour(lines), "#ffc0c0");  // left owing
    EXPECT_EQ(backColour(inFind<QLabel>("Label22")), "#ffc0c0");

    click(inFind<QPushButton>("Command3"));
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const std::vector<std::string>& printed = t.printer.jobs[0].lines;
    ASSERT_EQ(printed.size(), 40u);
    EXPECT_EQ(std::vector<std::string>(printed.begin() + 14, printed.begin() + 20),
              (std::vector<std::string>{"Arrival Time: 10:00:00 AM    ", "Depart Time: 11:05:32 AM    ",
                                        "Arrivl Date: 5/5/2019", "Depart Date: 5/7/2019", "Folio:   3", ""}));
    EXPECT_EQ(printed[26], std::string(74, ' ') + "Balance:    72.8");
    EXPECT_EQ(printed[30], "Direct Bill Account:   3-ACME TOOLS                    ");
    EXPECT_EQ(printed[38], std::string(78, '_'));

    // "Find Another Guest" empties the window and opens "Guest" again.
    click(inFind<QPushButton>("Command1"));
    settle();
    ASSERT_NE(searchWindow(), nullptr);
    for (const char* name : {"Text1", "Text13", "Text17", "Label24", "Label29", "Label28", "DepartTimeLabel", "Label22",
                             "Label30"})
        EXPECT_EQ(textOf(name), "") << name;
    EXPECT_EQ(inFind<QComboBox>("Combo1")->currentText(), "Month");
    EXPECT_TRUE(inFind<QLabel>("Label30")->isHidden());
    EXPECT_EQ(lines->count(), 0);
    EXPECT_FALSE(inFind<QPushButton>("Command3")->isEnabled());

    // The guest who paid everything: light green, no account, an empty account line on paper.
    typeName("SMI");
    doubleClickRow(0);
    EXPECT_EQ(textOf("Label22"), "0");
    EXPECT_EQ(backColour(lines), "#c0ffc0");
    EXPECT_EQ(backColour(inFind<QLabel>("Label22")), "#c0ffc0");
    EXPECT_TRUE(inFind<QLabel>("Label31")->isHidden());
    click(inFind<QPushButton>("Command3"));
    ASSERT_EQ(t.printer.jobs.size(), 2u);
    EXPECT_EQ(t.printer.jobs[1].lines.at(31), "Direct Bill Account:  ");

    click(inFind<QPushButton>("Command2"));  // "Exit"
    settle();
    EXPECT_FALSE(isOpen("FindCheckedOutGuestWindow"));
    EXPECT_EQ(shownBoxes(), "");
}

TEST_F(PastGuestsTest, ClosingTheMainWindowClosesBothWindows) {
    QWidget* main = t.open("MainWindow");
    t.windows.open<FindCheckedOutGuestWindow>();
    click(inSearch<QLineEdit>("Text3"));
    EXPECT_TRUE(isOpen("FindCheckedOutGuestWindow") && isOpen("GuestSearchWindow") && isOpen("ArrivalDateCalendar"));
    main->close();
    settle();
    EXPECT_FALSE(isOpen("FindCheckedOutGuestWindow") || isOpen("GuestSearchWindow") || isOpen("ArrivalDateCalendar"));
}

}  // namespace
}  // namespace innvera::testing
