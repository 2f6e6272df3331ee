#pragma once

#include <string>

#include "core/date.h"

namespace innvera {

// The values held in memory for the whole program run, written by one window and read
// by another.
struct Session {
    static constexpr const char* kNoPreselection = "tava";

    Date hotelDate;
    // "tava", or the room whose departing stay the folio screen opens.
    std::string folioPreselection = kNoPreselection;
    std::string selectedRoom;          // arrival double-clicked in the main window
    std::string selectedConfirmation;  // reservation chosen for the reservation screen
    Date afternoonReset;          // the day whose afternoon cleared the end-of-day-done flag
    bool setBackWritten = false;  // the set-back flag says the hotel date is set back
    // Where the main window stood when it last closed, as the window side keeps it (opaque
    // here), so that it comes back there; empty before its first closing.
    std::string mainWindowPlace;
    // The damaged motel details file last told of (the file as it stood, and its fault), so
    // that the clerk is told once and not at every print.
    std::string toldMotelDamage;
};

}  // namespace innvera
