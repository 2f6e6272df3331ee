#include "folio/ledger.h"

#include "folio/charge_codes.h"

namespace innvera {

void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, double amount) {
    const ChargeCode* entry = chargeCode(code);
    if (!entry) return;
    appendFolioLine(dir, folioNo, room, hotelDate, code, entry->description, amount);
    if (entry->slot) addToTotals(dir, hotelDate, *entry->slot, amount);
}

void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, float amount) {
    const ChargeCode* entry = chargeCode(code);
    if (!entry) return;
    appendFolioLine(dir, folioNo, room, hotelDate, code, entry->description, amount);
    if (entry->slot) addToTotals(dir, hotelDate, *entry->slot, amount);
}

}  // namespace innvera
