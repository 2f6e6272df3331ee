#include "core/reservations.h"

#include "core/forms.h"
#include "core/records.h"
#include "core/stays.h"
#include "platform/record_file.h"

namespace innvera {

namespace {

// The first reservation whose keys match, read whole.
template <class Pred>
std::optional<Found<Reservation>> findReservationWhere(DataDir& dir, Pred&& matches) {
    const auto found = RecordFile<ReservationKeys>(dir, dir.reservations()).findFirst(matches);
    if (!found) return std::nullopt;
    return Found<Reservation>{found->number, RecordFile<Reservation>(dir, dir.reservations()).read(found->number)};
}

}  // namespace

std::vector<std::string> arrivalsOn(DataDir& dir, Date day) {
    std::vector<std::string> arrivals;
    RecordFile<ReservationKeys>(dir, dir.reservations()).scan([&](const ReservationKeys& r, std::uint64_t) {
        if (r.open() && r.arrivalDate == day) arrivals.push_back(guestEntry(r.roomNo, r.guestName));
    });
    return arrivals;
}

std::vector<std::string> roomsHeldOn(DataDir& dir, Date day) {
    std::vector<std::string> rooms;
    RecordFile<ReservationKeys>(dir, dir.reservations()).scan([&](const ReservationKeys& r, std::uint64_t) {
        if (r.open() && r.arrivalDate == day) rooms.push_back(r.roomNo.str());
    });
    return rooms;
}

bool openReservationArrivesBefore(DataDir& dir, std::string_view roomNo, Date day) {
    const std::string_view wanted = trimRight(roomNo);
    return RecordFile<ReservationKeys>(dir, dir.reservations())
        .findFirst([&](const ReservationKeys& r) { return r.open() && r.roomNo.str() == wanted && r.arrivalDate < day; })
        .has_value();
}

float highestConfirmationNumber(DataDir& dir) {
    double highest = 0;
    RecordFile<ReservationKeys>(dir, dir.reservations()).scan([&](const ReservationKeys& r, std::uint64_t) {
        const double number = leadingNumber(r.confirmNo.str());
        if (number > highest) highest = number;
    });
    return toSingle(highest);
}

bool openReservationArrivesOn(DataDir& dir, Date day) {
    return RecordFile<ReservationKeys>(dir, dir.reservations())
        .findFirst([&](const ReservationKeys& r) { return r.open() && r.arrivalDate == day; })
        .has_value();
}

bool closeReservation(DataDir& dir, std::string_view confirmNo) {
    RecordFile<Reservation> reservations(dir, dir.reservations());
    const std::string_view wanted = trimRight(confirmNo);
    auto found = reservations.findFirst([&](const Reservation& r) { return r.open() && r.confirmNo.str() == wanted; });
    if (!found) return false;
    found->record.resStatus = "*";
    reservations.write(found->number, found->record);
    return true;
}

std::vector<ReservationKeys> openReservations(DataDir& dir) {
    std::vector<ReservationKeys> open;
    RecordFile<ReservationKeys>(dir, dir.reservations()).scan([&](const ReservationKeys& r, std::uint64_t) {
        if (r.open()) open.push_back(r);
    });
    return open;
}

std::vector<ReservationKeys> openReservationsOfRoom(DataDir& dir, std::string_view roomNo) {
    const std::string_view wanted = trimRight(roomNo);
    std::vector<ReservationKeys> open;
    RecordFile<ReservationKeys>(dir, dir.reservations()).scan([&](const ReservationKeys& r, std::uint64_t) {
        if (r.open() && r.roomNo.str() == wanted) open.push_back(r);
    });
    return open;
}

std::optional<Found<Reservation>> openReservationArriving(DataDir& dir, std::string_view roomNo, Date day) {
    const std::string_view wanted = trimRight(roomNo);
    return findReservationWhere(dir, [&](const ReservationKeys& r) {
        return r.open() && r.arrivalDate == day && r.roomNo.str() == wanted;
    });
}

std::optional<Found<Reservation>> openReservationNumbered(DataDir& dir, std::string_view confirmNo) {
    const std::string_view wanted = trimRight(confirmNo);
    if (wanted.empty()) return std::nullopt;
    return findReservationWhere(dir, [&](const ReservationKeys& r) { return r.open() && r.confirmNo.str() == wanted; });
}

void rewriteReservation(DataDir& dir, const Found<Reservation>& reservation) {
    RecordFile<Reservation>(dir, dir.reservations()).write(reservation.number, reservation.record);
}

std::uint64_t appendReservation(DataDir& dir, const Reservation& reservation) {
    return RecordFile<Reservation>(dir, dir.reservations()).append(reservation);
}

}  // namespace innvera
