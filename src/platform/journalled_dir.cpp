#include "platform/journalled_dir.h"

#include <cerrno>
#include <cstring>
#include <system_error>

#include <sys/stat.h>

#include "platform/file_layer.h"
#include "platform/journal.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

constexpr const char* kOpenForReadingOnly = "the data directory is open for reading only";

// Undoes the open transaction; false when that cannot finish (the journal then stays).
bool undo(Journal& journal) {
    if (!journal.open() && !journal.undoPending()) return true;
    try {
        journal.rollback();
        return true;
    } catch (const FileError&) {
        return false;
    }
}

}  // namespace

FileError::FileError(fs::path path, const std::string& reason)
    : std::runtime_error(path.string() + ": " + reason), path_(std::move(path)), reason_(reason) {}

JournalledDir::JournalledDir(fs::path root)
    : root_(std::move(root)),
      ownLayer_(std::make_unique<PosixFileLayer>()),
      layer_(ownLayer_.get()),
      journal_(std::make_unique<Journal>(root_, *layer_)) {}

JournalledDir::JournalledDir(fs::path root, FileLayer& layer)
    : root_(std::move(root)), layer_(&layer), journal_(std::make_unique<Journal>(root_, layer)) {}

JournalledDir::~JournalledDir() {
    try {
        commit();
    } catch (...) {  // what could not be committed is undone at the next start
    }
}

fs::path JournalledDir::journal() const { return journal_->file(); }

// ---- Reading -------------------------------------------------------------------------------

std::uint64_t JournalledDir::size(const fs::path& file) const {
    struct stat status;
    if (::stat(file.c_str(), &status) != 0) return 0;
    if (!S_ISREG(status.st_mode)) throw FileError(file, kNotRegularFile);
    return static_cast<std::uint64_t>(status.st_size);
}

std::uint64_t JournalledDir::sizeForAppending(const fs::path& file) const {
    struct stat status;
    if (::stat(file.c_str(), &status) != 0) {
        if (errno == ENOENT) return 0;
        throw FileError(file, "its size cannot be read");
    }
    if (!S_ISREG(status.st_mode)) throw FileError(file, kNotRegularFile);
    return static_cast<std::uint64_t>(status.st_size);
}

std::size_t JournalledDir::readAt(const fs::path& file, std::uint64_t offset, char* out, std::size_t size) const {
    const auto opened = RegularFile::openForReading(file);
    return opened ? opened->readAt(offset, out, size) : 0;
}

void JournalledDir::readBlocks(const fs::path& file, std::size_t blockSize,
                         const std::function<bool(const char*, std::size_t)>& visit) const {
    const auto opened = RegularFile::openForReading(file);
    if (!opened || blockSize == 0) return;
    std::string block(blockSize, '\0');
    for (std::uint64_t offset = 0;; offset += blockSize) {
        const std::size_t got = opened->readAt(offset, block.data(), blockSize);
        if (got == 0 || !visit(block.data(), got) || got < blockSize) return;
    }
}

std::optional<std::string> JournalledDir::readWhole(const fs::path& file) const { return readWholeFile(file); }

void JournalledDir::readEach(const fs::path& folder, const std::vector<std::string>& names,
                             const std::function<void(std::size_t, std::string_view)>& visit) const {
    readFilesOf(folder, names, visit);
}

// ---- Writing -------------------------------------------------------------------------------

void JournalledDir::createIfMissing(const fs::path& file) const {
    if (readOnly_) return;
    try {
        if (pathKind(file) != PathKind::Missing) return;
    } catch (const FileError&) {
        return;  // cannot even be looked at: it reads as empty, or its reader says why
    }
    try {
        journal_->beforeWrite(file, 0, 0);
    } catch (const FileError&) {
        undo(*journal_);  // nothing can be added to a journal after an entry that failed
        invalidateCaches({});
        throw;
    }
    try {
        layer_->create(file);
    } catch (const FileError&) {
    }
}

void JournalledDir::write(const fs::path& file, std::uint64_t offset, const char* data, std::size_t size) {
    if (readOnly_) throw FileError(file, kOpenForReadingOnly);
    try {
        journal_->beforeWrite(file, offset, size);
        layer_->writeAt(file, offset, data, size);
    } catch (const FileError&) {
        rollback();
        throw;
    }
    changing_.insert(file);
    for (const auto& cache : caches_) cache->written(file, offset, data, size);
}

void JournalledDir::appendText(const fs::path& file, std::string_view text) {
    write(file, sizeForAppending(file), text.data(), text.size());
}

void JournalledDir::remove(const fs::path& file) {
    if (readOnly_) throw FileError(file, kOpenForReadingOnly);
    try {
        journal_->beforeRemove(file);
        layer_->remove(file);
    } catch (const FileError&) {
        rollback();
        throw;
    }
    changing_.insert(file);
    invalidateCaches(file);
}

void JournalledDir::journalAhead(const std::vector<Journal::Region>& regions) {
    if (readOnly_) throw FileError(journal(), kOpenForReadingOnly);
    try {
        journal_->beforeWrites(regions);
    } catch (const FileError&) {
        rollback();
        throw;
    }
}

void JournalledDir::syncCopy(const fs::path& copy) const { layer_->syncFileSystem(copy); }

// ---- Transactions --------------------------------------------------------------------------

void JournalledDir::commit() {
    if (!journal_->open()) return;
    try {
        journal_->commit();
    } catch (const FileError&) {
        rollback();
        throw;
    }
    ++commits_;
    committed_.merge(changing_);
    changing_.clear();
}

std::vector<fs::path> JournalledDir::takeCommittedChanges() {
    std::vector<fs::path> changed(committed_.begin(), committed_.end());
    committed_.clear();
    return changed;
}

bool JournalledDir::rollback() {
    if (!journal_->open() && !journal_->undoPending()) return true;
    changing_.clear();
    const bool done = undo(*journal_);
    invalidateCaches({});  // bytes were put back behind them
    return done;
}

void JournalledDir::recover() {
    invalidateCaches({});
    journal_->rollback();
}

std::optional<FileStamp> JournalledDir::stamp(const fs::path& file) const {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return std::nullopt;
    return FileStamp{static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
                     static_cast<std::uint64_t>(info.st_size),
                     static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

void JournalledDir::invalidateCaches(const fs::path& file) const {
    for (const auto& cache : caches_) cache->invalidate(file);
}

bool JournalledDir::inTransaction() const { return journal_->open(); }
bool JournalledDir::undoPending() const { return journal_->undoPending(); }

}  // namespace innvera
