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

std::optional<Refusal> checkGuest(const GuestForm& g) {
    return firstFailure({
        {g.name.empty(), "You didn't enter a name.", "Text1"},
        {g.address.empty(), "You didn't enter an address.", "Text2"},
        {g.city.empty(), "You didn't enter a city.", "Text3"},
        {g.state.empty(), "You didn't enter a state.", "Text4"},
        {g.zip.empty(), "You didn't enter a zip code.", "Text5"},
        {g.adults.empty(), "You didn't enter number of adults.", "Text11"},
    });
}

std::vector<std::string> expiryYears(int currentYear) {
    std::vector<std::string> years;
    for (int year = 2017; year <= currentYear + 10; ++year) years.push_back(std::to_string(year));
    return years;
}

}  // namespace innvera
