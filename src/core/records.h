#pragma once

#include <cstdint>

#include "core/codec.h"
#include "core/date.h"

// The record layouts of the data files. Each record keeps the bytes it was read from, so
// reserved fields and filler are written back exactly as they were; a new record starts
// as zero bytes, and a text field never assigned stays zero bytes.
namespace innvera {

// c:/motel/rooms: one record per room.
struct Room {
    static constexpr std::size_t kLength = 148;

    Text roomNo;       // 5
    Text roomType;     // 10
    Date enteredDate;
    Date dueOutDate;
    Text vacantFlag;   // "Y" vacant, "O" occupied
    Text cleanFlag;    // "Y" clean, "N" dirty
    Text statusFlag;   // "K" in service, "X" out of order
    float rate = 0;
    Text comment;      // 20

    bool occupied() const { return vacantFlag == "O"; }
    bool vacant() const { return vacantFlag == "Y"; }
    bool dirty() const { return cleanFlag == "N"; }
    bool outOfOrder() const { return statusFlag == "X"; }

    Bytes raw = Bytes(kLength, '\0');
    static Room decode(const Bytes& bytes);
    Bytes encode() const;
};

// The fields a stay and a reservation share, at the same offsets (0 to 389).
struct GuestDetails {
    Text guestName;    // 30
    Text address;      // 30
    Text city;         // 30
    Text state;        // 20
    Text zip;          // 15
    Text phone;        // 15
    Text cell;         // 15
    Text comment;      // 40
    Text company;      // 20
    Text cardNo;       // 20
    Text cardMonth;    // 10
    Text cardYear;     // 10
    Text adults;       // 1
    Text children;     // 1
    Text roomNo;       // 5
    Text payType;      // 1
    Text arrivalTime;  // 15
    Text departTime;   // 15
    Date arrivalDate;
    Date departDate;
    float rate = 0;
    float folioNo = 0;
    Text email;        // 30

    void decodeDetails(const Bytes& bytes);
    void encodeDetails(Bytes& bytes) const;
};

// c:/motel/guest: one record per stay.
struct Guest : GuestDetails {
    static constexpr std::size_t kLength = 528;

    Text stayStatus;   // "*" checked out
    float directBillNo = 0;
    float messageFlag = 0;

    bool inHouse() const { return stayStatus.str() != "*"; }

    Bytes raw = Bytes(kLength, '\0');
    static Guest decode(const Bytes& bytes);
    Bytes encode() const;
};

// The few fields of a stay that the long scans of the guest file look at (the day's
// lists and counts, finding a stay by its folio number), read without the rest: a guest
// file holds every stay of many years. Read only; the whole record is a Guest.
struct StayKeys {
    static constexpr std::size_t kLength = Guest::kLength;

    Text guestName;
    Text roomNo;
    Date departDate;
    float folioNo = 0;
    Text stayStatus;

    bool inHouse() const { return stayStatus.str() != "*"; }
    static StayKeys decode(const Bytes& bytes);
};

// c:/motel/reservation: one record per reservation.
struct Reservation : GuestDetails {
    static constexpr std::size_t kLength = 538;

    Text confirmNo;    // 10
    Text resStatus;    // "*" closed
    float directBillNo = 0;

    bool open() const { return resStatus.str() != "*"; }

    Bytes raw = Bytes(kLength, '\0');
    static Reservation decode(const Bytes& bytes);
    Bytes encode() const;
};

// c:/motel/directbill: one record per direct-bill account.
struct DirectBillAccount {
    static constexpr std::size_t kLength = 417;

    Text accountName;  // 30
    Text address;      // 40
    Text city;         // 30
    Text state;        // 2
    Text zip;          // 20
    Text phone;        // 15
    Text fax;          // 15
    Text cell;         // 15
    Text contact;      // 30
    float accountNo = 0;
    float balance = 0;

    Bytes raw = Bytes(kLength, '\0');
    static DirectBillAccount decode(const Bytes& bytes);
    Bytes encode() const;
};

// One line of a direct-bill invoice file.
struct InvoiceLine {
    static constexpr std::size_t kLength = 185;

    Text roomNo;       // 5
    Date postDate;
    float invoiceNo = 0;
    float amount = 0;
    Text code;         // 30
    Text description;  // 30
    Text checkNo;      // 20

    Bytes raw = Bytes(kLength, '\0');
    static InvoiceLine decode(const Bytes& bytes);
    Bytes encode() const;
};

// Record 1 of a stay's message file.
struct Message {
    static constexpr std::size_t kLength = 235;

    Date msgDate;
    Text msgTime;      // 15
    Text msgTo;        // 30
    Text msgFrom;      // 30
    Text msgText;      // 100

    Bytes raw = Bytes(kLength, '\0');
    static Message decode(const Bytes& bytes);
    Bytes encode() const;
};

// Record 1 of a counter file (tax rate, folio, confirmation and account counters, the
// print-folio and welcome options): one Single, the other six bytes kept as read.
struct Counter {
    static constexpr std::size_t kLength = 10;

    float value = 0;

    Bytes raw = Bytes(kLength, '\0');
    static Counter decode(const Bytes& bytes);
    Bytes encode() const;
};

// Record 1 of a flag file: a block read and written whole whose first Single is the flag.
// c:/motel/datedone has records of 20 bytes with a 12-byte block, c:/motel/dateaudit
// records of 40 bytes with a 16-byte block.
template <std::size_t RecordLength, std::size_t BlockLength>
struct FlagRecord {
    static constexpr std::size_t kLength = RecordLength;
    static constexpr std::size_t kBlock = BlockLength;

    float flag = 0;

    Bytes raw = Bytes(kLength, '\0');
    static FlagRecord decode(const Bytes& bytes) {
        FlagRecord r;
        r.raw = bytes;
        r.flag = getSingle(bytes, 0);
        return r;
    }
    Bytes encode() const {
        Bytes bytes = raw;
        putSingle(bytes, 0, flag);
        return bytes;
    }
};
using SetBackFlagRecord = FlagRecord<20, 12>;
using EndOfDayFlagRecord = FlagRecord<40, 16>;

}  // namespace innvera
