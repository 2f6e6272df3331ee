// The desk as a clerk works it from the keyboard, and where its windows come up: Escape and
// Enter, the calendars by keyboard, Tab out of the message text, "No" as the questions'
// default, what a box can hold, the main window's counts kept true, and placement.
#include <QtWidgets>

#include "checkin/ui/check_in_window.h"
#include "core/ui/date_calendar.h"
#include "core/ui/main_window.h"
#include "messages/ui/message_windows.h"
#include "platform/qt/message_box_dialogs.h"
#include "rooms/ui/room_inventory_window.h"
#include "rooms/ui/room_properties_window.h"
#include "rooms/ui/room_rates_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

// On 1 May 2019, the welcome window switched off, a tax rate of 0.12, rooms 101 and 102.
class AtTheDesk : public ::testing::Test {
protected:
    void SetUp() override {
        writeCounter(t.dataDir, t.dataDir.welcomeOption(), 1);
        setTaxRate(t.dataDir, 0.12f);
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

TEST_F(AtTheDesk, EscapeLeavesAWindowAsItsExitDoesQuestionIncluded) {
    auto* inventory = openActive<RoomInventoryWindow>();
    child<QLineEdit>(inventory, "Text1")->setFocus();
    press(inventory, Qt::Key_Escape);
    EXPECT_FALSE(t.isOpen(RoomInventoryWindow::kName));

    // "Add Direct Bill" asks before leaving without saving (its answers are its Exit's): No keeps it open.
    QWidget* account = t.open("AddDirectBillWindow");
    activate(account);
    t.dialogs.answers = {false};
    press(account, Qt::Key_Escape);
    EXPECT_EQ(t.shownBoxes(), "? Exit: Are you sure you want to exit without saving?\n");
    EXPECT_TRUE(t.isOpen("AddDirectBillWindow"));
}

TEST_F(AtTheDesk, EnterPressesThePlainActionButNeverChecksIn) {
    auto* inventory = openActive<RoomInventoryWindow>();
    chooseEntry(child<QComboBox>(inventory, "Combo1"), child<QComboBox>(inventory, "Combo1")->itemText(0));
    typeInto(child<QLineEdit>(inventory, "Text1"), "103");
    press(inventory, Qt::Key_Return);
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(RecordFile<Room>(t.dataDir, t.dataDir.rooms()).count(), 3u) << "Enter entered room 103";

    // Enter in the check-in window's boxes writes no stay: only the extra charge's "Enter" follows it.
    auto* checkIn = openActive<CheckInWindow>();
    typeInto(child<QLineEdit>(checkIn, "Text1"), "john smith");
    press(checkIn, Qt::Key_Return);
    chooseEntry(child<QComboBox>(checkIn, "Combo3"), "101  NQ1");
    const QString before = child<QLineEdit>(checkIn, "Text17")->text();
    typeInto(child<QLineEdit>(checkIn, "Text21"), "10");
    press(checkIn, Qt::Key_Return);
    EXPECT_EQ(child<QLineEdit>(checkIn, "Text17")->text().toDouble(), before.toDouble() + 10);
    EXPECT_EQ(t.dataDir.size(t.dataDir.guests()), 0u);
    EXPECT_TRUE(t.isOpen(CheckInWindow::kName));
}

TEST_F(AtTheDesk, TheCalendarOpensFromTheKeyboardAndPicksWithArrowsAndEnter) {
    auto* checkIn = openActive<CheckInWindow>();
    QLineEdit* depart = child<QLineEdit>(checkIn, "Text14");
    depart->setFocus();
    press(checkIn, Qt::Key_F4);
    auto* calendar = qobject_cast<DateCalendar*>(t.windows.find("Form5"));
    ASSERT_NE(calendar, nullptr);
    auto* days = child<QCalendarWidget>(calendar, "Calendar1")->findChild<QAbstractItemView*>();
    ASSERT_NE(days, nullptr);
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Right);
    QTest::keyClick(days, Qt::Key_Return);
    settle();
    EXPECT_FALSE(t.isOpen("Form5"));
    EXPECT_EQ(depart->text(), "5/4/2019");
    EXPECT_EQ(child<QLineEdit>(checkIn, "Text15")->text(), "3");

    // Alt+Down opens it too; Escape closes it and changes nothing.
    activate(checkIn);
    depart->setFocus();
    press(checkIn, Qt::Key_Down, Qt::AltModifier);
    calendar = qobject_cast<DateCalendar*>(t.windows.find("Form5"));
    ASSERT_NE(calendar, nullptr);
    activate(calendar);
    press(calendar, Qt::Key_Escape);
    EXPECT_FALSE(t.isOpen("Form5"));
    EXPECT_EQ(depart->text(), "5/4/2019");
}

TEST_F(AtTheDesk, TabLeavesTheMessageTextWhichHoldsAtMostItsField) {
    auto* post = new PostMessageWindow(t.desk, {1234, "101"}, nullptr);
    t.windows.show(post);
    activate(post);
    auto* text = child<QTextEdit>(post, "RichTextBox1");
    text->setFocus();
    QTest::keyClicks(text, "CALL");
    QTest::keyClick(text, Qt::Key_Tab);
    EXPECT_EQ(text->toPlainText(), "CALL");
    EXPECT_FALSE(text->hasFocus());

    text->setFocus();
    QTest::keyClicks(text, QString(120, QLatin1Char('x')));
    EXPECT_EQ(text->toPlainText(), "CALL" + QString(96, QLatin1Char('x')));
    text->setPlainText(QString(130, QLatin1Char('y')));
    EXPECT_EQ(text->toPlainText(), QString(100, QLatin1Char('y')));
    EXPECT_EQ(child<QLineEdit>(post, "Text1")->maxLength(), 30);
    EXPECT_EQ(child<QLineEdit>(post, "Text2")->maxLength(), 30);
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

TEST_F(AtTheDesk, ABoxTakesNoMoreThanItsFieldHolds) {
    auto* checkIn = openActive<CheckInWindow>();
    const std::pair<const char*, int> guestBoxes[] = {{"Text1", 30}, {"Text2", 30}, {"Text3", 30}, {"Text5", 15},
                                                      {"Text6", 15}, {"Text7", 15}, {"Text8", 20}, {"Text9", 40},
                                                      {"Text10", 20}, {"Text11", 1}, {"Text12", 1}};
    for (const auto& [name, width] : guestBoxes) {
        QLineEdit* box = child<QLineEdit>(checkIn, name);
        typeInto(box, QString(width + 5, QLatin1Char('7')));
        EXPECT_EQ(box->text().size(), width) << name;
    }

    // The room comment once lost all past 20 without a word; a room number past 3 cannot be typed.
    QWidget* properties = t.windows.open<RoomPropertiesWindow>();
    EXPECT_EQ(child<QLineEdit>(properties, "Text2")->maxLength(), 20);
    auto* inventory = t.windows.open<RoomInventoryWindow>();
    QLineEdit* roomNo = child<QLineEdit>(inventory, "Text1");
    typeInto(roomNo, "1234");
    EXPECT_EQ(roomNo->text(), "123");
    QLineEdit* type = child<QComboBox>(inventory, "Combo1")->lineEdit();
    type->selectAll();
    typeInto(type, "ABCDEFGHIJKLMN");
    EXPECT_EQ(type->text(), "ABCDEFGHIJ");
}

TEST_F(AtTheDesk, TheTaxWindowSaysWhenNoRateIsEnteredYet) {
    writeCounter(t.dataDir, t.dataDir.taxRate(), 0);
    EXPECT_EQ(textOf(t.windows.open<TaxRateWindow>(), "CurrentRate"), "none yet");
}

TEST_F(AtTheDesk, TheOpenMainWindowCountsACheckInAndKeepsTheClerksChoice) {
    addReservation(t.dataDir, "102", may(1));
    QWidget* main = t.windows.open<MainWindow>();
    settle();
    auto* arrivals = child<QListWidget>(main, "List1");
    arrivals->setCurrentRow(0);
    EXPECT_EQ(textOf(main, "Label21"), "0");
    EXPECT_EQ(textOf(main, "Label25"), "2");

    auto* checkIn = t.windows.open<CheckInWindow>();
    typeGuest(checkIn);
    choose(checkIn, "Combo3", "101  NQ1");
    choose(checkIn, "Combo4", "C - Cash");
    click(child<QPushButton>(checkIn, "Command1"));
    settle();
    ASSERT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(textOf(main, "Label21"), "1") << "in house";
    EXPECT_EQ(textOf(main, "Label25"), "1") << "vacant";
    EXPECT_EQ(textOf(main, "Label23"), "1") << "stay overs";
    EXPECT_EQ(arrivals->currentRow(), 0) << "the arrivals did not change: the chosen one stays chosen";

    // A change made behind the window's back shows at the next tick.
    addRoom(t.dataDir, "103", "NQ1", 65);
    static_cast<MainWindow*>(main)->onTimer();
    EXPECT_EQ(textOf(main, "Label25"), "2");
}

TEST_F(AtTheDesk, WindowsOpenCentredOverTheMainWindowWhichComesBackWhereItWas) {
    QWidget* main = t.windows.open<MainWindow>();
    settle();
    main->move(140, 90);
    settle();
    QWidget* inventory = t.windows.open<RoomInventoryWindow>();
    // Centred as its size is known when shown: a few pixels off once its layout settles.
    EXPECT_LE((inventory->frameGeometry().center() - main->frameGeometry().center()).manhattanLength(), 10);

    // The guest list places itself; the registry leaves it there.
    QWidget* guests = t.open("Form34");
    EXPECT_EQ(guests->pos(), QPoint(33, 33));

    const QRect where = main->geometry();
    main->close();
    settle();
    main = t.windows.open<MainWindow>();
    settle();
    EXPECT_EQ(main->geometry(), where);
}

}  // namespace
