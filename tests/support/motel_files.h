#pragma once

// Small builders for the data files tests start from: rooms, reservations, accounts.

#include <optional>
#include <string>
#include <tuple>

#include "core/counters.h"
#include "core/records.h"
#include "core/record_file.h"
#include "support/files.h"

namespace innvera::testing {

// A data directory of its own in a fresh temporary folder, its folders made.
struct MotelFolder {
    MotelFolder() { dataDir.createFolders(); }
    std::filesystem::path path(const std::string& name) const { return folder.path() / name; }

    TempFolder folder;
    DataDir dataDir{folder.path()};
};

inline void addRoom(DataDir& dir, const char* roomNo, const char* type, float rate, const char* vacant = "Y",
                    const char* clean = "Y", const char* status = "K") {
    Room room;
    room.roomNo = roomNo;
    room.roomType = type;
    room.rate = rate;
    room.vacantFlag = vacant;
    room.cleanFlag = clean;
    room.statusFlag = status;
    RecordFile<Room>(dir, dir.rooms()).append(room);
}

inline void addReservation(DataDir& dir, const char* roomNo, Date arrival, const char* status = "") {
    Reservation r;
    r.guestName = "BOOKED GUEST";
    r.roomNo = roomNo;
    r.arrivalDate = arrival;
    r.departDate = arrival.plusDays(1);
    if (*status) r.resStatus = status;
    RecordFile<Reservation>(dir, dir.reservations()).append(r);
}

// A reservation as "Add Reservation" writes one, for two adults paying cash; status "*" closes it.
inline void putReservation(DataDir& dir, const char* confirmNo, const char* roomNo, const char* name, Date arrival,
                           Date depart, float rate = 59, const char* status = "") {
    Reservation r;
    r.guestName = name;
    r.address = "1 MAIN ST";
    r.city = "SPRINGFIELD";
    r.state = "IL";
    r.zip = "62701";
    r.phone = "555-0100";
    r.cell = "";
    r.comment = "";
    r.company = "";
    r.cardNo = "";
    r.cardMonth = "March";
    r.cardYear = "2027";
    r.adults = "2";
    r.children = "0";
    r.roomNo = roomNo;
    r.payType = "C";
    r.arrivalDate = arrival;
    r.departDate = depart;
    r.rate = rate;
    r.confirmNo = confirmNo;
    if (*status) r.resStatus = status;
    RecordFile<Reservation>(dir, dir.reservations()).append(r);
}

inline void addAccount(DataDir& dir, const char* name, float accountNo) {
    DirectBillAccount a;
    a.accountName = name;
    a.accountNo = accountNo;
    RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).append(a);
}

// 1 May 2019 is day 43586 of the data files.
inline Date may(int day) { return Date::fromYmd(2019, 5, day); }


inline void putRoom(DataDir& dir, const char* roomNo, const char* type, const char* vacant = "Y",
                    const char* clean = "Y", const char* status = "K") {
    addRoom(dir, roomNo, type, 65, vacant, clean, status);
}

// A stay from 1 May at 65 a night; status "*" makes it checked out.
inline void putGuest(DataDir& dir, const char* roomNo, float folioNo, const char* name, Date depart,
                     float directBillNo = 0, float messageFlag = 0, const char* status = "") {
    Guest g;
    g.guestName = name;
    g.city = "SPRINGFIELD";
    g.phone = "555-0100";
    g.cardMonth = "May";
    g.adults = "2";
    g.roomNo = roomNo;
    g.arrivalTime = "10:00:00 AM";
    g.arrivalDate = may(1);
    g.departDate = depart;
    g.rate = 65;
    g.folioNo = folioNo;
    g.directBillNo = directBillNo;
    g.messageFlag = messageFlag;
    if (*status) g.stayStatus = status;
    RecordFile<Guest>(dir, dir.guests()).append(g);
}

// Changes record n of a record file in place: changeRecord<Guest>(dir, dir.guests(), 3, ...).
template <class R, class Change>
void changeRecord(DataDir& dir, const std::filesystem::path& file, std::uint64_t n, Change change) {
    RecordFile<R> records(dir, file);
    R record = records.read(n);
    change(record);
    records.write(n, record);
}

// A checked-out stay (or one in house, with an empty status) from `arrival` to `depart` at 65
// a night, left at 11:05:32 AM.
inline void putPastGuest(DataDir& dir, const char* roomNo, float folioNo, const char* name, Date arrival, Date depart,
                         float directBillNo = 0, const char* status = "*") {
    putGuest(dir, roomNo, folioNo, name, depart, directBillNo, 0, status);
    changeRecord<Guest>(dir, dir.guests(), RecordFile<Guest>(dir, dir.guests()).count(), [&](Guest& g) {
        g.arrivalDate = arrival;
        g.departTime = "11:05:32 AM";
    });
}

// Room record n's VacantFlag and CleanFlag: "YN" is vacant and dirty.
inline std::string roomFlags(DataDir& dir, std::uint64_t n) {
    const Room room = RecordFile<Room>(dir, dir.rooms()).read(n);
    return room.vacantFlag.str() + room.cleanFlag.str();
}
inline Guest guestAt(DataDir& dir, std::uint64_t n) { return RecordFile<Guest>(dir, dir.guests()).read(n); }

// `width` bytes at `offset` of guest record n (528 bytes each) as stored.
inline Bytes guestBytes(const DataDir& dir, std::uint64_t n, std::size_t offset, std::size_t width) {
    const Bytes all = readBytes(dir.guests());
    const auto start = all.begin() + static_cast<std::ptrdiff_t>((n - 1) * 528 + offset);
    return Bytes(start, start + static_cast<std::ptrdiff_t>(width));
}

// A folio line of 1 May 2019 as written, CR LF included.
inline std::string folioText(const char* room, const char* code, const char* description, const char* amount,
                             const char* folio) {
    return std::string("\"") + room + "\",\"A\",#2019-05-01#,\"" + code + "\",\"" + description + "\"," + amount +
           ",," + folio + ",\"-----\",\"-----\",\"-----\"\r\n";
}

// A totals record: the Singles at their slots, zeros elsewhere.
inline Bytes totalsBytes(std::initializer_list<std::pair<int, float>> values) {
    RecordBytes record(190);
    for (auto [slot, value] : values) record.single(4 * static_cast<std::size_t>(slot), value);
    return record.bytes();
}

// ---- Records written by hand at their offsets ------------------------------------------------

inline constexpr double kMay1 = 43586;  // 1 May 2019 as the files store it

// Record 1 of a counter file (10 bytes) or of a flag file (20 or 40 bytes) holding `value`.
inline Bytes counterBytes(float value, std::size_t length = 10) { return RecordBytes(length).single(0, value); }

// A room record: `flags` are its vacant, clean and status letters.
inline Bytes roomBytes(const std::string& no, const std::string& type, const std::string& flags = "YYK", float rate = 0,
                       const std::string& comment = "", double entered = kMay1) {
    RecordBytes r(148);
    r.text(0, no, 5).text(5, type, 10).date(15, entered).date(23, entered).text(31, flags, 3).single(34, rate);
    if (!comment.empty()) r.text(38, comment, 20);
    return r;
}

// The record with `text` written over its bytes at `offset`.
inline Bytes patched(const Bytes& record, std::size_t offset, const std::string& text) {
    return RecordBytes(record.size()).at(0, record).text(offset, text, text.size());
}

// The particulars a stay and a reservation share. A text left out stays zero bytes, as in a
// field never written; "" is written as blanks.
struct Particulars {
    std::optional<std::string> name{}, address{}, city{}, state{}, zip{}, phone{}, cell{}, comment{}, company{}, cardNo{},
        cardMonth{}, cardYear{}, adults{}, children{}, room{}, payType{}, arrivalTime{}, departTime{};
    double arrival = 0, depart = 0;
    float rate = 0, folioNo = 0;
    std::optional<std::string> email{};
};
// A guest (528 bytes) or reservation (538) record holding the particulars at their offsets.
inline RecordBytes particularsBytes(std::size_t length, const Particulars& p) {
    RecordBytes r(length);
    const std::tuple<const std::optional<std::string>&, std::size_t, std::size_t> texts[] = {
        {p.name, 0, 30},        {p.address, 30, 30},      {p.city, 60, 30},       {p.state, 90, 20},
        {p.zip, 110, 15},       {p.phone, 125, 15},       {p.cell, 140, 15},      {p.comment, 170, 40},
        {p.company, 210, 20},   {p.cardNo, 230, 20},      {p.cardMonth, 250, 10}, {p.cardYear, 260, 10},
        {p.adults, 270, 1},     {p.children, 271, 1},     {p.room, 272, 5},       {p.payType, 281, 1},
        {p.arrivalTime, 282, 15}, {p.departTime, 297, 15}, {p.email, 360, 30}};
    for (const auto& [text, offset, width] : texts)
        if (text) r.text(offset, *text, width);
    return r.date(312, p.arrival).date(320, p.depart).single(328, p.rate).single(356, p.folioNo);
}

// An invoice line (185 bytes).
inline Bytes invoiceLineBytes(const char* room, float invoiceNo, float amount, const char* code, const char* description,
                              const char* checkNo = "----", double day = kMay1) {
    return RecordBytes(185).text(0, room, 5).date(5, day).single(13, invoiceNo).single(17, amount).text(21, code, 30)
        .text(51, description, 30).text(81, checkNo, 20);
}
// Invoice lines of room 101 on 1 May 2019: invoice number, amount, code, description.
inline Bytes invoiceBytes(std::initializer_list<std::tuple<float, float, const char*, const char*>> lines) {
    Bytes all;
    for (auto [invoiceNo, amount, code, description] : lines) {
        const Bytes one = invoiceLineBytes("101", invoiceNo, amount, code, description);
        all.insert(all.end(), one.begin(), one.end());
    }
    return all;
}

// A direct-bill account (417 bytes) of Springfield, its contact Jane Doe.
inline Bytes accountBytes(const char* name, const char* address, float accountNo, float balance,
                          const char* phone = "555-0100") {
    return RecordBytes(417).text(0, name, 30).text(30, address, 40).text(70, "SPRINGFIELD", 30).text(100, "IL", 2)
        .text(102, "62701", 20).text(122, phone, 15).text(137, "555-0101", 15).text(152, "555-0102", 15)
        .text(167, "JANE DOE", 30).single(197, accountNo).single(201, balance);
}

// ---- The small motel most tests start from -------------------------------------------------

// A tax rate of 0.12; rooms 101 (NQ1 at 65) and 102 (KK1 at 80), vacant and clean; the
// direct-bill account ACME, number 3.
inline void smallMotel(DataDir& dir) {
    writeTaxRate(dir, 0.12f);
    addRoom(dir, "101", "NQ1", 65);
    addRoom(dir, "102", "KK1", 80);
    addAccount(dir, "ACME", 3);
}

}  // namespace innvera::testing
