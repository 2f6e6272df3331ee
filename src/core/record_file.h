#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <type_traits>
#include <utility>

#include "core/codec.h"
#include "core/data_dir.h"

namespace innvera {

// A record type that can tell a record of zero bytes, which a scan passes over: it is no room,
// no stay and no reservation, whatever a damaged write left in the file.
template <class R>
concept MayBeBlank = requires(const R& record) {
    { record.blank() } -> std::same_as<bool>;
};

// A record found by a scan, with its record number (from 1).
template <class R>
struct Found {
    std::uint64_t number;
    R record;
};

// A random-access file of fixed-length records. R gives its record length as
// R::kLength, reads itself with R::decode(bytes) and writes itself with encode().
// Records are numbered from 1; the count is the file length divided by the record
// length, so a trailing partial record is never seen. Opening a missing file creates it.
// Reads go through the DataDir, which opens regular files only.
template <class R>
class RecordFile {
public:
    static constexpr std::size_t kLength = R::kLength;

    RecordFile(DataDir& dir, std::filesystem::path path) : dir_(dir), path_(std::move(path)) {
        dir_.createIfMissing(path_);
    }

    const std::filesystem::path& path() const { return path_; }
    std::uint64_t count() const { return dir_.size(path_) / kLength; }

    // Record n; the bytes of it that are missing from the file read as zero. A short
    // last record is read for what it holds: a counter file may hold just its Single.
    R read(std::uint64_t n) const {
        Bytes bytes(kLength, '\0');
        if (n >= 1) dir_.readAt(path_, (n - 1) * kLength, bytes.data(), kLength);
        return R::decode(bytes);
    }

    void write(std::uint64_t n, const R& record) {
        const Bytes bytes = record.encode();
        dir_.write(path_, (n - 1) * kLength, bytes.data(), kLength);
    }

    // Writes the record at count + 1 and returns that number.
    std::uint64_t append(const R& record) {
        const std::uint64_t n = dir_.sizeForAppending(path_) / kLength + 1;
        write(n, record);
        return n;
    }

    // Visits records 1 to count in order, reading the file in large blocks, passing over blank
    // records (see MayBeBlank). The visitor takes (const R&, record number) and may return
    // false to stop.
    template <class Visit>
    void scan(Visit&& visit) const {
        const std::uint64_t total = count();
        if (total == 0) return;
        constexpr std::size_t kBlockRecords = std::max<std::size_t>(1, (1u << 20) / kLength);
        Bytes bytes(kLength);
        std::uint64_t n = 0;
        dir_.readBlocks(path_, kBlockRecords * kLength, [&](const char* block, std::size_t size) {
            for (std::size_t at = 0; at + kLength <= size && n < total; at += kLength) {
                std::copy_n(block + at, kLength, bytes.begin());
                ++n;
                const R record = R::decode(bytes);
                if constexpr (MayBeBlank<R>)
                    if (record.blank()) continue;
                if constexpr (std::is_same_v<std::invoke_result_t<Visit, const R&, std::uint64_t>, bool>) {
                    if (!visit(record, n)) return false;
                } else {
                    visit(record, n);
                }
            }
            return n < total;
        });
    }

    // The first record, in record order, for which `matches` holds.
    template <class Pred>
    std::optional<Found<R>> findFirst(Pred&& matches) const {
        std::optional<Found<R>> found;
        scan([&](const R& record, std::uint64_t n) {
            if (!matches(record)) return true;
            found = Found<R>{n, record};
            return false;
        });
        return found;
    }

private:
    DataDir& dir_;
    std::filesystem::path path_;
};

}  // namespace innvera
