#include "reports/housekeeping_report.h"

#include "core/formats.h"
#include "core/record_file.h"

namespace innvera {

namespace {

constexpr int kOccupancyColumn = 20;
constexpr int kStatusColumn = 45;
constexpr int kCommentColumn = 65;
const std::string kRule(162, '-');

}  // namespace

std::string occupancyText(const Room& room, Date hotelDate) {
    std::string text = room.dueOutDate <= hotelDate ? "C/O" : "Stay";
    if (room.vacant()) {
        if (room.cleanFlag == "Y") text = "EMPTY / CLEAN";
        else if (room.cleanFlag == "N") text = "EMPTY / DIRTY";
    }
    return text;
}

std::string statusText(const Room& room) {
    const std::string status(trimRight(room.statusFlag.str()));
    if (status == "K") return "OK";
    if (status == "X") return "OOO";
    return status;
}

PrintJob housekeepingReport(const std::vector<Room>& rooms, Date hotelDate) {
    PrintJob job("Housekeeping Report");
    job.emptyLines(2);
    job.line().text("Housekeeping Report");
    job.emptyLines(1);
    job.line().text("Date:  " + hotelDate.text());
    job.emptyLines(2);
    job.line().text("Room#").column(kOccupancyColumn).text("C/O S/O").column(kStatusColumn).text("Status");
    job.column(kCommentColumn).text("Comment");
    job.line().text(kRule);
    for (const Room& room : rooms) {
        job.line().text(room.roomNo.stored(5)).column(kOccupancyColumn).text(occupancyText(room, hotelDate));
        job.column(kStatusColumn).text(statusText(room));
        job.column(kCommentColumn).text(std::string(trimRight(room.comment.str())));
        job.line().text(kRule);
    }
    return job;
}

PrintJob housekeepingReport(DataDir& dir, Date hotelDate) {
    std::vector<Room> rooms;
    RecordFile<Room>(dir, dir.rooms()).scan([&](const Room& room, std::uint64_t) { rooms.push_back(room); });
    return housekeepingReport(rooms, hotelDate);
}

}  // namespace innvera
