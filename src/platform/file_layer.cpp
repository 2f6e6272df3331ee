#include "platform/file_layer.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/journalled_dir.h"

namespace innvera {

namespace fs = std::filesystem;

namespace {

FileError systemError(const fs::path& file) { return FileError(file, std::strerror(errno)); }

// Opens without waiting: O_NONBLOCK keeps a pipe with no writer or a device from holding
// the program, and whatever was opened is checked to be a regular file before any use.
// -1 when the file is missing and is not to be made.
int openRegular(const fs::path& file, int flags) {
    struct stat status;
    if (::stat(file.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) throw FileError(file, kNotRegularFile);
    int fd;
    do {
        fd = ::open(file.c_str(), flags | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        if (errno == ENOENT && !(flags & O_CREAT)) return -1;
        if (errno == EISDIR || errno == ENXIO || errno == ENODEV) throw FileError(file, kNotRegularFile);
        throw systemError(file);
    }
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        throw FileError(file, std::strerror(error));
    }
    if (!S_ISREG(status.st_mode)) {  // swapped in between the two looks
        ::close(fd);
        throw FileError(file, kNotRegularFile);
    }
    return fd;
}

}  // namespace

PathKind pathKind(const fs::path& path) {
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR) return PathKind::Missing;
        throw systemError(path);
    }
    return S_ISREG(status.st_mode) ? PathKind::Regular : PathKind::Other;
}

// ---- RegularFile -------------------------------------------------------------------------

std::optional<RegularFile> RegularFile::openForReading(const fs::path& file) {
    const int fd = openRegular(file, O_RDONLY);
    if (fd < 0) return std::nullopt;
    return RegularFile(file, fd);
}

RegularFile RegularFile::openForWriting(const fs::path& file, bool create) {
    return RegularFile(file, openRegular(file, O_WRONLY | (create ? O_CREAT : 0)));
}

RegularFile::RegularFile(RegularFile&& other) noexcept : path_(std::move(other.path_)), fd_(other.fd_) { other.fd_ = -1; }

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    std::swap(path_, other.path_);
    std::swap(fd_, other.fd_);
    return *this;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::uint64_t RegularFile::size() const {
    struct stat status;
    if (::fstat(fd_, &status) != 0) throw systemError(path_);
    return static_cast<std::uint64_t>(status.st_size);
}

std::size_t RegularFile::readAt(std::uint64_t offset, char* out, std::size_t size) const {
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = ::pread(fd_, out + total, size - total, static_cast<off_t>(offset + total));
        if (got < 0) {
            if (errno == EINTR) continue;
            throw systemError(path_);
        }
        if (got == 0) break;
        total += static_cast<std::size_t>(got);
    }
    return total;
}

void RegularFile::writeAt(std::uint64_t offset, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t done = ::pwrite(fd_, data, size, static_cast<off_t>(offset));
        if (done < 0) {
            if (errno == EINTR) continue;
            throw systemError(path_);
        }
        if (done == 0) throw FileError(path_, "nothing more could be written");
        data += done;
        size -= static_cast<std::size_t>(done);
        offset += static_cast<std::uint64_t>(done);
    }
}

void RegularFile::truncate(std::uint64_t length) {
    while (::ftruncate(fd_, static_cast<off_t>(length)) != 0)
        if (errno != EINTR) throw systemError(path_);
}

void RegularFile::sync() {
    if (::fdatasync(fd_) != 0) throw systemError(path_);
}

void RegularFile::close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) throw systemError(path_);
}

std::optional<std::string> readWholeFile(const fs::path& file) {
    auto opened = RegularFile::openForReading(file);
    if (!opened) return std::nullopt;
    std::string bytes;
    constexpr std::size_t kBlock = 1 << 16;
    while (true) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kBlock);
        const std::size_t got = opened->readAt(had, bytes.data() + had, kBlock);
        bytes.resize(had + got);
        if (got < kBlock) break;
    }
    return bytes;
}

void readFilesOf(const fs::path& folder, const std::vector<std::string>& names,
                 const std::function<void(std::size_t index, std::string_view bytes)>& visit) {
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        if (errno == ENOENT) return;  // no folder, no files
        throw systemError(folder);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closeFolder{folderFd};
    std::string bytes;
    for (std::size_t i = 0; i < names.size(); ++i) {
        int fd;
        do {
            fd = ::openat(folderFd, names[i].c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
        } while (fd < 0 && errno == EINTR);
        if (fd < 0) {
            if (errno == ENOENT) continue;
            if (errno == EISDIR || errno == ENXIO || errno == ENODEV) throw FileError(folder / names[i], kNotRegularFile);
            throw systemError(folder / names[i]);
        }
        const Closer closeFile{fd};
        struct stat status;
        if (::fstat(fd, &status) != 0) throw systemError(folder / names[i]);
        if (!S_ISREG(status.st_mode)) throw FileError(folder / names[i], kNotRegularFile);
        // What the file holds now: its length when looked at, or less when it was cut since.
        bytes.resize(static_cast<std::size_t>(status.st_size));
        std::size_t got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) throw systemError(folder / names[i]);
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        visit(i, std::string_view(bytes.data(), got));
    }
}

void replaceFileWith(const fs::path& file, std::string_view bytes) {
    fs::path temporary = file;
    temporary += ".innvera-" + std::to_string(::getpid()) + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd < 0) throw systemError(file);
    const auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return FileError(file, std::strerror(error));
    };
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw fail(errno);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) throw fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw FileError(file, std::strerror(error));
    }
    struct stat status;
    if (::stat(file.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        ::unlink(temporary.c_str());
        throw FileError(file, "it is a folder");
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        throw FileError(file, std::strerror(error));
    }
}

void syncFileSystemOf(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) throw systemError(path);
#ifdef __linux__
    const bool failed = ::syncfs(fd) != 0;
#else
    ::sync();
    const bool failed = false;
#endif
    const int error = errno;
    ::close(fd);
    if (failed) throw FileError(path, std::strerror(error));
}

void FileLayer::syncFileSystem(const fs::path& path) { syncFileSystemOf(path); }

void FileLayer::rename(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) != 0) {
        if (errno == EEXIST) throw FileError(to, "something already stands at that name");
        throw systemError(from);
    }
}

void FileLayer::exchange(const fs::path& first, const fs::path& second) {
    if (::renameat2(AT_FDCWD, first.c_str(), AT_FDCWD, second.c_str(), RENAME_EXCHANGE) != 0) throw systemError(first);
}

// ---- PosixFileLayer ------------------------------------------------------------------------

void PosixFileLayer::writeAt(const fs::path& file, std::uint64_t offset, const char* data, std::size_t size) {
    RegularFile opened = RegularFile::openForWriting(file, true);
    opened.writeAt(offset, data, size);
    opened.close();
}

void PosixFileLayer::truncate(const fs::path& file, std::uint64_t length) {
    RegularFile opened = RegularFile::openForWriting(file, false);
    opened.truncate(length);
    opened.close();
}

void PosixFileLayer::remove(const fs::path& file) {
    if (pathKind(file) == PathKind::Other) throw FileError(file, kNotRegularFile);
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) throw systemError(file);
}

void PosixFileLayer::create(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    if (fd < 0) {
        if (errno == EEXIST) return;  // something stands there already: it is never replaced
        throw systemError(file);
    }
    if (::close(fd) != 0 && errno != EINTR) throw systemError(file);
}

void PosixFileLayer::syncFile(const fs::path& file) {
    auto opened = RegularFile::openForReading(file);
    if (!opened) throw FileError(file, std::strerror(ENOENT));
    opened->sync();
}

void PosixFileLayer::syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) throw systemError(folder);
    // Some file systems cannot sync a folder; their names are then as safe as they get.
    const bool failed = ::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP;
    const int error = errno;
    ::close(fd);
    if (failed) throw FileError(folder, std::strerror(error));
}

}  // namespace innvera
