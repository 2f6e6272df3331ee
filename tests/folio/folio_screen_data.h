#pragma once

// Rooms and stays for the folio screen and check-out tests.

#include <string>

#include "core/records.h"
#include "platform/record_file.h"
#include "support/files.h"

namespace innvera::testing {

// 1 May 2019, day 43586 of the data files.
inline Date may(int day) { return Date::fromYmd(2019, 5, day); }

inline void putRoom(DataDir& dir, const char* roomNo, const char* type, float rate, const char* vacant = "Y",
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

inline Room roomAt(DataDir& dir, std::uint64_t n) { return RecordFile<Room>(dir, dir.rooms()).read(n); }
inline Guest guestAt(DataDir& dir, std::uint64_t n) { return RecordFile<Guest>(dir, dir.guests()).read(n); }

// A stay in house from 1 May, leaving on `depart`, at 65 a night.
inline Guest putGuest(DataDir& dir, const char* roomNo, float folioNo, const char* name, Date depart,
                      float directBillNo = 0, float messageFlag = 0) {
    Guest g;
    g.guestName = name;
    g.address = "1 MAIN ST";
    g.city = "SPRINGFIELD";
    g.state = "IL";
    g.zip = "62701";
    g.phone = "555-0100";
    g.cardMonth = "May";
    g.cardYear = "2024";
    g.adults = "2";
    g.children = "0";
    g.roomNo = roomNo;
    g.payType = "V";
    g.arrivalTime = "10:00:00 AM";
    g.arrivalDate = may(1);
    g.departDate = depart;
    g.rate = 65;
    g.folioNo = folioNo;
    g.directBillNo = directBillNo;
    g.messageFlag = messageFlag;
    RecordFile<Guest>(dir, dir.guests()).append(g);
    return g;
}

}  // namespace innvera::testing
