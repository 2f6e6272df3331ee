#include "folio/post_entry.h"

#include <optional>

#include "core/accounts.h"
#include "core/formats.h"
#include "core/stays.h"
#include "ledger/charge_codes.h"
#include "ledger/ledger.h"
#include "core/counters.h"

namespace innvera {

std::optional<Refusal> postEntry(DataDir& dir, const PostEntryInput& input) {
    const float taxRate = readTaxRate(dir);
    // The stay shown on the screen, by its folio number: the room of a guest entry can be
    // stale after a room move or shared by two stays.
    const std::optional<Guest> stay = findInHouseStay(dir, input.folioNo);

    if (trimRight(input.codeText) == kSelectCode) return Refusal{kNoCode, "Combo4"};
    if (input.amountText.empty()) return Refusal{kNoAmount, "Text16"};
    // An amount beyond what can be typed would throw the totals off for good.
    if (!isStorableAmount(input.amountText)) return Refusal{kAmountTooLarge, "Text16"};
    if (!stay) return Refusal{kNoStayInHouse, ""};

    const char letter = input.codeText.empty() ? '\0' : input.codeText.front();
    const ChargeCode* code = chargeCode(letter);
    const bool roomRent = letter == 'E';
    const bool charge = code && code->kind == ChargeKind::Charge && letter != 'T';
    const bool payment = code && code->kind == ChargeKind::Payment;
    if (!charge && !payment) return std::nullopt;

    // The account's invoice files, checked before anything is written.
    std::optional<InvoiceFiles> invoices;
    if (charge && stay->directBillNo != 0) {
        if (const auto account = findAccount(dir, stay->directBillNo)) {
            invoices = InvoiceFiles::of(dir, account->accountName.str());
            if (!invoices) return Refusal{accountNameProblem(account->accountName.str()), ""};
        }
    }

    const double amount = leadingNumber(input.amountText);
    const std::string& room = stay->roomNo.str();
    if (roomRent) {
        std::optional<InvoiceOfAccount> invoice;
        if (invoices) invoice = InvoiceOfAccount{&*invoices, currentInvoiceNumber(dir, *invoices), room};
        postRoomRent(dir, input.hotelDate, amount, taxRate, FolioOfStay{stay->folioNo, room}, invoice);
        return std::nullopt;
    }
    postToFolio(dir, stay->folioNo, room, input.hotelDate, letter, amount);
    if (invoices)
        appendInvoiceLine(dir, *invoices,
                          chargeInvoiceLine(room, input.hotelDate, currentInvoiceNumber(dir, *invoices), amount, letter));
    return std::nullopt;
}

}  // namespace innvera
