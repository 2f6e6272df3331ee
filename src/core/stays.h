#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/date.h"
#include "core/records.h"
#include "core/data_dir.h"
#include "core/record_file.h"

// Finding stays in the guest file. Every lookup goes through here, so the lists, the folio
// screen, the end of day and the messages all find a stay the same way, and all through the
// stay index (core/stay_index.h), never by reading the whole guest file again.
namespace innvera {

// A guest as the lists show one: the room number, two blanks, the guest name ("101  SMITH JOHN").
std::string guestEntry(const Text& roomNo, const Text& guestName);
std::string guestEntry(const GuestDetails& guest);

// The room number of a list entry ("101  SMITH" or "101  NQ1"): the characters before its
// first blank. For three-character room numbers this is the entry's first three characters;
// a longer room number is taken whole instead of being cut.
std::string roomOfEntry(std::string_view entry);

// The first stay with that folio number (in house or checked out), with its record number.
std::optional<Found<Guest>> findStayRecord(DataDir& dir, float folioNo);
// The first stay with that folio number, in house or checked out.
std::optional<Guest> findStay(DataDir& dir, float folioNo);
// The first stay with that folio number that is in house.
std::optional<Guest> findInHouseStay(DataDir& dir, float folioNo);

// Every stay in house, whole, with its record number, in guest-file order.
std::vector<Found<Guest>> staysInHouse(DataDir& dir);

// One entry per stay in house, in guest-file order: the room number trimmed, two blanks,
// the guest name trimmed.
std::vector<std::string> inHouseGuestEntries(DataDir& dir);

// The stay a guest entry names: the first stay in house whose room number is the entry's room.
std::optional<Guest> stayOfEntry(DataDir& dir, std::string_view entry);

// The stay the main window's departures list chose: the first stay in house departing on
// the hotel date whose room number equals the room (both trimmed).
std::optional<Guest> departingStay(DataDir& dir, std::string_view room, Date hotelDate);

// The stays in house on a day, as the main window counts them.
struct HouseOnDay {
    std::vector<std::string> departures;  // guest entries of stays departing that day, in record order
    int inHouse = 0;                      // every stay not checked out, overstays included
    int stayOvers = 0;                    // stays departing after the day
};
HouseOnDay houseOn(DataDir& dir, Date day);

// The highest folio number any stay carries; 0 when there is none.
float highestFolioNumber(DataDir& dir);
// Whether a stay in house is in the room (numbers compared with trailing blanks removed).
bool roomHasStayInHouse(DataDir& dir, std::string_view roomNo);
// Whether a stay in house departs on the day (the end of day waits until none does).
bool inHouseStayDepartsOn(DataDir& dir, Date day);

// Writes a stay back in place, at its record number.
void rewriteStay(DataDir& dir, const Found<Guest>& stay);

// A checked-out stay as the past-guest search keeps it: where it is in the guest file and
// the keys the search looks at.
struct CheckedOutStay {
    std::uint64_t recordNo = 0;
    float folioNo = 0;
    std::string roomNo;     // as stored, trailing blanks removed
    std::string guestName;  // trailing blanks removed
    Date arrivalDate;
    Date departDate;
};

// Every checked-out stay (StayStatus "*"), in guest-file order, read with the key-only decode.
std::vector<CheckedOutStay> checkedOutStays(DataDir& dir);

// The numbers and dates of every checked-out stay, in guest-file order: for a walk over every
// stay the motel ever had that needs no names.
struct CheckedOutStayDates {
    std::uint64_t recordNo = 0;
    float folioNo = 0;
    Date arrivalDate;
    Date departDate;
};
std::vector<CheckedOutStayDates> checkedOutStayDates(DataDir& dir);

// The folio number of every checked-out stay, in guest-file order (the nightly backup's closed
// folios): no text is built per stay.
std::vector<float> checkedOutFolioNumbers(DataDir& dir);

// A stay in house by its keys, with where it is in the guest file.
struct StayKeys {
    std::uint64_t recordNo = 0;
    float folioNo = 0;
    std::string roomNo;     // trailing blanks removed
    std::string guestName;  // trailing blanks removed
    Date arrivalDate;
    Date departDate;
};

// The stays in house a board of the nights from `first` up to, not including, `end` has to
// show: those whose nights (the arrival up to the night before the departure) meet them, and
// those that no night can hold because their dates make no stay (areStayDates), in guest-file
// order, by their keys.
std::vector<StayKeys> staysInHouseOver(DataDir& dir, Date first, Date end);

// The stay at that record number, whole; nothing when the guest file holds no such record.
std::optional<Guest> stayAt(DataDir& dir, std::uint64_t recordNo);

}  // namespace innvera
