// Handlers are all or nothing: the journal, commit, rollback and recovery after a crash.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/journal.h"
#include "support/files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

namespace fs = std::filesystem;

std::string record(char fill) { return std::string(100, fill); }

// A motel-like folder: a larger record file, two files to append to, one to remove.
class JournalTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root / "dailycharge");
        fs::create_directories(root / "message");
        std::string guests;
        for (char c = 'a'; c < 'a' + 20; ++c) guests += record(c);
        writeText(root / "guest", guests);
        writeText(root / "rooms", record('R'));
        writeText(root / "dailycharge" / " 1", "\"101  \",\"A\"\r\n");
        writeText(root / "message" / "7", "Call home");
        before = snapshot(root);
    }

    TempFolder folder;
    const fs::path root = folder.path();
    Snapshot before;
};

// Creates a file, appends to two, overwrites record 10 of twenty several times (and once
// across records 9 to 11), and removes a file.
void synthetic(DataDir& dir) {
    const fs::path root = dir.root();
    dir.appendText(root / "dailycharge" / " 2", "\"102  \",\"A\"\r\n");
    dir.appendText(root / "dailycharge" / " 1", "\"101  \",\"B\"\r\n");
    for (char c : {'1', '2', '3'}) dir.write(root / "guest", 900, record(c).data(), 100);
    dir.write(root / "guest", 850, record('X').data(), 100);
    dir.write(root / "rooms", 100, record('S').data(), 100);
    dir.write(root / "guest", 900, record('4').data(), 100);
    dir.remove(root / "message" / "7");
}

TEST_F(JournalTest, EveryCrashAndEveryFullDiskLeavesTheFilesAsBeforeOrAsAfter) {
    const SweepResult sweep = sweepWrites(root, synthetic);

    EXPECT_TRUE(sweep.faults.empty()) << ::testing::PrintToString(sweep.faults);
    // The journal's removal is the last change: any cut or failure before it undoes all.
    EXPECT_EQ(sweep.endedBefore, sweep.changes + sweep.writes);
    EXPECT_GE(sweep.writes, 7 + 5);  // the handler's own writes and the journal's
    std::string guests = sweep.before.at("guest");
    guests.replace(850, 50, std::string(50, 'X'));
    guests.replace(900, 100, record('4'));
    EXPECT_EQ(sweep.after.at("guest"), guests);
    EXPECT_EQ(sweep.after.at("dailycharge/ 1"), "\"101  \",\"A\"\r\n\"101  \",\"B\"\r\n");
    EXPECT_EQ(sweep.after.at("dailycharge/ 2"), "\"102  \",\"A\"\r\n");
    EXPECT_EQ(sweep.after.at("rooms"), record('R') + record('S'));
    EXPECT_EQ(sweep.after.count("message/7"), 0u);
    EXPECT_EQ(sweep.after.count(Journal::kFileName), 0u);
}

TEST_F(JournalTest, ATornOrDamagedLastEntryIsIgnoredAndTheCompleteOnesAreUndone) {
    try {
        // Change 1 is the journal entry for "rooms", 2 the write to it, 3 the journal entry
        // for "guest", cut half way: its write never happens.
        FaultyDisk disk(FaultyDisk::Fault::PowerCut, 3);
        DataDir dir(root, disk);
        dir.write(root / "rooms", 0, "OVERWRITTEN", 11);
        dir.write(root / "guest", 0, "OVERWRITTEN", 11);
        FAIL() << "the power should have gone";
    } catch (const PowerCut&) {
    }
    EXPECT_EQ(readText(root / "rooms").substr(0, 11), "OVERWRITTEN");
    EXPECT_TRUE(fs::exists(root / Journal::kFileName));

    DataDir dir(root);
    dir.recover();
    EXPECT_EQ(snapshot(root), before);

    // The same cut, with the last entry's head on the disk but the end of its old bytes lost
    // (zeros): its checksum shows it, and the guest file, never written, stays as it is.
    try {
        FaultyDisk disk(FaultyDisk::Fault::PowerCut, 4);
        DataDir cut(root, disk);
        cut.write(root / "rooms", 0, "OVERWRITTEN", 11);
        cut.write(root / "guest", 0, "OVERWRITTEN", 11);
    } catch (const PowerCut&) {
    }
    std::string damaged = readText(dir.journal());
    damaged.replace(damaged.size() - 5, 5, std::string(5, '\0'));
    writeText(dir.journal(), damaged);
    writeText(root / "guest", before.at("guest"));
    dir.recover();
    EXPECT_EQ(snapshot(root), before);
}

TEST_F(JournalTest, AWriteThatFailsUndoesTheWholeTransactionAtOnce) {
    FaultyDisk disk(FaultyDisk::Fault::DiskFull, 6);
    DataDir dir(root, disk);
    dir.appendText(root / "rooms", "more");  // journal, write
    dir.remove(root / "message" / "7");      // journal (the removal is no write)
    dir.write(root / "guest", 10, "new", 3);  // journal, write
    try {
        dir.appendText(root / "dailycharge" / " 1", "line");  // journal: the disk is full
        FAIL() << "the disk should be full";
    } catch (const FileError& error) {
        EXPECT_EQ(error.path(), dir.journal());
        EXPECT_EQ(error.reason(), "No space left on device");
    }
    EXPECT_FALSE(dir.inTransaction());
    EXPECT_FALSE(dir.undoPending());
    EXPECT_EQ(snapshot(root), before);

    // The next write starts a new transaction.
    dir.appendText(root / "rooms", "more");
    dir.commit();
    EXPECT_EQ(readText(root / "rooms"), record('R') + "more");
    EXPECT_EQ(dir.commitCount(), 1u);
}

TEST_F(JournalTest, ARollbackThatCannotFinishIsTriedAgainAndAtTheNextStart) {
    {
        FaultyDisk disk(FaultyDisk::Fault::DiskStaysFull, 3);
        DataDir dir(root, disk);
        dir.write(root / "guest", 0, "new", 3);  // journal, write
        EXPECT_THROW(dir.write(root / "rooms", 0, "new", 3), FileError);
        EXPECT_TRUE(dir.undoPending());  // putting the old bytes of "guest" back failed too
        EXPECT_FALSE(dir.rollback());
        EXPECT_THROW(dir.appendText(root / "rooms", "x"), FileError);  // nothing goes on top
    }
    EXPECT_NE(readText(root / "guest"), before.at("guest"));
    DataDir dir(root);
    dir.recover();
    EXPECT_EQ(snapshot(root), before);
}

}  // namespace
