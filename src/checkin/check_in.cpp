#include "checkin/check_in.h"

#include <algorithm>

#include "core/forms.h"
#include "core/records.h"
#include "folio/charge_codes.h"
#include "folio/ledger.h"
#include "folio/printed_folio.h"
#include "platform/counters.h"
#include "platform/record_file.h"

namespace innvera {

namespace {

std::optional<Found<DirectBillAccount>> accountNamed(DataDir& dir, const std::string& name) {
    return RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).findFirst([&](const DirectBillAccount& a) {
        return a.accountName.str() == name;
    });
}

char firstLetter(const std::string& text) { return text.empty() ? '\0' : text[0]; }

}  // namespace

std::optional<Refusal> checkCheckIn(DataDir& dir, const CheckInForm& f, Date hotelDate) {
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
    };
    for (const auto& check : checks)
        if (check.failed) return Refusal{check.message, check.focus};
    const std::vector<std::string> offered = offeredRooms(dir, hotelDate);
    if (std::find(offered.begin(), offered.end(), f.roomEntry) == offered.end())
        return Refusal{kRoomNotOffered, CheckInField::RoomList};
    const std::pair<const std::string*, CheckInField> amounts[] = {{&f.rate, CheckInField::Rate},
                                                                   {&f.totalStay, CheckInField::TotalStay},
                                                                   {&f.cashTotal, CheckInField::CashTotal},
                                                                   {&f.extraAmount, CheckInField::ExtraAmount}};
    for (const auto& [text, field] : amounts)
        if (!fitsSingle(leadingNumber(*text))) return Refusal{kAmountTooLarge, field};
    if (firstLetter(f.payType) == 'R') {
        if (!accountNamed(dir, f.account)) return Refusal{kNoSuchAccount, CheckInField::AccountList};
        // An account whose name cannot name its invoice files would lose the invoice.
        if (const std::string problem = accountNameProblem(f.account); !problem.empty())
            return Refusal{problem, CheckInField::AccountList};
    }
    return std::nullopt;
}

std::vector<std::string> offeredRooms(DataDir& dir, Date hotelDate) {
    // Rooms held by an open reservation arriving today, read once.
    std::vector<std::string> held;
    RecordFile<Reservation>(dir, dir.reservations()).scan([&](const Reservation& r, std::uint64_t) {
        if (r.open() && r.arrivalDate == hotelDate) held.push_back(r.roomNo.str());
    });
    std::vector<std::string> entries;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) {
        if (room.occupied() || room.dirty()) return;
        for (const std::string& roomNo : held)
            if (roomNo == room.roomNo.str()) return;
        entries.push_back(room.roomNo.str() + "  " + room.roomType.str());
    });
    return entries;
}

bool overbooks(DataDir& dir, const std::string& roomNo, Date departure) {
    return RecordFile<Reservation>(dir, dir.reservations())
        .findFirst([&](const Reservation& r) {
            return r.open() && r.roomNo.str() == roomNo && r.arrivalDate < departure;
        })
        .has_value();
}

std::optional<float> roomRate(DataDir& dir, const std::string& roomEntry) {
    const std::string roomNo = firstChars(roomEntry, 3);
    const auto room = RecordFile<Room>(dir, dir.rooms()).findFirst([&](const Room& r) { return r.roomNo.str() == roomNo; });
    if (!room) return std::nullopt;
    return room->record.rate;
}

OneNight oneNight(double rate, float taxRate) {
    const double tax = roundCents(rate * taxRate);
    return {tax, rate + tax};
}

std::vector<std::string> accountNames(DataDir& dir) {
    std::vector<std::string> names;
    RecordFile<DirectBillAccount>(dir, dir.directBillAccounts()).scan([&](const DirectBillAccount& a, std::uint64_t) {
        names.push_back(a.accountName.str());
    });
    return names;
}

CheckedIn checkIn(DataDir& dir, const CheckInForm& f, Date hotelDate, const std::string& arrivalTime) {
    const float taxRate = readCounter(dir, dir.taxRate());
    const float folioNo = takeNextNumber(dir, dir.folioCounter());
    const bool directBill = firstLetter(f.payType) == 'R';
    const auto account = directBill ? accountNamed(dir, f.account) : std::nullopt;

    Guest guest;
    f.guest.copyTo(guest);
    guest.roomNo = std::string(trimRight(firstChars(f.roomEntry, 3)));
    guest.payType = firstChars(f.payType, 1);
    guest.arrivalTime = arrivalTime;
    guest.arrivalDate = Date::parse(f.arrivalDate).value_or(hotelDate);
    guest.departDate = Date::parse(f.departDate).value_or(hotelDate);
    const double rate = leadingNumber(f.rate);
    guest.rate = toSingle(rate);
    guest.folioNo = folioNo;
    guest.directBillNo = account ? account->record.accountNo : 0;
    RecordFile<Guest>(dir, dir.guests()).append(guest);

    RecordFile<Room> rooms(dir, dir.rooms());
    if (auto room = rooms.findFirst([&](const Room& r) { return r.roomNo.str() == guest.roomNo.str(); })) {
        room->record.vacantFlag = "O";
        room->record.cleanFlag = "N";
        room->record.dueOutDate = hotelDate.plusDays(1);
        rooms.write(room->number, room->record);
    }

    // The first night, posted under the room as stored (five characters).
    const std::string room = guest.roomNo.stored(5);
    const double tax = rate * taxRate;
    postToFolio(dir, folioNo, room, hotelDate, 'E', rate);
    postToFolio(dir, folioNo, room, hotelDate, 'T', tax);
    appendFolioLine(dir, folioNo, room, hotelDate, 'L', "Total", rate + tax);

    const char extra = firstLetter(f.extraCharge);
    if (std::string_view("PSQNWO").find(extra) != std::string_view::npos && extra != '\0')
        postToFolio(dir, folioNo, room, hotelDate, extra, leadingNumber(f.extraAmount));

    const char pay = firstLetter(f.payType);
    if (std::string_view("CVMDAR").find(pay) != std::string_view::npos && pay != '\0')
        postToFolio(dir, folioNo, room, hotelDate, pay, leadingNumber(pay == 'C' ? f.cashTotal : f.totalStay));

    if (account) {
        if (const auto files = InvoiceFiles::of(dir, account->record.accountName.str())) {
            const float invoiceNo = nextInvoiceNumber(dir, *files);
            const std::string roomNo = guest.roomNo.str();
            appendInvoiceLine(dir, *files, chargeInvoiceLine(roomNo, hotelDate, invoiceNo, rate, 'E'));
            appendInvoiceLine(dir, *files, chargeInvoiceLine(roomNo, hotelDate, invoiceNo, roundCents(tax), 'T'));
        }
    }
    return {folioNo};
}

PrintJob printedCheckInFolio(DataDir& dir, const CheckInForm& f, const CheckedIn& stay, const std::string& arrivalTime) {
    FolioGuestBlock block;
    block.name = f.guest.name;
    block.address = f.guest.address;
    block.city = f.guest.city;
    block.state = f.guest.state;
    block.zip = f.guest.zip;
    block.phone = f.guest.phone;
    block.cell = f.guest.cell;
    block.arrivalTime = arrivalTime;
    block.folioNo = stay.folioNo;
    const std::optional<std::string> account =
        f.account == kSelectAccount ? std::nullopt : std::optional<std::string>(f.account);
    return checkInFolio(block, readFolioLines(dir, stay.folioNo), account);
}

}  // namespace innvera
