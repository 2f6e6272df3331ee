// The ledger's files as they lie on disk: folio lines, totals, invoice files, and the
// folio balance.
#include <gtest/gtest.h>

#include "folio/charge_codes.h"
#include "folio/folio_data.h"
#include "folio/ledger.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

// Built on use: a Date made during static start-up would come before date.cpp is ready.
Date may1() { return Date::fromYmd(2019, 5, 1); }
const std::string kTrailer = ",\"-----\",\"-----\",\"-----\"\r\n";

Bytes totalsBytes(std::initializer_list<std::pair<int, float>> slots) {
    RecordBytes record(190);
    for (auto [slot, value] : slots) record.single(4 * static_cast<std::size_t>(slot), value);
    return record.bytes();
}

FolioLine line(const char* code, double amount) {
    FolioLine l;
    l.room = "101  ";
    l.postDate = may1();
    l.code = code;
    l.amount = amount;
    return l;
}

TEST(ChargeCodes, TableGivesDescriptionsSlotsAndEffects) {
    EXPECT_EQ(chargeCodes().size(), 16u);
    EXPECT_EQ(chargeCode('W')->description, "Wi-Fi");
    EXPECT_EQ(chargeCode('C')->description, "Cash Received");
    EXPECT_EQ(chargeCode('N')->slot, 11);
    EXPECT_EQ(chargeCode('R')->slot, 5);
    EXPECT_EQ(chargeCode('R')->effect, BalanceEffect::None);
    EXPECT_FALSE(chargeCode('L')->slot.has_value());
    EXPECT_EQ(chargeCode('A')->effect, BalanceEffect::Subtracted);
    EXPECT_EQ(chargeCode('X'), nullptr);
    EXPECT_EQ(chargeCode('e'), nullptr);
    EXPECT_EQ(chargeCode(std::string_view("E ")), chargeCode('E'));
    EXPECT_EQ(chargeCode(std::string_view("EE")), nullptr);
    ASSERT_EQ(folioScreenCodeEntries().size(), 12u);
    EXPECT_EQ(folioScreenCodeEntries()[5], "A - American Ex.");
    EXPECT_EQ(folioScreenCodeEntries()[10], "Q - Stamps ");
    EXPECT_EQ(folioScreenCodeEntries()[11], "O - Other ");
}

TEST(LedgerKeys, FolioMonthAndDayKeys) {
    EXPECT_EQ(folioKey(1234), " 1234");
    EXPECT_EQ(monthKey(may1()), "52019");
    EXPECT_EQ(monthKey(Date::fromYmd(2019, 12, 25)), "122019");
    EXPECT_EQ(legacyDayKey(may1()), "512019");
    EXPECT_EQ(legacyDayKey(Date::fromYmd(2019, 12, 5)), "1252019");
    EXPECT_EQ(legacyDayKey(Date::fromYmd(2019, 12, 25)), "1225201");
    EXPECT_EQ(dayKey(may1()), "05012019");
    EXPECT_EQ(dayKey(Date::fromYmd(2019, 12, 25)), "12252019");
    // The dates the old rule mixed up each have their own day.
    EXPECT_NE(dayKey(Date::fromYmd(2019, 1, 25)), dayKey(Date::fromYmd(2019, 12, 5)));
    EXPECT_NE(dayKey(Date::fromYmd(2019, 12, 25)), dayKey(Date::fromYmd(2010, 12, 25)));
}

TEST(FolioLines, AreWrittenInTheirExactTextForm) {
    LedgerDir d;
    appendFolioLine(d.dir, 1234, "101", may1(), 'E', "Room Rent", 65.0);
    appendFolioLine(d.dir, 1234, "101  ", may1(), 'T', "Tax", 65.0 * static_cast<double>(0.12f));
    appendFolioLine(d.dir, 1234, "101", may1(), 'T', "Tax", 65.0f * 0.12f);
    appendFolioLine(d.dir, 1234, "101", may1(), 'V', "Visa", -5.0);
    EXPECT_EQ(d.folio(" 1234"),
              "\"101  \",\"A\",#2019-05-01#,\"E\",\"Room Rent\",65,,1234" + kTrailer +
                  "\"101  \",\"A\",#2019-05-01#,\"T\",\"Tax\",7.79999982565641,,1234" + kTrailer +
                  "\"101  \",\"A\",#2019-05-01#,\"T\",\"Tax\",7.8,,1234" + kTrailer +
                  "\"101  \",\"A\",#2019-05-01#,\"V\",\"Visa\",-5,,1234" + kTrailer);
}

TEST(FolioLines, AreReadBackFromFilesWrittenByHandSkippingDamagedLines) {
    LedgerDir d;
    writeText(d.path("dailycharge/ 7"),
              "\"101  \",\"A\",#2019-05-01#,\"E\",\"Room Rent\",65,,7,\"-----\",\"-----\",\"-----\"\r\n"
              "\"101  \",\"A\",#2019-05-01#,\"T\",\"Tax\",7.79999982565641,,7,\"-----\",\"-----\",\"-----\"\r\n"
              "garbage that is no folio line\r\n"
              "\"101  \",\"A\",#2019-05-01#,\"E\",\"Room Rent\"\r\n"
              "\"101  \",\"A\",#2019-02-30#,\"E\",\"Room Rent\",65,,7,\"-----\",\"-----\",\"-----\"\r\n"
              "\"101  \",\"A\",#2019-05-02#,\"E\",\"Room Rent\",sixty,,7,\"-----\",\"-----\",\"-----\"\r\n"
              "\"101  \",\"A\",#2019-05-02#,\"C\",\"Cash, Received\",.5,,7,\"-----\",\"-----\",\"-----\"\n"
              "\r\n"
              "\"101  \",\"A\",#2019-05-03#,\"V\",\"Visa\",-72.8,,7,\"-----\",\"-----\",\"-----\"");
    const auto lines = readFolioLines(d.dir, 7);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].room, "101  ");
    EXPECT_EQ(lines[0].status, "A");
    EXPECT_EQ(lines[0].postDate, may1());
    EXPECT_EQ(lines[0].code, "E");
    EXPECT_EQ(lines[0].description, "Room Rent");
    EXPECT_EQ(lines[0].amount, 65);
    EXPECT_EQ(lines[0].folioNo, "7");
    EXPECT_EQ(lines[0].trailer[2], "-----");
    EXPECT_DOUBLE_EQ(lines[1].amount, 7.79999982565641);
    EXPECT_EQ(lines[2].description, "Cash, Received");
    EXPECT_EQ(lines[2].amount, 0.5);
    EXPECT_EQ(lines[3].postDate, Date::fromYmd(2019, 5, 3));
    EXPECT_EQ(lines[3].amount, -72.8);

    EXPECT_TRUE(readFolioLines(d.dir, 8).empty());  // no file
}

TEST(FolioLines, WrittenLinesReadBackAndQuotesCannotBreakThem) {
    LedgerDir d;
    appendFolioLine(d.dir, 3, "1\"1", may1(), 'O', "Other", 12.5);
    const auto lines = readFolioLines(d.dir, 3);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].room, "1'1  ");
    EXPECT_EQ(lines[0].amount, 12.5);
}

TEST(FolioBalance, RoundsEachAmountAddsChargesAndSubtractsPayments) {
    EXPECT_EQ(folioBalance({}), 0);
    EXPECT_EQ(folioBalance({line("E", 65), line("T", 7.8049), line("V", 72.8)}), 0);
    EXPECT_EQ(folioBalance({line("E", 65), line("T", 7.8049)}), 72.8);
    // R, L and unknown codes never move it; a roll-away raises it like every charge.
    EXPECT_EQ(folioBalance({line("E", 65), line("R", 100), line("L", 72.8), line("Z", 9), line("N", 10)}), 75);
    EXPECT_EQ(folioBalance({line("E", 0.125), line("S", 0.135)}), 0.26);  // ties to the even cent
    EXPECT_EQ(folioBalance({line("C", 10), line("M", 1), line("D", 1), line("A", 1)}), -13);
    EXPECT_EQ(folioBalance({line("E", -5)}), -5);
    EXPECT_EQ(folioBalance({line("E", 0.1), line("E", 0.2), line("C", 0.3)}), 0);  // exact to the cent
}

TEST(Totals, AdditionsGoToTheMonthAndDayFilesInSinglePrecision) {
    LedgerDir d;
    addToTotals(d.dir, may1(), slot::RoomRent, 65);
    addToTotals(d.dir, may1(), slot::Tax, 65.0 * static_cast<double>(0.12f));
    addToTotals(d.dir, may1(), slot::Visa, 16777216);
    addToTotals(d.dir, may1(), slot::Visa, 1);  // lost in single precision
    // The unrounded tax 7.79999982565641 is the Single 7.7999997.
    const Bytes expected = totalsBytes({{6, 65}, {7, 7.7999997f}, {1, 16777216}});
    EXPECT_EQ(readBytes(d.path("totals/52019")), expected);
    EXPECT_EQ(readBytes(d.path("dailytotals/05012019")), expected);
    EXPECT_FALSE(d.exists("dailytotals/512019"));

    const Totals day = readDayTotals(d.dir, may1());
    EXPECT_EQ(day.values[6], 65);
    EXPECT_EQ(day.values[7], 7.7999997f);
    EXPECT_EQ(day.totalRevenue(), 65 + 7.7999997f);
    EXPECT_EQ(readMonthTotals(d.dir, may1()).values[1], 16777216);
    EXPECT_EQ(readMonthTotals(d.dir, Date::fromYmd(2019, 6, 1)).values[6], 0);  // no file

    EXPECT_THROW(addToTotals(d.dir, may1(), 19, 1), std::out_of_range);
}

TEST(Totals, DaysTheOldKeyMixedUpAreKeptApart) {
    LedgerDir d;
    addToTotals(d.dir, Date::fromYmd(2019, 1, 25), slot::Cash, 10);
    addToTotals(d.dir, Date::fromYmd(2019, 12, 5), slot::Cash, 20);
    EXPECT_EQ(readDayTotals(d.dir, Date::fromYmd(2019, 1, 25)).values[0], 10);
    EXPECT_EQ(readDayTotals(d.dir, Date::fromYmd(2019, 12, 5)).values[0], 20);
    EXPECT_EQ(readBytes(d.path("dailytotals/01252019")), totalsBytes({{0, 10}}));
    EXPECT_EQ(readBytes(d.path("dailytotals/12052019")), totalsBytes({{0, 20}}));
}

TEST(Totals, ADayWithoutItsOwnFileIsReadFromTheOldKey) {
    LedgerDir d;
    writeBytes(d.path("dailytotals/512019"), totalsBytes({{6, 130}, {7, 15.6f}}));
    EXPECT_EQ(readDayTotals(d.dir, may1()).values[6], 130);
    EXPECT_EQ(readDayTotals(d.dir, may1()).values[7], 15.6f);

    addToTotals(d.dir, may1(), slot::RoomRent, 65);  // now the day has its own file
    EXPECT_EQ(readDayTotals(d.dir, may1()).values[6], 65);
    EXPECT_EQ(readBytes(d.path("dailytotals/512019")), totalsBytes({{6, 130}, {7, 15.6f}}));
}

TEST(Totals, ShortFilesReadAsZerosAndA76ByteRecordIsKept) {
    LedgerDir d;
    writeBytes(d.path("totals/52019"), Bytes(40, '\x11'));
    EXPECT_EQ(readMonthTotals(d.dir, may1()).values[0], 0);

    // A record of only its 76 used bytes, as an earlier installation may hold it.
    RecordBytes used(76);
    used.single(0, 5).single(24, 100);
    writeBytes(d.path("totals/52019"), used.bytes());
    EXPECT_EQ(readMonthTotals(d.dir, may1()).values[6], 100);
    addToTotals(d.dir, may1(), slot::RoomRent, 50);
    EXPECT_EQ(readBytes(d.path("totals/52019")), totalsBytes({{0, 5}, {6, 150}}));
}

TEST(InvoiceFiles, AccountNamesThatWouldLeaveTheFolderAreRefused) {
    LedgerDir d;
    for (const char* bad : {"../rooms", "..", ".", "", "   ", "A/B", "A\\B", "C:X", "WHAT?", "A*", "A\"B", "<A>", "A|B",
                            "CON", "nul", "Com1", "LPT9.TXT", "TAB\tNAME"}) {
        EXPECT_EQ(accountNameProblem(bad), kUnsafeAccountName) << bad;
        EXPECT_FALSE(InvoiceFiles::of(d.dir, bad).has_value()) << bad;
    }
    EXPECT_TRUE(d.emptyFolder("directinvoice"));
    EXPECT_FALSE(d.exists("rooms"));

    for (const char* good : {"ACME", "ACME INC.", "O'BRIEN & SONS", "CONSOLIDATED", "COM10", "J.B. HUNT   "})
        EXPECT_EQ(accountNameProblem(good), "") << good;
    const auto files = InvoiceFiles::of(d.dir, "ACME   ");
    ASSERT_TRUE(files.has_value());
    EXPECT_EQ(files->counter(), d.path("directinvoice/ACME"));
    EXPECT_EQ(files->invoice(3), d.path("directinvoice/ACME 3"));
}

TEST(InvoiceFiles, CounterOpensNewInvoicesAndLinesAreAppended) {
    LedgerDir d;
    const auto files = *InvoiceFiles::of(d.dir, "ACME");
    EXPECT_EQ(currentInvoiceNumber(files), 0);
    EXPECT_EQ(nextInvoiceNumber(d.dir, files), 1);
    EXPECT_EQ(readBytes(d.path("directinvoice/ACME")), RecordBytes(10).single(0, 1).bytes());

    // A counter written as its four bytes alone still counts.
    writeBytes(d.path("directinvoice/ACME"), singleBytes(4));
    EXPECT_EQ(currentInvoiceNumber(files), 4);
    EXPECT_EQ(nextInvoiceNumber(d.dir, files), 5);
    EXPECT_EQ(readBytes(d.path("directinvoice/ACME")), RecordBytes(10).single(0, 5).bytes());

    appendInvoiceLine(d.dir, files, chargeInvoiceLine("101  ", may1(), 5, 100, 'E'));
    appendInvoiceLine(d.dir, files, chargeInvoiceLine("101", may1(), 5, 12, 'T'));
    auto expectedLine = [](float amount, const char* code, const char* description) {
        return RecordBytes(185)
            .text(0, "101", 5)
            .date(5, Date::fromYmd(2019, 5, 1).stored())
            .single(13, 5)
            .single(17, amount)
            .text(21, code, 30)
            .text(51, description, 30)
            .text(81, "----", 20)
            .bytes();
    };
    Bytes both = expectedLine(100, "E", "Room Rent");
    const Bytes tax = expectedLine(12, "T", "Tax");
    both.insert(both.end(), tax.begin(), tax.end());
    EXPECT_EQ(readBytes(d.path("directinvoice/ACME 5")), both);

    const auto lines = readInvoiceLines(d.dir, files, 5);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].code, "T");
    EXPECT_EQ(lines[1].amount, 12);
}

}  // namespace
