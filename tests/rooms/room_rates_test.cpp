#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "room_files.h"

namespace innvera::testing {
namespace {

class RoomRates : public ::testing::Test {
protected:
    void SetUp() override {
        writeRooms(t, {{"101", "NQ1", "Y", "Y", "K", 55.0f},
                       {"102", "KK1", "O", "N", "K", 80.0f},
                       {"103", "NQ1", "Y", "N", "X", 50.0f},
                       {"104", "NQQ1", "Y", "Y", "K", 70.0f}});
        before = readBytes(t.path("rooms"));
        window = openWindow(t, "Form20");
        types = child<QComboBox>(window, "Combo1");
    }
    void saveRate(const QString& type, const QString& rate) {
        if (types->findText(type) >= 0) {
            choose(types, type);
        } else {
            types->lineEdit()->clear();
            QTest::keyClicks(types->lineEdit(), type);
        }
        auto* box = child<QLineEdit>(window, "Text1");
        box->clear();
        QTest::keyClicks(box, rate);
        click(window, "Command1");
    }
    // The rate stored in room record n.
    Bytes rateBytes(std::size_t n) {
        const Bytes record = roomRecord(t, n);
        return Bytes(record.begin() + 34, record.begin() + 38);
    }

    TestDesk t;
    Bytes before;
    QWidget* window = nullptr;
    QComboBox* types = nullptr;
};

TEST_F(RoomRates, OffersTheTenTypesPaddedAsTheyAreStored) {
    EXPECT_EQ(window->windowTitle(), "Apply Room Rates");
    EXPECT_EQ(items(types), QStringList({"NQ1       ", "NQQ1      ", "Q11       ", "QQ1       ", "PNQ1      ", "PQ1       ",
                                         "NK1       ", "KK1       ", "JNK1      ", "JK1       "}));
    EXPECT_EQ(types->currentText(), "Select Room Type");
    EXPECT_EQ(labelText(window, "Label2"), "");
    EXPECT_EQ(child<QPushButton>(window, "Command1")->text(), "Save Now");
    EXPECT_EQ(child<QPushButton>(window, "Command2")->text(), "Exit");
}

TEST_F(RoomRates, ChoosingATypeShowsTheRateOfItsFirstRoom) {
    choose(types, "NQ1       ");
    EXPECT_EQ(labelText(window, "Label2"), "55");
    EXPECT_EQ(window->focusWidget(), child<QLineEdit>(window, "Text1"));
    // No room is a suite: the rate shown before stays.
    choose(types, "JK1       ");
    EXPECT_EQ(labelText(window, "Label2"), "55");
    // A type typed by hand and confirmed with Enter.
    types->lineEdit()->clear();
    QTest::keyClicks(types->lineEdit(), "KK1");
    QTest::keyClick(types->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(labelText(window, "Label2"), "80");
}

TEST_F(RoomRates, SaveNowSetsEveryRoomOfTheTypeAndNoOther) {
    saveRate("NQ1       ", "65");
    Bytes expected = before;
    const Bytes rate = singleBytes(65.0f);
    std::copy(rate.begin(), rate.end(), expected.begin() + 34);            // 101
    std::copy(rate.begin(), rate.end(), expected.begin() + 2 * 148 + 34);  // 103
    EXPECT_EQ(readBytes(t.path("rooms")), expected);

    EXPECT_EQ(types->currentText(), "Select Room Type");
    EXPECT_EQ(labelText(window, "Label2"), "");
    EXPECT_EQ(child<QLineEdit>(window, "Text1")->text(), "");
    EXPECT_TRUE(window->focusWidget() == types || window->focusWidget() == types->lineEdit());
    EXPECT_TRUE(t.dialogs.shown.empty());
    EXPECT_NE(t.windows.find("Form20"), nullptr);  // stays open for the next type
}

TEST_F(RoomRates, TheRateIsTheLeadingNumberOfTheText) {
    saveRate("KK1       ", "59.95 a night");
    EXPECT_EQ(rateBytes(2), singleBytes(59.95f));
    saveRate("KK1       ", "");
    EXPECT_EQ(rateBytes(2), singleBytes(0.0f));
    saveRate("NQQ1      ", "$70");
    EXPECT_EQ(rateBytes(4), singleBytes(0.0f));
    saveRate("NQQ1      ", "1e39");  // too large for a stored rate
    EXPECT_EQ(rateBytes(4), singleBytes(0.0f));
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(RoomRates, ATypedTypeIsComparedPaddedToTen) {
    saveRate("NQQ1", "72");
    EXPECT_EQ(rateBytes(4), singleBytes(72.0f));
    EXPECT_EQ(rateBytes(1), singleBytes(55.0f));
}

TEST_F(RoomRates, SaveNowWithoutATypeChangesNothing) {
    auto* box = child<QLineEdit>(window, "Text1");
    QTest::keyClicks(box, "99");
    click(window, "Command1");
    saveRate("", "99");  // an emptied list names no type, not the rooms without one
    EXPECT_EQ(readBytes(t.path("rooms")), before);
}

TEST_F(RoomRates, RoomsWithoutATypeAreNotPickedByABlankChoice) {
    RecordBytes untyped(148);
    untyped.text(0, "105", 5).single(34, 40.0f);
    writeBytes(t.path("rooms"), joined({before, untyped.bytes()}));
    saveRate("          ", "99");
    EXPECT_EQ(rateBytes(5), singleBytes(40.0f));
}

TEST_F(RoomRates, ExitClosesWithoutWriting) {
    choose(types, "NQ1       ");
    QTest::keyClicks(child<QLineEdit>(window, "Text1"), "99");
    click(window, "Command2");
    settle();
    EXPECT_EQ(t.windows.find("Form20"), nullptr);
    EXPECT_EQ(readBytes(t.path("rooms")), before);
}

class TaxRate : public ::testing::Test {
protected:
    void enterTax(const QString& typed) {
        window = openWindow(t, "Form7");
        QTest::keyClicks(child<QLineEdit>(window, "Text1"), typed);
        click(window, "Command1");
        settle();
    }
    static Bytes taxBytes(float rate) {
        RecordBytes r(10);
        r.single(0, rate);
        return r.bytes();
    }

    TestDesk t;
    QWidget* window = nullptr;
};

TEST_F(TaxRate, OpensWithTheHintAndTheCursorInTheBox) {
    window = openWindow(t, "Form7");
    EXPECT_EQ(window->windowTitle(), "Enter Tax Rate");
    QStringList labels;
    for (auto* label : window->findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains("Enter Tax Rate"));
    EXPECT_TRUE(labels.contains("(example if your rate is 9% then enter .09"));
    EXPECT_EQ(child<QLineEdit>(window, "Text1")->text(), "");  // the stored rate is not shown
    EXPECT_EQ(window->focusWidget(), child<QLineEdit>(window, "Text1"));
    EXPECT_EQ(child<QPushButton>(window, "Command1")->text(), "Enter Now");
    EXPECT_EQ(child<QPushButton>(window, "Command2")->text(), "Exit");
}

TEST_F(TaxRate, StoresTheFractionAsTypedAndCloses) {
    enterTax(".09");
    EXPECT_EQ(readBytes(t.path("tax")), taxBytes(0.09f));
    EXPECT_EQ(t.windows.find("Form7"), nullptr);
    EXPECT_TRUE(t.dialogs.shown.empty());
}

TEST_F(TaxRate, ReadsTheLeadingNumberSoNineAndNinePercentBothStoreNine) {
    enterTax("9");
    EXPECT_EQ(readBytes(t.path("tax")), taxBytes(9.0f));
    enterTax("9%");
    EXPECT_EQ(readBytes(t.path("tax")), taxBytes(9.0f));
    enterTax("nine");
    EXPECT_EQ(readBytes(t.path("tax")), taxBytes(0.0f));
    enterTax("0.01");
    EXPECT_EQ(readBytes(t.path("tax")), taxBytes(0.01f));
}

TEST_F(TaxRate, KeepsTheRestOfTheRecordAsItWas) {
    RecordBytes old(10);
    old.single(0, 0.07f).text(4, "ab", 2);
    writeBytes(t.path("tax"), old);
    enterTax("0.0825");
    RecordBytes expected(10);
    expected.single(0, 0.0825f).text(4, "ab", 2);
    EXPECT_EQ(readBytes(t.path("tax")), expected.bytes());
}

TEST_F(TaxRate, ExitClosesWithoutWriting) {
    writeBytes(t.path("tax"), taxBytes(0.07f));
    window = openWindow(t, "Form7");
    QTest::keyClicks(child<QLineEdit>(window, "Text1"), ".09");
    click(window, "Command2");
    settle();
    EXPECT_EQ(t.windows.find("Form7"), nullptr);
    EXPECT_EQ(readBytes(t.path("tax")), taxBytes(0.07f));
}

}  // namespace
}  // namespace innvera::testing
