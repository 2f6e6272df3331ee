#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/records.h"
#include "core/refusal.h"

namespace innvera {

// The guest's particulars as typed into the guest boxes shared by the check-in,
// reservation and folio windows.
struct GuestForm {
    std::string name;
    std::string address;
    std::string city;
    std::string state;
    std::string zip;
    std::string phone;
    std::string cell;
    std::string company;
    std::string comment;
    std::string cardNo;
    std::string cardMonth;  // the expiry month list's text ("Expire Month" when none chosen)
    std::string cardYear;
    std::string adults;
    std::string children;

    // Copies the particulars into a stay or reservation record; Adults and Children keep
    // their first character only, every text is cut or blank-padded when stored.
    void copyTo(GuestDetails& record) const;
    // The particulars of a stored stay or reservation.
    static GuestForm from(const GuestDetails& record);
};

// The checks every window that books a stay makes first, in this order: name, address, city,
// state, zip and adults, each refused when its box is empty or holds only blanks ("You didn't
// enter a name."), the focus going to its box (the same documented names, Text1 to Text5 and
// Text11, on every such window); then the head count (checkHeadCount). Nothing when all pass.
std::optional<Refusal> checkGuest(const GuestForm& guest);

inline constexpr const char* kAdultsNotANumber = "The number of adults must be a whole number from 1 to 9.";
inline constexpr const char* kChildrenNotANumber = "The number of children must be a whole number from 0 to 9.";
// "Adults" and "Children", when not blank, must hold a whole number the one-character field
// keeps: 1 to 9 adults (Text11), 0 to 9 children (Text12).
std::optional<Refusal> checkHeadCount(const GuestForm& guest);

// The card-expiry years the guest boxes offer: 2017 to ten years past the current year.
std::vector<std::string> expiryYears(int currentYear);

}  // namespace innvera
