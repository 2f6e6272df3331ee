#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "room_files.h"

namespace innvera::testing {
namespace {

class RoomProperties : public ::testing::Test {
protected:
    void SetUp() override {
        RoomBytes first{"101", "NQ1", "Y", "N", "K", 65.0f, "LEAKY TAP"};
        RoomBytes second{"102", "KK1", "O", "Y", "X", 59.95f};
        room101 = first.bytes();
        room101[60] = 'Z';  // a reserved byte every change keeps
        room102 = second.bytes();
        writeBytes(t.path("rooms"), joined({room101, room102}));
    }

    QWidget* open() {
        window = openWindow(t, "RoomPropertiesWindow");
        return window;
    }
    void chooseRoom(const QString& entry) { choose(child<QComboBox>(window, "Combo1"), entry); }
    bool visible(const char* name) {
        auto* w = child<QWidget>(window, name);
        return w && w->isVisible();
    }
    bool enabled(const char* name) {
        auto* w = child<QWidget>(window, name);
        return w && w->isEnabled();
    }
    // What the value labels show, in the order of the window.
    std::vector<std::string> shown() {
        std::vector<std::string> values;
        for (const char* name : {"Label3", "Label4", "Label6", "Label8", "Label10", "Label12"})
            values.push_back(labelText(window, name));
        return values;
    }

    TestDesk t;
    Bytes room101, room102;
    QWidget* window = nullptr;
};

const char* const kChangeButtons[] = {"Command1", "Command2", "Command3", "Command4", "Command5"};
const char* const kHiddenAtFirst[] = {"Combo2", "Text1",   "Combo3",   "Combo4",   "Combo5",
                                      "Command9", "Command6", "Command7", "Command8", "Command10"};

TEST_F(RoomProperties, OpensWithTheRoomsToChooseAndNothingToChangeYet) {
    open();
    EXPECT_EQ(window->windowTitle(), "Edit Room Properties");
    auto* chooser = child<QComboBox>(window, "Combo1");
    EXPECT_EQ(items(chooser), QStringList({"101     NQ1       ", "102     KK1       "}));
    EXPECT_EQ(chooser->currentText(), "Choose Room");
    EXPECT_EQ(items(child<QComboBox>(window, "Combo2")),
              QStringList({"NQ1", "NQQ1", "Q11", "QQ1", "PNQ1", "PQ1", "NK1", "KK1", "JNK1", "JK1"}));
    EXPECT_EQ(items(child<QComboBox>(window, "Combo3")), QStringList({"Y", "O"}));
    EXPECT_EQ(items(child<QComboBox>(window, "Combo4")), QStringList({"Y", "N"}));
    EXPECT_EQ(items(child<QComboBox>(window, "Combo5")), QStringList({"K", "X"}));
    for (const char* name : kChangeButtons) {
        EXPECT_FALSE(enabled(name)) << name;
        EXPECT_EQ(child<QPushButton>(window, name)->text(), "Change");
    }
    for (const char* name : kHiddenAtFirst) EXPECT_FALSE(visible(name)) << name;
    EXPECT_TRUE(visible("Text2"));
    EXPECT_EQ(child<QPushButton>(window, "Command12")->text(), "Update");
    EXPECT_EQ(child<QPushButton>(window, "Command11")->text(), "Exit");
}

TEST_F(RoomProperties, ChoosingARoomShowsItsStoredValues) {
    open();
    chooseRoom("102     KK1       ");
    EXPECT_EQ(shown(), std::vector<std::string>({"102  ", "KK1       ", "59.95", "O", "Y", "X"}));
    EXPECT_EQ(child<QLineEdit>(window, "Text2")->text(), "");
    for (const char* name : kChangeButtons) EXPECT_TRUE(enabled(name)) << name;

    chooseRoom("101     NQ1       ");
    EXPECT_EQ(shown(), std::vector<std::string>({"101  ", "NQ1       ", "65", "Y", "N", "K"}));
    EXPECT_EQ(child<QLineEdit>(window, "Text2")->text(), "LEAKY TAP");
}

TEST_F(RoomProperties, ATypedTextNamingNoRoomShowsNothingAndAllowsNoChange) {
    open();
    chooseRoom("101     NQ1       ");
    auto* chooser = child<QComboBox>(window, "Combo1");
    chooser->lineEdit()->clear();
    QTest::keyClicks(chooser->lineEdit(), "999");
    QTest::keyClick(chooser->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(shown(), std::vector<std::string>({"", "", "", "", "", ""}));
    EXPECT_EQ(child<QLineEdit>(window, "Text2")->text(), "");
    for (const char* name : kChangeButtons) EXPECT_FALSE(enabled(name)) << name;

    // With no room shown, closing stores no comment.
    window->close();
    settle();
    EXPECT_EQ(readBytes(t.path("rooms")), joined({room101, room102}));

    // A typed number that names a room shows it.
    open();
    chooser = child<QComboBox>(window, "Combo1");
    chooser->lineEdit()->clear();
    QTest::keyClicks(chooser->lineEdit(), "102");
    QTest::keyClick(chooser->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(labelText(window, "Label3"), "102  ");
}

TEST_F(RoomProperties, ALongerRoomNumberShowsTheThreeCharacterRoomItBeginsWith) {
    writeBytes(t.path("rooms"), joined({RoomBytes{"1012", "JK1"}.bytes(), room101}));
    open();
    chooseRoom("1012    JK1       ");
    EXPECT_EQ(labelText(window, "Label3"), "101  ");
    EXPECT_EQ(labelText(window, "Label4"), "NQ1       ");
}

TEST_F(RoomProperties, TheTypeChangeStoresTheChosenTypeOnTheShownRoomOnly) {
    open();
    chooseRoom("101     NQ1       ");
    click(window, "Command1");
    EXPECT_TRUE(visible("Combo2"));
    EXPECT_FALSE(visible("Command9"));
    EXPECT_EQ(child<QComboBox>(window, "Combo2")->currentText(), "Select Type");
    choose(child<QComboBox>(window, "Combo2"), "JNK1");
    EXPECT_TRUE(visible("Command9"));
    click(window, "Command9");

    RecordBytes changed(148);
    changed.at(0, room101).text(5, "JNK1", 10);
    EXPECT_EQ(readBytes(t.path("rooms")), joined({changed.bytes(), room102}));
    EXPECT_EQ(labelText(window, "Label4"), "JNK1      ");
    EXPECT_FALSE(visible("Combo2"));
    EXPECT_FALSE(visible("Command9"));
}

TEST_F(RoomProperties, ATypeTypedIntoTheEditorIsStoredCutToTen) {
    open();
    chooseRoom("101     NQ1       ");
    click(window, "Command1");
    auto* editor = child<QComboBox>(window, "Combo2");
    editor->lineEdit()->clear();
    QTest::keyClicks(editor->lineEdit(), "HONEYMOON SUITE");
    click(window, "Command9");
    EXPECT_EQ(roomRecord(t, 1), [&] {
        RecordBytes r(148);
        r.at(0, room101).text(5, "HONEYMOON ", 10);
        return r.bytes();
    }());
}

TEST_F(RoomProperties, TheRateChangeStoresTheTypedRate) {
    open();
    chooseRoom("101     NQ1       ");
    click(window, "Command2");
    EXPECT_TRUE(visible("Text1"));
    EXPECT_TRUE(visible("Command6"));
    EXPECT_EQ(window->focusWidget(), child<QLineEdit>(window, "Text1"));
    QTest::keyClicks(child<QLineEdit>(window, "Text1"), "72.5");
    click(window, "Command6");

    RecordBytes expected(148);
    expected.at(0, room101).single(34, 72.5f);
    EXPECT_EQ(readBytes(t.path("rooms")), joined({expected.bytes(), room102}));
    EXPECT_EQ(labelText(window, "Label6"), "72.5");
    EXPECT_EQ(child<QLineEdit>(window, "Text1")->text(), "");
    EXPECT_FALSE(visible("Text1"));
    EXPECT_FALSE(visible("Command6"));
}

TEST_F(RoomProperties, ARateThatIsNotANumberLeavesTheStoredRate) {
    open();
    chooseRoom("101     NQ1       ");
    for (const char* typed : {"abc", "", "65 dollars", "1e39"}) {
        click(window, "Command2");
        auto* box = child<QLineEdit>(window, "Text1");
        box->clear();
        QTest::keyClicks(box, typed);
        click(window, "Command6");
        EXPECT_EQ(readBytes(t.path("rooms")), joined({room101, room102})) << typed;
        EXPECT_EQ(labelText(window, "Label6"), "65") << typed;
        EXPECT_TRUE(visible("Text1")) << typed;
        EXPECT_EQ(box->text().toStdString(), typed);
    }
    ASSERT_EQ(t.dialogs.shown.size(), 4u);
    for (const auto& shown : t.dialogs.shown) {
        EXPECT_EQ(shown.title, "ATTENTION!");
        EXPECT_EQ(shown.text, "The room rate must be a number.");
    }
}

TEST_F(RoomProperties, VacantAndCleanTakeTheFirstCharacterOfTheChoice) {
    open();
    chooseRoom("101     NQ1       ");
    click(window, "Command3");
    choose(child<QComboBox>(window, "Combo3"), "O");
    click(window, "Command7");
    click(window, "Command4");
    auto* clean = child<QComboBox>(window, "Combo4");
    clean->lineEdit()->clear();
    QTest::keyClicks(clean->lineEdit(), "yes");  // typed, not chosen: its first character
    EXPECT_TRUE(visible("Command8"));
    click(window, "Command8");

    RecordBytes expected(148);
    expected.at(0, room101).text(31, "O", 1).text(32, "y", 1);
    EXPECT_EQ(readBytes(t.path("rooms")), joined({expected.bytes(), room102}));
    EXPECT_EQ(labelText(window, "Label8"), "O");
    EXPECT_EQ(labelText(window, "Label10"), "y");
    for (const char* name : {"Combo3", "Command7", "Combo4", "Command8"}) EXPECT_FALSE(visible(name)) << name;
}

TEST_F(RoomProperties, AStatusChangeRefreshesTheMainWindowsOutOfOrderCount) {
    // The main window as far as this editor sees it: a window with its "Out Of Order:" value.
    t.windows.define("MainWindow", [] {
        auto* main = new QWidget;
        main->setObjectName("MainWindow");
        auto* count = new QLabel("1", main);
        count->setObjectName("Label27");
        return main;
    });
    QWidget* main = t.windows.open("MainWindow");
    auto* outOfOrder = child<QLabel>(main, "Label27");
    open();

    chooseRoom("101     NQ1       ");
    click(window, "Command5");
    EXPECT_EQ(child<QComboBox>(window, "Combo5")->currentText(), "Out Of Order");
    choose(child<QComboBox>(window, "Combo5"), "X");
    click(window, "Command10");
    EXPECT_EQ(roomRecord(t, 1), [&] {
        RecordBytes r(148);
        r.at(0, room101).text(33, "X", 1);
        return r.bytes();
    }());
    EXPECT_EQ(labelText(window, "Label12"), "X");
    EXPECT_EQ(outOfOrder->text(), "2");  // 102 was out of order already

    for (const char* entry : {"101     NQ1       ", "102     KK1       "}) {
        chooseRoom(entry);
        click(window, "Command5");
        choose(child<QComboBox>(window, "Combo5"), "K");
        click(window, "Command10");
    }
    EXPECT_EQ(outOfOrder->text(), "0");
    EXPECT_EQ(roomRecord(t, 2), [&] {
        RecordBytes r(148);
        r.at(0, room102).text(33, "K", 1);
        return r.bytes();
    }());
}

TEST_F(RoomProperties, TheCommentIsStoredCutToTwentyByUpdateAndOnClosing) {
    open();
    chooseRoom("102     KK1       ");
    auto* comment = child<QLineEdit>(window, "Text2");
    QTest::keyClicks(comment, "NEEDS NEW CARPET IN BATH");  // 24 characters
    click(window, "Command12");
    RecordBytes expected(148);
    expected.at(0, room102).text(38, "NEEDS NEW CARPET IN ", 20);
    EXPECT_EQ(readBytes(t.path("rooms")), joined({room101, expected.bytes()}));

    // Edited and closed without "Update": still stored.
    chooseRoom("101     NQ1       ");
    comment->setText("TV REMOTE MISSING");
    click(window, "Command11");
    settle();
    EXPECT_EQ(t.windows.find("RoomPropertiesWindow"), nullptr);
    RecordBytes closed(148);
    closed.at(0, room101).text(38, "TV REMOTE MISSING", 20);
    EXPECT_EQ(readBytes(t.path("rooms")), joined({closed.bytes(), expected.bytes()}));
}

TEST_F(RoomProperties, AChangeToARoomNoLongerOnFileChangesNothing) {
    open();
    chooseRoom("101     NQ1       ");
    writeBytes(t.path("rooms"), room102);  // the room is gone from under the editor
    click(window, "Command5");
    choose(child<QComboBox>(window, "Combo5"), "X");
    click(window, "Command10");
    click(window, "Command12");
    EXPECT_EQ(readBytes(t.path("rooms")), room102);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

}  // namespace
}  // namespace innvera::testing
