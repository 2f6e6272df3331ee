// Taking a reservation and listing the open ones, on the data files.
#include <functional>

#include <gtest/gtest.h>

#include "core/accounts.h"
#include "core/formats.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "reservations/add_reservation.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

class AddReservation : public ::testing::Test {
protected:
    void SetUp() override { smallMotel(dir); }

    static AddReservationForm filled() {
        return {.guest = {"AMY WILSON", "2 OAK ST", "DENVER", "CO", "80201", "555-0101", "", "", "LATE ARRIVAL", "4111",
                          "March", "2027", "2", "1"},
                .arrivalDate = "5/1/2019", .departDate = "5/3/2019", .roomEntry = "101  NQ1", .rate = "59",
                .payCode = "R - Direct Bill", .account = "ACME", .confirmNo = "7"};
    }

    std::string refusal(const AddReservationForm& f) {
        const auto reading = readReservation(dir, f);
        const auto* r = std::get_if<Refusal>(&reading);
        return r ? r->message : "(none)";
    }

    MotelFolder motel;
    DataDir& dir = motel.dataDir;
};

TEST_F(AddReservation, TheRecordHoldsExactlyTheWindowsFieldsAndIsAppendedOpen) {
    putReservation(dir, "6", "102", "EARLIER GUEST", may(2), may(4));
    const Bytes earlier = readBytes(dir.reservations());
    const auto reading = readReservation(dir, filled());
    ASSERT_TRUE(std::holds_alternative<Reservation>(reading));
    EXPECT_EQ(appendReservation(dir, std::get<Reservation>(reading)), 2u);

    EXPECT_EQ(readBytes(dir.reservations()),
              concat({earlier, particularsBytes(538, {.name = "AMY WILSON", .address = "2 OAK ST", .city = "DENVER",
                                                      .state = "CO", .zip = "80201", .phone = "555-0101", .cell = "",
                                                      .comment = "LATE ARRIVAL", .company = "", .cardNo = "4111",
                                                      .cardMonth = "March", .cardYear = "2027", .adults = "2",
                                                      .children = "1", .room = "101", .payType = "R", .arrival = kMay1,
                                                      .depart = kMay1 + 2, .rate = 59})
                                    .text(390, "7", 10)
                                    .single(480, 3)}));
}

TEST_F(AddReservation, ChecksComeInOrderAndStopAtTheFirst) {
    AddReservationForm f;
    f.roomEntry = kReserveRoomPrompt;
    f.payCode = "R - Direct Bill";
    f.account = kSelectAccount;
    const std::pair<std::string, std::function<void()>> steps[] = {
        {"You didn't enter a name.", [&] { f.guest.name = " "; }},
        {"You didn't enter a name.", [&] { f.guest.name = "N"; }},  // blanks are no name
        {"You didn't enter an address.", [&] { f.guest.address = "A"; }},
        {"You didn't enter a city.", [&] { f.guest.city = "C"; }},
        {"You didn't enter a state.", [&] { f.guest.state = "S"; }},
        {"You didn't enter a zip code.", [&] { f.guest.zip = "Z"; }},
        {"You didn't enter number of adults.", [&] { f.guest.adults = "1"; }},
        {"You didn't select a room number.", [&] { f.roomEntry = "103  NQ1"; }},
        {"There is no rate entered.", [&] { f.rate = "about 60"; }},
        {"You didn't select an arrival date.", [&] { f.arrivalDate = "5/1/19x"; }},
        {"You didn't select a depart date.", [&] { f.departDate = "5/1/2019"; }},
        {"You didn't select a direct bill account.", [&] { f.account = "NOBODY"; }},
        // What the window's own checks let through and the file must not get.
        {kArrivalNotADate, [&] { f.arrivalDate = "5/1/2019"; }},
        {kDepartNotAfterArrival, [&] { f.departDate = "5/2/2019"; }},
        {"The rate must be a number, like 65 or 59.95.", [&] { f.rate = "1000000"; }},
        {kAmountTooLarge, [&] { f.rate = "65"; }},
        {kNotARoomToReserve, [&] { f.roomEntry = "102  KK1"; }},
        {kNoAccountOfThatName, [&] { f.account = "ACME"; }},
        {kNoConfirmationNumber, [&] { f.confirmNo = "8"; }},
    };
    for (const auto& [message, mend] : steps) {
        EXPECT_EQ(refusal(f), message);
        mend();
    }
    EXPECT_EQ(refusal(f), "(none)");
}

TEST_F(AddReservation, TheRoomCheckWarnsOnTheSameArrivalAndOnStaysThatOverlap) {
    putReservation(dir, "1", "101", "BOOKED", may(10), may(12));
    putReservation(dir, "2", "102", "CLOSED", may(10), may(12), 80, "*");
    const auto reserved = [&](const char* room, std::optional<Date> arrival, std::optional<Date> departure) {
        return roomAlreadyReserved(dir, room, arrival, departure);
    };
    EXPECT_TRUE(reserved("101", may(10), std::nullopt));  // no departure yet: the same arrival day
    EXPECT_FALSE(reserved("101", may(11), std::nullopt));
    EXPECT_TRUE(reserved("101", may(11), may(13)));  // arrives during it
    EXPECT_TRUE(reserved("101", may(8), may(11)));   // still there when it arrives
    EXPECT_FALSE(reserved("101", may(8), may(10)));  // leaves the day it arrives
    EXPECT_FALSE(reserved("101", may(12), may(14)));  // arrives the day it leaves
    EXPECT_FALSE(reserved("102", may(10), may(12)));  // a closed reservation holds nothing
    EXPECT_FALSE(reserved("101", std::nullopt, may(11)));
}

TEST_F(AddReservation, ABookingIsToldWhichStayOrReservationHoldsTheRoomOnItsNights) {
    putGuest(dir, "101", 4, "JOHN SMITH", may(3));
    putReservation(dir, "7", "101", "AMY WILSON", may(5), may(7));
    putReservation(dir, "8", "101", "CANCELLED", may(3), may(5), 59, "*");
    putReservation(dir, "9", "102", "OTHER ROOM", may(3), may(5));
    const auto conflicts = [&](Date arrival, Date departure, std::string_view own = {}) {
        return bookingConflicts(dir, "101", arrival, departure, own);
    };
    // The guest leaves the day it arrives, the reservation arrives the day it leaves: free.
    EXPECT_EQ(conflicts(may(3), may(5)), std::vector<std::string>{});
    EXPECT_EQ(conflicts(may(2), may(4)), std::vector<std::string>{"Room 101 is occupied by JOHN SMITH until 5/3/2019."});
    EXPECT_EQ(conflicts(may(4), may(6)),
              std::vector<std::string>{"Room 101 is reserved for AMY WILSON (confirmation 7) from 5/5/2019 to 5/7/2019."});
    EXPECT_EQ(conflicts(may(4), may(6), "7"), std::vector<std::string>{}) << "a reservation does not meet itself";
    EXPECT_EQ(conflicts(may(6), may(6)).size(), 1u) << "a stay of no nights still holds its arrival night";
    EXPECT_EQ(bookingConflictQuestion({"A.", "B."}, "Go on?"), "A.\nB.\nGo on?");
}

}  // namespace
