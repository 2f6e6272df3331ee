#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/data_dir.h"
#include "core/refusal.h"

// Rates by room type and the tax rate.
namespace innvera {

inline constexpr const char* kSelectRoomType = "Select Room Type";

// A type list item: the code padded with blanks to the stored width, so that it equals a
// stored room type.
std::string paddedRoomType(std::string_view code);

// The rate of the first room, in record order, of the chosen type (compared on the text's
// first ten characters, padded); nothing when no room has that type.
std::optional<float> currentRateOfType(DataDir& dir, std::string_view type);

// Sets the rate of every room of the chosen type (compared padded to ten characters) to the
// typed rate. Refused, with nothing written: no type chosen ("Combo1"), a type not of the list,
// then a rate that is not an amount (readAmount: empty, "abc" and "65 dollars" are refused) or
// too large ("Text1").
std::optional<Refusal> applyRateToType(DataDir& dir, std::string_view type, std::string_view rateText);

inline constexpr const char* kNoRoomTypeChosen = "You didn't select a room type.";
inline constexpr const char* kTaxRateOutOfRange =
    "The tax rate is a fraction from 0 up to 1, for example .08 for 8%. Enter it that way.";

// Stores the typed tax rate (a fraction: .09 for 9%, at most four decimals). A text that is not
// such a number (empty included) and a rate of 1 or more are refused, the focus going to the box
// ("Text1"), and nothing is written.
std::optional<Refusal> storeTaxRate(DataDir& dir, std::string_view taxText);

}  // namespace innvera
