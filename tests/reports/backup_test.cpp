// The nightly backup's store of closed folios, and restoring a backup: as a whole, after a crash at
// any of its changes, and by hand with the README's commands.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>

#include "core/records.h"
#include "reports/backup.h"
#include "reports/restore.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

namespace fs = std::filesystem;

// A data directory named "motel" in a folder of its own, so its backups, its assembly and the
// folders put aside stay in that folder too.
struct Motel {
    Motel() { dir.createFolders(); }
    fs::path path(const std::string& name) const { return root / name; }
    fs::path backup(const std::string& name) const { return backups / name; }
    fs::path stored(const std::string& name) const { return backups / kClosedFoliosFolder / name; }
    fs::path makeBackup(const std::string& name) {
        // File times tick coarsely: a file written just before must look older than the copies.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        const fs::path made = backUpDataDir(dir, backups, name);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return made;
    }

    TempFolder folder;
    fs::path root = folder.path() / "motel";
    fs::path backups = folder.path() / "motel-backups";
    DataDir dir{root};
    FakeClock clock;
};

struct stat statOf(const fs::path& file) {
    struct stat info {};
    EXPECT_EQ(::lstat(file.c_str(), &info), 0) << file;
    return info;
}
std::int64_t ns(const struct timespec& time) { return std::int64_t{time.tv_sec} * 1000000000 + time.tv_nsec; }

std::vector<std::string> manifestNames(const fs::path& backup) {
    std::vector<std::string> names;
    for (const StoredFolio& entry : readBackupManifest(backup)) names.push_back(entry.name);
    return names;
}

// Two checked-out stays (folios 1 and 2) and one in house (folio 3), each with its folio file.
void threeStays(Motel& m) {
    putPastGuest(m.dir, "101", 1, "SMITH JOHN", may(1), may(3));
    putPastGuest(m.dir, "102", 2, "JONES ANN", may(2), may(4));
    putGuest(m.dir, "103", 3, "BROWN TOM", may(9));
    m.dir.commit();
    writeText(m.path("dailycharge/ 1"), "\"101  \",\"A\",#2019-05-01#,\"E\",\"Room Rent\",65,,1,\"-----\",\"-----\",\"-----\"\r\n");
    writeText(m.path("dailycharge/ 2"), "the second stay's folio\r\n");
    writeText(m.path("dailycharge/ 3"), "the stay in house\r\n");
}

Snapshot withoutLock(const fs::path& folder) {
    Snapshot files = snapshot(folder);
    files.erase(".innvera.lock");
    return files;
}

}  // namespace

TEST(ClosedFolioStore, TheFirstBackupStoresClosedFoliosOnceAndListsThemWithTheirSizesAndTimes) {
    Motel m;
    threeStays(m);
    const fs::path first = m.makeBackup("2019-05-05 013000");

    EXPECT_FALSE(fs::exists(first / "dailycharge/ 1"));
    EXPECT_FALSE(fs::exists(first / "dailycharge/ 2"));
    EXPECT_EQ(readText(first / "dailycharge/ 3"), "the stay in house\r\n") << "a stay in house is in the dated folder";
    EXPECT_EQ(readText(m.stored(" 2")), "the second stay's folio\r\n");
    EXPECT_FALSE(fs::exists(m.stored(" 3")));
    EXPECT_FALSE(fs::exists(m.stored(" 1.unfinished")));

    // The manifest, line by line: the name, its size, its modification time, when it was stored.
    const struct stat one = statOf(m.path("dailycharge/ 1")), two = statOf(m.path("dailycharge/ 2"));
    const std::string text = readText(first / ".innvera-backup");
    std::istringstream lines(text);
    std::string line;
    std::vector<std::string> got;
    while (std::getline(lines, line)) got.push_back(line);
    ASSERT_EQ(got.size(), 2u) << text;
    const std::vector<StoredFolio> entries = readBackupManifest(first);
    for (std::size_t i = 0; i < 2; ++i) {
        const struct stat& file = i == 0 ? one : two;
        const std::string name = i == 0 ? " 1" : " 2";
        EXPECT_EQ(got[i], name + "\t" + std::to_string(file.st_size) + "\t" + std::to_string(ns(file.st_mtim)) + "\t" +
                              std::to_string(entries[i].stored));
        EXPECT_GT(entries[i].stored, ns(file.st_ctim)) << "stored after the file last changed";
        EXPECT_LE(entries[i].stored, ns(statOf(m.stored(name)).st_ctim)) << "no later than the store copy was made";
        EXPECT_EQ(ns(statOf(m.stored(name)).st_mtim), ns(file.st_mtim)) << "the store copy carries the file's time";
    }
}

TEST(ClosedFolioStore, ALaterBackupNeitherCopiesNorLinksAnUnchangedClosedFolio) {
    Motel m;
    threeStays(m);
    m.makeBackup("2019-05-05 013000");
    const ino_t storedInode = statOf(m.stored(" 1")).st_ino;
    const fs::path second = m.makeBackup("2019-05-06 013000");

    EXPECT_EQ(manifestNames(second), (std::vector<std::string>{" 1", " 2"}));
    EXPECT_FALSE(fs::exists(second / "dailycharge/ 1"));
    EXPECT_FALSE(fs::exists(second / "dailycharge/ 2"));
    EXPECT_EQ(statOf(m.stored(" 1")).st_ino, storedInode) << "the store copy is never replaced";
    EXPECT_EQ(statOf(m.stored(" 1")).st_nlink, 1u) << "nor linked";
    EXPECT_EQ(fs::hard_link_count(second / "dailycharge/ 3"), 2u) << "the unchanged folio in house is shared";
    EXPECT_EQ(readBackupManifest(second)[0].stored, readBackupManifest(m.backup("2019-05-05 013000"))[0].stored);
}

// The same size, even the same modification time set back by hand: only the status-change time
// tells the file changed, and the store's copy is then never used.
TEST(ClosedFolioStore, AClosedFolioChangedAfterItWasStoredIsCopiedIntoTheDatedFolder) {
    Motel m;
    threeStays(m);
    m.makeBackup("2019-05-05 013000");
    const fs::path file = m.path("dailycharge/ 2");
    const struct stat before = statOf(file);
    writeText(file, "THE second stay's folio\r\n");
    const struct timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
    ASSERT_EQ(ns(statOf(file).st_mtim), ns(before.st_mtim));
    ASSERT_EQ(statOf(file).st_size, before.st_size);

    const fs::path second = m.makeBackup("2019-05-06 013000");
    EXPECT_EQ(readText(second / "dailycharge/ 2"), "THE second stay's folio\r\n");
    EXPECT_EQ(manifestNames(second), (std::vector<std::string>{" 1"}));
    EXPECT_EQ(readText(m.stored(" 2")), "the second stay's folio\r\n") << "the store is never overwritten";

    // The next night finds no line for it and a store copy of another version: still its own copy,
    // shared with last night's.
    const fs::path third = m.makeBackup("2019-05-07 013000");
    EXPECT_EQ(manifestNames(third), (std::vector<std::string>{" 1"}));
    EXPECT_EQ(readText(third / "dailycharge/ 2"), "THE second stay's folio\r\n");
    EXPECT_EQ(fs::hard_link_count(third / "dailycharge/ 2"), 2u);
}

TEST(ClosedFolioStore, TheFolioOfAStayClosedSinceTheLastBackupJoinsTheStore) {
    Motel m;
    threeStays(m);
    m.makeBackup("2019-05-05 013000");
    changeRecord<Guest>(m.dir, m.dir.guests(), 3, [](Guest& g) { g.stayStatus = "*"; });
    m.dir.commit();
    const fs::path second = m.makeBackup("2019-05-06 013000");
    EXPECT_EQ(manifestNames(second), (std::vector<std::string>{" 1", " 2", " 3"}));
    EXPECT_FALSE(fs::exists(second / "dailycharge/ 3"));
    EXPECT_EQ(readText(m.stored(" 3")), "the stay in house\r\n");
}

// A store file lost after a night listed it (deleted by hand, a disk error, the backups folder
// copied without the store) is stored again by the next night, never listed while missing, so
// that night's backup restores whole; so is every file when the whole store is gone.
TEST(ClosedFolioStore, AStoreFileLostSinceLastNightIsStoredAgainAndTheNextBackupRestoresWhole) {
    Motel m;
    threeStays(m);
    const Snapshot backedUp = withoutLock(m.root);
    const fs::path first = m.makeBackup("2019-05-05 013000");
    ASSERT_EQ(manifestNames(first), (std::vector<std::string>{" 1", " 2"}));
    const ino_t keptInode = statOf(m.stored(" 1")).st_ino;
    fs::remove(m.stored(" 2"));

    const fs::path second = m.makeBackup("2019-05-06 013000");
    EXPECT_EQ(manifestNames(second), (std::vector<std::string>{" 1", " 2"}));
    EXPECT_EQ(readText(m.stored(" 2")), "the second stay's folio\r\n") << "stored again";
    EXPECT_EQ(statOf(m.stored(" 1")).st_ino, keptInode) << "the file still there is left as it was";
    EXPECT_EQ(readBackupManifest(second)[0].stored, readBackupManifest(first)[0].stored);
    EXPECT_NE(readBackupManifest(second)[1].stored, readBackupManifest(first)[1].stored) << "listed as stored anew";

    fs::remove_all(m.backups / kClosedFoliosFolder);
    const fs::path third = m.makeBackup("2019-05-07 013000");
    EXPECT_EQ(manifestNames(third), (std::vector<std::string>{" 1", " 2"}));
    EXPECT_EQ(readText(m.stored(" 1")), readText(m.path("dailycharge/ 1")));
    EXPECT_EQ(readText(m.stored(" 2")), "the second stay's folio\r\n");

    // Both later backups restore byte for byte.
    writeText(m.path("dailycharge/ 3"), "a later posting\r\n");
    PosixFileLayer disk;
    const std::vector<BackupEntry> found = listBackups(m.backups);
    ASSERT_EQ(found.size(), 3u);
    for (std::size_t i = 0; i < 2; ++i) {
        ASSERT_EQ(found[i].folder, i == 0 ? third : second);
        const fs::path assembled = assembleRestore(found[i], m.root, disk);
        putRestoreInPlace(assembled, m.root, "2019-05-08 10150" + std::to_string(i), disk);
        EXPECT_EQ(snapshot(m.root), backedUp) << found[i].name;
        writeText(m.path("dailycharge/ 3"), "a later posting\r\n");
    }
}

// A night cut off after it wrote a folio into the store under its temporary name leaves that
// file behind: the next night removes it, and nothing else of the store.
TEST(ClosedFolioStore, ATemporaryFileACutOffNightLeftInTheStoreIsRemovedByTheNextNight) {
    Motel m;
    threeStays(m);
    m.makeBackup("2019-05-05 013000");
    writeText(m.stored(" 7.unfinished"), "half a folio");
    writeText(m.stored(" 7"), "a folio stored whole");

    const fs::path next = m.makeBackup("2019-05-06 013000");
    EXPECT_FALSE(fs::exists(m.stored(" 7.unfinished")));
    EXPECT_EQ(readText(m.stored(" 7")), "a folio stored whole");
    EXPECT_EQ(manifestNames(next), (std::vector<std::string>{" 1", " 2"}));
}

// A folio folder of several batches is shared out between the night's two threads: every closed
// folio is stored and listed once, the folios in house are copied, and the next night takes every
// closed one from the store.
TEST(ClosedFolioStore, AFolioFolderOfManyBatchesIsBackedUpWholeByBothThreads) {
    Motel m;
    constexpr int kClosed = 3000, kInHouse = 40;
    {
        std::ofstream guests(m.dir.guests(), std::ios::binary);
        for (int n = 1; n <= kClosed + kInHouse; ++n) {
            Guest g;
            g.guestName = "GUEST " + std::to_string(n);
            g.roomNo = n <= kClosed ? "101" : "102";
            g.folioNo = static_cast<float>(n);
            g.arrivalDate = may(1);
            g.departDate = n <= kClosed ? may(2) : may(9);
            if (n <= kClosed) g.stayStatus = "*";
            const Bytes record = g.encode();
            guests.write(record.data(), static_cast<std::streamsize>(record.size()));
        }
    }
    std::vector<std::string> closed;
    for (int n = 1; n <= kClosed + kInHouse; ++n) {
        const std::string name = " " + std::to_string(n);
        writeText(m.path("dailycharge/" + name), "the folio of stay " + std::to_string(n) + "\r\n");
        if (n <= kClosed) closed.push_back(name);
    }
    std::sort(closed.begin(), closed.end());
    const auto sortedNames = [](const fs::path& backup) {
        std::vector<std::string> names = manifestNames(backup);
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto copied = [](const fs::path& backup) {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(backup / "dailycharge")) ++count;
        return count;
    };

    const fs::path first = m.makeBackup("2019-05-05 013000");
    EXPECT_EQ(sortedNames(first), closed);
    EXPECT_EQ(copied(first), std::size_t{kInHouse});
    EXPECT_EQ(readText(m.stored(" 2999")), "the folio of stay 2999\r\n");
    const fs::path second = m.makeBackup("2019-05-06 013000");
    EXPECT_EQ(sortedNames(second), closed);
    EXPECT_EQ(copied(second), std::size_t{kInHouse});
    EXPECT_EQ(fs::hard_link_count(second / "dailycharge" / " 3001"), 2u) << "an unchanged folio in house is shared";
}

// A night that cannot put a closed folio in the store (a file stands at the store's name) fails
// naming the store, and leaves neither a dated folder nor an unfinished one behind.
TEST(ClosedFolioStore, ABackupThatCannotStoreAFolioFailsNamingTheStoreAndLeavesNoFolder) {
    Motel m;
    threeStays(m);
    fs::create_directories(m.backups);
    writeText(m.backups / kClosedFoliosFolder, "a file where the store belongs");
    try {
        m.makeBackup("2019-05-05 013000");
        ADD_FAILURE() << "a backup was made";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), m.backups / kClosedFoliosFolder);
    }
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(m.backups)) left.push_back(entry.path().filename().string());
    EXPECT_EQ(left, std::vector<std::string>{kClosedFoliosFolder});
}

// ---- Listing and restoring ----------------------------------------------------------------

TEST(ListBackups, NewestFirstWithDatesAndRestoredSizesOnlyFinishedBackups) {
    Motel m;
    threeStays(m);
    const fs::path first = m.makeBackup("2019-05-05 013000");
    m.makeBackup("2019-05-05 013000");  // the same second: "... 2"
    fs::create_directories(m.backup("2019-05-07 013000.unfinished"));
    fs::create_directories(m.backup("2019-02-30 013000"));  // no such day
    fs::create_directories(m.backup("2019-05-07 250000"));  // no such time
    writeText(m.backup("2019-05-08 013000"), "a file, not a backup");
    fs::create_directories(m.backup("photos"));

    const std::vector<BackupEntry> found = listBackups(m.backups);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].name, "2019-05-05 013000 2");
    EXPECT_EQ(found[1].name, "2019-05-05 013000");
    EXPECT_EQ(found[1].folder, first);
    EXPECT_EQ(found[1].day, may(5));
    EXPECT_EQ(found[1].time.hour, 1);
    EXPECT_EQ(found[1].time.minute, 30);
    EXPECT_EQ(found[1].time.second, 0);
    // Every file the restore gives back: the data directory's, lock and journal aside.
    std::uint64_t bytes = 0;
    for (const auto& [name, content] : withoutLock(m.root)) bytes += content.size();
    EXPECT_EQ(found[1].bytes, bytes);
    EXPECT_EQ(found[0].bytes, bytes);
    EXPECT_TRUE(listBackups(m.folder.path() / "nothing here").empty());
}

TEST(Restore, AStoreBackupComesBackByteForByteAndTheOldDirectoryGoesAside) {
    Motel m;
    threeStays(m);
    writeText(m.path(".innvera.lock"), "12345\nhost\n");
    const Snapshot backedUp = withoutLock(m.root);
    m.makeBackup("2019-05-05 013000");
    writeText(m.path("dailycharge/ 3"), "a later posting\r\n");
    writeText(m.path("dailycharge/ 4"), "a later stay\r\n");
    const Snapshot later = snapshot(m.root);

    PosixFileLayer disk;
    const BackupEntry entry = listBackups(m.backups).at(0);
    const fs::path assembled = assembleRestore(entry, m.root, disk);
    EXPECT_EQ(assembled, m.folder.path() / "motel.restoring");
    EXPECT_TRUE(fs::exists(assembled / kRestoreMarker));
    EXPECT_EQ(snapshot(m.root), later) << "nothing changes before it is put in place";

    const fs::path aside = putRestoreInPlace(assembled, m.root, "2019-05-06 101500", disk);
    EXPECT_EQ(aside, m.folder.path() / "motel before restore 2019-05-06 101500");
    EXPECT_EQ(snapshot(m.root), backedUp);
    EXPECT_EQ(snapshot(aside), later);
    EXPECT_FALSE(fs::exists(assembled));
    // The restored closed folios carry their times: the next night takes them from the store again.
    const fs::path next = m.makeBackup("2019-05-06 013000");
    EXPECT_EQ(manifestNames(next), (std::vector<std::string>{" 1", " 2"}));
    EXPECT_FALSE(fs::exists(next / "dailycharge/ 1"));
}

TEST(Restore, ABackupOfTheEarlierSchemeWithNoManifestIsRestoredWhole) {
    Motel m;
    threeStays(m);
    const Snapshot backedUp = snapshot(m.root);
    fs::create_directories(m.backups);
    fs::copy(m.root, m.backup("2019-05-04 013000"), fs::copy_options::recursive);
    writeText(m.path("dailycharge/ 1"), "changed since\r\n");

    PosixFileLayer disk;
    const std::vector<BackupEntry> found = listBackups(m.backups);
    ASSERT_EQ(found.size(), 1u);
    const fs::path assembled = assembleRestore(found[0], m.root, disk);
    putRestoreInPlace(assembled, m.root, "2019-05-06 101500", disk);
    EXPECT_EQ(snapshot(m.root), backedUp);
}

TEST(Restore, AStoreFileMissingOrOfAnotherSizeStopsTheAssemblyLeavingNothing) {
    Motel m;
    threeStays(m);
    m.makeBackup("2019-05-05 013000");
    const BackupEntry entry = listBackups(m.backups).at(0);
    PosixFileLayer disk;
    writeText(m.stored(" 2"), "cut");
    try {
        assembleRestore(entry, m.root, disk);
        ADD_FAILURE() << "a store file of another size was taken";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), m.stored(" 2"));
        EXPECT_EQ(error.reason(), "it is not the size the backup lists");
    }
    EXPECT_FALSE(fs::exists(restoreFolderOf(m.root)));
    fs::remove(m.stored(" 2"));
    EXPECT_THROW(assembleRestore(entry, m.root, disk), FileError);
    EXPECT_FALSE(fs::exists(restoreFolderOf(m.root)));
}

TEST(Restore, DiscardingRemovesOnlyAnAssemblyAndRecoveryNeverDeletesAFolderThatIsNotOne) {
    Motel m;
    threeStays(m);
    m.makeBackup("2019-05-05 013000");
    PosixFileLayer disk;
    const fs::path assembled = assembleRestore(listBackups(m.backups).at(0), m.root, disk);
    discardRestore(assembled);
    EXPECT_FALSE(fs::exists(assembled));

    fs::create_directories(assembled);
    writeText(assembled / "rooms", "someone's own folder");
    discardRestore(assembled);
    recoverRestore(m.root, disk, m.clock);
    EXPECT_EQ(readText(assembled / "rooms"), "someone's own folder");
    EXPECT_THROW(assembleRestore(listBackups(m.backups).at(0), m.root, disk), FileError);
    EXPECT_EQ(readText(assembled / "rooms"), "someone's own folder");
}

// The power goes at every change the restore makes, then the next start recovers: the data
// directory's name holds exactly the old data or exactly the restored data, and the old data is
// never lost (at the name, or aside). A full disk at any write leaves the old data in place and
// nothing of the restore behind.
TEST(Restore, ACrashAtAnyChangeOrAFullDiskLeavesTheOldOrTheRestoredDirectoryWhole) {
    Motel m;
    threeStays(m);
    const Snapshot restored = snapshot(m.root);
    m.makeBackup("2019-05-05 013000");
    writeText(m.path("dailycharge/ 3"), "a later posting\r\n");
    writeText(m.path("dailycharge/ 4"), "a later stay\r\n");
    const Snapshot old = snapshot(m.root);
    const BackupEntry entry = listBackups(m.backups).at(0);
    const Snapshot backups = snapshot(m.backups);
    const auto restoreOn = [&](FileLayer& disk) {
        putRestoreInPlace(assembleRestore(entry, m.root, disk), m.root, "2019-05-06 101500", disk);
    };
    const fs::path aside = m.folder.path() / "motel before restore 2019-05-06 101500";
    const auto putBack = [&] {
        fs::remove_all(m.root);
        fs::remove_all(aside);
        fs::remove_all(restoreFolderOf(m.root));
        fs::create_directories(m.root);
        restore(m.root, old);
    };
    // Every folder beside the data directory other than its backups.
    const auto besides = [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m.folder.path()))
            if (e.path() != m.backups) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };

    int changes = 0, writes = 0;
    {
        FaultyDisk disk;
        restoreOn(disk);
        changes = disk.changes;
        writes = disk.writes;
    }
    ASSERT_GT(changes, 8);
    int endedOld = 0, endedRestored = 0;
    for (int n = 1; n <= changes; ++n) {
        putBack();
        try {
            FaultyDisk disk(FaultyDisk::Fault::PowerCut, n);
            restoreOn(disk);
        } catch (const PowerCut&) {
        }
        FaultyDisk restarted;
        recoverRestore(m.root, restarted, m.clock);
        const Snapshot now = snapshot(m.root);
        if (now == old) {
            ++endedOld;
            EXPECT_EQ(besides(), (std::vector<std::string>{"motel"})) << "power cut at change " << n;
        } else if (now == restored) {
            ++endedRestored;
            EXPECT_EQ(besides(), (std::vector<std::string>{"motel", "motel before restore 2019-05-06 101500"}))
                << "power cut at change " << n;
            EXPECT_EQ(snapshot(aside), old) << "the old data is aside, power cut at change " << n;
        } else {
            ADD_FAILURE() << "power cut at change " << n << " left the data directory neither old nor restored";
        }
        EXPECT_EQ(snapshot(m.backups), backups) << "power cut at change " << n;
    }
    EXPECT_GT(endedOld, 0);
    EXPECT_GT(endedRestored, 0);

    for (int n = 1; n <= writes; ++n) {
        putBack();
        bool reported = false;
        try {
            FaultyDisk disk(FaultyDisk::Fault::DiskFull, n);
            const fs::path assembled = assembleRestore(entry, m.root, disk);
            try {
                putRestoreInPlace(assembled, m.root, "2019-05-06 101500", disk);
            } catch (const FileError&) {
                discardRestore(assembled);
                throw;
            }
        } catch (const FileError&) {
            reported = true;
        }
        EXPECT_TRUE(reported) << "disk full at write " << n;
        EXPECT_EQ(snapshot(m.root), old) << "disk full at write " << n;
        EXPECT_EQ(besides(), (std::vector<std::string>{"motel"})) << "disk full at write " << n;
    }
}

// The README's commands for restoring by hand, run as they stand there on a store backup.
// A restore cut after the swap, its mark damaged so that it no longer names the folder to put
// the old data in: the next start still puts the old data aside, named from the clock.
TEST(Restore, OldDataWhoseMarkLostItsNameGoesAsideNamedFromTheClock) {
    Motel m;
    threeStays(m);
    m.makeBackup("2019-05-05 013000");
    writeText(m.path("dailycharge/ 3"), "a later posting\r\n");
    const Snapshot old = snapshot(m.root);
    PosixFileLayer disk;
    const fs::path assembled = assembleRestore(listBackups(m.backups).at(0), m.root, disk);
    // The swap as the restore makes it, the mark then damaged.
    ASSERT_EQ(::renameat2(AT_FDCWD, assembled.c_str(), AT_FDCWD, m.root.c_str(), RENAME_EXCHANGE), 0);
    writeText(m.root / kRestoreMarker, "garbage");

    m.clock.set(Date::fromYmd(2019, 5, 6), {10, 15, 0});
    recoverRestore(m.root, disk, m.clock);
    EXPECT_FALSE(fs::exists(assembled));
    EXPECT_FALSE(fs::exists(m.root / kRestoreMarker));
    const fs::path aside = m.folder.path() / "motel before restore 2019-05-06 101500";
    EXPECT_EQ(snapshot(aside), old);
}

TEST(Restore, TheReadmesCommandsRestoreAStoreBackupByHand) {
    std::ifstream readme(INNVERA_SOURCE_DIR "/README.md");
    ASSERT_TRUE(readme) << "README.md";
    std::string line, script;
    bool inBlock = false;
    while (std::getline(readme, line)) {
        if (line.starts_with("    DATA=")) inBlock = true;
        if (inBlock && line.empty()) break;
        if (inBlock && !line.starts_with("    DATA=") && !line.starts_with("    BACKUP=")) script += line.substr(4) + "\n";
    }
    ASSERT_FALSE(script.empty()) << "the README's block starting DATA=...";

    Motel m;
    threeStays(m);
    const Snapshot backedUp = snapshot(m.root);
    m.makeBackup("2019-05-05 013000");
    changeRecord<Guest>(m.dir, m.dir.guests(), 3, [](Guest& g) { g.stayStatus = "*"; });
    m.dir.commit();
    const Snapshot closed = snapshot(m.root);
    const fs::path second = m.makeBackup("2019-05-06 013000");
    writeText(m.path("dailycharge/ 3"), "a later posting\r\n");
    ASSERT_FALSE(readBackupManifest(second).empty());

    const fs::path file = m.folder.path() / "restore.sh";
    for (const auto& [backup, expected] : {std::pair{second, closed}, {m.backup("2019-05-05 013000"), backedUp}}) {
        writeText(file, "set -e\nDATA='" + m.root.string() + "'\nBACKUP='" + backup.string() + "'\n" + script);
        ASSERT_EQ(std::system(("bash '" + file.string() + "' >/dev/null").c_str()), 0) << script;
        EXPECT_EQ(snapshot(m.root), expected) << backup;
        fs::remove_all(m.folder.path() / "motel-replaced");
    }
}
