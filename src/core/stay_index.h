#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/date.h"
#include "core/data_dir.h"

// What the lookups need of every stay and every reservation, kept in memory for the whole run,
// so that finding a stay never reads twenty years of the guest file again. An index is built by
// one streaming read of its file the first time it is asked, follows every write the program
// makes to the file (the data directory tells it), and is read again whenever the file changed
// behind the program's back (another size, modification time or file). It holds the keys only;
// a whole record is read by its record number when a window needs it. Get one with
// `dir.cache<StayIndex>()` and bring it up to date with `current()` before reading it.
namespace innvera {

// A text field as stored (Windows-1252 bytes), trailing blanks and zero bytes removed; read as
// a record's Text field reads it.
template <std::size_t N>
struct StoredText {
    std::array<char, N> bytes{};
    std::uint8_t length = 0;
    bool assigned = false;  // the field is not all zero bytes

    void read(const char* field);
    std::string_view stored() const { return {bytes.data(), length}; }
    // The text, UTF-8.
    std::string str() const;
    // Whether it equals a UTF-8 text (trailing blanks of both removed).
    bool is(std::string_view text) const;
};

// The keys of one stay, by record number.
struct StayEntry {
    StoredText<30> guestName;
    StoredText<5> roomNo;
    float folioNo = 0;
    Date arrivalDate;
    Date departDate;
    bool inHouse = false;  // StayStatus is not "*"
    bool blank = true;     // a record of zero bytes: no stay
};

// The keys of one reservation, by record number.
struct ReservationEntry {
    StoredText<30> guestName;
    StoredText<5> roomNo;
    StoredText<10> confirmNo;
    Date arrivalDate;
    Date departDate;
    bool open = false;  // ResStatus is not "*"
    bool blank = true;  // a record of zero bytes: no reservation
};

// An index of one record file: its entries by record number, kept current with the file.
template <class Entry>
class RecordIndex : public FileCache {
public:
    RecordIndex(DataDir& dir, std::filesystem::path file, std::size_t recordLength);

    // Every entry, record 1 first (blank records included, so a position is a record number - 1).
    const std::vector<Entry>& entries() const { return entries_; }
    const Entry& at(std::uint64_t recordNo) const { return entries_[recordNo - 1]; }
    // Record numbers of the entries that are "live" (stays in house, open reservations), in
    // record order: the few that most lookups look at.
    const std::vector<std::uint32_t>& live() const { return live_; }
    // How many times the whole file has been read.
    int readings() const { return readings_; }

    void written(const std::filesystem::path& file, std::uint64_t offset, const char* data, std::size_t size) override;
    void invalidate(const std::filesystem::path& file) override;

protected:
    // Reads the file again when it was never read, was invalidated, or changed behind the program.
    void refresh();
    virtual Entry decode(const char* record) const = 0;
    virtual bool isLive(const Entry& entry) const = 0;
    // Called after entries were rebuilt, or after entry `recordNo` changed from `before`.
    virtual void rebuilt() {}
    virtual void changed(std::uint32_t /*recordNo*/, const Entry& /*before*/) {}

    DataDir& dir_;

private:
    void rebuild();
    void put(std::uint32_t recordNo, Entry entry);

    std::filesystem::path file_;
    std::size_t recordLength_;
    std::vector<Entry> entries_;
    std::vector<std::uint32_t> live_;
    std::optional<FileStamp> stamp_;
    bool known_ = false;
    int readings_ = 0;
};

// The guest file's index. Live entries are the stays in house.
class StayIndex : public RecordIndex<StayEntry> {
public:
    explicit StayIndex(DataDir& dir);

    StayIndex& current() {
        refresh();
        return *this;
    }
    // The first stay (in house or not) with the folio number.
    std::optional<std::uint32_t> firstWithFolio(float folioNo) const;
    // The highest folio number a stay carries; 0 when there is none.
    float highestFolio() const;

private:
    StayEntry decode(const char* record) const override;
    bool isLive(const StayEntry& entry) const override { return !entry.blank && entry.inHouse; }
    void rebuilt() override;
    void changed(std::uint32_t recordNo, const StayEntry& before) override;

    std::vector<std::pair<float, std::uint32_t>> byFolio_;  // (folio, record), sorted; no NaN
};

// The reservation file's index. Live entries are the open reservations.
class ReservationIndex : public RecordIndex<ReservationEntry> {
public:
    explicit ReservationIndex(DataDir& dir);

    ReservationIndex& current() {
        refresh();
        return *this;
    }

private:
    ReservationEntry decode(const char* record) const override;
    bool isLive(const ReservationEntry& entry) const override { return !entry.blank && entry.open; }
};

}  // namespace innvera
