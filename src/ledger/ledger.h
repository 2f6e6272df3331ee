#pragma once

#include <optional>
#include <string_view>

#include "core/data_dir.h"
#include "core/date.h"
#include "ledger/folio_file.h"
#include "ledger/invoices.h"
#include "ledger/totals.h"

// The ledger: every posting of money goes through here, onto the stay's folio charge file and
// the month and day totals, and onto an invoice of a direct-bill account.
namespace innvera {

// Appends the folio line of a table code (with the table's description) and adds the amount to
// the code's totals slot, when it has one. Nothing for a letter outside the table.
void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, double amount);

// A night's room rent and its tax, worked out by one rule wherever a night is charged: the rent
// as the clerk knows it, and the rent times the tax rate in single precision (the tax rate is a
// Single, and so is every sum it goes into), unrounded. An invoice carries the tax rounded to
// the cent (ties to the even cent).
struct NightRent {
    double rent = 0;
    float tax = 0;

    double invoicedTax() const;
    // The rent and the tax as the folio's check-in "Total" line carries them.
    double total() const;
};
NightRent nightRent(double rent, float taxRate);
// A stay's stored rate as the rent it stands for: the decimal a Single of 59.95 shows, 59.95,
// not the 59.9500007629395 it holds.
double rentOfRate(float rate);

// Where a night's rent and tax go. A folio posting adds them to the totals too; an invoice
// only holds them.
struct FolioOfStay {
    float folioNo = 0;
    std::string_view room;  // the stay's room as its lines carry it
};
struct InvoiceOfAccount {
    const InvoiceFiles* files = nullptr;
    float invoiceNo = 0;
    std::string_view room;
};

// Posts a night's room rent and its tax, dated the hotel date: on the folio, a "Room Rent" line
// of the rent and a "Tax" line of the tax, each added to its totals slot (6 and 7); on the
// invoice, a "Room Rent" line of the rent and a "Tax" line of the tax rounded to the cent.
// Check-in, a room-rent posting on the folio screen, the nightly run and the direct-bill
// ledger all post a night through here. Returns the night posted.
NightRent postRoomRent(DataDir& dir, Date hotelDate, double rent, float taxRate,
                       const std::optional<FolioOfStay>& folio, const std::optional<InvoiceOfAccount>& invoice);

}  // namespace innvera
