#include "reports/backup.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

#include <charconv>
#include <atomic>
#include <future>
#include <latch>
#include <mutex>
#include <cerrno>
#include <cstring>
#include <cmath>
#include <ctime>
#include <unordered_map>
#include <unordered_set>

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/stays.h"
#include "ledger/folio_file.h"
#include "platform/file_layer.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUnfinished = ".unfinished";
// The folio folder's files are shared out between the night's two threads this many at a time.
constexpr std::size_t kFoliosPerBatch = 2048;
// Copies at least this large are sent on to the disk as soon as they are made, and let go of
// from memory once the backup is on the disk.
constexpr off_t kLargeCopy = 1 << 20;

void check(const std::error_code& error, const fs::path& path) {
    if (error) throw FileError(path, error.message());
}

// "2026-12-06 013012", or that with " 2", " 3", ... after it: the sort key of a backup's
// name (its time, then its number), nothing for any other name.
std::optional<std::pair<std::string, int>> backupKey(const std::string& name) {
    auto digits = [&](std::size_t from, std::size_t count) {
        if (name.size() < from + count) return false;
        return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(from),
                           name.begin() + static_cast<std::ptrdiff_t>(from + count), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (!digits(0, 4) || name[4] != '-' || !digits(5, 2) || name[7] != '-' || !digits(8, 2) || name[10] != ' ' ||
        !digits(11, 6))
        return std::nullopt;
    if (name.size() == 17) return std::pair{name, 1};
    if (name[17] != ' ' || name.size() > 24 || !digits(18, name.size() - 18)) return std::nullopt;
    return std::pair{name.substr(0, 17), std::stoi(name.substr(18))};
}

std::int64_t nanoseconds(const struct timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Whether `file` (whose status is `info`) is unchanged since `copy` (a name in `folder`, open)
// of the previous backup was made: the same size, the same modification time (a copy carries
// its file's), and its status last changed before the copy's (every write changes it, unlike a
// modification time a restore may carry over). The two times together hold when the clock was
// set back between the backups: a write made then looks older than the copy, but its
// modification time is no longer the copy's. The copy can then be shared.
bool unchangedSince(const struct stat& info, int folder, const char* copy) {
    struct stat copied {};
    if (::fstatat(folder, copy, &copied, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(copied.st_mode)) return false;
    return copied.st_size == info.st_size && nanoseconds(copied.st_mtim) == nanoseconds(info.st_mtim) &&
           nanoseconds(info.st_ctim) < nanoseconds(copied.st_ctim);
}

// The night's large copies (the guest file). Each starts on its way to the disk as soon as it is
// made, while the rest of the night's copy is made, so that the sync at the end finds it written
// (only a head start: the sync still says when it is there). Once the backup is on the disk
// their memory is given back: a backup is not read again, and a copy kept in memory night after
// night would push the motel's own files out and leave the next night's copy to take fresh
// memory instead of what this one used.
class LargeCopies {
public:
    void made(const fs::path& copy, off_t size) {
        if (size < kLargeCopy) return;
        if (const int fd = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC); fd >= 0) {
            ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
            ::close(fd);
        }
        const std::lock_guard<std::mutex> adding(mutex_);
        copies_.push_back(copy);
    }
    // Once the copies are on the disk; as far as it can be done (it changes nothing on the disk).
    void letGo() {
        const std::lock_guard<std::mutex> taking(mutex_);
        for (const fs::path& copy : copies_) {
            if (const int fd = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC); fd >= 0) {
                ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
                ::close(fd);
            }
        }
        copies_.clear();
    }

private:
    std::mutex mutex_;
    std::vector<fs::path> copies_;
};

// Copies `from` to a new file `to` carrying its modification time; returns the copy's status
// once written (its status-change time says when it was made).
struct stat copyFile(const fs::path& from, const fs::path& to, const struct stat& info, LargeCopies& large) {
    std::error_code error;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
    check(error, from);
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    struct stat made {};
    if (::utimensat(AT_FDCWD, to.c_str(), times, 0) != 0 || ::lstat(to.c_str(), &made) != 0)
        throw FileError(to, std::strerror(errno));
    large.made(to, made.st_size);
    return made;
}

// A folder open to name files in it (none, or no such folder: -1); closed with it.
class FolderHandle {
public:
    explicit FolderHandle(const fs::path& folder)
        : fd_(folder.empty() ? -1 : ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~FolderHandle() {
        if (fd_ >= 0) ::close(fd_);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// A folder open for reading its names; closed with it.
class OpenFolder {
public:
    explicit OpenFolder(const fs::path& folder) : folder_(folder), dir_(::opendir(folder.c_str())) {
        if (!dir_) throw FileError(folder, std::strerror(errno));
    }
    ~OpenFolder() { ::closedir(dir_); }
    OpenFolder(const OpenFolder&) = delete;
    OpenFolder& operator=(const OpenFolder&) = delete;
    int fd() const { return ::dirfd(dir_); }
    // The next name in the folder ("." and ".." left out), nothing at the end.
    std::optional<std::string> next() {
        while (true) {
            errno = 0;
            const dirent* entry = ::readdir(dir_);
            if (!entry) {
                if (errno != 0) throw FileError(folder_, std::strerror(errno));
                return std::nullopt;
            }
            const std::string_view name = entry->d_name;
            if (name != "." && name != "..") return std::string(name);
        }
    }

private:
    fs::path folder_;
    DIR* dir_;
};

// One night's copy: the dated folder's files, and the store's part in it.
class NightCopy {
public:
    NightCopy(DataDir& dir, const fs::path& backups, const fs::path& target, const std::optional<fs::path>& previous)
        : root_(dir.root()), folios_(dir.folioCharges("x").parent_path()), store_(backups / kClosedFoliosFolder),
          target_(target), previous_(previous) {
        const std::vector<float> closed = checkedOutFolioNumbers(dir);
        for (const float folioNo : closed) {
            if (const auto number = wholeNumber(folioNo)) {
                if (*number >= closedByNumber_.size()) closedByNumber_.resize(std::max<std::size_t>(*number + 1, 2 * closedByNumber_.size()));
                closedByNumber_[*number] = true;
            } else {
                closed_.insert(folioKey(folioNo));
            }
        }
    }
    ~NightCopy() {
        for (const Share& share : shares_)
            for (const StoredFolio& entry : share.pending) {
                std::error_code ignored;
                fs::remove(storeTemporary(entry.name), ignored);
            }
    }

    // Copies the data directory into the dated folder; closed folios go to the store's list.
    // The folio folder holds a file for every stay the motel ever had: its names are read
    // first, then this thread and a second one share its files out in batches, the second once
    // it has copied the rest of the directory (the guest file, the totals of every day).
    void copy() {
        std::error_code error;
        fs::create_directory(target_, error);
        check(error, target_);
        struct stat info {};
        if (::lstat(folios_.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            copyFolder(root_, target_, {});
            return;
        }
        apart_ = folios_.lexically_relative(root_);
        const fs::path copies = target_ / apart_;
        fs::create_directory(copies, error);
        check(error, copies);

        std::vector<std::string> names;
        std::latch listed(1);
        std::atomic<std::size_t> next{0};
        std::atomic<bool> failed{false};
        const auto shareOut = [&](Share& share) {
            const FolderHandle from(folios_), to(copies), last(previous_ ? *previous_ / apart_ : fs::path());
            if (from.fd() < 0) throw FileError(folios_, std::strerror(errno));
            if (to.fd() < 0) throw FileError(copies, std::strerror(errno));
            while (!failed) {
                const std::size_t first = next.fetch_add(kFoliosPerBatch);
                if (first >= names.size()) return;
                for (std::size_t i = first; i < std::min(names.size(), first + kFoliosPerBatch); ++i)
                    copyFolio(names[i], from.fd(), last.fd(), to.fd(), share);
            }
        };
        // Should either thread fail, the other stops at its next batch and is waited for.
        std::future<void> rest;
        try {
            rest = std::async(std::launch::async, [&] {
                try {
                    copyFolder(root_, target_, {});
                    listed.wait();
                    shareOut(shares_[1]);
                } catch (...) {
                    failed = true;
                    throw;
                }
            });
        } catch (const std::system_error&) {
            // No second thread to be had: this one does it all.
        }
        try {
            readLastList();  // while the other thread copies the rest
            OpenFolder folder(folios_);
            while (auto name = folder.next()) names.push_back(std::move(*name));
        } catch (...) {
            failed = true;
            listed.count_down();
            throw;
        }
        listed.count_down();
        try {
            shareOut(shares_[0]);
        } catch (...) {
            failed = true;
            throw;
        }
        if (rest.valid()) rest.get();
        else copyFolder(root_, target_, {});
    }

    // After the copy is on the disk: the memory its large copies take is given back.
    void letGoOfLargeCopies() { large_.letGo(); }

    // After the copy is on the disk: the closed folios new to the store take their names there;
    // then the manifest is written (to be synced with the folder).
    void finish() {
        std::vector<StoredFolio> manifest;
        for (Share& share : shares_) {
            manifest.insert(manifest.end(), share.manifest.begin(), share.manifest.end());
            share.manifest.clear();
        }
        for (Share& share : shares_) {
            finishStoring(share.pending, manifest);
            share.pending.clear();
        }
        if (manifest.empty()) return;  // a backup that takes nothing from the store needs no list
        std::string text;
        text.reserve(manifest.size() * 64);
        char number[24];
        const auto field = [&](auto value) {
            text += '\t';
            text.append(number, std::to_chars(number, number + sizeof number, value).ptr);
        };
        for (const StoredFolio& entry : manifest) {
            text += entry.name;
            field(entry.size);
            field(entry.modified);
            field(entry.stored);
            text += '\n';
        }
        replaceFileWith(target_ / kBackupManifest, text);
    }

private:
    // What one thread of the night found of the folio folder: the store files the backup takes,
    // and the files it wrote to the store under a temporary name.
    struct Share {
        std::vector<StoredFolio> manifest;
        std::vector<StoredFolio> pending;
    };

    // The files written to the store under a temporary name take their names there, and join
    // the backup's list.
    void finishStoring(const std::vector<StoredFolio>& pending, std::vector<StoredFolio>& manifest) {
        for (const StoredFolio& entry : pending) {
            const fs::path temporary = storeTemporary(entry.name);
            if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, (store_ / entry.name).c_str(), RENAME_NOREPLACE) == 0) {
                manifest.push_back(entry);
            } else if (errno == EEXIST) {
                // Stored meanwhile under that name, maybe of another version: the night keeps its own copy.
                const fs::path own = target_ / apart_ / entry.name;
                if (::rename(temporary.c_str(), own.c_str()) != 0) throw FileError(own, std::strerror(errno));
            } else {
                throw FileError(store_ / entry.name, std::strerror(errno));
            }
        }
    }

    // Last night's list of the store files it took, and which of them the store still holds.
    // A damaged list, or a store that cannot be read (gone with the folder, say), leaves the
    // store's copies to be looked at one by one.
    void readLastList() {
        if (!previous_) return;
        try {
            lastStored_ = readBackupManifest(*previous_);
            lastManifest_.reserve(lastStored_.size());
            lastByNumber_.resize(closedByNumber_.size());
            for (const StoredFolio& entry : lastStored_) {
                const auto number = numberOfKey(entry.name);
                if (!number) lastManifest_.emplace(entry.name, &entry);
                else if (*number < lastByNumber_.size()) lastByNumber_[*number] = &entry;
            }
            shares_[0].manifest.reserve(lastStored_.size() + 64);
            if (lastStored_.empty()) return;
            if (storeNamesAsListed()) {
                for (const StoredFolio& entry : lastStored_) markInStore(entry.name);
            } else {
                readStoreNames();
            }
        } catch (const FileError&) {
            lastManifest_.clear();
            lastByNumber_.clear();
            lastStored_.clear();
        }
    }

    // Folio numbers are whole numbers counted up from 1, so the closed folios and last night's
    // list are looked up by number in a table rather than by name in a hash: a night looks up
    // every folio the motel ever had. The key of a whole number is a blank and its digits.
    static std::optional<std::size_t> wholeNumber(float folioNo) {
        if (!(folioNo >= 1 && folioNo <= 16777216.0f) || std::trunc(folioNo) != folioNo) return std::nullopt;
        return static_cast<std::size_t>(folioNo);
    }
    // The number of a key written that way (" 1234"), nothing for any other name.
    static std::optional<std::size_t> numberOfKey(std::string_view name) {
        if (name.size() < 2 || name.size() > 9 || name[0] != ' ' || name[1] == '0') return std::nullopt;
        std::size_t number = 0;
        const auto [end, failed] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
        if (failed != std::errc() || end != name.data() + name.size() || number > 16777216) return std::nullopt;
        return number;
    }
    bool isClosed(const std::string& name) const {
        if (const auto number = numberOfKey(name)) return *number < closedByNumber_.size() && closedByNumber_[*number];
        return closed_.contains(name);
    }
    // The line of last night's list for `name`, when the store still holds a file of that name:
    // a file lost from the store since (deleted by hand, a disk error, the backups folder copied
    // without the store) is not listed again but stored anew.
    const StoredFolio* lastListed(const std::string& name) const {
        if (const auto number = numberOfKey(name)) {
            if (*number >= lastByNumber_.size() || *number >= inStoreByNumber_.size() || !inStoreByNumber_[*number])
                return nullptr;
            return lastByNumber_[*number];
        }
        const auto known = lastManifest_.find(name);
        return known == lastManifest_.end() || !inStore_.contains(name) ? nullptr : known->second;
    }
    // Whether no name has been added to, taken from or changed in the store since the newest
    // backup's list was written: the folder's status changes with its names, and the list is
    // written after the night gave the store its last new name. The store then holds every file
    // the list names, and its thousands of names need not be read again.
    bool storeNamesAsListed() const {
        struct stat store {}, list {};
        return ::stat(store_.c_str(), &store) == 0 && ::stat((*previous_ / kBackupManifest).c_str(), &list) == 0 &&
               S_ISDIR(store.st_mode) && nanoseconds(store.st_ctim) < nanoseconds(list.st_ctim);
    }
    // The names in the store, read in one pass over the folder; only the closed folios' are
    // kept, by number like them. A file a night cut off left under its temporary name is
    // removed: only one night runs at a time.
    void readStoreNames() {
        OpenFolder folder(store_);
        while (const auto name = folder.next()) {
            if (name->ends_with(kUnfinished)) ::unlinkat(folder.fd(), name->c_str(), 0);
            else markInStore(*name);
        }
    }
    void markInStore(const std::string& name) {
        if (!isClosed(name)) return;
        if (const auto number = numberOfKey(name)) {
            if (inStoreByNumber_.size() < closedByNumber_.size()) inStoreByNumber_.resize(closedByNumber_.size());
            inStoreByNumber_[*number] = true;
        } else {
            inStore_.insert(name);
        }
    }

    fs::path storeTemporary(const std::string& name) const { return store_ / (name + kUnfinished); }

    void copyFolder(const fs::path& from, const fs::path& to, const fs::path& relative) {
        std::error_code error;
        fs::create_directory(to, error);
        check(error, to);
        OpenFolder folder(from);
        // The copy and last night's folder are opened once: every day's totals, say, is shared
        // with a name in them rather than by its whole path.
        const FolderHandle copies(to);
        if (copies.fd() < 0) throw FileError(to, std::strerror(errno));
        const FolderHandle previous(previous_ ? *previous_ / relative : fs::path());
        const int last = previous.fd();
        const bool holdsApart = !apart_.empty() && relative == apart_.parent_path();
        const std::string apartName = apart_.filename().string();
        while (const auto name = folder.next()) {
            if (relative.empty() && isBookkeepingName(*name)) continue;  // the lock, the journal
            if (holdsApart && *name == apartName) continue;              // shared out between the threads
            struct stat info {};
            if (::fstatat(folder.fd(), name->c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno == ENOENT) continue;  // gone since the folder was read
                throw FileError(from / *name, std::strerror(errno));
            }
            if (S_ISDIR(info.st_mode)) {
                copyFolder(from / *name, to / *name, relative / *name);
            } else if (S_ISREG(info.st_mode)) {
                copyOrShare(from / *name, to / *name, last, copies.fd(), *name, info);
            }
        }
    }

    // One name of the folio folder (open as `from`; its copy `to`, last night's `last`): a
    // closed folio to the store, any other file copied or shared, a folder copied whole.
    void copyFolio(const std::string& name, int from, int last, int to, Share& share) {
        struct stat info {};
        if (::fstatat(from, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT) return;  // gone since the folder was read
            throw FileError(folios_ / name, std::strerror(errno));
        }
        if (S_ISDIR(info.st_mode)) {
            copyFolder(folios_ / name, target_ / apart_ / name, apart_ / name);
        } else if (S_ISREG(info.st_mode)) {
            if (isClosed(name) && takeFromStore(name, info, share)) return;
            copyOrShare(folios_ / name, target_ / apart_ / name, last, to, name, info);
        }
    }

    // A file unchanged since the previous backup shares its copy there (`name` in the folder
    // `last`, open, or none: -1); any other is copied.
    void copyOrShare(const fs::path& file, const fs::path& copy, int last, int copies, const std::string& name,
                     const struct stat& info) {
        if (last >= 0 && unchangedSince(info, last, name.c_str()) &&
            ::linkat(last, name.c_str(), copies, name.c_str(), 0) == 0)
            return;
        // no link here (another file system, too many links): a copy then
        copyFile(file, copy, info, large_);
    }

    // The closed folio `name` is left to the store when the store holds it unchanged, or put
    // there when the store has no copy of that name yet. False when it is to be copied into the
    // dated folder instead: the store holds another version (it is never overwritten).
    bool takeFromStore(const std::string& name, const struct stat& info, Share& share) {
        const fs::path& folder = folios_;
        const auto size = static_cast<std::uint64_t>(info.st_size);
        const std::int64_t modified = nanoseconds(info.st_mtim);
        const std::int64_t changed = nanoseconds(info.st_ctim);
        // The store's copy of that size and time: taken when the file has not changed since the
        // copy was made, or, when its status changed since (a restore writes the folio again
        // with its time), when it holds the very same bytes, compared now.
        const auto take = [&](std::uint64_t storedSize, std::int64_t storedModified, std::int64_t stored) {
            if (storedSize != size || storedModified != modified) return false;
            if (changed < stored) {
                share.manifest.push_back({name, size, modified, stored});
                return true;
            }
            struct timespec now {};
            ::clock_gettime(CLOCK_REALTIME_COARSE, &now);  // any later change is stamped no earlier
            if (changed >= nanoseconds(now) || readWholeFile(folder / name) != readWholeFile(store_ / name)) return false;
            share.manifest.push_back({name, size, modified, nanoseconds(now)});
            return true;
        };
        // Last night's list says what the store holds: no need to look at the store's copy.
        if (const StoredFolio* known = lastListed(name)) return take(known->size, known->modified, known->stored);
        const fs::path copy = store_ / name;
        struct stat stored {};
        if (::lstat(copy.c_str(), &stored) == 0) {
            // Stored by an older backup, or by a night that failed after storing it.
            return S_ISREG(stored.st_mode) &&
                   take(static_cast<std::uint64_t>(stored.st_size), nanoseconds(stored.st_mtim), nanoseconds(stored.st_ctim));
        }
        if (errno != ENOENT && errno != ENOTDIR) throw FileError(copy, std::strerror(errno));
        {
            const std::lock_guard<std::mutex> making(storeMaking_);
            if (!storeMade_) {
                std::error_code error;
                fs::create_directories(store_, error);
                check(error, store_);
                storeMade_ = true;
            }
        }
        share.pending.push_back({name, size, modified, 0});  // removed again when anything fails
        share.pending.back().stored = nanoseconds(copyFile(folder / name, storeTemporary(name), info, large_).st_ctim);
        return true;
    }

    fs::path root_, folios_, store_, target_;
    fs::path apart_;  // the folio folder, within the data directory, when it is shared out
    std::optional<fs::path> previous_;
    std::mutex storeMaking_;
    bool storeMade_ = false;
    std::vector<bool> closedByNumber_;        // the closed folios by number
    std::unordered_set<std::string> closed_;  // ... and any whose key is not a whole number's
    std::vector<StoredFolio> lastStored_;     // the newest backup's list
    std::vector<const StoredFolio*> lastByNumber_;                         // ... by number
    std::unordered_map<std::string_view, const StoredFolio*> lastManifest_;  // ... and by name
    std::vector<bool> inStoreByNumber_;          // the closed folios the store holds a file of, by number
    std::unordered_set<std::string> inStore_;  // ... and by name
    Share shares_[2];  // the two threads' parts of the folio folder
    LargeCopies large_;
};

void removeTree(const fs::path& folder) {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}

// The newest whole backup in the folder, if any.
std::optional<fs::path> newestBackup(const fs::path& backups) {
    std::error_code error;
    std::optional<std::pair<std::pair<std::string, int>, fs::path>> newest;
    for (fs::directory_iterator entries(backups, error), end; !error && entries != end; entries.increment(error)) {
        if (!entries->is_directory(error)) continue;
        if (const auto key = backupKey(entries->path().filename().string()); key && (!newest || newest->first < *key))
            newest = {{*key, entries->path()}};
    }
    if (!newest) return std::nullopt;
    return newest->second;
}

// Keeps the backups of the newest `kept` days (a run made again in one night adds a backup but
// uses up no other night's) and `made`, the one just made, whatever its name says (a clock set
// back names it before the others); removes what unfinished copies are left. Done as far as it
// can be: the night's backup is made whatever becomes of the old ones.
void prune(const fs::path& backups, int kept, const fs::path& made) {
    std::error_code error;
    std::vector<std::pair<std::string, fs::path>> found;  // by the day of its name
    std::set<std::string> days{made.filename().string().substr(0, 10)};
    for (fs::directory_iterator entries(backups, error), end; !error && entries != end; entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (!entries->is_directory(error)) continue;
        if (name.ends_with(kUnfinished)) removeTree(entries->path());
        else if (backupKey(name) && entries->path() != made) {
            found.push_back({name.substr(0, 10), entries->path()});
            days.insert(name.substr(0, 10));
        }
    }
    const auto keptDays = std::min(days.size(), static_cast<std::size_t>(std::max(kept, 1)));
    const std::string oldestKept = *std::prev(days.end(), static_cast<std::ptrdiff_t>(keptDays));
    for (const auto& [day, folder] : found)
        if (day < oldestKept) removeTree(folder);
}

}  // namespace

bool isBackupName(const std::string& name) { return backupKey(name).has_value(); }

std::vector<StoredFolio> readBackupManifest(const fs::path& backup) {
    const fs::path file = backup / kBackupManifest;
    const std::optional<std::string> text = readWholeFile(file);
    std::vector<StoredFolio> entries;
    if (!text) return entries;
    const auto number = [&](std::string_view field, auto& value) {
        const auto [end, failed] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (failed != std::errc() || end != field.data() + field.size() || field.empty())
            throw FileError(file, "the list of the folio files it takes is damaged");
    };
    entries.reserve(text->size() / 40);  // a line is some fifty characters
    std::string_view rest = *text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) throw FileError(file, "the list of the folio files it takes is cut short");
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        std::string_view fields[4];
        for (int i = 0; i < 3; ++i) {
            const std::size_t tab = line.find('\t');
            if (tab == std::string_view::npos) throw FileError(file, "the list of the folio files it takes is damaged");
            fields[i] = line.substr(0, tab);
            line.remove_prefix(tab + 1);
        }
        fields[3] = line;
        StoredFolio entry;
        entry.name = std::string(fields[0]);
        // A name is one file of the store: never a path that could lead out of it.
        if (entry.name.empty() || entry.name.find('/') != std::string::npos || entry.name == "." || entry.name == "..")
            throw FileError(file, "the list of the folio files it takes is damaged");
        number(fields[1], entry.size);
        number(fields[2], entry.modified);
        number(fields[3], entry.stored);
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::uint64_t listedBytes(const fs::path& backup) {
    std::optional<std::string> text;
    try {
        text = readWholeFile(backup / kBackupManifest);
    } catch (const FileError&) {
        return 0;
    }
    if (!text) return 0;
    std::uint64_t bytes = 0;
    const char* const end = text->data() + text->size();
    for (const char* line = text->data(); line < end;) {
        const char* const lineEnd = std::find(line, end, '\n');
        const char* const tab = std::find(line, lineEnd, '\t');
        std::uint64_t size = 0;
        if (tab != lineEnd && std::from_chars(tab + 1, lineEnd, size).ec == std::errc()) bytes += size;
        line = lineEnd + 1;
    }
    return bytes;
}

fs::path dataRootPath(const fs::path& dataRoot) {
    fs::path root = dataRoot.lexically_normal();
    if (!root.has_filename() && root.has_parent_path()) root = root.parent_path();
    return root;
}

bool isBookkeepingName(std::string_view name) { return name.starts_with(".innvera"); }

fs::path backupFolderOf(const fs::path& dataRoot) {
    const fs::path root = dataRootPath(dataRoot);
    return root.parent_path() / (root.filename().string() + "-backups");
}

std::string backupName(Date day, TimeOfDay time) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d%02d%02d", day.year(), day.month(), day.day(), time.hour,
                  time.minute, time.second);
    return buf;
}

fs::path backUpDataDir(DataDir& dir, const fs::path& backups, const std::string& name, int kept) {
    std::error_code error;
    fs::create_directories(backups, error);
    check(error, backups);
    // A name taken already (a second run within the second) gets the next number after the
    // highest one used, so the new backup is always the newest.
    int taken = 0;
    for (fs::directory_iterator entries(backups, error), end; !error && entries != end; entries.increment(error)) {
        std::string found = entries->path().filename().string();
        if (found.ends_with(kUnfinished)) found.resize(found.size() - std::string_view(kUnfinished).size());
        if (found == name) taken = std::max(taken, 1);
        else if (const auto key = backupKey(found); key && key->first == name) taken = std::max(taken, key->second);
    }
    check(error, backups);
    const fs::path target = backups / (taken == 0 ? name : name + " " + std::to_string(taken + 1));
    const fs::path unfinished = fs::path(target) += kUnfinished;
    try {
        NightCopy night(dir, backups, unfinished, newestBackup(backups));
        night.copy();
        dir.syncCopy(unfinished);  // the dated folder and the store's new files, in one call
        night.letGoOfLargeCopies();
        night.finish();
        dir.syncCopy(unfinished);  // the store's new names and the manifest
        fs::rename(unfinished, target, error);
        check(error, target);
        dir.syncCopy(backups);
    } catch (const FileError&) {
        removeTree(unfinished);
        throw;
    }
    prune(backups, kept, target);
    return target;
}

}  // namespace innvera
