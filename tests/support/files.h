#pragma once

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include "core/codec.h"
#include "core/data_dir.h"
#include "platform/file_layer.h"

namespace innvera::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

Bytes readBytes(const std::filesystem::path& file);
std::string readText(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const Bytes& bytes);
void writeText(const std::filesystem::path& file, const std::string& text);

// Bytes written by hand: little-endian Single, Date and Integer, and blank-padded texts.
Bytes singleBytes(float value);
Bytes dateBytes(double days);
Bytes textBytes(const std::string& text, std::size_t width);
Bytes concat(std::initializer_list<Bytes> pieces);
// Builds a record of `length` zero bytes and places pieces at their offsets.
class RecordBytes {
public:
    explicit RecordBytes(std::size_t length) : bytes_(length, '\0') {}
    RecordBytes& at(std::size_t offset, const Bytes& piece);
    RecordBytes& text(std::size_t offset, const std::string& text, std::size_t width) { return at(offset, textBytes(text, width)); }
    RecordBytes& single(std::size_t offset, float value) { return at(offset, singleBytes(value)); }
    RecordBytes& date(std::size_t offset, double days) { return at(offset, dateBytes(days)); }
    const Bytes& bytes() const { return bytes_; }
    operator const Bytes&() const { return bytes_; }

private:
    Bytes bytes_;
};

// ---- A disk that fails -------------------------------------------------------------------

// Thrown when the power goes. It is no FileError, so nothing is rolled back: the files stay
// as the cut left them, for a fresh DataDir to recover.
struct PowerCut {};

// The real disk, counting what reaches it (syncs are noted but not made), that can fail on
// purpose:
// - PowerCut at change N: changes (writes, truncations, removals, creations, renames and
//   exchanges, the journal's included) 1 to N-1 are made, a write N stores the first half of its bytes, then
//   PowerCut is thrown, and again on every later operation.
// - DiskFull at write N: write N stores half its bytes, then fails with ENOSPC as a FileError;
//   later writes succeed (undoing frees room). DiskStaysFull fails every write from N on.
class FaultyDisk : public FileLayer {
public:
    enum class Fault { None, PowerCut, DiskFull, DiskStaysFull };
    explicit FaultyDisk(Fault fault = Fault::None, int at = 0) : fault_(fault), at_(at) {}

    void writeAt(const std::filesystem::path& file, std::uint64_t offset, const char* data, std::size_t size) override;
    void truncate(const std::filesystem::path& file, std::uint64_t length) override;
    void remove(const std::filesystem::path& file) override;
    void create(const std::filesystem::path& file) override;
    void syncFile(const std::filesystem::path& file) override;
    void syncFolder(const std::filesystem::path& folder) override;
    void syncFileSystem(const std::filesystem::path& path) override;
    void rename(const std::filesystem::path& from, const std::filesystem::path& to) override;
    void exchange(const std::filesystem::path& first, const std::filesystem::path& second) override;

    int writes = 0;
    int changes = 0;
    // Every operation that reached the disk, in order: "write <path>", "sync <path>", ...
    std::vector<std::string> log;

private:
    void change();
    void otherChange(const std::string& what);
    void noteSync(const std::string& what);
    Fault fault_;
    int at_;
    bool cut_ = false;
    PosixFileLayer disk_;
};

// ---- Folder snapshots and the write sweep ------------------------------------------------------

// Every file (path relative to the folder -> bytes) and folder ("path/" -> "") under a folder.
using Snapshot = std::map<std::string, std::string>;
Snapshot snapshot(const std::filesystem::path& folder);
// Empties the folder and puts the snapshot back.
void restore(const std::filesystem::path& folder, const Snapshot& files);

struct SweepResult {
    int changes = 0;  // disk changes of one whole run, the journal's included
    int writes = 0;   // of which writes
    int endedBefore = 0;  // faulty runs that left the files as they were before the handler
    int endedAfter = 0;   // ... as they are after it, or after one of its part-way commits
    std::vector<std::string> faults;  // runs that left anything else, and what differed
    Snapshot before, after;
    std::vector<Snapshot> partWay;  // the files at each commit the handler made itself
};

// Runs the handler on the data directory in `folder` (as runHandler would: then commits)
// once whole, then once per change with the power cut there (then recovers with a fresh
// DataDir), then once per write with the disk full there (no recovery: the failed write
// rolls back at once). After each, the folder must equal what it held before the handler,
// after it, or at one of the handler's own commits, byte for byte. The folder is left as it
// was before.
SweepResult sweepWrites(const std::filesystem::path& folder, const std::function<void(DataDir&)>& handler);

}  // namespace innvera::testing
