#include "support/motel_files.h"
#include "support/ui/test_desk.h"
#include "rooms/rates.h"

namespace innvera::testing {
namespace {

// Two NQ1 rooms, one KK1, one NQQ1 and one whose type was never entered.
Bytes ratedRooms(float nq1, float kk1, float nqq1) {
    return concat({roomBytes("101", "NQ1", "YYK", nq1), roomBytes("102", "KK1", "ONK", kk1), roomBytes("103", "NQ1", "YNX", nq1),
                   roomBytes("104", "NQQ1", "YYK", nqq1), RecordBytes(148).text(0, "105", 5).single(34, 40.0f)});
}

TEST(RoomRates, SetsEveryRoomOfTheChosenTypeToTheLeadingNumberOfTheText) {
    TestDesk t;
    writeBytes(t.path("rooms"), ratedRooms(55, 80, 70));
    QWidget* window = t.open("Form20");
    const auto saveRate = [&](const QString& type, const QString& rate) {
        fill(window, "Combo1", type);
        fill(window, "Text1", rate);
        press(window, "Command1");
    };
    EXPECT_EQ(window->windowTitle(), "Apply Room Rates");
    fill(window, "Text1", "99");
    press(window, "Command1");     // the prompt names no type,
    saveRate("", "99");            // nor does an emptied list,
    saveRate("          ", "99");  // nor blanks, which would pick the room without a type
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(55, 80, 70));

    saveRate("NQ1       ", "65");
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(65, 80, 70));
    saveRate("NQQ1", "72");  // typed, compared padded to ten
    saveRate("KK1       ", "59.95 a night");
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(65, 59.95f, 72));
    saveRate("KK1       ", "");
    saveRate("NQ1       ", "$70");
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(0, 0, 72));  // "$70" does not start with a number
    EXPECT_TRUE(t.dialogs.shown.empty());
    // A rate too large to be one is refused, whole: nothing is written and the box stays.
    for (const char* tooLarge : {"1e39", "1e309", "1000000"}) {
        saveRate("NQ1       ", tooLarge);
        EXPECT_EQ(t.shownBoxes(), "ATTENTION!: That amount is too large. Enter a smaller amount.\n") << tooLarge;
        EXPECT_EQ(textOf(window, "Text1"), tooLarge);
    }
    saveRate("NQ1       ", "0");
    saveRate("NQQ1      ", "nothing");
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(0, 0, 0));

    fill(window, "Combo1", "NQ1       ");
    fill(window, "Text1", "99");
    press(window, "Command2");
    EXPECT_FALSE(t.isOpen("Form20"));
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(0, 0, 0)) << "Exit writes nothing";
}

// The tax record keeps what follows its rate.
Bytes taxBytes(float rate) { return RecordBytes(10).single(0, rate).text(4, "ab", 2); }

TEST(TaxRate, StoresAFractionBelowOneOnEnterNowAndNothingOnExit) {
    TestDesk t;
    writeBytes(t.path("tax"), taxBytes(0.07f));
    QWidget* window = t.open("Form7");
    EXPECT_EQ(window->windowTitle(), "Enter Tax Rate");
    for (const auto& [typed, stored] : {std::pair{".09", 0.09f}, {"8%", 0.09f}, {"0.08%", 0.08f}, {"nine", 0.0f},
                                        {"0.01", 0.01f}, {"1", 0.01f}, {"-.05", 0.01f}, {"1e309", 0.01f}}) {
        window = t.open("Form7");
        retype(window, "Text1", typed);
        press(window, "Command1");
        EXPECT_EQ(readBytes(t.path("tax")), taxBytes(stored)) << typed;
        // A rate that is not a fraction below 1 is refused and the window stays for another.
        const bool refused = std::string(typed) == "8%" || (stored == 0.01f && std::string(typed) != "0.01");
        EXPECT_EQ(t.shownBoxes(), refused ? std::string("ATTENTION!: ") + kTaxRateOutOfRange + "\n" : "") << typed;
        EXPECT_EQ(t.isOpen("Form7"), refused) << typed;
        if (refused) t.windows.find("Form7")->close(), settle();
    }
}

}  // namespace
}  // namespace innvera::testing
