#include "folio/check_out.h"

#include "core/formats.h"
#include "core/stays.h"
#include "ledger/folio_file.h"
#include "core/rooms.h"

namespace innvera {

std::string checkOutQuestion(std::string_view guestName, double balance, bool messageWaiting) {
    std::string left;
    if (balance > 0) left = " owes " + moneyText(balance);
    else if (balance < 0) left = " is owed " + moneyText(-balance);
    if (messageWaiting) left += (left.empty() ? "" : " and") + std::string(" has a message waiting");
    if (left.empty()) return kCheckOutQuestion;
    return std::string(trimRight(guestName)) + left + ". Check out anyway?";
}

std::string checkOutQuestion(DataDir& dir, float folioNo) {
    const std::optional<Guest> stay = findStay(dir, folioNo);
    if (!stay) return kCheckOutQuestion;
    return checkOutQuestion(stay->guestName.str(), folioBalance(readFolioLines(dir, folioNo)), stay->messageFlag == 1.0f);
}

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
