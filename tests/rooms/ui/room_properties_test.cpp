#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

class RoomProperties : public ::testing::Test {
protected:
    void SetUp() override {
        writeBytes(t.path("rooms"), concat({room101, room102}));
        window = t.open("RoomPropertiesWindow");
    }
    // Opens an editor with its "Change" button, chooses or types a value and presses "Change Now".
    void change(const char* changeButton, const char* editor, const QString& value, const char* changeNow) {
        press(window, changeButton);
        fill(window, editor, value);
        press(window, changeNow);
    }
    // Those of the named controls (blank-separated) that are shown, or enabled.
    QString shownOf(const QString& names) { return visibleOf(window, names.split(' ')); }
    QString enabled(const QString& names) { return enabledOf(window, names.split(' ')); }
    // What the value labels and the comment box show, in the order of the window.
    QString shown() { return textsOf(window, {"Label3", "Label4", "Label6", "Label8", "Label10", "Label12", "Text2"}); }

    TestDesk t;
    const Bytes room101 = patched(roomBytes("101", "NQ1", "YNK", 65, "LEAKY TAP"), 60, "Z");  // Z: a reserved byte
    const Bytes room102 = roomBytes("102", "KK1", "OYX", 59.95f);
    const QString changeButtons = "Command1 Command2 Command3 Command4 Command5";
    const QString editors = "Combo2 Command9 Text1 Command6 Combo3 Command7 Combo4 Command8 Combo5 Command10";
    QWidget* window = nullptr;
};

TEST_F(RoomProperties, ShowsTheChosenRoomAndNothingForATextNamingNoRoom) {
    EXPECT_EQ(window->windowTitle(), "Edit Room Properties");
    EXPECT_EQ(entries(window, "Combo1"), QStringList({"101     NQ1       ", "102     KK1       "}));
    EXPECT_EQ(textOf(window, "Combo1"), "Choose Room");
    EXPECT_EQ(entries(window, "Combo2"), QStringList({"NQ1", "NQQ1", "Q11", "QQ1", "PNQ1", "PQ1", "NK1", "KK1", "JNK1", "JK1"}));
    EXPECT_EQ(entries(window, "Combo3") + entries(window, "Combo4") + entries(window, "Combo5"),
              QStringList({"Y", "O", "Y", "N", "K", "X"}));
    EXPECT_EQ(sorted(texts<QPushButton>(window)),
              QStringList({"Command1 Change", "Command10 Change Now", "Command11 Exit", "Command12 Update", "Command2 Change",
                           "Command3 Change", "Command4 Change", "Command5 Change", "Command6 Change Now",
                           "Command7 Change Now", "Command8 Change Now", "Command9 Change Now"}));
    EXPECT_EQ(enabled(changeButtons), "");
    EXPECT_EQ(shownOf(editors + " Text2"), "Text2");

    fill(window, "Combo1", "102     KK1       ");
    EXPECT_EQ(shown(), "102  |KK1       |59.95|O|Y|X|");
    EXPECT_EQ(enabled(changeButtons), changeButtons);
    fill(window, "Combo1", "101     NQ1       ");
    EXPECT_EQ(shown(), "101  |NQ1       |65|Y|N|K|LEAKY TAP");

    // Typed text stays as typed: "10" is not completed to room 101's entry, and names no room.
    press(window, "Command1");
    typeAndEnter(window, "Combo1", "10");
    EXPECT_EQ(textOf(window, "Combo1"), "10");
    EXPECT_EQ(shown(), "||||||");
    EXPECT_EQ(enabled(changeButtons), "");
    EXPECT_EQ(shownOf(editors), "") << "nothing can be changed, so no editor stays open";
    window->close();  // with no room shown, closing stores no comment
    settle();
    EXPECT_EQ(readBytes(t.path("rooms")), concat({room101, room102}));

    // A longer room number shows the three-character room it begins with.
    writeBytes(t.path("rooms"), concat({roomBytes("1012", "JK1"), room101, room102}));
    window = t.open("RoomPropertiesWindow");
    fill(window, "Combo1", "1012    JK1       ");
    EXPECT_EQ(shown().section('|', 0, 1), "101  |NQ1       ");
    typeAndEnter(window, "Combo1", "102");
    EXPECT_EQ(textOf(window, "Label3"), "102  ");
    writeBytes(t.path("rooms"), room101);  // 102 is gone from under the editor: changes change nothing
    change("Command5", "Combo5", "X", "Command10");
    press(window, "Command12");
    EXPECT_EQ(readBytes(t.path("rooms")), room101);
    EXPECT_EQ(t.shownBoxes(), "");
}

TEST_F(RoomProperties, EachChangeStoresItsFieldOnTheShownRoomOnly) {
    QWidget* main = t.open("MainWindow");
    EXPECT_EQ(textOf(main, "Label27"), "1");
    fill(window, "Combo1", "101     NQ1       ");
    press(window, "Command1");  // the type editor shows its prompt; its "Change Now" comes with a choice
    EXPECT_EQ(textOf(window, "Combo2"), "Select Type");
    EXPECT_EQ(shownOf("Combo2 Command9"), "Combo2");
    fill(window, "Combo2", "JNK1");
    press(window, "Command9");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({patched(room101, 5, "JNK1      "), room102}));
    EXPECT_EQ(shownOf(editors), "");
    press(window, "Command1");  // text typed over a choice is stored as typed, cut to ten
    EXPECT_EQ(textOf(window, "Combo2"), "Select Type");
    fill(window, "Combo2", "KK1");
    retype(window, "Combo2", "HONEYMOON SUITE");
    press(window, "Command9");

    press(window, "Command2");  // the rate box and its "Change Now" come at once, the cursor in the box
    EXPECT_TRUE(hasFocus(window, "Text1"));
    for (const char* typed : {"abc", "", "65 dollars", "1e39"}) {
        retype(window, "Text1", typed);
        press(window, "Command6");
        EXPECT_EQ(textOf(window, "Text1"), typed) << "left for the clerk to correct";
        EXPECT_EQ(t.shownBoxes(), "ATTENTION!: The room rate must be a number.\n") << typed;
    }
    EXPECT_EQ(textOf(window, "Label6"), "65");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({patched(room101, 5, "HONEYMOON "), room102}));
    retype(window, "Text1", "72.5");
    press(window, "Command6");
    EXPECT_EQ(textOf(window, "Text1"), "");

    change("Command3", "Combo3", "O", "Command7");  // the flags take the first character,
    press(window, "Command4");                      // of a choice or of text typed over it
    fill(window, "Combo4", "N");
    retype(window, "Combo4", "yes");
    press(window, "Command8");
    press(window, "Command5");
    EXPECT_EQ(textOf(window, "Combo5"), "Out Of Order");
    fill(window, "Combo5", "X");
    press(window, "Command10");
    EXPECT_EQ(shown(), "101  |HONEYMOON |72.5|O|y|X|LEAKY TAP");
    EXPECT_EQ(shownOf(editors), "");
    const Bytes changed = RecordBytes(148).at(0, patched(patched(room101, 5, "HONEYMOON "), 31, "OyX")).single(34, 72.5f);
    EXPECT_EQ(readBytes(t.path("rooms")), concat({changed, room102}));
    EXPECT_EQ(textOf(main, "Label27"), "2") << "102 was out of order already";

    // Back in service one by one; the comment is stored cut to twenty by "Update", and on closing.
    change("Command5", "Combo5", "K", "Command10");
    EXPECT_EQ(textOf(main, "Label27"), "1");
    retype(window, "Text2", "NEEDS NEW CARPET IN BATH");
    press(window, "Command12");
    const Bytes room101Now = patched(patched(changed, 33, "K"), 38, "NEEDS NEW CARPET IN ");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({room101Now, room102}));
    fill(window, "Combo1", "102     KK1       ");
    change("Command5", "Combo5", "K", "Command10");
    EXPECT_EQ(textOf(main, "Label27"), "0");
    retype(window, "Text2", "TV REMOTE MISSING");
    press(window, "Command11");
    EXPECT_FALSE(t.isOpen("RoomPropertiesWindow"));
    EXPECT_EQ(readBytes(t.path("rooms")), concat({room101Now, patched(patched(room102, 33, "K"), 38, "TV REMOTE MISSING   ")}));
}

TEST_F(RoomProperties, ChangeOnlyShowsItsEditorAndLeavesAChoiceAlreadyMade) {
    fill(window, "Combo1", "101     NQ1       ");
    press(window, "Command3");
    fill(window, "Combo3", "O");
    press(window, "Command2");
    retype(window, "Text1", "80");
    press(window, "Command3");
    press(window, "Command2");
    EXPECT_EQ(textsOf(window, {"Combo3", "Text1"}), "O|80");
    EXPECT_EQ(shownOf(editors), "Text1 Command6 Combo3 Command7");
    press(window, "Command7");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({patched(room101, 31, "O"), room102}));
}

TEST_F(RoomProperties, ChoosingAnotherRoomKeepsOpenEditorsForThatRoom) {
    fill(window, "Combo1", "101     NQ1       ");
    press(window, "Command5");
    fill(window, "Combo5", "X");
    press(window, "Command2");
    retype(window, "Text1", "49.5");
    press(window, "Command4");
    fill(window, "Combo1", "102     KK1       ");
    EXPECT_EQ(shown(), "102  |KK1       |59.95|O|Y|X|");
    EXPECT_EQ(shownOf(editors), "Text1 Command6 Combo4 Combo5 Command10");
    EXPECT_EQ(textsOf(window, {"Combo5", "Text1"}), "X|49.5");
    fill(window, "Combo5", "K");
    press(window, "Command10");
    press(window, "Command6");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({room101, RecordBytes(148).at(0, patched(room102, 33, "K")).single(34, 49.5f)}))
        << "the changes go to the room now shown";
}

TEST_F(RoomProperties, TypingIntoAListDoesNotOfferToStoreItButTypingARateDoes) {
    fill(window, "Combo1", "101     NQ1       ");
    for (const auto& [change, list] : {std::pair{"Command1", "Combo2"}, {"Command3", "Combo3"}, {"Command4", "Combo4"},
                                       {"Command5", "Combo5"}}) {
        press(window, change);
        retype(window, list, "X");
    }
    EXPECT_EQ(shownOf(editors), "Combo2 Combo3 Combo4 Combo5");
    press(window, "Command2");
    retype(window, "Text1", "70");
    EXPECT_EQ(shownOf("Command6"), "Command6");
    press(window, "Command6");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({RecordBytes(148).at(0, room101).single(34, 70.0f), room102}));
}

}  // namespace
}  // namespace innvera::testing
