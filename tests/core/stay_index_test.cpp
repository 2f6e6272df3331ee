// The stay index answers as a fresh read of the files would, after every kind of write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "checkin/check_in.h"
#include "core/accounts.h"
#include "core/formats.h"
#include "core/reservations.h"
#include "core/stay_index.h"
#include "core/stays.h"
#include "folio/check_out.h"
#include "folio/folio_screen.h"
#include "messages/messages.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

// What the lookups see of the stays and the reservations, a line each: from the indexes, or
// from a fresh scan of the files.
template <class R>
std::string row(std::uint64_t n, const std::string& number, const R& r, bool open) {
    return std::to_string(n) + " " + number + " " + r.roomNo.str() + " " + r.guestName.str() + " " +
           std::to_string(r.arrivalDate.serial()) + "-" + std::to_string(r.departDate.serial()) + (open ? " open" : "");
}
std::vector<std::string> indexed(DataDir& dir) {
    std::vector<std::string> rows;
    const auto& stays = dir.cache<StayIndex>().current().entries();
    for (std::size_t i = 0; i < stays.size(); ++i)
        if (!stays[i].blank) rows.push_back(row(i + 1, plainNumber(stays[i].folioNo), stays[i], stays[i].inHouse));
    const auto& reservations = dir.cache<ReservationIndex>().current().entries();
    for (std::size_t i = 0; i < reservations.size(); ++i)
        if (!reservations[i].blank) rows.push_back(row(i + 1, reservations[i].confirmNo.str(), reservations[i], reservations[i].open));
    return rows;
}
std::vector<std::string> scanned(DataDir& dir) {
    std::vector<std::string> rows;
    RecordFile<Guest>(dir, dir.guests()).scan([&](const Guest& g, std::uint64_t n) {
        rows.push_back(row(n, plainNumber(g.folioNo), g, g.inHouse()));
    });
    RecordFile<ReservationKeys>(dir, dir.reservations()).scan([&](const ReservationKeys& r, std::uint64_t n) {
        rows.push_back(row(n, r.confirmNo.str(), r, r.open()));
    });
    return rows;
}

class StayIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeTaxRate(t.dataDir, 0.12f);
        for (const char* room : {"101", "102", "103", "104"}) addRoom(t.dataDir, room, "NQ1", 65);
        putGuest(t.dataDir, "101", 1, "ANN LEE", may(3));
        putGuest(t.dataDir, "102", 2, "GONE", may(1), 0, 0, "*");
        putReservation(t.dataDir, "7", "103", "BOB BROWN", may(1), may(2));
        t.dataDir.commit();
    }
    int readings() { return t.dataDir.cache<StayIndex>().readings() + t.dataDir.cache<ReservationIndex>().readings(); }
    void expectAgreement(const char* after) {
        EXPECT_EQ(indexed(t.dataDir), scanned(t.dataDir)) << after;
        float highest = 0;
        RecordFile<Guest>(t.dataDir, t.dataDir.guests()).scan([&](const Guest& g, std::uint64_t) {
            highest = std::max(highest, g.folioNo);
        });
        EXPECT_EQ(highestFolioNumber(t.dataDir), highest) << after;
    }
    CheckInOrder order(const char* room, std::optional<std::string> reservation = std::nullopt) {
        CheckInOrder o;
        o.guest.name = "NEW GUEST";
        o.roomNo = room;
        o.arrivalDate = may(1);
        o.departDate = may(4);
        o.rate = 65;
        o.payCode = 'C';
        o.reservationConfirmNo = std::move(reservation);
        return o;
    }

    MotelFolder t;
};

TEST_F(StayIndexTest, FollowsEveryKindOfWriteTheProgramMakes) {
    expectAgreement("the first reading");
    EXPECT_EQ(inHouseGuestEntries(t.dataDir), std::vector<std::string>{"101  ANN LEE"});

    checkIn(t.dataDir, order("104"), may(1), "11:00:00 AM");
    expectAgreement("a check-in");
    checkIn(t.dataDir, order("103", "7"), may(1), "11:05:00 AM");
    expectAgreement("a check-in from a reservation, which closes it");
    EXPECT_TRUE(arrivalsOn(t.dataDir, may(1)).empty());
    checkOut(t.dataDir, 1, "12:00:00 PM");
    expectAgreement("a check-out");
    changeRoom(t.dataDir, 3, "104", "102  NQ1");
    expectAgreement("a room move");
    FolioSaveForm save{GuestForm::from(*findStay(t.dataDir, 4)), "5/9/2019", "70", may(1)};
    save.guest.name = "RENAMED";
    saveFolio(t.dataDir, 4, save);
    expectAgreement("the particulars saved");
    postMessage(t.dataDir, 4, NewMessage{may(1), "1:00:00 PM", "DESK", "X", "HELLO"});
    expectAgreement("a message");

    putReservation(t.dataDir, "8", "101", "CAROL KING", may(1), may(2));
    expectAgreement("a reservation added");
    auto held = openReservationNumbered(t.dataDir, "8");
    ASSERT_TRUE(held);
    held->record.roomNo = "104";
    rewriteReservation(t.dataDir, *held);
    expectAgreement("a reservation changed");
    closeReservation(t.dataDir, "8");
    expectAgreement("a reservation cancelled");
    EXPECT_EQ(readings(), 2) << "each file read once: the index followed every write itself";
    EXPECT_EQ(inHouseGuestEntries(t.dataDir), (std::vector<std::string>{"102  NEW GUEST", "103  RENAMED"}));

    // A transaction undone puts bytes back behind the index: it reads the file again.
    t.dataDir.commit();
    checkIn(t.dataDir, order("101"), may(1), "1:00:00 PM");
    t.dataDir.rollback();
    expectAgreement("a check-in undone");
    EXPECT_EQ(readings(), 4);
    EXPECT_EQ(inHouseGuestEntries(t.dataDir).size(), 2u);
}

}  // namespace
