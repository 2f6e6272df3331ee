#include "core/ui/motel_on_record.h"

namespace innvera {

MotelOnRecord motelOnRecord(Desk& desk) {
    const DataDir& dir = desk.dataDir;
    MotelOnRecord motel = readMotelDetails(dir);
    if (motel.damage.empty()) return motel;

    std::string told = motel.damage;
    if (const auto stamp = dir.stamp(dir.motelDetailsFile()))
        told += "|" + std::to_string(stamp->device) + ":" + std::to_string(stamp->inode) + ":" +
                std::to_string(stamp->size) + ":" + std::to_string(stamp->modifiedNs);
    if (told == desk.session.toldMotelDamage) return motel;
    desk.session.toldMotelDamage = told;
    desk.dialogs.inform("ATTENTION!",
                        "The motel's details in " + dir.motelDetailsFile().string() + " could not all be read (" +
                            motel.damage + "). What could not be read is shown and printed as the sample motel's " +
                            "until the details are saved again under Settings and Reports, Motel Details.");
    return motel;
}

}  // namespace innvera
