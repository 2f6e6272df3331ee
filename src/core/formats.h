#pragma once

#include <optional>
#include <string>
#include <string_view>

// The forms in which numbers and texts are read from the clerk and written to screens,
// files and paper.
namespace innvera {

// The decimal number at the start of a text (a count of days, a number kept in a file; money a
// clerk types is read by readAmount below): blanks are skipped, a point is the
// decimal separator whatever the locale, reading stops at the first character that
// cannot continue the number. "12.50" is 12.5, "12abc" is 12, "9%" is 9, "" and "abc" are 0.
double leadingNumber(std::string_view text);

// True when the text holds a number and nothing else but blanks ("65", " 59.95 ", "-5").
bool isNumberText(std::string_view text);

// True when the value can be stored as a Single (finite, within the Single's range).
bool fitsSingle(double value);

// The largest amount a clerk can type either way. A rate, charge or payment beyond it is a
// slip of the keyboard, and totals of such amounts could no longer be kept to the cent.
inline constexpr double kLargestAmount = 999999.99;
// True when the leading number of a typed text is an amount the files can hold: a finite
// number of at most kLargestAmount either way. A text with no leading number counts as 0.
bool isStorableAmount(std::string_view text);
// A double as a Single; values beyond the Single range become infinities instead of
// undefined behaviour.
float toSingle(double value);
// Shown when a typed amount or rate is too large to be stored.
inline constexpr const char* kAmountTooLarge = "That amount is too large. Enter a smaller amount.";
// The number a text holds in full ("65", " 59.95 ", "-5"), when it is one the files can hold.
std::optional<double> wholeAmount(std::string_view text);

// A box the clerk types money or a rate into, as its refusals name it.
struct AmountBox {
    std::string_view name;     // "rate": "The rate must be a number, like 65 or 59.95."
    std::string_view example;  // "65 or 59.95"
    int decimals = 2;          // digits after the point at most: 2 for money, 4 for the tax rate
    bool signAllowed = false;  // a minus in front: only where a correcting posting can be made
};

// The boxes of money and rates, each with its own words.
inline constexpr AmountBox kTaxRateBox{"tax rate", ".09 for 9%", 4};
inline constexpr AmountBox kRateBox{"rate", "65 or 59.95"};
inline constexpr AmountBox kAmountBox{"amount", "12.50"};
inline constexpr AmountBox kCorrectableAmountBox{"amount", "12.50, or -12.50 to correct a posting", 2, true};
inline constexpr AmountBox kExtraChargeBox{"extra charge", "12.50"};
inline constexpr AmountBox kTotalStayBox{"total stay", "130.70"};
inline constexpr AmountBox kCashTotalBox{"cash total", "130.70"};
inline constexpr AmountBox kTenderedBox{"amount tendered", "100 or 80.50"};
inline constexpr AmountBox kBalanceBox{"balance", "0 or 125.50"};

// What a typed amount holds: its value, or else the message refusing it.
struct TypedAmount {
    std::optional<double> value;
    std::string refusal;
};

// Reads a typed amount strictly: blanks before and after are ignored; then a minus (only in a
// box that allows a sign), digits with at most one decimal point and no more decimals than the
// box takes. Anything else is refused, an empty text included ("The rate must be a number, like
// 65 or 59.95."), and so is an amount beyond kLargestAmount (kAmountTooLarge). "12.5", " 12.50 ",
// ".5" and "12." are amounts; "1o", "5x", "1x5", ".o9", "1.2.3", "1 000", "$5" and "12.345" are not.
TypedAmount readAmount(std::string_view text, const AmountBox& box);

// Money as a screen shows a figure it works out: rounded to the cent, in plain form (65.35,
// 130.7, never 65.3500007629395).
std::string moneyText(double value);

// Plain decimal text: no leading blank, a point, no trailing zeros, at most 7 significant
// digits for a single-precision value (but every digit of a whole number a Single holds
// exactly, as 12345678) and 15 for a double-precision one (65, 7.8, -5). A value that is not
// a finite number is written "Infinity", "-Infinity" or "NaN", never as 0.
std::string plainNumber(float value);
std::string plainNumber(double value);

// The number a Single stands for: the double of its plain decimal text (59.95 for the Single
// nearest 59.95, which holds 59.9500007629395). A value that is not a finite number is kept.
double decimalOf(float value);

// Signed form: a blank in front of zero and positive values, a minus in front of negative
// ones, then the plain digits (" 65", "-5").
std::string signedNumber(float value);
std::string signedNumber(double value);

// Rounds to the cent with ties going to the even cent (7.805 gives 7.8, 7.815 gives 7.82),
// judged on the amount's decimal digits.
double roundCents(double value);

// Trailing blanks removed.
std::string_view trimRight(std::string_view text);
// Cut to `width` characters or padded with blanks to it (characters, not bytes, of UTF-8).
std::string fitWidth(std::string_view text, std::size_t width);
// The first `count` characters of a UTF-8 text (all of it when shorter).
std::string firstChars(std::string_view text, std::size_t count);
// Number of characters of a UTF-8 text.
std::size_t charCount(std::string_view text);
// Letters turned to upper case (ASCII and the Latin-1 letters the files can hold).
std::string upperCase(std::string_view text);
// The characters before the first blank ("101  SMITH" gives "101").
std::string upToFirstBlank(std::string_view text);

}  // namespace innvera
