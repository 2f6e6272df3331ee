#include "folio/check_out.h"

#include "core/stays.h"
#include "core/rooms.h"

namespace innvera {

bool checkOut(DataDir& dir, float folioNo, const std::string& departTime) {
    auto stay = findStayRecord(dir, folioNo);
    if (!stay) return false;
    stay->record.stayStatus = "*";
    stay->record.departTime = departTime;
    rewriteStay(dir, *stay);
    vacateEveryRoom(dir, stay->record.roomNo.str());
    return true;
}

}  // namespace innvera
