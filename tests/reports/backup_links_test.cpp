// The nightly backup shares the copies of files unchanged since the newest backup, and copies the
// rest again.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "reports/backup.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

ino_t inode(const std::filesystem::path& file) {
    struct stat info {};
    ::stat(file.c_str(), &info);
    return info.st_ino;
}

TEST(NightlyBackup, SharesTheCopiesOfFilesUnchangedSinceTheNewestBackup) {
    MotelFolder t;
    TempFolder backups;
    writeText(t.path("dailycharge/ 1"), "a past stay's folio");
    writeText(t.path("dailycharge/ 2"), "a stay in house");
    // File times tick coarsely: a file changed in the same tick as a copy counts as changed.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const auto first = backUpDataDir(t.dataDir, backups.path(), "2019-05-02 013000");
    writeText(t.path("dailycharge/ 2"), "a stay in house, charged again");  // changed since
    const auto second = backUpDataDir(t.dataDir, backups.path(), "2019-05-03 013000");

    EXPECT_EQ(inode(second / "dailycharge/ 1"), inode(first / "dailycharge/ 1"));
    EXPECT_NE(inode(second / "dailycharge/ 2"), inode(first / "dailycharge/ 2"));
    EXPECT_EQ(readText(second / "dailycharge/ 2"), "a stay in house, charged again");
    EXPECT_EQ(readText(first / "dailycharge/ 2"), "a stay in house");
    EXPECT_EQ(snapshot(second), snapshot(t.folder.path()));
}

TEST(NightlyBackup, TheNightsBackupIsKeptWhenTheClockWasSetBack) {
    MotelFolder t;
    TempFolder backups;
    for (int day = 1; day <= 14; ++day) backUpDataDir(t.dataDir, backups.path(), backupName(may(day), {1, 30, 0}), 14);
    const auto made = backUpDataDir(t.dataDir, backups.path(), "2019-04-20 013000", 14);
    EXPECT_TRUE(std::filesystem::exists(made));
    EXPECT_TRUE(std::filesystem::exists(backups.path() / "2019-05-01 013000")) << "nor any of the newest 14 nights";
}

}  // namespace
