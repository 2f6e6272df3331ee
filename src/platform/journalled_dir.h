#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/journal.h"

namespace innvera {

class FileLayer;

// A file of the directory could not be read or written. The window that ran the
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

// Which file stands at a path and how it last looked: identity, size and modification time.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const FileStamp&) const = default;
};

// What the program keeps of some files' contents for its whole run (the stay index). The
// directory tells each cache of every write it makes, as it makes it, and of files that may have
// changed behind the cache (a rollback or a recovery put bytes back, a file was removed); what
// others change behind the program's back the cache finds by the files' stamps.
class FileCache {
public:
    virtual ~FileCache() = default;
    // `size` bytes were written at `offset` of `file` and are now in it.
    virtual void written(const std::filesystem::path& file, std::uint64_t offset, const char* data, std::size_t size) = 0;
    // The file (every file, when empty) may no longer hold what the cache knows of it.
    virtual void invalidate(const std::filesystem::path& file) = 0;
};


// A directory whose files are read and written by transactions: the reads and writes of its
// files, the transactions that make a handler's writes all or nothing, and the caches that follow
// its files. It knows nothing of what the files hold.
//
// Only regular files are opened: a pipe, device, socket or folder standing where a data file
// is expected gives a FileError saying so, at once (nothing waits on it).
//
// The writes form transactions. Before a write changes a file, what it overwrites goes to the
// journal (see platform/journal.h); commit() puts the transaction's files on the disk and
// drops the journal, rollback() puts every file back as it was before the transaction's first
// write. A write that fails rolls the transaction back at once, then throws its FileError.
class JournalledDir {
public:
    explicit JournalledDir(std::filesystem::path root);
    // Makes every change to the disk through `layer`, which must outlive the directory.
    JournalledDir(std::filesystem::path root, FileLayer& layer);
    // Commits what is still open: writes made outside a handler are kept.
    virtual ~JournalledDir();
    JournalledDir(const JournalledDir&) = delete;
    JournalledDir& operator=(const JournalledDir&) = delete;

    const std::filesystem::path& root() const { return root_; }

    // The journal of the open transaction (.innvera-journal), there only while one is open.
    std::filesystem::path journal() const;

    // Reading. A missing file has size 0 and reads as empty; reads past the end return
    // fewer bytes. Each throws FileError when something other than a regular file stands
    // at the path, or when the file is there but cannot be read.
    std::uint64_t size(const std::filesystem::path& file) const;
    // The size a write at the end starts from: 0 for a missing file, FileError when the
    // file is there but its size cannot be read (an append must never land on record 1).
    std::uint64_t sizeForAppending(const std::filesystem::path& file) const;
    // Up to `size` bytes at `offset` into `out`; returns how many there were.
    std::size_t readAt(const std::filesystem::path& file, std::uint64_t offset, char* out, std::size_t size) const;
    // Hands the file to `visit` in consecutive blocks of `blockSize` bytes (the last one
    // shorter) until it ends or `visit` returns false. A missing file gives no block.
    void readBlocks(const std::filesystem::path& file, std::size_t blockSize,
                    const std::function<bool(const char* data, std::size_t size)>& visit) const;
    // The whole file, for the small text and record files; nothing when it is missing.
    std::optional<std::string> readWhole(const std::filesystem::path& file) const;
    // Many small files of one folder, each whole, in the order of `names`; see readFilesOf in
    // platform/file_layer.h.
    void readEach(const std::filesystem::path& folder, const std::vector<std::string>& names,
                  const std::function<void(std::size_t index, std::string_view bytes)>& visit) const;
    // Creates a missing file empty, as opening it for records does, within the open
    // transaction. Nothing is made where something already stands, a pipe or folder
    // included; failing to make the file is not an error (it then reads as empty).
    void createIfMissing(const std::filesystem::path& file) const;

    // From now on nothing is made or written in the directory: a missing file stays missing
    // (it reads as empty) and a write or removal throws FileError. For what only reads the
    // files, from the command line, beside a desk that may be running on them.
    void openForReadingOnly() { readOnly_ = true; }

    // Writing, within the open transaction (a write with none open starts one). Each throws
    // FileError, after rolling the transaction back, when the write does not fully succeed.
    void write(const std::filesystem::path& file, std::uint64_t offset, const char* data, std::size_t size);
    void appendText(const std::filesystem::path& file, std::string_view text);
    // Removing a missing file is no error.
    void remove(const std::filesystem::path& file);
    // Puts on record at once, with one sync of the journal, what writes about to be made
    // to these regions will overwrite (a region of size 0: a file that is only appended to
    // or made), so that a unit of work touching many files pays for one journal sync
    // instead of one per file. Only speed depends on it: a write to a region not named
    // here is journaled as always. FileError as for a write.
    void journalAhead(const std::vector<Journal::Region>& regions);

    // Puts a copy made beside the directory (a backup) on the disk, through the same layer
    // as every other change. FileError when it cannot be done.
    void syncCopy(const std::filesystem::path& copy) const;

    // Ends the open transaction keeping its writes: every file written is synced, then the
    // folders of files made or removed, then the journal goes. Nothing open, nothing done.
    // Writes after it start a new transaction, so a handler may commit part-way (before
    // printing, or once per stay in a long run). On a FileError the transaction is rolled
    // back before the error is thrown.
    void commit();
    // Ends the open transaction undoing its writes, and undoes a journal left by an earlier
    // rollback that could not finish. False when it could not finish either: the journal
    // then stays, each later write first tries again, and the next start undoes it.
    bool rollback();
    // At start-up, before anything is read: undoes the transaction a crash left in the
    // journal. A journal with no complete entry is simply removed. FileError when it
    // cannot be done.
    void recover();

    // The stamp of the file at the path; nothing when there is none.
    std::optional<FileStamp> stamp(const std::filesystem::path& file) const;

    bool inTransaction() const;
    // A rollback could not finish: the files may hold part of a transaction.
    bool undoPending() const;
    // Transactions committed so far (a handler that fails part-way can tell what it kept).
    std::uint64_t commitCount() const { return commits_; }

    // The files written or removed by the transactions committed since the last call, each once
    // (files made empty by opening them are not among them: they read as they did when missing).
    // What a rollback undid is not among them either.
    std::vector<std::filesystem::path> takeCommittedChanges();

protected:
    // The directory's cache of type C, made from `owner` (the directory as its caches know it) on
    // first use and kept for the directory's life.
    template <class C, class Owner>
    C& cacheMadeFrom(Owner& owner) {
        for (const auto& kept : caches_)
            if (auto* typed = dynamic_cast<C*>(kept.get())) return *typed;
        caches_.push_back(std::make_unique<C>(owner));
        return static_cast<C&>(*caches_.back());
    }

private:
    void invalidateCaches(const std::filesystem::path& file) const;

    std::filesystem::path root_;
    std::unique_ptr<FileLayer> ownLayer_;
    FileLayer* layer_;
    std::unique_ptr<Journal> journal_;  // mutable through the pointer: opening a record file may make it
    std::uint64_t commits_ = 0;
    bool readOnly_ = false;
    std::set<std::filesystem::path> changing_;   // written or removed by the open transaction
    std::set<std::filesystem::path> committed_;  // by the transactions committed since last taken
    std::vector<std::unique_ptr<FileCache>> caches_;
};

}  // namespace innvera
