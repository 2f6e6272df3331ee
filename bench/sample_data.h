#pragma once

// Builds large sample data directories for the benchmarks: years of stays, a full
// reservation book and a motel's rooms, written straight to the record files.

#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "core/codec.h"
#include "core/data_dir.h"
#include "core/formats.h"
#include "core/records.h"
#include "ledger/charge_codes.h"
#include "ledger/folio_file.h"
#include "ledger/totals.h"

namespace innvera::bench {

// Stay i of `stays` arrives on this day (`perDay` a day, the last ones today) and stays one to
// three nights.
inline Date sampleArrival(std::uint64_t i, std::uint64_t stays, Date today, std::uint64_t perDay = 20) {
    return today.plusDays(-static_cast<int>((stays - i) / perDay));
}
inline Date sampleDeparture(std::uint64_t i, std::uint64_t stays, Date today, std::uint64_t perDay = 20) {
    return sampleArrival(i, stays, today, perDay).plusDays(1 + static_cast<int>(i % 3));
}

// `stays` Guest records (all checked out but the last `inHouse`), `reservations`
// Reservation records and `rooms` rooms, spread over the years before `today`, `perDay`
// arriving a day.
inline void writeSampleMotel(const DataDir& dir, std::uint64_t stays, std::uint64_t inHouse,
                             std::uint64_t reservations, int rooms, Date today, std::uint64_t perDay = 20) {
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
            guest.arrivalDate = sampleArrival(i, stays, today, perDay);
            guest.departDate = sampleDeparture(i, stays, today, perDay);
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

// The folio of every stay of writeSampleMotel, as the desk posts them at a tax rate of 0.12: at
// check-in the first night's rent (65) and tax, the "Total" line and the payment (Visa), a pet
// fee of 10 for every tenth stay; each later night up to today its rent and tax; every fiftieth
// stay has its last night's rent corrected (-65, then 55). The day and month totals of every
// posting are written too.
inline void writeSampleLedger(const DataDir& dir, std::uint64_t stays, int rooms, Date today,
                              std::uint64_t perDay = 20) {
    std::map<Date, Totals> days;
    const auto post = [&](std::string& folio, float folioNo, const std::string& room, Date day, char code,
                          const char* description, double amount, std::optional<int> slot) {
        folio += folioLineText(folioNo, room, day, code, description, plainNumber(amount));
        if (slot) days[day].values[static_cast<std::size_t>(*slot)] += static_cast<float>(amount);
    };
    for (std::uint64_t i = 0; i < stays; ++i) {
        const float folioNo = static_cast<float>(i + 1);
        const std::string room = std::to_string(101 + i % static_cast<std::uint64_t>(rooms));
        const Date arrival = sampleArrival(i, stays, today, perDay);
        const Date depart = sampleDeparture(i, stays, today, perDay);
        std::string folio;
        for (Date night = arrival; night < depart && night <= today; night = night.plusDays(1)) {
            const bool corrected = i % 50 == 0 && night == depart.plusDays(-1);
            post(folio, folioNo, room, night, 'E', "Room Rent", 65, slot::RoomRent);
            if (corrected) {
                post(folio, folioNo, room, night, 'E', "Room Rent", -65, slot::RoomRent);
                post(folio, folioNo, room, night, 'E', "Room Rent", 55, slot::RoomRent);
            }
            post(folio, folioNo, room, night, 'T', "Tax", corrected ? 6.6 : 7.8, slot::Tax);
            if (night == arrival) {
                const double pet = i % 10 == 0 ? 10 : 0;
                if (pet > 0) post(folio, folioNo, room, night, 'P', "Pet Fee", pet, slot::PetFee);
                post(folio, folioNo, room, night, 'L', "Total", 72.8 + pet, std::nullopt);
                post(folio, folioNo, room, night, 'V', "Visa", 72.8 + pet, slot::Visa);
            }
        }
        const std::string path = dir.folioCharges(folioKey(folioNo)).string();
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) {
            [[maybe_unused]] const auto written = ::write(fd, folio.data(), folio.size());
            ::close(fd);
        }
    }
    std::map<std::string, Totals> months;
    for (const auto& [day, totals] : days) {
        Totals& month = months[monthKey(day)];
        for (std::size_t slot = 0; slot < totals.values.size(); ++slot) month.values[slot] += totals.values[slot];
        Bytes record(Totals::kLength, '\0');
        for (std::size_t slot = 0; slot < totals.values.size(); ++slot) putSingle(record, 4 * slot, totals.values[slot]);
        std::ofstream(dir.dayTotals(dayKey(day)), std::ios::binary).write(record.data(), static_cast<std::streamsize>(record.size()));
    }
    for (const auto& [key, totals] : months) {
        Bytes record(Totals::kLength, '\0');
        for (std::size_t slot = 0; slot < totals.values.size(); ++slot) putSingle(record, 4 * slot, totals.values[slot]);
        std::ofstream(dir.monthTotals(key), std::ios::binary).write(record.data(), static_cast<std::streamsize>(record.size()));
    }
}

}  // namespace innvera::bench
