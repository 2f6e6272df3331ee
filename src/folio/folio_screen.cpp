#include "folio/folio_screen.h"

#include "core/accounts.h"
#include "core/formats.h"
#include "core/stay_rules.h"
#include "core/stays.h"
#include "folio/post_entry.h"
#include "core/record_file.h"
#include "core/rooms.h"

namespace innvera {

namespace {

std::string trimmed(const Text& text) { return std::string(trimRight(text.str())); }

}  // namespace

std::string folioListRow(const FolioLine& line) {
    return fitWidth(fitWidth(line.room, 5) + "     ", 10) + fitWidth(line.postDate.text(), 20) + fitWidth(line.code, 15) +
           fitWidth(line.description, 35) + fitWidth(signedNumber(roundCents(line.amount)), 20);
}

std::string folioListHeadings() {
    return fitWidth("Room", 10) + fitWidth("Date", 20) + fitWidth("Code", 15) + fitWidth("Description", 35) + "Amount";
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

std::variant<Refusal, std::string> changeRoom(DataDir& dir, float folioNo, std::string_view currentRoom, std::string_view entry) {
    const std::string newRoom = roomOfEntry(entry);

    // Checked before anything is written: the room offered, and the stay moved.
    const auto target = findRoom(dir, newRoom);
    if (!target || !canMoveInto(target->record)) return Refusal{kNoSuchRoomToMoveTo, "Combo5"};
    auto stay = findStayRecord(dir, folioNo);
    if (!stay) return Refusal{kNoStayInHouse, ""};

    vacateRoom(dir, currentRoom);
    occupyRoom(dir, newRoom);
    stay->record.roomNo = newRoom;
    rewriteStay(dir, *stay);
    return newRoom;
}

std::optional<Refusal> checkFolioSave(const FolioSaveForm& form) {
    if (form.rate.empty()) return Refusal{kEnterRate, "Text17"};
    if (const TypedAmount rate = readAmount(form.rate, kRateBox); !rate.value) return Refusal{rate.refusal, "Text17"};
    const std::optional<Date> depart = Date::parse(form.departDate);
    if (!depart) return Refusal{kDepartNotADate, "Text14"};
    if (!stayDate(form.departDate)) return Refusal{kDateOutOfRange, "Text14"};
    if (*depart < form.arrivalDate) return Refusal{kDepartBeforeArrival, "Text14"};
    return checkHeadCount(form.guest);
}

bool saveFolio(DataDir& dir, float folioNo, const FolioSaveForm& form) {
    const std::optional<Date> departDate = Date::parse(form.departDate);
    if (checkFolioSave(form)) return false;
    auto stay = findStayRecord(dir, folioNo);
    if (!stay) return false;
    form.guest.copyTo(stay->record);
    stay->record.departDate = *departDate;
    stay->record.rate = toSingle(*readAmount(form.rate, kRateBox).value);
    rewriteStay(dir, *stay);
    return true;
}

}  // namespace innvera
