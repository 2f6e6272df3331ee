#pragma once

#include <optional>
#include <string>

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

// Posts the entry to the in-house stay with the folio number shown, in this order: reads
// the tax rate; finds the stay; refuses a code list still showing "Select Code" (focus to the
// code list, "Combo4"), then an empty amount box and an amount too large to store (focus to the
// amount box, "Text16"), then a stay no longer in house and an account name that cannot name
// invoice files; then:
//  E: the room rent line (the leading number of the amount box) and its totals (slot 6),
//     the tax line (amount times the tax rate, unrounded) and its totals (slot 7);
//  P, S, Q, N, W, O: the charge line and its totals;
//  C, V, M, D, A: the payment line and its totals;
//  any other letter: nothing is written, and nothing is refused.
// A direct-bill stay (DirectBillNo not 0) also gets invoice lines on its account's latest
// invoice for E (rent, and tax rounded to the cent) and the sundry charges; none when the
// account record is missing. Nothing is written when a check fails.
std::optional<Refusal> postEntry(DataDir& dir, const PostEntryInput& input);

}  // namespace innvera
