#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "core/stays.h"
#include "folio/folio_screen.h"
#include "core/data_dir.h"
#include "core/record_file.h"

// Finding a checked-out stay again and showing its folio as it was at check-out. The search
// works on the list of checked-out stays (core/stays.h checkedOutStays), read once and kept
// while the search window is open; each search gives the positions in that list of the stays
// it finds, in guest-file order. Stays in house are never in the list.
namespace innvera {

inline constexpr const char* kEnterRoomNumber = "You didn't enter a room number.";
inline constexpr const char* kEnterArrivalDate = "You didn't enter an arrival date.";

// One found stay as the list shows it, in a fixed-pitch font: the folio number in signed form
// and ten blanks; the room in signed form padded to 10 (a room number that is not all digits
// is shown as stored, behind the sign position); the name (25), the arrival date (25) and the
// departure date (35) as short date text, each padded, a longer value cut.
std::string foundStayRow(const CheckedOutStay& stay);

// The headings over the rows: "Folio#", "Room#", "Name", "Arrival Date", "Depart Date".
std::string foundStayHeadings();

// The positions, in the list, of the stays a search found.
using FoundStays = std::vector<std::uint32_t>;

// What a search gives: the stays found, or a refusal to show under "ATTENTION!" (the list then
// stays as it was).
struct PastGuestSearch {
    FoundStays found;
    std::string refusal;
    bool refused() const { return !refusal.empty(); }
};

// Name search: the stays whose name (trailing blanks removed) has a word beginning with the typed
// text turned to upper case ("SMI" finds "JOHN SMITH"; a word starts the name or follows a blank
// or a hyphen). The stays whose whole name begins with it come first, then the others, each in
// guest-file order. Every stay when nothing is typed.
FoundStays staysNamed(const std::vector<CheckedOutStay>& stays, std::string_view typed);

// Room search: refused with kEnterRoomNumber when the box is empty; otherwise the stays whose
// room number (trailing blanks removed) equals the box text exactly.
PastGuestSearch staysInRoom(const std::vector<CheckedOutStay>& stays, std::string_view room);

// Arrival-date search: refused with kEnterArrivalDate when the box is empty. A box holding a
// date (12/5/2024 or 12/05/2024) finds the stays arriving that day; any other text the stays
// whose arrival date, as short date text, equals it with trailing blanks removed.
PastGuestSearch staysArriving(const std::vector<CheckedOutStay>& stays, std::string_view arrival);

// A checked-out stay as the "Find Checked Out Guest" window shows it: the whole record, the
// direct-bill account line (nothing when the stay has none), and its folio rows and balance
// exactly as the folio screen shows them.
struct PastStayView {
    Found<Guest> stay;
    std::optional<std::string> directBillLine;
    FolioView folio;
};

// Reads the listed stay whole by its record number. Should that record no longer carry the
// listed folio number (the guest file was replaced while the list was open), the first stay
// with that folio number is taken instead; nothing when there is none.
std::optional<PastStayView> retrievePastStay(DataDir& dir, const CheckedOutStay& listed);

}  // namespace innvera
