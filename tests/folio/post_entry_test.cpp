// The folio screen's rules below its window: what "Do Now" writes and what a refused posting
// does not, and the cases the window cannot reach (values too long for their column, stays,
// rooms or accounts that are not there). The stay posted to (a shared room, a moved guest,
// the departures list) is tested through the window.
#include <gtest/gtest.h>

#include "core/formats.h"
#include "core/stay_rules.h"
#include "folio/check_out.h"
#include "folio/folio_screen.h"
#include "ledger/ledger.h"
#include "support/motel_files.h"
#include "folio/post_entry.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

std::optional<Refusal> post(MotelFolder& t, float folioNo, const char* code, const char* amount) {
    return postEntry(t.dataDir, PostEntryInput{folioNo, code, amount, may(1)});
}

TEST(PostEntry, ChargesAndPaymentsGoToTheFolioTheTotalsAndTheInvoice) {
    MotelFolder t;
    writeTaxRate(t.dataDir, 0.12f);
    addAccount(t.dataDir, "ACME", 7);
    putGuest(t.dataDir, "101", 1234, "JOHN SMITH", may(3), 7);
    writeBytes(t.path("directinvoice/ACME"), RecordBytes(10).single(0, 4));
    const std::pair<const char*, const char*> entries[] = {{"E - Room Rent", "100"}, {"N - Roll Away", "15.50"},
                                                           {"W - Wi Fi", " 3 "},     {"V - Visa", "50"},
                                                           {"C - Cash", "-5"},       {"O - Other ", "0"}};
    for (auto [code, amount] : entries) EXPECT_FALSE(post(t, 1234, code, amount).has_value()) << code;
    // Room rent brings its tax, unrounded: the rent times the tax rate in single precision.
    auto line = [](const char* code, const char* description, const char* amount) {
        return folioText("101  ", code, description, amount, "1234");
    };
    EXPECT_EQ(readText(t.path("dailycharge/ 1234")),
              line("E", "Room Rent", "100") + line("T", "Tax", "12") + line("N", "Roll Away", "15.5") +
                  line("W", "Wi-Fi", "3") + line("V", "Visa", "50") + line("C", "Cash Received", "-5") +
                  line("O", "Other", "0"));
    const Bytes totals = totalsBytes({{0, -5}, {1, 50}, {6, 100}, {7, 12}, {11, 15.5f}, {12, 3}});
    EXPECT_EQ(readBytes(t.path("totals/52019")), totals);
    EXPECT_EQ(readBytes(t.path("dailytotals/05012019")), totals);
    // Charges join the account's latest invoice, payments never do; the counter is only read.
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME 4")),
              invoiceBytes({{4, 100, "E", "Room Rent"}, {4, 12, "T", "Tax"}, {4, 15.5f, "N", "Roll Away"},
                            {4, 3, "W", "Wi-Fi"}, {4, 0, "O", "Other"}}));
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME")), RecordBytes(10).single(0, 4).bytes());
    EXPECT_EQ(folioBalance(readFolioLines(t.dataDir, 1234)), 85.5);  // 100 + 12 + 15.5 + 3 - 50 - (-5) + 0
}

TEST(CheckOut, TheQuestionSaysWhatTheGuestOwesOrIsOwedAndAMessageWaiting) {
    EXPECT_EQ(checkOutQuestion("JOHN SMITH", 105.35, true), "JOHN SMITH owes 105.35 and has a message waiting. Check out anyway?");
    EXPECT_EQ(checkOutQuestion("JOHN SMITH", 130.7, false), "JOHN SMITH owes 130.7. Check out anyway?");
    EXPECT_EQ(checkOutQuestion("JOHN SMITH", -20, false), "JOHN SMITH is owed 20. Check out anyway?");
    EXPECT_EQ(checkOutQuestion("JOHN SMITH", 0, true), "JOHN SMITH has a message waiting. Check out anyway?");
    EXPECT_EQ(checkOutQuestion("JOHN SMITH", 0, false), kCheckOutQuestion);
}

TEST(PostEntry, RefusalsComeInOrderAndWriteNothing) {
    MotelFolder t;
    writeTaxRate(t.dataDir, 0.12f);
    putRoom(t.dataDir, "101", "NQ1", "O", "N");
    putRoom(t.dataDir, "102", "KK1", "Y", "N");
    putGuest(t.dataDir, "101", 1, "JOHN SMITH", may(3), 8);  // account 8's record is gone
    putGuest(t.dataDir, "102", 2, "GONE", may(1), 0, 0, "*");
    addAccount(t.dataDir, "../rooms", 9);  // a name that would leave the invoice folder
    putGuest(t.dataDir, "103", 3, "JANE DOE", may(3), 9);
    const Bytes rooms = readBytes(t.path("rooms"));
    const Bytes guests = readBytes(t.path("guest"));

    // The code is asked for before the amount, whatever the amount box holds; each refusal sends
    // the focus to its own control.
    for (const char* amount : {"", "1e309", "10"})
        EXPECT_EQ(post(t, 1, "Select Code", amount), (Refusal{kNoCode, "Combo4"})) << amount;
    for (const char* empty : {"", "   "}) EXPECT_EQ(post(t, 1, "V - Visa", empty), (Refusal{kNoAmount, "Text16"}));
    for (const std::string& tooLarge : std::vector<std::string>{std::string(400, '9'), "-1000000"})
        EXPECT_EQ(post(t, 1, "V - Visa", tooLarge.c_str()), (Refusal{kAmountTooLarge, "Text16"}));
    for (const char* typo : {"1o", "59.951", "-", "1e309"})
        EXPECT_EQ(post(t, 1, "C - Cash", typo), (Refusal{readAmount(typo, kCorrectableAmountBox).refusal, "Text16"})) << typo;
    // A checked-out stay, or no stay at all, is never posted to.
    EXPECT_EQ(post(t, 2, "V - Visa", "10")->message, kNoStayInHouse);
    EXPECT_EQ(post(t, 0, "V - Visa", "10")->message, kNoStayInHouse);
    // Letters the folio screen does not post: nothing written, no message.
    for (const char* code : {"T - Tax", "R - Direct Bill", "L", "K", "X - Unknown", ""})
        EXPECT_FALSE(post(t, 1, code, "10").has_value()) << code;
    EXPECT_EQ(post(t, 3, "E - Room Rent", "65")->message, kUnsafeAccountName);
    for (const char* folder : {"dailycharge", "totals", "dailytotals", "directinvoice"})
        EXPECT_TRUE(std::filesystem::is_empty(t.path(folder))) << folder;

    // Nor does a room the "Change Room" list no longer offers, or a stay no guest carries.
    for (const char* entry : {"102  KK1", "109  XX", "Change Room"})
        EXPECT_EQ(std::get<Refusal>(changeRoom(t.dataDir, 1, "101", entry)).message, kNoSuchRoomToMoveTo) << entry;
    EXPECT_FALSE(saveFolio(t.dataDir, 99, FolioSaveForm{{}, "5/6/2019", "65", may(1)}));
    for (const auto& [depart, rate, message] : {std::tuple{"4/30/2019", "65", kDepartBeforeArrival},
                                                {"5/2/2100", "65", kDateOutOfRange}, {"5/2/2019", "1000000", kAmountTooLarge}})
        EXPECT_EQ(checkFolioSave(FolioSaveForm{{}, depart, rate, may(1)})->message, message) << depart;
    EXPECT_FALSE(checkOut(t.dataDir, 99, "11:05:32 AM"));
    EXPECT_EQ(readBytes(t.path("rooms")), rooms);
    EXPECT_EQ(readBytes(t.path("guest")), guests);
    EXPECT_FALSE(directBillLine(t.dataDir, 8));  // the account label stays hidden

    // Without its account record a direct-bill stay is posted with no invoice; payments never
    // touch the invoice files, so they post whatever the account's name.
    EXPECT_FALSE(post(t, 1, "E - Room Rent", "65").has_value());
    EXPECT_FALSE(post(t, 3, "C - Cash", "65").has_value());
    EXPECT_TRUE(std::filesystem::exists(t.path("dailycharge/ 1")));
    EXPECT_TRUE(std::filesystem::exists(t.path("dailycharge/ 3")));
    EXPECT_TRUE(std::filesystem::is_empty(t.path("directinvoice")));
}

}  // namespace
