#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/date.h"
#include "core/motel_details.h"
#include "core/print_job.h"
#include "core/records.h"
#include "ledger/folio_file.h"

// The printed folio: the motel's heading, the guest's particulars, every folio line and the
// balance, a thank-you text and a signature line. Printed from the folio screen, at check-in and
// as the reprint of a checked-out stay.
//
// The heading: an empty line, the motel's name, an empty line, the street (the line filled
// with blanks to 126 characters), an empty line, the city, state and zip, an empty line, the
// phone line and three empty lines, the middle one holding the extra line when the motel has
// one. Each is centred on its middle column (see core/motel_details.h); an empty text gives an
// empty line. The sample property's heading comes out as "Kestrel Motel" after 87 blanks,
// "27 Cedar Mill Rd" after 85 (and 25 after it), "Westerbrooke, ZZ  00000" after 82 and
// "Phone: 555-010-0000   Fax: 555-010-0001" after 71.
namespace innvera {

// The guest's particulars as printed: each text is printed exactly as given.
// guestBlockOf fills it from a Guest record (names and places trimmed, phone, cell, zip,
// e-mail and times with their trailing blanks, as stored); check-in fills it from its boxes.
struct FolioGuestBlock {
    std::string name;
    std::string address;
    std::string city;
    std::string state;
    std::string zip;
    std::string phone;
    std::string cell;
    std::string email;
    std::string arrivalTime;
    float folioNo = 0;
    // Printed by the reprint only.
    std::string departTime;
    Date arrivalDate;
    Date departDate;
};

FolioGuestBlock guestBlockOf(const Guest& guest);

// The folio as the folio screen prints it.
PrintJob folioScreenFolio(const MotelDetails& motel, const FolioGuestBlock& guest, const std::vector<FolioLine>& lines);

// The folio printed at check-in: after the balance, "Direct Bill Account:  " and the
// account list's text when an account was chosen, and a shorter signature line.
PrintJob checkInFolio(const MotelDetails& motel, const FolioGuestBlock& guest, const std::vector<FolioLine>& lines,
                      const std::optional<std::string>& directBillAccount);

// The reprint of a checked-out stay: the departure time and both dates in the guest
// block, and the account line shown on the reprint window (printed even when empty).
PrintJob reprintFolio(const MotelDetails& motel, const FolioGuestBlock& guest, const std::vector<FolioLine>& lines,
                      const std::string& directBillAccountLine);

}  // namespace innvera
