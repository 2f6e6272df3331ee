#pragma once

#include <string>

#include "core/date.h"
#include "core/data_dir.h"

// "Do Now" on the folio screen: one charge or payment posted to the stay shown.
namespace innvera {

struct PostEntryInput {
    float folioNo = 0;       // the "Folio#" the folio screen shows: the stay posted to
    std::string codeText;    // the "Select Code" list's text; only its first letter is used
    std::string amountText;  // the "Amount" box
    Date hotelDate;
};

enum class PostEntryOutcome {
    Posted,             // folio lines, totals and (for a direct-bill stay) invoice lines written
    NothingToPost,      // a letter that is not posted from the folio screen: nothing written
    NoCode,             // "You didn't select a code."; focus to the code list
    NoAmount,           // "You didn't enter an amount."; focus to the amount box
    AmountTooLarge,     // an amount too large to store; focus to the amount box
    NoStay,             // no stay in house carries the folio number
    UnsafeAccountName,  // the stay's account name cannot name invoice files
};

inline constexpr const char* kNoCode = "You didn't select a code.";
inline constexpr const char* kNoAmount = "You didn't enter an amount.";
inline constexpr const char* kNoStayInHouse = "This guest is no longer checked in.";

struct PostEntryResult {
    PostEntryOutcome outcome = PostEntryOutcome::Posted;
    std::string message;  // shown with the title "ATTENTION!" (OK only) when failed()
    bool failed() const { return !message.empty(); }
};

// Posts the entry to the in-house stay with the folio number shown, in this order: reads
// the tax rate; finds the stay; refuses a code list still showing "Select Code", then an
// empty amount box; then:
//  E: the room rent line (the leading number of the amount box) and its totals (slot 6),
//     the tax line (amount times the tax rate, unrounded) and its totals (slot 7);
//  P, S, Q, N, W, O: the charge line and its totals;
//  C, V, M, D, A: the payment line and its totals;
//  any other letter: nothing.
// A direct-bill stay (DirectBillNo not 0) also gets invoice lines on its account's latest
// invoice for E (rent, and tax rounded to the cent) and the sundry charges; none when the
// account record is missing. Nothing is written when a check fails.
PostEntryResult postEntry(DataDir& dir, const PostEntryInput& input);

}  // namespace innvera
