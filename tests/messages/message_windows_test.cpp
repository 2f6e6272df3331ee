// The two "Message" windows, driven from the folio screen.
#include <QTextEdit>

#include "folio/folio_window_fixture.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

Bytes messageBytes(double day, const char* time, const char* to, const char* from, const std::string& text) {
    return RecordBytes(235).date(0, day).text(8, time, 15).text(23, to, 30).text(53, from, 30).text(83, text, 100);
}

float messageFlagBytes(TestDesk& t, std::uint64_t n) {
    const Bytes all = readBytes(t.path("guest"));
    return getSingle(Bytes(all.begin() + static_cast<std::ptrdiff_t>((n - 1) * 528), all.end()), 478);
}

class MessageWindowsTest : public FolioWindowTest {
protected:
    void SetUp() override {
        FolioWindowTest::SetUp();
        putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
        putGuest(t.dataDir, "102", 77, "ANN LEE", may(3));
        putGuest(t.dataDir, "103", 88, "LOST NOTE", may(3), 0, 1);  // flagged, but its file is gone
        openFolio();
        choose("Combo3", "101  JOHN SMITH");
        // The system clock is a day past the hotel date.
        t.clock.set(may(2), {14, 15, 7});
    }

    QWidget* openPost() {
        QTest::mouseClick(button("Command6"), Qt::LeftButton);
        return t.windows.find("PostMessageWindow");
    }
    QWidget* openView() {
        QTest::mouseClick(button("Command7"), Qt::LeftButton);
        return t.windows.find("ViewMessageWindow");
    }
    void write(QWidget* window, const char* from, const char* to, const QString& text) {
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), from);
        QTest::keyClicks(child<QLineEdit>(window, "Text2"), to);
        child<QTextEdit>(window, "RichTextBox1")->setPlainText(text);
        QTest::mouseClick(child<QPushButton>(window, "Command1"), Qt::LeftButton);
        settle();
    }
};

TEST_F(MessageWindowsTest, PostingDatesTheMessageBySystemClockAndLightsViewMessage) {
    QWidget* window = openPost();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Message");
    EXPECT_EQ(child<QLabel>(window, "Label2")->text(), "5/2/2019");
    EXPECT_EQ(child<QLabel>(window, "Label3")->text(), "2:15:07 PM");
    write(window, "FRONT DESK", "JOHN SMITH", "CALL YOUR OFFICE");

    EXPECT_FALSE(isOpen("PostMessageWindow"));
    EXPECT_EQ(readBytes(t.path("message/1234")),
              messageBytes(43587, "2:15:07 PM", "JOHN SMITH", "FRONT DESK", "CALL YOUR OFFICE"));
    EXPECT_EQ(messageFlagBytes(t, 1), 1.0f);
    EXPECT_EQ(messageFlagBytes(t, 2), 0.0f);
    EXPECT_TRUE(button("Command7")->isEnabled());
    EXPECT_EQ(backColour(button("Command7")), "#ff8080");
}

TEST_F(MessageWindowsTest, PostingTwiceKeepsTheSecondAndALongTextIsCutTo100) {
    write(openPost(), "FRONT DESK", "JOHN SMITH", "FIRST");
    t.clock.setTime({16, 0, 0});
    const QString longText = QString(60, QLatin1Char('a')) + QString(60, QLatin1Char('b'));
    write(openPost(), "MARY", "JOHN", longText);
    const Bytes stored = readBytes(t.path("message/1234"));
    EXPECT_EQ(stored, messageBytes(43587, "4:00:00 PM", "JOHN", "MARY", std::string(60, 'a') + std::string(40, 'b')));
}

TEST_F(MessageWindowsTest, ExitWritesNothing) {
    QWidget* window = openPost();
    QTest::keyClicks(child<QLineEdit>(window, "Text1"), "FRONT DESK");
    QTest::mouseClick(child<QPushButton>(window, "Command2"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(isOpen("PostMessageWindow"));
    EXPECT_FALSE(std::filesystem::exists(t.path("message/1234")));
    EXPECT_EQ(messageFlagBytes(t, 1), 0.0f);
}

TEST_F(MessageWindowsTest, ViewingShowsPrintsAndDeletesAfterTheQuestion) {
    write(openPost(), "FRONT DESK", "JOHN SMITH", "CALL YOUR OFFICE");
    choose("Combo5", "105  KK1");  // the printed room is the one shown now
    QWidget* view = openView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "Message");
    EXPECT_EQ(child<QLabel>(view, "Label1")->text(), "5/2/2019");
    EXPECT_EQ(child<QLabel>(view, "Label2")->text(), "2:15:07 PM");
    EXPECT_EQ(child<QLineEdit>(view, "Text1")->text(), "JOHN SMITH");
    EXPECT_EQ(child<QLineEdit>(view, "Text2")->text(), "FRONT DESK");
    EXPECT_EQ(child<QTextEdit>(view, "RichTextBox1")->toPlainText(), "CALL YOUR OFFICE");

    QTest::mouseClick(child<QPushButton>(view, "Command1"), Qt::LeftButton);
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].lines,
              (std::vector<std::string>{"", "5/2/2019", "2:15:07 PM", "Room#  105", "To: JOHN SMITH", "From: FRONT DESK",
                                        "", "", "Message:", "", "CALL YOUR OFFICE"}));

    t.dialogs.answers = {false, true};
    QTest::mouseClick(child<QPushButton>(view, "Command2"), Qt::LeftButton);
    ASSERT_EQ(t.dialogs.shown.size(), 1u);
    EXPECT_TRUE(t.dialogs.shown[0].question);
    EXPECT_EQ(t.dialogs.shown[0].title, "Delete");
    EXPECT_EQ(t.dialogs.shown[0].text, "Are you sure you want to delete this message?");
    EXPECT_TRUE(std::filesystem::exists(t.path("message/1234")));
    EXPECT_TRUE(isOpen("ViewMessageWindow"));

    QTest::mouseClick(child<QPushButton>(view, "Command2"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(std::filesystem::exists(t.path("message/1234")));
    EXPECT_EQ(messageFlagBytes(t, 1), 0.0f);
    EXPECT_FALSE(isOpen("ViewMessageWindow"));

    // Shown again, the guest has no message waiting.
    choose("Combo3", "105  JOHN SMITH");
    EXPECT_FALSE(button("Command7")->isEnabled());
}

TEST_F(MessageWindowsTest, AStayWithoutAMessageFileShowsEmptyFields) {
    choose("Combo3", "103  LOST NOTE");
    ASSERT_TRUE(button("Command7")->isEnabled());
    QWidget* view = openView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(child<QLabel>(view, "Label1")->text(), "");
    EXPECT_EQ(child<QLabel>(view, "Label2")->text(), "");
    EXPECT_EQ(child<QLineEdit>(view, "Text1")->text(), "");
    EXPECT_EQ(child<QTextEdit>(view, "RichTextBox1")->toPlainText(), "");
    EXPECT_FALSE(std::filesystem::exists(t.path("message/88")));
    QTest::mouseClick(child<QPushButton>(view, "Command3"), Qt::LeftButton);
    settle();
    EXPECT_FALSE(isOpen("ViewMessageWindow"));
}

TEST_F(MessageWindowsTest, ClosingTheFolioScreenClosesBothMessageWindows) {
    write(openPost(), "A", "B", "C");
    openView();
    openPost();
    ASSERT_TRUE(isOpen("ViewMessageWindow"));
    ASSERT_TRUE(isOpen("PostMessageWindow"));
    folioWindow()->close();
    settle();
    EXPECT_FALSE(isOpen("ViewMessageWindow"));
    EXPECT_FALSE(isOpen("PostMessageWindow"));
}

}  // namespace
