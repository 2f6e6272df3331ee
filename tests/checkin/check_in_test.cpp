// The check-in transaction and its checks, on the data files.
#include <functional>

#include <gtest/gtest.h>

#include "checkin/check_in_form.h"
#include "core/accounts.h"
#include "core/formats.h"
#include "core/stay_rules.h"
#include "ledger/ledger.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const Date kHotelDate = may(1);

class CheckIn : public ::testing::Test {
protected:
    void SetUp() override { smallMotel(dir); }

    static CheckInForm cashForm() {
        return {.guest = {"JOHN SMITH", "1 MAIN ST", "SPRINGFIELD", "IL", "62701", "", "", "", "", "", "Expire Month",
                          "Expire Year", "2", ""},
                .arrivalDate = "5/1/2019", .departDate = "5/4/2019", .roomEntry = "101  NQ1", .rate = "65",
                .totalStay = "218.4", .payType = "C - Cash", .cashTotal = "218.4", .tendered = "",
                .extraCharge = kExtraCharge, .extraAmount = "", .account = kSelectAccount};
    }
    Refusal refusal(const CheckInForm& f) {
        const auto reading = readCheckIn(dir, f, kHotelDate);
        const Refusal* r = std::get_if<Refusal>(&reading);
        return r ? *r : Refusal{"(none)", ""};
    }
    // Reads the form as "Check In Now" does and checks the guest in.
    CheckedIn checkInWith(const CheckInForm& form, const char* time) {
        const auto reading = readCheckIn(dir, form, kHotelDate);
        EXPECT_TRUE(std::holds_alternative<CheckInOrder>(reading));
        return checkIn(dir, std::get<CheckInOrder>(reading), kHotelDate, time);
    }
    std::string folioFile(float folioNo) const { return readText(dir.folioCharges(folioKey(folioNo))); }
    // The month's and the day's totals of 1 May.
    void expectTotals(const Bytes& totals) {
        EXPECT_EQ(readBytes(motel.path("totals/52019")), totals);
        EXPECT_EQ(readBytes(motel.path("dailytotals/05012019")), totals);
    }

    MotelFolder motel;
    DataDir& dir = motel.dataDir;
};

std::string line(const char* code, const char* description, const char* amount, const char* folio = "1") {
    return folioText("101  ", code, description, amount, folio);
}

TEST_F(CheckIn, TheFirstCashCheckInWritesTheStayTheRoomTheFolioAndTheTotals) {
    EXPECT_DOUBLE_EQ(oneNight(65, 0.12f).tax, 7.8);  // the night's tax, rounded to the cent
    EXPECT_DOUBLE_EQ(oneNight(65, 0.12f).total, 72.8);
    EXPECT_EQ(checkInWith(cashForm(), "11:05:32 AM").folioNo, 1);
    EXPECT_EQ(readBytes(dir.folioCounter()), counterBytes(1));
    EXPECT_EQ(readBytes(dir.guests()),
              Bytes(particularsBytes(528, {.name = "JOHN SMITH", .address = "1 MAIN ST", .city = "SPRINGFIELD", .state = "IL",
                                           .zip = "62701", .phone = "", .cell = "", .comment = "", .company = "",
                                           .cardNo = "", .cardMonth = "Expire Mon", .cardYear = "Expire Yea",
                                           .adults = "2", .children = "", .room = "101", .payType = "C",
                                           .arrivalTime = "11:05:32 AM", .arrival = kMay1, .depart = kMay1 + 3,
                                           .rate = 65, .folioNo = 1})));

    EXPECT_EQ(roomFlags(dir, 1) + roomFlags(dir, 2), "ONYY");  // other rooms untouched
    EXPECT_EQ(RecordFile<Room>(dir, dir.rooms()).read(1).dueOutDate, kHotelDate.plusDays(1));  // whatever the departure

    // The night's tax is the rent times the tax rate in single precision, as the nightly run posts it.
    EXPECT_EQ(folioFile(1), line("E", "Room Rent", "65") + line("T", "Tax", "7.8") + line("L", "Total", "72.8") +
                                line("C", "Cash Received", "218.4"));
    expectTotals(totalsBytes({{0, 218.4f}, {6, 65}, {7, 7.8f}}));
}

TEST_F(CheckIn, ACardPaysTheTotalStayAndTheExtraChargeOnlyWhenChosen) {
    CheckInForm f = cashForm();
    f.payType = "V - Visa";
    f.totalStay = "150";
    f.cashTotal = "99";    // the cash boxes play no part in a card payment
    f.extraAmount = "10";  // typed while the list still shows "Extra Charge": asked for, not dropped
    EXPECT_EQ(refusal(f), (Refusal{kNoExtraChargeChosen, "Combo5"}));
    f.extraAmount = "";
    checkInWith(f, "11:05:32 AM");
    EXPECT_EQ(folioFile(1), line("E", "Room Rent", "65") + line("T", "Tax", "7.8") + line("L", "Total", "72.8") +
                                line("V", "Visa", "150"));

    f.extraCharge = "P - Pet Fee";
    f.extraAmount = "10";
    f.roomEntry = "102  KK1";
    f.rate = "80";
    checkInWith(f, "11:06:00 AM");
    const std::string second = folioFile(2);
    EXPECT_NE(second.find("\"P\",\"Pet Fee\",10,,2"), std::string::npos) << second;
    EXPECT_LT(second.find("\"P\""), second.find("\"V\""));  // the extra charge before the payment
    expectTotals(totalsBytes({{1, 300}, {6, 145}, {7, 17.4f}, {8, 10}}));
}

TEST_F(CheckIn, ADirectBillStayOpensTheAccountsNextInvoice) {
    const auto files = InvoiceFiles::of(dir, "ACME");
    ASSERT_TRUE(files);
    writeCounter(dir, files->counter(), 4);
    CheckInForm f = cashForm();
    f.payType = "R - Direct Bill";
    f.account = "ACME";
    f.totalStay = "72.8";
    checkInWith(f, "11:05:32 AM");

    EXPECT_EQ(readCounter(dir, files->counter()), 5);
    EXPECT_EQ(readBytes(dir.directInvoice("ACME 5")), invoiceBytes({{5, 65, "E", "Room Rent"}, {5, 7.8f, "T", "Tax"}}));
    EXPECT_EQ(guestAt(dir, 1).directBillNo, 3);
    EXPECT_NE(folioFile(1).find("\"R\",\"Direct Bill\",72.8,,1"), std::string::npos);
    expectTotals(totalsBytes({{5, 72.8f}, {6, 65}, {7, 7.8f}}));
}

TEST_F(CheckIn, ChecksComeInOrderAndStopAtTheFirst) {
    CheckInForm f;
    f.roomEntry = kSelectRoom, f.payType = kSelectPaymentType, f.account = kSelectAccount;
    // Each refusal with the check-in window's control it sends the focus to.
    const std::tuple<std::string, std::string, std::function<void()>> steps[] = {
        {"You didn't enter a name.", "Text1", [&] { f.guest.name = "  "; }},
        {"You didn't enter a name.", "Text1", [&] { f.guest.name = "N"; }},  // blanks are no name
        {"You didn't enter an address.", "Text2", [&] { f.guest.address = "A"; }},
        {"You didn't enter a city.", "Text3", [&] { f.guest.city = "C"; }},
        {"You didn't enter a state.", "Text4", [&] { f.guest.state = "S"; }},
        {"You didn't enter a zip code.", "Text5", [&] { f.guest.zip = "Z"; }},
        {"You didn't enter number of adults.", "Text11", [&] { f.guest.adults = "0"; }},
        {kAdultsNotANumber, "Text11", [&] { f.guest.adults = "1", f.guest.children = "x"; }},
        {kChildrenNotANumber, "Text12", [&] { f.guest.children = "0"; }},
        {"You didn't select a room number.", "Combo3", [&] { f.roomEntry = "101  NQ1"; }},
        {"There is no rate entered.", "Text16", [&] { f.rate = "5x"; }},
        {"You didn't select a payment type.", "Combo4", [&] { f.payType = "R - Direct Bill"; }},
        {"You didn't enter a depart date.", "Text14", [&] { f.departDate = "5/2/2019"; }},
        {"You didn't enter select a direct bill account.", "Combo6", [&] { f.account = "NOBODY"; }},
        {kArrivalNotADate, "Text13", [&] { f.arrivalDate = "5/1/2019"; }},
        // An account held by an old installation under a name that cannot name a file.
        {kNoSuchAccount, "Combo6", [&] { addAccount(dir, "A/B CORP", 1), f.account = "A/B CORP"; }},
        {accountNameProblem("A/B CORP"), "Combo6", [&] { f.payType = "C - Cash"; }},
        // The money last: the rate, the extra charge, what the payment pays, what was tendered.
        {"The rate must be a number, like 65 or 59.95.", "Text16",
         [&] { f.rate = "65", f.extraCharge = "N - Roll Away", f.extraAmount = "1x5"; }},
        {"The extra charge must be a number, like 12.50.", "Text21", [&] { f.extraAmount = "15"; }},
        {"The cash total must be a number, like 130.70.", "Text18", [&] { f.cashTotal = "87.8", f.tendered = "1o0"; }},
        {"The amount tendered must be a number, like 100 or 80.50.", "Text19", [&] { f.tendered = "100"; }},
    };
    for (const auto& [message, focus, mend] : steps) {
        EXPECT_EQ(refusal(f).message, message);
        EXPECT_EQ(refusal(f).focus, focus) << message;
        mend();
    }
    EXPECT_EQ(refusal(f).message, "(none)");
}

TEST_F(CheckIn, RoomsOfferedAreVacantCleanAndNotHeldForTodaysArrivalAndAStayRunningIntoOneOverbooks) {
    addRoom(dir, "103", "NQ1", 65, "O", "N");       // occupied
    addRoom(dir, "104", "NQ1", 65, "Y", "N");       // dirty
    addRoom(dir, "105", "NQ1", 65, "Y", "Y", "X");  // out of order
    addRoom(dir, "106", "NQ1", 65);
    addReservation(dir, "102", kHotelDate);              // held for today
    addReservation(dir, "106", kHotelDate, "*");         // closed: does not hold
    addReservation(dir, "101", kHotelDate.plusDays(1));  // tomorrow: does not hold
    EXPECT_EQ(offeredRooms(dir, kHotelDate), (std::vector<std::string>{"101  NQ1", "106  NQ1"}));

    EXPECT_FALSE(overbooks(dir, "101", kHotelDate.plusDays(1)));
    EXPECT_TRUE(overbooks(dir, "101", kHotelDate.plusDays(2)));
    EXPECT_FALSE(overbooks(dir, "106", kHotelDate.plusDays(9)));  // the closed one
}

}  // namespace
