// The direct-bill windows driven through their controls: the "Direct Bill" menu, opening an
// account, and an account's ledger from a company guest's check-in to a paid invoice and a
// rename that keeps every invoice.
#include <QtWidgets>

#include "directbill/ui/add_direct_bill_window.h"
#include "directbill/ui/direct_bill_account_window.h"
#include "platform/qt/controls.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {


class DirectBillWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeTaxRate(t.dataDir, 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65);
    }

    QWidget* add() { return t.find(AddDirectBillWindow::kName); }
    QWidget* ledger() { return t.find(DirectBillAccountWindow::kName); }
    float accountCounter() { return readCounter(t.dataDir, t.dataDir.accountCounter()); }
    void post(const QString& type, const QString& amount, const QString& checkNo = {}) {
        choose(ledger(), "Combo3", type);
        child<QLineEdit>(ledger(), "Text10")->setText(amount);
        child<QLineEdit>(ledger(), "Text11")->setText(checkNo);
        press(ledger(), "Command1");
    }

    TestDesk t;
};

TEST_F(DirectBillWindowsTest, AddingTakesANumberGivesItBackOnExitYesAndKeepsItOnSave) {
    writeCounter(t.dataDir, t.dataDir.accountCounter(), 4);
    press(t.open("Form28"), "Command1");  // from the "Direct Bill" menu, which closes
    EXPECT_FALSE(t.isOpen("Form28"));
    ASSERT_NE(add(), nullptr);
    EXPECT_EQ(add()->windowTitle() + "|" + textOf(add(), "Label12"), "Add Direct Bill|5");
    EXPECT_EQ(readBytes(t.path("directnumber")), counterBytes(5));
    const std::string question = "? Exit: Are you sure you want to exit without saving?\n";
    EXPECT_EQ(t.pressed(add(), "Command1"), question);  // answered Yes
    EXPECT_EQ(add(), nullptr);
    EXPECT_EQ(accountCounter(), 4);
    EXPECT_EQ(readBytes(t.path("directbill")), Bytes());

    t.open(AddDirectBillWindow::kName);
    EXPECT_EQ(textOf(add(), "Label12"), "5");
    typeGuest(add(), "acme tools", "");
    for (auto [name, text] : {std::pair{"Text6", "555-0100 x"}, {"Text7", "555-0101"}, {"Text8", "555-0102"},
                              {"Text9", "jane doe"}, {"Text10", "125.50"}})
        type(add(), name, text);
    press(add(), "Command2");
    EXPECT_EQ(add(), nullptr);
    EXPECT_EQ(accountCounter(), 5);
    EXPECT_EQ(readBytes(t.path("directbill")), accountBytes("ACME TOOLS", "1 MAIN ST", 5, 125.5f, "555-0100 x"));

    t.open(AddDirectBillWindow::kName);
    type(add(), "Text1", "Acme Tools");
    EXPECT_EQ(t.pressed(add(), "Command2"), "ATTENTION!: There is already an account named ACME TOOLS. Choose another name.\n");
    EXPECT_TRUE(hasFocus(add(), "Text1"));
    EXPECT_EQ(readBytes(t.path("directbill")).size(), 417u);
    add()->close();  // closed any other way, the window keeps its number
    EXPECT_EQ(accountCounter(), 6);
}

// From opening the account to a company guest's check-in, the company's check bringing the
// balance to 0 and a rename that loses no invoice.
TEST_F(DirectBillWindowsTest, ACompanyGuestsInvoiceIsFoundPaidAndKeptThroughARename) {
    addAccount(t.dataDir, "GLOBEX", 1);
    writeCounter(t.dataDir, t.dataDir.accountCounter(), 1);
    t.open(AddDirectBillWindow::kName);
    typeGuest(add(), "acme tools", "");
    type(add(), "Text9", "jane doe");
    press(add(), "Command2");

    // The account list of check-in offers it at once.
    QWidget* checkIn = t.open("Form4");
    typeGuest(checkIn);
    choose(checkIn, "Combo3", "101  NQ1");
    choose(checkIn, "Combo4", "R - Direct Bill");
    choose(checkIn, "Combo6", "ACME TOOLS");
    press(checkIn, "Command1");
    ASSERT_FALSE(t.isOpen("Form4"));

    press(t.open("Form28"), "Command2");
    EXPECT_FALSE(t.isOpen("Form28"));
    ASSERT_NE(ledger(), nullptr);
    choose(ledger(), "Combo1", "ACME TOOLS");
    choose(ledger(), "Combo2", "1");
    auto* lines = child<QListWidget>(ledger(), "List1");

    // A bad amount is refused and nothing posted; the company's check brings the invoice to 0.
    choose(ledger(), "Combo3", "K - Check");
    child<QLineEdit>(ledger(), "Text10")->setText("72.8O");
    child<QLineEdit>(ledger(), "Text11")->setText("5521");
    EXPECT_EQ(t.pressed(ledger(), "Command1"), "ATTENTION!: The amount must be a number, like 12.50.\n");
    EXPECT_TRUE(hasFocus(ledger(), "Text10"));
    EXPECT_EQ(lines->count(), 2);
    post("K - Check", "72.8", "5521");
    EXPECT_EQ(textOf(ledger(), "Label19"), "0");
    post("O - Other", "5");  // a charge like any other
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(lines->count(), 4);
    EXPECT_EQ(textsOf(ledger(), {"Label19", "Combo3", "Text10"}) + enabledOf(ledger(), {"Text11"}), "5|Select Type|");

    // The invoice for a spreadsheet, each line with the balance after it.
    t.dialogs.saveFiles.push_back((t.folder.path() / "invoice.csv").string());
    EXPECT_EQ(t.pressed(ledger(), "ExportButton"), "? Save: Export CSV: Invoice ACME TOOLS 1.csv\n");
    EXPECT_EQ(readText(t.folder.path() / "invoice.csv"),
              "Account,Invoice,Date,Room,Code,Description,Check,Amount,Balance\r\n"
              "ACME TOOLS,1,2019-05-01,101,E,Room Rent,----,65.00,65.00\r\n"
              "ACME TOOLS,1,2019-05-01,101,T,Tax,----,7.80,72.80\r\n"
              "ACME TOOLS,1,2019-05-01,101,K,Check Received,5521,72.80,0.00\r\n"
              "ACME TOOLS,1,2019-05-01,101,O,Other,----,5.00,5.00\r\n");

    // A new name takes the invoices along.
    child<QLineEdit>(ledger(), "Text1")->setText("ACME TOOLS WEST");
    press(ledger(), "Command2");
    EXPECT_EQ(ledger(), nullptr);
    EXPECT_FALSE(std::filesystem::exists(t.path("directinvoice/ACME TOOLS 1")));
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME TOOLS WEST 1")).size(), 4u * 185);  // its four lines
}

}  // namespace
