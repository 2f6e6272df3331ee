#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "platform/journalled_dir.h"

namespace innvera {

// What a committed change touched, by kind of file: what the windows that show the files listen
// for.
struct DataChanges {
    enum Kind : unsigned {
        Rooms = 1u << 0,
        Stays = 1u << 1,         // the guest file
        Reservations = 1u << 2,
        Accounts = 1u << 3,      // the direct-bill account file
        Folios = 1u << 4,        // folio charge files
        Totals = 1u << 5,        // month and day totals
        Invoices = 1u << 6,      // invoice counter and invoice line files
        Messages = 1u << 7,
        Settings = 1u << 8,      // counters, options, flags and the motel's other small files
    };
    unsigned kinds = 0;

    bool any() const { return kinds != 0; }
    bool touches(unsigned anyOf) const { return (kinds & anyOf) != 0; }
};

// The motel's data directory: where each of the motel's files lies in it. Reading, writing and
// the transactions are the journalled directory's.
class DataDir : public JournalledDir {
public:
    using JournalledDir::JournalledDir;

    // c:/motel/ on Windows; $XDG_DATA_HOME/innvera/motel/ (~/.local/share/innvera/motel/) elsewhere.
    static std::filesystem::path defaultRoot();

    // Creates the directory and its five subfolders when they are missing.
    void createFolders() const;

    std::filesystem::path rooms() const { return root() / "rooms"; }
    std::filesystem::path guests() const { return root() / "guest"; }
    std::filesystem::path reservations() const { return root() / "reservation"; }
    std::filesystem::path directBillAccounts() const { return root() / "directbill"; }
    std::filesystem::path taxFile() const { return root() / "tax"; }
    std::filesystem::path folioCounter() const { return root() / "folio"; }
    std::filesystem::path confirmationCounter() const { return root() / "confirmation"; }
    std::filesystem::path accountCounter() const { return root() / "directnumber"; }
    std::filesystem::path printFolioFile() const { return root() / "printfolio"; }
    std::filesystem::path welcomeFile() const { return root() / "intro"; }
    std::filesystem::path setBackFlag() const { return root() / "datedone"; }
    std::filesystem::path endOfDayFlag() const { return root() / "dateaudit"; }
    // The nightly run's record of the stays it has charged for the night it is closing.
    std::filesystem::path nightAudit() const { return root() / "nightaudit"; }
    // The motel's name, address and phone (key=value lines), there once they are saved.
    std::filesystem::path motelDetailsFile() const { return root() / "motel.conf"; }
    std::filesystem::path folioCharges(std::string_view folioKey) const;
    std::filesystem::path monthTotals(std::string_view monthKey) const;
    std::filesystem::path dayTotals(std::string_view dayKey) const;
    // Invoice counter and invoice line files; the name must already be a safe file name.
    std::filesystem::path directInvoice(std::string_view name) const;
    std::filesystem::path message(std::string_view folioDigits) const;

    // The kinds of file among these paths of the directory.
    DataChanges kindsOf(const std::vector<std::filesystem::path>& files) const;

    // The directory's cache of type C (a FileCache made from the DataDir), made on first use and
    // kept for the DataDir's life.
    template <class C>
    C& cache() {
        return cacheMadeFrom<C>(*this);
    }
};

}  // namespace innvera
