#pragma once

#include <optional>
#include <string>

#include "core/date.h"
#include "core/guest_form.h"
#include "core/motel_details.h"
#include "core/print_job.h"
#include "core/records.h"
#include "core/data_dir.h"

// Checking a guest in: the transaction shared by the walk-in check-in and the check-in from a
// reservation. It takes an order whose values each window has already read from its own boxes.
namespace innvera {

// A check-in as the transaction takes it.
struct CheckInOrder {
    GuestForm guest;       // the particulars, as typed
    std::string roomNo;    // the room, trailing blanks removed
    Date arrivalDate;
    Date departDate;
    double rate = 0;       // the night's rate: the stay's Rate and the room rent posted
    char payCode = 0;      // C, V, M, D, A or R (R: settled by a direct-bill account)
    double payment = 0;    // the amount of the payment line
    char extraCode = 0;    // one sundry charge (P, S, Q, N, W or O), or 0 for none
    double extraAmount = 0;
    // The account a direct-bill stay (pay code R) is billed to; its AccountNo is stored in
    // the stay and it gets the new invoice.
    std::optional<DirectBillAccount> account;
    // A check-in from a reservation closes the open reservation of this confirmation number
    // right after the folio number is drawn.
    std::optional<std::string> reservationConfirmNo;
};

struct CheckedIn {
    float folioNo;
    bool folioCounterRepaired = false;  // the folio counter was damaged or behind (say so)
};

// Checks the guest in, in this order of writes: the folio counter, the reservation closed (when
// the order comes from one), the stay's Guest record, the room (occupied, dirty, due out the day
// after the hotel date), the first night's room rent, tax and total lines, the extra charge, the
// payment (each with its totals), then for a direct-bill stay a new invoice holding the night's
// rent and rounded tax.
CheckedIn checkIn(DataDir& dir, const CheckInOrder& order, Date hotelDate, const std::string& arrivalTime);

// The folio printed at check-in under the motel's heading: the guest block from the order, the
// lines just posted, and "Direct Bill Account:  " with the account list's text when the clerk
// chose an account (whatever the payment type).
PrintJob printedCheckInFolio(DataDir& dir, const MotelDetails& motel, const CheckInOrder& order, const CheckedIn& stay,
                             const std::string& arrivalTime, const std::optional<std::string>& chosenAccount);

}  // namespace innvera
