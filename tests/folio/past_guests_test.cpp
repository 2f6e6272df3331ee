// Finding checked-out stays by name, room and arrival date, their rows, and retrieving one (the
// refusals, the account and the balance as shown are tested through the windows).
#include <gtest/gtest.h>

#include "ledger/ledger.h"
#include "folio/past_guests.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

using Records = std::vector<std::uint64_t>;

// A guest file of five stays: SMALL ANN (record 2) is still in house.
class PastGuests : public ::testing::Test {
protected:
    void SetUp() override {
        putPastGuest(t.dataDir, "101", 11, "SMITH JOHN", may(1), may(3));
        putPastGuest(t.dataDir, "102", 12, "SMALL ANN", may(1), may(30), 0, "");
        putPastGuest(t.dataDir, "1A", 13, "SMYTHE BOB", may(5), may(7));
        putPastGuest(t.dataDir, "101", 14, "SANDS MARY", may(5), may(6));
        putPastGuest(t.dataDir, "103", 15, "JONES BARTHOLOMEW ALEXANDER", may(12), may(13));
        stays = checkedOutStays(t.dataDir);
    }

    // The guest-file records of the stays found.
    Records records(const FoundStays& found) const {
        Records all;
        for (std::uint32_t i : found) all.push_back(stays.at(i).recordNo);
        return all;
    }
    Records records(const PastGuestSearch& search) const {
        EXPECT_FALSE(search.refused()) << search.refusal;
        return records(search.found);
    }

    MotelFolder t;
    std::vector<CheckedOutStay> stays;
};

TEST_F(PastGuests, OnlyCheckedOutStaysAreListedInGuestFileOrderInTheirColumns) {
    std::vector<std::string> rows;
    for (const CheckedOutStay& stay : stays) rows.push_back(foundStayRow(stay));
    EXPECT_EQ(rows, (std::vector<std::string>{
                        // folio, ten blanks; room (10); name (25); arrival (25); departure (35)
                        " 11           101      SMITH JOHN               5/1/2019                 "
                        "5/3/2019                           ",
                        // a room number that is not all digits is shown as stored
                        " 13           1A       SMYTHE BOB               5/5/2019                 "
                        "5/7/2019                           ",
                        " 14           101      SANDS MARY               5/5/2019                 "
                        "5/6/2019                           ",
                        // a longer name is cut to its 25 characters
                        " 15           103      JONES BARTHOLOMEW ALEXAND5/12/2019                "
                        "5/13/2019                          ",
                    }));
}

TEST_F(PastGuests, NamesFollowTheLettersTypedInUpperCaseRoomsAndArrivalDaysMatchExactly) {
    // SMALL ANN, in house, is never found.
    const std::pair<const char*, Records> names[] = {
        {"S", {1, 3, 4}},         {"SM", {1, 3}},       {"sm", {1, 3}},  {"SMITH JOHN", {1}},
        {"SMITH JOHN ", {}},  // longer than the name
        {"MITH", {}},         // a word's beginning only
        {"", {1, 3, 4, 5}}};
    for (const auto& [typed, found] : names) EXPECT_EQ(records(staysNamed(stays, typed)), found) << typed;
    const std::pair<const char*, Records> rooms[] = {{"101", {1, 4}}, {"1A", {3}}, {"102", {}}, {"10", {}}};  // oldest first
    for (const auto& [typed, found] : rooms) EXPECT_EQ(records(staysInRoom(stays, typed)), found) << typed;
    const std::pair<const char*, Records> days[] = {
        {"5/5/2019", {3, 4}}, {"05/05/2019", {3, 4}}, {"5/05/2019 ", {3, 4}}, {" 5/5/2019", {3, 4}},
        {"5/1/2019", {1}},    {"5/2/2019", {}},       {"May 5", {}},          {"2/30/2019", {}}};
    for (const auto& [typed, found] : days) EXPECT_EQ(records(staysArriving(stays, typed)), found) << typed;
}

TEST_F(PastGuests, RetrieveGivesTheStayItsAccountAndItsFolioAsTheFolioScreenShowsThem) {
    addAccount(t.dataDir, "ACME TOOLS", 3);
    putPastGuest(t.dataDir, "104", 16, "BILLED BOB", may(1), may(2), 3);
    postToFolio(t.dataDir, 16, "104", may(1), 'E', 65.0);
    postToFolio(t.dataDir, 16, "104", may(1), 'T', 7.8049);
    postToFolio(t.dataDir, 16, "104", may(1), 'R', 72.8);
    stays = checkedOutStays(t.dataDir);

    const auto billed = retrievePastStay(t.dataDir, stays.back());
    ASSERT_TRUE(billed.has_value());
    EXPECT_EQ(billed->stay.number, 6u);
    EXPECT_EQ(billed->folio.rows,
              (std::vector<std::string>{
                  "104       5/1/2019            E              Room Rent                           65                 ",
                  "104       5/1/2019            T              Tax                                 7.8                ",
                  "104       5/1/2019            R              Direct Bill                         72.8               ",
              }));

    // A stay without account or folio file.
    const auto plain = retrievePastStay(t.dataDir, stays.front());
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->stay.number, 1u);
    EXPECT_FALSE(plain->directBillLine.has_value());
    EXPECT_TRUE(plain->folio.rows.empty());
    EXPECT_EQ(plain->folio.balance, 0);
}

// A name is found by the start of any of its words, whole-name starts listed first: "SMI" finds
// SMITH ANN first, then JOHN SMITH and the hyphened SMITHERS, never BLACKSMITH or "SM ITH".
TEST(PastGuestNames, AnyWordStartFindsTheNameAndWholeNameStartsComeFirst) {
    std::vector<CheckedOutStay> stays;
    for (const char* name : {"JOHN SMITH", "SMITH ANN", "AMY SMITHERS-JONES", "BLACKSMITH BOB", "MARY-JO SMALL", "SM ITH"})
        stays.push_back({stays.size() + 1, 0, "101", name, may(1), may(2)});
    const auto records = [&](const FoundStays& found) {
        Records all;
        for (std::uint32_t i : found) all.push_back(stays.at(i).recordNo);
        return all;
    };
    const std::pair<const char*, Records> names[] = {
        {"smi", {2, 1, 3}},  {"SMITH", {2, 1, 3}}, {"JO", {1, 3, 5}}, {"JONES", {3}},       {"ANN", {2}},
        {"SMITH ANN", {2}},  {"ITH", {6}},         {"MITH", {}},      {"SMITHS", {}},       {"", {1, 2, 3, 4, 5, 6}},
    };
    for (const auto& [typed, found] : names) EXPECT_EQ(records(staysNamed(stays, typed)), found) << typed;
}

}  // namespace
