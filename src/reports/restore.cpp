#include "reports/restore.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/journalled_dir.h"
#include "reports/backup.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

void check(const std::error_code& error, const fs::path& path) {
    if (error) throw FileError(path, error.message());
}

// The day and time a backup's name gives, when they are a real day and time.
std::optional<std::pair<Date, TimeOfDay>> nameTime(const std::string& name) {
    if (!isBackupName(name)) return std::nullopt;
    const auto number = [&](std::size_t from, std::size_t count) { return std::stoi(name.substr(from, count)); };
    const int year = number(0, 4), month = number(5, 2), day = number(8, 2);
    const TimeOfDay time{number(11, 2), number(13, 2), number(15, 2)};
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || time.hour > 23 || time.minute > 59 ||
        time.second > 59)
        return std::nullopt;
    const Date date = Date::fromYmd(year, month, day);
    if (date.year() != year || date.month() != month || date.day() != day) return std::nullopt;  // 2026-02-30
    return std::pair{date, time};
}

// A backup's number within its second: 1 for the plain name, n for "... n".
int nameNumber(const std::string& name) { return name.size() > 17 ? std::stoi(name.substr(18)) : 1; }

bool isRootBookkeeping(const fs::path& relative) {
    const auto first = relative.begin();
    return first != relative.end() && isBookkeepingName(first->string());
}

// The backup's own files, less its bookkeeping, by their sizes.
std::uint64_t ownBytes(const fs::path& folder) {
    std::uint64_t bytes = 0;
    std::error_code error;
    fs::recursive_directory_iterator entries(folder, error);
    for (const fs::recursive_directory_iterator end; !error && entries != end; entries.increment(error)) {
        if (isRootBookkeeping(entries->path().lexically_relative(folder))) continue;
        if (entries->is_regular_file(error)) bytes += entries->file_size(error);
        if (error) break;
    }
    check(error, folder);
    return bytes;
}

// Copies one file through the layer, in blocks, and gives the copy the file's modification time
// (the next backup compares it with the store's copy).
void copyThrough(const fs::path& from, const fs::path& to, FileLayer& layer, std::optional<std::uint64_t> expected = {}) {
    auto source = RegularFile::openForReading(from);
    if (!source) throw FileError(from, "it is missing");
    const std::uint64_t size = source->size();
    if (expected && *expected != size) throw FileError(from, "it is not the size the backup lists");
    layer.create(to);
    constexpr std::size_t kBlock = 1 << 20;
    std::string block;
    for (std::uint64_t offset = 0; offset < size;) {
        block.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kBlock, size - offset)));
        const std::size_t got = source->readAt(offset, block.data(), block.size());
        if (got == 0) throw FileError(from, "it was cut short while it was read");
        layer.writeAt(to, offset, block.data(), got);
        offset += got;
    }
    struct stat info {};
    if (::stat(from.c_str(), &info) != 0) throw FileError(from, std::strerror(errno));
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    if (::utimensat(AT_FDCWD, to.c_str(), times, 0) != 0) throw FileError(to, std::strerror(errno));
}

void makeFolder(const fs::path& folder) {
    std::error_code error;
    fs::create_directory(folder, error);
    check(error, folder);
}

bool standsAt(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

// The first free name of "<base>", "<base> 2", "<base> 3", ... in the folder.
fs::path freeName(const fs::path& folder, const std::string& base) {
    fs::path candidate = folder / base;
    for (int n = 2; standsAt(candidate); ++n) candidate = folder / (base + " " + std::to_string(n));
    return candidate;
}

std::string asideBase(const fs::path& root, const std::string& stamp) {
    return root.filename().string() + " before restore " + stamp;
}

// The aside name the marker holds, when it is one this program wrote for this directory.
std::optional<std::string> markedAside(const fs::path& marker, const fs::path& root) {
    std::optional<std::string> text;
    try {
        text = readWholeFile(marker);
    } catch (const FileError&) {
        return std::nullopt;
    }
    if (!text || !text->ends_with('\n')) return std::nullopt;
    text->pop_back();
    const std::string prefix = root.filename().string() + " before restore ";
    if (!text->starts_with(prefix) || text->size() == prefix.size() || text->find('/') != std::string::npos ||
        text->find('\n') != std::string::npos)
        return std::nullopt;
    return text;
}

}  // namespace

std::optional<BackupEntry> backupAt(const fs::path& folder) {
    const fs::path normal = dataRootPath(folder);
    const std::string name = normal.filename().string();
    const auto when = nameTime(name);
    std::error_code error;
    if (!when || !fs::is_directory(fs::symlink_status(normal, error))) return std::nullopt;
    return BackupEntry{name, normal, when->first, when->second, ownBytes(normal) + listedBytes(normal)};
}

std::vector<BackupEntry> listBackups(const fs::path& backups) {
    std::vector<BackupEntry> found;
    std::error_code error;
    if (!fs::exists(backups, error)) return found;
    for (fs::directory_iterator entries(backups, error), end; !error && entries != end; entries.increment(error))
        if (auto entry = backupAt(entries->path())) found.push_back(std::move(*entry));
    check(error, backups);
    std::sort(found.begin(), found.end(), [](const BackupEntry& a, const BackupEntry& b) {
        const std::string aTime = a.name.substr(0, 17), bTime = b.name.substr(0, 17);
        if (aTime != bTime) return aTime > bTime;
        return nameNumber(a.name) > nameNumber(b.name);
    });
    return found;
}

fs::path restoreFolderOf(const fs::path& dataRoot) {
    const fs::path root = dataRootPath(dataRoot);
    return root.parent_path() / (root.filename().string() + ".restoring");
}

fs::path assembleRestore(const BackupEntry& backup, const fs::path& dataRoot, FileLayer& layer) {
    const fs::path target = restoreFolderOf(dataRoot);
    if (standsAt(target)) throw FileError(target, "a folder already stands there");
    // Read first: a damaged list stops the restore before anything is made.
    const std::vector<StoredFolio> stored = readBackupManifest(backup.folder);
    makeFolder(target);
    try {
        const std::string mark = "restore of " + backup.name + "\n";
        layer.writeAt(target / kRestoreMarker, 0, mark.data(), mark.size());
        std::error_code error;
        fs::recursive_directory_iterator entries(backup.folder, error);
        for (const fs::recursive_directory_iterator end; !error && entries != end; entries.increment(error)) {
            const fs::path relative = entries->path().lexically_relative(backup.folder);
            const fs::file_status status = entries->symlink_status(error);
            check(error, entries->path());
            if (isRootBookkeeping(relative)) {
                if (fs::is_directory(status)) entries.disable_recursion_pending();
            } else if (fs::is_directory(status)) {
                makeFolder(target / relative);
            } else if (fs::is_regular_file(status)) {
                copyThrough(entries->path(), target / relative, layer);
            }
        }
        check(error, backup.folder);
        if (!stored.empty()) {
            const fs::path store = backup.folder.parent_path() / kClosedFoliosFolder;
            const fs::path folios = target / "dailycharge";
            if (!standsAt(folios)) makeFolder(folios);
            for (const StoredFolio& folio : stored) copyThrough(store / folio.name, folios / folio.name, layer, folio.size);
        }
        layer.syncFileSystem(target);
    } catch (const FileError&) {
        discardRestore(target);
        throw;
    }
    return target;
}

fs::path putRestoreInPlace(const fs::path& assembled, const fs::path& dataRoot, const std::string& asideStamp,
                           FileLayer& layer) {
    const fs::path root = dataRootPath(dataRoot);
    const fs::path marker = assembled / kRestoreMarker;
    if (!standsAt(marker)) throw FileError(assembled, "it is not a restore being made");
    if (!standsAt(root)) {  // nothing to put aside: the restored directory takes the name
        layer.rename(assembled, root);
        layer.syncFolder(root.parent_path());
        layer.remove(root / kRestoreMarker);
        layer.syncFolder(root);
        return {};
    }
    const fs::path aside = freeName(root.parent_path(), asideBase(root, asideStamp));
    // The name the old directory takes goes with the marker, for a recovery after the exchange.
    const std::string text = aside.filename().string() + "\n";
    layer.truncate(marker, 0);
    layer.writeAt(marker, 0, text.data(), text.size());
    layer.syncFile(marker);
    layer.exchange(assembled, root);
    layer.syncFolder(root.parent_path());
    layer.rename(assembled, aside);  // the old directory, now at the assembly's name
    layer.syncFolder(root.parent_path());
    layer.remove(root / kRestoreMarker);
    layer.syncFolder(root);
    return aside;
}

void discardRestore(const fs::path& assembled) {
    if (!standsAt(assembled / kRestoreMarker)) return;
    std::error_code ignored;
    fs::remove_all(assembled, ignored);
}

void recoverRestore(const fs::path& dataRoot, FileLayer& layer, const Clock& clock) {
    const fs::path root = dataRootPath(dataRoot);
    const fs::path assembled = restoreFolderOf(root);
    if (standsAt(root / kRestoreMarker)) {
        // The exchange was made: the restored directory holds the name; the old one, when still
        // at the assembly's name, goes aside, then the marker goes.
        if (standsAt(assembled) && !standsAt(assembled / kRestoreMarker)) {
            const auto named = markedAside(root / kRestoreMarker, root);
            const fs::path aside = named && !standsAt(root.parent_path() / *named)
                                       ? root.parent_path() / *named
                                       : freeName(root.parent_path(), asideBase(root, backupName(clock.today(), clock.now())));
            layer.rename(assembled, aside);
            layer.syncFolder(root.parent_path());
        }
        layer.remove(root / kRestoreMarker);
        layer.syncFolder(root);
        return;
    }
    if (!standsAt(assembled)) return;
    if (standsAt(assembled / kRestoreMarker)) {
        discardRestore(assembled);  // an assembly the exchange never reached
    } else {
        std::error_code error;
        if (fs::is_directory(fs::symlink_status(assembled, error)) && fs::is_empty(assembled, error) && !error)
            fs::remove(assembled, error);  // made, then cut before its marker
    }
}

}  // namespace innvera
