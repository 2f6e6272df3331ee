#pragma once

#include <cstdint>
#include <tuple>

#include "core/codec.h"
#include "core/date.h"

// The record layouts of the data files. Each record type is followed by its layout: the
// table of its fields, reserved ones included, each with its offset and width, declared
// once; its decode and encode, and the key-only decodes of the long scans, are made from
// it. The bytes after the last field up to the record length are filler. Each record keeps
// the bytes it was read from, so reserved fields and filler are written back exactly as
// they were; a new record starts as zero bytes, a text field never assigned stays zero
// bytes, and a stored date is rewritten only when it changed.
namespace innvera {

// c:/motel/rooms: one record per room.
struct Room {
    static constexpr std::size_t kLength = 148;

    Text roomNo;
    Text roomType;
    Date enteredDate;
    Date dueOutDate;
    Text vacantFlag;   // "Y" vacant, "O" occupied
    Text cleanFlag;    // "Y" clean, "N" dirty
    Text statusFlag;   // "K" in service, "X" out of order
    float rate = 0;
    Text comment;

    bool occupied() const { return vacantFlag == "O"; }
    bool vacant() const { return vacantFlag == "Y"; }
    bool dirty() const { return cleanFlag == "N"; }
    bool outOfOrder() const { return statusFlag == "X"; }
    // A record of zero bytes (a file stretched by a damaged write) is no room.
    bool blank() const { return !roomNo.assigned() && !roomType.assigned() && !vacantFlag.assigned() && rate == 0; }

    Bytes raw = Bytes(kLength, '\0');
    static Room decode(const Bytes& bytes);
    Bytes encode() const;
};

inline constexpr std::tuple kRoomFields{
    textField(&Room::roomNo, 0, 5),
    textField(&Room::roomType, 5, 10),
    dateField(&Room::enteredDate, 15),
    dateField(&Room::dueOutDate, 23),
    textField(&Room::vacantFlag, 31, 1),
    textField(&Room::cleanFlag, 32, 1),
    textField(&Room::statusFlag, 33, 1),
    singleField(&Room::rate, 34),
    textField(&Room::comment, 38, 20),
    reservedField(58, 20),
    reservedField(78, 20),
    reservedField(98, 2),
    reservedField(100, 2),
    reservedField(102, 2),
    reservedField(104, 2),
};
static_assert(tilesRecord(kRoomFields, 106, Room::kLength));

// The fields a stay and a reservation share, at the same offsets (0 to 389).
struct GuestDetails {
    Text guestName;
    Text address;
    Text city;
    Text state;
    Text zip;
    Text phone;
    Text cell;
    Text comment;
    Text company;
    Text cardNo;
    Text cardMonth;
    Text cardYear;
    Text adults;
    Text children;
    Text roomNo;
    Text payType;
    Text arrivalTime;
    Text departTime;
    Date arrivalDate;
    Date departDate;
    float rate = 0;
    float folioNo = 0;
    Text email;
};

inline constexpr std::tuple kGuestDetailsFields{
    textField(&GuestDetails::guestName, 0, 30),
    textField(&GuestDetails::address, 30, 30),
    textField(&GuestDetails::city, 60, 30),
    textField(&GuestDetails::state, 90, 20),
    textField(&GuestDetails::zip, 110, 15),
    textField(&GuestDetails::phone, 125, 15),
    textField(&GuestDetails::cell, 140, 15),
    reservedField(155, 15),
    textField(&GuestDetails::comment, 170, 40),
    textField(&GuestDetails::company, 210, 20),
    textField(&GuestDetails::cardNo, 230, 20),
    textField(&GuestDetails::cardMonth, 250, 10),
    textField(&GuestDetails::cardYear, 260, 10),
    textField(&GuestDetails::adults, 270, 1),
    textField(&GuestDetails::children, 271, 1),
    textField(&GuestDetails::roomNo, 272, 5),
    reservedField(277, 4),
    textField(&GuestDetails::payType, 281, 1),
    textField(&GuestDetails::arrivalTime, 282, 15),
    textField(&GuestDetails::departTime, 297, 15),
    dateField(&GuestDetails::arrivalDate, 312),
    dateField(&GuestDetails::departDate, 320),
    singleField(&GuestDetails::rate, 328),
    reservedField(332, 4),
    reservedField(336, 20),
    singleField(&GuestDetails::folioNo, 356),
    textField(&GuestDetails::email, 360, 30),
};
static_assert(tilesRecord(kGuestDetailsFields, 390, 390));

// c:/motel/guest: one record per stay.
struct Guest : GuestDetails {
    static constexpr std::size_t kLength = 528;

    Text stayStatus;   // "*" checked out
    float directBillNo = 0;
    float messageFlag = 0;

    bool inHouse() const { return stayStatus.str() != "*"; }
    // A record of zero bytes is no stay.
    bool blank() const { return !guestName.assigned() && !roomNo.assigned() && folioNo == 0 && !stayStatus.assigned(); }

    Bytes raw = Bytes(kLength, '\0');
    static Guest decode(const Bytes& bytes);
    Bytes encode() const;
};

inline constexpr auto kGuestFields = std::tuple_cat(kGuestDetailsFields, std::tuple{
    reservedField(390, 4),
    textField(&Guest::stayStatus, 394, 20),
    reservedField(414, 20),
    reservedField(434, 20),
    reservedField(454, 20),
    singleField(&Guest::directBillNo, 474),
    singleField(&Guest::messageFlag, 478),
    reservedField(482, 4),
});
static_assert(tilesRecord(kGuestFields, 486, Guest::kLength));

// c:/motel/reservation: one record per reservation.
struct Reservation : GuestDetails {
    static constexpr std::size_t kLength = 538;

    Text confirmNo;
    Text resStatus;    // "*" closed
    float directBillNo = 0;

    bool open() const { return resStatus.str() != "*"; }
    // A record of zero bytes is no reservation.
    bool blank() const { return !guestName.assigned() && !roomNo.assigned() && !confirmNo.assigned() && !resStatus.assigned(); }

    Bytes raw = Bytes(kLength, '\0');
    static Reservation decode(const Bytes& bytes);
    Bytes encode() const;
};

inline constexpr auto kReservationFields = std::tuple_cat(kGuestDetailsFields, std::tuple{
    textField(&Reservation::confirmNo, 390, 10),
    textField(&Reservation::resStatus, 400, 20),
    reservedField(420, 20),
    reservedField(440, 20),
    reservedField(460, 20),
    singleField(&Reservation::directBillNo, 480),
    reservedField(484, 4),
    reservedField(488, 4),
});
static_assert(tilesRecord(kReservationFields, 492, Reservation::kLength));

// The fields of a reservation that the scans of the reservation file look at (the day's
// arrivals, the rooms booked over a stay, finding a reservation by its confirmation
// number), read without the rest. Read only; the whole record is a Reservation.
struct ReservationKeys {
    static constexpr std::size_t kLength = Reservation::kLength;

    Text guestName;
    Text roomNo;
    Date arrivalDate;
    Date departDate;
    Text confirmNo;
    Text resStatus;

    bool open() const { return resStatus.str() != "*"; }
    // A record of zero bytes is no reservation.
    bool blank() const { return !guestName.assigned() && !roomNo.assigned() && !confirmNo.assigned() && !resStatus.assigned(); }
    static ReservationKeys decode(const Bytes& bytes);
};

inline constexpr std::tuple kReservationKeyFields{
    keyField(kReservationFields, &Reservation::guestName, &ReservationKeys::guestName),
    keyField(kReservationFields, &Reservation::roomNo, &ReservationKeys::roomNo),
    keyField(kReservationFields, &Reservation::arrivalDate, &ReservationKeys::arrivalDate),
    keyField(kReservationFields, &Reservation::departDate, &ReservationKeys::departDate),
    keyField(kReservationFields, &Reservation::confirmNo, &ReservationKeys::confirmNo),
    keyField(kReservationFields, &Reservation::resStatus, &ReservationKeys::resStatus),
};

// c:/motel/directbill: one record per direct-bill account.
struct DirectBillAccount {
    static constexpr std::size_t kLength = 417;

    Text accountName;
    Text address;
    Text city;
    Text state;
    Text zip;
    Text phone;
    Text fax;
    Text cell;
    Text contact;
    float accountNo = 0;
    float balance = 0;

    Bytes raw = Bytes(kLength, '\0');
    static DirectBillAccount decode(const Bytes& bytes);
    Bytes encode() const;
};

inline constexpr std::tuple kDirectBillAccountFields{
    textField(&DirectBillAccount::accountName, 0, 30),
    textField(&DirectBillAccount::address, 30, 40),
    textField(&DirectBillAccount::city, 70, 30),
    textField(&DirectBillAccount::state, 100, 2),
    textField(&DirectBillAccount::zip, 102, 20),
    textField(&DirectBillAccount::phone, 122, 15),
    textField(&DirectBillAccount::fax, 137, 15),
    textField(&DirectBillAccount::cell, 152, 15),
    textField(&DirectBillAccount::contact, 167, 30),
    singleField(&DirectBillAccount::accountNo, 197),
    singleField(&DirectBillAccount::balance, 201),
    reservedField(205, 40),
    reservedField(245, 40),
    reservedField(285, 40),
    reservedField(325, 40),
    reservedField(365, 4),
    reservedField(369, 4),
    reservedField(373, 4),
    reservedField(377, 4),
};
static_assert(tilesRecord(kDirectBillAccountFields, 381, DirectBillAccount::kLength));

// One line of a direct-bill invoice file.
struct InvoiceLine {
    static constexpr std::size_t kLength = 185;

    Text roomNo;
    Date postDate;
    float invoiceNo = 0;
    float amount = 0;
    Text code;
    Text description;
    Text checkNo;

    Bytes raw = Bytes(kLength, '\0');
    static InvoiceLine decode(const Bytes& bytes);
    Bytes encode() const;
};

inline constexpr std::tuple kInvoiceLineFields{
    textField(&InvoiceLine::roomNo, 0, 5),
    dateField(&InvoiceLine::postDate, 5),
    singleField(&InvoiceLine::invoiceNo, 13),
    singleField(&InvoiceLine::amount, 17),
    textField(&InvoiceLine::code, 21, 30),
    textField(&InvoiceLine::description, 51, 30),
    textField(&InvoiceLine::checkNo, 81, 20),
    reservedField(101, 20),
    reservedField(121, 20),
    reservedField(141, 4),
    reservedField(145, 4),
    reservedField(149, 4),
};
static_assert(tilesRecord(kInvoiceLineFields, 153, InvoiceLine::kLength));

// Record 1 of a stay's message file.
struct Message {
    static constexpr std::size_t kLength = 235;

    Date msgDate;
    Text msgTime;
    Text msgTo;
    Text msgFrom;
    Text msgText;

    Bytes raw = Bytes(kLength, '\0');
    static Message decode(const Bytes& bytes);
    Bytes encode() const;
};

inline constexpr std::tuple kMessageFields{
    dateField(&Message::msgDate, 0),
    textField(&Message::msgTime, 8, 15),
    textField(&Message::msgTo, 23, 30),
    textField(&Message::msgFrom, 53, 30),
    textField(&Message::msgText, 83, 100),
    reservedField(183, 4),
    reservedField(187, 4),
    reservedField(191, 30),
};
static_assert(tilesRecord(kMessageFields, 221, Message::kLength));

// Record 1 of a counter file (tax rate, folio, confirmation and account counters, the
// print-folio and welcome options): one Single, the other six bytes kept as read.
struct Counter {
    static constexpr std::size_t kLength = 10;

    float value = 0;

    Bytes raw = Bytes(kLength, '\0');
    static Counter decode(const Bytes& bytes);
    Bytes encode() const;
};

inline constexpr std::tuple kCounterFields{singleField(&Counter::value, 0)};
static_assert(tilesRecord(kCounterFields, 4, Counter::kLength));

// A record read through its layout, keeping the bytes it was read from.
template <class R, class Layout>
R decodeRecord(const Layout& layout, const Bytes& bytes) {
    R record;
    record.raw = bytes;
    decodeFields(layout, bytes, record);
    return record;
}

// A record's bytes: those it was read from (zero bytes for a new one) with its fields
// written over them.
template <class R, class Layout>
Bytes encodeRecord(const Layout& layout, const R& record) {
    Bytes bytes = record.raw;
    bytes.resize(R::kLength, '\0');
    encodeFields(layout, record, bytes);
    return bytes;
}

// Record 1 of a flag file: a block read and written whole whose first Single is the flag.
// c:/motel/datedone has records of 20 bytes with a 12-byte block, c:/motel/dateaudit
// records of 40 bytes with a 16-byte block.
template <std::size_t RecordLength, std::size_t BlockLength>
struct FlagRecord {
    static constexpr std::size_t kLength = RecordLength;
    static constexpr std::size_t kBlock = BlockLength;

    float flag = 0;

    Bytes raw = Bytes(kLength, '\0');
    static FlagRecord decode(const Bytes& bytes);
    Bytes encode() const;
};

template <std::size_t RecordLength, std::size_t BlockLength>
inline constexpr std::tuple kFlagFields{singleField(&FlagRecord<RecordLength, BlockLength>::flag, 0)};

template <std::size_t RecordLength, std::size_t BlockLength>
FlagRecord<RecordLength, BlockLength> FlagRecord<RecordLength, BlockLength>::decode(const Bytes& bytes) {
    return decodeRecord<FlagRecord>(kFlagFields<RecordLength, BlockLength>, bytes);
}

template <std::size_t RecordLength, std::size_t BlockLength>
Bytes FlagRecord<RecordLength, BlockLength>::encode() const {
    return encodeRecord(kFlagFields<RecordLength, BlockLength>, *this);
}

using SetBackFlagRecord = FlagRecord<20, 12>;

// Record 1 of c:/motel/dateaudit: the end-of-day-done flag heads a 16-byte block read and written
// whole. After the block, at offset 16, the end-of-day run also keeps the day it closed, so that
// a flag left set by a night long past (the program was not running in the afternoon that would
// have cleared it) never passes for last night's. A program that reads and writes only the block
// leaves it alone; a record that never got it holds zero bytes there: no day.
struct EndOfDayFlagRecord {
    static constexpr std::size_t kLength = 40;
    static constexpr std::size_t kBlock = 16;

    float flag = 0;
    Date closedDay;  // the hotel date the run that set the flag closed; day 0 when not known

    Bytes raw = Bytes(kLength, '\0');
    static EndOfDayFlagRecord decode(const Bytes& bytes);
    Bytes encode() const;
};

inline constexpr std::tuple kEndOfDayFlagFields{
    singleField(&EndOfDayFlagRecord::flag, 0),
    reservedField(4, 12),
    dateField(&EndOfDayFlagRecord::closedDay, 16),
};
static_assert(tilesRecord(kEndOfDayFlagFields, 24, EndOfDayFlagRecord::kLength));

}  // namespace innvera
