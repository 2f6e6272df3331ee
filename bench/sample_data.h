#pragma once

// Builds large sample data directories for the benchmarks: years of stays, a full
// reservation book and a motel's rooms, written straight to the record files.

#include <cstdint>
#include <fstream>
#include <string>

#include "core/records.h"
#include "core/data_dir.h"

namespace innvera::bench {

// `stays` Guest records (all checked out but the last `inHouse`), `reservations`
// Reservation records and `rooms` rooms, spread over the years before `today`.
inline void writeSampleMotel(const DataDir& dir, std::uint64_t stays, std::uint64_t inHouse,
                             std::uint64_t reservations, int rooms, Date today) {
    dir.createFolders();
    {
        std::ofstream out(dir.rooms(), std::ios::binary | std::ios::trunc);
        for (int i = 0; i < rooms; ++i) {
            Room room;
            room.roomNo = std::to_string(101 + i);
            room.roomType = i % 2 ? "NQ1" : "KK1";
            room.vacantFlag = i % 3 ? "Y" : "O";
            room.cleanFlag = i % 4 ? "Y" : "N";
            room.statusFlag = i % 17 ? "K" : "X";
            room.rate = 65;
            const Bytes bytes = room.encode();
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
    {
        std::ofstream out(dir.guests(), std::ios::binary | std::ios::trunc);
        for (std::uint64_t i = 0; i < stays; ++i) {
            Guest guest;
            guest.guestName = "GUEST NUMBER " + std::to_string(i);
            guest.address = "1 MAIN ST";
            guest.city = "SPRINGFIELD";
            guest.roomNo = std::to_string(101 + i % static_cast<std::uint64_t>(rooms));
            const Date arrival = today.plusDays(-static_cast<int>((stays - i) / 20));
            guest.arrivalDate = arrival;
            guest.departDate = arrival.plusDays(1 + static_cast<int>(i % 3));
            guest.rate = 65;
            guest.folioNo = static_cast<float>(i + 1);
            if (i + inHouse < stays) guest.stayStatus = "*";
            const Bytes bytes = guest.encode();
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
    {
        std::ofstream out(dir.reservations(), std::ios::binary | std::ios::trunc);
        for (std::uint64_t i = 0; i < reservations; ++i) {
            Reservation r;
            r.guestName = "BOOKED " + std::to_string(i);
            r.roomNo = std::to_string(101 + i % static_cast<std::uint64_t>(rooms));
            r.arrivalDate = today.plusDays(static_cast<int>(i % 400) - 200);
            r.confirmNo = std::to_string(i + 1);
            if (r.arrivalDate < today) r.resStatus = "*";
            const Bytes bytes = r.encode();
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
    }
}

// A reservation book as years of a motel leave it: `reservations` Reservation records, sixteen
// arrivals a day of one to three nights, up to 180 days after `today`; those arriving before
// `today` are closed (checked in or cancelled), the coming months' open. Replaces the
// reservation file.
inline void writeSampleReservationBook(const DataDir& dir, std::uint64_t reservations, int rooms, Date today) {
    std::ofstream out(dir.reservations(), std::ios::binary | std::ios::trunc);
    for (std::uint64_t i = 0; i < reservations; ++i) {
        Reservation r;
        r.guestName = "BOOKED " + std::to_string(i);
        r.roomNo = std::to_string(101 + (i * 7) % static_cast<std::uint64_t>(rooms));
        r.arrivalDate = today.plusDays(180 - static_cast<int>((reservations - 1 - i) / 16));
        r.departDate = r.arrivalDate.plusDays(1 + static_cast<int>(i % 3));
        r.confirmNo = std::to_string(i + 1);
        if (r.arrivalDate < today) r.resStatus = "*";
        const Bytes bytes = r.encode();
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

}  // namespace innvera::bench
