#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace innvera {

// The operations that change the disk. JournalledDir makes every change through one of these,
// so that a test can stand in for the disk (cut the power at the Nth write, fill it up).
// Each throws FileError when it does not fully succeed, and refuses anything at the path
// that is not a regular file.
class FileLayer {
public:
    virtual ~FileLayer() = default;
    // Writes all `size` bytes at `offset`, making the file when it is missing.
    virtual void writeAt(const std::filesystem::path& file, std::uint64_t offset, const char* data, std::size_t size) = 0;
    // Cuts the existing file to `length` bytes (or lengthens it with zeros).
    virtual void truncate(const std::filesystem::path& file, std::uint64_t length) = 0;
    // Removes the file; a missing file is no error.
    virtual void remove(const std::filesystem::path& file) = 0;
    // Makes an empty file when nothing at all stands at the path.
    virtual void create(const std::filesystem::path& file) = 0;
    // Puts the file's bytes and length on the disk (fdatasync).
    virtual void syncFile(const std::filesystem::path& file) = 0;
    // Puts the names in the folder on the disk (fsync of the folder).
    virtual void syncFolder(const std::filesystem::path& folder) = 0;
    // Puts everything written to the file system that holds `path` on the disk: one call for
    // a copy of many files (see syncFileSystemOf below).
    virtual void syncFileSystem(const std::filesystem::path& path);
    // Gives a file or folder a new name in the same file system, never replacing what stands at
    // `to` (FileError then, and nothing moves).
    virtual void rename(const std::filesystem::path& from, const std::filesystem::path& to);
    // Swaps two names in one step (renameat2 with RENAME_EXCHANGE): each then holds what the other
    // held, and no moment sees either name empty. Both must exist.
    virtual void exchange(const std::filesystem::path& first, const std::filesystem::path& second);
};

// The real disk.
class PosixFileLayer : public FileLayer {
public:
    void writeAt(const std::filesystem::path& file, std::uint64_t offset, const char* data, std::size_t size) override;
    void truncate(const std::filesystem::path& file, std::uint64_t length) override;
    void remove(const std::filesystem::path& file) override;
    void create(const std::filesystem::path& file) override;
    void syncFile(const std::filesystem::path& file) override;
    void syncFolder(const std::filesystem::path& folder) override;
};

// What stands at a path, found without opening it.
enum class PathKind { Missing, Regular, Other };
// FileError when the path cannot be looked at (other than missing).
PathKind pathKind(const std::filesystem::path& path);

// The reason a FileError gives for a pipe, device, socket or folder standing where a data
// file is expected.
inline constexpr const char* kNotRegularFile = "it is not a regular file";

// An open regular file. Opening never waits (a pipe or device is refused before it could
// block) and refuses anything that is not a regular file with a FileError naming it.
class RegularFile {
public:
    // Nothing when the file is missing.
    static std::optional<RegularFile> openForReading(const std::filesystem::path& file);
    // Makes the file when it is missing and `create` holds.
    static RegularFile openForWriting(const std::filesystem::path& file, bool create);

    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    ~RegularFile();

    std::uint64_t size() const;
    // Reads up to `size` bytes at `offset`; fewer only where the file ends.
    std::size_t readAt(std::uint64_t offset, char* out, std::size_t size) const;
    void writeAt(std::uint64_t offset, const char* data, std::size_t size);
    void truncate(std::uint64_t length);
    void sync();
    // Closes now, reporting a failed close (a delayed write error).
    void close();

private:
    RegularFile(std::filesystem::path path, int fd) : path_(std::move(path)), fd_(fd) {}
    std::filesystem::path path_;
    int fd_;
};

// Puts everything written to the file system that holds `path` on the disk (syncfs): one call
// for a copy of many files. FileError when it cannot be done.
void syncFileSystemOf(const std::filesystem::path& path);

// The whole content of a regular file; nothing when it is missing.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Makes `bytes` the whole content of a file outside the data directory (an export chosen by the
// user): written to a temporary file beside it, put on the disk, then given the file's name, so
// that whatever stood there before stays as it was when anything fails. FileError naming the file.
void replaceFileWith(const std::filesystem::path& file, std::string_view bytes);

// Many small files of one folder, each whole (the folios of a period): `visit` is given the
// index of each name whose file is there, with the file's bytes, in the order of `names`. A
// missing file (or folder) is passed over; anything but a regular file is a FileError, as for
// one file. The folder is opened once and each file by its name in it, which spares a look up
// the whole path for every file.
void readFilesOf(const std::filesystem::path& folder, const std::vector<std::string>& names,
                 const std::function<void(std::size_t index, std::string_view bytes)>& visit);

}  // namespace innvera
