// The end-of-day window started from "Start Reports", refused and then run, through its controls.
#include <QtWidgets>

#include "core/counters.h"
#include "ledger/ledger.h"
#include "reports/backup.h"
#include "reports/ui/end_of_day_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

class ReportWindows : public ::testing::Test {
protected:
    void SetUp() override {
        t.clock.set(may(2), TimeOfDay{1, 30, 0});
        writeFlag<EndOfDayFlagRecord>(t.dataDir, t.dataDir.endOfDayFlag(), 0);  // the night of 5/1 is open
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(backupFolderOf(t.folder.path()), ignored);
    }

    // The "Done" marks shown, by object name.
    static QStringList doneMarks(QWidget* run) {
        QStringList shown;
        for (int n = 2; n <= 12; n += 2) {
            auto* mark = child<QLabel>(run, QStringLiteral("Label%1").arg(n).toLatin1().constData());
            if (mark && !mark->isHidden()) shown << mark->objectName();
        }
        return shown;
    }

    TestDesk t;
};

const std::string kDone = "ATTENTION!: Your end of day reports were done successfully.\n";

const std::string kPending = "ATTENTION!: There are reservations pending that have not been checked in. Please cancel "
                             "or check them in before continuing.\n";

// Refused first, the run is started again while the refused run's window is still open.
TEST_F(ReportWindows, StartNowRunsTheEndOfDayShowingEachStepDoneAgainAfterARefusalAndNamesANightNotInvoiced) {
    writeTaxRate(t.dataDir, 0.12f);
    putRoom(t.dataDir, "101", "KING", "O", "N");
    putGuest(t.dataDir, "101", 1, "SMITH JOHN", may(3), 9);  // billed to an account no one carries
    // His check-in the night before, numbered by the folio counter.
    writeCounter(t.dataDir, t.dataDir.folioCounter(), 1);
    postToFolio(t.dataDir, 1, "101", may(1).plusDays(-1), 'E', 65.0);
    addReservation(t.dataDir, "102", may(1));
    t.dataDir.commit();
    const Snapshot before = snapshot(t.folder.path());

    click(child<QPushButton>(t.open("Form24"), "Command1"));
    EXPECT_FALSE(t.isOpen("Form24"));
    QWidget* run = t.find("EndOfDayWindow");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->windowTitle(), "End of Day Reports");
    settle();
    EXPECT_EQ(t.shownBoxes(), kPending);
    EXPECT_EQ(doneMarks(run), QStringList{});
    EXPECT_TRUE(t.printer.jobs.empty());
    EXPECT_EQ(snapshot(t.folder.path()), before);
    EXPECT_TRUE(t.isOpen("EndOfDayWindow"));

    // The clerk cancels the reservation and starts again.
    changeRecord<Reservation>(t.dataDir, t.dataDir.reservations(), 1, [](Reservation& r) { r.resStatus = "*"; });
    t.dataDir.commit();
    click(child<QPushButton>(t.open("Form24"), "Command1"));
    run = t.find("EndOfDayWindow");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(doneMarks(run), QStringList{});  // the run starts once the window is up
    settle();
    EXPECT_EQ(doneMarks(run), (QStringList{"Label2", "Label4", "Label6", "Label8", "Label10", "Label12"}));
    EXPECT_EQ(t.shownBoxes(), kDone +
                                  "ATTENTION!: No invoice was made for tonight's room and tax of room 101: no direct bill "
                                  "account carries the stay's account number. Bill the night to the account by hand.\n");
    ASSERT_EQ(t.printer.jobs.size(), 3u);
    EXPECT_EQ(t.printer.jobs[0].document, "Daily Financial Report");
    EXPECT_EQ(readBytes(t.path("dateaudit")), RecordBytes(40).single(0, 1).date(16, may(1).serial()).bytes());
    EXPECT_EQ(textOf(run, "ClosedDay"), "Closed 5/1/2019");
    EXPECT_EQ(t.session.hotelDate, may(2)) << "the desk moves on to the next day at once";
    EXPECT_TRUE(std::filesystem::is_directory(backupFolderOf(t.folder.path()) / "2019-05-02 013000"));
    EXPECT_TRUE(t.isOpen("EndOfDayWindow"));  // until "Exit"
    press(run, "Command1");
    EXPECT_FALSE(t.isOpen("EndOfDayWindow"));
}

}  // namespace
}  // namespace innvera::testing
