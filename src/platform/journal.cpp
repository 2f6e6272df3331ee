#include "platform/journal.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "platform/journalled_dir.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

// ---- Entries -------------------------------------------------------------------------------
//
// An entry is a 12-byte head (the mark "IVNJ", the payload length, the CRC-32 of the
// payload; little-endian) and its payload: the kind, the file's path relative to the root
// (2-byte length, then the bytes), then by kind:
//   Touched   existed (1 byte), old length (8 bytes)
//   OldBytes  offset (8 bytes), the old bytes to the end of the payload
//   Removed   the whole content to the end of the payload

constexpr char kMark[4] = {'I', 'V', 'N', 'J'};
constexpr std::size_t kHeadLength = 12;

enum class Kind : unsigned char { Touched = 1, OldBytes = 2, Removed = 3 };

struct Entry {
    Kind kind{};
    std::string path;
    bool existed = false;
    std::uint64_t number = 0;  // the old length, or the offset of the old bytes
    std::string bytes;
};

std::uint32_t crc32(std::string_view data) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : data) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void putNumber(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t getNumber(std::string_view in, std::size_t at, int bytes) {
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i) value |= std::uint64_t(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return value;
}

std::string encode(Kind kind, const std::string& path, std::uint64_t number, std::string_view bytes, bool existed = false) {
    std::string payload;
    payload += static_cast<char>(kind);
    putNumber(payload, path.size(), 2);
    payload += path;
    if (kind == Kind::Touched) payload += static_cast<char>(existed ? 1 : 0);
    if (kind != Kind::Removed) putNumber(payload, number, 8);
    payload += bytes;
    std::string entry(kMark, sizeof kMark);
    putNumber(entry, payload.size(), 4);
    putNumber(entry, crc32(payload), 4);
    return entry + payload;
}

// A path a journal may name: relative, inside the root, not the journal itself.
bool isSafePath(const std::string& path) {
    if (path.empty() || path.front() == '/' || path == Journal::kFileName) return false;
    for (const fs::path& part : fs::path(path)) {
        const std::string name = part.string();
        if (name.empty() || name == "." || name == ".." || name == "/") return false;
    }
    return true;
}

std::optional<Entry> decode(std::string_view payload) {
    if (payload.size() < 3) return std::nullopt;
    Entry entry;
    entry.kind = static_cast<Kind>(payload[0]);
    const std::size_t pathLength = getNumber(payload, 1, 2);
    std::size_t at = 3 + pathLength;
    if (at > payload.size()) return std::nullopt;
    entry.path = std::string(payload.substr(3, pathLength));
    if (!isSafePath(entry.path)) return std::nullopt;
    switch (entry.kind) {
    case Kind::Touched:
        if (payload.size() != at + 9) return std::nullopt;
        entry.existed = payload[at] != 0;
        entry.number = getNumber(payload, at + 1, 8);
        return entry;
    case Kind::OldBytes:
        if (payload.size() < at + 8) return std::nullopt;
        entry.number = getNumber(payload, at, 8);
        entry.bytes = std::string(payload.substr(at + 8));
        return entry;
    case Kind::Removed:
        entry.bytes = std::string(payload.substr(at));
        return entry;
    }
    return std::nullopt;
}

// The entries up to the first one that is torn or damaged.
std::vector<Entry> completeEntries(std::string_view journal) {
    std::vector<Entry> entries;
    std::size_t at = 0;
    while (journal.size() - at >= kHeadLength && journal.compare(at, sizeof kMark, kMark, sizeof kMark) == 0) {
        const std::uint64_t length = getNumber(journal, at + 4, 4);
        if (length > journal.size() - at - kHeadLength) break;
        const std::string_view payload = journal.substr(at + kHeadLength, length);
        if (crc32(payload) != getNumber(journal, at + 8, 4)) break;
        auto entry = decode(payload);
        if (!entry) break;
        entries.push_back(std::move(*entry));
        at += kHeadLength + length;
    }
    return entries;
}

// ---- Old bytes on record ------------------------------------------------------------------

using Ranges = std::map<std::uint64_t, std::uint64_t>;  // start -> end, apart and not touching

std::vector<std::pair<std::uint64_t, std::uint64_t>> gaps(const Ranges& saved, std::uint64_t from, std::uint64_t to) {
    std::vector<std::pair<std::uint64_t, std::uint64_t>> found;
    auto next = saved.upper_bound(from);
    if (next != saved.begin()) from = std::max(from, std::prev(next)->second);
    for (; from < to; ++next) {
        if (next == saved.end() || next->first >= to) {
            found.emplace_back(from, to);
            break;
        }
        if (next->first > from) found.emplace_back(from, next->first);
        from = std::max(from, next->second);
    }
    return found;
}

void cover(Ranges& saved, std::uint64_t from, std::uint64_t to) {
    auto next = saved.upper_bound(from);
    if (next != saved.begin() && std::prev(next)->second >= from) {
        --next;
        from = next->first;
        to = std::max(to, next->second);
        next = saved.erase(next);
    }
    while (next != saved.end() && next->first <= to) {
        to = std::max(to, next->second);
        next = saved.erase(next);
    }
    saved[from] = to;
}

std::uint64_t sizeOf(const fs::path& file) {
    const auto opened = RegularFile::openForReading(file);
    return opened ? opened->size() : 0;
}

}  // namespace

std::vector<std::string> Journal::filesNamed(std::string_view journalBytes) {
    std::vector<std::string> files;
    std::set<std::string> seen;
    for (const Entry& entry : completeEntries(journalBytes))
        if (seen.insert(entry.path).second) files.push_back(entry.path);
    return files;
}

Journal::Journal(fs::path root, FileLayer& layer) : root_(root.lexically_normal()), layer_(layer) {
    if (!root_.has_filename() && root_.has_parent_path()) root_ = root_.parent_path();
    file_ = root_ / kFileName;
}

std::string Journal::relative(const fs::path& file) const {
    const std::string name = file.lexically_normal().lexically_relative(root_).generic_string();
    if (!isSafePath(name)) throw FileError(file, "it is not a file of the data directory");
    return name;
}

void Journal::startTransaction() {
    // A journal left behind (by a crash, or a rollback that could not finish) is undone
    // before anything new is written over it.
    if (undoPending_ || pathKind(file_) != PathKind::Missing) rollback();
}

void Journal::append(const std::string& entries) {
    const bool first = !open_;
    open_ = true;  // from here a rollback has a journal to remove, torn or not
    layer_.writeAt(file_, length_, entries.data(), entries.size());
    length_ += entries.size();
    layer_.syncFile(file_);
    if (first) layer_.syncFolder(root_);  // the journal's name is on the disk before any change
}

// What a set of writes needs on record: the entries to append, and the files' state once
// they are appended.
struct Journal::Plan {
    std::string entries;
    std::map<std::string, Touched> touched;  // every file the plan touches, as it will stand
    std::set<std::string> fresh;             // of which: touched for the first time
    std::set<fs::path> newFolders;           // folders of files that did not exist
};

void Journal::planWrite(Plan& plan, const fs::path& file, std::uint64_t offset, std::uint64_t size) const {
    const std::string name = relative(file);
    std::optional<RegularFile> opened;
    auto inPlan = plan.touched.find(name);
    if (inPlan == plan.touched.end()) {
        if (const auto known = touched_.find(name); known != touched_.end()) {
            inPlan = plan.touched.emplace(name, known->second).first;
        } else {
            opened = RegularFile::openForReading(file);
            Touched fresh;
            fresh.existed = opened.has_value();
            fresh.oldLength = opened ? opened->size() : 0;
            plan.entries += encode(Kind::Touched, name, fresh.oldLength, {}, fresh.existed);
            inPlan = plan.touched.emplace(name, fresh).first;
            plan.fresh.insert(name);
            if (!fresh.existed) plan.newFolders.insert(file.parent_path());
        }
    }
    Touched& touched = inPlan->second;
    const std::uint64_t end = std::min(offset + size, touched.oldLength);
    if (offset >= end) return;
    const auto missing = gaps(touched.saved, offset, end);
    if (!missing.empty() && !opened) opened = RegularFile::openForReading(file);
    for (const auto& [from, to] : missing) {
        std::string old(to - from, '\0');
        old.resize(opened ? opened->readAt(from, old.data(), old.size()) : 0);
        plan.entries += encode(Kind::OldBytes, name, from, old);
    }
    cover(touched.saved, offset, end);
}

void Journal::record(Plan& plan) {
    if (plan.entries.empty()) return;  // all of it is on record already
    append(plan.entries);
    for (auto& [name, touched] : plan.touched) touched_[name] = std::move(touched);
    written_.insert(plan.fresh.begin(), plan.fresh.end());
    renamed_.insert(plan.newFolders.begin(), plan.newFolders.end());
}

void Journal::beforeWrite(const fs::path& file, std::uint64_t offset, std::uint64_t size) {
    beforeWrites({Region{file, offset, size}});
}

void Journal::beforeWrites(const std::vector<Region>& regions) {
    for (const Region& region : regions) relative(region.file);  // a path outside the root is refused first
    if (!open_) startTransaction();
    Plan plan;
    for (const Region& region : regions) planWrite(plan, region.file, region.offset, region.size);
    record(plan);
}

void Journal::beforeRemove(const fs::path& file) {
    const std::string name = relative(file);
    if (!open_) startTransaction();
    const auto content = readWholeFile(file);
    if (!content) return;
    append(encode(Kind::Removed, name, 0, *content));
    // Written again after this, the file counts as a new one.
    touched_.erase(name);
    written_.erase(name);
    renamed_.insert(file.parent_path());
}

void Journal::commit() {
    if (!open_) return;
    for (const std::string& name : written_)
        if (pathKind(root_ / name) == PathKind::Regular) layer_.syncFile(root_ / name);
    for (const fs::path& folder : renamed_) layer_.syncFolder(folder);
    layer_.remove(file_);
    forget();
    // The files are on the disk: should the journal's removal be lost, the next start
    // undoes this transaction whole, which still leaves the files agreeing.
    try {
        layer_.syncFolder(root_);
    } catch (const FileError&) {
    }
}

void Journal::rollback() {
    try {
        if (const auto journal = readWholeFile(file_)) {
            const std::vector<Entry> entries = completeEntries(*journal);
            std::set<fs::path> changed;
            std::set<fs::path> folders;
            for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
                const fs::path file = root_ / entry->path;
                switch (entry->kind) {
                case Kind::Touched:
                    if (pathKind(file) != PathKind::Regular) break;
                    if (!entry->existed) {
                        layer_.remove(file);
                        folders.insert(file.parent_path());
                        changed.erase(file);
                    } else if (sizeOf(file) != entry->number) {
                        layer_.truncate(file, entry->number);
                        changed.insert(file);
                    }
                    break;
                case Kind::OldBytes:
                    layer_.writeAt(file, entry->number, entry->bytes.data(), entry->bytes.size());
                    changed.insert(file);
                    break;
                case Kind::Removed:
                    layer_.writeAt(file, 0, entry->bytes.data(), entry->bytes.size());
                    if (sizeOf(file) != entry->bytes.size())
                        layer_.truncate(file, entry->bytes.size());
                    changed.insert(file);
                    folders.insert(file.parent_path());
                    break;
                }
            }
            for (const fs::path& file : changed) layer_.syncFile(file);
            for (const fs::path& folder : folders) layer_.syncFolder(folder);
            layer_.remove(file_);
            try {
                layer_.syncFolder(root_);
            } catch (const FileError&) {  // undoing it again at the next start changes nothing
            }
        }
    } catch (const FileError&) {
        forget();
        undoPending_ = true;
        throw;
    }
    forget();
    undoPending_ = false;
}

void Journal::forget() {
    open_ = false;
    length_ = 0;
    touched_.clear();
    written_.clear();
    renamed_.clear();
}

}  // namespace innvera
