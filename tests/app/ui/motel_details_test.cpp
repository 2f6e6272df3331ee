// "Motel Details": what the clerk saves is the main window's caption and title at once; what it
// refuses writes nothing; Enter saves and Escape leaves.
#include <QLabel>
#include <QLineEdit>

#include "app/motel_details_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

const char* const kPineFile =
    "name=Pine Lodge\nstreet=14 Lake Rd\ncity=Harbor Falls, ME  04000\nphone=Tel 207-555-0100\nextra=\n";

class MotelDetailsTest : public ::testing::Test {
protected:
    void SetUp() override { switchWelcomeOff(t.dataDir, true); }

    QWidget* details() { return t.find(MotelDetailsWindow::kName); }
    QLineEdit* box(const char* name) { return child<QLineEdit>(details(), name); }
    // A key on the box, the window active, as the clerk presses it.
    void key(const char* name, Qt::Key pressed) {
        QApplication::setActiveWindow(details());
        box(name)->setFocus();
        QTest::keyClick(box(name), pressed);
        settle();
    }
    bool saved() const { return std::filesystem::exists(t.path("motel.conf")); }

    TestDesk t;
};

TEST_F(MotelDetailsTest, EnterSavesAndTheMainWindowFollowsAtOnceEscapeLeaves) {
    QWidget* main = t.open("MainWindow");
    EXPECT_EQ(textOf(main, "Label7") + "|" + titleOf(main), "Corvid Lodge Inn|Corvid Lodge Inn - Innvera");

    t.open("MotelDetails");
    EXPECT_EQ(titleOf(details()), "Motel Details");
    // Nothing saved yet: empty boxes showing what is printed now; each takes what fits the folio.
    EXPECT_EQ(textsOf(details(), {"MotelName", "MotelStreet", "MotelCity", "MotelPhone", "MotelExtra"}), "||||");
    EXPECT_EQ(box("MotelName")->placeholderText(), "Kestrel Motel");
    EXPECT_EQ(box("MotelPhone")->placeholderText(), "Phone: 555-010-0000   Fax: 555-010-0001");
    EXPECT_EQ(box("MotelName")->maxLength(), 42);
    EXPECT_EQ(box("MotelPhone")->maxLength(), 48);
    EXPECT_EQ(box("MotelExtra")->maxLength(), 42);

    retype(details(), "MotelName", " Pine Lodge ");
    retype(details(), "MotelStreet", "14 Lake Rd");
    retype(details(), "MotelCity", "Harbor Falls, ME  04000");
    retype(details(), "MotelPhone", "Tel 207-555-0100");
    key("MotelCity", Qt::Key_Return);
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(readText(t.path("motel.conf")), kPineFile);
    EXPECT_EQ(textOf(main, "Label7") + "|" + titleOf(main), "Pine Lodge|Pine Lodge - Innvera");
    EXPECT_EQ(textsOf(details(), {"MotelName", "SavedNote"}), "Pine Lodge|Saved.");

    // Escape leaves without writing what was typed since.
    retype(details(), "MotelName", "Lakeside Inn");
    key("MotelName", Qt::Key_Escape);
    EXPECT_FALSE(t.isOpen(MotelDetailsWindow::kName));
    EXPECT_EQ(readText(t.path("motel.conf")), kPineFile);

    // Opened again, it shows what is saved.
    t.open("MotelDetails");
    EXPECT_EQ(textsOf(details(), {"MotelName", "MotelStreet", "MotelCity", "MotelPhone", "MotelExtra"}),
              "Pine Lodge|14 Lake Rd|Harbor Falls, ME  04000|Tel 207-555-0100|");
}

TEST_F(MotelDetailsTest, AnEmptyNameOrAControlCharacterIsRefusedWithTheFocusOnItsBoxAndNothingWritten) {
    t.open("MotelDetails");
    retype(details(), "MotelName", "   ");
    EXPECT_EQ(t.pressed(details(), "SaveDetails"), attention("You didn't enter the motel's name."));
    EXPECT_TRUE(hasFocus(details(), "MotelName"));
    EXPECT_FALSE(saved());

    retype(details(), "MotelName", "Pine Lodge");
    box("MotelStreet")->setText("14\tLake Rd");  // pasted: a tab cannot be typed into the box
    EXPECT_EQ(t.pressed(details(), "SaveDetails"),
              attention("The street has a tab or another character that cannot be printed. Take it out."));
    EXPECT_TRUE(hasFocus(details(), "MotelStreet"));
    EXPECT_FALSE(saved());
    EXPECT_EQ(textOf(details(), "SavedNote"), "");
}

}  // namespace
}  // namespace innvera::testing
