#include "reservations/retrieve_reservation.h"

#include <algorithm>

#include "core/formats.h"
#include "core/reservations.h"

namespace innvera {

std::string retrieveEntry(const ReservationKeys& r) {
    const std::string blanks(25, ' ');
    const std::string room = r.roomNo.str();
    return firstChars(r.confirmNo.stored(10) + blanks, kConfirmationColumn) +
           firstChars(r.guestName.str() + blanks, kNameColumn) +
           firstChars(room + blanks, std::min<std::size_t>(charCount(room) + 15, 30)) +
           firstChars(r.arrivalDate.text() + blanks, kArrivalColumn) +
           firstChars(r.departDate.text() + blanks, kDepartColumn);
}

std::vector<std::string> retrieveEntries(DataDir& dir) {
    std::vector<std::string> entries;
    for (const ReservationKeys& r : openReservations(dir)) entries.push_back(retrieveEntry(r));
    return entries;
}

std::string confirmationOfEntry(std::string_view entry) { return firstChars(entry, kConfirmationColumn); }

}  // namespace innvera
