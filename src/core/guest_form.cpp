#include "core/guest_form.h"

#include "core/formats.h"

namespace innvera {

void GuestForm::copyTo(GuestDetails& r) const {
    r.guestName = name;
    r.address = address;
    r.city = city;
    r.state = state;
    r.zip = zip;
    r.phone = phone;
    r.cell = cell;
    r.company = company;
    r.comment = comment;
    r.cardNo = cardNo;
    r.cardMonth = cardMonth;
    r.cardYear = cardYear;
    r.adults = firstChars(adults, 1);
    r.children = firstChars(children, 1);
}

GuestForm GuestForm::from(const GuestDetails& r) {
    GuestForm f;
    f.name = r.guestName;
    f.address = r.address;
    f.city = r.city;
    f.state = r.state;
    f.zip = r.zip;
    f.phone = r.phone;
    f.cell = r.cell;
    f.company = r.company;
    f.comment = r.comment;
    f.cardNo = r.cardNo;
    f.cardMonth = r.cardMonth;
    f.cardYear = r.cardYear;
    f.adults = r.adults;
    f.children = r.children;
    return f;
}

namespace {

// A box holding nothing but blanks holds nothing.
bool blank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// A whole number of people from `least` up to what the one-character field holds (blanks after
// it are the field's padding).
bool headCount(std::string_view text, int least) {
    text = trimRight(text);
    return text.size() == 1 && text[0] >= '0' + least && text[0] <= '9';
}

}  // namespace

std::optional<Refusal> checkGuest(const GuestForm& g) {
    if (auto refusal = firstFailure({
            {blank(g.name), "You didn't enter a name.", "Text1"},
            {blank(g.address), "You didn't enter an address.", "Text2"},
            {blank(g.city), "You didn't enter a city.", "Text3"},
            {blank(g.state), "You didn't enter a state.", "Text4"},
            {blank(g.zip), "You didn't enter a zip code.", "Text5"},
            {blank(g.adults), "You didn't enter number of adults.", "Text11"},
        }))
        return refusal;
    return checkHeadCount(g);
}

std::optional<Refusal> checkHeadCount(const GuestForm& g) {
    return firstFailure({
        {!blank(g.adults) && !headCount(g.adults, 1), kAdultsNotANumber, "Text11"},
        {!blank(g.children) && !headCount(g.children, 0), kChildrenNotANumber, "Text12"},
    });
}

std::vector<std::string> expiryYears(int currentYear) {
    std::vector<std::string> years;
    for (int year = 2017; year <= currentYear + 10; ++year) years.push_back(std::to_string(year));
    return years;
}

}  // namespace innvera
