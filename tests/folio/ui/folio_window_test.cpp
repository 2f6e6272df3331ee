// The "View Folio" window, driven through its controls: showing and printing a stay, posting,
// a room move, the departure calendar, saving, check-out and the way back to the main window.
#include <QCalendarWidget>

#include "folio/ui/folio_window_test.h"

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
    EXPECT_EQ(entries(folio(), "Combo4"), (QStringList{"E - Room Rent", "C - Cash", "V - Visa", "M - Master Card",
                                                       "D - Discover", "A - American Ex.", "P - Pet Fee", "N - Roll Away",
                                                       "S - Copies", "W - Wi Fi", "Q - Stamps ", "O - Other "}));
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

    // A guest whose balance is 0: green, and neither the message nor the account.
    choose(folio(), "Combo3", "102  ANN LEE");
    EXPECT_EQ(itemsOf(list), (QStringList{
                                 "102       5/1/2019            E              Room Rent                           65                 ",
                                 "102       5/1/2019            T              Tax                                 7.8                ",
                                 "102       5/1/2019            V              Visa                                72.8               ",
                             }));
    EXPECT_TRUE(list->font().fixedPitch() || QFontInfo(list->font()).fixedPitch());
    EXPECT_EQ(balance->text(), "0");
    EXPECT_EQ(backColour(list) + backColour(balance) + backColour(child<QWidget>(folio(), "Command7")),
              "#c0ffc0#c0ffc0#e0e0e0");
    EXPECT_TRUE(child<QLabel>(folio(), "Label31")->isHidden() && child<QLabel>(folio(), "Label30")->isHidden());
    EXPECT_EQ(enabledOf(folio(), {"Command7"}), "");

    // Checking out the guest who owes money: answering No changes nothing.
    choose(folio(), "Combo3", "101  JOHN SMITH");
    const Snapshot before = snapshot(t.folder.path());
    t.dialogs.answers = {false};
    press(folio(), "Command1");
    EXPECT_EQ(snapshot(t.folder.path()), before);
    EXPECT_EQ(textOf(folio(), "Text1"), "JOHN SMITH");
    t.clock.setTime({14, 5, 9});
    press(folio(), "Command1");
    EXPECT_EQ(t.shownBoxes(), "? Check Out: Are you sure you want to check this guest out?\n"
                              "? Check Out: Are you sure you want to check this guest out?\n");
    EXPECT_EQ(guestBytes(t.dataDir, 3, 297, 15), textBytes("2:05:09 PM", 15));
    EXPECT_EQ(guestBytes(t.dataDir, 3, 394, 20), textBytes("*", 20));
    EXPECT_TRUE(guestAt(t.dataDir, 1).inHouse());  // the other stays are left alone
    EXPECT_EQ(roomFlags(t.dataDir, 1) + roomFlags(t.dataDir, 7) + roomFlags(t.dataDir, 2), "YNYNON");  // 7: 101 again
    EXPECT_EQ(readText(t.path("dailycharge/ 1234")), before.at("dailycharge/ 1234"));  // nothing posted

    // The window as it is with no guest shown.
    EXPECT_EQ(entries(folio(), "Combo3"), (QStringList{"102  ANN LEE", "104  BOB BROWN"}));
    EXPECT_EQ(textsOf(folio(), {"Combo3", "Combo1", "Combo2", "Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                                "Text8", "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16",
                                "Text17", "Label24", "Label22", "Label28", "Label29", "Label30"}),
              "Select Guest|Expire Month|Expire Year" + QString(22, '|'));
    EXPECT_TRUE(child<QLabel>(folio(), "Label30")->isHidden() && child<QLabel>(folio(), "Label31")->isHidden());
    EXPECT_EQ(enabledOf(folio(), kStayControls), "");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(backColour(list), "#ffffff");
    EXPECT_EQ(backColour(balance), "");  // the plain face of the window

    choose(folio(), "Combo3", "104  BOB BROWN");  // the next direct-bill guest shows the account caption again
    EXPECT_FALSE(child<QLabel>(folio(), "Label31")->isHidden());
    EXPECT_EQ(textsOf(folio(), {"Label31", "Label30"}), "Direct Bill Account| 4-GLOBEX                        ");
}

TEST_F(FolioWindowTest, PostingAndARoomMoveRebuildTheListAndBalance) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose(folio(), "Combo3", "101  JOHN SMITH");
    child<QLineEdit>(folio(), "Text16")->setText("10");
    EXPECT_EQ(t.pressed(folio(), "Command4"), "ATTENTION!: You didn't select a code.\n");
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

    // A wheel turn over "Change Room" or an arrow key while it has the focus moves nobody.
    auto* rooms = child<QComboBox>(folio(), "Combo5");
    const Bytes before = readBytes(t.path("rooms"));
    QWheelEvent wheel(QPointF(5, 5), rooms->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(rooms, &wheel);
    rooms->setFocus();
    QTest::keyClick(rooms, Qt::Key_Down);
    QTest::keyClick(rooms->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(readBytes(t.path("rooms")), before);
    EXPECT_EQ(textOf(folio(), "Label29") + "|" + rooms->currentText(), "101|Change Room");

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

TEST_F(FolioWindowTest, OpenedForADepartingGuestItShowsAndPostsToThatStay) {
    putGuest(t.dataDir, "102", 2, "ANN LEE", may(1));
    putGuest(t.dataDir, "101", 5, "STAYS ON", may(4));
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));  // in house twice in 101: the one leaving today
    t.session.folioPreselection = "105";                     // nobody leaves 105 today: no guest shown
    openFolio();
    EXPECT_EQ(t.session.folioPreselection, "");
    EXPECT_EQ(textOf(folio(), "Text1") + enabledOf(folio(), {"Command1"}), "");
    folio()->close();
    settle();

    QWidget* main = t.open("MainWindow");
    auto* departures = child<QListWidget>(main, "List2");
    ASSERT_EQ(itemsOf(departures), (QStringList{"102  ANN LEE", "101  JOHN SMITH"}));
    doubleClickRow(departures, 1);
    ASSERT_NE(folio(), nullptr);
    EXPECT_EQ(t.find("MainWindow"), main);  // stays open underneath
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(t.session.folioPreselection, "");  // used by the folio screen
    EXPECT_EQ(textsOf(folio(), {"Label24", "Text1", "Combo3"}), "1234|JOHN SMITH|101  JOHN SMITH");
    EXPECT_EQ(entries(folio(), "Combo3"), (QStringList{"102  ANN LEE", "101  STAYS ON", "101  JOHN SMITH"}));

    post("P - Pet Fee", "15");
    EXPECT_EQ(readText(t.path("dailycharge/ 1234")), folioText("101  ", "P", "Pet Fee", "15", "1234"));
    EXPECT_FALSE(std::filesystem::exists(t.path("dailycharge/ 5")));
    EXPECT_EQ(textOf(folio(), "Label22"), "15");
    folio()->close();
    settle();
    EXPECT_EQ(t.session.folioPreselection, "tava");
    EXPECT_EQ(t.find("MainWindow"), main);  // not opened a second time
}

TEST_F(FolioWindowTest, TheDepartureCalendarAndSaveAndExitRefuseBadDatesAndSaveTheParticulars) {
    putReservation(t.dataDir, "1", "101", "ARRIVING", may(4), may(5));
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose(folio(), "Combo3", "101  JOHN SMITH");
    const Bytes before = readBytes(t.path("guest"));
    for (int day : {4, 5}) {  // the reservation arrives on the 4th: leaving then is no clash
        click(child<QLineEdit>(folio(), "Text14"));
        ASSERT_TRUE(t.isOpen("Form9"));
        auto* month = child<QCalendarWidget>(t.find("Form9"), "Calendar1");
        EXPECT_EQ(month->selectedDate(), QDate(2019, 5, 1)) << day;
        emit month->clicked(QDate(2019, 5, day));
        settle();
        EXPECT_FALSE(t.isOpen("Form9"));
        EXPECT_EQ(textOf(folio(), "Text14"), "5/4/2019");
    }
    child<QLineEdit>(folio(), "Text14")->setText("5/32/2019");
    child<QLineEdit>(folio(), "Text17")->setText("sixty");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: You are overbooking on this room. Choose another room.\n");
    EXPECT_EQ(t.pressed(folio(), "Command5"),  // the rate is checked first
              "ATTENTION!: The rate is not a number. Enter it in digits, for example 65 or 59.95.\n");
    child<QLineEdit>(folio(), "Text17")->clear();
    EXPECT_EQ(t.pressed(folio(), "Command5"), "ATTENTION!: Please enter the rate.\n");
    EXPECT_TRUE(hasFocus(folio(), "Text17"));
    child<QLineEdit>(folio(), "Text17")->setText("59.95");
    EXPECT_EQ(t.pressed(folio(), "Command5"),
              "ATTENTION!: The depart date is not a date. Enter it as month/day/year, for example 12/25/2024.\n");
    EXPECT_TRUE(hasFocus(folio(), "Text14"));
    EXPECT_EQ(readBytes(t.path("guest")), before);  // neither the calendar nor a refused save writes

    // Names and places turn to upper case as they are typed; "Cell" keeps what is typed.
    const std::pair<const char*, const char*> typed[] = {
        {"Text1", "john q smith"}, {"Text2", "2 elm st"}, {"Text3", "dayton"}, {"Text4", "ohio"},
        {"Text7", "cell x"},       {"Text8", "acme"},     {"Text9", "late"}};
    for (auto [name, text] : typed) {
        auto* box = child<QLineEdit>(folio(), name);
        box->clear();
        box->setFocus();
        QTest::keyClicks(box, text);
        EXPECT_EQ(box->cursorPosition(), static_cast<int>(std::strlen(text))) << name;
        EXPECT_TRUE(hasFocus(folio(), name)) << name;  // "State" does not jump to zip
    }
    EXPECT_EQ(textOf(folio(), "Text1"), "JOHN Q SMITH");
    for (auto [name, text] : {std::pair{"Text11", "34"}, {"Text12", "1"}, {"Text13", "4/1/2019"}, {"Text14", "5/6/2019"}})
        child<QLineEdit>(folio(), name)->setText(text);  // the arrival date is not saved
    choose(folio(), "Combo1", "June");
    press(folio(), "Command5");
    EXPECT_EQ(folio(), nullptr);
    EXPECT_TRUE(t.isOpen("MainWindow"));
    EXPECT_EQ(readBytes(t.path("guest")),
              Bytes(particularsBytes(528, {.name = "JOHN Q SMITH", .address = "2 ELM ST", .city = "DAYTON", .state = "OHIO",
                                           .zip = "", .phone = "555-0100", .cell = "cell x", .comment = "LATE",
                                           .company = "ACME", .cardNo = "", .cardMonth = "June", .cardYear = "", .adults = "3", .children = "1",
                                           .room = "101", .arrivalTime = "10:00:00 AM", .arrival = kMay1,
                                           .depart = kMay1 + 5, .rate = 59.95f, .folioNo = 1234})));
}

TEST_F(FolioWindowTest, LeavingByAnyWayBringsTheMainWindowBack) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));
    // "View Folio" (Command1) and "Check Out" (Command7) close the main window and open this one.
    const std::pair<const char*, const char*> ways[] = {{"Command1", "close box"}, {"Command7", "Command3"}, {"Command1", "Command8"}};
    for (auto [mainButton, way] : ways) {
        const int endedBefore = t.programEnded;
        press(t.open("MainWindow"), mainButton);
        ASSERT_FALSE(t.isOpen("MainWindow")) << way;
        ASSERT_NE(folio(), nullptr) << way;
        choose(folio(), "Combo3", "101  JOHN SMITH");
        t.session.hotelDate = may(20);
        if (std::string(way) == "close box")
            folio()->close(), settle();
        else
            press(folio(), way);
        EXPECT_EQ(folio(), nullptr) << way;
        QWidget* again = t.find("MainWindow");
        ASSERT_NE(again, nullptr) << way;
        // A new main window, whose start-up ran again.
        EXPECT_EQ(t.session.hotelDate, may(1)) << way;
        EXPECT_EQ(entries(again, "List2").size(), 1) << way;
        EXPECT_EQ(t.session.folioPreselection, "tava") << way;
        EXPECT_EQ(t.programEnded, endedBefore) << way;  // the program never ran out of windows
        again->close();
        settle();
    }
}

}  // namespace
