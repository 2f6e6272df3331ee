#pragma once

// Small builders for the data files tests start from: rooms, reservations, accounts.

#include "core/records.h"
#include "core/counters.h"
#include "platform/record_file.h"

namespace innvera::testing {

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

inline void addAccount(DataDir& dir, const char* name, float accountNo) {
    DirectBillAccount a;
    a.accountName = name;
    a.accountNo = accountNo;
    RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).append(a);
}

}  // namespace innvera::testing
