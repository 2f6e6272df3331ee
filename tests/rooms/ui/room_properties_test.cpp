#include "support/motel_files.h"
#include "support/ui/test_desk.h"
#include "core/formats.h"
#include "core/room_types.h"

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

TEST_F(RoomProperties, ShowsTheChosenRoomAndChangesNothingOnceItIsGone) {
    fill(window, "Combo1", "102     KK1       ");
    EXPECT_EQ(shown(), "102  |KK1       |59.95|O|Y|X|");
    EXPECT_EQ(enabled(changeButtons), changeButtons);
    fill(window, "Combo1", "101     NQ1       ");
    EXPECT_EQ(shown(), "101  |NQ1       |65|Y|N|K|LEAKY TAP");
    fill(window, "Combo1", "102     KK1       ");
    writeBytes(t.path("rooms"), room101);  // 102 is gone from under the editor: changes change nothing
    change("Command5", "Combo5", "X", "Command10");
    press(window, "Command12");
    EXPECT_EQ(readBytes(t.path("rooms")), room101);
    EXPECT_EQ(t.shownBoxes(), "");
}

TEST_F(RoomProperties, EachChangeStoresItsFieldOnTheShownRoomOnly) {
    fill(window, "Combo1", "101     NQ1       ");
    press(window, "Command1");
    fill(window, "Combo2", "JNK1");
    press(window, "Command9");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({patched(room101, 5, "JNK1      "), room102}));
    press(window, "Command1");  // text typed over a choice must be one of the codes
    EXPECT_EQ(textOf(window, "Combo2"), "Select Type");
    fill(window, "Combo2", "KK1");
    retype(window, "Combo2", "HONEYMOON SUITE");
    EXPECT_EQ(t.pressed(window, "Command9"), std::string("ATTENTION!: ") + kRoomTypeNotListed + "\n");
    EXPECT_TRUE(hasFocus(window, "Combo2"));
    retype(window, "Combo2", "NK1");
    press(window, "Command9");

    press(window, "Command2");  // the rate box and its "Change Now" come at once, the cursor in the box
    EXPECT_TRUE(hasFocus(window, "Text1"));
    for (const char* typed : {"abc", "", "65 dollars", "1e39", "72.505"}) {
        retype(window, "Text1", typed);
        press(window, "Command6");
        EXPECT_EQ(textOf(window, "Text1"), typed) << "left for the clerk to correct";
        EXPECT_EQ(t.shownBoxes(), "ATTENTION!: " + readAmount(typed, kRateBox).refusal + "\n") << typed;
        EXPECT_TRUE(hasFocus(window, "Text1"));
    }
    EXPECT_EQ(readBytes(t.path("rooms")), concat({patched(room101, 5, "NK1       "), room102}));
    retype(window, "Text1", "72.5");
    press(window, "Command6");

    change("Command3", "Combo3", "O", "Command7");  // the flags take the first character,
    press(window, "Command4");                      // of a choice or of text typed over it
    fill(window, "Combo4", "N");
    retype(window, "Combo4", "yes");
    press(window, "Command8");
    press(window, "Command5");
    EXPECT_EQ(textOf(window, "Combo5"), "Out Of Order");
    fill(window, "Combo5", "X");
    press(window, "Command10");
    EXPECT_EQ(shown(), "101  |NK1       |72.5|O|y|X|LEAKY TAP");
    const Bytes changed = RecordBytes(148).at(0, patched(patched(room101, 5, "NK1       "), 31, "OyX")).single(34, 72.5f);
    EXPECT_EQ(readBytes(t.path("rooms")), concat({changed, room102}));

    // Back in service one by one; the comment is stored cut to twenty by "Update", and on closing.
    change("Command5", "Combo5", "K", "Command10");
    retype(window, "Text2", "NEEDS NEW CARPET IN BATH");
    press(window, "Command12");
    const Bytes room101Now = patched(patched(changed, 33, "K"), 38, "NEEDS NEW CARPET IN ");
    EXPECT_EQ(readBytes(t.path("rooms")), concat({room101Now, room102}));
    fill(window, "Combo1", "102     KK1       ");
    change("Command5", "Combo5", "K", "Command10");
    retype(window, "Text2", "TV REMOTE MISSING");
    press(window, "Command11");
    EXPECT_FALSE(t.isOpen("RoomPropertiesWindow"));
    EXPECT_EQ(readBytes(t.path("rooms")), concat({room101Now, patched(patched(room102, 33, "K"), 38, "TV REMOTE MISSING   ")}));
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

// The one-letter flags are explained under the rows, and by the tips of their values, lists and
// entries.
TEST_F(RoomProperties, TheFlagLettersAreExplained) {
    EXPECT_EQ(textOf(window, "FlagsLegend"),
              "Vacant: Y vacant, O occupied     Clean: Y clean, N dirty     Status: K in service, X out of order");
    QStringList tips;
    for (const char* name : {"Label8", "Combo3", "Label10", "Combo4", "Label12", "Combo5"})
        tips << child<QWidget>(window, name)->toolTip();
    EXPECT_EQ(tips, (QStringList{"Y = vacant, O = occupied", "Y = vacant, O = occupied", "Y = clean, N = dirty",
                                 "Y = clean, N = dirty", "K = in service, X = out of order",
                                 "K = in service, X = out of order"}));
    auto* status = child<QComboBox>(window, "Combo5");
    EXPECT_EQ(status->itemData(status->findText("X"), Qt::ToolTipRole).toString(), "out of order");
    auto* clean = child<QComboBox>(window, "Combo4");
    EXPECT_EQ(clean->itemData(clean->findText("N"), Qt::ToolTipRole).toString(), "dirty");
}

}  // namespace
}  // namespace innvera::testing
