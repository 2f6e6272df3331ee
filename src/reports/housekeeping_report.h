#pragma once

#include <string>
#include <vector>

#include "core/date.h"
#include "core/print_job.h"
#include "core/records.h"
#include "core/data_dir.h"

// The housekeeping report: the printed room sheet, one line per room with whether it is due
// out or staying over (or empty, clean or dirty), whether it is in service, and its comment.
namespace innvera {

// "C/O" when the room is due out on or before the hotel date, "Stay" when later; a vacant
// room is "EMPTY / CLEAN" or "EMPTY / DIRTY" instead (a vacant room with another clean flag
// keeps "C/O" or "Stay").
std::string occupancyText(const Room& room, Date hotelDate);
// The status flag without trailing blanks: "K" is "OK", "X" is "OOO", anything else as stored.
std::string statusText(const Room& room);

// "Housekeeping Report" of the hotel date for the rooms in record order: the heading, the
// column line and a rule of 162 "-", then per room its line and the rule again.
PrintJob housekeepingReport(const std::vector<Room>& rooms, Date hotelDate);
// The same, for every room of the room file.
PrintJob housekeepingReport(DataDir& dir, Date hotelDate);

}  // namespace innvera
