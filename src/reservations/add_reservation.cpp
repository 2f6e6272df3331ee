#include "reservations/add_reservation.h"

#include <algorithm>

#include "core/accounts.h"
#include "core/forms.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "core/record_file.h"

namespace innvera {

namespace {

char firstLetter(const std::string& text) { return text.empty() ? '\0' : text[0]; }

}  // namespace

std::variant<ReservationRefusal, Reservation> readReservation(DataDir& dir, const AddReservationForm& f) {
    const std::optional<Date> arrival = Date::parse(f.arrivalDate);
    const std::optional<Date> departure = Date::parse(f.departDate);
    const bool directBill = firstLetter(f.payCode) == 'R';
    const struct {
        bool failed;
        const char* message;
        ReservationField focus;
    } checks[] = {
        {f.guest.name.empty(), "You didn't enter a name.", ReservationField::Name},
        {f.guest.address.empty(), "You didn't enter an address.", ReservationField::Address},
        {f.guest.city.empty(), "You didn't enter a city.", ReservationField::City},
        {f.guest.state.empty(), "You didn't enter a state.", ReservationField::State},
        {f.guest.zip.empty(), "You didn't enter a zip code.", ReservationField::Zip},
        {f.guest.adults.empty(), "You didn't enter number of adults.", ReservationField::Adults},
        {f.roomEntry == kReserveRoomPrompt, "You didn't select a room number.", ReservationField::RoomList},
        {f.rate.empty(), "There is no rate entered.", ReservationField::Rate},
        {f.arrivalDate.empty(), "You didn't select an arrival date.", ReservationField::ArrivalDate},
        {f.departDate.empty(), "You didn't select a depart date.", ReservationField::DepartDate},
        {directBill && f.account == kSelectAccount, "You didn't select a direct bill account.",
         ReservationField::AccountList},
        {!arrival, kArrivalNotADate, ReservationField::ArrivalDate},
        {!departure, kDepartNotADate, ReservationField::DepartDate},
        {!stayDate(f.arrivalDate), kDateOutOfRange, ReservationField::ArrivalDate},
        {!stayDate(f.departDate), kDateOutOfRange, ReservationField::DepartDate},
        {arrival && departure && *departure <= *arrival, kDepartNotAfterArrival, ReservationField::DepartDate},
        {!isNumberText(f.rate), kStayRateNotANumber, ReservationField::Rate},
        {!isStorableAmount(f.rate), kAmountTooLarge, ReservationField::Rate},
    };
    for (const auto& check : checks)
        if (check.failed) return ReservationRefusal{check.message, check.focus};

    const std::vector<std::string> rooms = roomsToReserve(dir);
    if (std::find(rooms.begin(), rooms.end(), f.roomEntry) == rooms.end())
        return ReservationRefusal{kNotARoomToReserve, ReservationField::RoomList};
    float accountNo = 0;
    if (directBill) {
        const auto account = findAccountNamed(dir, f.account);
        if (!account) return ReservationRefusal{kNoAccountOfThatName, ReservationField::AccountList};
        accountNo = account->record.accountNo;
    }
    if (f.confirmNo.empty()) return ReservationRefusal{kNoConfirmationNumber, ReservationField::Name};

    Reservation r;
    f.guest.copyTo(r);
    r.roomNo = firstChars(f.roomEntry, 3);
    r.payType = firstChars(f.payCode, 1);
    r.arrivalDate = *arrival;
    r.departDate = *departure;
    r.rate = toSingle(leadingNumber(f.rate));
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
