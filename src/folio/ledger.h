#pragma once

#include <string_view>

#include "core/date.h"
#include "folio/folio_file.h"
#include "folio/invoices.h"
#include "folio/totals.h"
#include "core/data_dir.h"

// The ledger: every posting of money goes through here, onto the stay's folio charge file and
// the month and day totals (the invoice files of a direct-bill stay are in invoices.h).
namespace innvera {

// Appends the folio line of a table code (with the table's description) and adds the
// amount to the code's totals slot, when it has one. Nothing for a letter outside the table.
void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, double amount);
void postToFolio(DataDir& dir, float folioNo, std::string_view room, Date hotelDate, char code, float amount);

}  // namespace innvera
