// The "View Folio" window, driven through its controls: showing and printing a stay, posting,
// a room move, the departure calendar, saving, check-out and the way back to the main window.
#include <QCalendarWidget>

#include "folio/printed_folio.h"

#include "folio/ui/folio_window_test.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

using Texts = std::vector<std::string>;

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
    EXPECT_EQ(folioWindow()->windowTitle(), "View Folio");
    EXPECT_EQ(get<QComboBox>("Combo3")->currentText(), "Select Guest");
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo3")), (QStringList{"102  ANN LEE", "101  JOHN SMITH", "104  BOB BROWN"}));
    EXPECT_EQ(get<QComboBox>("Combo4")->currentText(), "Select Code");
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo4")),
              (QStringList{"E - Room Rent", "C - Cash", "V - Visa", "M - Master Card", "D - Discover",
                           "A - American Ex.", "P - Pet Fee", "N - Roll Away", "S - Copies", "W - Wi Fi", "Q - Stamps ",
                           "O - Other "}));
    // Rooms a guest can move to: vacant, clean and in service.
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo5")), (QStringList{"105  KK1", "1050  SUITE"}));
    EXPECT_EQ(t.session.folioPreselection, "tava");  // a plain opening leaves the flag alone

    // A direct-bill guest who owes money and has a message waiting: red, lit, the account shown.
    choose("Combo3", "101  JOHN SMITH");
    const std::pair<const char*, const char*> shown[] = {
        {"Text1", "JOHN SMITH"}, {"Text3", "SPRINGFIELD"}, {"Text6", "555-0100"},    {"Text11", "2"},
        {"Text13", "5/1/2019"},  {"Text14", "5/3/2019"},   {"Text15", "2"},          {"Text17", "65"},
        {"Label28", "10:00:00 AM"}, {"Label24", "1234"},   {"Label29", "101"},       {"Label22", "65"},
        {"Label30", " 3-ACME TOOLS                    "}};
    for (auto [name, text] : shown) EXPECT_EQ(textOf(name), text) << name;
    EXPECT_EQ(get<QComboBox>("Combo1")->currentText(), "May");
    EXPECT_EQ(backColour(get<QListWidget>("List1")), "#ffc0c0");
    EXPECT_EQ(backColour(label("Label22")), "#ffc0c0");
    EXPECT_EQ(backColour(button("Command7")), "#ff8080");
    EXPECT_FALSE(label("Label31")->isHidden());
    for (const char* name : {"Command1", "Command2", "Command5", "Command6", "Command7"})
        EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_TRUE(get<QGroupBox>("ChargesFrame")->isEnabled());
    EXPECT_TRUE(get<QComboBox>("Combo5")->isEnabled());
    click(button("Command2"));  // "Print Folio": the folio-screen page of the stay shown
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].lines,
              folioScreenFolio(guestBlockOf(guestAt(t.dataDir, 3)), readFolioLines(t.dataDir, 1234)).lines());
    EXPECT_EQ(t.printer.jobs[0].lines.at(22), std::string(74, ' ') + "Balance:    65");

    // A guest whose balance is 0: green, and neither the message nor the account.
    choose("Combo3", "102  ANN LEE");
    auto* list = get<QListWidget>("List1");
    EXPECT_EQ(itemsOf(list), (QStringList{
                                 "102       5/1/2019            E              Room Rent                           65                 ",
                                 "102       5/1/2019            T              Tax                                 7.8                ",
                                 "102       5/1/2019            V              Visa                                72.8               ",
                             }));
    EXPECT_TRUE(list->font().fixedPitch() || QFontInfo(list->font()).fixedPitch());
    EXPECT_EQ(label("Label22")->text(), "0");
    EXPECT_EQ(backColour(list), "#c0ffc0");
    EXPECT_EQ(backColour(label("Label22")), "#c0ffc0");
    EXPECT_TRUE(label("Label31")->isHidden());
    EXPECT_TRUE(label("Label30")->isHidden());
    EXPECT_FALSE(button("Command7")->isEnabled());
    EXPECT_EQ(backColour(button("Command7")), "#e0e0e0");

    // Checking out the guest who owes money: answering No changes nothing.
    choose("Combo3", "101  JOHN SMITH");
    const std::string folio = readText(t.path("dailycharge/ 1234"));
    const Bytes guests = readBytes(t.path("guest"));
    const Bytes rooms = readBytes(t.path("rooms"));
    t.dialogs.answers = {false};
    click(button("Command1"));
    EXPECT_EQ(readBytes(t.path("guest")), guests);
    EXPECT_EQ(readBytes(t.path("rooms")), rooms);
    EXPECT_EQ(box("Text1")->text(), "JOHN SMITH");
    t.clock.setTime({14, 5, 9});
    click(button("Command1"));
    EXPECT_EQ(shownTexts(), Texts(2, "Check Out: Are you sure you want to check this guest out?"));
    EXPECT_TRUE(t.dialogs.shown[1].question);
    EXPECT_EQ(guestBytes(t.dataDir, 3, 297, 15), textBytes("2:05:09 PM", 15));
    EXPECT_EQ(guestBytes(t.dataDir, 3, 394, 20), textBytes("*", 20));
    EXPECT_TRUE(guestAt(t.dataDir, 1).inHouse());  // the other stays are left alone
    EXPECT_EQ(roomFlags(t.dataDir, 1), "YN");
    EXPECT_EQ(roomFlags(t.dataDir, 7), "YN");  // the second record of 101
    EXPECT_EQ(roomFlags(t.dataDir, 2), "ON");
    EXPECT_EQ(readText(t.path("dailycharge/ 1234")), folio);  // nothing posted

    // The window as it is with no guest shown.
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo3")), (QStringList{"102  ANN LEE", "104  BOB BROWN"}));
    const std::pair<const char*, const char*> prompts[] = {
        {"Combo3", "Select Guest"}, {"Combo1", "Expire Month"}, {"Combo2", "Expire Year"}};
    for (auto [list, prompt] : prompts)
        EXPECT_EQ(get<QComboBox>(list)->currentText(), prompt) << list;
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
                             "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17", "Label24", "Label22",
                             "Label28", "Label29", "Label30"})
        EXPECT_EQ(textOf(name), "") << name;
    EXPECT_TRUE(label("Label30")->isHidden());
    EXPECT_TRUE(label("Label31")->isHidden());
    for (const char* name : {"Command1", "Command2", "Command5", "Command6", "Command7"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(get<QGroupBox>("ChargesFrame")->isEnabled());
    EXPECT_FALSE(get<QComboBox>("Combo5")->isEnabled());
    EXPECT_EQ(get<QListWidget>("List1")->count(), 0);
    EXPECT_EQ(backColour(get<QListWidget>("List1")), "#ffffff");
    EXPECT_EQ(backColour(label("Label22")), "");  // the plain face of the window

    choose("Combo3", "104  BOB BROWN");  // the next direct-bill guest shows the account caption again
    EXPECT_FALSE(label("Label31")->isHidden());
    EXPECT_EQ(label("Label31")->text(), "Direct Bill Account");
    EXPECT_EQ(label("Label30")->text(), " 4-GLOBEX                        ");
}

TEST_F(FolioWindowTest, PostingAndARoomMoveRebuildTheListAndBalance) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    box("Text16")->setText("10");
    click(button("Command4"));
    post("P - Pet Fee", "");
    EXPECT_EQ(shownTexts(),
              (Texts{"ATTENTION!: You didn't select a code.", "ATTENTION!: You didn't enter an amount."}));
    EXPECT_EQ(folioWindow()->focusWidget(), box("Text16"));
    EXPECT_FALSE(std::filesystem::exists(t.path("dailycharge/ 1234")));

    box("Text17")->setText("70");  // room rent takes the "Rate" box's text
    choose("Combo4", "E - Room Rent");
    EXPECT_EQ(box("Text16")->text(), "70");
    EXPECT_EQ(folioWindow()->focusWidget(), box("Text16"));
    click(button("Command4"));
    EXPECT_EQ(get<QListWidget>("List1")->count(), 2);
    EXPECT_EQ(label("Label22")->text(), "78.4");
    EXPECT_EQ(get<QComboBox>("Combo4")->currentText(), "Select Code");
    EXPECT_EQ(box("Text16")->text(), "");
    choose("Combo4", "C - Cash");
    EXPECT_EQ(box("Text16")->text(), "");  // only room rent takes the rate

    // A wheel turn over "Change Room" or an arrow key while it has the focus moves nobody.
    auto* rooms = get<QComboBox>("Combo5");
    const Bytes before = readBytes(t.path("rooms"));
    QWheelEvent wheel(QPointF(5, 5), rooms->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(rooms, &wheel);
    rooms->setFocus();
    QTest::keyClick(rooms, Qt::Key_Down);
    QTest::keyClick(rooms->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(readBytes(t.path("rooms")), before);
    EXPECT_EQ(label("Label29")->text(), "101");
    EXPECT_EQ(rooms->currentText(), "Change Room");

    choose("Combo5", "1050  SUITE");  // no question asked; a four-character room is taken whole
    EXPECT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(label("Label29")->text(), "1050");
    EXPECT_EQ(roomFlags(t.dataDir, 1), "YN");  // 101 vacant and dirty
    EXPECT_EQ(roomFlags(t.dataDir, 6), "ON");  // 1050 occupied and dirty
    EXPECT_EQ(guestAt(t.dataDir, 1).roomNo.str(), "1050");
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo3")), (QStringList{"1050  JOHN SMITH"}));
    EXPECT_EQ(get<QComboBox>("Combo3")->currentText(), "1050  JOHN SMITH");
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo5")), (QStringList{"105  KK1"}));
    EXPECT_EQ(get<QComboBox>("Combo5")->currentText(), "Change Room");

    post("C - Cash", "78.4");  // the lines posted before the move keep room 101
    const auto lines = readFolioLines(t.dataDir, 1234);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].room, "101  ");
    EXPECT_EQ(lines[2].room, "1050 ");
    EXPECT_EQ(itemsOf(get<QListWidget>("List1")).last().left(10), "1050      ");
    EXPECT_EQ(label("Label22")->text(), "0");
    EXPECT_EQ(backColour(label("Label22")), "#c0ffc0");

    // 101 has been cleaned meanwhile: check-out frees 1050 and leaves 101 as it is.
    Room first = RecordFile<Room>(t.dataDir, t.dataDir.rooms()).read(1);
    first.cleanFlag = "Y";
    RecordFile<Room>(t.dataDir, t.dataDir.rooms()).write(1, first);
    click(button("Command1"));
    EXPECT_FALSE(guestAt(t.dataDir, 1).inHouse());
    EXPECT_EQ(roomFlags(t.dataDir, 6), "YN");
    EXPECT_EQ(roomFlags(t.dataDir, 1), "YY");
}

TEST_F(FolioWindowTest, OpenedForADepartingGuestItShowsAndPostsToThatStay) {
    putGuest(t.dataDir, "102", 2, "ANN LEE", may(1));
    putGuest(t.dataDir, "101", 5, "STAYS ON", may(4));
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));  // in house twice in 101: the one leaving today
    t.session.folioPreselection = "105";                     // nobody leaves 105 today: no guest shown
    openFolio();
    EXPECT_EQ(t.session.folioPreselection, "");
    EXPECT_EQ(box("Text1")->text(), "");
    EXPECT_FALSE(button("Command1")->isEnabled());
    folioWindow()->close();
    settle();

    QWidget* main = t.open("MainWindow");
    auto* departures = child<QListWidget>(main, "List2");
    ASSERT_EQ(itemsOf(departures), (QStringList{"102  ANN LEE", "101  JOHN SMITH"}));
    emit departures->itemDoubleClicked(departures->item(1));
    settle();
    ASSERT_NE(folioWindow(), nullptr);
    EXPECT_EQ(t.windows.find("MainWindow"), main);  // stays open underneath
    EXPECT_EQ(t.session.folioPreselection, "");
    EXPECT_EQ(label("Label24")->text(), "1234");
    EXPECT_EQ(box("Text1")->text(), "JOHN SMITH");
    EXPECT_EQ(get<QComboBox>("Combo3")->currentText(), "101  JOHN SMITH");
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo3")), (QStringList{"102  ANN LEE", "101  STAYS ON", "101  JOHN SMITH"}));

    post("P - Pet Fee", "15");
    EXPECT_EQ(readText(t.path("dailycharge/ 1234")), folioText("101  ", "P", "Pet Fee", "15", "1234"));
    EXPECT_FALSE(std::filesystem::exists(t.path("dailycharge/ 5")));
    EXPECT_EQ(label("Label22")->text(), "15");
    folioWindow()->close();
    settle();
    EXPECT_EQ(t.session.folioPreselection, "tava");
    EXPECT_EQ(t.windows.find("MainWindow"), main);  // not opened a second time
}

TEST_F(FolioWindowTest, TheDepartureCalendarAndSaveAndExitRefuseBadDatesAndSaveTheParticulars) {
    Reservation r;
    r.roomNo = "101";
    r.arrivalDate = may(4);
    r.departDate = may(5);
    RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).append(r);
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    const Bytes before = readBytes(t.path("guest"));
    for (int day : {4, 5}) {  // the reservation arrives on the 4th: leaving then is no clash
        click(box("Text14"));
        ASSERT_TRUE(isOpen("Form9"));
        auto* month = child<QCalendarWidget>(t.windows.find("Form9"), "Calendar1");
        EXPECT_EQ(month->selectedDate(), QDate(2019, 5, 1)) << day;
        emit month->clicked(QDate(2019, 5, day));
        settle();
        EXPECT_FALSE(isOpen("Form9"));
        EXPECT_EQ(box("Text14")->text(), "5/4/2019");
    }
    box("Text14")->setText("5/32/2019");
    box("Text17")->setText("sixty");
    click(button("Command5"));  // the rate is checked first
    box("Text17")->clear();
    click(button("Command5"));
    EXPECT_EQ(folioWindow()->focusWidget(), box("Text17"));
    box("Text17")->setText("59.95");
    click(button("Command5"));
    EXPECT_EQ(shownTexts(),
              (Texts{"ATTENTION!: You are overbooking on this room. Choose another room.",
                     "ATTENTION!: The rate is not a number. Enter it in digits, for example 65 or 59.95.",
                     "ATTENTION!: Please enter the rate.",
                     "ATTENTION!: The depart date is not a date. Enter it as month/day/year, for example "
                     "12/25/2024."}));
    EXPECT_EQ(folioWindow()->focusWidget(), box("Text14"));
    EXPECT_EQ(readBytes(t.path("guest")), before);  // neither the calendar nor a refused save writes

    // Names and places turn to upper case as they are typed; "Cell" keeps what is typed.
    const std::pair<const char*, const char*> typed[] = {
        {"Text1", "john q smith"}, {"Text2", "2 elm st"}, {"Text3", "dayton"}, {"Text4", "ohio"},
        {"Text7", "cell x"},       {"Text8", "acme"},     {"Text9", "late"}};
    for (auto [name, text] : typed) {
        box(name)->clear();
        box(name)->setFocus();
        QTest::keyClicks(box(name), text);
        EXPECT_EQ(box(name)->cursorPosition(), static_cast<int>(std::strlen(text))) << name;
        EXPECT_EQ(folioWindow()->focusWidget(), box(name)) << name;  // "State" does not jump to zip
    }
    EXPECT_EQ(box("Text1")->text(), "JOHN Q SMITH");
    box("Text11")->setText("34");
    box("Text12")->setText("1");
    box("Text13")->setText("4/1/2019");  // the arrival date is not saved
    box("Text14")->setText("5/6/2019");
    choose("Combo1", "June");
    click(button("Command5"));
    settle();
    EXPECT_EQ(folioWindow(), nullptr);
    EXPECT_TRUE(isOpen("MainWindow"));
    EXPECT_EQ(guestBytes(t.dataDir, 1, 0, 155), concat({textBytes("JOHN Q SMITH", 30), textBytes("2 ELM ST", 30),
                                                textBytes("DAYTON", 30), textBytes("OHIO", 20), textBytes("", 15),
                                                textBytes("555-0100", 15), textBytes("cell x", 15)}));
    EXPECT_EQ(guestBytes(t.dataDir, 1, 170, 60), concat({textBytes("LATE", 40), textBytes("ACME", 20)}));
    EXPECT_EQ(guestBytes(t.dataDir, 1, 250, 10), textBytes("June", 10));
    EXPECT_EQ(guestBytes(t.dataDir, 1, 270, 2), textBytes("31", 2));  // adults and children: first character
    EXPECT_EQ(guestBytes(t.dataDir, 1, 312, 20), concat({dateBytes(43586), dateBytes(43591), singleBytes(59.95f)}));
}

TEST_F(FolioWindowTest, LeavingByAnyWayBringsTheMainWindowBack) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));
    // "View Folio" (Command1) and "Check Out" (Command7) close the main window and open this one.
    const std::pair<const char*, const char*> ways[] = {
        {"Command1", "close box"}, {"Command7", "Command3"}, {"Command1", "Command8"}};
    for (auto [mainButton, way] : ways) {
        const int endedBefore = t.programEnded;
        click(child<QPushButton>(t.open("MainWindow"), mainButton));
        settle();
        ASSERT_FALSE(isOpen("MainWindow")) << way;
        ASSERT_NE(folioWindow(), nullptr) << way;
        choose("Combo3", "101  JOHN SMITH");
        t.session.hotelDate = may(20);
        if (std::string(way) == "close box")
            folioWindow()->close();
        else
            click(button(way));
        settle();
        EXPECT_EQ(folioWindow(), nullptr) << way;
        QWidget* again = t.windows.find("MainWindow");
        ASSERT_NE(again, nullptr) << way;
        // A new main window, whose start-up ran again.
        EXPECT_EQ(t.session.hotelDate, may(1)) << way;
        EXPECT_EQ(child<QListWidget>(again, "List2")->count(), 1) << way;
        EXPECT_EQ(t.session.folioPreselection, "tava") << way;
        EXPECT_EQ(t.programEnded, endedBefore) << way;  // the program never ran out of windows
        again->close();
        settle();
    }
}

}  // namespace
