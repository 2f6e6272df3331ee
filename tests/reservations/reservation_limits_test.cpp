// A reservation, taken or checked in from the reservation screen, holds the same amounts and
// dates as a walk-in check-in: nothing beyond 999,999.99 and no date outside 2000 to 2099.
#include <gtest/gtest.h>

#include "checkin/reservation_screen.h"
#include "core/accounts.h"
#include "core/forms.h"
#include "core/stay_rules.h"
#include "reservations/add_reservation.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

TEST(ReservationLimits, AmountsAndDatesAWalkInRefusesAreRefusedHereToo) {
    MotelFolder motel;
    DataDir& dir = motel.dataDir;
    addRoom(dir, "101", "NQ1", 59);
    putReservation(dir, "7", "101", "AMY WILSON", may(1), may(3));

    AddReservationForm add;
    add.guest = {"AMY WILSON", "2 OAK ST", "DENVER", "CO", "80201", "", "", "", "", "", "March", "2027", "2", "0"};
    add.arrivalDate = "5/1/2019";
    add.departDate = "5/3/2019";
    add.roomEntry = "101  NQ1";
    add.rate = "59";
    add.payCode = "C - Cash";
    add.account = kSelectAccount;
    add.confirmNo = "8";
    const auto addRefusal = [&](auto change) {
        AddReservationForm f = add;
        change(f);
        const auto reading = readReservation(dir, f);
        const auto* r = std::get_if<ReservationRefusal>(&reading);
        return r ? r->message : "(none)";
    };
    EXPECT_EQ(addRefusal([](AddReservationForm&) {}), "(none)");
    EXPECT_EQ(addRefusal([](AddReservationForm& f) { f.rate = "5000000"; }), kAmountTooLarge);
    EXPECT_EQ(addRefusal([](AddReservationForm& f) { f.arrivalDate = "1/1/0150"; }), kDateOutOfRange);
    EXPECT_EQ(addRefusal([](AddReservationForm& f) { f.departDate = "12/31/9999"; }), kDateOutOfRange);

    ReservationScreenForm shown;
    shown.guest = add.guest;
    shown.arrivalDate = "5/1/2019";
    shown.departDate = "5/3/2019";
    shown.roomNo = "101";
    shown.confirmNo = "7";
    shown.rate = "59";
    shown.totalStay = "132.16";
    shown.payCode = "C - Cash";
    shown.cashTotal = "132.16";
    shown.extraCharge = kExtraCharge;
    shown.account = kSelectAccount;
    const auto checkInRefusal = [&](auto change) {
        ReservationScreenForm f = shown;
        change(f);
        const auto reading = readReservationCheckIn(dir, f);
        const auto* r = std::get_if<Refusal>(&reading);
        return r ? r->message : "(none)";
    };
    EXPECT_EQ(checkInRefusal([](ReservationScreenForm&) {}), "(none)");
    EXPECT_EQ(checkInRefusal([](ReservationScreenForm& f) { f.rate = "5000000"; }), kAmountTooLarge);
    EXPECT_EQ(checkInRefusal([](ReservationScreenForm& f) { f.extraAmount = "1e9"; }), kAmountTooLarge);
    EXPECT_EQ(checkInRefusal([](ReservationScreenForm& f) { f.departDate = "12/31/9999"; }), kDateOutOfRange);

    ReservationScreenForm saved = shown;
    saved.arrivalDate = "1/1/0150";
    const auto refused = saveReservationChanges(dir, saved);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->message, kDateOutOfRange);
    EXPECT_EQ(RecordFile<Reservation>(dir, dir.reservations()).read(1).arrivalDate, may(1));
}

}  // namespace
