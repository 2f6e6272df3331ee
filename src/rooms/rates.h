#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/data_dir.h"

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
// (0 when the text does not start with a number). Returns how many rooms were changed.
int applyRateToType(DataDir& dir, std::string_view type, std::string_view rateText);

// Stores the leading number of the typed text as the tax rate (a fraction: .09 for 9%).
void storeTaxRate(DataDir& dir, std::string_view taxText);

// The leading number of a typed amount as a Single; an amount too large for one is 0.
float typedSingle(std::string_view text);

}  // namespace innvera
