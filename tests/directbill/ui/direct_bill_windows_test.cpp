// The direct-bill windows driven through their controls: the "Direct Bill" menu, opening an
// account, and an account's ledger from a company guest's check-in to a paid statement and a
// rename that keeps every invoice.
#include <QtWidgets>

#include "checkin/ui/check_in_window.h"
#include "directbill/ui/add_direct_bill_window.h"
#include "directbill/ui/direct_bill_account_window.h"
#include "support/motel_files.h"
#include "platform/qt/controls.h"
#include "support/ui/test_desk.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }

class DirectBillWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.session.hotelDate = may(1);
        setTaxRate(t.dataDir, 0.12f);
        addRoom(t.dataDir, "101", "NQ1", 65);
    }

    bool isOpen(const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }
    QWidget* window(const char* name) { return t.windows.find(QString::fromLatin1(name)); }
    template <class W>
    W* get(const char* windowName, const char* name) {
        return child<W>(window(windowName), name);
    }
    QLineEdit* box(const char* windowName, const char* name) { return get<QLineEdit>(windowName, name); }
    QPushButton* button(const char* windowName, const char* name) { return get<QPushButton>(windowName, name); }
    QString labelText(const char* windowName, const char* name) { return get<QLabel>(windowName, name)->text(); }
    void type(const char* windowName, const char* name, const QString& text) {
        QTest::keyClicks(box(windowName, name), text);
    }
    void choose(const char* windowName, const char* list, const QString& entry) {
        chooseEntry(get<QComboBox>(windowName, list), entry);
    }
    // The message boxes shown since the last call, as "title: text".
    std::vector<std::string> shown() {
        std::vector<std::string> texts;
        for (const auto& box : t.dialogs.shown) texts.push_back((box.question ? "? " : "") + box.title + ": " + box.text);
        t.dialogs.clear();
        return texts;
    }
    float accountCounter() { return readCounter(t.dataDir, t.dataDir.accountCounter()); }

    // The ledger window's keys.
    static constexpr const char* kLedger = DirectBillAccountWindow::kName;
    static constexpr const char* kAdd = AddDirectBillWindow::kName;
    void post(const QString& type, const QString& amount, const QString& checkNo = {}) {
        choose(kLedger, "Combo3", type);
        box(kLedger, "Text10")->setText(amount);
        box(kLedger, "Text11")->setText(checkNo);
        click(button(kLedger, "Command1"));
    }

    TestDesk t;
};

TEST_F(DirectBillWindowsTest, TheMenuOpensEachWindowInItsPlace) {
    QWidget* menu = t.open("Form28");
    QStringList buttons;
    for (auto* b : menu->findChildren<QPushButton*>()) buttons << b->objectName() + " " + b->text();
    EXPECT_EQ(buttons, (QStringList{"Command1 Add Direct Bill", "Command2 Retrieve Direct Bill", "Command3 Exit"}));
    click(child<QPushButton>(menu, "Command1"));
    settle();
    EXPECT_TRUE(isOpen(kAdd) && !isOpen("Form28"));
    EXPECT_EQ(window(kAdd)->windowTitle(), "Add Direct Bill");
    click(child<QPushButton>(t.open("Form28"), "Command2"));
    settle();
    EXPECT_TRUE(isOpen(kLedger) && !isOpen("Form28"));
    EXPECT_EQ(window(kLedger)->windowTitle(), "Retrieve Direct Bill Account");
}

TEST_F(DirectBillWindowsTest, AddingTakesANumberGivesItBackOnExitYesAndKeepsItOnSave) {
    writeCounter(t.dataDir, t.dataDir.accountCounter(), 4);
    t.open(kAdd);
    EXPECT_EQ(labelText(kAdd, "Label12"), "5");
    EXPECT_EQ(window(kAdd)->findChildren<QLabel*>().first()->text(), "Add Direct Bill Account");
    EXPECT_EQ(readBytes(t.path("directnumber")), RecordBytes(10).single(0, 5).bytes());
    t.dialogs.answers = {false};
    click(button(kAdd, "Command1"));
    EXPECT_EQ(shown(), (std::vector<std::string>{"? Exit: Are you sure you want to exit without saving?"}));
    EXPECT_TRUE(isOpen(kAdd));
    EXPECT_EQ(accountCounter(), 5);
    click(button(kAdd, "Command1"));  // Yes
    settle();
    EXPECT_EQ(shown(), (std::vector<std::string>{"? Exit: Are you sure you want to exit without saving?"}));
    EXPECT_FALSE(isOpen(kAdd));
    EXPECT_EQ(accountCounter(), 4);
    EXPECT_EQ(readBytes(t.path("directbill")), Bytes());

    t.open(kAdd);
    EXPECT_EQ(labelText(kAdd, "Label12"), "5");
    const std::pair<const char*, const char*> typed[] = {
        {"Text1", "acme tools"}, {"Text2", "1 main st"}, {"Text3", "springfield"}, {"Text4", "il"},
        {"Text5", "62701"},      {"Text6", "555-0100 x"}, {"Text7", "555-0101"},   {"Text8", "555-0102"},
        {"Text9", "jane doe"},   {"Text10", "125.50"}};
    for (auto [name, text] : typed) type(kAdd, name, text);
    EXPECT_EQ(box(kAdd, "Text1")->text(), "ACME TOOLS");
    EXPECT_EQ(box(kAdd, "Text1")->cursorPosition(), 10);
    EXPECT_EQ(box(kAdd, "Text6")->text(), "555-0100 x");  // the phone keeps what is typed
    click(button(kAdd, "Command2"));
    settle();
    EXPECT_FALSE(isOpen(kAdd));
    EXPECT_EQ(accountCounter(), 5);
    EXPECT_EQ(readBytes(t.path("directbill")), RecordBytes(417)
                                                   .text(0, "ACME TOOLS", 30)
                                                   .text(30, "1 MAIN ST", 40)
                                                   .text(70, "SPRINGFIELD", 30)
                                                   .text(100, "IL", 2)
                                                   .text(102, "62701", 20)
                                                   .text(122, "555-0100 x", 15)
                                                   .text(137, "555-0101", 15)
                                                   .text(152, "555-0102", 15)
                                                   .text(167, "JANE DOE", 30)
                                                   .single(197, 5)
                                                   .single(201, 125.5f)
                                                   .bytes());

    // A name already taken, or a balance that is no number, is refused and nothing is written.
    t.open(kAdd);
    type(kAdd, "Text1", "Acme Tools");
    click(button(kAdd, "Command2"));
    EXPECT_EQ(shown(), (std::vector<std::string>{"ATTENTION!: There is already an account named ACME TOOLS. Choose another name."}));
    EXPECT_EQ(window(kAdd)->focusWidget(), box(kAdd, "Text1"));
    box(kAdd, "Text1")->setText("GLOBEX");
    type(kAdd, "Text10", "lots");
    click(button(kAdd, "Command2"));
    EXPECT_EQ(shown(), (std::vector<std::string>{"ATTENTION!: The balance is not a number. Enter it in digits, for example 0 or 125.50."}));
    EXPECT_EQ(window(kAdd)->focusWidget(), box(kAdd, "Text10"));
    EXPECT_EQ(readBytes(t.path("directbill")).size(), 417u);
    window(kAdd)->close();  // closed any other way, the window keeps its number
    EXPECT_EQ(accountCounter(), 6);
}

// From opening the account to a company guest's check-in, the company's check, a statement
// showing balance 0 and a rename that loses no invoice.
TEST_F(DirectBillWindowsTest, ACompanyGuestsInvoiceIsFoundPaidPrintedAndKeptThroughARename) {
    addAccount(t.dataDir, "GLOBEX", 1);
    writeCounter(t.dataDir, t.dataDir.accountCounter(), 1);
    t.open(kAdd);
    type(kAdd, "Text1", "acme tools");
    type(kAdd, "Text2", "1 main st");
    type(kAdd, "Text3", "springfield");
    type(kAdd, "Text4", "il");
    type(kAdd, "Text5", "62701");
    type(kAdd, "Text9", "jane doe");
    click(button(kAdd, "Command2"));
    settle();

    // The account list of check-in offers it at once.
    t.open("Form4");
    for (auto [name, text] : {std::pair{"Text1", "john smith"}, {"Text2", "1 elm st"}, {"Text3", "dayton"},
                              {"Text4", "oh"}, {"Text5", "45402"}, {"Text11", "1"}})
        type("Form4", name, text);
    choose("Form4", "Combo3", "101  NQ1");
    choose("Form4", "Combo4", "R - Direct Bill");
    choose("Form4", "Combo6", "ACME TOOLS");
    click(button("Form4", "Command1"));
    settle();
    ASSERT_FALSE(isOpen("Form4"));

    t.open(kLedger);
    EXPECT_EQ(itemsOf(get<QComboBox>(kLedger, "Combo1")), (QStringList{"GLOBEX", "ACME TOOLS"}));
    EXPECT_EQ(get<QComboBox>(kLedger, "Combo1")->currentText(), "Select Direct Bill Account");
    EXPECT_EQ(itemsOf(get<QComboBox>(kLedger, "Combo3")),
              (QStringList{"E - Room Rent", "K - Check", "C - Cash", "V - Visa", "M - Master Card", "D - Discover",
                           "A - American Express", "O - Other"}));
    // Nothing to post to or print until an account and an invoice are chosen.
    for (const char* name : {"Command1", "Command3"}) EXPECT_FALSE(button(kLedger, name)->isEnabled()) << name;
    EXPECT_FALSE(box(kLedger, "Text11")->isEnabled());

    choose(kLedger, "Combo1", "GLOBEX");  // no counter file: no invoices
    EXPECT_EQ(get<QComboBox>(kLedger, "Combo2")->count(), 0);
    EXPECT_EQ(labelText(kLedger, "Label11"), "1");
    choose(kLedger, "Combo1", "ACME TOOLS");
    EXPECT_EQ(box(kLedger, "Text1")->text(), "ACME TOOLS" + QString(20, ' '));  // as stored
    EXPECT_EQ(labelText(kLedger, "Label11"), "2");
    EXPECT_EQ(itemsOf(get<QComboBox>(kLedger, "Combo2")), QStringList{"1"});
    EXPECT_FALSE(button(kLedger, "Command1")->isEnabled());
    choose(kLedger, "Combo2", "1");
    auto* lines = get<QListWidget>(kLedger, "List1");
    EXPECT_TRUE(QFontInfo(lines->font()).fixedPitch());
    // Room and 5 blanks, date and 5 blanks, code (6), invoice# (15), check# (13), description (23), amount (20).
    const std::string lead = "101" + blanks(7) + "5/1/2019" + blanks(5);
    EXPECT_EQ(itemsOf(lines), (QStringList{
                                  qs(lead + "E     " + " 1" + blanks(13) + "----" + blanks(9) + "Room Rent" + blanks(14) +
                                     " 65" + blanks(17)),
                                  qs(lead + "T     " + " 1" + blanks(13) + "----" + blanks(9) + "Tax" + blanks(20) +
                                     " 7.8" + blanks(16)),
                              }));
    EXPECT_EQ(labelText(kLedger, "Label19"), "72.8");
    EXPECT_EQ(labelText(kLedger, "Label23"), "101");
    for (const char* name : {"Command1", "Command3"}) EXPECT_TRUE(button(kLedger, name)->isEnabled()) << name;

    // "Do Now" checks in order, then posts; the company's check brings the invoice to 0.
    click(button(kLedger, "Command1"));
    choose(kLedger, "Combo3", "K - Check");
    EXPECT_TRUE(box(kLedger, "Text11")->isEnabled());
    click(button(kLedger, "Command1"));
    box(kLedger, "Text10")->setText("72.80");
    click(button(kLedger, "Command1"));
    EXPECT_EQ(window(kLedger)->focusWidget(), box(kLedger, "Text11"));
    box(kLedger, "Text10")->setText("72.8O");
    box(kLedger, "Text11")->setText("5521");
    click(button(kLedger, "Command1"));
    EXPECT_EQ(shown(), (std::vector<std::string>{"ATTENTION!: You didn't select a type.",
                                                 "ATTENTION!: You didn't enter an amount.",
                                                 "ATTENTION!: You didn't enter a check #.",
                                                 "ATTENTION!: The amount is not a number. Enter it in digits, for "
                                                 "example 65 or 59.95."}));
    EXPECT_EQ(lines->count(), 2);
    post("K - Check", "72.8", "5521");
    post("O - Other", "5");  // listed, not counted
    EXPECT_EQ(shown(), std::vector<std::string>());
    EXPECT_EQ(lines->count(), 4);
    EXPECT_EQ(lines->item(2)->text().toStdString(),
              lead + "K     " + " 1" + blanks(13) + "5521" + blanks(9) + "Check Received" + blanks(9) + " 72.8" + blanks(15));
    EXPECT_EQ(labelText(kLedger, "Label19"), "0");
    EXPECT_EQ(get<QComboBox>(kLedger, "Combo3")->currentText(), "Select Type");
    EXPECT_EQ(box(kLedger, "Text10")->text(), "");
    EXPECT_FALSE(box(kLedger, "Text11")->isEnabled());

    click(button(kLedger, "Command3"));
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].document, "Statement");
    const std::vector<std::string>& printed = t.printer.jobs[0].lines;
    ASSERT_EQ(printed.size(), 25u);  // 15 lines of heading, two per invoice line, the rule and the balance
    EXPECT_EQ(std::vector<std::string>(printed.begin() + 2, printed.begin() + 11),
              (std::vector<std::string>{"Direct Bill Account:  ACME TOOLS", "Account#  2", "1 MAIN ST" + blanks(31),
                                        "SPRINGFIELD, IL  62701" + blanks(15), "Phone:  " + blanks(15),
                                        "Fax:  " + blanks(15), "Cell:  " + blanks(15), "Contact:  JANE DOE" + blanks(22),
                                        "Invoice#  1"}));
    EXPECT_EQ(printed.back(), blanks(77) + "Balance:   0");

    // A new name takes the invoices along; a taken one is refused.
    box(kLedger, "Text1")->setText("GLOBEX");
    click(button(kLedger, "Command2"));
    EXPECT_EQ(shown(), (std::vector<std::string>{"ATTENTION!: There is already an account named GLOBEX. Choose another name."}));
    EXPECT_TRUE(isOpen(kLedger));
    box(kLedger, "Text1")->setText("ACME TOOLS WEST");
    click(button(kLedger, "Command2"));
    settle();
    EXPECT_FALSE(isOpen(kLedger));
    EXPECT_FALSE(std::filesystem::exists(t.path("directinvoice/ACME TOOLS 1")));
    t.open(kLedger);
    choose(kLedger, "Combo1", "ACME TOOLS WEST");
    choose(kLedger, "Combo2", "1");
    EXPECT_EQ(get<QListWidget>(kLedger, "List1")->count(), 4);
    EXPECT_EQ(labelText(kLedger, "Label19"), "0");
}

}  // namespace
