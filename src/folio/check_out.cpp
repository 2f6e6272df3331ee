#include "folio/check_out.h"

#include "core/forms.h"
#include "core/records.h"
#include "folio/ledger.h"
#include "platform/record_file.h"

namespace innvera {

bool checkOut(DataDir& dir, float folioNo, const std::string& departTime) {
    const auto stay = findStayRecord(dir, folioNo);
    if (!stay) return false;
    Guest guest = stay->record;
    guest.stayStatus = "*";
    guest.departTime = departTime;
    RecordFile<Guest>(dir, dir.guests()).write(stay->number, guest);

    const std::string room(trimRight(guest.roomNo.str()));
    RecordFile<Room> rooms(dir, dir.rooms());
    std::vector<std::uint64_t> freed;
    rooms.scan([&](const Room& r, std::uint64_t n) {
        if (trimRight(r.roomNo.str()) == room) freed.push_back(n);
    });
    for (std::uint64_t n : freed) {
        Room r = rooms.read(n);
        r.vacantFlag = "Y";
        r.cleanFlag = "N";
        rooms.write(n, r);
    }
    return true;
}

}  // namespace innvera
