// The printed folio, line by line, in its three variants.
#include <gtest/gtest.h>

#include "core/motel_details.h"
#include "folio/printed_folio.h"
#include "support/motel_files.h"

using namespace innvera;

namespace {

using Lines = std::vector<std::string>;

std::string blanks(std::size_t n) { return std::string(n, ' '); }
// `left`, blank-padded so that `right` starts at the column (from 1).
std::string at(const std::string& left, std::size_t column, const std::string& right) {
    return left + blanks(column - 1 - left.size()) + right;
}
// A folio row of room 101 on 5/1/2019: code at column 30, description at 50, amount at 85.
std::string row(const char* code, const std::string& description, const std::string& amount) {
    return at(at(at(at("101  ", 10, "5/1/2019"), 30, code), 50, description), 85, amount);
}

FolioLine line(const char* code, const char* description, double amount) {
    return {"101  ", "A", Date::fromYmd(2019, 5, 1), code, description, amount, "", "1234", {}};
}

FolioGuestBlock johnSmith() {
    return guestBlockOf(Guest::decode(innvera::testing::particularsBytes(
        528, {.name = "JOHN SMITH", .address = "12 MAIN ST", .city = "SPRINGFIELD", .state = "IL", .zip = "62701",
              .phone = "555-1234", .arrivalTime = "2:15:07 PM", .departTime = "10:01:00 AM", .arrival = innvera::testing::kMay1,
              .depart = innvera::testing::kMay1 + 2, .folioNo = 1234})));
}

// Built on use: a Date made during static start-up would come before date.cpp is ready.
std::vector<FolioLine> paidStay() {
    return {line("E", "Room Rent", 65), line("T", "Tax", 7.8049), line("V", "Visa", 72.8)};
}

// The sample property's heading, as it stands until the motel's details are saved.
Lines sampleHeading() {
    return {"",
            blanks(87) + "Kestrel Motel",
            "",
            blanks(85) + "27 Cedar Mill Rd" + blanks(25),
            "",
            blanks(82) + "Westerbrooke, ZZ  00000",
            "",
            blanks(71) + "Phone: 555-010-0000   Fax: 555-010-0001",
            "",
            "",
            ""};
}

// The page: the heading, the guest, the stay lines, the folio lines of the paid stay and the
// balance, the account lines, and the closing with a signature line of `underscores`.
Lines page(const Lines& heading, const Lines& stay, const Lines& account, std::size_t underscores) {
    const std::string rule(114, '=');
    Lines all = heading;
    const Lines guest = {at("JOHN SMITH", 79, "Phone:   555-1234       "),
                         at("12 MAIN ST", 82, "Cell:   " + blanks(15)),
                         at("SPRINGFIELD, IL  62701          ", 80, "Email:   " + blanks(30)),
                         "Arrival Time: 2:15:07 PM     "};
    const Lines folio = {rule,
                         "Room      Date                     Code                       Description"
                         "                                    Amount",
                         rule,
                         row("E", "Room Rent", " 65"),
                         row("T", "Tax", " 7.8"),
                         row("V", "Visa", " 72.8"),
                         rule,
                         blanks(74) + "Balance:    0"};
    const Lines closing = {
        "Thank you for staying with us. We hope you have a wonderful day. If you have any issues, Please",
        "let us know.", "", "", std::string(underscores, '_'), blanks(35) + "Signature"};
    for (const Lines* part : {&guest, &stay, &folio, &account, &closing}) all.insert(all.end(), part->begin(), part->end());
    return all;
}

// Each variant's page under a heading.
void expectThreeVariants(const MotelDetails& motel, const Lines& heading) {
    const PrintJob job = folioScreenFolio(motel, johnSmith(), paidStay());
    EXPECT_EQ(job.document(), "Folio");
    EXPECT_EQ(job.lines(), page(heading, {"Folio:   1234", ""}, {"", "", "", "", "", ""}, 76));

    // Check-in prints the chosen account, or leaves its line out, and a shorter signature line.
    EXPECT_EQ(checkInFolio(motel, johnSmith(), paidStay(), std::string("ACME")).lines(),
              page(heading, {"Folio:   1234", ""}, {"", "", "Direct Bill Account:  ACME", "", "", "", ""}, 65));
    EXPECT_EQ(checkInFolio(motel, johnSmith(), paidStay(), std::nullopt).lines(),
              page(heading, {"Folio:   1234", ""}, {"", "", "", "", "", ""}, 65));

    // A reprint adds the departure and always has the account line.
    EXPECT_EQ(reprintFolio(motel, johnSmith(), paidStay(), "").lines(),
              page(heading,
                   {"Depart Time: 10:01:00 AM    ", "Arrivl Date: 5/1/2019", "Depart Date: 5/3/2019", "Folio:   1234", ""},
                   {"", "", "", "Direct Bill Account:  ", "", "", ""}, 78));
}

TEST(PrintedFolio, TheFolioScreenCheckInAndReprintPagesUnderTheSampleHeading) {
    expectThreeVariants(sampleMotelDetails(), sampleHeading());
}

// The motel's own lines stand centred where the sample's do: the middle character (of an even
// count the later one) at column 94, the phone line's at 91; the extra line takes the middle one
// of the three empty lines, so the guest starts on the same line.
TEST(PrintedFolio, TheMotelsOwnHeadingInEachVariant) {
    const MotelDetails pine{"Pine Lodge", "14 Lake Rd", "Harbor Falls, ME  04000", "Tel 207-555-0100",
                            "www.pinelodge.example"};
    expectThreeVariants(pine, {"",
                               blanks(88) + "Pine Lodge",
                               "",
                               blanks(88) + "14 Lake Rd" + blanks(28),
                               "",
                               blanks(82) + "Harbor Falls, ME  04000",
                               "",
                               blanks(82) + "Tel 207-555-0100",
                               "",
                               blanks(83) + "www.pinelodge.example",
                               ""});

    // The longest lines end at the rules' last column; empty lines print as empty lines.
    const std::string name42(42, 'N');
    const std::string phone48(48, '5');
    const std::string street41(41, 'S');
    const Lines longest = folioScreenFolio({name42, street41, "", phone48, ""}, johnSmith(), {}).lines();
    EXPECT_EQ(Lines(longest.begin(), longest.begin() + 11),
              (Lines{"", blanks(72) + name42, "", blanks(73) + street41 + blanks(12), "", "", "", blanks(66) + phone48, "",
                     "", ""}));
    EXPECT_EQ(longest[1].size(), 114u);
    EXPECT_EQ(longest[7].size(), 114u);
}

}  // namespace
