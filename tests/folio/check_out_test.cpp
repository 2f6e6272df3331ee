// "Check Out" on the folio screen: the question, the stay closed, the room freed and the
// window emptied.
#include "folio/folio_window_fixture.h"
#include "folio/ledger.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

TEST_F(FolioWindowTest, CheckingOutAGuestWhoOwesMoneyClosesTheStayAndEmptiesTheWindow) {
    addAccount(t.dataDir, "ACME TOOLS", 3);
    putGuest(t.dataDir, "102", 2, "ANN LEE", may(3));
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1), 3, 1);
    postToFolio(t.dataDir, 1234, "101", may(1), 'E', 65.0);
    const std::string folio = readText(t.path("dailycharge/ 1234"));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    ASSERT_EQ(label("Label22")->text(), "65");
    t.clock.setTime({14, 5, 9});

    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(t.dialogs.shown[0].question);
    EXPECT_EQ(t.dialogs.shown[0].title, "Check Out");
    EXPECT_EQ(t.dialogs.shown[0].text, "Are you sure you want to check this guest out?");

    const Guest closed = guestAt(t.dataDir, 2);
    EXPECT_FALSE(closed.inHouse());
    EXPECT_EQ(closed.departTime.str(), "2:05:09 PM");
    EXPECT_TRUE(roomAt(t.dataDir, 1).vacant());
    EXPECT_TRUE(roomAt(t.dataDir, 1).dirty());
    EXPECT_TRUE(roomAt(t.dataDir, 2).occupied());
    EXPECT_EQ(readText(t.path("dailycharge/ 1234")), folio);  // nothing posted

    // The window as it is with no guest shown.
    auto* guests = get<QComboBox>("Combo3");
    EXPECT_EQ(itemsOf(guests), (QStringList{"102  ANN LEE"}));
    EXPECT_EQ(guests->currentText(), "Select Guest");
    EXPECT_EQ(get<QComboBox>("Combo1")->currentText(), "Expire Month");
    EXPECT_EQ(get<QComboBox>("Combo2")->currentText(), "Expire Year");
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8", "Text9", "Text10",
                             "Text11", "Text12", "Text13", "Text14", "Text15", "Text16", "Text17"})
        EXPECT_EQ(box(name)->text(), "") << name;
    for (const char* name : {"Label24", "Label22", "Label28", "Label29", "Label30"})
        EXPECT_EQ(label(name)->text(), "") << name;
    EXPECT_TRUE(label("Label30")->isHidden());
    EXPECT_TRUE(label("Label31")->isHidden());
    EXPECT_EQ(label("Label31")->text(), "Direct Bill Account");
    for (const char* name : {"Command1", "Command2", "Command5", "Command6", "Command7"})
        EXPECT_FALSE(button(name)->isEnabled()) << name;
    EXPECT_FALSE(get<QGroupBox>("ChargesFrame")->isEnabled());
    EXPECT_FALSE(get<QComboBox>("Combo5")->isEnabled());
    EXPECT_EQ(get<QListWidget>("List1")->count(), 0);
    EXPECT_EQ(backColour(get<QListWidget>("List1")), "#ffffff");
    EXPECT_EQ(backColour(label("Label22")), "");  // the plain face of the window
}

TEST_F(FolioWindowTest, AnsweringNoChangesNothing) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    const Bytes guests = readBytes(t.path("guest"));
    const Bytes rooms = readBytes(t.path("rooms"));
    t.dialogs.answers = {false};
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_EQ(readBytes(t.path("guest")), guests);
    EXPECT_EQ(readBytes(t.path("rooms")), rooms);
    EXPECT_EQ(box("Text1")->text(), "JOHN SMITH");
    EXPECT_TRUE(button("Command1")->isEnabled());
}

TEST_F(FolioWindowTest, AGuestMovedToAnotherRoomFreesTheRoomHeWasMovedTo) {
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1));
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    choose("Combo5", "105  KK1");
    Room first = roomAt(t.dataDir, 1);
    first.cleanFlag = "Y";  // 101, dirty since the move, has been cleaned meanwhile
    RecordFile<Room>(t.dataDir, t.dataDir.rooms()).write(1, first);

    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    EXPECT_FALSE(guestAt(t.dataDir, 1).inHouse());
    EXPECT_TRUE(roomAt(t.dataDir, 3).vacant());  // 105
    EXPECT_TRUE(roomAt(t.dataDir, 3).dirty());
    EXPECT_FALSE(roomAt(t.dataDir, 1).dirty());  // 101 is left as it was
    EXPECT_EQ(get<QComboBox>("Combo3")->count(), 0);
}

TEST_F(FolioWindowTest, TheNextDirectBillGuestAfterACheckOutShowsTheAccountCaption) {
    addAccount(t.dataDir, "ACME TOOLS", 3);
    addAccount(t.dataDir, "GLOBEX", 4);
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(1), 3);
    putGuest(t.dataDir, "102", 1235, "ANN LEE", may(3), 4);
    openFolio();
    choose("Combo3", "101  JOHN SMITH");
    QTest::mouseClick(button("Command1"), Qt::LeftButton);
    ASSERT_TRUE(label("Label31")->isHidden());

    choose("Combo3", "102  ANN LEE");
    EXPECT_FALSE(label("Label31")->isHidden());
    EXPECT_EQ(label("Label31")->text(), "Direct Bill Account");
    EXPECT_FALSE(label("Label30")->isHidden());
    EXPECT_EQ(label("Label30")->text(), " 4-GLOBEX                        ");
    EXPECT_TRUE(button("Command1")->isEnabled());
}

}  // namespace
