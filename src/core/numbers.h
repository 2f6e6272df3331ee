#pragma once

#include "platform/data_dir.h"

// The numbers the motel hands out: folio, confirmation and account numbers, each from its
// counter file (read, add 1, write back, use the new value). Invoice numbers are an account's
// own (folio/invoices.h).
namespace innvera {

// The next folio number, for a check-in.
float takeFolioNumber(DataDir& dir);

// The next confirmation number, taken when the add-reservation window opens.
float takeConfirmationNumber(DataDir& dir);
// Gives a confirmation number back when its window closes without a reservation: the counter
// goes back by one, but only while it still holds that number (a number taken since is never
// handed out twice).
void giveBackConfirmationNumber(DataDir& dir, float number);

// The next account number, taken when the add-account window opens; given back likewise.
float takeAccountNumber(DataDir& dir);
void giveBackAccountNumber(DataDir& dir, float number);

}  // namespace innvera
