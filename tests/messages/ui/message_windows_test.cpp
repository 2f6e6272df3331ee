// Guest messages through the two "Message" windows of the folio screen: the message file
// byte for byte, the stay's MessageFlag, the printed message and deleting it.
#include <QTextEdit>

#include "folio/ui/folio_window_test.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

Bytes messageBytes(const char* time, const char* to, const char* from, const std::string& text) {
    return RecordBytes(235).date(0, kMay1 + 1).text(8, time, 15).text(23, to, 30).text(53, from, 30).text(83, text, 100);
}

class MessageWindowsTest : public FolioWindowTest {
protected:
    void SetUp() override {
        FolioWindowTest::SetUp();
        putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3));
        putGuest(t.dataDir, "102", 77, "ANN LEE", may(3));
        openFolio();
        choose(folio(), "Combo3", "101  JOHN SMITH");
        t.clock.set(may(2), {14, 15, 7});  // the system clock is a day past the hotel date
    }
    QWidget* open(const char* button, const char* window) {
        press(folio(), button);
        return t.find(window);
    }
    // Types the message into the posting window and presses "Post" (Command1) or "Exit" (Command2).
    void write(const char* from, const char* to, const QString& text, const char* button = "Command1") {
        QWidget* window = open("Command6", "PostMessageWindow");
        type(window, "Text1", from);
        type(window, "Text2", to);
        child<QTextEdit>(window, "RichTextBox1")->setPlainText(text);
        press(window, button);
        EXPECT_FALSE(t.isOpen("PostMessageWindow"));
    }
    float messageFlag(std::uint64_t n) { return getSingle(guestBytes(t.dataDir, n, 0, 528), 478); }
    // The date, time, to and from the viewing window shows, and its text.
    QString viewed(QWidget* view) {
        return textsOf(view, {"Label1", "Label2", "Text1", "Text2"}) + "|" + child<QTextEdit>(view, "RichTextBox1")->toPlainText();
    }
};

TEST_F(MessageWindowsTest, PostingStoresTheLastMessageDatedBySystemClockAndLightsViewMessage) {
    write("FRONT DESK", "JOHN SMITH", "CALL YOUR OFFICE");
    EXPECT_EQ(readBytes(t.path("message/1234")), messageBytes("2:15:07 PM", "JOHN SMITH", "FRONT DESK", "CALL YOUR OFFICE"));
    EXPECT_EQ(messageFlag(1), 1.0f);
    EXPECT_EQ(messageFlag(2), 0.0f);
    EXPECT_TRUE(enabled("Command7"));

    // A second message replaces the first; a text of 120 characters is stored as its first 100.
    t.clock.setTime({16, 0, 0});
    write("MARY", "JOHN", QString(60, QLatin1Char('a')) + QString(60, QLatin1Char('b')));
    const Bytes second = messageBytes("4:00:00 PM", "JOHN", "MARY", std::string(60, 'a') + std::string(40, 'b'));
    EXPECT_EQ(readBytes(t.path("message/1234")), second);

    // Showing another guest closes both message windows, so a message never lands on the
    // wrong stay.
    open("Command7", "ViewMessageWindow");
    open("Command6", "PostMessageWindow");
    choose(folio(), "Combo3", "102  ANN LEE");
    settle();
    EXPECT_FALSE(t.isOpen("ViewMessageWindow") || t.isOpen("PostMessageWindow"));
}

TEST_F(MessageWindowsTest, ViewingShowsPrintsAndDeletesAfterTheQuestion) {
    write("FRONT DESK", "JOHN SMITH", "CALL YOUR OFFICE");
    choose(folio(), "Combo5", "105  KK1");  // the printed room is the one shown now
    QWidget* view = open("Command7", "ViewMessageWindow");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(viewed(view), "5/2/2019|2:15:07 PM|JOHN SMITH|FRONT DESK|CALL YOUR OFFICE");

    press(view, "Command1");
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].lines, (std::vector<std::string>{"", "5/2/2019", "2:15:07 PM", "Room#  105", "To: JOHN SMITH",
                                                                 "From: FRONT DESK", "", "", "Message:", "", "CALL YOUR OFFICE"}));
    t.dialogs.answers = {false, true};
    EXPECT_EQ(t.pressed(view, "Command2"), "? Delete: Are you sure you want to delete this message?\n");
    EXPECT_TRUE(std::filesystem::exists(t.path("message/1234")));
    press(view, "Command2");
    EXPECT_FALSE(std::filesystem::exists(t.path("message/1234")));
    EXPECT_EQ(messageFlag(1), 0.0f);
    EXPECT_FALSE(t.isOpen("ViewMessageWindow"));
    choose(folio(), "Combo3", "105  JOHN SMITH");  // shown again, the guest has no message waiting
    EXPECT_FALSE(enabled("Command7"));
}

}  // namespace
