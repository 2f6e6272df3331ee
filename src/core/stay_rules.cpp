#include "core/stay_rules.h"

#include "core/forms.h"
#include "core/records.h"
#include "platform/record_file.h"

namespace innvera {

bool overbooks(DataDir& dir, const std::string& roomNo, Date departure) {
    return RecordFile<Reservation>(dir, dir.reservations())
        .findFirst([&](const Reservation& r) {
            return r.open() && r.roomNo.str() == roomNo && r.arrivalDate < departure;
        })
        .has_value();
}

OneNight oneNight(double rate, float taxRate) {
    const double tax = roundCents(rate * taxRate);
    return {tax, rate + tax};
}

double totalStay(double days, double nightTotal, double extras) { return days * nightTotal + extras; }

double changeDue(double tendered, double cashTotal) { return tendered - cashTotal; }

}  // namespace innvera
