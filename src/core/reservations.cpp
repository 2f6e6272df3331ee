#include "core/reservations.h"

#include "core/forms.h"
#include "core/records.h"
#include "core/stays.h"
#include "platform/record_file.h"

namespace innvera {

std::vector<std::string> arrivalsOn(DataDir& dir, Date day) {
    std::vector<std::string> arrivals;
    RecordFile<ReservationKeys>(dir, dir.reservations()).scan([&](const ReservationKeys& r, std::uint64_t) {
        if (r.open() && r.arrivalDate == day) arrivals.push_back(guestEntry(r.roomNo, r.guestName));
    });
    return arrivals;
}

bool openReservationArrivesOn(DataDir& dir, Date day) {
    return RecordFile<ReservationKeys>(dir, dir.reservations())
        .findFirst([&](const ReservationKeys& r) { return r.open() && r.arrivalDate == day; })
        .has_value();
}

bool closeReservation(DataDir& dir, std::string_view confirmNo) {
    RecordFile<Reservation> reservations(dir, dir.reservations());
    const std::string_view wanted = trimRight(confirmNo);
    auto found = reservations.findFirst([&](const Reservation& r) { return r.confirmNo.str() == wanted; });
    if (!found) return false;
    found->record.resStatus = "*";
    reservations.write(found->number, found->record);
    return true;
}

}  // namespace innvera
