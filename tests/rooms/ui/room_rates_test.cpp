#include "support/motel_files.h"
#include "support/ui/test_desk.h"
#include "rooms/rates.h"
#include "core/formats.h"
#include "core/room_types.h"

namespace innvera::testing {
namespace {

// Two NQ1 rooms, one KK1, one NQQ1 and one whose type was never entered.
Bytes ratedRooms(float nq1, float kk1, float nqq1) {
    return concat({roomBytes("101", "NQ1", "YYK", nq1), roomBytes("102", "KK1", "ONK", kk1), roomBytes("103", "NQ1", "YNX", nq1),
                   roomBytes("104", "NQQ1", "YYK", nqq1), RecordBytes(148).text(0, "105", 5).single(34, 40.0f)});
}

TEST(RoomRates, SetsEveryRoomOfTheChosenTypeToTheTypedRateAndRefusesAnythingElse) {
    TestDesk t;
    writeBytes(t.path("rooms"), ratedRooms(55, 80, 70));
    QWidget* window = t.open("Form20");
    const auto saveRate = [&](const QString& type, const QString& rate) {
        fill(window, "Combo1", type);
        fill(window, "Text1", rate);
        return t.pressed(window, "Command1");
    };
    EXPECT_EQ(window->windowTitle(), "Apply Room Rates");
    fill(window, "Text1", "99");  // nor does the prompt
    EXPECT_EQ(t.pressed(window, "Command1"), attention(kNoRoomTypeChosen));
    // Each refusal leaves the box as typed, with the focus on the control to mend; nothing is written.
    const std::tuple<const char*, const char*, std::string, const char*> refused[] = {
        {"          ", "99", attention(kNoRoomTypeChosen), "Combo1"},  // blanks would pick the room without a type
        {"SUITE", "99", attention(kRoomTypeNotListed), "Combo1"},
        {"KK1       ", "59.95 a night", attention("The rate must be a number, like 65 or 59.95."), "Text1"},
        {"KK1       ", "", attention("The rate must be a number, like 65 or 59.95."), "Text1"},  // not a rate of 0
    };
    for (const auto& [type, rate, message, focus] : refused) {
        EXPECT_EQ(saveRate(type, rate), message) << type << rate;
        EXPECT_EQ(textOf(window, "Text1"), rate);
        EXPECT_TRUE(hasFocus(window, focus)) << type << rate;
    }
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(55, 80, 70));

    EXPECT_EQ(saveRate("NQ1       ", "65"), "");
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(65, 80, 70));
    EXPECT_EQ(textsOf(window, {"Combo1", "Label2", "Text1"}), "Select Room Type||");
    EXPECT_EQ(saveRate("NQQ1", " 72 "), "");  // typed, compared padded to ten
    EXPECT_EQ(saveRate("KK1       ", "59.95"), "");
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(65, 59.95f, 72));
    EXPECT_EQ(saveRate("NQ1       ", "0"), "");
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(0, 59.95f, 72));

    fill(window, "Combo1", "NQ1       ");
    fill(window, "Text1", "99");
    press(window, "Command2");
    EXPECT_FALSE(t.isOpen("Form20"));
    EXPECT_EQ(readBytes(t.path("rooms")), ratedRooms(0, 59.95f, 72)) << "Exit writes nothing";
}

// The tax record keeps what follows its rate.
Bytes taxBytes(float rate) { return RecordBytes(10).single(0, rate).text(4, "ab", 2); }

TEST(TaxRate, StoresAFractionBelowOneOnEnterNowAndRefusesAnythingElse) {
    TestDesk t;
    writeBytes(t.path("tax"), taxBytes(0.07f));
    const std::pair<const char*, std::string> typedTexts[] = {
        {".09", ""}, {" .0725 ", ""}, {".o9", "The tax rate must be a number, like .09 for 9%."},
        {"", "The tax rate must be a number, like .09 for 9%."}, {"1", kTaxRateOutOfRange},
    };
    float stored = 0.07f;
    for (const auto& [typed, message] : typedTexts) {
        QWidget* window = t.open("Form7");
        retype(window, "Text1", typed);
        press(window, "Command1");
        if (message.empty()) stored = static_cast<float>(std::stod(typed));
        EXPECT_EQ(readBytes(t.path("tax")), taxBytes(stored)) << typed;
        // A refused rate leaves the window open on the box for another, and writes nothing.
        EXPECT_EQ(t.shownBoxes(), message.empty() ? "" : attention(message)) << typed;
        EXPECT_EQ(t.isOpen("Form7"), !message.empty()) << typed;
        if (!message.empty()) {
            EXPECT_TRUE(hasFocus(window, "Text1"));
            window->close(), settle();
        }
    }
}

}  // namespace
}  // namespace innvera::testing
