// The printed folio, line by line, in its three variants.
#include <gtest/gtest.h>

#include "folio/printed_folio.h"

using namespace innvera;

namespace {

std::string blanks(std::size_t n) { return std::string(n, ' '); }
// `left`, blank-padded so that `right` starts at the column (from 1).
std::string at(const std::string& left, std::size_t column, const std::string& right) {
    return left + blanks(column - 1 - left.size()) + right;
}

FolioLine line(const char* code, const char* description, double amount) {
    FolioLine l;
    l.room = "101  ";
    l.postDate = Date::fromYmd(2019, 5, 1);
    l.code = code;
    l.description = description;
    l.amount = amount;
    return l;
}

Guest guest() {
    Guest g;
    g.guestName = "JOHN SMITH";
    g.address = "12 MAIN ST";
    g.city = "SPRINGFIELD";
    g.state = "IL";
    g.zip = "62701";
    g.phone = "555-1234";
    g.arrivalTime = "2:15:07 PM";
    g.departTime = "10:01:00 AM";
    g.arrivalDate = Date::fromYmd(2019, 5, 1);
    g.departDate = Date::fromYmd(2019, 5, 3);
    g.folioNo = 1234;
    return g;
}

std::vector<FolioLine> paidStay() {
    return {line("E", "Room Rent", 65), line("T", "Tax", 7.8049), line("V", "Visa", 72.8)};
}

std::vector<std::string> headingAndGuest() {
    return {
        "",
        blanks(87) + "Kestrel Motel",
        "",
        blanks(85) + "27 Cedar Mill Rd" + blanks(25),
        "",
        blanks(82) + "Westerbrooke, ZZ  00000",
        "",
        blanks(71) + "Phone: 555-010-0000   Fax: 555-010-0001",
        "",
        "",
        "",
        at("JOHN SMITH", 79, "Phone:   555-1234       "),
        at("12 MAIN ST", 82, "Cell:   " + blanks(15)),
        at("SPRINGFIELD, IL  62701          ", 80, "Email:   " + blanks(30)),
        "Arrival Time: 2:15:07 PM     ",
    };
}

std::vector<std::string> linesAndBalance() {
    const std::string rule(114, '=');
    return {
        rule,
        "Room      Date                     Code                       Description                                    Amount",
        rule,
        at(at(at(at("101  ", 10, "5/1/2019"), 30, "E"), 50, "Room Rent"), 85, " 65"),
        at(at(at(at("101  ", 10, "5/1/2019"), 30, "T"), 50, "Tax"), 85, " 7.8"),
        at(at(at(at("101  ", 10, "5/1/2019"), 30, "V"), 50, "Visa"), 85, " 72.8"),
        rule,
        blanks(74) + "Balance:    0",
    };
}

std::vector<std::string> closing(std::size_t underscores) {
    return {
        "Thank you for staying with us. We hope you have a wonderful day. If you have any issues, Please",
        "let us know.",
        "",
        "",
        std::string(underscores, '_'),
        blanks(35) + "Signature",
    };
}

void append(std::vector<std::string>& to, const std::vector<std::string>& more) { to.insert(to.end(), more.begin(), more.end()); }

TEST(PrintedFolio, FolioScreenPrintsTheWholePage) {
    const PrintJob job = folioScreenFolio(guestBlockOf(guest()), paidStay());
    EXPECT_EQ(job.document(), "Folio");
    std::vector<std::string> expected = headingAndGuest();
    append(expected, {"Folio:   1234", ""});
    append(expected, linesAndBalance());
    append(expected, {"", "", "", "", "", ""});
    append(expected, closing(76));
    EXPECT_EQ(job.lines(), expected);
}

TEST(PrintedFolio, CheckInPrintsTheChosenAccountAndAShorterSignatureLine) {
    std::vector<std::string> expected = headingAndGuest();
    append(expected, {"Folio:   1234", ""});
    append(expected, linesAndBalance());
    append(expected, {"", "", "Direct Bill Account:  ACME", "", "", "", ""});
    append(expected, closing(65));
    EXPECT_EQ(checkInFolio(guestBlockOf(guest()), paidStay(), std::string("ACME")).lines(), expected);

    // Without an account the line is left out.
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(headingAndGuest().size() + 2 + linesAndBalance().size() + 2));
    EXPECT_EQ(checkInFolio(guestBlockOf(guest()), paidStay(), std::nullopt).lines(), expected);
}

TEST(PrintedFolio, ReprintAddsTheDepartureAndTheAccountLine) {
    std::vector<std::string> expected = headingAndGuest();
    append(expected, {"Depart Time: 10:01:00 AM    ", "Arrivl Date: 5/1/2019", "Depart Date: 5/3/2019", "Folio:   1234", ""});
    append(expected, linesAndBalance());
    append(expected, {"", "", "", "Direct Bill Account:  ", "", "", ""});
    append(expected, closing(78));
    EXPECT_EQ(reprintFolio(guestBlockOf(guest()), paidStay(), "").lines(), expected);
}

TEST(PrintedFolio, RowsRoundAmountsAndLongValuesMoveToTheNextLine) {
    const std::vector<FolioLine> lines = {
        line("C", "Cash Received", 10.005),  // ties to the even cent: 10
        line("O", "A DESCRIPTION FAR TOO LONG FOR ITS COLUMN", 12.5),
        line("E", "Room Rent", -5),
    };
    const auto printed = folioScreenFolio(FolioGuestBlock{}, lines).lines();
    const std::vector<std::string> rows(printed.begin() + 20, printed.begin() + 25);
    EXPECT_EQ(rows, (std::vector<std::string>{
                        at(at(at(at("101  ", 10, "5/1/2019"), 30, "C"), 50, "Cash Received"), 85, " 10"),
                        at(at(at("101  ", 10, "5/1/2019"), 30, "O"), 50, "A DESCRIPTION FAR TOO LONG FOR ITS COLUMN"),
                        blanks(84) + " 12.5",
                        at(at(at(at("101  ", 10, "5/1/2019"), 30, "E"), 50, "Room Rent"), 85, "-5"),
                        std::string(114, '='),
                    }));
    EXPECT_EQ(printed[25], blanks(74) + "Balance:   -2.5");
}

TEST(PrintedFolio, AFolioWithoutLinesPrintsABalanceOfZero) {
    const auto printed = folioScreenFolio(guestBlockOf(guest()), {}).lines();
    ASSERT_EQ(printed.size(), 34u);
    EXPECT_EQ(printed[19], std::string(114, '='));
    EXPECT_EQ(printed[20], std::string(114, '='));
    EXPECT_EQ(printed[21], blanks(74) + "Balance:    0");
}

}  // namespace
