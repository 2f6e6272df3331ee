// The record layouts against bytes written by hand at the documented offsets.
#include <gtest/gtest.h>

#include "core/records.h"
#include "support/files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const double kMay1st2019 = 43586;  // days from 30 December 1899

TEST(RoomRecord, ReadsAndWritesEveryFieldAtItsOffset) {
    const Bytes bytes = RecordBytes(148)
                            .text(0, "101", 5)
                            .text(5, "NQ1", 10)
                            .date(15, kMay1st2019)
                            .date(23, kMay1st2019 + 1)
                            .text(31, "O", 1)
                            .text(32, "N", 1)
                            .text(33, "K", 1)
                            .single(34, 65.5f)
                            .text(38, "LEAKY TAP", 20);
    const Room room = Room::decode(bytes);
    EXPECT_EQ(room.roomNo, "101");
    EXPECT_EQ(room.roomType, "NQ1");
    EXPECT_EQ(room.enteredDate, Date::fromYmd(2019, 5, 1));
    EXPECT_EQ(room.dueOutDate, Date::fromYmd(2019, 5, 2));
    EXPECT_TRUE(room.occupied());
    EXPECT_TRUE(room.dirty());
    EXPECT_FALSE(room.outOfOrder());
    EXPECT_FLOAT_EQ(room.rate, 65.5f);
    EXPECT_EQ(room.comment, "LEAKY TAP");

    Room fresh;
    fresh.roomNo = "101";
    fresh.roomType = "NQ1";
    fresh.enteredDate = Date::fromYmd(2019, 5, 1);
    fresh.dueOutDate = Date::fromYmd(2019, 5, 2);
    fresh.vacantFlag = "O";
    fresh.cleanFlag = "N";
    fresh.statusFlag = "K";
    fresh.rate = 65.5f;
    fresh.comment = "LEAKY TAP";
    EXPECT_EQ(fresh.encode(), bytes);
}

TEST(RoomRecord, NeverAssignedTextsStayZeroBytesAndUnknownBytesSurvive) {
    Room room;
    room.roomNo = "102";
    Bytes expected = RecordBytes(148).text(0, "102", 5);
    EXPECT_EQ(room.encode(), expected);  // type, flags and comment never assigned: zeros

    Bytes stored = expected;
    stored[60] = 'Z';    // a reserved field someone else wrote
    stored[140] = '\x7';  // filler
    Room read = Room::decode(stored);
    read.rate = 70;
    Bytes written = read.encode();
    EXPECT_EQ(written[60], 'Z');
    EXPECT_EQ(written[140], '\x7');
}

TEST(GuestRecord, SharesItsFirstFieldsWithTheReservationAndKeepsItsOwnTail) {
    Guest guest;
    guest.guestName = "A NAME THAT IS LONGER THAN THIRTY CHARS";  // 39 characters
    guest.roomNo = "101";
    guest.payType = "C";
    guest.arrivalDate = Date::fromYmd(2019, 5, 1);
    guest.departDate = Date::fromYmd(2019, 5, 3);
    guest.rate = 65;
    guest.folioNo = 1234;
    guest.directBillNo = 7;
    guest.messageFlag = 1;
    const Bytes expected = RecordBytes(528)
                               .text(0, "A NAME THAT IS LONGER THAN THI", 30)
                               .text(272, "101", 5)
                               .text(281, "C", 1)
                               .date(312, kMay1st2019)
                               .date(320, kMay1st2019 + 2)
                               .single(328, 65)
                               .single(356, 1234)
                               .single(474, 7)
                               .single(478, 1);
    EXPECT_EQ(guest.encode(), expected);
    const Guest read = Guest::decode(expected);
    EXPECT_EQ(read.guestName, "A NAME THAT IS LONGER THAN THI");
    EXPECT_TRUE(read.inHouse());
    EXPECT_FALSE(read.stayStatus.assigned());

    Reservation reservation;
    reservation.guestName = "SMITH";
    reservation.confirmNo = "17";
    reservation.resStatus = "*";
    reservation.directBillNo = 3;
    const Bytes reservationBytes =
        RecordBytes(538).text(0, "SMITH", 30).text(390, "17", 10).text(400, "*", 20).single(480, 3);
    EXPECT_EQ(reservation.encode(), reservationBytes);
    EXPECT_FALSE(Reservation::decode(reservationBytes).open());
}

TEST(GuestRecord, CheckedOutOnlyWithAStarAfterTrailingBlanks) {
    EXPECT_FALSE(Guest::decode(RecordBytes(528).text(394, "*", 20)).inHouse());
    EXPECT_TRUE(Guest::decode(RecordBytes(528).text(394, " *", 20)).inHouse());
}

TEST(OtherRecords, DirectBillInvoiceLineAndMessageLayouts) {
    DirectBillAccount account;
    account.accountName = "ACME";
    account.state = "TEXAS";  // two characters wide
    account.contact = "JOE";
    account.accountNo = 4;
    account.balance = 12.5f;
    EXPECT_EQ(account.encode(), Bytes(RecordBytes(417)
                                          .text(0, "ACME", 30)
                                          .text(100, "TE", 2)
                                          .text(167, "JOE", 30)
                                          .single(197, 4)
                                          .single(201, 12.5f)));

    InvoiceLine line;
    line.roomNo = "101";
    line.postDate = Date::fromYmd(2019, 5, 1);
    line.invoiceNo = 5;
    line.amount = 7.8f;
    line.code = "T";
    line.description = "Tax";
    line.checkNo = "----";
    EXPECT_EQ(line.encode(), Bytes(RecordBytes(185)
                                       .text(0, "101", 5)
                                       .date(5, kMay1st2019)
                                       .single(13, 5)
                                       .single(17, 7.8f)
                                       .text(21, "T", 30)
                                       .text(51, "Tax", 30)
                                       .text(81, "----", 20)));

    Message message;
    message.msgDate = Date::fromYmd(2019, 5, 1);
    message.msgTime = "11:05:32 AM";
    message.msgTo = "GUEST";
    message.msgFrom = "DESK";
    message.msgText = std::string(120, 'x');
    EXPECT_EQ(message.encode(), Bytes(RecordBytes(235)
                                          .date(0, kMay1st2019)
                                          .text(8, "11:05:32 AM", 15)
                                          .text(23, "GUEST", 30)
                                          .text(53, "DESK", 30)
                                          .text(83, std::string(100, 'x'), 100)));
}

TEST(TextFields, Windows1252OnDiskUtf8InMemory) {
    Room room;
    room.comment = "Café ☕ €5";  // the cup has no Windows-1252 byte
    const Bytes bytes = room.encode();
    EXPECT_EQ(std::string(bytes.begin() + 38, bytes.begin() + 47), "Caf\xE9 ? \x80" "5");
    EXPECT_EQ(Room::decode(bytes).comment, "Café ? €5");
    EXPECT_EQ(fromCp1252(toCp1252("\xC3")), "?");  // a broken UTF-8 sequence
}

TEST(DateFields, DamagedValuesReadAsDayZero) {
    EXPECT_EQ(Room::decode(RecordBytes(148).date(15, 1e300)).enteredDate, Date());
    EXPECT_EQ(Room::decode(RecordBytes(148).date(15, 43586.75)).enteredDate, Date::fromYmd(2019, 5, 1));
    EXPECT_EQ(Room::decode(Bytes(10, 'x')).enteredDate, Date());  // a record cut short

    // Rewriting the record keeps a stored date it did not change, time of day and all.
    Room room = Room::decode(RecordBytes(148).date(15, 43586.75).date(23, 5e6));
    room.rate = 70;
    EXPECT_EQ(room.encode(), Bytes(RecordBytes(148).date(15, 43586.75).date(23, 5e6).single(34, 70)));
    room.enteredDate = Date::fromYmd(2019, 5, 2);
    EXPECT_EQ(room.encode(), Bytes(RecordBytes(148).date(15, 43587).date(23, 5e6).single(34, 70)));
}

}  // namespace
