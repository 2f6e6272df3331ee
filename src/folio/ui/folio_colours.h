#pragma once

class QWidget;

// The back colours the folio's windows give a folio's lines and balance: light green when
// the balance is 0 or less (paid up), light red when it is above 0 (owing), white with no
// folio shown. The folio screen and the past-guest window show a folio alike.
namespace innvera {

inline constexpr const char* kPaidUp = "#c0ffc0";
inline constexpr const char* kOwing = "#ffc0c0";
inline constexpr const char* kWhite = "#ffffff";

// The colour of a folio with that balance.
inline const char* balanceColour(double balance) { return balance <= 0 ? kPaidUp : kOwing; }

// Gives the widget that back colour (a "#rrggbb" text).
void setBackColour(QWidget* widget, const char* colour);

// Colours a folio's line list and balance label by the balance.
void colourByBalance(QWidget* lines, QWidget* balanceLabel, double balance);

}  // namespace innvera
