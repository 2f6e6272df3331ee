// The "View Folio" window, driven through its controls.
#include <QCalendarWidget>

#include "folio/folio_window_fixture.h"
#include "folio/ledger.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const QStringList kCodes = {"E - Room Rent", "C - Cash",   "V - Visa",        "M - Master Card",
                            "D - Discover",  "A - American Ex.", "P - Pet Fee", "N - Roll Away",
                            "S - Copies",    "W - Wi Fi",  "Q - Stamps ",     "O - Other "};

TEST_F(FolioWindowTest, OpensPlainlyWithTheGuestsInHouseAndNothingToActOn) {
    putGuest(t.dataDir, "102", 2, "ANN LEE", may(3));
    addStay(t.dataDir, "103", 3, "GONE AWAY", 0, "*");
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));
    FolioWindow* window = openFolio();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "View Folio");

    auto* guests = get<QComboBox>("Combo3");
    EXPECT_EQ(guests->currentText(), "Select Guest");
    EXPECT_EQ(itemsOf(guests), (QStringList{"102  ANN LEE", "101  JOHN SMITH"}));
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo4")), kCodes);
    EXPECT_EQ(get<QComboBox>("Combo4")->currentText(), "Select Code");
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo5")), (QStringList{"105  KK1"}));
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo1")).size(), 12);
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo2")).first(), "2017");
    for (const char* name : {"Command1", "Command2", "Command5", "Command6", "Command7"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(get<QGroupBox>("ChargesFrame")->isEnabled());
    EXPECT_FALSE(get<QComboBox>("Combo5")->isEnabled());
    EXPECT_TRUE(button("Command3")->isEnabled());
    EXPECT_TRUE(button("Command8")->isEnabled());
    EXPECT_TRUE(label("Label31")->isHidden());
    EXPECT_EQ(t.session.folioPreselection, "tava");  // a plain opening leaves the flag alone
}

TEST_F(FolioWindowTest, ChoosingAGuestShowsTheStayWithAZeroBalanceInGreen) {
    putGuest(t.dataDir, "102", 2, "ANN LEE", may(3));
    Guest g = putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    postToFolio(t.dataDir, 1234, "101", may(1), 'E', 65.0);
    postToFolio(t.dataDir, 1234, "101", may(1), 'T', 7.8);
    postToFolio(t.dataDir, 1234, "101", may(1), 'V', 72.8);
    openFolio();
    choose("Combo3", "101  JOHN SMITH");

    EXPECT_EQ(box("Text1")->text(), "JOHN SMITH");
    EXPECT_EQ(box("Text3")->text(), "SPRINGFIELD");
    EXPECT_EQ(box("Text5")->text(), "62701");
    EXPECT_EQ(box("Text6")->text(), "555-0100");
    EXPECT_EQ(get<QComboBox>("Combo1")->currentText(), "May");
    EXPECT_EQ(get<QComboBox>("Combo2")->currentText(), "2024");
    EXPECT_EQ(box("Text11")->text(), "2");
    EXPECT_EQ(box("Text13")->text(), "5/1/2019");
    EXPECT_EQ(box("Text14")->text(), "5/3/2019");
    EXPECT_EQ(box("Text15")->text(), "2");
    EXPECT_EQ(box("Text17")->text(), "65");
    EXPECT_EQ(label("Label28")->text(), "10:00:00 AM");
    EXPECT_EQ(label("Label24")->text(), "1234");
    EXPECT_EQ(label("Label29")->text(), "101");
    EXPECT_TRUE(label("Label31")->isHidden());
    EXPECT_TRUE(label("Label30")->isHidden());

    auto* list = get<QListWidget>("List1");
    EXPECT_EQ(rowsOf(list), (QStringList{
                                "101       5/1/2019            E              Room Rent                           65                 ",
                                "101       5/1/2019            T              Tax                                 7.8                ",
                                "101       5/1/2019            V              Visa                                72.8               ",
                            }));
    EXPECT_TRUE(list->font().fixedPitch() || QFontInfo(list->font()).fixedPitch());
    EXPECT_EQ(label("Label22")->text(), "0");
    EXPECT_EQ(backColour(list), "#c0ffc0");
    EXPECT_EQ(backColour(label("Label22")), "#c0ffc0");

    for (const char* name : {"Command1", "Command2", "Command5", "Command6"}) EXPECT_TRUE(button(name)->isEnabled()) << name;
    EXPECT_TRUE(get<QGroupBox>("ChargesFrame")->isEnabled());
    EXPECT_TRUE(get<QComboBox>("Combo5")->isEnabled());
    EXPECT_FALSE(button("Command7")->isEnabled());  // no message waiting
    EXPECT_EQ(backColour(button("Command7")), "#e0e0e0");
}

TEST_F(FolioWindowTest, AnAmountOwingIsRedAWaitingMessageLitAndTheAccountShown) {
    addAccount(t.dataDir, "ACME TOOLS", 3);
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3), 3, 1);
    postToFolio(t.dataDir, 1234, "101", may(1), 'E', 65.0);
    putGuest(t.dataDir, "102", 2, "ANN LEE", may(3));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    EXPECT_EQ(label("Label22")->text(), "65");
    EXPECT_EQ(backColour(get<QListWidget>("List1")), "#ffc0c0");
    EXPECT_EQ(backColour(label("Label22")), "#ffc0c0");
    EXPECT_TRUE(button("Command7")->isEnabled());
    EXPECT_EQ(backColour(button("Command7")), "#ff8080");
    EXPECT_FALSE(label("Label31")->isHidden());
    EXPECT_EQ(label("Label31")->text(), "Direct Bill Account");
    EXPECT_EQ(label("Label30")->text(), " 3-ACME TOOLS                    ");

    // The next guest shown has neither.
    choose("Combo3", "102  ANN LEE");
    EXPECT_TRUE(label("Label31")->isHidden());
    EXPECT_TRUE(label("Label30")->isHidden());
    EXPECT_FALSE(button("Command7")->isEnabled());
    EXPECT_EQ(backColour(button("Command7")), "#e0e0e0");
    EXPECT_EQ(backColour(get<QListWidget>("List1")), "#c0ffc0");
    EXPECT_EQ(label("Label22")->text(), "0");
}

TEST_F(FolioWindowTest, NamesAndPlacesTurnToUpperCaseAndStateDoesNotJumpToZip) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    box("Text1")->clear();
    QTest::keyClicks(box("Text1"), "jane doe");
    EXPECT_EQ(box("Text1")->text(), "JANE DOE");
    EXPECT_EQ(box("Text1")->cursorPosition(), 8);
    box("Text4")->clear();
    box("Text4")->setFocus();
    QTest::keyClicks(box("Text4"), "ohio");
    EXPECT_EQ(box("Text4")->text(), "OHIO");
    EXPECT_EQ(folioWindow()->focusWidget(), box("Text4"));
    for (const char* name : {"Text2", "Text3", "Text8", "Text9"}) {
        box(name)->clear();
        QTest::keyClicks(box(name), "abc");
        EXPECT_EQ(box(name)->text(), "ABC") << name;
    }
    QTest::keyClicks(box("Text7"), "cell x");  // "Cell" keeps what is typed
    EXPECT_EQ(box("Text7")->text(), "cell x");
}

TEST_F(FolioWindowTest, RoomRentFillsTheRateAndPostingsRebuildTheListAndBalance) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    choose("Combo4", "E - Room Rent");
    EXPECT_EQ(box("Text16")->text(), "65");
    EXPECT_EQ(folioWindow()->focusWidget(), box("Text16"));
    QTest::mouseClick(button("Command4"), Qt::LeftButton);

    EXPECT_EQ(get<QListWidget>("List1")->count(), 2);
    EXPECT_EQ(label("Label22")->text(), "72.8");
    EXPECT_EQ(get<QComboBox>("Combo4")->currentText(), "Select Code");
    EXPECT_EQ(box("Text16")->text(), "");
    EXPECT_EQ(readFolioLines(t.dataDir, 1234).size(), 2u);

    choose("Combo4", "C - Cash");
    EXPECT_EQ(box("Text16")->text(), "");  // only room rent takes the rate
    box("Text16")->setText("72.8");
    QTest::mouseClick(button("Command4"), Qt::LeftButton);
    EXPECT_EQ(label("Label22")->text(), "0");
    EXPECT_EQ(backColour(label("Label22")), "#c0ffc0");
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(FolioWindowTest, APostingWithoutCodeOrAmountIsRefusedAndWritesNothing) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    box("Text16")->setText("10");
    QTest::mouseClick(button("Command4"), Qt::LeftButton);
    choose("Combo4", "P - Pet Fee");
    box("Text16")->clear();
    QTest::mouseClick(button("Command4"), Qt::LeftButton);
    ASSERT_EQ(t.dialogs.shown.size(), 2u);
    EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
    EXPECT_EQ(t.dialogs.shown[0].text, "You didn't select a code.");
    EXPECT_EQ(t.dialogs.shown[1].text, "You didn't enter an amount.");
    EXPECT_EQ(folioWindow()->focusWidget(), box("Text16"));
    EXPECT_FALSE(std::filesystem::exists(t.path("dailycharge/ 1234")));
    EXPECT_EQ(get<QListWidget>("List1")->count(), 0);
}

TEST_F(FolioWindowTest, OpenedFromTheDeparturesListItShowsThatGuestAndPostsToHim) {
    putGuest(t.dataDir, "102", 2, "ANN LEE", may(1));
    putGuest(t.dataDir, "101", 5, "STAYS ON", may(4));
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));  // in house twice in 101: the one leaving today
    QWidget* main = t.windows.open("MainWindow");
    auto* departures = child<QListWidget>(main, "List2");
    ASSERT_EQ(rowsOf(departures), (QStringList{"102  ANN LEE", "101  JOHN SMITH"}));
    emit departures->itemDoubleClicked(departures->item(1));
    settle();

    ASSERT_NE(folioWindow(), nullptr);
    EXPECT_EQ(t.windows.find("MainWindow"), main);  // stays open underneath
    EXPECT_EQ(t.session.folioPreselection, "");
    EXPECT_EQ(label("Label24")->text(), "1234");
    EXPECT_EQ(box("Text1")->text(), "JOHN SMITH");
    EXPECT_EQ(get<QComboBox>("Combo3")->currentText(), "101  JOHN SMITH");
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo3")), (QStringList{"102  ANN LEE", "101  STAYS ON", "101  JOHN SMITH"}));
    EXPECT_TRUE(button("Command1")->isEnabled());

    post("P - Pet Fee", "15");
    const auto lines = readFolioLines(t.dataDir, 1234);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].code, "P");
    EXPECT_EQ(lines[0].amount, 15);
    EXPECT_TRUE(readFolioLines(t.dataDir, 5).empty());
    EXPECT_EQ(label("Label22")->text(), "15");

    folioWindow()->close();
    settle();
    EXPECT_EQ(t.session.folioPreselection, "tava");
    EXPECT_EQ(t.windows.find("MainWindow"), main);  // not opened a second time
}

TEST_F(FolioWindowTest, APreselectedRoomWithNoGuestLeavingTodayShowsNoGuest) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    t.session.folioPreselection = "101";
    openFolio();
    EXPECT_EQ(t.session.folioPreselection, "");
    EXPECT_EQ(box("Text1")->text(), "");
    EXPECT_EQ(label("Label24")->text(), "");
    EXPECT_FALSE(button("Command1")->isEnabled());
    EXPECT_EQ(get<QComboBox>("Combo3")->currentText(), "Select Guest");
}

TEST_F(FolioWindowTest, AMovedGuestIsPostedUnderTheNewRoom) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    postToFolio(t.dataDir, 1234, "101", may(1), 'E', 65.0);
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    choose("Combo5", "105  KK1");
    EXPECT_TRUE(t.dialogs.shown.empty());  // no question asked
    EXPECT_EQ(label("Label29")->text(), "105");
    EXPECT_TRUE(roomAt(t.dataDir, 1).vacant());
    EXPECT_TRUE(roomAt(t.dataDir, 1).dirty());
    EXPECT_TRUE(roomAt(t.dataDir, 3).occupied());
    EXPECT_TRUE(roomAt(t.dataDir, 3).dirty());
    EXPECT_EQ(guestAt(t.dataDir, 1).roomNo.str(), "105");
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo3")), (QStringList{"105  JOHN SMITH"}));
    EXPECT_EQ(get<QComboBox>("Combo3")->currentText(), "105  JOHN SMITH");
    EXPECT_TRUE(itemsOf(get<QComboBox>("Combo5")).isEmpty());  // 105 is taken, 101 is dirty
    EXPECT_EQ(get<QComboBox>("Combo5")->currentText(), "Change Room");

    post("S - Copies", "2");
    const auto lines = readFolioLines(t.dataDir, 1234);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].room, "101  ");
    EXPECT_EQ(lines[1].room, "105  ");
    EXPECT_EQ(rowsOf(get<QListWidget>("List1")).last().left(10), "105       ");
}

TEST_F(FolioWindowTest, SaveAndExitRefusesABadDateOrRateAndSavesAGoodOne) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    const Bytes before = readBytes(t.path("guest"));

    box("Text14")->setText("5/32/2019");
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    box("Text14")->setText("5/6/2019");
    box("Text17")->setText("sixty");
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    box("Text17")->clear();
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    ASSERT_EQ(t.dialogs.shown.size(), 3u);
    EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
    EXPECT_EQ(t.dialogs.shown[0].text, "The depart date is not a date. Enter it as month/day/year, for example 12/25/2024.");
    EXPECT_EQ(t.dialogs.shown[1].text, "The rate is not a number. Enter it in digits, for example 65 or 59.95.");
    EXPECT_EQ(t.dialogs.shown[2].text, "Please enter the rate.");
    EXPECT_EQ(folioWindow()->focusWidget(), box("Text17"));
    EXPECT_EQ(readBytes(t.path("guest")), before);
    ASSERT_NE(folioWindow(), nullptr);

    box("Text17")->setText("59.95");
    box("Text1")->setText("JOHN Q SMITH");
    box("Text13")->setText("4/1/2019");  // the arrival date is not saved
    get<QComboBox>("Combo1")->setEditText("June");
    QTest::mouseClick(button("Command5"), Qt::LeftButton);
    settle();
    EXPECT_EQ(folioWindow(), nullptr);
    const Guest saved = guestAt(t.dataDir, 1);
    EXPECT_EQ(saved.guestName.str(), "JOHN Q SMITH");
    EXPECT_EQ(saved.cardMonth.str(), "June");
    EXPECT_EQ(saved.rate, 59.95f);
    EXPECT_EQ(saved.departDate, may(6));
    EXPECT_EQ(saved.arrivalDate, may(1));
    EXPECT_TRUE(isOpen("MainWindow"));
}

TEST_F(FolioWindowTest, LeavingByAnyWayAfterViewFolioBringsTheMainWindowBack) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));
    for (const char* way : {"close box", "Command3", "Command8"}) {
        const int endedBefore = t.programEnded;
        QWidget* main = t.windows.open("MainWindow");
        QTest::mouseClick(child<QPushButton>(main, "Command1"), Qt::LeftButton);  // "View Folio"
        settle();
        ASSERT_FALSE(isOpen("MainWindow")) << way;
        ASSERT_NE(folioWindow(), nullptr) << way;
        choose("Combo3", "101  JOHN SMITH");
        t.session.hotelDate = may(20);
        t.windows.open("PostMessageWindow");
        if (std::string(way) == "close box")
            folioWindow()->close();
        else
            QTest::mouseClick(button(way), Qt::LeftButton);
        settle();
        EXPECT_EQ(folioWindow(), nullptr) << way;
        EXPECT_FALSE(isOpen("PostMessageWindow")) << way;
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

TEST_F(FolioWindowTest, CheckOutOnTheMainWindowAlsoOpensTheFolioScreen) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));
    QWidget* main = t.windows.open("MainWindow");
    QTest::mouseClick(child<QPushButton>(main, "Command7"), Qt::LeftButton);  // "Check Out"
    settle();
    EXPECT_FALSE(isOpen("MainWindow"));
    ASSERT_NE(folioWindow(), nullptr);
    EXPECT_EQ(itemsOf(get<QComboBox>("Combo3")), (QStringList{"101  JOHN SMITH"}));
}

TEST_F(FolioWindowTest, PrintFolioPrintsTheStayShown) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    postToFolio(t.dataDir, 1234, "101", may(1), 'E', 65.0);
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    QTest::mouseClick(button("Command2"), Qt::LeftButton);
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const auto& lines = t.printer.jobs[0].lines;
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines[11], "JOHN SMITH" + std::string(68, ' ') + "Phone:   555-0100       ");
    EXPECT_EQ(lines[15], "Folio:   1234");
    // Room at column 1, date at 10, code at 30, description at 50, amount at 85.
    EXPECT_EQ(lines[20], "101  " + std::string(4, ' ') + "5/1/2019" + std::string(12, ' ') + "E" + std::string(19, ' ') +
                             "Room Rent" + std::string(26, ' ') + " 65");
    EXPECT_EQ(lines[22], std::string(74, ' ') + "Balance:   " + " 65");
}

TEST_F(FolioWindowTest, TheDepartureCalendarRefusesADateThatOverbooksTheRoom) {
    Reservation r;
    r.guestName = "BOOKED";
    r.roomNo = "101";
    r.arrivalDate = may(4);
    r.departDate = may(5);
    RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).append(r);
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");

    QTest::mouseClick(box("Text14"), Qt::LeftButton);
    QWidget* calendar = t.windows.find("Form9");
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->windowTitle(), "Form9");
    auto* month = child<QCalendarWidget>(calendar, "Calendar1");
    EXPECT_EQ(month->selectedDate(), QDate(2019, 5, 1));
    emit month->clicked(QDate(2019, 5, 4));  // the reservation arrives on the 4th: no clash
    settle();
    EXPECT_FALSE(isOpen("Form9"));
    EXPECT_EQ(box("Text14")->text(), "5/4/2019");
    EXPECT_TRUE(t.dialogs.shown.empty());

    QTest::mouseClick(box("Text14"), Qt::LeftButton);
    emit child<QCalendarWidget>(t.windows.find("Form9"), "Calendar1")->clicked(QDate(2019, 5, 5));
    settle();
    EXPECT_FALSE(isOpen("Form9"));
    EXPECT_EQ(box("Text14")->text(), "5/4/2019");
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(t.dialogs.shown[0].title, "ATTENTION!");
    EXPECT_EQ(t.dialogs.shown[0].text, "You are overbooking on this room. Choose another room.");
    EXPECT_EQ(guestAt(t.dataDir, 1).departDate, may(3));  // the calendar writes no file
}

}  // namespace
