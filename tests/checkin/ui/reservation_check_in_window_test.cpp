// The "Reservation" window, driven through its controls.
#include <QListWidget>

#include "checkin/ui/reservation_check_in_window.h"
#include "core/stay_rules.h"
#include "ledger/ledger.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

class ReservationWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        switchWelcomeOff(t.dataDir, true);
        smallMotel(t.dataDir);  // room 101's rate has gone up since the booking at 59
        putReservation(t.dataDir, "8", "101", "NEXT WEEK", may(8), may(9));
        putReservation(t.dataDir, "7", "101", "AMY WILSON", may(1), may(3));
        putReservation(t.dataDir, "9", "102", "BOB JONES", may(1), may(2));
    }

    // Opens the main window and double-clicks the arrival in row `row`.
    QWidget* openFromArrivals(int row) {
        main = t.open("MainWindow");
        doubleClickRow(child<QListWidget>(main, "List1"), row);
        return w();
    }
    QWidget* w() { return t.find("Form16"); }
    Reservation reservation(std::uint64_t n) { return RecordFile<Reservation>(t.dataDir, t.dataDir.reservations()).read(n); }

    TestDesk t;
    QWidget* main = nullptr;
};

TEST_F(ReservationWindowTest, CheckInWritesTheStayAtTheRoomsRateAndTheReservationIsNeverFoundAgain) {
    openFromArrivals(0);
    choose(w(), "Combo4", "C - Cash");
    t.clock.setTime({14, 5, 0});
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    EXPECT_EQ(w(), nullptr);
    const Guest guest = guestAt(t.dataDir, 1);
    EXPECT_EQ(guest.guestName.str() + "|" + guest.roomNo.str() + "|" + guest.arrivalTime.str() + "|" + guest.payType.str(),
              "AMY WILSON|101|2:05:00 PM|C");
    EXPECT_EQ(guest.rate, 65);
    EXPECT_EQ(guest.departDate, may(3));
    EXPECT_EQ(roomFlags(t.dataDir, 1), "ON");
    EXPECT_EQ(entries(main, "List1"), QStringList{"102  BOB JONES"});

    // Opened again by its number it shows empty boxes, and refuses to act on them.
    t.session.selectedConfirmation = "7";
    ReservationCheckInWindow::showChosen(t.desk);
    EXPECT_EQ(textsOf(w(), {"Text1", "Label22"}), "|");
    const Snapshot before = snapshot(t.folder.path());
    choose(w(), "Combo4", "C - Cash");
    for (const char* button : {"Command1", "Command4", "Command5"}) {
        EXPECT_EQ(t.pressed(w(), button), attention(kNoReservationShown)) << button;
        EXPECT_NE(w(), nullptr);
    }
    EXPECT_EQ(snapshot(t.folder.path()), before);
}

// A reservation moved onto another's nights, or checked in while another holds the room, asks
// first, naming the other; answered No, nothing is written.
TEST_F(ReservationWindowTest, SaveAndCheckInAskBeforeBookingOverAnotherReservation) {
    putReservation(t.dataDir, "10", "101", "EARLY BIRD", may(2), may(4));
    t.dataDir.commit();
    openFromArrivals(0);
    const Snapshot before = snapshot(t.folder.path());
    ASSERT_EQ(textOf(w(), "Text1"), "AMY WILSON");
    choose(w(), "Combo4", "C - Cash");
    const std::string question =
        "? Overbooking: Room 101 is reserved for EARLY BIRD (confirmation 10) from 5/2/2019 to 5/4/2019.\n";
    t.dialogs.answers = {false, false};
    EXPECT_EQ(t.pressed(w(), "Command1"), question + "Check this guest in anyway?\n");
    EXPECT_EQ(t.pressed(w(), "Command4"), question + "Save this reservation anyway?\n");
    EXPECT_EQ(snapshot(t.folder.path()), before);
    ASSERT_NE(w(), nullptr);
    t.dialogs.answers = {true};
    EXPECT_EQ(t.pressed(w(), "Command1"), question + "Check this guest in anyway?\n");
    EXPECT_EQ(w(), nullptr);
    EXPECT_EQ(guestAt(t.dataDir, 1).guestName, "AMY WILSON");
}

// On the reservation screen too the cash "Total Stay" follows every change, and is what is paid.
TEST_F(ReservationWindowTest, TheCashTotalFollowsTheExtraChargeAndARateChanged) {
    openFromArrivals(0);
    choose(w(), "Combo4", "C - Cash");
    choose(w(), "Combo5", "P - Pet Fee");
    type(w(), "Text22", "5x");
    retype(w(), "Text16", "60");
    EXPECT_EQ(textsOf(w(), {"Label20", "Text17", "Text18", "Text19"}), "7.2|67.2|134.4|134.4");
    const Snapshot before = snapshot(t.folder.path());
    EXPECT_EQ(t.pressed(w(), "Command1"), attention("The extra charge must be a number, like 12.50."));
    EXPECT_EQ(snapshot(t.folder.path()), before);
    retype(w(), "Text22", "10");
    EXPECT_EQ(textsOf(w(), {"Text18", "Text19"}), "144.4|144.4");
    EXPECT_EQ(t.pressed(w(), "Command1"), "");
    EXPECT_EQ(readFolioLines(t.dataDir, 1).back().amount, 144.4);  // the cash line
}

TEST_F(ReservationWindowTest, CancelAsksFirstThenClosesTheReservationAndRefreshesTheArrivals) {
    openFromArrivals(1);
    EXPECT_EQ(textOf(w(), "Text1"), "BOB JONES");
    const Bytes before = readBytes(t.dataDir.reservations());
    t.dialogs.answers = {false, true};
    const std::string question = "? Check Out: Are you sure you want to cancel this reservation?\n";
    EXPECT_EQ(t.pressed(w(), "Command5"), question);
    EXPECT_EQ(readBytes(t.dataDir.reservations()), before);
    EXPECT_EQ(t.pressed(w(), "Command5"), question + "ATTENTION!: This reservation has been successfully canceled.\n");
    EXPECT_FALSE(reservation(3).open());
    EXPECT_EQ(entries(main, "List1"), QStringList{"101  AMY WILSON"});
    EXPECT_EQ(w(), nullptr);
}

// The particulars come padded to their widths in the file; the boxes show them without the
// blanks, so typing at the end of a zip or a phone appears, and "Save and Exit" stores them
// padded again: untouched, the record's bytes do not change.
TEST_F(ReservationWindowTest, PaddedParticularsTakeTypingAtTheirEndAndAreStoredPaddedAgain) {
    openFromArrivals(0);
    EXPECT_EQ(textsOf(w(), {"Text1", "Text5", "Text6", "Text11", "Text12"}), "AMY WILSON|62701|555-0100|2|0");
    const Bytes before = readBytes(t.dataDir.reservations());
    EXPECT_EQ(t.pressed(w(), "Command4"), "");
    EXPECT_EQ(w(), nullptr);
    EXPECT_EQ(readBytes(t.dataDir.reservations()), before);

    openFromArrivals(0);
    type(w(), "Text5", "-4410");
    type(w(), "Text6", " X2");
    EXPECT_EQ(textsOf(w(), {"Text5", "Text6"}), "62701-4410|555-0100 X2");
    EXPECT_EQ(t.pressed(w(), "Command4"), "");
    const Reservation saved = reservation(2);
    EXPECT_EQ(saved.zip.stored(15) + "|" + saved.phone.stored(15), "62701-4410     |555-0100 X2    ");
    EXPECT_EQ(readBytes(t.dataDir.reservations()).size(), before.size());
}

}  // namespace
