#pragma once

#include <optional>
#include <span>
#include <string_view>

// The one-letter codes every folio line, totals slot and invoice line is posted under.
namespace innvera {

enum class ChargeKind {
    Charge,         // room rent, tax and the sundry charges
    Payment,        // cash and the four cards
    DirectBill,     // R: the stay is settled by a direct-bill account (check-in only)
    Summary,        // L: the "Total" line of a check-in
    CheckReceived,  // K: a check paid on a direct-bill invoice (invoice files only)
};

// How a line of the code moves the folio balance.
enum class BalanceEffect { Added, Subtracted, None };

struct ChargeCode {
    char letter;
    std::string_view description;  // written on folio and invoice lines
    ChargeKind kind;
    BalanceEffect effect;
    std::optional<int> slot;  // totals slot, none for L and K
};

// The closed table of codes, in the order of the ledger's table.
std::span<const ChargeCode> chargeCodes();
// The code of that letter; nothing for a letter outside the table (letters are upper case).
const ChargeCode* chargeCode(char letter);
// The code a folio line's code field names ("E"; trailing blanks ignored); nothing for
// any other text.
const ChargeCode* chargeCode(std::string_view codeField);

// A sundry charge a check-in can add: P, S, Q, N, W or O (a charge other than rent and tax).
bool isSundryCharge(char letter);
// What settles a stay at check-in: a payment (C, V, M, D, A) or a direct-bill account (R).
bool isSettlement(char letter);

// The twelve entries of the folio screen's "Select Code" list, in order ("Q - Stamps " and
// "O - Other " end in a blank). Only an entry's first letter is used.
std::span<const std::string_view> folioScreenCodeEntries();
// What the folio screen's code list shows before a code is chosen.
inline constexpr std::string_view kSelectCode = "Select Code";

// Totals slots of the codes the reports read by number.
namespace slot {
inline constexpr int Cash = 0, Visa = 1, MasterCard = 2, Discover = 3, AmericanExpress = 4, DirectBill = 5,
                     RoomRent = 6, Tax = 7, PetFee = 8, Copies = 9, Stamps = 10, RollAway = 11, WiFi = 12,
                     Other = 13;
inline constexpr int Count = 19;
}  // namespace slot

}  // namespace innvera
