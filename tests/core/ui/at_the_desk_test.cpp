// The desk from the keyboard: Enter never checks in, and "No" is the questions' default.
#include <QtWidgets>

#include "checkin/ui/check_in_window.h"
#include "platform/qt/message_box_dialogs.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

// On 1 May 2019, the welcome window switched off, a tax rate of 0.12, rooms 101 and 102.
class AtTheDesk : public ::testing::Test {
protected:
    void SetUp() override {
        switchWelcomeOff(t.dataDir, true);
        writeTaxRate(t.dataDir, 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65);
        addRoom(t.dataDir, "102", "KK1", 80);
    }

    // Shows the window as the registry does and makes it the active one, as a clerk's click would.
    template <class W>
    W* openActive() {
        W* window = t.windows.open<W>();
        activate(window);
        return window;
    }
    static void activate(QWidget* window) {
        QApplication::setActiveWindow(window);
        settle();
    }
    // One key on the control that has the focus in the active window, shortcuts included.
    static void press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, key, modifiers);
        settle();
    }
    static void typeInto(QLineEdit* box, const QString& text) {
        box->setFocus();
        QTest::keyClicks(box, text);
    }

    TestDesk t;
};

TEST_F(AtTheDesk, EnterInTheCheckInWindowsBoxesNeverChecksIn) {
    // Only the extra charge's "Enter" follows it.
    auto* checkIn = openActive<CheckInWindow>();
    typeInto(child<QLineEdit>(checkIn, "Text1"), "john smith");
    press(checkIn, Qt::Key_Return);
    chooseEntry(child<QComboBox>(checkIn, "Combo3"), "101  NQ1");
    const QString before = child<QLineEdit>(checkIn, "Text17")->text();
    chooseEntry(child<QComboBox>(checkIn, "Combo5"), "P - Pet Fee");
    typeInto(child<QLineEdit>(checkIn, "Text21"), "10");
    press(checkIn, Qt::Key_Return);
    EXPECT_EQ(child<QLineEdit>(checkIn, "Text17")->text().toDouble(), before.toDouble() + 10);
    EXPECT_EQ(t.dataDir.size(t.dataDir.guests()), 0u);
    EXPECT_TRUE(t.isOpen(CheckInWindow::kName));
}

TEST_F(AtTheDesk, AQuestionAnswersNoToEnterAndYesOnlyWhenChosen) {
    MessageBoxDialogs dialogs;
    QString defaultButton;
    const auto answerWith = [&](Qt::Key key) {
        QTimer::singleShot(0, [&, key] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
            if (key == Qt::Key_Y) box->button(QMessageBox::Yes)->click();
            else QTest::keyClick(box, key);
        });
    };
    answerWith(Qt::Key_Return);
    EXPECT_FALSE(dialogs.ask("Vacant", "Are you sure you want to make all rooms vacant?"));
    EXPECT_EQ(defaultButton, "&No");
    answerWith(Qt::Key_Escape);
    EXPECT_FALSE(dialogs.ask("Check Out", "Check out?"));
    answerWith(Qt::Key_Y);
    EXPECT_TRUE(dialogs.ask("Check Out", "Check out?"));
}

}  // namespace
