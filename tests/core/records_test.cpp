// The record layouts against bytes written by hand at the documented offsets.
#include <gtest/gtest.h>

#include "core/records.h"
#include "support/files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

const double kMay1st2019 = 43586;  // days from 30 December 1899
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
    d.address = "1 MAIN ST";
    d.city = "SPRINGFIELD";
    d.state = "ILLINOIS";
    d.zip = "62701";
    d.phone = "555-0100";
    d.cell = "555-0199";
    d.comment = "LATE ARRIVAL";
    d.company = "ACME";
    d.cardNo = "4111111111111111";
    d.cardMonth = "January";
    d.cardYear = "2027";
    d.adults = "2";
    d.children = "1";
    d.roomNo = "101";
    d.payType = "C";
    d.arrivalTime = "11:05:32 AM";
    d.departTime = "10:00:00 AM";
    d.arrivalDate = kMay1st;
    d.departDate = kMay1st.plusDays(2);
    d.rate = 65;
    d.folioNo = 1234;
    d.email = "GUEST@EXAMPLE.COM";
}

RecordBytes detailsBytes(std::size_t length) {
    RecordBytes bytes(length);
    bytes.text(0, "A NAME THAT IS LONGER THAN THI", 30)
        .text(30, "1 MAIN ST", 30)
        .text(60, "SPRINGFIELD", 30)
        .text(90, "ILLINOIS", 20)
        .text(110, "62701", 15)
        .text(125, "555-0100", 15)
        .text(140, "555-0199", 15)
        .text(170, "LATE ARRIVAL", 40)
        .text(210, "ACME", 20)
        .text(230, "4111111111111111", 20)
        .text(250, "January", 10)
        .text(260, "2027", 10)
        .text(270, "2", 1)
        .text(271, "1", 1)
        .text(272, "101", 5)
        .text(281, "C", 1)
        .text(282, "11:05:32 AM", 15)
        .text(297, "10:00:00 AM", 15)
        .date(312, kMay1st2019)
        .date(320, kMay1st2019 + 2)
        .single(328, 65)
        .single(356, 1234)
        .text(360, "GUEST@EXAMPLE.COM", 30);
    return bytes;
}

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
    Room room;
    room.roomNo = "101";
    room.roomType = "NQ1";
    room.enteredDate = kMay1st;
    room.dueOutDate = kMay1st.plusDays(1);
    room.vacantFlag = "O";
    room.cleanFlag = "N";
    room.statusFlag = "K";
    room.rate = 65.5f;
    room.comment = "LEAKY TAP";
    expectLayout(room, bytes);

    const Room read = Room::decode(bytes);
    EXPECT_EQ(read.roomType, "NQ1");
    EXPECT_EQ(read.dueOutDate, Date::fromYmd(2019, 5, 2));
    EXPECT_TRUE(read.occupied());
    EXPECT_TRUE(read.dirty());
    EXPECT_FALSE(read.outOfOrder());
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

TEST(GuestRecord, KeyOnlyReadsOfStaysAndReservations) {
    const StayKeys stay = StayKeys::decode(detailsBytes(528).text(394, "*", 20).single(474, 7));
    EXPECT_EQ(stay.guestName, "A NAME THAT IS LONGER THAN THI");
    EXPECT_EQ(stay.roomNo, "101");
    EXPECT_EQ(stay.arrivalDate, kMay1st);
    EXPECT_EQ(stay.departDate, Date::fromYmd(2019, 5, 3));
    EXPECT_EQ(stay.folioNo, 1234);
    EXPECT_FALSE(stay.inHouse());

    const ReservationKeys booked = ReservationKeys::decode(detailsBytes(538).text(390, "17", 10).single(480, 3));
    EXPECT_EQ(booked.guestName, "A NAME THAT IS LONGER THAN THI");
    EXPECT_EQ(booked.roomNo, "101");
    EXPECT_EQ(booked.arrivalDate, kMay1st);
    EXPECT_EQ(booked.departDate, Date::fromYmd(2019, 5, 3));
    EXPECT_EQ(booked.confirmNo, "17");
    EXPECT_TRUE(booked.open());
    EXPECT_FALSE(booked.resStatus.assigned());
}

TEST(GuestRecord, ClosedOnlyWithAStarAfterTrailingBlanks) {
    EXPECT_FALSE(Guest::decode(RecordBytes(528).text(394, "*", 20)).inHouse());
    EXPECT_TRUE(Guest::decode(RecordBytes(528).text(394, " *", 20)).inHouse());
    EXPECT_FALSE(StayKeys::decode(RecordBytes(528).text(394, "*", 20)).inHouse());
    EXPECT_FALSE(ReservationKeys::decode(RecordBytes(538).text(400, "*", 20)).open());
    EXPECT_TRUE(ReservationKeys::decode(RecordBytes(538).text(400, " *", 20)).open());
}

TEST(OtherRecords, DirectBillInvoiceLineAndMessageLayouts) {
    DirectBillAccount account;
    account.accountName = "ACME";
    account.address = "2 MILL RD";
    account.city = "DAYTON";
    account.state = "TEXAS";  // two characters wide
    account.zip = "45402";
    account.phone = "555-0101";
    account.fax = "555-0102";
    account.cell = "555-0103";
    account.contact = "JOE";
    account.accountNo = 4;
    account.balance = 12.5f;
    expectLayout(account, RecordBytes(417)
                              .text(0, "ACME", 30)
                              .text(30, "2 MILL RD", 40)
                              .text(70, "DAYTON", 30)
                              .text(100, "TE", 2)
                              .text(102, "45402", 20)
                              .text(122, "555-0101", 15)
                              .text(137, "555-0102", 15)
                              .text(152, "555-0103", 15)
                              .text(167, "JOE", 30)
                              .single(197, 4)
                              .single(201, 12.5f));

    InvoiceLine line;
    line.roomNo = "101";
    line.postDate = kMay1st;
    line.invoiceNo = 5;
    line.amount = 7.8f;
    line.code = "T";
    line.description = "Tax";
    line.checkNo = "----";
    expectLayout(line, RecordBytes(185)
                           .text(0, "101", 5)
                           .date(5, kMay1st2019)
                           .single(13, 5)
                           .single(17, 7.8f)
                           .text(21, "T", 30)
                           .text(51, "Tax", 30)
                           .text(81, "----", 20));

    Message message;
    message.msgDate = kMay1st;
    message.msgTime = "11:05:32 AM";
    message.msgTo = "GUEST";
    message.msgFrom = "DESK";
    message.msgText = std::string(120, 'x');
    expectLayout(message, RecordBytes(235)
                              .date(0, kMay1st2019)
                              .text(8, "11:05:32 AM", 15)
                              .text(23, "GUEST", 30)
                              .text(53, "DESK", 30)
                              .text(83, std::string(100, 'x'), 100));
}

TEST(TextFields, Windows1252OnDiskUtf8InMemory) {
    Room room;
    room.comment = "Café ☕ €5";  // the cup has no Windows-1252 byte
    const Bytes bytes = room.encode();
    EXPECT_EQ(std::string(bytes.begin() + 38, bytes.begin() + 47), "Caf\xE9 ? \x80" "5");
    EXPECT_EQ(Room::decode(bytes).comment, "Café ? €5");
    EXPECT_EQ(fromCp1252(toCp1252("\xC3")), "?");  // a broken UTF-8 sequence
}

TEST(TextFields, OnlyTrailingBlanksAndZeroBytesArePadding) {
    const auto comment = [](const Bytes& piece) { return Room::decode(RecordBytes(148).at(38, piece)).comment; };
    const auto bytes = [](const std::string& s) { return Bytes(s.begin(), s.end()); };
    EXPECT_EQ(comment(bytes("A  B\t   xyz        ")), "A  B\t   xyz");
    EXPECT_EQ(comment(bytes(std::string("12345678\0\0  ", 12))), "12345678");
    EXPECT_EQ(comment(bytes(std::string(" \0ABCDEFGHIJKLMNOPQ@", 20))), std::string(" \0ABCDEFGHIJKLMNOPQ@", 20));
    const Text blanks = comment(bytes(std::string(20, ' ')));
    EXPECT_TRUE(blanks.assigned());
    EXPECT_TRUE(blanks.empty());
    EXPECT_FALSE(comment(Bytes(20, '\0')).assigned());
}

TEST(NumberFields, IntegersAreTwoBytesLittleEndian) {
    struct Sample {
        std::int16_t count = 0;
    };
    constexpr std::tuple kSampleFields{integerField(&Sample::count, 1)};
    Bytes bytes(4, '\0');
    encodeFields(kSampleFields, Sample{-2}, bytes);
    EXPECT_EQ(bytes, Bytes({'\0', '\xFE', '\xFF', '\0'}));
    Sample read;
    decodeFields(kSampleFields, Bytes({'\0', '\x34', '\x12', '\0'}), read);
    EXPECT_EQ(read.count, 0x1234);
}

TEST(DateFields, DamagedValuesReadAsDayZero) {
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
