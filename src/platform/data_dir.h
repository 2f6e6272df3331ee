#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

namespace innvera {

// A file of the data directory could not be read or written. The window that ran the
// handler shows it to the clerk.
class FileError : public std::runtime_error {
public:
    FileError(std::filesystem::path path, const std::string& reason);
    const std::filesystem::path& path() const { return path_; }
    const std::string& reason() const { return reason_; }

private:
    std::filesystem::path path_;
    std::string reason_;
};

// The motel's data directory: the path of every file in it, and the writes made to its
// files. Files written by a handler are synced to disk once, by syncWritten(), when the
// handler ends.
class DataDir {
public:
    explicit DataDir(std::filesystem::path root);

    // c:/motel/ on Windows; $XDG_DATA_HOME/innvera/motel/ (~/.local/share/innvera/motel/) elsewhere.
    static std::filesystem::path defaultRoot();

    const std::filesystem::path& root() const { return root_; }
    // Creates the directory and its five subfolders when they are missing.
    void createFolders() const;

    std::filesystem::path rooms() const { return root_ / "rooms"; }
    std::filesystem::path guests() const { return root_ / "guest"; }
    std::filesystem::path reservations() const { return root_ / "reservation"; }
    std::filesystem::path directBillAccounts() const { return root_ / "directbill"; }
    std::filesystem::path taxRate() const { return root_ / "tax"; }
    std::filesystem::path folioCounter() const { return root_ / "folio"; }
    std::filesystem::path confirmationCounter() const { return root_ / "confirmation"; }
    std::filesystem::path accountCounter() const { return root_ / "directnumber"; }
    std::filesystem::path printFolioOption() const { return root_ / "printfolio"; }
    std::filesystem::path welcomeOption() const { return root_ / "intro"; }
    std::filesystem::path setBackFlag() const { return root_ / "datedone"; }
    std::filesystem::path endOfDayFlag() const { return root_ / "dateaudit"; }
    std::filesystem::path folioCharges(std::string_view folioKey) const;
    std::filesystem::path monthTotals(std::string_view monthKey) const;
    std::filesystem::path dayTotals(std::string_view dayKey) const;
    // Invoice counter and invoice line files; the name must already be a safe file name.
    std::filesystem::path directInvoice(std::string_view name) const;
    std::filesystem::path message(std::string_view folioDigits) const;

    // Reading. A missing file has size 0; reads past the end return fewer bytes.
    std::uint64_t size(const std::filesystem::path& file) const;
    // The size a write at the end starts from: 0 for a missing file, FileError when the
    // file is there but its size cannot be read (an append must never land on record 1).
    std::uint64_t sizeForAppending(const std::filesystem::path& file) const;
    // Creates a missing file empty, as opening it for records does. Failing to create it
    // is not an error: the file then reads as empty.
    void createIfMissing(const std::filesystem::path& file) const;

    // Writing. Each throws FileError when the write does not fully succeed.
    void write(const std::filesystem::path& file, std::uint64_t offset, const char* data, std::size_t size);
    void appendText(const std::filesystem::path& file, std::string_view text);
    void remove(const std::filesystem::path& file);

    // Syncs every file written since the last call, then forgets them.
    void syncWritten();
    bool hasUnsyncedWrites() const { return !written_.empty(); }

private:
    std::filesystem::path root_;
    std::set<std::filesystem::path> written_;
};

}  // namespace innvera
