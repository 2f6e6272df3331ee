// The reports as comma-separated text, byte for byte: quoting, line ends, amounts and dates.
#include <gtest/gtest.h>

#include "core/csv.h"
#include "ledger/charge_codes.h"
#include "reports/csv_exports.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

TEST(Csv, QuotesOnlyWhatMustBeQuotedDoublesQuotesAndEndsEachRecordInCrLf) {
    Csv csv{"Name", "Amount"};
    csv.row({"O\"BRIEN, PAT", csvAmount(1234.5)});
    csv.row({" SMITH ", csvAmount(-5)});
    csv.row({"TWO\nLINES", csvAmount(-0.004)});
    csv.row({"", csvAmount(0.125)});  // half a cent goes to the even cent, as the folio does
    EXPECT_EQ(csv.text(),
              "Name,Amount\r\n"
              "\"O\"\"BRIEN, PAT\",1234.50\r\n"
              " SMITH ,-5.00\r\n"
              "\"TWO\nLINES\",0.00\r\n"
              ",0.12\r\n");
    EXPECT_EQ(csvField("CR\rHERE"), "\"CR\rHERE\"");
    EXPECT_EQ(csvDate(Date::fromYmd(2019, 5, 1)), "2019-05-01");
    EXPECT_EQ(csvMonth(2019, 12), "2019-12");
    EXPECT_EQ(csvCents(-7), "-0.07");
}

Totals totalsOf(std::initializer_list<std::pair<int, float>> values) {
    Totals totals;
    for (auto [slot, value] : values) totals.values[static_cast<std::size_t>(slot)] = value;
    return totals;
}

TEST(FinancialReportExports, GiveEachAmountToTheCentInTheReportsOrderWithTheTotalRevenue) {
    const std::string headings = "Rent,Tax,Cash,Visa,Master Card,Discover,American Express,Direct Bill,Pet,Copies,Stamps,"
                                 "Roll Away,Wi-Fi,Other,Total Revenue\r\n";
    // Singles as the totals hold them: 59.95 is 59.9500007629..., 7.194 rounds to 7.19.
    const Totals day = totalsOf({{slot::RoomRent, 59.95f}, {slot::Tax, 7.194f}, {slot::Cash, 100}, {slot::Other, -5}});
    EXPECT_EQ(dailyCsv({{may(1), day}, {may(2), Totals{}}}),
              "Date," + headings +
                  "2019-05-01,59.95,7.19,100.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,-5.00,62.14\r\n"
                  "2019-05-02,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00\r\n");
    EXPECT_EQ(monthlyCsv(2019, 5, totalsOf({{slot::DirectBill, 65}, {slot::WiFi, 2.5f}})),
              "Month," + headings + "2019-05,0.00,0.00,0.00,0.00,0.00,0.00,0.00,65.00,0.00,0.00,0.00,0.00,2.50,0.00,2.50\r\n");

    // From the files: a day without a file of its own reads as zeros.
    MotelFolder t;
    writeBytes(t.dataDir.dayTotals(dayKey(may(2))), totalsBytes({{slot::PetFee, 10}}));
    writeBytes(t.dataDir.monthTotals(monthKey(may(2))), totalsBytes({{slot::PetFee, 10}, {slot::Visa, 20}}));
    EXPECT_EQ(dailyCsv(t.dataDir, may(1), may(2)),
              "Date," + headings +
                  "2019-05-01,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00\r\n"
                  "2019-05-02,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,10.00,0.00,0.00,0.00,0.00,0.00,10.00\r\n");
    EXPECT_EQ(monthlyCsv(t.dataDir, 2019, 5),
              "Month," + headings + "2019-05,0.00,0.00,0.00,20.00,0.00,0.00,0.00,0.00,10.00,0.00,0.00,0.00,0.00,0.00,10.00\r\n");
}

TEST(HousekeepingExport, GivesEachRoomsLineOfTheReportWithTheCommentQuotedWhenItMustBe) {
    MotelFolder t;
    writeBytes(t.dataDir.rooms(), concat({roomBytes("101", "NQ1", "ONK", 65, "\"LEAKY\", SINK", may(2).serial()),
                                          roomBytes("102", "KK1", "YNX", 80, "", may(1).serial())}));
    EXPECT_EQ(housekeepingCsv(t.dataDir, may(1)),
              "Date,Room,C/O S/O,Status,Comment\r\n"
              "2019-05-01,101,Stay,OK,\"\"\"LEAKY\"\", SINK\"\r\n"
              "2019-05-01,102,EMPTY / DIRTY,OOO,\r\n");
}

TEST(GuestListExport, ListsTheArrivalsDeparturesOrGuestsInHouseOfAPeriodInDateOrder) {
    MotelFolder t;
    DataDir& dir = t.dataDir;
    putPastGuest(dir, "102", 7, "O\"BRIEN, PAT", may(3), may(6));              // arrives in, leaves after
    putPastGuest(dir, "101", 5, "BEFORE", Date::fromYmd(2019, 4, 28), may(2));  // in house on May 1, leaves in
    putPastGuest(dir, "103", 9, "STILL HERE", may(4), may(5), 0, "");          // arrives and leaves in, in house
    putPastGuest(dir, "104", 11, "LEFT APRIL 30", Date::fromYmd(2019, 4, 29), Date::fromYmd(2019, 4, 30));
    changeRecord<Guest>(dir, dir.guests(), 1, [](Guest& g) {
        g.company = "ACME, INC";
        g.payType = "V";
        g.rate = 59.95f;
    });
    dir.commit();

    const std::string headings = "Folio,Room,Guest,Company,Arrival,Departure,Nights,Rate,Pay Code,Status\r\n";
    const std::string obrien = "7,102,\"O\"\"BRIEN, PAT\",\"ACME, INC\",2019-05-03,2019-05-06,3,59.95,V,Checked Out\r\n";
    const std::string before = "5,101,BEFORE,,2019-04-28,2019-05-02,4,65.00,,Checked Out\r\n";
    const std::string still = "9,103,STILL HERE,,2019-05-04,2019-05-05,1,65.00,,In House\r\n";
    EXPECT_EQ(guestListCsv(dir, GuestListKind::Arrivals, may(1), may(4)), headings + obrien + still);
    EXPECT_EQ(guestListCsv(dir, GuestListKind::Departures, may(1), may(5)), headings + before + still);
    // In house: a night of the period spent; leaving on its first day is no night of it.
    EXPECT_EQ(guestListCsv(dir, GuestListKind::InHouse, Date::fromYmd(2019, 4, 30), may(4)), headings + before + obrien + still);
    EXPECT_EQ(guestListCsv(dir, GuestListKind::InHouse, may(2), may(2)), headings);
    EXPECT_EQ(guestListKind("in-house"), GuestListKind::InHouse);
    EXPECT_EQ(guestListKind("inhouse"), std::nullopt);
}

}  // namespace
