#include "core/data_dir.h"

#include <cstdlib>
#include <system_error>

namespace innvera {

namespace fs = std::filesystem;

fs::path DataDir::defaultRoot() {
#ifdef _WIN32
    return fs::path("c:/motel/");
#else
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "innvera" / "motel";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "innvera" / "motel";
#endif
}

void DataDir::createFolders() const {
    for (const char* sub : {"dailycharge", "totals", "dailytotals", "directinvoice", "message"}) {
        std::error_code error;
        fs::create_directories(root() / sub, error);
        if (error) throw FileError(root() / sub, error.message());
    }
}

fs::path DataDir::folioCharges(std::string_view folioKey) const { return root() / "dailycharge" / std::string(folioKey); }
fs::path DataDir::monthTotals(std::string_view monthKey) const { return root() / "totals" / std::string(monthKey); }
fs::path DataDir::dayTotals(std::string_view dayKey) const { return root() / "dailytotals" / std::string(dayKey); }
fs::path DataDir::directInvoice(std::string_view name) const { return root() / "directinvoice" / std::string(name); }
fs::path DataDir::message(std::string_view folioDigits) const { return root() / "message" / std::string(folioDigits); }

DataChanges DataDir::kindsOf(const std::vector<fs::path>& files) const {
    DataChanges changes;
    for (const fs::path& file : files) {
        const fs::path relative = file.lexically_relative(root());
        const std::string first = relative.empty() ? std::string() : relative.begin()->string();
        if (first == "rooms") changes.kinds |= DataChanges::Rooms;
        else if (first == "guest") changes.kinds |= DataChanges::Stays;
        else if (first == "reservation") changes.kinds |= DataChanges::Reservations;
        else if (first == "directbill") changes.kinds |= DataChanges::Accounts;
        else if (first == "dailycharge") changes.kinds |= DataChanges::Folios;
        else if (first == "totals" || first == "dailytotals") changes.kinds |= DataChanges::Totals;
        else if (first == "directinvoice") changes.kinds |= DataChanges::Invoices;
        else if (first == "message") changes.kinds |= DataChanges::Messages;
        else changes.kinds |= DataChanges::Settings;
    }
    return changes;
}

}  // namespace innvera
