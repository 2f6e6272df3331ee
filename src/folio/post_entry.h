#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/date.h"
#include "core/refusal.h"
#include "core/data_dir.h"

// "Do Now" on the folio screen: one charge or payment posted to the stay shown.
namespace innvera {

struct PostEntryInput {
    float folioNo = 0;       // the "Folio#" the folio screen shows: the stay posted to
    std::string codeText;    // the "Select Code" list's text; only its first letter is used
    std::string amountText;  // the "Amount" box
    Date hotelDate;
};

inline constexpr const char* kNoCode = "You didn't select a code.";
inline constexpr const char* kNoAmount = "You didn't enter an amount.";
inline constexpr const char* kNoStayInHouse = "This guest is no longer checked in.";

// What "Do Now" is about to post: the code, its description ("Room Rent") and the amount. A
// negative amount is a correction, posted as a line of that code and amount, which the window
// asks about first.
struct FolioPosting {
    char code = 0;
    std::string description;
    double amount = 0;

    bool correction() const { return amount < 0; }
};

inline constexpr const char* kCorrectionTitle = "Correction";
// "Post a correction of -59.95 Room Rent?"
std::string correctionQuestion(const FolioPosting& posting);

// The checks of "Do Now", in order: reads the tax rate; finds the stay; refuses a code list
// still showing "Select Code" (focus to the code list, "Combo4"), then an amount box empty or
// blank (kNoAmount) and one that is not an amount (readAmount: a minus allowed, for a
// correction; two decimals at most; not too large), the focus going to the amount box
// ("Text16"); then a stay no longer in house and an account name that cannot name invoice files.
// When all pass: what would be posted, or nothing for a letter the folio screen does not post
// (T, R, L, K, any other), which is not refused either.
std::variant<Refusal, std::optional<FolioPosting>> checkPostEntry(DataDir& dir, const PostEntryInput& input);

// Posts the entry to the in-house stay with the folio number shown, after the checks above:
//  E: the room rent line of the amount and its totals (slot 6), the tax line (amount times the
//     tax rate, unrounded) and its totals (slot 7); a correction of room rent takes its tax
//     back the same way (both lines negative);
//  P, S, Q, N, W, O: the charge line and its totals;
//  C, V, M, D, A: the payment line and its totals;
//  any other letter: nothing is written, and nothing is refused.
// A direct-bill stay (DirectBillNo not 0) also gets invoice lines on its account's latest
// invoice for E (rent, and tax rounded to the cent) and the sundry charges, corrections
// included; none when the account record is missing. Nothing is written when a check fails, and
// nothing is ever taken off a folio: a correction is a line of its own.
std::optional<Refusal> postEntry(DataDir& dir, const PostEntryInput& input);

}  // namespace innvera
