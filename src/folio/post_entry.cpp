#include "folio/post_entry.h"

#include <optional>

#include "core/accounts.h"
#include "core/formats.h"
#include "core/stays.h"
#include "ledger/charge_codes.h"
#include "ledger/ledger.h"
#include "core/counters.h"

namespace innvera {

namespace {

struct Checked {
    Guest stay;
    FolioPosting posting;
    std::optional<InvoiceFiles> invoices;  // a direct-bill stay's charges also go here
};

std::variant<Refusal, std::optional<Checked>> check(DataDir& dir, const PostEntryInput& input) {
    // The stay shown on the screen, by its folio number: the room of a guest entry can be
    // stale after a room move or shared by two stays.
    const std::optional<Guest> stay = findInHouseStay(dir, input.folioNo);

    if (trimRight(input.codeText) == kSelectCode) return Refusal{kNoCode, "Combo4"};
    if (trimRight(input.amountText).empty()) return Refusal{kNoAmount, "Text16"};
    // An amount beyond what can be typed would throw the totals off for good.
    const TypedAmount typed = readAmount(input.amountText, kCorrectableAmountBox);
    if (!typed.value) return Refusal{typed.refusal, "Text16"};
    if (!stay) return Refusal{kNoStayInHouse, ""};

    const char letter = input.codeText.empty() ? '\0' : input.codeText.front();
    const ChargeCode* code = chargeCode(letter);
    const bool charge = code && code->kind == ChargeKind::Charge && letter != 'T';
    const bool payment = code && code->kind == ChargeKind::Payment;
    if (!charge && !payment) return std::nullopt;

    Checked checked{*stay, FolioPosting{letter, std::string(code->description), *typed.value}, std::nullopt};
    // The account's invoice files, checked before anything is written.
    if (charge && stay->directBillNo != 0) {
        if (const auto account = findAccount(dir, stay->directBillNo)) {
            checked.invoices = InvoiceFiles::of(dir, account->accountName.str());
            if (!checked.invoices) return Refusal{accountNameProblem(account->accountName.str()), ""};
        }
    }
    return checked;
}

}  // namespace

std::string correctionQuestion(const FolioPosting& posting) {
    return "Post a correction of " + plainNumber(posting.amount) + " " + posting.description + "?";
}

std::variant<Refusal, std::optional<FolioPosting>> checkPostEntry(DataDir& dir, const PostEntryInput& input) {
    auto checked = check(dir, input);
    if (auto* refusal = std::get_if<Refusal>(&checked)) return *refusal;
    const auto& found = std::get<std::optional<Checked>>(checked);
    if (!found) return std::optional<FolioPosting>();
    return std::optional<FolioPosting>(found->posting);
}

std::optional<Refusal> postEntry(DataDir& dir, const PostEntryInput& input) {
    const float taxRate = readTaxRate(dir);
    auto checked = check(dir, input);
    if (auto* refusal = std::get_if<Refusal>(&checked)) return *refusal;
    const auto& found = std::get<std::optional<Checked>>(checked);
    if (!found) return std::nullopt;

    const auto& [stay, posting, invoices] = *found;
    const std::string& room = stay.roomNo.str();
    if (posting.code == 'E') {
        std::optional<InvoiceOfAccount> invoice;
        if (invoices) invoice = InvoiceOfAccount{&*invoices, currentInvoiceNumber(dir, *invoices), room};
        postRoomRent(dir, input.hotelDate, posting.amount, taxRate, FolioOfStay{stay.folioNo, room}, invoice);
        return std::nullopt;
    }
    postToFolio(dir, stay.folioNo, room, input.hotelDate, posting.code, posting.amount);
    if (invoices)
        appendInvoiceLine(dir, *invoices, chargeInvoiceLine(room, input.hotelDate, currentInvoiceNumber(dir, *invoices),
                                                            posting.amount, posting.code));
    return std::nullopt;
}

}  // namespace innvera
