#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/data_dir.h"

// Rates by room type and the tax rate.
namespace innvera {

inline constexpr const char* kSelectRoomType = "Select Room Type";

// A type list item: the code padded with blanks to the stored width, so that it equals a
// stored room type.
std::string paddedRoomType(std::string_view code);

// The rate of the first room, in record order, of the chosen type (compared on the text's
// first ten characters, padded); nothing when no room has that type.
std::optional<float> currentRateOfType(DataDir& dir, std::string_view type);

// Sets the rate of every room of the chosen type to the leading number of `rateText`
// (0 when the text does not start with a number). A number too large to be a rate is refused
// with kAmountTooLarge and nothing is written; otherwise nothing is returned.
std::optional<std::string> applyRateToType(DataDir& dir, std::string_view type, std::string_view rateText);

inline constexpr const char* kTaxRateOutOfRange =
    "The tax rate is a fraction from 0 up to 1, for example .08 for 8%. Enter it that way.";

// Stores the leading number of the typed text as the tax rate (a fraction: .09 for 9%). A rate
// below 0, of 1 or more, or too long a number is refused with kTaxRateOutOfRange and nothing is
// written; otherwise nothing is returned.
std::optional<std::string> storeTaxRate(DataDir& dir, std::string_view taxText);

}  // namespace innvera
