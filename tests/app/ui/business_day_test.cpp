// The business day a night clerk works on, through the real windows under a set clock: it stays on
// the day not yet closed whatever windows are opened, and moves on the moment the end of day has
// closed it, so every posting lands on the day the clerk sees and the printed daily report keeps
// matching the day's totals.
#include <QtWidgets>

#include "app/main_window.h"
#include "ledger/folio_file.h"
#include "ledger/ledger.h"
#include "ledger/totals.h"
#include "reports/backup.h"
#include "reports/financial_reports.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

class BusinessDay : public ::testing::Test {
protected:
    void SetUp() override {
        writeTaxRate(t.dataDir, 0.12f);
        switchWelcomeOff(t.dataDir, true);
        putRoom(t.dataDir, "101", "NQ1", "O", "N");
        putGuest(t.dataDir, "101", 1, "JOHN SMITH", may(4));
        // His check-in the night before, numbered by the folio counter: files the night's check finds agree.
        writeCounter(t.dataDir, t.dataDir.folioCounter(), 1);
        postToFolio(t.dataDir, 1, "101", may(1).plusDays(-1), 'E', 65.0);
        writeFlag<EndOfDayFlagRecord>(t.dataDir, t.dataDir.endOfDayFlag(), 0);
        t.dataDir.commit();
        t.clock.set(may(2), {1, 0, 0});  // one in the morning; the night of 5/1 not closed
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(backupFolderOf(t.folder.path()), ignored);
    }

    QWidget* main() { return t.find("MainWindow"); }
    // A cash payment posted on the folio screen of room 101.
    void payCash(const char* amount) {
        press(main(), "Command1");  // "View Folio": the main window closes for the folio screen
        settle();
        QWidget* folio = t.find("FolioWindow");
        ASSERT_NE(folio, nullptr);
        ASSERT_EQ(main(), nullptr);
        choose(folio, "Combo3", "101  JOHN SMITH");
        choose(folio, "Combo4", "C - Cash");
        child<QLineEdit>(folio, "Text16")->setText(amount);
        press(folio, "Command4");
        press(folio, "Command8");  // "Exit": back to the main window
        settle();
    }
    std::vector<FolioLine> folioLines() { return readFolioLines(t.dataDir, 1); }

    TestDesk t;
};

TEST_F(BusinessDay, TheNightStaysOpenAcrossWindowsAndTheEndOfDayMovesTheDayOnAtOnce) {
    t.open("MainWindow");
    EXPECT_EQ(textOf(main(), "Label3"), "5/1/2019");
    EXPECT_EQ(textOf(main(), "Label6"), "5/2/2019");

    // Leaving for the folio screen and coming back reopens the main window on the same day.
    payCash("10");
    ASSERT_NE(main(), nullptr);
    EXPECT_EQ(textOf(main(), "Label3"), "5/1/2019");
    ASSERT_EQ(folioLines().size(), 2u);  // the check-in's night, the payment
    EXPECT_EQ(folioLines()[1].postDate, may(1));

    // The end of day closes 5/1: the main window shows 5/2 at once, the run's window says so.
    press(t.open("Form6"), "Command7");
    press(t.find("Form24"), "Command1");
    settle();
    QWidget* run = t.find("EndOfDayWindow");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(textOf(run, "ClosedDay"), "Closed 5/1/2019");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: Your end of day reports were done successfully.\n");
    EXPECT_EQ(textOf(main(), "Label3"), "5/2/2019");
    static_cast<MainWindow*>(main())->onTimer();
    EXPECT_EQ(textOf(main(), "Label3"), "5/2/2019") << "the timer agrees";
    press(run, "Command1");

    // A posting after the run is the new day's: the closed day's totals stay what was printed.
    payCash("20");
    ASSERT_EQ(folioLines().size(), 5u);  // the check-in's night, the payment, the night's rent and tax, the payment
    EXPECT_EQ(folioLines()[4].postDate, may(2));
    ASSERT_GE(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].document, "Daily Financial Report");
    EXPECT_EQ(t.printer.jobs[0].lines, dailyFinancialReport("5/1/2019", readDayTotals(t.dataDir, may(1))).lines());
    EXPECT_EQ(readDayTotals(t.dataDir, may(2)).values[0], 20.0f);

    // Started again the same night, the run posts nothing and offers the reports again.
    const Snapshot closed = snapshot(t.folder.path());
    const std::size_t printed = t.printer.jobs.size();
    t.dialogs.answers = {false};
    press(t.open("Form6"), "Command7");
    press(t.find("Form24"), "Command1");
    settle();
    EXPECT_EQ(t.shownBoxes(), "? End of Day: The end of day has already run for 5/1/2019. Print the reports again?\n");
    EXPECT_EQ(t.printer.jobs.size(), printed);
    EXPECT_EQ(snapshot(t.folder.path()), closed);
    press(t.find("EndOfDayWindow"), "Command1");
    t.dialogs.answers = {true};
    press(t.open("Form6"), "Command7");
    press(t.find("Form24"), "Command1");
    settle();
    t.shownBoxes();
    EXPECT_EQ(t.printer.jobs.size(), printed + 3);
    EXPECT_EQ(t.printer.jobs[printed].lines, t.printer.jobs[0].lines);
    EXPECT_EQ(snapshot(t.folder.path()), closed);
}

TEST_F(BusinessDay, ABackupThatCannotBeMadeIsAskedAboutAndNoWritesNothing) {
    // A file where the folder of backups should be.
    writeText(backupFolderOf(t.folder.path()), "not a folder");
    t.open("MainWindow");
    const Snapshot before = snapshot(t.folder.path());
    t.dialogs.answers = {false};
    press(t.open("Form6"), "Command7");
    press(t.find("Form24"), "Command1");
    settle();
    const std::string asked = t.shownBoxes();
    EXPECT_TRUE(asked.starts_with("? End of Day: The data directory could not be backed up before the end of day"))
        << asked;
    EXPECT_TRUE(asked.ends_with("Nothing has been posted yet. Run the end of day without a backup?\n")) << asked;
    EXPECT_EQ(snapshot(t.folder.path()), before);
    EXPECT_EQ(textOf(main(), "Label3"), "5/1/2019");

    press(t.find("EndOfDayWindow"), "Command1");
    t.dialogs.answers = {true};
    press(t.open("Form6"), "Command7");
    press(t.find("Form24"), "Command1");
    settle();
    EXPECT_TRUE(t.shownBoxes().ends_with("ATTENTION!: Your end of day reports were done successfully.\n"));
    EXPECT_EQ(textOf(main(), "Label3"), "5/2/2019");
    std::filesystem::remove(backupFolderOf(t.folder.path()));
}

}  // namespace
}  // namespace innvera::testing
