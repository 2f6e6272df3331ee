#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "rooms/room_types.h"
#include "rooms/ui/room_inventory_window.h"
#include "room_files.h"

namespace innvera::testing {
namespace {

class RoomInventory : public ::testing::Test {
protected:
    void SetUp() override { t.session.hotelDate = Date::fromYmd(2019, 5, 1); }

    QWidget* open() {
        window = openWindow(t, "RoomInventoryWindow");
        return window;
    }
    // Types a room number and a type (chosen, or typed when not one of the codes) and
    // presses "Enter Now".
    void enter(const QString& number, const QString& type) {
        auto* box = child<QLineEdit>(window, "Text1");
        auto* types = child<QComboBox>(window, "Combo1");
        box->clear();
        QTest::keyClicks(box, number);
        if (types->findText(type) >= 0) {
            choose(types, type);
        } else {
            types->lineEdit()->clear();
            QTest::keyClicks(types->lineEdit(), type);
        }
        click(window, "Command1");
    }
    QStringList listed() {
        QStringList all;
        auto* list = child<QListWidget>(window, "List1");
        for (int i = 0; i < list->count(); ++i) all << list->item(i)->text();
        return all;
    }
    std::vector<std::string> messages() {
        std::vector<std::string> texts;
        for (const auto& shown : t.dialogs.shown) {
            EXPECT_EQ(shown.title, "ATTENTION!");
            EXPECT_FALSE(shown.question);
            texts.push_back(shown.text);
        }
        return texts;
    }

    TestDesk t;
    QWidget* window = nullptr;
};

TEST_F(RoomInventory, OpensWithTheTenTypesTheirLegendAndTheRoomsAlreadyEntered) {
    writeRooms(t, {{"101", "NQ1"}, {"102", "KK1", "O", "N"}});
    open();
    EXPECT_EQ(window->windowTitle(), "Enter Room Inventory");

    auto* types = child<QComboBox>(window, "Combo1");
    EXPECT_EQ(items(types), QStringList({"NQ1", "NQQ1", "Q11", "QQ1", "PNQ1", "PQ1", "NK1", "KK1", "JNK1", "JK1"}));
    EXPECT_EQ(types->currentText(), "Choose Room Type");
    EXPECT_TRUE(types->isEditable());

    QStringList labels;
    for (auto* label : window->findChildren<QLabel*>()) labels << label->text();
    for (const char* legend : {"NQ1 = Non Smoking Single", "NQQ1 = Non Smoking Double", "Q11 = Smoking Single",
                               "QQ1 = Smoking Double", "PNQ1 = Non Smoking Handicap", "PQ1 = Smoking Handicap",
                               "NK1 = Non Smoking King", "KK1 = Smoking King", "JNK1 = Non Smoking Suite",
                               "JK1 = Smoking Suite", "Room #", "Rooms Entered"})
        EXPECT_TRUE(labels.contains(legend)) << legend;

    EXPECT_EQ(listed(), QStringList({"101     NQ1       ", "102     KK1       "}));
    EXPECT_EQ(child<QPushButton>(window, "Command1")->text(), "Enter Now");
    EXPECT_EQ(child<QPushButton>(window, "Command2")->text(), "Exit");
}

TEST_F(RoomInventory, TheFirstRoomIsRecordOneVacantCleanInServiceDatedTheHotelDate) {
    open();
    EXPECT_TRUE(listed().isEmpty());
    enter("101", "NQ1");

    EXPECT_TRUE(t.dialogs.shown.empty());
    RecordBytes expected(148);
    expected.text(0, "101  ", 5).text(5, "NQ1       ", 10).date(15, kMay1).date(23, kMay1);
    expected.text(31, "Y", 1).text(32, "Y", 1).text(33, "K", 1).single(34, 0.0f);
    EXPECT_EQ(readBytes(t.path("rooms")), expected.bytes());

    EXPECT_EQ(listed(), QStringList({"101     NQ1       "}));
    EXPECT_EQ(child<QLineEdit>(window, "Text1")->text(), "");
    EXPECT_EQ(child<QComboBox>(window, "Combo1")->currentText(), "Choose Room Type");
    EXPECT_EQ(window->focusWidget(), child<QLineEdit>(window, "Text1"));
}

TEST_F(RoomInventory, ChecksNumberThenTypeAndWritesNothingWhenOneIsMissing) {
    open();
    // Neither given: the number is asked for first.
    click(window, "Command1");
    EXPECT_EQ(messages(), std::vector<std::string>({"You didn't enter a room number."}));
    EXPECT_EQ(window->focusWidget(), child<QLineEdit>(window, "Text1"));

    t.dialogs.clear();
    QTest::keyClicks(child<QLineEdit>(window, "Text1"), "101");
    click(window, "Command1");
    EXPECT_EQ(messages(), std::vector<std::string>({"You didn't enter a room type."}));
    auto* types = child<QComboBox>(window, "Combo1");
    EXPECT_TRUE(window->focusWidget() == types || window->focusWidget() == types->lineEdit());
    // The typed number stays for the clerk to finish the entry.
    EXPECT_EQ(child<QLineEdit>(window, "Text1")->text(), "101");

    // Blanks only are no room number, and an emptied type list is no type.
    t.dialogs.clear();
    enter("   ", "NQ1");
    enter("102", "");
    EXPECT_EQ(messages(), std::vector<std::string>({"You didn't enter a room number.", "You didn't enter a room type."}));
    EXPECT_EQ(roomCount(t), 0u);
}

TEST_F(RoomInventory, ARoomNumberEnteredTwiceIsRefusedAndTheFormEmptied) {
    open();
    enter("101", "NQ1");
    enter("101", "KK1");
    EXPECT_EQ(messages(), std::vector<std::string>({"You already entered this room number."}));
    EXPECT_EQ(readBytes(t.path("rooms")), RoomBytes({"101", "NQ1"}).bytes());
    EXPECT_EQ(child<QLineEdit>(window, "Text1")->text(), "");
    EXPECT_EQ(child<QComboBox>(window, "Combo1")->currentText(), "Choose Room Type");
    EXPECT_EQ(window->focusWidget(), child<QLineEdit>(window, "Text1"));
}

TEST_F(RoomInventory, TheTypedNumberIsComparedAsTypedWithTheStoredOne) {
    open();
    enter("101", "NQ1");
    enter(" 101", "NQ1");     // a leading blank makes another number
    enter("a12", "Q11");
    enter("A12", "Q11");      // so does another case
    enter("123456", "KK1");   // stored cut to five characters...
    enter("123456", "KK1");   // ...so the same long number never matches it
    EXPECT_TRUE(t.dialogs.shown.empty());

    EXPECT_EQ(readBytes(t.path("rooms")), joined({RoomBytes{"101", "NQ1"}.bytes(), RoomBytes{" 101", "NQ1"}.bytes(),
                                                 RoomBytes{"a12", "Q11"}.bytes(), RoomBytes{"A12", "Q11"}.bytes(),
                                                 RoomBytes{"12345", "KK1"}.bytes(), RoomBytes{"12345", "KK1"}.bytes()}));
    EXPECT_EQ(listed().at(1), " 101    NQ1       ");
    EXPECT_EQ(listed().at(4), "12345   KK1       ");
}

TEST_F(RoomInventory, ATypeTypedByHandIsStoredCutToTenCharacters) {
    open();
    enter("201", "PENTHOUSE SUITE");
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_EQ(readBytes(t.path("rooms")), RoomBytes({"201", "PENTHOUSE "}).bytes());
}

TEST_F(RoomInventory, NewRoomsAreAppendedAfterTheOnesOnFileKeepingThem) {
    Bytes existing = RoomBytes{"101", "NQ1", "O", "N", "X", 65.0f, "LEAKY TAP"}.bytes();
    existing[60] = 'Z';  // a reserved byte the new entry must not disturb
    writeBytes(t.path("rooms"), existing);
    t.session.hotelDate = Date::fromYmd(2019, 5, 2);
    open();
    enter("102", "NQQ1");
    RoomBytes added{"102", "NQQ1"};
    added.entered = kMay1 + 1;
    EXPECT_EQ(readBytes(t.path("rooms")), joined({existing, added.bytes()}));
    EXPECT_EQ(listed(), QStringList({"101     NQ1       ", "102     NQQ1      "}));
}

TEST_F(RoomInventory, ExitClosesTheWindow) {
    open();
    click(window, "Command2");
    settle();
    EXPECT_EQ(t.windows.find("RoomInventoryWindow"), nullptr);
}

}  // namespace
}  // namespace innvera::testing
