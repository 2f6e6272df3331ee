// "Find Checked Out Guest" and its "Guest" search, driven through their controls: the name,
// room and arrival-date searches, the "Arrival Date" calendar, retrieving a stay, its reprint,
// and the ways the windows open and close.
#include <QtWidgets>

#include "core/ui/date_calendar.h"
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
        for (auto [folioNo, code, amount] : {std::tuple{1, 'E', 65.0}, {1, 'T', 7.8}, {1, 'V', 72.8}, {3, 'E', 65.0}, {3, 'T', 7.8}})
            postToFolio(t.dataDir, folioNo, "101", may(1), code, amount);
        t.windows.open<FindCheckedOutGuestWindow>();
    }

    QWidget* find() { return t.find("FindCheckedOutGuestWindow"); }
    QWidget* search() { return t.find("GuestSearchWindow"); }
    // The rows "Guest" lists, each cut to its folio number and name.
    QStringList found() {
        auto* list = child<QListView>(search(), "List1");
        QStringList rows;
        for (int row = 0; list && row < list->model()->rowCount(); ++row) {
            const QString text = list->model()->index(row, 0).data().toString();
            rows << text.left(5).trimmed() + " " + text.mid(22, 25).trimmed();
        }
        return rows;
    }
    void searchBy(const char* box, const QString& text, const char* button) {
        child<QLineEdit>(search(), box)->setText(text);
        press(search(), button);
    }
    void retrieve(const QString& name) {
        type(search(), "Text1", name);
        doubleClickRow(child<QListView>(search(), "List1"), 0);
    }
    QString colours() { return backColour(child<QWidget>(find(), "List1")) + backColour(child<QWidget>(find(), "Label22")); }

    TestDesk t;
};

TEST_F(PastGuestsTest, SettingsOpensBothWindowsAndTheNameSearchFollowsEveryKeystroke) {
    find()->close();
    settle();
    press(t.open("Form6"), "Command9");
    EXPECT_FALSE(t.isOpen("Form6"));
    ASSERT_TRUE(find() && search());
    EXPECT_EQ(find()->windowTitle(), "Find Checked Out Guest");
    EXPECT_EQ(search()->windowTitle(), "Guest");
    EXPECT_EQ(textsOf(find(), {"Combo1", "Combo2"}) + enabledOf(find(), {"Command3"}), "Month|Year");  // nothing to print
    EXPECT_EQ(found(), QStringList{});

    auto* name = child<QLineEdit>(search(), "Text1");
    type(search(), "Text1", "s");
    EXPECT_EQ(name->text(), "S");
    EXPECT_EQ(name->cursorPosition(), 1);
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN", "3 SMYTHE BOB", "4 SANDS MARY"}));  // never SMALL ANN, in house
    type(search(), "Text1", "my");
    EXPECT_EQ(found(), (QStringList{"3 SMYTHE BOB"}));
    // Typed in the middle, the text still turns to upper case with the caret at the end.
    name->setCursorPosition(1);
    QTest::keyClicks(name, "x");
    EXPECT_EQ(name->text(), "SXMY");
    EXPECT_EQ(name->cursorPosition(), 4);
    EXPECT_EQ(found(), QStringList{});
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN", "3 SMYTHE BOB", "4 SANDS MARY"}));
    EXPECT_EQ(t.shownBoxes(), "");
}

TEST_F(PastGuestsTest, RoomAndArrivalDateSearchesWithTheirMessagesAndTheCalendar) {
    type(search(), "Text1", "S");
    EXPECT_EQ(t.pressed(search(), "Command2"), "ATTENTION!: You didn't enter a room number.\n");
    EXPECT_EQ(found().size(), 3);  // the list stays as it was
    searchBy("Text2", "101", "Command2");
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN", "3 SMYTHE BOB"}));  // oldest first
    click(child<QLineEdit>(search(), "Text2"));  // a click in "Room#" empties it
    EXPECT_EQ(textOf(search(), "Text2"), "");

    EXPECT_EQ(t.pressed(search(), "Command3"), "ATTENTION!: You didn't enter an arrival date.\n");
    searchBy("Text3", "05/05/2019", "Command3");
    EXPECT_EQ(found(), (QStringList{"3 SMYTHE BOB", "4 SANDS MARY"}));

    // The calendar opens on the hotel date and closes by itself after 20 seconds, changing nothing.
    click(child<QLineEdit>(search(), "Text3"));
    auto* calendar = static_cast<DateCalendar*>(t.find("ArrivalDateCalendar"));
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->windowTitle(), "Arrival Date");
    EXPECT_EQ(child<QCalendarWidget>(calendar, "Calendar1")->selectedDate(), QDate(2019, 5, 20));
    EXPECT_EQ(timerOf(calendar), "20000 ms, running");
    calendar->timerFired();
    settle();
    EXPECT_FALSE(t.isOpen("ArrivalDateCalendar"));
    EXPECT_EQ(textOf(search(), "Text3"), "05/05/2019");
    // A day clicked goes into the box in short date form.
    click(child<QLineEdit>(search(), "Text3"));
    static_cast<DateCalendar*>(t.find("ArrivalDateCalendar"))->dayClicked(QDate(2019, 5, 1));
    settle();
    EXPECT_FALSE(t.isOpen("ArrivalDateCalendar"));
    EXPECT_EQ(textOf(search(), "Text3"), "5/1/2019");
    press(search(), "Command3");
    EXPECT_EQ(found(), (QStringList{"1 SMITH JOHN"}));
    EXPECT_EQ(t.shownBoxes(), "");

    press(search(), "Command1");  // "Exit" closes "Guest" alone
    EXPECT_FALSE(t.isOpen("GuestSearchWindow"));
    EXPECT_TRUE(t.isOpen("FindCheckedOutGuestWindow"));
}

TEST_F(PastGuestsTest, ADoubleClickShowsTheStayAsItWasAndPrintFolioReprintsIt) {
    retrieve("SMY");
    EXPECT_FALSE(t.isOpen("GuestSearchWindow"));
    EXPECT_EQ(textsOf(find(), {"Text1", "Text3", "Text6", "Text11", "Text13", "Text14", "Text15", "Text17", "Label24",
                               "Label29", "Label28", "Combo1", "DepartTimeLabel", "Label22", "Label30"}),
              "SMYTHE BOB|SPRINGFIELD|555-0100|2|5/5/2019|5/7/2019|2|65|3|101|10:00:00 AM|May|11:05:32 AM|72.8|"
              " 3-ACME TOOLS                    ");
    EXPECT_FALSE(child<QLabel>(find(), "Label31")->isHidden() || child<QLabel>(find(), "Label30")->isHidden());
    EXPECT_EQ(entries(find(), "List1").size(), 2);
    EXPECT_EQ(colours(), "#ffc0c0#ffc0c0");  // left owing

    press(find(), "Command3");
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
    press(find(), "Command1");
    ASSERT_NE(search(), nullptr);
    EXPECT_EQ(textsOf(find(), {"Combo1", "Text1", "Text13", "Text17", "Label24", "Label29", "Label28", "DepartTimeLabel",
                               "Label22", "Label30"}) + enabledOf(find(), {"Command3"}),
              "Month|||||||||");
    EXPECT_TRUE(child<QLabel>(find(), "Label30")->isHidden());
    EXPECT_EQ(entries(find(), "List1"), QStringList());

    // The guest who paid everything: light green, no account, an empty account line on paper.
    retrieve("SMI");
    EXPECT_EQ(textOf(find(), "Label22") + colours(), "0#c0ffc0#c0ffc0");
    EXPECT_TRUE(child<QLabel>(find(), "Label31")->isHidden());
    press(find(), "Command3");
    ASSERT_EQ(t.printer.jobs.size(), 2u);
    EXPECT_EQ(t.printer.jobs[1].lines.at(31), "Direct Bill Account:  ");

    press(find(), "Command2");  // "Exit"
    EXPECT_FALSE(t.isOpen("FindCheckedOutGuestWindow"));
    EXPECT_EQ(t.shownBoxes(), "");
}

TEST_F(PastGuestsTest, ClosingTheMainWindowClosesBothWindows) {
    QWidget* main = t.open("MainWindow");
    click(child<QLineEdit>(search(), "Text3"));
    EXPECT_TRUE(t.isOpen("FindCheckedOutGuestWindow") && t.isOpen("GuestSearchWindow") && t.isOpen("ArrivalDateCalendar"));
    main->close();
    settle();
    EXPECT_FALSE(t.isOpen("FindCheckedOutGuestWindow") || t.isOpen("GuestSearchWindow") || t.isOpen("ArrivalDateCalendar"));
}

}  // namespace
}  // namespace innvera::testing
