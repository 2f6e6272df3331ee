// The check-in transaction and its checks, on the data files.
#include <gtest/gtest.h>

#include "checkin/check_in_form.h"
#include "core/accounts.h"
#include "core/stay_rules.h"
#include "support/motel_files.h"
#include "core/forms.h"
#include "folio/ledger.h"
#include "support/files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const Date kHotelDate = Date::fromYmd(2019, 5, 1);

class CheckIn : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createFolders();
        writeCounter(dir, dir.taxRate(), 0.12f);
        addRoom(dir, "101", "NQ1", 65);
        addRoom(dir, "102", "KK1", 80);
    }

    CheckInForm cashForm() const {
        CheckInForm f;
        f.guest.name = "JOHN SMITH";
        f.guest.address = "1 MAIN ST";
        f.guest.city = "SPRINGFIELD";
        f.guest.state = "IL";
        f.guest.zip = "62701";
        f.guest.adults = "2";
        f.guest.children = "";
        f.guest.cardMonth = "Expire Month";
        f.guest.cardYear = "Expire Year";
        f.arrivalDate = "5/1/2019";
        f.departDate = "5/4/2019";
        f.roomEntry = "101  NQ1";
        f.rate = "65";
        f.totalStay = "218.4";
        f.payType = "C - Cash";
        f.cashTotal = "218.4";
        f.extraCharge = kExtraCharge;
        f.extraAmount = "";
        f.account = kSelectAccount;
        return f;
    }

    // Reads the form as "Check In Now" does and checks the guest in.
    CheckedIn checkInWith(const CheckInForm& form, const char* time) {
        const auto reading = readCheckIn(dir, form, kHotelDate);
        EXPECT_TRUE(std::holds_alternative<CheckInOrder>(reading));
        return checkIn(dir, std::get<CheckInOrder>(reading), kHotelDate, time);
    }

    std::string folioFile(float folioNo) const { return readText(dir.folioCharges(folioKey(folioNo))); }

    TempFolder folder;
    DataDir dir{folder.path()};
};

std::string line(const char* code, const char* description, const char* amount, int folio = 1) {
    return std::string("\"101  \",\"A\",#2019-05-01#,\"") + code + "\",\"" + description + "\"," + amount + ",," +
           std::to_string(folio) + ",\"-----\",\"-----\",\"-----\"\r\n";
}

TEST_F(CheckIn, TheFirstCashCheckInWritesTheStayTheRoomTheFolioAndTheTotals) {
    const CheckedIn stay = checkInWith(cashForm(), "11:05:32 AM");
    EXPECT_EQ(stay.folioNo, 1);
    EXPECT_EQ(readBytes(dir.folioCounter()), Bytes(RecordBytes(10).single(0, 1)));

    const Bytes guest = RecordBytes(528)
                            .text(0, "JOHN SMITH", 30)
                            .text(30, "1 MAIN ST", 30)
                            .text(60, "SPRINGFIELD", 30)
                            .text(90, "IL", 20)
                            .text(110, "62701", 15)
                            .text(125, "", 15)
                            .text(140, "", 15)
                            .text(170, "", 40)
                            .text(210, "", 20)
                            .text(230, "", 20)
                            .text(250, "Expire Mon", 10)
                            .text(260, "Expire Yea", 10)
                            .text(270, "2", 1)
                            .text(271, "", 1)
                            .text(272, "101", 5)
                            .text(281, "C", 1)
                            .text(282, "11:05:32 AM", 15)
                            .date(312, 43586)
                            .date(320, 43589)
                            .single(328, 65)
                            .single(356, 1);
    EXPECT_EQ(readBytes(dir.guests()), guest);

    const Room room = RecordFile<Room>(dir, dir.rooms()).read(1);
    EXPECT_EQ(room.vacantFlag, "O");
    EXPECT_EQ(room.cleanFlag, "N");
    EXPECT_EQ(room.dueOutDate, kHotelDate.plusDays(1));  // the day after, whatever the departure
    EXPECT_EQ(RecordFile<Room>(dir, dir.rooms()).read(2).cleanFlag, "Y");  // other rooms untouched

    EXPECT_EQ(folioFile(1), line("E", "Room Rent", "65") + line("T", "Tax", "7.79999982565641") +
                                line("L", "Total", "72.7999998256564") + line("C", "Cash Received", "218.4"));

    for (const Totals& totals : {readMonthTotals(dir, kHotelDate), readDayTotals(dir, kHotelDate)}) {
        EXPECT_FLOAT_EQ(totals.values[6], 65);
        EXPECT_FLOAT_EQ(totals.values[7], 65 * 0.12f);
        EXPECT_FLOAT_EQ(totals.values[0], 218.4f);
        EXPECT_EQ(totals.values[5], 0);
    }
}

TEST_F(CheckIn, ACardPaysTheTotalStayAndTheExtraChargeOnlyWhenChosen) {
    CheckInForm f = cashForm();
    f.payType = "V - Visa";
    f.totalStay = "150";
    f.cashTotal = "99";  // the cash boxes play no part in a card payment
    f.extraAmount = "10";  // typed while the list still shows "Extra Charge"
    checkInWith(f, "11:05:32 AM");
    EXPECT_EQ(folioFile(1), line("E", "Room Rent", "65") + line("T", "Tax", "7.79999982565641") +
                                line("L", "Total", "72.7999998256564") + line("V", "Visa", "150"));

    f.extraCharge = "P - Pet Fee";
    f.roomEntry = "102  KK1";
    f.rate = "80";
    checkInWith(f, "11:06:00 AM");
    const std::string second = folioFile(2);
    EXPECT_NE(second.find("\"P\",\"Pet Fee\",10,,2"), std::string::npos) << second;
    EXPECT_LT(second.find("\"P\""), second.find("\"V\""));  // the extra charge before the payment
    EXPECT_FLOAT_EQ(readMonthTotals(dir, kHotelDate).values[8], 10);
    EXPECT_FLOAT_EQ(readDayTotals(dir, kHotelDate).values[8], 10);
    EXPECT_FLOAT_EQ(readDayTotals(dir, kHotelDate).values[1], 300);
}

TEST_F(CheckIn, ADirectBillStayOpensTheAccountsNextInvoice) {
    addAccount(dir, "ACME", 3);
    const auto files = InvoiceFiles::of(dir, "ACME");
    ASSERT_TRUE(files);
    writeCounter(dir, files->counter(), 4);

    CheckInForm f = cashForm();
    f.payType = "R - Direct Bill";
    f.account = "ACME";
    f.totalStay = "72.8";
    checkInWith(f, "11:05:32 AM");

    EXPECT_EQ(readCounter(dir, files->counter()), 5);
    EXPECT_EQ(readBytes(dir.directInvoice("ACME 5")),
              concat({RecordBytes(185)
                          .text(0, "101", 5).date(5, 43586).single(13, 5).single(17, 65)
                          .text(21, "E", 30).text(51, "Room Rent", 30).text(81, "----", 20),
                      RecordBytes(185)
                          .text(0, "101", 5).date(5, 43586).single(13, 5).single(17, 7.8f)
                          .text(21, "T", 30).text(51, "Tax", 30).text(81, "----", 20)}));
    EXPECT_EQ(RecordFile<Guest>(dir, dir.guests()).read(1).directBillNo, 3);
    EXPECT_NE(folioFile(1).find("\"R\",\"Direct Bill\",72.8,,1"), std::string::npos);
    EXPECT_FLOAT_EQ(readMonthTotals(dir, kHotelDate).values[5], 72.8f);
    EXPECT_FLOAT_EQ(readDayTotals(dir, kHotelDate).values[5], 72.8f);
}

TEST_F(CheckIn, ChecksComeInOrderAndStopAtTheFirst) {
    CheckInForm f;
    f.roomEntry = kSelectRoom;
    f.payType = kSelectPaymentType;
    f.account = kSelectAccount;
    Refusal none{"(none)", CheckInField::Name};
    auto refusal = [&] {
        const auto reading = readCheckIn(dir, f, kHotelDate);
        const Refusal* r = std::get_if<Refusal>(&reading);
        none = r ? *r : Refusal{"(none)", CheckInField::Name};
        return &none;
    };
    EXPECT_EQ(refusal()->message, "You didn't enter a name.");
    f.guest.name = " ";  // blanks pass
    EXPECT_EQ(refusal()->message, "You didn't enter an address.");
    f.guest.address = "A";
    EXPECT_EQ(refusal()->message, "You didn't enter a city.");
    f.guest.city = "C";
    EXPECT_EQ(refusal()->message, "You didn't enter a state.");
    f.guest.state = "S";
    EXPECT_EQ(refusal()->message, "You didn't enter a zip code.");
    f.guest.zip = "Z";
    EXPECT_EQ(refusal()->message, "You didn't enter number of adults.");
    EXPECT_EQ(refusal()->focus, CheckInField::Adults);
    f.guest.adults = "1";
    EXPECT_EQ(refusal()->message, "You didn't select a room number.");
    f.roomEntry = "101  NQ1";
    EXPECT_EQ(refusal()->message, "There is no rate entered.");
    f.rate = "65";
    EXPECT_EQ(refusal()->message, "You didn't select a payment type.");
    f.payType = "R - Direct Bill";
    EXPECT_EQ(refusal()->message, "You didn't enter a depart date.");
    f.departDate = "5/2/2019";
    EXPECT_EQ(refusal()->message, "You didn't enter select a direct bill account.");
    EXPECT_EQ(refusal()->focus, CheckInField::AccountList);
    f.account = "NOBODY";
    EXPECT_EQ(refusal()->message, kArrivalNotADate);
    f.arrivalDate = "5/1/2019";
    EXPECT_EQ(refusal()->message, kNoSuchAccount);
    addAccount(dir, "A/B CORP", 1);  // held by an old installation, but it cannot name a file
    f.account = "A/B CORP";
    EXPECT_EQ(refusal()->message, accountNameProblem("A/B CORP"));
    f.payType = "C - Cash";
    EXPECT_EQ(refusal()->message, "(none)");
    f.roomEntry = "103";  // typed into the list: no such room on offer
    EXPECT_EQ(refusal()->message, kRoomNotOffered);
    f.roomEntry = "102  KK1";
    // Amounts that are no finite number, or too large to be one, are refused, never stored as 0.
    for (const std::string& tooLarge : std::vector<std::string>{"1e39", "1e309", std::string(400, '9'), "1000000"}) {
        f.extraAmount = tooLarge;
        EXPECT_EQ(refusal()->message, kAmountTooLarge);
        EXPECT_EQ(refusal()->focus, CheckInField::ExtraAmount);
    }
    f.extraAmount = "";
    f.departDate = "5/32/2019";
    EXPECT_EQ(refusal()->message, kDepartNotADate);
    EXPECT_EQ(refusal()->focus, CheckInField::DepartDate);
    // A departure before the arrival, or a date outside 2000 to 2099, is no stay's.
    f.departDate = "4/30/2019";
    EXPECT_EQ(refusal()->message, kDepartBeforeArrival);
    f.departDate = "5/1/2100";
    EXPECT_EQ(refusal()->message, kDateOutOfRange);
    f.departDate = "5/1/2019";
    f.arrivalDate = "5/1/1999";
    EXPECT_EQ(refusal()->message, kDateOutOfRange);
    EXPECT_EQ(refusal()->focus, CheckInField::ArrivalDate);
}

TEST_F(CheckIn, RoomsOfferedAreVacantCleanAndNotHeldForTodaysArrival) {
    addRoom(dir, "103", "NQ1", 65, "O", "N");       // occupied
    addRoom(dir, "104", "NQ1", 65, "Y", "N");       // dirty
    addRoom(dir, "105", "NQ1", 65, "Y", "Y", "X");  // out of order
    addRoom(dir, "106", "NQ1", 65);
    addReservation(dir, "102", kHotelDate);                  // held for today
    addReservation(dir, "106", kHotelDate, "*");             // closed: does not hold
    addReservation(dir, "101", kHotelDate.plusDays(1));      // tomorrow: does not hold
    EXPECT_EQ(offeredRooms(dir, kHotelDate), (std::vector<std::string>{"101  NQ1", "106  NQ1"}));
}

TEST_F(CheckIn, AStayRunningIntoAnOpenReservationOverbooks) {
    addReservation(dir, "101", kHotelDate.plusDays(2));
    addReservation(dir, "102", kHotelDate.plusDays(1), "*");
    EXPECT_FALSE(overbooks(dir, "101", kHotelDate.plusDays(2)));
    EXPECT_TRUE(overbooks(dir, "101", kHotelDate.plusDays(3)));
    EXPECT_FALSE(overbooks(dir, "102", kHotelDate.plusDays(9)));
}

TEST(OneNightFigures, TaxIsRoundedToTheCent) {
    const OneNight night = oneNight(65, 0.12f);
    EXPECT_DOUBLE_EQ(night.tax, 7.8);
    EXPECT_DOUBLE_EQ(night.total, 72.8);
}

}  // namespace
