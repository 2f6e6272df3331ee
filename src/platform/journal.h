#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_layer.h"

namespace innvera {

// The undo record of one transaction on the data directory, kept in the file
// `.innvera-journal` at its root (a dot name no motel file has).
//
// Before a change reaches a file, the journal holds, synced, what the change overwrites:
// the first time a file is touched, whether it existed and its old length; for each part
// of the old length that is overwritten, its old bytes (once per transaction); for a file
// that is removed, its whole content. Bytes past the old length need nothing: cutting the
// file back to that length undoes them. Each entry carries its length and a checksum, so
// an entry torn by a crash while it was written is known and ignored: the change it
// guarded was never made.
//
// The journal is removed once the transaction's files are on the disk (commit), or once
// its entries have been undone in reverse order (rollback, also run at start-up on a
// journal a crash left behind).
class Journal {
public:
    static constexpr const char* kFileName = ".innvera-journal";

    Journal(std::filesystem::path root, FileLayer& layer);

    const std::filesystem::path& file() const { return file_; }
    // A transaction has recorded something and is not yet committed or rolled back.
    bool open() const { return open_; }
    // A rollback could not finish: the journal stays for the next try or the next start.
    bool undoPending() const { return undoPending_; }

    // Records what writing `size` bytes at `offset` would overwrite, when it is not on
    // record yet, and syncs the journal if anything was added.
    void beforeWrite(const std::filesystem::path& file, std::uint64_t offset, std::uint64_t size);
    // The same for several regions at once, with one sync: a unit of work that is about to
    // write many files (a night's postings) records them all ahead, and its writes then
    // find everything on record already. A region of size 0 records only the file itself
    // (whether it existed, its length): enough for a file that is only appended to.
    struct Region {
        std::filesystem::path file;
        std::uint64_t offset = 0;
        std::uint64_t size = 0;
    };
    void beforeWrites(const std::vector<Region>& regions);
    // Records the whole content of a file about to be removed.
    void beforeRemove(const std::filesystem::path& file);

    // Syncs every file written and the folders of files made or removed, then removes the
    // journal and syncs the root.
    void commit();
    // Undoes every complete entry of the journal on disk in reverse order, syncs, and
    // removes it. Throws FileError when it cannot finish; the journal then stays.
    void rollback();

    // The files (paths relative to the root) that the complete entries of a journal's bytes
    // name, each once, in the order first named: what a change in progress is touching.
    static std::vector<std::string> filesNamed(std::string_view journalBytes);

private:
    struct Touched {
        bool existed = false;
        std::uint64_t oldLength = 0;
        std::map<std::uint64_t, std::uint64_t> saved;  // start -> end of old bytes on record
    };

    struct Plan;
    std::string relative(const std::filesystem::path& file) const;
    // Adds to `plan` the entries that writing the region needs and are not on record yet.
    void planWrite(Plan& plan, const std::filesystem::path& file, std::uint64_t offset, std::uint64_t size) const;
    void record(Plan& plan);
    void append(const std::string& entries);
    void startTransaction();
    void forget();

    std::filesystem::path root_;
    std::filesystem::path file_;
    FileLayer& layer_;
    bool open_ = false;
    bool undoPending_ = false;
    std::uint64_t length_ = 0;
    std::map<std::string, Touched> touched_;    // by path relative to the root
    std::set<std::string> written_;             // files to sync at commit
    std::set<std::filesystem::path> renamed_;   // folders whose names changed
};

}  // namespace innvera
