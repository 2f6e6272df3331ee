// The "View Folio" window, driven through its controls: showing, printing, posting, a room move, check-out.
#include "folio/ui/folio_window_test.h"

#include "core/motel_details.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }
const QStringList kStayControls{"Command1", "Command2", "Command5", "Command6", "Command7", "ChargesFrame", "Combo5"};

TEST_F(FolioWindowTest, ShowsPrintsAndChecksOutTheStayChosen) {
    addAccount(t.dataDir, "ACME TOOLS", 3);
    addAccount(t.dataDir, "GLOBEX", 4);
    putRoom(t.dataDir, "101", "NQ1", "O", "Y");  // a second record of room 101
    putGuest(t.dataDir, "102", 2, "ANN LEE", may(3));
    putGuest(t.dataDir, "103", 3, "GONE AWAY", may(1), 0, 0, "*");
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3), 3, 1);  // billed to ACME, a message waiting
    putGuest(t.dataDir, "104", 4, "BOB BROWN", may(3), 4);
    postToFolio(t.dataDir, 2, "102", may(1), 'E', 65.0);
    postToFolio(t.dataDir, 2, "102", may(1), 'T', 7.8);
    postToFolio(t.dataDir, 2, "102", may(1), 'V', 72.8);
    postToFolio(t.dataDir, 1234, "101", may(1), 'E', 65.0);
    ASSERT_NE(openFolio(), nullptr);
    EXPECT_EQ(folio()->windowTitle(), "View Folio");
    EXPECT_EQ(textsOf(folio(), {"Combo3", "Combo4"}), "Select Guest|Select Code");
    EXPECT_EQ(entries(folio(), "Combo3"), (QStringList{"102  ANN LEE", "101  JOHN SMITH", "104  BOB BROWN"}));
    // Rooms a guest can move to: vacant, clean and in service.
    EXPECT_EQ(entries(folio(), "Combo5"), (QStringList{"105  KK1", "1050  SUITE"}));
    EXPECT_EQ(t.session.folioPreselection, "tava");  // a plain opening leaves the flag alone

    // A direct-bill guest who owes money and has a message waiting: red, lit, the account shown.
    choose(folio(), "Combo3", "101  JOHN SMITH");
    EXPECT_EQ(textsOf(folio(), {"Text1", "Text3", "Text6", "Text11", "Text13", "Text14", "Text15", "Text17", "Label28",
                                "Label24", "Label29", "Label22", "Label30", "Combo1"}),
              "JOHN SMITH|SPRINGFIELD|555-0100|2|5/1/2019|5/3/2019|2|65|10:00:00 AM|1234|101|65|"
              " 3-ACME TOOLS                    |May");
    auto* list = child<QListWidget>(folio(), "List1");
    auto* balance = child<QLabel>(folio(), "Label22");
    EXPECT_EQ(backColour(list) + backColour(balance) + backColour(child<QWidget>(folio(), "Command7")),
              "#ffc0c0#ffc0c0#ff8080");
    EXPECT_FALSE(child<QLabel>(folio(), "Label31")->isHidden());
    EXPECT_EQ(enabledOf(folio(), kStayControls), "Command1 Command2 Command5 Command6 Command7 ChargesFrame Combo5");
    press(folio(), "Command2");  // "Print Folio": the folio-screen page of the stay shown
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const std::vector<std::string>& printed = t.printer.jobs[0].lines;
    ASSERT_EQ(printed.size(), 35u);
    EXPECT_EQ(t.printer.jobs[0].document, "Folio");
    EXPECT_EQ(printed[11], "JOHN SMITH" + blanks(68) + "Phone:   555-0100       ");
    EXPECT_EQ(printed[15], "Folio:   1234");
    EXPECT_EQ(printed[22], blanks(74) + "Balance:    65");

    // Checking out the guest who owes money: answering No changes nothing.
    choose(folio(), "Combo3", "101  JOHN SMITH");
    const Snapshot before = snapshot(t.folder.path());
    t.dialogs.answers = {false};
    press(folio(), "Command1");
    EXPECT_EQ(snapshot(t.folder.path()), before);
    EXPECT_EQ(textOf(folio(), "Text1"), "JOHN SMITH");
    t.clock.setTime({14, 5, 9});
    press(folio(), "Command1");
    const std::string question = "? Check Out: JOHN SMITH owes 65 and has a message waiting. Check out anyway?\n";
    EXPECT_EQ(t.shownBoxes(), question + question);
    EXPECT_EQ(guestBytes(t.dataDir, 3, 297, 15), textBytes("2:05:09 PM", 15));
    EXPECT_EQ(guestBytes(t.dataDir, 3, 394, 20), textBytes("*", 20));
    EXPECT_TRUE(guestAt(t.dataDir, 1).inHouse());  // the other stays are left alone
    EXPECT_EQ(roomFlags(t.dataDir, 1) + roomFlags(t.dataDir, 7) + roomFlags(t.dataDir, 2), "YNYNON");  // 7: 101 again
    EXPECT_EQ(readText(t.path("dailycharge/ 1234")), before.at("dailycharge/ 1234"));  // nothing posted
}

TEST_F(FolioWindowTest, PostingAndARoomMoveRebuildTheListAndBalance) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose(folio(), "Combo3", "101  JOHN SMITH");
    post("P - Pet Fee", "");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: You didn't enter an amount.\n");
    EXPECT_TRUE(hasFocus(folio(), "Text16"));
    EXPECT_FALSE(std::filesystem::exists(t.path("dailycharge/ 1234")));

    child<QLineEdit>(folio(), "Text17")->setText("70");  // room rent takes the "Rate" box's text
    choose(folio(), "Combo4", "E - Room Rent");
    EXPECT_EQ(textOf(folio(), "Text16"), "70");
    EXPECT_TRUE(hasFocus(folio(), "Text16"));
    press(folio(), "Command4");
    EXPECT_EQ(entries(folio(), "List1").size(), 2);
    EXPECT_EQ(textOf(folio(), "Label22"), "78.4");
    EXPECT_EQ(textOf(folio(), "Combo4") + "|" + textOf(folio(), "Text16"), "Select Code|");
    choose(folio(), "Combo4", "C - Cash");
    EXPECT_EQ(textOf(folio(), "Text16"), "");  // only room rent takes the rate

    choose(folio(), "Combo5", "1050  SUITE");  // no question asked; a four-character room is taken whole
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(textsOf(folio(), {"Label29", "Combo3", "Combo5"}), "1050|1050  JOHN SMITH|Change Room");
    EXPECT_EQ(roomFlags(t.dataDir, 1) + roomFlags(t.dataDir, 6), "YNON");  // 101 vacant and dirty, 1050 occupied
    EXPECT_EQ(guestAt(t.dataDir, 1).roomNo.str(), "1050");
    EXPECT_EQ(entries(folio(), "Combo3") + entries(folio(), "Combo5"), (QStringList{"1050  JOHN SMITH", "105  KK1"}));

    post("C - Cash", "78.4");  // the lines posted before the move keep room 101
    const auto lines = readFolioLines(t.dataDir, 1234);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].room + "|" + lines[2].room, "101  |1050 ");
    EXPECT_EQ(entries(folio(), "List1").last().left(10), "1050      ");
    EXPECT_EQ(textOf(folio(), "Label22") + backColour(child<QLabel>(folio(), "Label22")), "0#c0ffc0");

    // 101 has been cleaned meanwhile: check-out frees 1050 and leaves 101 as it is.
    writeBytes(t.path("rooms"), patched(readBytes(t.path("rooms")), 32, "Y"));
    press(folio(), "Command1");
    EXPECT_FALSE(guestAt(t.dataDir, 1).inHouse());
    EXPECT_EQ(roomFlags(t.dataDir, 6) + roomFlags(t.dataDir, 1), "YNYY");
}

// The folio prints under the motel's saved heading. A motel file that cannot all be read gives
// the sample's texts for what it cannot give, told once and not at every print, and the folio
// prints all the same.
TEST_F(FolioWindowTest, PrintFolioUsesTheMotelsDetailsAndGoesOnOverADamagedFile) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose(folio(), "Combo3", "101  JOHN SMITH");
    const auto heading = [this](std::size_t job) {
        const std::vector<std::string>& lines = t.printer.jobs.at(job).lines;
        return std::vector<std::string>(lines.begin() + 1, lines.begin() + 10);
    };
    const std::vector<std::string> sample = {blanks(87) + "Kestrel Motel", "", blanks(85) + "27 Cedar Mill Rd" + blanks(25),
                                             "", blanks(82) + "Westerbrooke, ZZ  00000", "",
                                             blanks(71) + "Phone: 555-010-0000   Fax: 555-010-0001", "", ""};

    ASSERT_EQ(saveMotelDetails(t.dataDir, {"Pine Lodge", "14 Lake Rd", "Harbor Falls, ME  04000", "Tel 207-555-0100",
                                           "GST 123456789"}),
              std::nullopt);
    t.dataDir.commit();
    press(folio(), "Command2");
    EXPECT_EQ(heading(0), (std::vector<std::string>{blanks(88) + "Pine Lodge", "", blanks(88) + "14 Lake Rd" + blanks(28),
                                                    "", blanks(82) + "Harbor Falls, ME  04000", "",
                                                    blanks(82) + "Tel 207-555-0100", "", blanks(87) + "GST 123456789"}));

    const std::string told = "ATTENTION!: The motel's details in " + t.path("motel.conf").string() + " could not all be read (";
    const std::string rest = "). What could not be read is shown and printed as the sample motel's until the details are "
                             "saved again under Settings and Reports, Motel Details.\n";
    writeText(t.path("motel.conf"), "name=Pine Lodge\nstreet 14 Lake Rd\ncity=Harbor Falls, ME  04000\nfax=555\n");
    press(folio(), "Command2");
    press(folio(), "Command2");
    EXPECT_EQ(t.shownBoxes(), told + "line 2 has no \"=\"" + rest);  // once, for two prints
    ASSERT_EQ(t.printer.jobs.size(), 3u);
    EXPECT_EQ(heading(2)[0], blanks(88) + "Pine Lodge");
    EXPECT_EQ(heading(2)[2], blanks(85) + "27 Cedar Mill Rd" + blanks(25));
    EXPECT_EQ(heading(2)[6], sample[6]);

    // A folder where the file should be: all the sample's.
    std::filesystem::remove(t.path("motel.conf"));
    std::filesystem::create_directory(t.path("motel.conf"));
    press(folio(), "Command2");
    press(folio(), "Command2");
    EXPECT_EQ(t.shownBoxes(), told + "it is not a regular file" + rest);
    ASSERT_EQ(t.printer.jobs.size(), 5u);
    EXPECT_EQ(heading(4), sample);
}

// Room rent posted twice by mistake: choosing the code puts the rate in the box for the typing
// to replace, a negative amount corrects after a question, and the folio, the totals, the invoice
// and the check-out question follow.
TEST_F(FolioWindowTest, AMistakenPostingIsCorrectedAfterAQuestionAndCheckOutSaysWhatIsLeft) {
    addAccount(t.dataDir, "ACME", 7);
    writeBytes(t.path("directinvoice/ACME"), RecordBytes(10).single(0, 4));
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3), 7);
    openFolio();
    choose(folio(), "Combo3", "101  JOHN SMITH");
    choose(folio(), "Combo4", "E - Room Rent");
    type(folio(), "Text16", "59.951");
    EXPECT_EQ(t.pressed(folio(), "Command4"), attention("The amount takes at most two decimals, like 12.50, or -12.50 to correct a posting."));
    EXPECT_FALSE(std::filesystem::exists(t.path("dailycharge/ 1234")));
    for (int i = 0; i < 2; ++i) {
        choose(folio(), "Combo4", "E - Room Rent");
        EXPECT_EQ(textOf(folio(), "Text16") + "|" + child<QLineEdit>(folio(), "Text16")->selectedText(), "65|65");
        press(folio(), "Command4");
    }
    EXPECT_EQ(textOf(folio(), "Label22"), "145.6");

    choose(folio(), "Combo4", "E - Room Rent");
    type(folio(), "Text16", "-65");
    const Snapshot before = snapshot(t.folder.path());
    t.dialogs.answers = {false};
    EXPECT_EQ(t.pressed(folio(), "Command4"), "? Correction: Post a correction of -65 Room Rent?\n");
    EXPECT_EQ(snapshot(t.folder.path()), before);
    EXPECT_EQ(t.pressed(folio(), "Command4"), "? Correction: Post a correction of -65 Room Rent?\n");
    EXPECT_EQ(entries(folio(), "List1").size(), 6);
    EXPECT_EQ(entries(folio(), "List1").last().mid(45, 35).trimmed() + entries(folio(), "List1").last().mid(80).trimmed(),
              "Tax-7.8");
    EXPECT_EQ(textOf(folio(), "Label22"), "72.8");
    EXPECT_EQ(readBytes(t.path("totals/52019")), totalsBytes({{6, 65}, {7, 7.8f}}));
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME 4")),
              invoiceBytes({{4, 65, "E", "Room Rent"}, {4, 7.8f, "T", "Tax"}, {4, 65, "E", "Room Rent"}, {4, 7.8f, "T", "Tax"},
                            {4, -65, "E", "Room Rent"}, {4, -7.8f, "T", "Tax"}}));

    // Leaving with 72.8 owed is asked about in so many words; No keeps the guest in.
    t.dialogs.answers = {false};
    EXPECT_EQ(t.pressed(folio(), "Command1"), "? Check Out: JOHN SMITH owes 72.8. Check out anyway?\n");
    EXPECT_TRUE(guestAt(t.dataDir, 1).inHouse());
}

// "Days" follows a departure typed (once it is a whole date) or picked on the calendar, which
// opens on the date in the box.
TEST_F(FolioWindowTest, ADepartureTypedOrPickedRecountsTheDays) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose(folio(), "Combo3", "101  JOHN SMITH");
    EXPECT_EQ(textsOf(folio(), {"Text13", "Text14", "Text15"}), "5/1/2019|5/3/2019|2");
    child<QLineEdit>(folio(), "Text14")->clear();
    type(folio(), "Text14", "5/6/201");
    EXPECT_EQ(textOf(folio(), "Text15"), "2") << "half typed";
    type(folio(), "Text14", "9");
    EXPECT_EQ(textOf(folio(), "Text15"), "5");
    DateCalendar* calendar = calendarOf(t, folio(), "Text14", "Form9");
    EXPECT_EQ(describe(calendar), "Form9|5/6/2019|no Timer1");
    pickDay(calendar, may(4));
    EXPECT_EQ(textsOf(folio(), {"Text14", "Text15"}), "5/4/2019|3");
}

}  // namespace
