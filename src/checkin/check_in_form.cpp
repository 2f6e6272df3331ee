#include "checkin/check_in_form.h"

#include <algorithm>

#include "core/accounts.h"
#include "core/forms.h"
#include "core/records.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "folio/charge_codes.h"
#include "folio/invoices.h"
#include "core/record_file.h"
#include "rooms/rooms.h"

namespace innvera {

namespace {

char firstLetter(const std::string& text) { return text.empty() ? '\0' : text[0]; }

}  // namespace

std::variant<Refusal, CheckInOrder> readCheckIn(DataDir& dir, const CheckInForm& f, Date hotelDate) {
    const struct {
        bool failed;
        const char* message;
        CheckInField focus;
    } checks[] = {
        {f.guest.name.empty(), "You didn't enter a name.", CheckInField::Name},
        {f.guest.address.empty(), "You didn't enter an address.", CheckInField::Address},
        {f.guest.city.empty(), "You didn't enter a city.", CheckInField::City},
        {f.guest.state.empty(), "You didn't enter a state.", CheckInField::State},
        {f.guest.zip.empty(), "You didn't enter a zip code.", CheckInField::Zip},
        {f.guest.adults.empty(), "You didn't enter number of adults.", CheckInField::Adults},
        {f.roomEntry == kSelectRoom, "You didn't select a room number.", CheckInField::RoomList},
        {f.rate.empty(), "There is no rate entered.", CheckInField::Rate},
        {f.payType == kSelectPaymentType, "You didn't select a payment type.", CheckInField::PayTypeList},
        {f.departDate.empty(), "You didn't enter a depart date.", CheckInField::DepartDate},
        {firstLetter(f.payType) == 'R' && f.account == kSelectAccount, "You didn't enter select a direct bill account.",
         CheckInField::AccountList},
        {!Date::parse(f.arrivalDate), kArrivalNotADate, CheckInField::ArrivalDate},
        {!Date::parse(f.departDate), kDepartNotADate, CheckInField::DepartDate},
        {!stayDate(f.arrivalDate), kDateOutOfRange, CheckInField::ArrivalDate},
        {!stayDate(f.departDate), kDateOutOfRange, CheckInField::DepartDate},
    };
    for (const auto& check : checks)
        if (check.failed) return Refusal{check.message, check.focus};
    if (*Date::parse(f.departDate) < *Date::parse(f.arrivalDate))
        return Refusal{kDepartBeforeArrival, CheckInField::DepartDate};
    const std::vector<std::string> offered = offeredRooms(dir, hotelDate);
    if (std::find(offered.begin(), offered.end(), f.roomEntry) == offered.end())
        return Refusal{kRoomNotOffered, CheckInField::RoomList};
    const std::pair<const std::string*, CheckInField> amounts[] = {{&f.rate, CheckInField::Rate},
                                                                   {&f.totalStay, CheckInField::TotalStay},
                                                                   {&f.cashTotal, CheckInField::CashTotal},
                                                                   {&f.extraAmount, CheckInField::ExtraAmount}};
    for (const auto& [text, field] : amounts)
        if (!isStorableAmount(*text)) return Refusal{kAmountTooLarge, field};

    CheckInOrder order;
    order.payCode = firstLetter(f.payType);
    if (order.payCode == 'R') {
        const auto account = findAccountNamed(dir, f.account);
        if (!account) return Refusal{kNoSuchAccount, CheckInField::AccountList};
        // An account whose name cannot name its invoice files would lose the invoice.
        if (const std::string problem = accountNameProblem(f.account); !problem.empty())
            return Refusal{problem, CheckInField::AccountList};
        order.account = account->record;
    }
    order.guest = f.guest;
    order.roomNo = std::string(trimRight(firstChars(f.roomEntry, 3)));
    order.arrivalDate = *Date::parse(f.arrivalDate);
    order.departDate = *Date::parse(f.departDate);
    order.rate = leadingNumber(f.rate);
    order.payment = leadingNumber(order.payCode == 'C' ? f.cashTotal : f.totalStay);
    order.extraCode = firstLetter(f.extraCharge);
    order.extraAmount = leadingNumber(f.extraAmount);
    return order;
}

std::vector<std::string> offeredRooms(DataDir& dir, Date hotelDate) {
    // Rooms held by an open reservation arriving today, read once.
    const std::vector<std::string> held = roomsHeldOn(dir, hotelDate);
    std::vector<std::string> entries;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) {
        if (room.occupied() || room.dirty() || room.outOfOrder()) return;
        for (const std::string& roomNo : held)
            if (roomNo == room.roomNo.str()) return;
        entries.push_back(room.roomNo.str() + "  " + room.roomType.str());
    });
    return entries;
}

std::optional<float> roomRate(DataDir& dir, const std::string& roomEntry) {
    const auto room = findRoom(dir, firstChars(roomEntry, 3));
    if (!room) return std::nullopt;
    return room->record.rate;
}

}  // namespace innvera
