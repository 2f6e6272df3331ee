// The record layouts against bytes written by hand at the documented offsets.
#include <gtest/gtest.h>

#include "core/records.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const Date kMay1st = Date::fromYmd(2019, 5, 1);

// The record writes exactly the hand-made bytes, and reads every field back from them:
// read into a record without kept bytes, it writes the same bytes again.
template <class R>
void expectLayout(const R& record, const Bytes& bytes) {
    EXPECT_EQ(record.encode(), bytes);
    R read = R::decode(bytes);
    read.raw = Bytes(R::kLength, '\0');
    EXPECT_EQ(read.encode(), bytes);
}

// Every field a stay and a reservation share, filled; and the same by hand.
void fillDetails(GuestDetails& d) {
    d.guestName = "A NAME THAT IS LONGER THAN THIRTY CHARS";  // 39 characters
    d.address = "1 MAIN ST", d.city = "SPRINGFIELD", d.state = "ILLINOIS", d.zip = "62701";
    d.phone = "555-0100", d.cell = "555-0199", d.comment = "LATE ARRIVAL", d.company = "ACME";
    d.cardNo = "4111111111111111", d.cardMonth = "January", d.cardYear = "2027", d.adults = "2", d.children = "1";
    d.roomNo = "101", d.payType = "C", d.arrivalTime = "11:05:32 AM", d.departTime = "10:00:00 AM";
    d.arrivalDate = kMay1st, d.departDate = kMay1st.plusDays(2), d.rate = 65, d.folioNo = 1234;
    d.email = "GUEST@EXAMPLE.COM";
}
RecordBytes detailsBytes(std::size_t length) {
    return particularsBytes(
        length, {.name = "A NAME THAT IS LONGER THAN THI", .address = "1 MAIN ST", .city = "SPRINGFIELD", .state = "ILLINOIS",
                 .zip = "62701", .phone = "555-0100", .cell = "555-0199", .comment = "LATE ARRIVAL", .company = "ACME",
                 .cardNo = "4111111111111111", .cardMonth = "January", .cardYear = "2027", .adults = "2", .children = "1",
                 .room = "101", .payType = "C", .arrivalTime = "11:05:32 AM", .departTime = "10:00:00 AM",
                 .arrival = kMay1, .depart = kMay1 + 2, .rate = 65, .folioNo = 1234, .email = "GUEST@EXAMPLE.COM"});
}

TEST(RoomRecord, ReadsAndWritesEveryFieldAtItsOffsetAndKeepsBytesItDoesNotKnow) {
    Room room;
    room.roomNo = "101", room.roomType = "NQ1", room.enteredDate = kMay1st, room.dueOutDate = kMay1st.plusDays(1);
    room.vacantFlag = "O", room.cleanFlag = "N", room.statusFlag = "K", room.rate = 65.5f, room.comment = "LEAKY TAP";
    const Bytes bytes = RecordBytes(148).text(0, "101", 5).text(5, "NQ1", 10).date(15, kMay1).date(23, kMay1 + 1)
                            .text(31, "ONK", 3).single(34, 65.5f).text(38, "LEAKY TAP", 20);
    expectLayout(room, bytes);
    const Room read = Room::decode(bytes);
    EXPECT_TRUE(read.occupied());
    EXPECT_TRUE(read.dirty());
    EXPECT_FALSE(read.outOfOrder());

    Room fresh;
    fresh.roomNo = "102";
    const Bytes expected = RecordBytes(148).text(0, "102", 5);
    EXPECT_EQ(fresh.encode(), expected);  // type, flags and comment never assigned: zeros
    Bytes stored = expected;
    stored[60] = 'Z';     // a reserved field someone else wrote
    stored[140] = '\x7';  // filler
    Room rewritten = Room::decode(stored);
    rewritten.rate = 70;
    EXPECT_EQ(rewritten.encode(), Bytes(RecordBytes(148).at(0, stored).single(34, 70)));
}

TEST(GuestRecord, SharesItsFirstFieldsWithTheReservationAndKeepsItsOwnTail) {
    Guest guest;
    fillDetails(guest);
    guest.directBillNo = 7;
    guest.messageFlag = 1;
    const Bytes guestBytes = detailsBytes(528).single(474, 7).single(478, 1);
    expectLayout(guest, guestBytes);
    const Guest read = Guest::decode(guestBytes);
    EXPECT_EQ(read.guestName, "A NAME THAT IS LONGER THAN THI");
    EXPECT_TRUE(read.inHouse());
    EXPECT_FALSE(read.stayStatus.assigned());

    Reservation reservation;
    fillDetails(reservation);
    reservation.confirmNo = "17";
    reservation.resStatus = "*";
    reservation.directBillNo = 3;
    const Bytes reservationBytes = detailsBytes(538).text(390, "17", 10).text(400, "*", 20).single(480, 3);
    expectLayout(reservation, reservationBytes);
    EXPECT_FALSE(Reservation::decode(reservationBytes).open());
}

TEST(GuestRecord, KeyOnlyReadsOfReservationsAndClosedOnlyWithAStarAfterTrailingBlanks) {
    const ReservationKeys booked = ReservationKeys::decode(detailsBytes(538).text(390, "17", 10).single(480, 3));
    EXPECT_EQ(std::tie(booked.guestName, booked.roomNo, booked.confirmNo),
              std::make_tuple("A NAME THAT IS LONGER THAN THI", "101", "17"));
    EXPECT_EQ(std::tie(booked.arrivalDate, booked.departDate), std::make_tuple(kMay1st, Date::fromYmd(2019, 5, 3)));
    EXPECT_TRUE(booked.open());
    EXPECT_FALSE(booked.resStatus.assigned());

    EXPECT_FALSE(Guest::decode(RecordBytes(528).text(394, "*", 20)).inHouse());
    EXPECT_TRUE(Guest::decode(RecordBytes(528).text(394, " *", 20)).inHouse());
    EXPECT_FALSE(ReservationKeys::decode(RecordBytes(538).text(400, "*", 20)).open());
    EXPECT_TRUE(ReservationKeys::decode(RecordBytes(538).text(400, " *", 20)).open());
}

TEST(OtherRecords, DirectBillInvoiceLineAndMessageLayouts) {
    DirectBillAccount account;
    account.accountName = "ACME", account.address = "2 MILL RD", account.city = "SPRINGFIELD";
    account.state = "ILLINOIS";  // two characters wide
    account.zip = "62701", account.phone = "555-0100", account.fax = "555-0101", account.cell = "555-0102";
    account.contact = "JANE DOE", account.accountNo = 4, account.balance = 12.5f;
    expectLayout(account, accountBytes("ACME", "2 MILL RD", 4, 12.5f));

    InvoiceLine line;
    line.roomNo = "101", line.postDate = kMay1st, line.invoiceNo = 5, line.amount = 7.8f;
    line.code = "T", line.description = "Tax", line.checkNo = "----";
    expectLayout(line, invoiceLineBytes("101", 5, 7.8f, "T", "Tax"));

    Message message;
    message.msgDate = kMay1st, message.msgTime = "11:05:32 AM", message.msgTo = "GUEST", message.msgFrom = "DESK";
    message.msgText = std::string(120, 'x');
    expectLayout(message, RecordBytes(235).date(0, kMay1).text(8, "11:05:32 AM", 15).text(23, "GUEST", 30)
                              .text(53, "DESK", 30).text(83, std::string(100, 'x'), 100));
}

TEST(TextFields, Windows1252OnDiskUtf8InMemoryAndOnlyTrailingBlanksAndZeroBytesArePadding) {
    Room room;
    room.comment = "Café ☕ €5";  // the cup has no Windows-1252 byte
    const Bytes bytes = room.encode();
    EXPECT_EQ(std::string(bytes.begin() + 38, bytes.begin() + 47), "Caf\xE9 ? \x80" "5");
    EXPECT_EQ(Room::decode(bytes).comment, "Café ? €5");
    EXPECT_EQ(fromCp1252(toCp1252("\xC3")), "?");  // a broken UTF-8 sequence

    const auto comment = [](const std::string& s) { return Room::decode(RecordBytes(148).at(38, Bytes(s.begin(), s.end()))).comment; };
    EXPECT_EQ(comment("A  B\t   xyz        "), "A  B\t   xyz");
    EXPECT_EQ(comment(std::string("12345678\0\0  ", 12)), "12345678");
    EXPECT_EQ(comment(std::string(" \0ABCDEFGHIJKLMNOPQ@", 20)), std::string(" \0ABCDEFGHIJKLMNOPQ@", 20));
    const Text blanks = comment(std::string(20, ' '));
    EXPECT_TRUE(blanks.assigned());
    EXPECT_TRUE(blanks.empty());
    EXPECT_FALSE(comment(std::string(20, '\0')).assigned());
}

TEST(NumberFields, IntegersAreTwoBytesLittleEndianAndDamagedDatesReadAsDayZero) {

    EXPECT_EQ(Room::decode(RecordBytes(148).date(15, 1e300)).enteredDate, Date());
    EXPECT_EQ(Room::decode(RecordBytes(148).date(15, 43586.75)).enteredDate, kMay1st);
    EXPECT_EQ(Room::decode(Bytes(10, 'x')).enteredDate, Date());  // a record cut short
    // Rewriting the record keeps a stored date it did not change, time of day and all.
    Room room = Room::decode(RecordBytes(148).date(15, 43586.75).date(23, 5e6));
    room.rate = 70;
    EXPECT_EQ(room.encode(), Bytes(RecordBytes(148).date(15, 43586.75).date(23, 5e6).single(34, 70)));
    room.enteredDate = Date::fromYmd(2019, 5, 2);
    EXPECT_EQ(room.encode(), Bytes(RecordBytes(148).date(15, 43587).date(23, 5e6).single(34, 70)));
}

}  // namespace
