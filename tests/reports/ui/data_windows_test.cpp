// The Check Data and Restore a Backup windows, and the end of day's question on files that
// disagree, through their controls.
#include <QtWidgets>

#include "core/counters.h"
#include "reports/backup.h"
#include "reports/data_check.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

QStringList rowsOf(QWidget* window, const char* list) {
    QStringList rows;
    if (auto* box = child<QListWidget>(window, list))
        for (int i = 0; i < box->count(); ++i) rows << box->item(i)->text();
    return rows;
}

// Rooms 101 and 102 and a tax rate: files that agree.
void twoRooms(DataDir& dir) {
    writeTaxRate(dir, 0.12f);
    addRoom(dir, "101", "NQ1", 65);
    addRoom(dir, "102", "KK1", 80);
    dir.commit();
}

// A guest in house in room 101 while the room still says vacant, and no folio file for the stay.
void guestInVacantRoom(DataDir& dir) {
    putGuest(dir, "101", 1, "JOHN SMITH", may(3));
    writeCounter(dir, dir.folioCounter(), 1);
    dir.commit();
}

const QStringList kGuestInVacantRoom = {
    "rooms, record 1: room 101 is not marked occupied (O), though the stay in house of guest record 1 (folio 1) is "
    "in it.",
    "guest, record 1: the stay in house (folio 1, room 101) has no folio file dailycharge/ 1."};

TEST(CheckDataWindowTest, SaysTheFilesAgreeThenListsAndPrintsWhatDisagrees) {
    TestDesk t;
    twoRooms(t.dataDir);
    QWidget* window = t.open("CheckData");
    EXPECT_FALSE(child<QPushButton>(window, "PrintFindings")->isEnabled());  // nothing checked yet

    EXPECT_EQ(t.pressed(window, "CheckNow"), "");
    EXPECT_EQ(textOf(window, "Summary"), "No findings: the files agree.");
    EXPECT_TRUE(rowsOf(window, "Findings").isEmpty());

    guestInVacantRoom(t.dataDir);
    EXPECT_EQ(t.pressed(window, "CheckNow"), "");
    const QStringList rows = rowsOf(window, "Findings");
    EXPECT_EQ(rows, kGuestInVacantRoom);
    EXPECT_EQ(textOf(window, "Summary"), "2 findings.");

    EXPECT_EQ(t.pressed(window, "PrintFindings"), "");
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const auto& lines = t.printer.jobs[0].lines;
    EXPECT_NE(std::find(lines.begin(), lines.end(), kGuestInVacantRoom[1].toStdString()), lines.end());
    EXPECT_EQ(lines.back(), "2 findings.");
}

TEST(EndOfDayWindowTest, AsksBeforeBuildingTheNightOnFilesThatDisagreeAndOnNoWritesNothing) {
    TestDesk t;
    t.clock.set(may(2), TimeOfDay{1, 30, 0});
    writeFlag<EndOfDayFlagRecord>(t.dataDir, t.dataDir.endOfDayFlag(), 0);  // the night of 5/1 is open
    twoRooms(t.dataDir);
    guestInVacantRoom(t.dataDir);
    const Snapshot before = snapshot(t.folder.path());
    t.dialogs.answers = {false};
    t.open("EndOfDayWindow");
    EXPECT_EQ(t.shownBoxes(), "? End of Day: The data check found 2 problems in what tonight's end of day will touch:\n" +
                                  kGuestInVacantRoom.join('\n').toStdString() + "\n\nRun the end of day anyway?\n");
    EXPECT_EQ(snapshot(t.folder.path()), before);
    EXPECT_FALSE(std::filesystem::exists(backupFolderOf(t.folder.path())));
    EXPECT_TRUE(t.printer.jobs.empty());
}

// A desk whose data directory has a backup of last night and has changed since.
class RestoreWindow : public ::testing::Test {
protected:
    void SetUp() override {
        twoRooms(t.dataDir);
        backedUp = snapshot(t.folder.path());
        backUpDataDir(t.dataDir, backupFolderOf(t.folder.path()), "2019-04-30 013012");
        addRoom(t.dataDir, "103", "NK1", 70);  // after the backup
        t.dataDir.commit();
        changed = snapshot(t.folder.path());
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(backupFolderOf(t.folder.path()), ignored);
        std::filesystem::remove_all(aside(), ignored);
    }
    std::filesystem::path aside() const {
        return t.folder.path().parent_path() / (t.folder.path().filename().string() + " before restore 2019-05-01 100000");
    }

    TestDesk t;
    Snapshot backedUp, changed;
};

TEST_F(RestoreWindow, PutsTheChosenBackupInPlaceKeepingTheFilesInUseAsideAndEndsTheProgram) {
    QWidget* window = t.open("RestoreBackup");
    const QStringList rows = rowsOf(window, "Backups");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_TRUE(rows[0].startsWith("04/30/2019  01:30:12")) << rows[0].toStdString();

    t.dialogs.answers = {false};  // No: nothing happens
    EXPECT_EQ(t.pressed(window, "RestoreNow"),
              "? Restore a Backup: Put the backup of 4/30/2019 at 01:30 in place of the motel's files?\n\nThe files "
              "in use now are moved to a folder beside them, never deleted, and Innvera closes once the backup is "
              "in place.\n");
    EXPECT_EQ(snapshot(t.folder.path()), changed);

    // The desk's own lock, and another window open.
    writeText(t.folder.path() / ".innvera.lock", "4242\nfrontdesk\ninnvera\n");
    t.open("CheckData");
    t.dialogs.answers = {true};
    const std::string shown = t.pressed(window, "RestoreNow");
    EXPECT_NE(shown.find("Restore a Backup: The backup of 4/30/2019 at 01:30 is in place. The files that were in use "
                         "are kept in " + aside().string() + ".\n\nInnvera closes now: start it again to work on the "
                         "restored files.\n"),
              std::string::npos)
        << shown;
    // The lock stays with the desk, on the restored files, until the program has ended.
    Snapshot restored = snapshot(t.folder.path());
    EXPECT_EQ(restored[".innvera.lock"], "4242\nfrontdesk\ninnvera\n");
    restored.erase(".innvera.lock");
    EXPECT_EQ(restored, backedUp);
    EXPECT_EQ(snapshot(aside()), changed);
    settle();
    EXPECT_TRUE(t.windows.openWindows().isEmpty());
    EXPECT_EQ(t.programEnded, 1);
}

TEST_F(RestoreWindow, ShowsWhatTheBackupsCheckFindsAndRestoresNothingOnNo) {
    // Today's backup holds a guest in a room that says vacant.
    guestInVacantRoom(t.dataDir);
    backUpDataDir(t.dataDir, backupFolderOf(t.folder.path()), "2019-05-01 013000");
    const Snapshot now = snapshot(t.folder.path());
    QWidget* window = t.open("RestoreBackup");
    ASSERT_EQ(rowsOf(window, "Backups").size(), 2);  // newest first, chosen
    t.dialogs.answers = {true, false};
    const std::string shown = t.pressed(window, "RestoreNow");
    EXPECT_NE(shown.find("? Restore a Backup: The data check found 2 problems in this backup:\n" +
                         kGuestInVacantRoom.join('\n').toStdString() + "\n\nRestore it all the same?\n"),
              std::string::npos)
        << shown;
    EXPECT_EQ(snapshot(t.folder.path()), now);
    for (const auto& entry : std::filesystem::directory_iterator(t.folder.path().parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(t.folder.path().filename().string() + "."), std::string::npos)
            << "left behind: " << entry.path();
    EXPECT_TRUE(t.isOpen("RestoreBackup"));
}

TEST(RestoreWindowTest, WithNoBackupSaysSoAndOffersNothing) {
    TestDesk t;
    QWidget* window = t.open("RestoreBackup");
    EXPECT_EQ(rowsOf(window, "Backups"), QStringList{"No backups yet: the end of day makes one each night."});
    EXPECT_FALSE(child<QPushButton>(window, "RestoreNow")->isEnabled());
}

}  // namespace
}  // namespace innvera::testing
