// innvera --restore as the command runs it: the list, the lock, the data check's findings and the
// exit statuses.
#include <QLockFile>
#include <QSysInfo>

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>

#include "app/restore_command.h"
#include "reports/backup.h"
#include "reports/restore.h"
#include "support/fakes.h"
#include "support/files.h"
#include "support/motel_files.h"

namespace innvera::testing {
namespace {

namespace fs = std::filesystem;

class RestoreCommand : public ::testing::Test {
protected:
    void SetUp() override {
        dir.createFolders();
        putPastGuest(dir, "101", 1, "SMITH JOHN", may(1), may(3));
        dir.commit();
        writeText(root / "dailycharge/ 1", "the closed stay's folio\r\n");
        backedUp = snapshot(root);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        backUpDataDir(dir, backups, "2019-05-04 013000");
        backUpDataDir(dir, backups, "2019-05-05 013000");
        writeText(root / "dailycharge/ 2", "a later stay\r\n");
        later = snapshot(root);
    }
    int run(const std::string& backup, bool force = false, RestoreCheck check = {}) {
        out.str("");
        err.str("");
        return restoreFromCommandLine(root, backup, force, check, clock, out, err);
    }
    // Every name beside the data directory but its backups.
    std::vector<std::string> besides() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder.path()))
            if (e.path() != backups) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempFolder folder;
    fs::path root = folder.path() / "motel";
    fs::path backups = folder.path() / "motel-backups";
    DataDir dir{root};
    Snapshot backedUp, later;
    FakeClock clock;  // 1 May 2019, 10 AM
    std::ostringstream out, err;
};

TEST_F(RestoreCommand, WithoutABackupListsThemNewestFirstWithDatesAndSizes) {
    EXPECT_EQ(run(""), 0);
    const std::string size = backupSizeText(listBackups(backups).at(0).bytes);
    EXPECT_EQ(out.str(), "Backups of " + root.string() + " in " + backups.string() + ", newest first:\n" +
                             "  2019-05-05 013000     5/5/2019    1:30:00 AM  " + size + "\n" +
                             "  2019-05-04 013000     5/4/2019    1:30:00 AM  " + size + "\n");
    EXPECT_EQ(err.str(), "");
    fs::remove_all(backups);
    EXPECT_EQ(run(""), 0);
    EXPECT_EQ(out.str(), "There are no backups of " + root.string() + " in " + backups.string() + ".\n");
}

TEST(BackupSizeText, CountsInThousands) {
    EXPECT_EQ(backupSizeText(999), "999 bytes");
    EXPECT_EQ(backupSizeText(1000), "1.0 KB");
    EXPECT_EQ(backupSizeText(14249), "14.2 KB");
    EXPECT_EQ(backupSizeText(999949), "999.9 KB");
    EXPECT_EQ(backupSizeText(999950), "1.0 MB");
    EXPECT_EQ(backupSizeText(190400000), "190.4 MB");
    EXPECT_EQ(backupSizeText(1300000000), "1.3 GB");
}

TEST_F(RestoreCommand, RestoresByNameOrPathAndSaysWhereTheOldDirectoryWent) {
    EXPECT_EQ(run("2019-05-04 013000"), 0) << err.str();
    EXPECT_EQ(snapshot(root), backedUp);
    ASSERT_EQ(besides().size(), 2u);
    const fs::path aside = folder.path() / besides()[1];
    EXPECT_EQ(besides()[1], "motel before restore 2019-05-01 100000");
    EXPECT_EQ(snapshot(aside), later);
    EXPECT_EQ(out.str(), "The backup 2019-05-04 013000 is now the data directory " + root.string() +
                             ".\nThe data directory as it was is in " + aside.string() + ".\n");

    fs::remove_all(aside);
    writeText(root / "dailycharge/ 2", "a later stay\r\n");
    EXPECT_EQ(run((backups / "2019-05-05 013000").string()), 0) << err.str();
    EXPECT_EQ(snapshot(root), backedUp);
}

TEST_F(RestoreCommand, RefusesWhileAnotherCopyHoldsTheDataDirectory) {
    QLockFile held(QString::fromStdString((root / ".innvera.lock").string()));
    ASSERT_TRUE(held.tryLock(0));
    const Snapshot locked = snapshot(root);
    EXPECT_EQ(run("2019-05-04 013000"), 1);
    EXPECT_EQ(err.str(), "innvera: Innvera is already running on the data directory " + root.string() +
                             ". Use the window that is open.\n");
    EXPECT_EQ(snapshot(root), locked);
    EXPECT_EQ(besides(), std::vector<std::string>{"motel"});
}

TEST_F(RestoreCommand, FindingsStopTheRestoreUnlessForced) {
    std::vector<fs::path> checked;
    const RestoreCheck findings = [&](const fs::path& assembled) {
        checked.push_back(assembled);
        EXPECT_EQ(readText(assembled / "dailycharge/ 1"), "the closed stay's folio\r\n") << "the whole backup is checked";
        return std::vector<std::string>{"guest: record 1 is damaged.", "rooms: room 101 twice."};
    };
    EXPECT_EQ(run("2019-05-04 013000", false, findings), 1);
    EXPECT_EQ(checked, std::vector<fs::path>{folder.path() / "motel.restoring"});
    EXPECT_EQ(out.str(),
              "The data check found 2 faults in the backup 2019-05-04 013000:\n"
              "  guest: record 1 is damaged.\n"
              "  rooms: room 101 twice.\n"
              "Nothing was restored. Give --force to restore it all the same.\n");
    EXPECT_EQ(snapshot(root), later);
    EXPECT_EQ(besides(), std::vector<std::string>{"motel"}) << "the assembly is removed";

    EXPECT_EQ(run("2019-05-04 013000", true, findings), 0);
    EXPECT_EQ(snapshot(root), backedUp);
    EXPECT_EQ(besides().size(), 2u);

    fs::remove_all(folder.path() / besides()[1]);
    EXPECT_EQ(run("2019-05-05 013000", false, [](const fs::path&) { return std::vector<std::string>{}; }), 0);
}

TEST_F(RestoreCommand, ABackupThatIsNotThereOrCannotBeUsedCannotBeDone) {
    EXPECT_EQ(run("2019-05-06 013000"), 2);
    EXPECT_EQ(err.str(), "innvera: There is no finished backup 2019-05-06 013000 in " + backups.string() +
                             "; innvera --restore lists them.\n");
    fs::create_directories(backups / "2019-05-06 013000.unfinished");
    EXPECT_EQ(run((backups / "2019-05-06 013000.unfinished").string()), 2);

    fs::remove(backups / kClosedFoliosFolder / " 1");
    EXPECT_EQ(run("2019-05-04 013000"), 2);
    EXPECT_EQ(err.str(), "innvera: The backup cannot be restored: the file " +
                             (backups / kClosedFoliosFolder / " 1").string() + " could not be used: it is missing.\n");
    EXPECT_EQ(snapshot(root), later);
    EXPECT_EQ(besides(), std::vector<std::string>{"motel"});
}

}  // namespace
}  // namespace innvera::testing
