#include "support/files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>

#include <unistd.h>

#include "platform/journal.h"

namespace innvera::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> serial{0};
    std::random_device random;
    path_ = fs::temp_directory_path() /
            ("innvera-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + "-" + std::to_string(random()));
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

Bytes readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string readText(const fs::path& file) {
    const Bytes bytes = readBytes(file);
    return std::string(bytes.begin(), bytes.end());
}

void writeBytes(const fs::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void writeText(const fs::path& file, const std::string& text) { writeBytes(file, Bytes(text.begin(), text.end())); }

Bytes singleBytes(float value) {
    unsigned char raw[4];
    std::memcpy(raw, &value, 4);  // the test machines are little-endian, like the files
    return Bytes(raw, raw + 4);
}

Bytes dateBytes(double days) {
    unsigned char raw[8];
    std::memcpy(raw, &days, 8);
    return Bytes(raw, raw + 8);
}

Bytes textBytes(const std::string& text, std::size_t width) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, ' ');
    return bytes;
}

Bytes concat(std::initializer_list<Bytes> pieces) {
    Bytes all;
    for (const Bytes& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

RecordBytes& RecordBytes::at(std::size_t offset, const Bytes& piece) {
    std::copy(piece.begin(), piece.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
    return *this;
}

// ---- FaultyDisk ---------------------------------------------------------------------------

void FaultyDisk::change() {
    if (cut_) throw PowerCut{};
    ++changes;
}

void FaultyDisk::writeAt(const fs::path& file, std::uint64_t offset, const char* data, std::size_t size) {
    change();
    ++writes;
    log.push_back("write " + file.string());
    const bool cutHere = fault_ == Fault::PowerCut && changes == at_;
    const bool fullHere = (fault_ == Fault::DiskFull && writes == at_) || (fault_ == Fault::DiskStaysFull && writes >= at_);
    if (!cutHere && !fullHere) return disk_.writeAt(file, offset, data, size);
    disk_.writeAt(file, offset, data, size / 2);
    if (cutHere) {
        cut_ = true;
        throw PowerCut{};
    }
    throw FileError(file, std::strerror(ENOSPC));
}

// A change that is no write: the cut falls before it is made.
void FaultyDisk::otherChange(const std::string& what) {
    change();
    if (fault_ == Fault::PowerCut && changes == at_) cut_ = true;
    if (cut_) throw PowerCut{};
    log.push_back(what);
}

void FaultyDisk::truncate(const fs::path& file, std::uint64_t length) {
    otherChange("truncate " + file.string());
    disk_.truncate(file, length);
}

void FaultyDisk::remove(const fs::path& file) {
    otherChange("remove " + file.string());
    disk_.remove(file);
}

void FaultyDisk::create(const fs::path& file) {
    otherChange("create " + file.string());
    disk_.create(file);
}

void FaultyDisk::rename(const fs::path& from, const fs::path& to) {
    otherChange("rename " + from.string() + " -> " + to.string());
    disk_.rename(from, to);
}

void FaultyDisk::exchange(const fs::path& first, const fs::path& second) {
    otherChange("exchange " + first.string() + " <-> " + second.string());
    disk_.exchange(first, second);
}

// Syncs are noted, not made: a cut here loses nothing the test could see, and the sweeps
// stay quick.
void FaultyDisk::noteSync(const std::string& what) {
    if (cut_) throw PowerCut{};
    log.push_back(what);
}

void FaultyDisk::syncFile(const fs::path& file) { noteSync("sync " + file.string()); }
void FaultyDisk::syncFolder(const fs::path& folder) { noteSync("sync " + folder.string()); }
void FaultyDisk::syncFileSystem(const fs::path& path) { noteSync("sync all " + path.string()); }

// ---- Snapshots and the sweep ------------------------------------------------------------------

Snapshot snapshot(const fs::path& folder) {
    Snapshot files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        if (entry.is_directory()) files[name + "/"] = "";
        else files[name] = readText(entry.path());
    }
    return files;
}

void restore(const fs::path& folder, const Snapshot& files) {
    for (const auto& entry : fs::directory_iterator(folder)) fs::remove_all(entry.path());
    for (const auto& [name, bytes] : files) {
        if (name.back() == '/') fs::create_directories(folder / name);
        else writeText(folder / name, bytes);
    }
}

namespace {

// The names whose bytes differ between two snapshots.
std::string differences(const Snapshot& a, const Snapshot& b) {
    std::string names;
    Snapshot all = a;
    all.insert(b.begin(), b.end());
    for (const auto& [name, ignored] : all) {
        const auto inA = a.find(name);
        const auto inB = b.find(name);
        if (inA == a.end() || inB == b.end() || inA->second != inB->second) names += " " + name;
    }
    return names;
}

// The real disk, taking a snapshot at each commit (when the journal goes).
class CommitWatcher : public FaultyDisk {
public:
    explicit CommitWatcher(fs::path folder) : folder_(std::move(folder)) {}
    void remove(const fs::path& file) override {
        FaultyDisk::remove(file);
        if (file.filename() == Journal::kFileName) commits.push_back(snapshot(folder_));
    }
    std::vector<Snapshot> commits;

private:
    fs::path folder_;
};

void judge(SweepResult& result, const fs::path& folder, const std::string& run) {
    const Snapshot now = snapshot(folder);
    if (now == result.before) ++result.endedBefore;
    else if (now == result.after || std::find(result.partWay.begin(), result.partWay.end(), now) != result.partWay.end())
        ++result.endedAfter;
    else
        result.faults.push_back(run + ": differs from before in" + differences(now, result.before) + "; from after in" +
                                differences(now, result.after));
    restore(folder, result.before);
}

}  // namespace

SweepResult sweepWrites(const fs::path& folder, const std::function<void(DataDir&)>& handler) {
    SweepResult result;
    result.before = snapshot(folder);
    {
        CommitWatcher disk(folder);
        DataDir dir(folder, disk);
        handler(dir);
        dir.commit();
        result.changes = disk.changes;
        result.writes = disk.writes;
        result.partWay = disk.commits;
    }
    result.after = snapshot(folder);
    restore(folder, result.before);

    for (int n = 1; n <= result.changes; ++n) {
        try {
            FaultyDisk disk(FaultyDisk::Fault::PowerCut, n);
            DataDir dir(folder, disk);
            handler(dir);
            dir.commit();
        } catch (const PowerCut&) {
        }
        FaultyDisk restarted;
        DataDir fresh(folder, restarted);
        fresh.recover();
        judge(result, folder, "power cut at change " + std::to_string(n));
    }
    for (int n = 1; n <= result.writes; ++n) {
        bool reported = false;
        try {
            FaultyDisk disk(FaultyDisk::Fault::DiskFull, n);
            DataDir dir(folder, disk);
            handler(dir);
            dir.commit();
        } catch (const FileError&) {
            reported = true;
        }
        if (!reported) result.faults.push_back("disk full at write " + std::to_string(n) + ": no FileError came out");
        judge(result, folder, "disk full at write " + std::to_string(n));
    }
    return result;
}

}  // namespace innvera::testing
