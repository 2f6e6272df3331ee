#include "core/stay_index.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/codec.h"
#include "core/records.h"

namespace innvera {

namespace {

// The offsets and widths of the key fields, from the record layouts' one declaration.
constexpr auto kStayName = keyField(kGuestFields, &Guest::guestName, &Guest::guestName);
constexpr auto kStayRoom = keyField(kGuestFields, &Guest::roomNo, &Guest::roomNo);
constexpr auto kStayArrival = keyField(kGuestFields, &Guest::arrivalDate, &Guest::arrivalDate);
constexpr auto kStayDepart = keyField(kGuestFields, &Guest::departDate, &Guest::departDate);
constexpr auto kStayFolio = keyField(kGuestFields, &Guest::folioNo, &Guest::folioNo);
constexpr auto kStayStatus = keyField(kGuestFields, &Guest::stayStatus, &Guest::stayStatus);
constexpr auto kResName = std::get<0>(kReservationKeyFields);
constexpr auto kResRoom = std::get<1>(kReservationKeyFields);
constexpr auto kResArrival = std::get<2>(kReservationKeyFields);
constexpr auto kResDepart = std::get<3>(kReservationKeyFields);
constexpr auto kResConfirm = std::get<4>(kReservationKeyFields);
constexpr auto kResStatus = std::get<5>(kReservationKeyFields);

// A status field that reads "*": a closed stay or reservation.
bool closedStatus(const char* field, std::size_t width) {
    if (field[0] != '*') return false;
    for (std::size_t i = 1; i < width; ++i)
        if (field[i] != ' ' && field[i] != '\0') return false;
    return true;
}

bool allZero(const char* field, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        if (field[i] != '\0') return false;
    return true;
}

}  // namespace

// ---- StoredText -------------------------------------------------------------------------------

template <std::size_t N>
void StoredText<N>::read(const char* field) {
    std::size_t end = N;
    bool blankSeen = false;
    while (end > 0 && (field[end - 1] == ' ' || field[end - 1] == '\0')) {
        blankSeen |= field[end - 1] == ' ';
        --end;
    }
    std::memcpy(bytes.data(), field, end);
    length = static_cast<std::uint8_t>(end);
    assigned = end > 0 || blankSeen;
}

template <std::size_t N>
std::string StoredText<N>::str() const {
    return fromCp1252(stored());
}

template <std::size_t N>
bool StoredText<N>::is(std::string_view text) const {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool ascii = true;
    for (unsigned char c : stored()) ascii &= c < 0x80;
    return ascii ? stored() == text : str() == text;
}

template struct StoredText<5>;
template struct StoredText<10>;
template struct StoredText<30>;

// ---- RecordIndex ------------------------------------------------------------------------------

template <class Entry>
RecordIndex<Entry>::RecordIndex(DataDir& dir, std::filesystem::path file, std::size_t recordLength)
    : dir_(dir), file_(std::move(file)), recordLength_(recordLength) {}

template <class Entry>
void RecordIndex<Entry>::refresh() {
    if (known_ && dir_.stamp(file_) == stamp_) return;
    rebuild();
}

template <class Entry>
void RecordIndex<Entry>::rebuild() {
    known_ = false;
    entries_.clear();
    live_.clear();
    stamp_ = dir_.stamp(file_);
    const std::uint64_t count = stamp_ ? stamp_->size / recordLength_ : 0;
    entries_.reserve(count);
    const std::size_t block = recordLength_ * std::max<std::size_t>(1, (1u << 20) / recordLength_);
    dir_.readBlocks(file_, block, [&](const char* data, std::size_t size) {
        for (std::size_t at = 0; at + recordLength_ <= size && entries_.size() < count; at += recordLength_) {
            entries_.push_back(decode(data + at));
            if (isLive(entries_.back())) live_.push_back(static_cast<std::uint32_t>(entries_.size()));
        }
        return entries_.size() < count;
    });
    rebuilt();
    known_ = true;
    ++readings_;
}

template <class Entry>
void RecordIndex<Entry>::put(std::uint32_t recordNo, Entry entry) {
    const bool nowLive = isLive(entry);
    Entry before;
    if (recordNo == entries_.size() + 1) {
        entries_.push_back(std::move(entry));
    } else {
        before = std::exchange(entries_[recordNo - 1], std::move(entry));
    }
    const auto at = std::lower_bound(live_.begin(), live_.end(), recordNo);
    const bool wasLive = at != live_.end() && *at == recordNo;
    if (wasLive && !nowLive) live_.erase(at);
    if (!wasLive && nowLive) live_.insert(at, recordNo);
    changed(recordNo, before);
}

template <class Entry>
void RecordIndex<Entry>::written(const std::filesystem::path& file, std::uint64_t offset, const char* data,
                                 std::size_t size) {
    if (!known_ || file != file_) return;
    // The program writes whole records; anything else, or a write past the end that leaves a
    // gap, is read again from the file.
    if (offset % recordLength_ != 0 || size % recordLength_ != 0 || offset / recordLength_ > entries_.size()) {
        known_ = false;
        return;
    }
    for (std::size_t at = 0; at < size; at += recordLength_)
        put(static_cast<std::uint32_t>((offset + at) / recordLength_ + 1), decode(data + at));
    stamp_ = dir_.stamp(file_);
}

template <class Entry>
void RecordIndex<Entry>::invalidate(const std::filesystem::path& file) {
    if (file.empty() || file == file_) known_ = false;
}

template class RecordIndex<StayEntry>;
template class RecordIndex<ReservationEntry>;

// ---- StayIndex --------------------------------------------------------------------------------

StayIndex::StayIndex(DataDir& dir) : RecordIndex(dir, dir.guests(), Guest::kLength) {}

StayEntry StayIndex::decode(const char* record) const {
    StayEntry entry;
    entry.guestName.read(record + kStayName.offset);
    entry.roomNo.read(record + kStayRoom.offset);
    entry.arrivalDate = dateAt(record + kStayArrival.offset);
    entry.departDate = dateAt(record + kStayDepart.offset);
    entry.folioNo = singleAt(record + kStayFolio.offset);
    const char* status = record + kStayStatus.offset;
    entry.inHouse = !closedStatus(status, kStayStatus.width);
    entry.blank = !entry.guestName.assigned && !entry.roomNo.assigned && entry.folioNo == 0 &&
                  allZero(status, kStayStatus.width);
    return entry;
}

void StayIndex::rebuilt() {
    byFolio_.clear();
    byFolio_.reserve(entries().size());
    for (std::size_t i = 0; i < entries().size(); ++i) {
        const StayEntry& entry = entries()[i];
        if (!entry.blank && !std::isnan(entry.folioNo)) byFolio_.emplace_back(entry.folioNo, static_cast<std::uint32_t>(i + 1));
    }
    // Folio numbers mostly rise with the record number already.
    if (!std::is_sorted(byFolio_.begin(), byFolio_.end())) std::sort(byFolio_.begin(), byFolio_.end());
}

void StayIndex::changed(std::uint32_t recordNo, const StayEntry& before) {
    const StayEntry& now = at(recordNo);
    if (!before.blank && !std::isnan(before.folioNo)) {
        const auto old = std::lower_bound(byFolio_.begin(), byFolio_.end(), std::pair{before.folioNo, recordNo});
        if (old != byFolio_.end() && *old == std::pair{before.folioNo, recordNo}) byFolio_.erase(old);
    }
    if (!now.blank && !std::isnan(now.folioNo)) {
        const std::pair key{now.folioNo, recordNo};
        if (byFolio_.empty() || byFolio_.back() < key) byFolio_.push_back(key);
        else byFolio_.insert(std::lower_bound(byFolio_.begin(), byFolio_.end(), key), key);
    }
}

std::optional<std::uint32_t> StayIndex::firstWithFolio(float folioNo) const {
    const auto found = std::lower_bound(byFolio_.begin(), byFolio_.end(), std::pair{folioNo, std::uint32_t{0}});
    if (found == byFolio_.end() || found->first != folioNo) return std::nullopt;
    return found->second;
}

float StayIndex::highestFolio() const {
    return byFolio_.empty() || byFolio_.back().first < 0 ? 0 : byFolio_.back().first;
}

// ---- ReservationIndex -------------------------------------------------------------------------

ReservationIndex::ReservationIndex(DataDir& dir) : RecordIndex(dir, dir.reservations(), Reservation::kLength) {}

ReservationEntry ReservationIndex::decode(const char* record) const {
    ReservationEntry entry;
    entry.guestName.read(record + kResName.offset);
    entry.roomNo.read(record + kResRoom.offset);
    entry.confirmNo.read(record + kResConfirm.offset);
    entry.arrivalDate = dateAt(record + kResArrival.offset);
    entry.departDate = dateAt(record + kResDepart.offset);
    const char* status = record + kResStatus.offset;
    entry.open = !closedStatus(status, kResStatus.width);
    entry.blank = !entry.guestName.assigned && !entry.roomNo.assigned && !entry.confirmNo.assigned &&
                  allZero(status, kResStatus.width);
    return entry;
}

}  // namespace innvera
