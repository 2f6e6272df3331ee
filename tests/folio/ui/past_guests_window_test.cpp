// "Find Checked Out Guest" and its "Guest" search: retrieving a stay and reprinting its folio.
#include <QtWidgets>

#include "core/motel_details.h"
#include "ledger/ledger.h"
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
        switchWelcomeOff(t.dataDir, true);
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
    void retrieve(const QString& name) {
        type(search(), "Text1", name);
        doubleClickRow(child<QListView>(search(), "List1"), 0);
    }
    QString colours() { return backColour(child<QWidget>(find(), "List1")) + backColour(child<QWidget>(find(), "Label22")); }

    TestDesk t;
};

TEST_F(PastGuestsTest, ASearchWithNothingEnteredIsRefused) {
    EXPECT_EQ(t.pressed(search(), "Command2"), "ATTENTION!: You didn't enter a room number.\n");
    EXPECT_EQ(t.pressed(search(), "Command3"), "ATTENTION!: You didn't enter an arrival date.\n");
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

    ASSERT_EQ(saveMotelDetails(t.dataDir, {"Pine Lodge", "14 Lake Rd", "Harbor Falls", "Tel 207-555-0100", ""}), std::nullopt);
    t.dataDir.commit();
    press(find(), "Command3");
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const std::vector<std::string>& printed = t.printer.jobs[0].lines;
    ASSERT_EQ(printed.size(), 40u);
    EXPECT_EQ(printed[1], std::string(88, ' ') + "Pine Lodge");  // under the motel's own heading
    EXPECT_EQ(std::vector<std::string>(printed.begin() + 14, printed.begin() + 20),
              (std::vector<std::string>{"Arrival Time: 10:00:00 AM    ", "Depart Time: 11:05:32 AM    ",
                                        "Arrivl Date: 5/5/2019", "Depart Date: 5/7/2019", "Folio:   3", ""}));
    EXPECT_EQ(printed[26], std::string(74, ' ') + "Balance:    72.8");
    EXPECT_EQ(printed[30], "Direct Bill Account:   3-ACME TOOLS                    ");
    EXPECT_EQ(printed[38], std::string(78, '_'));

    press(find(), "Command2");  // "Exit"
    EXPECT_FALSE(t.isOpen("FindCheckedOutGuestWindow"));
    EXPECT_EQ(t.shownBoxes(), "");
}

}  // namespace
}  // namespace innvera::testing
