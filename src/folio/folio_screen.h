#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/guest_form.h"
#include "core/date.h"
#include "core/records.h"
#include "core/refusal.h"
#include "ledger/folio_file.h"
#include "core/data_dir.h"

// The folio screen: the stay shown with its folio lines and balance, moving the guest to
// another room and saving edited particulars. The guests in house to choose from are found
// in core/stays.h.
namespace innvera {

// The prompts the folio screen's lists show until something is chosen.
inline constexpr const char* kSelectGuest = "Select Guest";
inline constexpr const char* kChangeRoom = "Change Room";

// One row of the folio list, in a fixed-pitch font: the room field and five blanks (10),
// the posting date (20), the code (15), the description (35), the amount rounded to the
// cent in signed form (20); a value longer than its width is cut.
std::string folioListRow(const FolioLine& line);
// The headings over those rows, at their columns: "Room", "Date", "Code", "Description", "Amount".
std::string folioListHeadings();

struct FolioView {
    std::vector<std::string> rows;  // one per folio line, in file order
    double balance = 0;
};
// The rows and balance of the stay's folio charge file; a missing file has neither.
FolioView folioView(const DataDir& dir, float folioNo);

// The direct-bill value label: the account number in signed form, "-", and the account
// name as stored (30 characters). Nothing when the stay has no account, or its account
// record is missing.
std::optional<std::string> directBillLine(DataDir& dir, float directBillNo);

// "Change Room": every room vacant, clean and in service (VacantFlag not "O", CleanFlag
// not "N", StatusFlag not "X"), in room-file order: the room number trimmed, two blanks,
// the room type trimmed.
std::vector<std::string> roomsToMoveTo(DataDir& dir);

inline constexpr const char* kNoSuchRoomToMoveTo = "That room can't be chosen. Choose a room from the Change Room list.";

// Moves the stay with the folio number from its current room to the room of the entry:
// the old room becomes vacant and dirty, the new one occupied and dirty, and the stay's
// RoomNo the new room. Lines already posted keep the old room. Returns the room the guest now
// has. Refused, with nothing written, when the entry names no room the guest can move to.
std::variant<Refusal, std::string> changeRoom(DataDir& dir, float folioNo, std::string_view currentRoom, std::string_view entry);

// The folio screen's boxes as "Save and Exit" reads them.
struct FolioSaveForm {
    GuestForm guest;
    std::string departDate;  // "Depart Date"
    std::string rate;        // "Rate"
    Date arrivalDate;        // the stay's arrival, which the departure may not precede
};

inline constexpr const char* kEnterRate = "Please enter the rate.";

// The checks of "Save and Exit", in order: a rate, a rate that is an amount (readAmount), a
// departure date that is a date (refused with check-in's kDepartNotADate) in the years 2000 to
// 2099 and not before the arrival, then the head count (checkHeadCount). The first failure, or
// nothing when all pass.
std::optional<Refusal> checkFolioSave(const FolioSaveForm& form);

// Saves the particulars, the departure date and the rate into the stay with the folio
// number (the arrival date and days are not saved). The form must have passed
// checkFolioSave. False when no stay carries the folio number: nothing is written.
bool saveFolio(DataDir& dir, float folioNo, const FolioSaveForm& form);

}  // namespace innvera
