#include "reservations/add_reservation.h"

#include <algorithm>

#include "core/accounts.h"
#include "core/formats.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "core/record_file.h"

namespace innvera {

namespace {

char firstLetter(const std::string& text) { return text.empty() ? '\0' : text[0]; }

}  // namespace

std::variant<Refusal, Reservation> readReservation(DataDir& dir, const AddReservationForm& f) {
    const std::optional<Date> arrival = Date::parse(f.arrivalDate);
    const std::optional<Date> departure = Date::parse(f.departDate);
    const bool directBill = firstLetter(f.payCode) == 'R';
    if (auto refusal = checkGuest(f.guest)) return *refusal;
    if (auto refusal = firstFailure({
            {f.roomEntry == kReserveRoomPrompt, "You didn't select a room number.", "Combo3"},
            {f.rate.empty(), "There is no rate entered.", "Text16"},
            {f.arrivalDate.empty(), "You didn't select an arrival date.", "Text13"},
            {f.departDate.empty(), "You didn't select a depart date.", "Text14"},
            {directBill && f.account == kSelectAccount, "You didn't select a direct bill account.", "Combo5"},
        }))
        return *refusal;
    if (auto refusal = checkReservationDates(f.arrivalDate, f.departDate)) return *refusal;
    const TypedAmount rate = readAmount(f.rate, kRateBox);
    if (!rate.value) return Refusal{rate.refusal, "Text16"};

    const std::vector<std::string> rooms = roomsToReserve(dir);
    if (std::find(rooms.begin(), rooms.end(), f.roomEntry) == rooms.end())
        return Refusal{kNotARoomToReserve, "Combo3"};
    float accountNo = 0;
    if (directBill) {
        const auto account = findAccountNamed(dir, f.account);
        if (!account) return Refusal{kNoAccountOfThatName, "Combo5"};
        accountNo = account->record.accountNo;
    }
    if (f.confirmNo.empty()) return Refusal{kNoConfirmationNumber, "Text1"};

    Reservation r;
    f.guest.copyTo(r);
    r.roomNo = firstChars(f.roomEntry, 3);
    r.payType = firstChars(f.payCode, 1);
    r.arrivalDate = *arrival;
    r.departDate = *departure;
    r.rate = toSingle(*rate.value);
    r.confirmNo = f.confirmNo;
    r.directBillNo = accountNo;
    return r;
}

std::vector<std::string> roomsToReserve(DataDir& dir) {
    std::vector<std::string> entries;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) {
        entries.push_back(room.roomNo.str() + "  " + room.roomType.str());
    });
    return entries;
}

bool roomAlreadyReserved(DataDir& dir, const std::string& roomNo, std::optional<Date> arrival,
                         std::optional<Date> departure) {
    if (!arrival) return false;
    const bool wholeStay = departure && *departure > *arrival;
    for (const ReservationKeys& r : openReservationsOfRoom(dir, roomNo)) {
        if (r.arrivalDate == *arrival) return true;
        if (wholeStay && r.arrivalDate < *departure && *arrival < r.departDate) return true;
    }
    return false;
}

}  // namespace innvera
