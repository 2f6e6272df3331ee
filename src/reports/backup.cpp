#include "reports/backup.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

#include <sys/stat.h>

namespace innvera {

namespace fs = std::filesystem;

namespace {

constexpr const char* kUnfinished = ".unfinished";

void check(const std::error_code& error, const fs::path& path) {
    if (error) throw FileError(path, error.message());
}

// The program's own files at the root of the data directory: the lock and the journal.
bool isBookkeeping(const fs::path& relative) {
    const auto first = relative.begin();
    return first != relative.end() && first->string().starts_with(".innvera");
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

// When a file's status last changed, in nanoseconds; nothing when it cannot be told.
std::optional<std::int64_t> changedAt(const fs::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return std::nullopt;
    return static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec;
}

// Whether `file` is unchanged since `copy` of the previous backup was made: the same size, the
// same modification time (a copy carries its file's), and its status last changed before the
// copy's (every write changes it, unlike a modification time a restore may carry over). The
// two times together hold when the clock was set back between the backups: a write made then
// looks older than the copy, but its modification time is no longer the copy's. The copy can
// then be shared.
bool unchangedSince(const fs::path& file, const fs::path& copy) {
    std::error_code error;
    const auto size = fs::file_size(file, error);
    if (error || fs::file_size(copy, error) != size || error) return false;
    const auto modified = fs::last_write_time(file, error);
    if (error || fs::last_write_time(copy, error) != modified || error) return false;
    const auto fileChanged = changedAt(file);
    const auto copyChanged = changedAt(copy);
    return fileChanged && copyChanged && *fileChanged < *copyChanged;
}

// Copies the tree. A file unchanged since the previous backup (when there is one) is linked to
// that backup's copy instead of copied again: the folio files of years of past stays never
// change, and the night's backup then costs a link for each of them, not a copy.
void copyTree(const fs::path& from, const fs::path& to, const std::optional<fs::path>& previous) {
    std::error_code error;
    fs::create_directories(to, error);
    check(error, to);
    fs::recursive_directory_iterator entries(from, error);
    for (const fs::recursive_directory_iterator end; !error && entries != end; entries.increment(error)) {
        const fs::path relative = entries->path().lexically_relative(from);
        const fs::file_status status = entries->symlink_status(error);
        check(error, entries->path());
        if (isBookkeeping(relative)) {
            if (fs::is_directory(status)) entries.disable_recursion_pending();
        } else if (fs::is_directory(status)) {
            fs::create_directory(to / relative, error);
            check(error, to / relative);
        } else if (fs::is_regular_file(status)) {
            if (previous && unchangedSince(entries->path(), *previous / relative)) {
                fs::create_hard_link(*previous / relative, to / relative, error);
                if (!error) continue;
                error.clear();  // no link here (another file system): a copy then
            }
            fs::copy_file(entries->path(), to / relative, fs::copy_options::overwrite_existing, error);
            check(error, entries->path());
            // The copy carries its file's modification time, for the next night to compare.
            fs::last_write_time(to / relative, fs::last_write_time(entries->path(), error), error);
            check(error, to / relative);
        }
    }
    check(error, from);
}

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

fs::path backupFolderOf(const fs::path& dataRoot) {
    fs::path root = dataRoot.lexically_normal();
    if (!root.has_filename() && root.has_parent_path()) root = root.parent_path();
    return root.parent_path() / (root.filename().string() + "-backups");
}

std::string backupName(Date day, TimeOfDay time) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d%02d%02d", day.year(), day.month(), day.day(), time.hour,
                  time.minute, time.second);
    return buf;
}

fs::path backUpDataDir(const DataDir& dir, const fs::path& backups, const std::string& name, int kept) {
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
        copyTree(dir.root(), unfinished, newestBackup(backups));
        dir.syncCopy(unfinished);
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
