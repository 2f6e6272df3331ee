#include "checkin/reservation_screen.h"

#include <algorithm>

#include "core/accounts.h"
#include "core/formats.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "core/stays.h"
#include "ledger/invoices.h"
#include "core/record_file.h"
#include "core/rooms.h"

namespace innvera {

namespace {

char firstLetter(const std::string& text) { return text.empty() ? '\0' : text[0]; }

bool isPayCodeEntry(const std::string& text) {
    return std::find(kPayCodeEntries.begin(), kPayCodeEntries.end(), text) != kPayCodeEntries.end();
}

ShownReservation shown(const Reservation& r) {
    ShownReservation s;
    s.guest = GuestForm::from(r);
    s.arrivalDate = r.arrivalDate;
    s.departDate = r.departDate;
    s.confirmNo = r.confirmNo.stored(10);
    s.roomNo = r.roomNo.stored(5);
    return s;
}

}  // namespace

std::string roomOccupiedMessage(std::string_view roomNo) {
    return "Room " + std::string(trimRight(roomNo)) +
           " is still occupied by a guest in house. Check that guest out first, or choose another room.";
}

std::optional<ShownReservation> reservationToShow(DataDir& dir, std::string_view selectedRoom,
                                                  std::string_view selectedConfirmation, Date hotelDate) {
    const auto found = trimRight(selectedRoom).empty()
                           ? openReservationNumbered(dir, selectedConfirmation)
                           : openReservationArriving(dir, selectedRoom, hotelDate);
    if (!found) return std::nullopt;
    return shown(found->record);
}

std::vector<std::string> reservationScreenRooms(DataDir& dir) {
    std::vector<std::string> entries;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) {
        if (!room.outOfOrder()) entries.push_back(roomListEntry(room));
    });
    return entries;
}

std::optional<float> inServiceRoomRate(DataDir& dir, std::string_view roomNo) {
    const std::string_view wanted = trimRight(roomNo);
    if (wanted.empty()) return std::nullopt;
    const auto room = RecordFile<Room>(dir, dir.rooms()).findFirst([&](const Room& r) {
        return !r.outOfOrder() && r.roomNo.str() == wanted;
    });
    if (!room) return std::nullopt;
    return room->record.rate;
}

bool reservationIsOpen(DataDir& dir, std::string_view confirmNo) {
    return openReservationNumbered(dir, confirmNo).has_value();
}

std::variant<Refusal, CheckInOrder> readReservationCheckIn(DataDir& dir, const ReservationScreenForm& f) {
    if (!reservationIsOpen(dir, f.confirmNo)) return Refusal{kNoReservationShown, "Text1"};
    const std::optional<Date> arrival = Date::parse(f.arrivalDate);
    const std::optional<Date> departure = Date::parse(f.departDate);
    const char payCode = firstLetter(f.payCode);
    if (auto refusal = checkGuest(f.guest)) return *refusal;
    if (auto refusal = firstFailure({
            {f.rate.empty(), "There is no rate entered.", "Text16"},
            {!isPayCodeEntry(f.payCode), "You didn't select a payment type.", "Combo4"},
            {f.departDate.empty(), "You didn't enter a depart date.", "Text14"},
            {payCode == 'R' && f.account == kSelectAccount, "You didn't select a direct bill account.", "Combo6"},
        }))
        return *refusal;
    if (auto refusal = checkReservationDates(f.arrivalDate, f.departDate)) return *refusal;
    const auto money = readCheckInMoney({f.rate, f.totalStay, f.cashTotal, f.tendered, f.extraCharge, f.extraAmount},
                                        payCode, kReservationMoneyBoxes);
    if (const auto* refusal = std::get_if<Refusal>(&money)) return *refusal;
    const CheckInAmounts& amounts = std::get<CheckInAmounts>(money);
    const std::string roomNo(trimRight(f.roomNo));
    if (!findRoom(dir, roomNo)) return Refusal{kRoomNotOffered, "Combo3"};
    if (roomHasStayInHouse(dir, roomNo)) return Refusal{roomOccupiedMessage(roomNo), "Combo3"};

    CheckInOrder order;
    order.payCode = payCode;
    if (payCode == 'R') {
        const auto account = findAccountNamed(dir, f.account);
        if (!account) return Refusal{kNoSuchAccount, "Combo6"};
        if (const std::string problem = accountNameProblem(f.account); !problem.empty())
            return Refusal{problem, "Combo6"};
        order.account = account->record;
    }
    order.guest = f.guest;
    order.roomNo = roomNo;
    order.arrivalDate = *arrival;
    order.departDate = *departure;
    order.rate = amounts.rate;
    order.payment = amounts.payment;
    order.extraCode = amounts.extraCode;
    order.extraAmount = amounts.extraAmount;
    order.reservationConfirmNo = std::string(trimRight(f.confirmNo));
    return order;
}

std::optional<Refusal> checkReservationChanges(DataDir& dir, const ReservationScreenForm& f) {
    if (!openReservationNumbered(dir, f.confirmNo)) return Refusal{kNoReservationShown, "Text1"};
    return checkReservationDates(f.arrivalDate, f.departDate);
}

std::optional<Refusal> saveReservationChanges(DataDir& dir, const ReservationScreenForm& f) {
    if (auto refusal = checkReservationChanges(dir, f)) return refusal;
    auto found = openReservationNumbered(dir, f.confirmNo);
    const std::optional<Date> arrival = Date::parse(f.arrivalDate);
    const std::optional<Date> departure = Date::parse(f.departDate);

    Reservation& r = found->record;
    f.guest.copyTo(r);
    r.arrivalDate = *arrival;
    r.departDate = *departure;
    r.confirmNo = f.confirmNo;
    r.roomNo = f.roomNo;
    rewriteReservation(dir, *found);
    return std::nullopt;
}

}  // namespace innvera
