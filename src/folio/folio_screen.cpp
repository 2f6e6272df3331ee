#include "folio/folio_screen.h"

#include "checkin/check_in.h"
#include "core/forms.h"
#include "core/front_desk.h"
#include "folio/post_entry.h"
#include "platform/record_file.h"

namespace innvera {

namespace {

std::string trimmed(const Text& text) { return std::string(trimRight(text.str())); }

}  // namespace

std::string roomOfEntry(std::string_view entry) { return upToFirstBlank(entry); }

std::vector<std::string> inHouseGuestEntries(DataDir& dir) {
    std::vector<std::string> entries;
    RecordFile<StayKeys>(dir, dir.guests()).scan([&](const StayKeys& g, std::uint64_t) {
        if (g.inHouse()) entries.push_back(guestEntry(g.roomNo, g.guestName));
    });
    return entries;
}

std::optional<Guest> stayOfEntry(DataDir& dir, std::string_view entry) {
    const std::string room = roomOfEntry(entry);
    if (room.empty()) return std::nullopt;
    const auto found = findStayWhere(dir, [&](const StayKeys& g) { return g.inHouse() && trimmed(g.roomNo) == room; });
    if (!found) return std::nullopt;
    return found->record;
}

std::optional<Guest> departingStay(DataDir& dir, std::string_view room, Date hotelDate) {
    const std::string wanted(trimRight(room));
    const auto found = findStayWhere(dir, [&](const StayKeys& g) {
        return g.inHouse() && g.departDate == hotelDate && trimmed(g.roomNo) == wanted;
    });
    if (!found) return std::nullopt;
    return found->record;
}

std::string folioListRow(const FolioLine& line) {
    return fitWidth(fitWidth(line.room, 5) + "     ", 10) + fitWidth(line.postDate.text(), 20) + fitWidth(line.code, 15) +
           fitWidth(line.description, 35) + fitWidth(signedNumber(roundCents(line.amount)), 20);
}

FolioView folioView(const DataDir& dir, float folioNo) {
    FolioView view;
    const std::vector<FolioLine> lines = readFolioLines(dir, folioNo);
    for (const FolioLine& line : lines) view.rows.push_back(folioListRow(line));
    view.balance = folioBalance(lines);
    return view;
}

std::optional<std::string> directBillLine(DataDir& dir, float directBillNo) {
    if (directBillNo == 0) return std::nullopt;
    const std::optional<DirectBillAccount> account = findAccount(dir, directBillNo);
    if (!account) return std::nullopt;
    return signedNumber(account->accountNo) + "-" + account->accountName.stored(30);
}

namespace {

bool canMoveInto(const Room& r) { return !r.occupied() && !r.dirty() && !r.outOfOrder(); }

}  // namespace

std::vector<std::string> roomsToMoveTo(DataDir& dir) {
    std::vector<std::string> entries;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& r, std::uint64_t) {
        if (canMoveInto(r)) entries.push_back(trimmed(r.roomNo) + "  " + trimmed(r.roomType));
    });
    return entries;
}

RoomChange changeRoom(DataDir& dir, float folioNo, std::string_view currentRoom, std::string_view entry) {
    RecordFile<Room> rooms(dir, dir.rooms());
    const std::string oldRoom(trimRight(currentRoom));
    const std::string newRoom = roomOfEntry(entry);

    // Checked before anything is written: the room offered, and the stay moved.
    const auto target = rooms.findFirst([&](const Room& r) { return trimmed(r.roomNo) == newRoom; });
    if (newRoom.empty() || !target || !canMoveInto(target->record)) return {{}, kNoSuchRoomToMoveTo};
    const auto stay = findStayRecord(dir, folioNo);
    if (!stay) return {{}, kNoStayInHouse};

    if (const auto old = rooms.findFirst([&](const Room& r) { return trimmed(r.roomNo) == oldRoom; })) {
        Room room = old->record;
        room.vacantFlag = "Y";
        room.cleanFlag = "N";
        rooms.write(old->number, room);
    }
    Room room = target->record;
    room.vacantFlag = "O";
    room.cleanFlag = "N";
    rooms.write(target->number, room);

    Guest guest = stay->record;
    guest.roomNo = newRoom;
    RecordFile<Guest>(dir, dir.guests()).write(stay->number, guest);
    return {newRoom, {}};
}

std::optional<FolioSaveRefusal> checkFolioSave(const FolioSaveForm& form) {
    if (form.rate.empty()) return FolioSaveRefusal{kEnterRate, FolioSaveField::Rate};
    if (!isNumberText(form.rate)) return FolioSaveRefusal{kRateNotANumber, FolioSaveField::Rate};
    if (!fitsSingle(leadingNumber(form.rate))) return FolioSaveRefusal{kAmountTooLarge, FolioSaveField::Rate};
    if (!Date::parse(form.departDate)) return FolioSaveRefusal{kDepartNotADate, FolioSaveField::DepartDate};
    return std::nullopt;
}

bool saveFolio(DataDir& dir, float folioNo, const FolioSaveForm& form) {
    const std::optional<Date> departDate = Date::parse(form.departDate);
    if (checkFolioSave(form)) return false;
    const auto stay = findStayRecord(dir, folioNo);
    if (!stay) return false;
    Guest guest = stay->record;
    form.guest.copyTo(guest);
    guest.departDate = *departDate;
    guest.rate = toSingle(leadingNumber(form.rate));
    RecordFile<Guest>(dir, dir.guests()).write(stay->number, guest);
    return true;
}

}  // namespace innvera
