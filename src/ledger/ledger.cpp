#include "ledger/ledger.h"

#include "core/formats.h"
#include "ledger/charge_codes.h"

namespace innvera {

void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, double amount) {
    const ChargeCode* entry = chargeCode(code);
    if (!entry) return;
    appendFolioLine(dir, folioNo, room, hotelDate, code, entry->description, amount);
    if (entry->slot) addToTotals(dir, hotelDate, *entry->slot, amount);
}

double NightRent::invoicedTax() const { return roundCents(decimalOf(tax)); }

double NightRent::total() const { return rent + decimalOf(tax); }

NightRent nightRent(double rent, float taxRate) { return {rent, toSingle(rent) * taxRate}; }

double rentOfRate(float rate) { return decimalOf(rate); }

NightRent postRoomRent(DataDir& dir, Date hotelDate, double rent, float taxRate,
                       const std::optional<FolioOfStay>& folio, const std::optional<InvoiceOfAccount>& invoice) {
    const NightRent night = nightRent(rent, taxRate);
    if (folio) {
        const ChargeCode& rentCode = *chargeCode('E');
        const ChargeCode& taxCode = *chargeCode('T');
        appendFolioLine(dir, folio->folioNo, folio->room, hotelDate, 'E', rentCode.description, night.rent);
        addToTotals(dir, hotelDate, *rentCode.slot, night.rent);
        appendFolioLine(dir, folio->folioNo, folio->room, hotelDate, 'T', taxCode.description, night.tax);
        addToTotals(dir, hotelDate, *taxCode.slot, night.tax);
    }
    if (invoice) {
        appendInvoiceLine(dir, *invoice->files,
                          chargeInvoiceLine(invoice->room, hotelDate, invoice->invoiceNo, night.rent, 'E'));
        appendInvoiceLine(dir, *invoice->files,
                          chargeInvoiceLine(invoice->room, hotelDate, invoice->invoiceNo, night.invoicedTax(), 'T'));
    }
    return night;
}

}  // namespace innvera
