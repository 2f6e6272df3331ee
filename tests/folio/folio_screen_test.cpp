// The folio screen's rules: the guests and rooms offered, the list rows, a room move,
// saving the particulars, and check-out, checked against the stored bytes.
#include <gtest/gtest.h>

#include "folio/check_out.h"
#include "folio/folio_data.h"
#include "folio/folio_screen.h"
#include "folio/folio_screen_data.h"
#include "folio/ledger.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

Bytes roomFlags(LedgerDir& d, std::uint64_t n) {
    const Bytes all = readBytes(d.path("rooms"));
    return Bytes(all.begin() + static_cast<std::ptrdiff_t>((n - 1) * 148 + 31),
                 all.begin() + static_cast<std::ptrdiff_t>((n - 1) * 148 + 34));
}

Bytes guestField(LedgerDir& d, std::uint64_t n, std::size_t offset, std::size_t width) {
    const Bytes all = readBytes(d.path("guest"));
    const auto start = all.begin() + static_cast<std::ptrdiff_t>((n - 1) * 528 + offset);
    return Bytes(start, start + static_cast<std::ptrdiff_t>(width));
}

Bytes flags(const char* vacant, const char* clean, const char* status) {
    return concat({textBytes(vacant, 1), textBytes(clean, 1), textBytes(status, 1)});
}

TEST(FolioScreenLists, GuestEntriesAreTheStaysInHouseInFileOrder) {
    LedgerDir d;
    putGuest(d.dir, "103", 1, "ANN LEE", may(3));
    addStay(d.dir, "101", 2, "GONE AWAY", 0, "*");
    putGuest(d.dir, "101", 3, "JOHN SMITH", may(1));
    EXPECT_EQ(inHouseGuestEntries(d.dir), (std::vector<std::string>{"103  ANN LEE", "101  JOHN SMITH"}));

    EXPECT_EQ(stayOfEntry(d.dir, "101  JOHN SMITH")->folioNo, 3);
    EXPECT_FALSE(stayOfEntry(d.dir, "109  NOBODY"));
    EXPECT_FALSE(stayOfEntry(d.dir, ""));
}

TEST(FolioScreenLists, ThePreselectedRoomFindsTheStayDepartingOnTheHotelDate) {
    LedgerDir d;
    putGuest(d.dir, "101", 1, "STAYS ON", may(3));
    putGuest(d.dir, "101", 2, "LEAVES TODAY", may(1));
    EXPECT_EQ(departingStay(d.dir, "101  ", may(1))->folioNo, 2);
    EXPECT_FALSE(departingStay(d.dir, "102", may(1)));
}

TEST(FolioScreenLists, RoomsToMoveToAreVacantCleanAndInService) {
    LedgerDir d;
    putRoom(d.dir, "101", "NQ1", 65, "O", "N");
    putRoom(d.dir, "102", "KK1", 80, "Y", "N");
    putRoom(d.dir, "103", "NQ2", 65, "Y", "Y", "X");
    putRoom(d.dir, "104", "KK2", 80, "Y", "Y");
    putRoom(d.dir, "1050", "SUITE", 120, "Y", "Y");
    EXPECT_EQ(roomsToMoveTo(d.dir), (std::vector<std::string>{"104  KK2", "1050  SUITE"}));
    EXPECT_EQ(roomOfEntry("1050  SUITE"), "1050");
    EXPECT_EQ(roomOfEntry("104  KK2"), "104");
}

TEST(FolioScreenRows, EachValueHasItsFixedWidth) {
    FolioLine rent{"101  ", "A", may(1), "E", "Room Rent", 65, "", "1234", {}};
    EXPECT_EQ(folioListRow(rent),
              "101       "
              "5/1/2019            "
              "E              "
              "Room Rent                          "
              " 65                 ");
    FolioLine tax{"101  ", "A", Date::fromYmd(2019, 12, 25), "T", "Tax", 7.8049, "", "1234", {}};
    EXPECT_EQ(folioListRow(tax),
              "101       "
              "12/25/2019          "
              "T              "
              "Tax                                "
              " 7.8                ");
    FolioLine longOne{"1234567", "A", may(1), "O", std::string(40, 'x'), -5, "", "1", {}};
    EXPECT_EQ(folioListRow(longOne), "12345     5/1/2019            O              " + std::string(35, 'x') +
                                         "-5                  ");
}

TEST(FolioScreenRows, TheViewHasOneRowPerLineAndTheBalance) {
    LedgerDir d;
    appendFolioLine(d.dir, 7, "101", may(1), 'E', "Room Rent", 65.0);
    appendFolioLine(d.dir, 7, "101", may(1), 'T', "Tax", 7.8049);
    appendFolioLine(d.dir, 7, "101", may(1), 'V', "Visa", 72.8);
    const FolioView view = folioView(d.dir, 7);
    EXPECT_EQ(view.rows.size(), 3u);
    EXPECT_EQ(view.balance, 0);
    EXPECT_TRUE(folioView(d.dir, 8).rows.empty());
}

TEST(FolioScreenRows, TheDirectBillLineIsTheSignedNumberAndTheNameAsStored) {
    LedgerDir d;
    addAccount(d.dir, "ACME TOOLS", 3);
    EXPECT_EQ(directBillLine(d.dir, 3), " 3-ACME TOOLS                    ");
    EXPECT_FALSE(directBillLine(d.dir, 0));
    EXPECT_FALSE(directBillLine(d.dir, 9));  // no such account record
}

TEST(ChangeRoom, OldRoomVacantAndDirtyNewRoomOccupiedAndDirtyStayMoved) {
    LedgerDir d;
    putRoom(d.dir, "101", "NQ1", 65, "O", "N");
    putRoom(d.dir, "105", "KK1", 80, "Y", "Y");
    putGuest(d.dir, "101", 1234, "JOHN SMITH", may(3));
    appendFolioLine(d.dir, 1234, "101", may(1), 'E', "Room Rent", 65.0);

    const RoomChange change = changeRoom(d.dir, 1234, "101", "105  KK1");
    EXPECT_FALSE(change.refused());
    EXPECT_EQ(change.newRoom, "105");
    EXPECT_EQ(roomFlags(d, 1), flags("Y", "N", "K"));
    EXPECT_EQ(roomFlags(d, 2), flags("O", "N", "K"));
    EXPECT_EQ(guestField(d, 1, 272, 5), textBytes("105", 5));
    // The lines already posted keep the old room.
    EXPECT_EQ(readFolioLines(d.dir, 1234).front().room, "101  ");
}

TEST(ChangeRoom, ARoomThatCannotBeLetIsRefusedAndNothingIsWritten) {
    LedgerDir d;
    putRoom(d.dir, "101", "NQ1", 65, "O", "N");
    putRoom(d.dir, "102", "KK1", 80, "Y", "N");
    putGuest(d.dir, "101", 1234, "JOHN SMITH", may(3));
    const Bytes rooms = readBytes(d.path("rooms"));
    const Bytes guests = readBytes(d.path("guest"));
    for (const char* entry : {"102  KK1", "109  XX", "Change Room"}) {
        const RoomChange change = changeRoom(d.dir, 1234, "101", entry);
        EXPECT_EQ(change.message, kNoSuchRoomToMoveTo) << entry;
    }
    EXPECT_EQ(readBytes(d.path("rooms")), rooms);
    EXPECT_EQ(readBytes(d.path("guest")), guests);
}

FolioSaveForm saveForm(const char* depart, const char* rate) {
    FolioSaveForm f;
    f.guest.name = "JANE DOE";
    f.guest.address = "2 ELM ST";
    f.guest.city = "DAYTON";
    f.guest.state = "OHIO";
    f.guest.zip = "45402";
    f.guest.phone = "555-0199";
    f.guest.cell = "555-0198";
    f.guest.company = "ACME";
    f.guest.comment = "LATE";
    f.guest.cardNo = "4111";
    f.guest.cardMonth = "June";
    f.guest.cardYear = "2025";
    f.guest.adults = "34";
    f.guest.children = "1";
    f.departDate = depart;
    f.rate = rate;
    return f;
}

TEST(SaveFolio, TheParticularsDepartureAndRateAreWrittenArrivalIsNot) {
    LedgerDir d;
    putGuest(d.dir, "101", 1234, "JOHN SMITH", may(3));
    ASSERT_FALSE(checkFolioSave(saveForm("5/6/2019", "59.95")));
    ASSERT_TRUE(saveFolio(d.dir, 1234, saveForm("5/6/2019", "59.95")));

    EXPECT_EQ(guestField(d, 1, 0, 30), textBytes("JANE DOE", 30));
    EXPECT_EQ(guestField(d, 1, 90, 20), textBytes("OHIO", 20));
    EXPECT_EQ(guestField(d, 1, 170, 40), textBytes("LATE", 40));
    EXPECT_EQ(guestField(d, 1, 210, 20), textBytes("ACME", 20));
    EXPECT_EQ(guestField(d, 1, 250, 10), textBytes("June", 10));
    EXPECT_EQ(guestField(d, 1, 270, 2), textBytes("31", 2));  // adults and children: first character
    EXPECT_EQ(guestField(d, 1, 312, 8), dateBytes(43586));     // arrival 5/1/2019 unchanged
    EXPECT_EQ(guestField(d, 1, 320, 8), dateBytes(43591));     // 5/6/2019
    EXPECT_EQ(guestField(d, 1, 328, 4), singleBytes(59.95f));
}

TEST(SaveFolio, AMissingRateABadRateAndABadDateAreRefusedInThatOrder) {
    auto refusal = checkFolioSave(saveForm("5/6/2019", ""));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "Please enter the rate.");
    EXPECT_EQ(refusal->focus, FolioSaveField::Rate);

    refusal = checkFolioSave(saveForm("someday", "65abc"));
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->message, "The rate is not a number. Enter it in digits, for example 65 or 59.95.");
    EXPECT_EQ(refusal->focus, FolioSaveField::Rate);

    for (const char* bad : {"someday", "2/30/2019", "5/6/19", ""}) {
        refusal = checkFolioSave(saveForm(bad, "65"));
        ASSERT_TRUE(refusal) << bad;
        EXPECT_EQ(refusal->message, "The depart date is not a date. Enter it as month/day/year, for example 12/25/2024.");
        EXPECT_EQ(refusal->focus, FolioSaveField::DepartDate);
    }

    LedgerDir d;
    putGuest(d.dir, "101", 1234, "JOHN SMITH", may(3));
    const Bytes before = readBytes(d.path("guest"));
    EXPECT_FALSE(saveFolio(d.dir, 1234, saveForm("someday", "65")));
    EXPECT_FALSE(saveFolio(d.dir, 99, saveForm("5/6/2019", "65")));
    EXPECT_EQ(readBytes(d.path("guest")), before);
}

TEST(CheckOut, ClosesTheStayWithTheTimeAndFreesEveryRoomOfThatNumber) {
    LedgerDir d;
    putRoom(d.dir, "101", "NQ1", 65, "O", "N");
    putRoom(d.dir, "102", "KK1", 80, "O", "N");
    putRoom(d.dir, "101", "NQ1", 65, "O", "Y");  // a second record of the same room
    putGuest(d.dir, "102", 1, "ANN LEE", may(3));
    putGuest(d.dir, "101", 1234, "JOHN SMITH", may(1));
    appendFolioLine(d.dir, 1234, "101", may(1), 'E', "Room Rent", 65.0);
    const std::string folioBefore = d.folio(" 1234");

    ASSERT_TRUE(checkOut(d.dir, 1234, "11:05:32 AM"));
    EXPECT_EQ(guestField(d, 2, 394, 20), textBytes("*", 20));
    EXPECT_EQ(guestField(d, 2, 297, 15), textBytes("11:05:32 AM", 15));
    EXPECT_EQ(roomFlags(d, 1), flags("Y", "N", "K"));
    EXPECT_EQ(roomFlags(d, 2), flags("O", "N", "K"));
    EXPECT_EQ(roomFlags(d, 3), flags("Y", "N", "K"));
    // The other stay and the folio stay as they were.
    EXPECT_TRUE(guestAt(d.dir, 1).inHouse());
    EXPECT_EQ(d.folio(" 1234"), folioBefore);
    EXPECT_EQ(inHouseGuestEntries(d.dir), (std::vector<std::string>{"102  ANN LEE"}));

    const Bytes before = readBytes(d.path("guest"));
    EXPECT_FALSE(checkOut(d.dir, 99, "11:05:32 AM"));
    EXPECT_EQ(readBytes(d.path("guest")), before);
}

}  // namespace
