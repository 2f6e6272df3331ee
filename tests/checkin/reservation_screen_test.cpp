// The reservation screen's lookups, checks and saved changes, on the data files.
#include <functional>

#include <gtest/gtest.h>

#include "checkin/reservation_screen.h"
#include "core/accounts.h"
#include "core/formats.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const Date kHotelDate = may(1);

class ReservationScreen : public ::testing::Test {
protected:
    void SetUp() override {
        smallMotel(dir);
        addRoom(dir, "103", "KK1", 80, "Y", "Y", "X");
    }

    // The window as it shows reservation 7 of room 101, paid in cash.
    static ReservationScreenForm shownForm() {
        return {.guest = {"AMY WILSON", "2 OAK ST", "DENVER", "CO", "80201          ", "", "", "", "", "", "March     ",
                          "2027      ", "2", "0"},
                .arrivalDate = "5/1/2019", .departDate = "5/3/2019", .roomNo = "101  ", .confirmNo = "7         ",
                .rate = "65", .totalStay = "145.6", .payCode = "C - Cash", .cashTotal = "145.6", .tendered = "",
                .extraCharge = kExtraCharge, .extraAmount = "", .account = kSelectAccount};
    }
    std::string refusal(const ReservationScreenForm& f) {
        const auto reading = readReservationCheckIn(dir, f);
        const auto* r = std::get_if<Refusal>(&reading);
        return r ? r->message : "(none)";
    }

    MotelFolder motel;
    DataDir& dir = motel.dataDir;
};

TEST_F(ReservationScreen, CheckInChecksComeInOrderAfterTheReservationItself) {
    ReservationScreenForm f = shownForm();
    EXPECT_EQ(refusal(f), kNoReservationShown);
    putReservation(dir, "7", "101", "AMY WILSON", kHotelDate, kHotelDate.plusDays(2));
    EXPECT_EQ(refusal(f), "(none)");

    f.payCode = kSelectPaycode;
    f.departDate = "";
    const std::pair<std::string, std::function<void()>> steps[] = {
        {"You didn't select a payment type.", [&] { f.payCode = "R - Direct Bill"; }},
        {"You didn't enter a depart date.", [&] { f.departDate = "5/1/2019"; }},
        {"You didn't select a direct bill account.", [&] { f.account = "NOBODY"; }},
        {kDepartNotAfterArrival, [&] { f.departDate = "5/3/2019"; }},
        {kNoSuchAccount, [&] { f.account = "ACME"; }},
        {"(none)", [&] { f.rate = "sixty"; }},
        {"The rate must be a number, like 65 or 59.95.", [&] { f.rate = "65", f.roomNo = "109"; }},
        {kRoomNotOffered, [&] { f.roomNo = "102"; }},
    };
    for (const auto& [message, mend] : steps) {
        EXPECT_EQ(refusal(f), message);
        mend();
    }
    putGuest(dir, "102", 1, "STILL HERE", kHotelDate.plusDays(1));
    putGuest(dir, "101", 2, "GONE", kHotelDate, 0, 0, "*");
    EXPECT_EQ(refusal(f),
              "Room 102 is still occupied by a guest in house. Check that guest out first, or choose another room.");
    f.roomNo = "101";  // its guest has checked out
    EXPECT_EQ(refusal(f), "(none)");
}

TEST_F(ReservationScreen, CheckingInClosesTheReservationAndPaysCashFromTheCashBox) {
    // The same number, closed long ago.
    putReservation(dir, "7", "102", "OLD NUMBER", kHotelDate.plusDays(-10), kHotelDate.plusDays(-9), 59, "*");
    putReservation(dir, "7", "101", "AMY WILSON", kHotelDate, kHotelDate.plusDays(2));
    putReservation(dir, "8", "101", "NEXT WEEK", kHotelDate.plusDays(7), kHotelDate.plusDays(8));
    const Bytes before = readBytes(dir.reservations());
    ReservationScreenForm f = shownForm();
    f.totalStay = "999";  // a card would pay this; cash pays its own box
    const auto reading = readReservationCheckIn(dir, f);
    ASSERT_TRUE(std::holds_alternative<CheckInOrder>(reading));
    const CheckInOrder& order = std::get<CheckInOrder>(reading);
    EXPECT_EQ(order.roomNo, "101");
    EXPECT_EQ(order.payment, 145.6);
    checkIn(dir, order, kHotelDate, "2:00:00 PM");

    EXPECT_EQ(readBytes(dir.reservations()), patched(before, 538 + 400, "*" + std::string(19, ' ')));
    EXPECT_EQ(guestAt(dir, 1).zip, "80201");
    EXPECT_EQ(refusal(f), kNoReservationShown);
}

TEST_F(ReservationScreen, SaveWritesTheParticularsDatesAndRoomAndKeepsTheRest) {
    putReservation(dir, "7", "101", "AMY WILSON", kHotelDate, kHotelDate.plusDays(2));
    ReservationScreenForm f = shownForm();
    f.guest.name = "AMY WILSON-REED";
    f.departDate = "5/4/2019";
    f.roomNo = "102";
    f.rate = "999";          // the reservation keeps its own rate,
    f.payCode = "V - Visa";  // pay type and account
    EXPECT_FALSE(saveReservationChanges(dir, f));
    EXPECT_EQ(readBytes(dir.reservations()),
              Bytes(particularsBytes(538, {.name = "AMY WILSON-REED", .address = "2 OAK ST", .city = "DENVER", .state = "CO",
                                           .zip = "80201", .phone = "", .cell = "", .comment = "", .company = "",
                                           .cardNo = "", .cardMonth = "March", .cardYear = "2027", .adults = "2",
                                           .children = "0", .room = "102", .payType = "C", .arrival = kMay1,
                                           .depart = kMay1 + 3, .rate = 59})
                        .text(390, "7", 10)));

    const Bytes saved = readBytes(dir.reservations());
    for (auto [arrival, message] :
         {std::pair{"5/4/2019", kDepartNotAfterArrival}, {"tomorrow", kArrivalNotADate}, {"1/1/0150", kDateOutOfRange}}) {
        f.arrivalDate = arrival;
        EXPECT_EQ(saveReservationChanges(dir, f).value().message, message) << arrival;
    }
    EXPECT_EQ(readBytes(dir.reservations()), saved);
}

}  // namespace
