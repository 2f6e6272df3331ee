// The owner's statistics on a small month worked out by hand, and their export and printout.
#include <gtest/gtest.h>

#include "ledger/charge_codes.h"
#include "ledger/folio_file.h"
#include "ledger/totals.h"
#include "reports/statistics.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

using Lines = std::vector<std::string>;

Date day(int year, int month, int d) { return Date::fromYmd(year, month, d); }

// Folio lines as the desk writes them: (date, code, description, amount as written).
void writeFolio(const MotelFolder& t, float folioNo, const char* room,
                std::initializer_list<std::tuple<Date, char, const char*, const char*>> lines, const std::string& tail = "") {
    std::string text;
    for (const auto& [date, code, description, amount] : lines) text += folioLineText(folioNo, room, date, code, description, amount);
    writeText(t.dataDir.folioCharges(folioKey(folioNo)), text + tail);
}

void writeDayTotals(const MotelFolder& t, Date date, std::initializer_list<std::pair<int, float>> values) {
    writeBytes(t.dataDir.dayTotals(dayKey(date)), totalsBytes(values));
}

Lines linesOf(const std::string& csv) {
    Lines lines;
    for (std::size_t start = 0; start < csv.size();) {
        const std::size_t end = csv.find("\r\n", start);
        lines.push_back(csv.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// May 2019 in a motel of four rooms, one of them out of order; May 2018 beside it.
class SmallMonth : public ::testing::Test {
protected:
    void SetUp() override {
        DataDir& dir = t.dataDir;
        putRoom(dir, "101", "NQ1");
        putRoom(dir, "102", "KK1");
        putRoom(dir, "103", "NQ1", "Y", "Y", "X");  // out of order today: counts on no night
        putRoom(dir, "104", "KK1");
        // Two nights of April, two of May.
        putPastGuest(dir, "101", 1, "EARLY ARRIVAL", day(2019, 4, 29), day(2019, 5, 3));
        writeFolio(t, 1, "101",
                   {{day(2019, 4, 29), 'E', "Room Rent", "65"}, {day(2019, 4, 29), 'T', "Tax", "7.8"},
                    {day(2019, 4, 29), 'L', "Total", "72.8"}, {day(2019, 4, 29), 'V', "Visa", "72.8"},
                    {day(2019, 4, 30), 'E', "Room Rent", "65"}, {day(2019, 5, 1), 'E', "Room Rent", "65"},
                    {day(2019, 5, 1), 'T', "Tax", "7.8"}, {day(2019, 5, 2), 'E', "Room Rent", "65"}});
        // Two nights, the second corrected to 59.95, and a damaged line.
        putPastGuest(dir, "104", 2, "CORRECTED RATE", may(10), may(12));
        writeFolio(t, 2, "104",
                   {{may(10), 'E', "Room Rent", "70"}, {may(11), 'E', "Room Rent", "70"}, {may(11), 'E', "Room Rent", "-70"},
                    {may(11), 'E', "Room Rent", "59.95"}},
                   "garbage that is no folio line\r\n");
        // Over the month's end, still in house: May 30 and 31 count, June 1 does not.
        putPastGuest(dir, "102", 3, "LATE ARRIVAL", may(30), day(2019, 6, 2), 0, "");
        writeFolio(t, 3, "102",
                   {{may(30), 'E', "Room Rent", "80"}, {may(31), 'E', "Room Rent", "80"}, {day(2019, 6, 1), 'E', "Room Rent", "80"}});
        // A stay whose departure comes before its arrival: counted nowhere.
        putPastGuest(dir, "101", 4, "BROKEN DATES", may(15), may(14));
        writeFolio(t, 4, "101", {{may(15), 'E', "Room Rent", "500"}});
        // A year earlier, one night.
        putPastGuest(dir, "101", 5, "LAST YEAR", day(2018, 5, 1), day(2018, 5, 2));
        writeFolio(t, 5, "101", {{day(2018, 5, 1), 'E', "Room Rent", "60"}});

        writeDayTotals(t, may(10), {{slot::RoomRent, 70}, {slot::Tax, 8.4f}, {slot::PetFee, 10}, {slot::Visa, 150}});
        writeDayTotals(t, day(2018, 5, 1), {{slot::RoomRent, 60}, {slot::Cash, 60}});
        dir.commit();
    }

    MotelFolder t;
};

TEST_F(SmallMonth, CountsEachNightItsRoomsSoldAndRentCorrectionsIncludedBesideTheYearBefore) {
    const Statistics s = readStatistics(t.dataDir, {2019, 5});
    EXPECT_EQ(s.roomsInService, 3);
    EXPECT_TRUE(s.periodStored);
    EXPECT_TRUE(s.yearBeforeStored);
    ASSERT_EQ(s.rows.size(), 31u);
    EXPECT_EQ(s.notCounted, (Lines{"The stay of BROKEN DATES in room 101 (guest record 4): its departure date is before its "
                                   "arrival date.",
                                   "Folio 2 of CORRECTED RATE in room 104: line 5 cannot be read."}));

    const Lines csv = linesOf(statisticsCsv(s));
    ASSERT_EQ(csv.size(), 33u);  // headings, 31 nights, the month
    EXPECT_EQ(csv[0], "Night,Rooms Available,Rooms Sold,Occupancy %,Room Revenue,ADR,RevPAR,Other Charges,Payments,"
                      "Year Before Night,Year Before Rooms Available,Year Before Rooms Sold,Year Before Occupancy %,"
                      "Year Before Room Revenue,Year Before ADR,Year Before RevPAR,Year Before Other Charges,"
                      "Year Before Payments");
    // 65 / 3 rooms is 21.666...: RevPAR 21.67; one room of three is 33.33 %.
    EXPECT_EQ(csv[1], "2019-05-01,3,1,33.33,65.00,65.00,21.67,0.00,0.00,2018-05-01,3,1,33.33,60.00,60.00,20.00,0.00,60.00");
    EXPECT_EQ(csv[2], "2019-05-02,3,1,33.33,65.00,65.00,21.67,0.00,0.00,2018-05-02,3,0,0.00,0.00,,0.00,0.00,0.00");
    EXPECT_EQ(csv[3], "2019-05-03,3,0,0.00,0.00,,0.00,0.00,0.00,2018-05-03,3,0,0.00,0.00,,0.00,0.00,0.00");
    // The pet fee is another charge, the tax is none; the Visa payment is a payment.
    EXPECT_EQ(csv[10], "2019-05-10,3,1,33.33,70.00,70.00,23.33,10.00,150.00,2018-05-10,3,0,0.00,0.00,,0.00,0.00,0.00");
    // 70 - 70 + 59.95, and 59.95 / 3 = 19.983...
    EXPECT_EQ(csv[11], "2019-05-11,3,1,33.33,59.95,59.95,19.98,0.00,0.00,2018-05-11,3,0,0.00,0.00,,0.00,0.00,0.00");
    EXPECT_EQ(csv[14].substr(0, 40), "2019-05-14,3,0,0.00,0.00,,0.00,0.00,0.00");  // the broken stay sells nothing
    EXPECT_EQ(csv[15].substr(0, 40), "2019-05-15,3,0,0.00,0.00,,0.00,0.00,0.00");
    EXPECT_EQ(csv[30].substr(0, 45), "2019-05-30,3,1,33.33,80.00,80.00,26.67,0.00,0");
    EXPECT_EQ(csv[31].substr(0, 45), "2019-05-31,3,1,33.33,80.00,80.00,26.67,0.00,0");
    // 93 room nights, 6 sold (6.45 %), 419.95 taken: ADR 69.99, RevPAR 4.52.
    EXPECT_EQ(csv[32], "2019-05,93,6,6.45,419.95,69.99,4.52,10.00,150.00,2018-05,93,1,1.08,60.00,60.00,0.65,0.00,60.00");
}

TEST_F(SmallMonth, AYearGoesMonthByMonthAndAPeriodWithNothingStoredSaysSo) {
    const Statistics year = readStatistics(t.dataDir, {2019, 0});
    const Lines csv = linesOf(statisticsCsv(year));
    ASSERT_EQ(csv.size(), 14u);
    EXPECT_EQ(csv[0].substr(0, 16), "Month,Rooms Avai");
    // April: 30 nights of 3 rooms, the two April nights of the first stay.
    EXPECT_EQ(csv[4], "2019-04,90,2,2.22,130.00,65.00,1.44,0.00,0.00,2018-04,90,0,0.00,0.00,,0.00,0.00,0.00");
    EXPECT_EQ(csv[5], "2019-05,93,6,6.45,419.95,69.99,4.52,10.00,150.00,2018-05,93,1,1.08,60.00,60.00,0.65,0.00,60.00");
    EXPECT_EQ(csv[6].substr(0, 38), "2019-06,90,1,1.11,80.00,80.00,0.89,0.0");
    EXPECT_EQ(csv[13].substr(0, 45), "2019,1095,9,0.82,629.95,69.99,0.58,10.00,150.");
    EXPECT_EQ(periodName(year.period), "2019");

    const Statistics empty = readStatistics(t.dataDir, {2031, 5});
    EXPECT_FALSE(empty.periodStored);
    EXPECT_EQ(nothingStored(empty.period), "Nothing is stored for May 2031.");
    EXPECT_EQ(linesOf(statisticsCsv(empty)).size(), 1u);  // the headings alone
}

TEST(Statistics, AFebruaryBesideALeapFebruaryKeepsTheTwentyNinthAsAYearBeforeRowAlone) {
    MotelFolder t;
    putRoom(t.dataDir, "101", "NQ1");
    putPastGuest(t.dataDir, "101", 1, "LEAP NIGHT", day(2020, 2, 29), day(2020, 3, 1));
    writeFolio(t, 1, "101", {{day(2020, 2, 29), 'E', "Room Rent", "65"}});
    putPastGuest(t.dataDir, "101", 2, "THIS YEAR", day(2021, 2, 1), day(2021, 2, 2));
    t.dataDir.commit();
    const Statistics s = readStatistics(t.dataDir, {2021, 2});
    ASSERT_EQ(s.rows.size(), 29u);
    EXPECT_FALSE(s.rows[28].period.nights.has_value());
    const Lines csv = linesOf(statisticsCsv(s));
    EXPECT_EQ(csv[29], ",,,,,,,,,2020-02-29,1,1,100.00,65.00,65.00,65.00,0.00,0.00");
    EXPECT_EQ(csv[30], "2021-02,28,1,3.57,0.00,0.00,0.00,0.00,0.00,2020-02,29,1,3.45,65.00,65.00,2.24,0.00,0.00");
}

TEST_F(SmallMonth, ThePrintoutGivesEachNightAndTheSameNightAYearEarlierUnderIt) {
    const PrintJob job = statisticsReport(readStatistics(t.dataDir, {2019, 5}));
    EXPECT_EQ(job.document(), "Statistics");
    const Lines lines = job.lines();
    ASSERT_GE(lines.size(), 80u);
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 12),
              (Lines{"", "Statistics", "Period:  May 2019", "Compared with:  May 2018",
                     "Rooms in service:  3 (not out of order today)", "",
                     "Night                   Rooms  Rooms    Occ.        Room       ADR    RevPAR     Other    Payments",
                     "                       avail.   sold       %     revenue                       charges",
                     std::string(98, '-'),
                     "5/1/2019                    3      1   33.33       65.00     65.00     21.67      0.00        0.00",
                     "5/1/2018                    3      1   33.33       60.00     60.00     20.00      0.00       60.00",
                     "5/2/2019                    3      1   33.33       65.00     65.00     21.67      0.00        0.00"}));
    EXPECT_EQ(lines[71], std::string(98, '-'));
    EXPECT_EQ(lines[72], "Total May 2019             93      6    6.45      419.95     69.99      4.52     10.00      150.00");
    EXPECT_EQ(lines[73], "Total May 2018             93      1    1.08       60.00     60.00      0.65      0.00       60.00");
    EXPECT_EQ(lines.end()[-3], "Not counted (damaged):");
    EXPECT_EQ(lines.back(), "  Folio 2 of CORRECTED RATE in room 104: line 5 cannot be read.");
}

}  // namespace
