// One stay from the windows alone: check-in, a posting, a room move, a message and
// check-out, then back to the main window.
#include <QTextEdit>

#include "folio/folio_window_fixture.h"
#include "folio/ledger.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

TEST_F(FolioWindowTest, AStayRunsFromCheckInToCheckOutThroughTheWindows) {
    putRoom(t.dataDir, "107", "NQ2", 70);
    QWidget* main = t.windows.open("MainWindow");
    QTest::mouseClick(child<QPushButton>(main, "Command4"), Qt::LeftButton);  // "Check In"
    QWidget* checkIn = t.windows.find("Form4");
    ASSERT_NE(checkIn, nullptr);
    QTest::keyClicks(child<QLineEdit>(checkIn, "Text1"), "john smith");
    QTest::keyClicks(child<QLineEdit>(checkIn, "Text2"), "1 main st");
    QTest::keyClicks(child<QLineEdit>(checkIn, "Text3"), "springfield");
    QTest::keyClicks(child<QLineEdit>(checkIn, "Text4"), "il");
    QTest::keyClicks(child<QLineEdit>(checkIn, "Text5"), "62701");
    QTest::keyClicks(child<QLineEdit>(checkIn, "Text11"), "2");
    for (auto [list, entry] : {std::pair{"Combo3", "105  KK1"}, std::pair{"Combo4", "C - Cash"}}) {
        auto* combo = child<QComboBox>(checkIn, list);
        const int index = combo->findText(QString::fromLatin1(entry));
        ASSERT_GE(index, 0) << entry;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QTest::mouseClick(child<QPushButton>(checkIn, "Command1"), Qt::LeftButton);  // "Check In Now"
    settle();
    ASSERT_TRUE(t.dialogs.shown.empty());
    ASSERT_FALSE(isOpen("Form4"));

    QTest::mouseClick(child<QPushButton>(main, "Command1"), Qt::LeftButton);  // "View Folio"
    settle();
    ASSERT_FALSE(isOpen("MainWindow"));
    choose("Combo3", "105  JOHN SMITH");
    EXPECT_EQ(label("Label24")->text(), "1");
    EXPECT_EQ(label("Label22")->text(), "0");  // the first night paid in cash at check-in

    post("N - Roll Away", "10");
    EXPECT_EQ(label("Label22")->text(), "10");
    choose("Combo5", "107  NQ2");
    post("C - Cash", "10");
    EXPECT_EQ(label("Label22")->text(), "0");

    QTest::mouseClick(button("Command6"), Qt::LeftButton);  // "Post Message"
    QWidget* message = t.windows.find("PostMessageWindow");
    ASSERT_NE(message, nullptr);
    QTest::keyClicks(child<QLineEdit>(message, "Text1"), "FRONT DESK");
    QTest::keyClicks(child<QLineEdit>(message, "Text2"), "JOHN SMITH");
    child<QTextEdit>(message, "RichTextBox1")->setPlainText("YOUR TAXI IS HERE");
    QTest::mouseClick(child<QPushButton>(message, "Command1"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(button("Command7")->isEnabled());

    QTest::mouseClick(button("Command1"), Qt::LeftButton);  // "Check Out"
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    QTest::mouseClick(button("Command8"), Qt::LeftButton);  // "Exit"
    settle();

    // The files as the stay left them.
    const Guest stay = guestAt(t.dataDir, 1);
    EXPECT_FALSE(stay.inHouse());
    EXPECT_EQ(stay.roomNo.str(), "107");
    EXPECT_EQ(stay.departTime.str(), "11:05:32 AM");
    EXPECT_EQ(stay.messageFlag, 1.0f);
    EXPECT_TRUE(std::filesystem::exists(t.path("message/1")));  // kept after check-out
    for (std::uint64_t room : {3u, 5u}) {  // 105 and 107: vacant and dirty
        EXPECT_TRUE(roomAt(t.dataDir, room).vacant()) << room;
        EXPECT_TRUE(roomAt(t.dataDir, room).dirty()) << room;
    }
    const auto lines = readFolioLines(t.dataDir, 1);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2].code, "N");
    EXPECT_EQ(lines[lines.size() - 2].room, "105  ");
    EXPECT_EQ(lines.back().code, "C");
    EXPECT_EQ(lines.back().room, "107  ");
    EXPECT_EQ(folioBalance(lines), 0);

    // Back on a fresh main window, with nobody left in house.
    QWidget* again = t.windows.find("MainWindow");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(child<QLabel>(again, "Label21")->text(), "0");
}

}  // namespace
