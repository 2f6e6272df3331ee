// "Do Now" on the folio screen: what a posting writes, and what a refused one does not.
#include <gtest/gtest.h>

#include "folio/folio_data.h"
#include "folio/ledger.h"
#include "folio/post_entry.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

Date may1() { return Date::fromYmd(2019, 5, 1); }
const std::string kTrailer = ",\"-----\",\"-----\",\"-----\"\r\n";

std::string folioLine(const char* room, const char* code, const char* description, const char* amount, const char* folio) {
    return std::string("\"") + room + "\",\"A\",#2019-05-01#,\"" + code + "\",\"" + description + "\"," + amount + ",," +
           folio + kTrailer;
}

Bytes totalsBytes(std::initializer_list<std::pair<int, float>> slots) {
    RecordBytes record(190);
    for (auto [slot, value] : slots) record.single(4 * static_cast<std::size_t>(slot), value);
    return record.bytes();
}

Bytes invoiceLineBytes(float invoiceNo, float amount, const char* code, const char* description) {
    return RecordBytes(185)
        .text(0, "101", 5)
        .date(5, may1().stored())
        .single(13, invoiceNo)
        .single(17, amount)
        .text(21, code, 30)
        .text(51, description, 30)
        .text(81, "----", 20)
        .bytes();
}

PostEntryResult post(LedgerDir& d, float folioNo, const char* code, const char* amount) {
    return postEntry(d.dir, PostEntryInput{folioNo, code, amount, may1()});
}

TEST(PostEntry, RoomRentPostsRentAndUnroundedTaxWithTotalsAndInvoiceLines) {
    LedgerDir d;
    setTaxRate(d.dir, 0.12f);
    addAccount(d.dir, "ACME", 7);
    addStay(d.dir, "101", 1234, "JOHN SMITH", 7);
    writeBytes(d.path("directinvoice/ACME"), RecordBytes(10).single(0, 4).bytes());

    const PostEntryResult result = post(d, 1234, "E - Room Rent", "100");
    EXPECT_EQ(result.outcome, PostEntryOutcome::Posted);
    EXPECT_FALSE(result.failed());

    EXPECT_EQ(d.folio(" 1234"), folioLine("101  ", "E", "Room Rent", "100", "1234") +
                                    folioLine("101  ", "T", "Tax", "11.9999997317791", "1234"));
    const Bytes totals = totalsBytes({{6, 100}, {7, 12}});
    EXPECT_EQ(readBytes(d.path("totals/52019")), totals);
    EXPECT_EQ(readBytes(d.path("dailytotals/05012019")), totals);

    // The lines join the account's latest invoice; the counter is only read.
    Bytes invoice = invoiceLineBytes(4, 100, "E", "Room Rent");
    const Bytes tax = invoiceLineBytes(4, 12, "T", "Tax");
    invoice.insert(invoice.end(), tax.begin(), tax.end());
    EXPECT_EQ(readBytes(d.path("directinvoice/ACME 4")), invoice);
    EXPECT_EQ(readBytes(d.path("directinvoice/ACME")), RecordBytes(10).single(0, 4).bytes());
}

TEST(PostEntry, SundryChargesAndPaymentsUseTheirCodesAndSlots) {
    LedgerDir d;
    setTaxRate(d.dir, 0.12f);
    addAccount(d.dir, "ACME", 7);
    addStay(d.dir, "101", 9, "JOHN SMITH", 7);
    writeBytes(d.path("directinvoice/ACME"), RecordBytes(10).single(0, 2).bytes());

    EXPECT_EQ(post(d, 9, "N - Roll Away", "15.50").outcome, PostEntryOutcome::Posted);
    EXPECT_EQ(post(d, 9, "W - Wi Fi", "3abc").outcome, PostEntryOutcome::Posted);
    EXPECT_EQ(post(d, 9, "V - Visa", "50").outcome, PostEntryOutcome::Posted);
    EXPECT_EQ(post(d, 9, "C - Cash", "-5").outcome, PostEntryOutcome::Posted);
    EXPECT_EQ(post(d, 9, "O - Other ", "none").outcome, PostEntryOutcome::Posted);  // no leading number: 0

    EXPECT_EQ(d.folio(" 9"), folioLine("101  ", "N", "Roll Away", "15.5", "9") + folioLine("101  ", "W", "Wi-Fi", "3", "9") +
                                 folioLine("101  ", "V", "Visa", "50", "9") +
                                 folioLine("101  ", "C", "Cash Received", "-5", "9") +
                                 folioLine("101  ", "O", "Other", "0", "9"));
    const Bytes totals = totalsBytes({{0, -5}, {1, 50}, {11, 15.5f}, {12, 3}});
    EXPECT_EQ(readBytes(d.path("totals/52019")), totals);
    EXPECT_EQ(readBytes(d.path("dailytotals/05012019")), totals);

    // Charges reach the invoice, payments never do.
    Bytes invoice = invoiceLineBytes(2, 15.5f, "N", "Roll Away");
    for (const Bytes& more : {invoiceLineBytes(2, 3, "W", "Wi-Fi"), invoiceLineBytes(2, 0, "O", "Other")})
        invoice.insert(invoice.end(), more.begin(), more.end());
    EXPECT_EQ(readBytes(d.path("directinvoice/ACME 2")), invoice);

    // 15.5 + 3 - 50 - (-5) + 0
    EXPECT_EQ(folioBalance(readFolioLines(d.dir, 9)), -26.5);
}

TEST(PostEntry, RefusalsComeInOrderAndWriteNothing) {
    LedgerDir d;
    setTaxRate(d.dir, 0.12f);
    addStay(d.dir, "101", 1);
    addStay(d.dir, "102", 2, "GONE", 0, "*");

    PostEntryResult result = post(d, 1, "Select Code", "");
    EXPECT_EQ(result.outcome, PostEntryOutcome::NoCode);
    EXPECT_EQ(result.message, "You didn't select a code.");
    result = post(d, 1, "V - Visa", "");
    EXPECT_EQ(result.outcome, PostEntryOutcome::NoAmount);
    EXPECT_EQ(result.message, "You didn't enter an amount.");
    // A checked-out stay, or no stay at all, is never posted to.
    result = post(d, 2, "V - Visa", "10");
    EXPECT_EQ(result.outcome, PostEntryOutcome::NoStay);
    EXPECT_EQ(result.message, kNoStayInHouse);
    EXPECT_EQ(post(d, 0, "V - Visa", "10").outcome, PostEntryOutcome::NoStay);

    // Letters the folio screen does not post: nothing written, no message.
    for (const char* code : {"T - Tax", "R - Direct Bill", "L", "K", "X - Unknown", ""}) {
        result = post(d, 1, code, "10");
        EXPECT_EQ(result.outcome, PostEntryOutcome::NothingToPost) << code;
        EXPECT_FALSE(result.failed());
    }
    EXPECT_TRUE(d.emptyFolder("dailycharge"));
    EXPECT_TRUE(d.emptyFolder("totals"));
    EXPECT_TRUE(d.emptyFolder("dailytotals"));
}

TEST(PostEntry, GoesToTheStayShownWhateverItsRoom) {
    LedgerDir d;
    setTaxRate(d.dir, 0.1f);
    // Two stays in house in room 101 (after "Make All Rooms Vacant"), the second shown.
    addStay(d.dir, "101", 1, "FIRST GUEST");
    addStay(d.dir, "101", 2, "SECOND GUEST");
    EXPECT_EQ(post(d, 2, "P - Pet Fee", "10").outcome, PostEntryOutcome::Posted);
    EXPECT_FALSE(d.exists("dailycharge/ 1"));
    EXPECT_EQ(d.folio(" 2"), folioLine("101  ", "P", "Pet Fee", "10", "2"));

    // A stay moved from 102 to 105: its lines now carry the new room.
    Guest moved = addStay(d.dir, "102", 3, "MOVED GUEST");
    moved.roomNo = "105";
    RecordFile<Guest>(d.dir, d.dir.guests()).write(3, moved);
    EXPECT_EQ(post(d, 3, "S - Copies", "1").outcome, PostEntryOutcome::Posted);
    EXPECT_EQ(d.folio(" 3"), folioLine("105  ", "S", "Copies", "1", "3"));

    // Opened from the departures list, with no guest entry chosen: the folio number is enough.
    addStay(d.dir, "107", 4, "DEPARTING GUEST");
    EXPECT_EQ(post(d, 4, "A - American Ex.", "20").outcome, PostEntryOutcome::Posted);
    EXPECT_EQ(d.folio(" 4"), folioLine("107  ", "A", "American Express", "20", "4"));
}

TEST(PostEntry, DirectBillStaysWithoutAUsableAccount) {
    LedgerDir d;
    setTaxRate(d.dir, 0.12f);
    // The account record is gone: the folio is posted, no invoice is written.
    addStay(d.dir, "101", 1, "JOHN SMITH", 8);
    EXPECT_EQ(post(d, 1, "E - Room Rent", "65").outcome, PostEntryOutcome::Posted);
    EXPECT_TRUE(d.exists("dailycharge/ 1"));
    EXPECT_TRUE(d.emptyFolder("directinvoice"));

    // An account whose name would leave the invoice folder: refused before anything is written.
    addAccount(d.dir, "../rooms", 9);
    addStay(d.dir, "102", 2, "JANE DOE", 9);
    const Bytes roomsBefore = readBytes(d.path("rooms"));
    const PostEntryResult result = post(d, 2, "E - Room Rent", "65");
    EXPECT_EQ(result.outcome, PostEntryOutcome::UnsafeAccountName);
    EXPECT_EQ(result.message, kUnsafeAccountName);
    EXPECT_FALSE(d.exists("dailycharge/ 2"));
    EXPECT_TRUE(d.emptyFolder("directinvoice"));
    EXPECT_EQ(readBytes(d.path("rooms")), roomsBefore);
    // Payments never touch the invoice files, so they still post.
    EXPECT_EQ(post(d, 2, "C - Cash", "65").outcome, PostEntryOutcome::Posted);
}

}  // namespace
