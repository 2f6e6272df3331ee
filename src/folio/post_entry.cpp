#include "folio/post_entry.h"

#include <optional>

#include "core/accounts.h"
#include "core/forms.h"
#include "core/stays.h"
#include "folio/charge_codes.h"
#include "folio/ledger.h"
#include "core/counters.h"

namespace innvera {

PostEntryResult postEntry(DataDir& dir, const PostEntryInput& input) {
    const float taxRate = taxRate(dir);
    // The stay shown on the screen, by its folio number: the room of a guest entry can be
    // stale after a room move or shared by two stays.
    const std::optional<Guest> stay = findInHouseStay(dir, input.folioNo);

    if (trimRight(input.codeText) == kSelectCode) return {PostEntryOutcome::NoCode, kNoCode};
    if (input.amountText.empty()) return {PostEntryOutcome::NoAmount, kNoAmount};
    // An amount beyond what can be typed would throw the totals off for good.
    if (!isStorableAmount(input.amountText)) return {PostEntryOutcome::AmountTooLarge, kAmountTooLarge};
    if (!stay) return {PostEntryOutcome::NoStay, kNoStayInHouse};

    const char letter = input.codeText.empty() ? '\0' : input.codeText.front();
    const ChargeCode* code = chargeCode(letter);
    const bool roomRent = letter == 'E';
    const bool charge = code && code->kind == ChargeKind::Charge && letter != 'T';
    const bool payment = code && code->kind == ChargeKind::Payment;
    if (!charge && !payment) return {PostEntryOutcome::NothingToPost, {}};

    // The account's invoice files, checked before anything is written.
    std::optional<InvoiceFiles> invoices;
    if (charge && stay->directBillNo != 0) {
        if (const auto account = findAccount(dir, stay->directBillNo)) {
            invoices = InvoiceFiles::of(dir, account->accountName.str());
            if (!invoices) return {PostEntryOutcome::UnsafeAccountName, accountNameProblem(account->accountName.str())};
        }
    }

    const double amount = leadingNumber(input.amountText);
    const std::string& room = stay->roomNo.str();
    postToFolio(dir, stay->folioNo, room, input.hotelDate, letter, amount);
    const double tax = amount * static_cast<double>(taxRate);
    if (roomRent) postToFolio(dir, stay->folioNo, room, input.hotelDate, 'T', tax);

    if (invoices) {
        const float invoiceNo = currentInvoiceNumber(dir, *invoices);
        appendInvoiceLine(dir, *invoices, chargeInvoiceLine(room, input.hotelDate, invoiceNo, amount, letter));
        if (roomRent)
            appendInvoiceLine(dir, *invoices, chargeInvoiceLine(room, input.hotelDate, invoiceNo, roundCents(tax), 'T'));
    }
    return {PostEntryOutcome::Posted, {}};
}

}  // namespace innvera
