#include "core/reservations.h"

#include "core/formats.h"
#include "core/records.h"
#include "core/stay_index.h"
#include "core/stay_rules.h"
#include "core/stays.h"
#include "core/record_file.h"

namespace innvera {

namespace {

ReservationIndex& reservations(DataDir& dir) { return dir.cache<ReservationIndex>().current(); }

Text textOf(const StoredText<5>& text) { return text.assigned ? Text(text.str()) : Text(); }
Text textOf(const StoredText<10>& text) { return text.assigned ? Text(text.str()) : Text(); }
Text textOf(const StoredText<30>& text) { return text.assigned ? Text(text.str()) : Text(); }

ReservationKeys keysOf(const ReservationEntry& r) {
    ReservationKeys keys;
    keys.guestName = textOf(r.guestName);
    keys.roomNo = textOf(r.roomNo);
    keys.arrivalDate = r.arrivalDate;
    keys.departDate = r.departDate;
    keys.confirmNo = textOf(r.confirmNo);
    if (!r.open) keys.resStatus = "*";
    return keys;
}

// The first open reservation for which `matches` holds, read whole.
template <class Pred>
std::optional<Found<Reservation>> firstOpen(DataDir& dir, Pred&& matches) {
    ReservationIndex& index = reservations(dir);
    for (std::uint32_t n : index.live())
        if (matches(index.at(n)))
            return Found<Reservation>{n, RecordFile<Reservation>(dir, dir.reservations()).read(n)};
    return std::nullopt;
}

}  // namespace

std::vector<std::string> arrivalsOn(DataDir& dir, Date day) {
    ReservationIndex& index = reservations(dir);
    std::vector<std::string> arrivals;
    for (std::uint32_t n : index.live()) {
        const ReservationEntry& r = index.at(n);
        if (r.arrivalDate == day) arrivals.push_back(r.roomNo.str() + "  " + r.guestName.str());
    }
    return arrivals;
}

std::vector<std::string> roomsHeldOn(DataDir& dir, Date day) {
    ReservationIndex& index = reservations(dir);
    std::vector<std::string> rooms;
    for (std::uint32_t n : index.live())
        if (index.at(n).arrivalDate == day) rooms.push_back(index.at(n).roomNo.str());
    return rooms;
}

bool openReservationArrivesBefore(DataDir& dir, std::string_view roomNo, Date day) {
    return firstOpen(dir, [&](const ReservationEntry& r) { return r.roomNo.is(roomNo) && r.arrivalDate < day; })
        .has_value();
}

float highestConfirmationNumber(DataDir& dir) {
    double highest = 0;
    for (const ReservationEntry& r : reservations(dir).entries()) {
        if (r.blank) continue;
        const double number = leadingNumber(r.confirmNo.str());
        if (number > highest) highest = number;
    }
    return toSingle(highest);
}

bool openReservationArrivesOn(DataDir& dir, Date day) {
    ReservationIndex& index = reservations(dir);
    for (std::uint32_t n : index.live())
        if (index.at(n).arrivalDate == day) return true;
    return false;
}

bool closeReservation(DataDir& dir, std::string_view confirmNo) {
    auto found = firstOpen(dir, [&](const ReservationEntry& r) { return r.confirmNo.is(confirmNo); });
    if (!found) return false;
    found->record.resStatus = "*";
    rewriteReservation(dir, *found);
    return true;
}

std::vector<ReservationKeys> openReservations(DataDir& dir) {
    ReservationIndex& index = reservations(dir);
    std::vector<ReservationKeys> open;
    for (std::uint32_t n : index.live()) open.push_back(keysOf(index.at(n)));
    return open;
}

std::vector<ReservationKeys> openReservationsOfRoom(DataDir& dir, std::string_view roomNo) {
    ReservationIndex& index = reservations(dir);
    std::vector<ReservationKeys> open;
    for (std::uint32_t n : index.live())
        if (index.at(n).roomNo.is(roomNo)) open.push_back(keysOf(index.at(n)));
    return open;
}

std::vector<ReservationKeys> openReservationsOver(DataDir& dir, Date first, Date end) {
    ReservationIndex& index = reservations(dir);
    std::vector<ReservationKeys> over;
    for (std::uint32_t n : index.live()) {
        const ReservationEntry& r = index.at(n);
        const bool meets = r.arrivalDate < end && first < r.departDate;
        if (meets || !areStayDates(r.arrivalDate, r.departDate)) over.push_back(keysOf(r));
    }
    return over;
}

std::optional<Found<Reservation>> openReservationArriving(DataDir& dir, std::string_view roomNo, Date day) {
    return firstOpen(dir, [&](const ReservationEntry& r) { return r.arrivalDate == day && r.roomNo.is(roomNo); });
}

std::optional<Found<Reservation>> openReservationNumbered(DataDir& dir, std::string_view confirmNo) {
    if (trimRight(confirmNo).empty()) return std::nullopt;
    return firstOpen(dir, [&](const ReservationEntry& r) { return r.confirmNo.is(confirmNo); });
}

void rewriteReservation(DataDir& dir, const Found<Reservation>& reservation) {
    RecordFile<Reservation>(dir, dir.reservations()).write(reservation.number, reservation.record);
}

std::uint64_t appendReservation(DataDir& dir, const Reservation& reservation) {
    return RecordFile<Reservation>(dir, dir.reservations()).append(reservation);
}

}  // namespace innvera
