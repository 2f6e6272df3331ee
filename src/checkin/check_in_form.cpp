#include "checkin/check_in_form.h"

#include <algorithm>

#include "core/accounts.h"
#include "core/formats.h"
#include "core/records.h"
#include "core/reservations.h"
#include "core/stay_rules.h"
#include "ledger/charge_codes.h"
#include "ledger/invoices.h"
#include "core/record_file.h"
#include "core/rooms.h"

namespace innvera {

namespace {

char firstLetter(const std::string& text) { return text.empty() ? '\0' : text[0]; }

}  // namespace

std::variant<Refusal, CheckInOrder> readCheckIn(DataDir& dir, const CheckInForm& f, Date hotelDate) {
    if (auto refusal = checkGuest(f.guest)) return *refusal;
    if (auto refusal = firstFailure({
            {f.roomEntry == kSelectRoom, "You didn't select a room number.", "Combo3"},
            {f.rate.empty(), "There is no rate entered.", "Text16"},
            {f.payType == kSelectPaymentType, "You didn't select a payment type.", "Combo4"},
            {f.departDate.empty(), "You didn't enter a depart date.", "Text14"},
            {firstLetter(f.payType) == 'R' && f.account == kSelectAccount,
             "You didn't enter select a direct bill account.", "Combo6"},
            {!Date::parse(f.arrivalDate), kArrivalNotADate, "Text13"},
            {!Date::parse(f.departDate), kDepartNotADate, "Text14"},
            {!stayDate(f.arrivalDate), kDateOutOfRange, "Text13"},
            {!stayDate(f.departDate), kDateOutOfRange, "Text14"},
        }))
        return *refusal;
    if (*Date::parse(f.departDate) < *Date::parse(f.arrivalDate)) return Refusal{kDepartBeforeArrival, "Text14"};
    const std::vector<std::string> offered = offeredRooms(dir, hotelDate);
    if (std::find(offered.begin(), offered.end(), f.roomEntry) == offered.end()) return Refusal{kRoomNotOffered, "Combo3"};
    CheckInOrder order;
    order.payCode = firstLetter(f.payType);
    if (order.payCode == 'R') {
        const auto account = findAccountNamed(dir, f.account);
        if (!account) return Refusal{kNoSuchAccount, "Combo6"};
        // An account whose name cannot name its invoice files would lose the invoice.
        if (const std::string problem = accountNameProblem(f.account); !problem.empty())
            return Refusal{problem, "Combo6"};
        order.account = account->record;
    }
    const auto money = readCheckInMoney({f.rate, f.totalStay, f.cashTotal, f.tendered, f.extraCharge, f.extraAmount},
                                        order.payCode, kWalkInMoneyBoxes);
    if (const auto* refusal = std::get_if<Refusal>(&money)) return *refusal;
    const CheckInAmounts& amounts = std::get<CheckInAmounts>(money);
    order.guest = f.guest;
    order.roomNo = std::string(trimRight(firstChars(f.roomEntry, 3)));
    order.arrivalDate = *Date::parse(f.arrivalDate);
    order.departDate = *Date::parse(f.departDate);
    order.rate = amounts.rate;
    order.payment = amounts.payment;
    order.extraCode = amounts.extraCode;
    order.extraAmount = amounts.extraAmount;
    return order;
}

std::optional<Refusal> checkExtraCharge(const std::string& list, const std::string& amount,
                                        const CheckInMoneyBoxes& boxes) {
    const bool chosen = isSundryCharge(firstLetter(list));
    const TypedAmount extra = readAmount(amount, kExtraChargeBox);
    return firstFailure({
        {chosen && !extra.value, extra.refusal, boxes.extraAmount},
        {!chosen && !trimRight(amount).empty(), kNoExtraChargeChosen, boxes.extraList},
    });
}

double extraChargeAmount(const std::string& list, const std::string& amount) {
    if (!isSundryCharge(firstLetter(list))) return 0;
    return readAmount(amount, kExtraChargeBox).value.value_or(0);
}

std::variant<Refusal, CheckInAmounts> readCheckInMoney(const CheckInMoney& m, char payCode, const CheckInMoneyBoxes& boxes) {
    const bool cash = payCode == 'C';
    const TypedAmount rate = readAmount(m.rate, kRateBox);
    if (!rate.value) return Refusal{rate.refusal, boxes.rate};
    if (auto refusal = checkExtraCharge(m.extraCharge, m.extraAmount, boxes)) return *refusal;
    const TypedAmount payment = cash ? readAmount(m.cashTotal, kCashTotalBox) : readAmount(m.totalStay, kTotalStayBox);
    const TypedAmount tendered = readAmount(m.tendered, kTenderedBox);
    if (auto refusal = firstFailure({
            {!payment.value, payment.refusal, cash ? boxes.cashTotal : boxes.totalStay},
            {cash && !trimRight(m.tendered).empty() && !tendered.value, tendered.refusal, boxes.tendered},
        }))
        return *refusal;
    CheckInAmounts amounts;
    amounts.rate = *rate.value;
    amounts.payment = *payment.value;
    if (isSundryCharge(firstLetter(m.extraCharge))) {
        amounts.extraCode = firstLetter(m.extraCharge);
        amounts.extraAmount = extraChargeAmount(m.extraCharge, m.extraAmount);
    }
    return amounts;
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
