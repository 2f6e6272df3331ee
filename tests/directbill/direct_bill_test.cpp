// The direct-bill accounts on disk: the names an account may take, opening an account, the
// lines "Do Now" appends to an invoice, the invoice balance and count, the statement, and
// a rename that takes the invoice files along, all or nothing.
#include <cmath>

#include <gtest/gtest.h>

#include "core/accounts.h"
#include "core/formats.h"
#include "core/motel_details.h"
#include "directbill/account_ledger.h"
#include "directbill/account_register.h"
#include "directbill/statement.h"
#include "ledger/invoices.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }

AccountForm formNamed(const std::string& name, const std::string& address = "1 MAIN ST") {
    return {name, address, "SPRINGFIELD", "IL", "62701", "555-0100", "555-0101", "555-0102", "JANE DOE"};
}

TEST(AccountNames, ANameMustBeASafeFileNameOfItsOwn) {
    const std::vector<std::string> none;
    for (const char* empty : {"", "    "}) EXPECT_EQ(newAccountNameProblem(empty, none), kNoAccountName);
    for (const char* unsafe : {"A/B", "A\\B", "..", "X..Y", "WHO?", "CON", "nul.txt", "Aux .log", "conin$", "CONOUT$",
                               "COM1", "lpt9.dat", "COM\u00b9", "LPT\u00b3.TXT", "COM0"}) {
        EXPECT_EQ(newAccountNameProblem(unsafe, none), kUnsafeAccountName) << unsafe;
        EXPECT_EQ(accountNameProblem(unsafe), kUnsafeAccountName) << unsafe;  // nor can an old account post under it
    }
    EXPECT_EQ(newAccountNameProblem("\u03a9 OMEGA", none), kAccountNameCharacter);  // the file's code page lacks it
    EXPECT_EQ(newAccountNameProblem("ACME INC.", none), kAccountNameEndsInDot);
    EXPECT_EQ(accountNameProblem("ACME INC."), "");  // an account of old keeps reaching its files

    // Another account's name, or a name whose files would be another account's, compared
    // without regard to case.
    const std::vector<std::string> others = {"ACME", "GLOBEX 2", "INITECH."};
    EXPECT_EQ(newAccountNameProblem("acme", others), accountNameTaken("ACME"));
    EXPECT_EQ(newAccountNameProblem("INITECH", others), accountNameTaken("INITECH."));
    EXPECT_EQ(newAccountNameProblem("ACME" + blanks(26) + "X", others), accountNameTaken("ACME"));  // stored cut to 30
    EXPECT_EQ(newAccountNameProblem("Acme 3", others), accountNameCollides("ACME"));    // its counter: ACME's invoice 3
    EXPECT_EQ(newAccountNameProblem("globex", others), accountNameCollides("GLOBEX 2"));  // its invoice 2: GLOBEX 2's counter
    EXPECT_EQ(newAccountNameProblem("INITECH. 12", others), accountNameCollides("INITECH."));
}

TEST(AddAccount, SavesTheBoxesTheNumberAndTheBalanceAfterTheAccountsThere) {
    MotelFolder t;
    addAccount(t.dataDir, "ACME", 3);
    const Bytes before = readBytes(t.path("directbill"));

    EXPECT_FALSE(addAccount(t.dataDir, formNamed("GLOBEX", "2 ELM ST"), " 125.50 ", 5).has_value());
    EXPECT_FALSE(addAccount(t.dataDir, {"INITECH", "", "", "", "", "", "", "", ""}, "", 6).has_value());
    EXPECT_EQ(readBytes(t.path("directbill")),
              concat({before, accountBytes("GLOBEX", "2 ELM ST", 5, 125.5f),
                      RecordBytes(417).text(0, "INITECH", 30).text(30, "", 167).single(197, 6)}));  // blanks, balance 0
}

class InvoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeTaxRate(t.dataDir, 0.12f);
        addAccount(t.dataDir, "ACME", 3);
        writeBytes(t.path("directinvoice/ACME"), counterBytes(1));
    }

    std::optional<Refusal> post(const std::string& type, const std::string& amount, const std::string& checkNo = "") {
        return postToInvoice(t.dataDir, "ACME", 1, "101", may(1), {type, amount, checkNo});
    }
    Bytes invoice() { return readBytes(t.path("directinvoice/ACME 1")); }

    MotelFolder t;
};

TEST_F(InvoiceTest, DoNowAppendsRentWithItsRoundedTaxChecksPaymentsAndOtherLines) {
    EXPECT_FALSE(post("E - Room Rent", "65").has_value());
    EXPECT_EQ(invoiceBalance(invoiceLines(t.dataDir, "ACME", 1)), 72.8);
    for (auto [type, amount, checkNo] : {std::tuple{"K - Check", "50", "10442"}, {"V - Visa", "12.8", ""},
                                         {"C - Cash", "10", ""}, {"O - Other", "99", ""}})
        EXPECT_FALSE(post(type, amount, checkNo).has_value()) << type;
    const auto line = [](float amount, const char* code, const char* description, const char* checkNo = "----") {
        return invoiceLineBytes("101", 1, amount, code, description, checkNo);
    };
    EXPECT_EQ(invoice(), concat({line(65, "E", "Room Rent"), line(7.8f, "T", "Tax"), line(50, "K", "Check Received", "10442"),
                                 line(12.8f, "V", "Visa"), line(10, "C", "Cash Received"), line(99, "O", "Other")}));
    // 72.8 + 99 charged, 50 + 12.8 + 10 paid: the "O" line is a charge like any other.
    const InvoiceView view = invoiceView(t.dataDir, "ACME", 1);
    EXPECT_EQ(view.rows.size(), 6u);
    EXPECT_EQ(view.balance, 99);
    EXPECT_EQ(view.room, "101");
}

TEST_F(InvoiceTest, RoomRentBringsItsTaxRoundedToTheNearestCent) {
    // 59.95 at 7.25% is 4.346375: the invoice holds 4.35, neither the unrounded tax nor 4.34.
    writeTaxRate(t.dataDir, 0.0725f);
    EXPECT_FALSE(post("E - Room Rent", "59.95").has_value());
    EXPECT_EQ(invoice(), concat({invoiceLineBytes("101", 1, 59.95f, "E", "Room Rent"),
                                 invoiceLineBytes("101", 1, 4.35f, "T", "Tax")}));
    EXPECT_EQ(invoiceBalance(invoiceLines(t.dataDir, "ACME", 1)), 64.3);
}

TEST_F(InvoiceTest, DoNowRefusesInOrderAndWritesNothing) {
    // Each refusal with the control it sends the focus to: the type list, "Amount$", "Check#".
    const std::tuple<const char*, const char*, const char*, const char*, const char*> cases[] = {
        {"Select Type", "", "", kNoType, "Combo3"},
        {"K - Check", "", "", kNoLedgerAmount, "Text10"},
        {"K - Check", "50", " ", kNoCheckNo, "Text11"},
        {"X - Anything", "50", "", kTypeNotOffered, "Combo3"},
        {"E - Room Rent", "12abc", "", "The amount must be a number, like 12.50.", "Text10"},
        {"K - Check", "-50", "10442", "The amount can't be less than 0.", "Text10"},
        {"C - Cash", "1000000", "", kAmountTooLarge, "Text10"},
    };
    for (const auto& [type, amount, checkNo, message, focus] : cases) {
        const auto refusal = post(type, amount, checkNo);
        ASSERT_TRUE(refusal.has_value()) << type << " " << amount;
        EXPECT_EQ(refusal->message, message);
        EXPECT_EQ(refusal->focus, focus);
    }
    EXPECT_FALSE(std::filesystem::exists(t.path("directinvoice/ACME 1")));
}

// The folio screen puts sundry charges on the invoice too: the company is billed every line.
TEST_F(InvoiceTest, TheBalanceCountsEveryChargeAndSubtractsEveryPayment) {
    const auto line = [](float amount, const char* code) { return invoiceLineBytes("101", 1, amount, code, ""); };
    writeBytes(t.path("directinvoice/ACME 1"),
               concat({line(65, "E"), line(7.8f, "T"), line(10, "P"), line(0.5f, "S"), line(1.2f, "Q"), line(15, "N"),
                       line(3, "W"), line(4, "O"), line(50, "K"), line(20, "C"), line(1, "V"), line(1, "M"),
                       line(1, "D"), line(1, "A"), line(72.8f, "R"), line(72.8f, "L")}));
    // 106.5 charged, 74 paid; the direct-bill settlement and the total line count for nothing.
    EXPECT_EQ(invoiceBalance(invoiceLines(t.dataDir, "ACME", 1)), 32.5);
    const PrintJob statement = invoiceStatement(t.dataDir, {}, "ACME", 1, std::nullopt);
    EXPECT_EQ(statement.lines().back(), blanks(77) + "Balance:   32.5");
}

TEST_F(InvoiceTest, TheInvoicesAreNumberedFromTheCounterWhateverItHolds) {
    EXPECT_EQ(invoiceCount(t.dataDir, "ACME"), 1);
    EXPECT_EQ(invoiceCount(t.dataDir, "GLOBEX"), 0);  // no counter file: no invoices
    EXPECT_FALSE(std::filesystem::exists(t.path("directinvoice/GLOBEX")));
    for (auto [stored, count] : {std::pair{3.0f, 3}, {-2.0f, 0}, {std::nanf(""), 0}, {1e30f, kMostInvoices}}) {
        writeBytes(t.path("directinvoice/ACME"), singleBytes(stored));
        EXPECT_EQ(invoiceCount(t.dataDir, "ACME"), count) << stored;
    }
}

TEST_F(InvoiceTest, TheExportGivesEachLineWithTheInvoiceBalanceAfterIt) {
    post("E - Room Rent", "65");
    post("K - Check", "50", "10,442");
    post("O - Other", "99");
    EXPECT_EQ(invoiceCsv(t.dataDir, "ACME", 1),
              "Account,Invoice,Date,Room,Code,Description,Check,Amount,Balance\r\n"
              "ACME,1,2019-05-01,101,E,Room Rent,----,65.00,65.00\r\n"
              "ACME,1,2019-05-01,101,T,Tax,----,7.80,72.80\r\n"
              "ACME,1,2019-05-01,101,K,Check Received,\"10,442\",50.00,22.80\r\n"
              "ACME,1,2019-05-01,101,O,Other,----,99.00,121.80\r\n");
}

TEST_F(InvoiceTest, TheStatementPrintsTheHeadingAndEachLineAtItsColumns) {
    post("E - Room Rent", "65");
    post("K - Check", "72.8", "1234");
    StatementHeading h{"ACME", "3", "1 MAIN ST" + blanks(31), "SPRINGFIELD" + blanks(19), "IL", "62701" + blanks(15),
                       "555-0100", "", "555-0102", "JANE DOE", "1"};
    const PrintJob job = invoiceStatement(t.dataDir, h, "ACME", 1, std::nullopt);
    EXPECT_EQ(job.document(), "Statement");
    const std::string rule(111, '=');
    EXPECT_EQ(job.lines(),
              (std::vector<std::string>{
                  "", "", "Direct Bill Account:  ACME", "Account#  3", "1 MAIN ST" + blanks(31),
                  "SPRINGFIELD, IL  62701" + blanks(15), "Phone:  555-0100", "Fax:  ", "Cell:  555-0102",
                  "Contact:  JANE DOE", "Invoice#  1", "", "",
                  "Room      Date           Code     Invoice       Check             Description                           Amount",
                  rule,
                  // The description fills its 30 characters past column 87, so each amount comes at
                  // column 87 of the next line.
                  "101      5/1/2019       E     1             ----           Room Rent" + blanks(21),
                  blanks(86) + " 65",
                  "101      5/1/2019       T     1             ----           Tax" + blanks(27),
                  blanks(86) + " 7.8",
                  "101      5/1/2019       K     1             1234           Check Received" + blanks(16),
                  blanks(86) + " 72.8",
                  rule,
                  blanks(77) + "Balance:   0",
              }));
}

// Once the motel's details are saved, the statement a company receives names the motel: its lines
// that are not empty, centred over the rule, above the statement as it is otherwise.
TEST_F(InvoiceTest, TheStatementOpensWithTheMotelsSavedDetails) {
    post("E - Room Rent", "65");
    StatementHeading h{"ACME", "3", "1 MAIN ST", "SPRINGFIELD", "IL", "62701", "555-0100", "", "555-0102", "JANE DOE", "1"};
    const MotelDetails pine{"Pine Lodge", "14 Lake Rd", "Harbor Falls, ME  04000", "Tel 207-555-0100", ""};
    const std::vector<std::string> with = invoiceStatement(t.dataDir, h, "ACME", 1, pine).lines();
    const std::vector<std::string> without = invoiceStatement(t.dataDir, h, "ACME", 1, std::nullopt).lines();
    ASSERT_EQ(with.size(), without.size() + 4);
    EXPECT_EQ(std::vector<std::string>(with.begin(), with.begin() + 7),
              (std::vector<std::string>{blanks(50) + "Pine Lodge", blanks(50) + "14 Lake Rd",
                                        blanks(44) + "Harbor Falls, ME  04000", blanks(47) + "Tel 207-555-0100", "", "",
                                        "Direct Bill Account:  ACME"}));
    EXPECT_EQ(std::vector<std::string>(with.begin() + 4, with.end()), without);
}

class RenameTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeBytes(t.path("directbill"), concat({accountBytes("ACME", "1 MAIN ST", 3, 250), accountBytes("ACME CORP", "", 4, 0)}));
        writeBytes(t.path("directinvoice/ACME"), counterBytes(2));
        writeBytes(t.path("directinvoice/ACME 1"), invoiceLineBytes("101", 1, 65, "E", "Room Rent"));
        writeBytes(t.path("directinvoice/ACME 2"), invoiceLineBytes("102", 2, 80, "E", "Room Rent"));
        writeBytes(t.path("directinvoice/ACME CORP"), counterBytes(1));
        writeBytes(t.path("directinvoice/ACME CORP 1"), invoiceLineBytes("103", 1, 70, "E", "Room Rent"));
        acme = {1, *accountAt(t.dataDir, 1)};
        t.dataDir.commit();
    }

    MotelFolder t;
    ChosenAccount acme;
};

TEST_F(RenameTest, ARenamedAccountTakesItsInvoiceFilesAlongAllOrNothingAndKeepsItsBalance) {
    // At every write the disk may fill, and at every change the power may go: the files are
    // always those of before the rename or after it.
    const auto rename = [this](DataDir& dir) { return saveAccount(dir, acme, formNamed("ACME TOOLS  ", "2 ELM ST")); };
    const Snapshot before = snapshot(t.folder.path());
    {
        FaultyDisk disk(FaultyDisk::Fault::DiskFull, 6);  // a write well inside the moves
        DataDir dir(t.folder.path(), disk);
        EXPECT_THROW(rename(dir), FileError);
    }
    EXPECT_EQ(snapshot(t.folder.path()), before);
    const SweepResult sweep = sweepWrites(t.folder.path(), rename);
    EXPECT_TRUE(sweep.faults.empty()) << sweep.faults.front();
    EXPECT_GT(sweep.writes, 6);
    EXPECT_GT(sweep.endedBefore, 0);

    EXPECT_FALSE(rename(t.dataDir).has_value());
    t.dataDir.commit();
    Snapshot expected = before;
    for (const char* suffix : {"", " 1", " 2"}) {
        expected["directinvoice/ACME TOOLS" + std::string(suffix)] = expected["directinvoice/ACME" + std::string(suffix)];
        expected.erase("directinvoice/ACME" + std::string(suffix));
    }
    const Bytes accounts = concat({accountBytes("ACME TOOLS", "2 ELM ST", 3, 250), accountBytes("ACME CORP", "", 4, 0)});
    expected["directbill"] = std::string(accounts.begin(), accounts.end());
    EXPECT_EQ(snapshot(t.folder.path()), expected);  // ACME CORP's files stay where they are
    EXPECT_EQ(sweep.after, expected);
    EXPECT_EQ(invoiceCount(t.dataDir, "ACME TOOLS"), 2);
    EXPECT_EQ(invoiceView(t.dataDir, "ACME TOOLS", 2).balance, 80);

    // Saving with the name unchanged moves nothing.
    EXPECT_FALSE(saveAccount(t.dataDir, {1, *accountAt(t.dataDir, 1)}, formNamed("ACME TOOLS", "3 OAK ST")).has_value());
    EXPECT_TRUE(std::filesystem::exists(t.path("directinvoice/ACME TOOLS 2")));
    EXPECT_EQ(accountAt(t.dataDir, 1)->address, "3 OAK ST");
}

TEST_F(RenameTest, AnUnsafeOrTakenNameOrOneWhoseFilesAreInTheWayIsRefusedWithNothingWritten) {
    writeBytes(t.path("directinvoice/NEWCO 1"), invoiceLineBytes("104", 1, 10, "E", "Room Rent"));  // nobody's: left by hand
    const Snapshot before = snapshot(t.folder.path());
    const std::pair<std::string, std::string> refused[] = {
        {"ACME CORP 1", accountNameCollides("ACME CORP")},
        {"NEWCO", invoiceFilesInTheWay("NEWCO")},
    };
    for (const auto& [name, message] : refused) {
        const auto refusal = saveAccount(t.dataDir, acme, formNamed(name));
        ASSERT_TRUE(refusal.has_value()) << name;
        EXPECT_EQ(refusal->message, message);
        EXPECT_EQ(refusal->focus, "Text1");
    }
    t.dataDir.commit();
    EXPECT_EQ(snapshot(t.folder.path()), before);

    // Two accounts of one name share their files: neither may carry them off.
    addAccount(t.dataDir, "acme", 5);
    t.dataDir.commit();
    const Snapshot shared = snapshot(t.folder.path());
    EXPECT_EQ(saveAccount(t.dataDir, acme, formNamed("ACME TOOLS")).value().message, sharedInvoiceFiles("acme"));
    t.dataDir.commit();
    EXPECT_EQ(snapshot(t.folder.path()), shared);
}

}  // namespace
