// Every handler that writes is all or nothing: cut off at any write (a kill, a power cut) or
// failing at any write (a full disk), it leaves the files as they were before it or as they are
// after it, byte for byte, so the room, the stay, the folio and the totals always agree.
#include <gtest/gtest.h>

#include "checkin/check_in.h"
#include "core/accounts.h"
#include "folio/check_out.h"
#include "folio/folio_screen.h"
#include "ledger/ledger.h"
#include "folio/post_entry.h"
#include "messages/messages.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

class AllOrNothing : public ::testing::Test {
protected:
    void SetUp() override {
        writeTaxRate(t.dataDir, 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65, "O", "N");
        addRoom(t.dataDir, "102", "KK1", 80);
        addRoom(t.dataDir, "105", "KK1", 80);
        addAccount(t.dataDir, "ACME", 3);
        putGuest(t.dataDir, "101", 7, "JOHN SMITH", may(3), 3);
        postToFolio(t.dataDir, 7, "101", may(1), 'E', 65.0);
        t.dataDir.commit();
    }

    // Sweeps the handler and expects every cut and every full disk to end before or after it.
    void expectAllOrNothing(const std::function<void(DataDir&)>& handler) {
        const SweepResult result = sweepWrites(t.folder.path(), handler);
        EXPECT_GT(result.writes, 2) << "the handler writes";
        EXPECT_NE(result.before, result.after);
        EXPECT_TRUE(result.faults.empty()) << ::testing::PrintToString(result.faults);
        EXPECT_EQ(result.endedBefore + result.endedAfter, result.changes + result.writes);
    }

    MotelFolder t;
};

TEST_F(AllOrNothing, ADirectBillCheckIn) {
    CheckInOrder order;
    order.guest.name = "ANN LEE";
    order.guest.adults = "1";
    order.roomNo = "102";
    order.arrivalDate = may(1);
    order.departDate = may(3);
    order.rate = 80;
    order.payCode = 'R';
    order.payment = 179.2;
    order.extraCode = 'P';
    order.extraAmount = 10;
    order.account = findAccountNamed(t.dataDir, "ACME")->record;
    expectAllOrNothing([&](DataDir& dir) { checkIn(dir, order, may(1), "11:05:32 AM"); });
}

TEST_F(AllOrNothing, APostingOfRoomRentToADirectBillStay) {
    writeBytes(t.path("directinvoice/ACME"), RecordBytes(10).single(0, 1));
    expectAllOrNothing([](DataDir& dir) { postEntry(dir, PostEntryInput{7, "E - Room Rent", "65", may(2)}); });
}

TEST_F(AllOrNothing, ACheckOutARoomMoveAndAMessage) {
    expectAllOrNothing([](DataDir& dir) { checkOut(dir, 7, "11:05:32 AM"); });
    expectAllOrNothing([](DataDir& dir) { changeRoom(dir, 7, "101", "105  KK1"); });
    expectAllOrNothing([](DataDir& dir) { postMessage(dir, 7, NewMessage{may(1), "1:00:00 PM", "DESK", "JOHN", "CALL HOME"}); });
    postMessage(t.dataDir, 7, NewMessage{may(1), "1:00:00 PM", "DESK", "JOHN", "CALL HOME"});
    t.dataDir.commit();
    expectAllOrNothing([](DataDir& dir) { deleteMessage(dir, 7); });
}

}  // namespace
