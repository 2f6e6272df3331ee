// The ledger's files as they lie on disk: folio lines, totals, invoice files, and the balance.
#include <gtest/gtest.h>

#include "ledger/charge_codes.h"  // slot::
#include "ledger/ledger.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

FolioLine line(const char* code, double amount) { return {"101  ", "A", {}, code, "", amount, "", "1", {}}; }

TEST(FolioLines, AreWrittenInTheirExactTextFormAndReadBack) {
    MotelFolder t;
    appendFolioLine(t.dataDir, 1234, "101", may(1), 'E', "Room Rent", 65.0);
    appendFolioLine(t.dataDir, 1234, "101  ", may(1), 'T', "Tax", 65.0 * static_cast<double>(0.12f));
    appendFolioLine(t.dataDir, 1234, "101", may(1), 'T', "Tax", 65.0f * 0.12f);  // single precision: 7 digits
    appendFolioLine(t.dataDir, 1234, "101", may(1), 'V', "Visa", -5.0);
    EXPECT_EQ(readText(t.path("dailycharge/ 1234")),
              folioText("101  ", "E", "Room Rent", "65", "1234") +
                  folioText("101  ", "T", "Tax", "7.79999982565641", "1234") +
                  folioText("101  ", "T", "Tax", "7.8", "1234") + folioText("101  ", "V", "Visa", "-5", "1234"));
}

TEST(FolioLines, AreReadFromFilesWrittenByHandSkippingDamagedLines) {
    MotelFolder t;
    writeText(t.path("dailycharge/ 7"),
              "\"101  \",\"A\",#2019-05-01#,\"E\",\"Room Rent\",65,,7,\"-----\",\"-----\",\"-----\"\r\n"
              "\"101  \",\"A\",#2019-05-01#,\"T\",\"Tax\",7.79999982565641,,7,\"-----\",\"-----\",\"-----\"\r\n"
              "garbage that is no folio line\r\n"
              "\"101  \",\"A\",#2019-05-01#,\"E\",\"Room Rent\"\r\n"
              "\"101  \",\"A\",#2019-02-30#,\"E\",\"Room Rent\",65,,7,\"-----\",\"-----\",\"-----\"\r\n"
              "\"101  \",\"A\",#2019-05-02#,\"E\",\"Room Rent\",sixty,,7,\"-----\",\"-----\",\"-----\"\r\n"
              "\"101  \",\"A\",#2019-05-02#,\"C\",\"Cash, Received\",.5,,7,\"-----\",\"-----\",\"-----\"\n"
              "\r\n"
              "\"101  \",\"A\",#2019-05-03#,\"V\",\"Visa\",-72.8,,7,\"-----\",\"-----\",\"-----\"");
    const auto lines = readFolioLines(t.dataDir, 7);
    ASSERT_EQ(lines.size(), 4u);
    const FolioLine& first = lines[0];
    EXPECT_EQ(std::tie(first.room, first.status, first.code, first.description, first.folioNo, first.trailer[2]),
              std::make_tuple("101  ", "A", "E", "Room Rent", "7", "-----"));
    EXPECT_EQ(first.postDate, may(1));
    EXPECT_EQ(first.amount, 65);
    EXPECT_DOUBLE_EQ(lines[1].amount, 7.79999982565641);
    EXPECT_EQ(lines[2].description, "Cash, Received");
    EXPECT_EQ(lines[2].amount, 0.5);
    EXPECT_EQ(lines[3].postDate, may(3));
    EXPECT_EQ(lines[3].amount, -72.8);
    EXPECT_TRUE(readFolioLines(t.dataDir, 8).empty());  // no file

    // Read without copying, each line with its number: the same lines are damaged, the empty one
    // is passed over.
    std::vector<std::string> seen;
    visitFolioText(readText(t.path("dailycharge/ 7")), [&](std::size_t n, const std::optional<FolioLineView>& posting) {
        seen.push_back(std::to_string(n) + " " +
                       (posting ? std::string(posting->code) + " " + std::string(posting->amountText) + " " +
                                      posting->postDate.text()
                                : "damaged"));
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"1 E 65 5/1/2019", "2 T 7.79999982565641 5/1/2019", "3 damaged", "4 damaged",
                                              "5 damaged", "6 damaged", "7 C .5 5/2/2019", "9 V -72.8 5/3/2019"}));
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

TEST(Totals, AdditionsGoToTheMonthAndDayFilesKeptToTheCent) {
    MotelFolder t;
    addToTotals(t.dataDir, may(1), slot::RoomRent, 65);
    addToTotals(t.dataDir, may(1), slot::Tax, 65.0 * static_cast<double>(0.12f));  // 7.7999998...: 7.80 to the cent
    addToTotals(t.dataDir, may(1), slot::Visa, 16777216);
    addToTotals(t.dataDir, may(1), slot::Visa, 1);  // beyond what a Single holds exactly
    const Bytes expected = totalsBytes({{6, 65}, {7, 7.8f}, {1, 16777216}});
    EXPECT_EQ(readBytes(t.path("totals/52019")), expected);
    EXPECT_EQ(readBytes(t.path("dailytotals/05012019")), expected);
    EXPECT_EQ(readDayTotals(t.dataDir, may(1)).totalRevenue(), 65 + 7.8f);

    // A month of nightly tax stays the sum of its postings to the cent, and a reversal takes it back.
    for (int night = 0; night < 31; ++night) addToTotals(t.dataDir, may(2), slot::Tax, 65.0 * static_cast<double>(0.12f));
    EXPECT_EQ(readMonthTotals(t.dataDir, may(2)).values[7], 249.6f);  // 32 nights of 7.80
    addToTotals(t.dataDir, may(2), slot::Other, 99999.99);
    addToTotals(t.dataDir, may(2), slot::Other, -99999.99);
    EXPECT_EQ(readMonthTotals(t.dataDir, may(2)).values[13], 0);
    EXPECT_EQ(monthKey(Date::fromYmd(2019, 12, 25)), "122019");
    EXPECT_THROW(addToTotals(t.dataDir, may(1), 19, 1), std::out_of_range);
}

TEST(InvoiceFiles, UnsafeAccountNamesAreRefusedAndSafeOnesNameTheCounterAndInvoices) {
    MotelFolder t;
    for (const char* bad : {"../rooms", "..", ".", "", "   ", "A/B", "A\\B", "C:X", "WHAT?", "A*", "A\"B", "<A>", "A|B",
                            "CON", "nul", "Com1", "LPT9.TXT", "TAB\tNAME"}) {
        EXPECT_EQ(accountNameProblem(bad), kUnsafeAccountName) << bad;
        EXPECT_FALSE(InvoiceFiles::of(t.dataDir, bad).has_value()) << bad;
    }
    EXPECT_TRUE(std::filesystem::is_empty(t.path("directinvoice")));
    EXPECT_FALSE(std::filesystem::exists(t.path("rooms")));
    for (const char* good : {"ACME INC.", "O'BRIEN & SONS", "CONSOLIDATED", "COM10", "J.B. HUNT   "})
        EXPECT_EQ(accountNameProblem(good), "") << good;

    // The counter opens new invoices; lines are appended to an invoice file.
    const auto files = *InvoiceFiles::of(t.dataDir, "ACME   ");
    EXPECT_EQ(files.invoice(3), t.path("directinvoice/ACME 3"));
    EXPECT_EQ(currentInvoiceNumber(t.dataDir, files), 0);
    EXPECT_EQ(nextInvoiceNumber(t.dataDir, files), 1);
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME")), RecordBytes(10).single(0, 1).bytes());
    writeBytes(t.path("directinvoice/ACME"), singleBytes(4));  // a counter of its four bytes alone still counts
    EXPECT_EQ(nextInvoiceNumber(t.dataDir, files), 5);
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME")), RecordBytes(10).single(0, 5).bytes());

    appendInvoiceLine(t.dataDir, files, chargeInvoiceLine("101  ", may(1), 5, 100, 'E'));
    appendInvoiceLine(t.dataDir, files, chargeInvoiceLine("101", may(1), 5, 12, 'T'));
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME 5")),
              invoiceBytes({{5, 100, "E", "Room Rent"}, {5, 12, "T", "Tax"}}));
    const auto lines = readInvoiceLines(t.dataDir, files, 5);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].code, "T");
    EXPECT_EQ(lines[1].amount, 12);
}

}  // namespace
