#include "platform/data_dir.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace innvera {

namespace fs = std::filesystem;

namespace {

std::string systemReason() { return std::strerror(errno); }

#ifndef _WIN32
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes now, reporting a failed close (a delayed write error) as false.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

void writeAll(const fs::path& file, int fd, std::uint64_t offset, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t done = ::pwrite(fd, data, size, static_cast<off_t>(offset));
        if (done < 0) {
            if (errno == EINTR) continue;
            throw FileError(file, systemReason());
        }
        data += done;
        size -= static_cast<std::size_t>(done);
        offset += static_cast<std::uint64_t>(done);
    }
}
#endif

}  // namespace

FileError::FileError(fs::path path, const std::string& reason)
    : std::runtime_error(path.string() + ": " + reason), path_(std::move(path)), reason_(reason) {}

DataDir::DataDir(fs::path root) : root_(std::move(root)) {}

fs::path DataDir::defaultRoot() {
#ifdef _WIN32
    return fs::path("c:/motel/");
#else
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "innvera" / "motel";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : ".") / ".local" / "share" / "innvera" / "motel";
#endif
}

void DataDir::createFolders() const {
    for (const char* sub : {"dailycharge", "totals", "dailytotals", "directinvoice", "message"}) {
        std::error_code error;
        fs::create_directories(root_ / sub, error);
        if (error) throw FileError(root_ / sub, error.message());
    }
}

fs::path DataDir::folioCharges(std::string_view folioKey) const { return root_ / "dailycharge" / std::string(folioKey); }
fs::path DataDir::monthTotals(std::string_view monthKey) const { return root_ / "totals" / std::string(monthKey); }
fs::path DataDir::dayTotals(std::string_view dayKey) const { return root_ / "dailytotals" / std::string(dayKey); }
fs::path DataDir::directInvoice(std::string_view name) const { return root_ / "directinvoice" / std::string(name); }
fs::path DataDir::message(std::string_view folioDigits) const { return root_ / "message" / std::string(folioDigits); }

std::uint64_t DataDir::size(const fs::path& file) const {
    std::error_code error;
    const auto bytes = fs::file_size(file, error);
    return error ? 0 : bytes;
}

std::uint64_t DataDir::sizeForAppending(const fs::path& file) const {
    std::error_code error;
    const auto bytes = fs::file_size(file, error);
    if (!error) return bytes;
    if (!fs::exists(file, error) && !error) return 0;
    throw FileError(file, "its size cannot be read");
}

void DataDir::createIfMissing(const fs::path& file) const {
    std::error_code error;
    if (fs::exists(file, error) || error) return;
#ifdef _WIN32
    if (std::FILE* f = std::fopen(file.string().c_str(), "ab")) std::fclose(f);
#else
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd >= 0) ::close(fd);
#endif
}

void DataDir::write(const fs::path& file, std::uint64_t offset, const char* data, std::size_t size) {
    written_.insert(file);
#ifdef _WIN32
    std::FILE* f = std::fopen(file.string().c_str(), "r+b");
    if (!f) f = std::fopen(file.string().c_str(), "w+b");
    if (!f) throw FileError(file, systemReason());
    const bool ok = _fseeki64(f, static_cast<long long>(offset), SEEK_SET) == 0 && std::fwrite(data, 1, size, f) == size;
    if (std::fclose(f) != 0 || !ok) throw FileError(file, systemReason());
#else
    Fd fd(::open(file.c_str(), O_WRONLY | O_CREAT, 0644));
    if (fd.get() < 0) throw FileError(file, systemReason());
    writeAll(file, fd.get(), offset, data, size);
    if (!fd.close()) throw FileError(file, systemReason());
#endif
}

void DataDir::appendText(const fs::path& file, std::string_view text) {
    write(file, sizeForAppending(file), text.data(), text.size());
}

void DataDir::remove(const fs::path& file) {
    std::error_code error;
    fs::remove(file, error);
    if (error) throw FileError(file, error.message());
    written_.insert(file.parent_path());
}

void DataDir::syncWritten() {
    std::set<fs::path> pending;
    pending.swap(written_);
#ifndef _WIN32
    std::set<fs::path> folders;
    for (const fs::path& file : pending) {
        folders.insert(file.parent_path());
        std::error_code error;
        if (!fs::exists(file, error)) continue;  // a removed file: its folder is synced below
        Fd fd(::open(file.c_str(), O_RDONLY));
        if (fd.get() < 0 || ::fdatasync(fd.get()) != 0) throw FileError(file, systemReason());
    }
    // New and removed names live in their folders.
    for (const fs::path& folder : folders) {
        Fd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY));
        if (fd.get() >= 0) ::fsync(fd.get());
    }
#endif
}

}  // namespace innvera
