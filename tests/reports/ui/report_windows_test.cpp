// The end-of-day window started from "Start Reports" (and again while a refused run's window is
// open), and the daily and monthly report windows, driven through their controls.
#include <QtWidgets>

#include "reports/backup.h"
#include "reports/ui/end_of_day_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

class ReportWindows : public ::testing::Test {
protected:
    void SetUp() override { t.clock.set(may(2), TimeOfDay{1, 30, 0}); }
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

// A printer that notes which "Done" marks the end-of-day window shows as each report prints.
class WatchingPrinter : public Printer {
public:
    std::function<QStringList()> marks;
    std::vector<std::pair<std::string, QStringList>> printed;
    void print(const PrintJob& job) override { printed.push_back({job.document(), marks()}); }
};

const std::string kDone = "ATTENTION!: Your end of day reports were done successfully.\n";

const std::string kPending = "ATTENTION!: There are reservations pending that have not been checked in. Please cancel "
                             "or check them in before continuing.\n";

// Refused first, the run is started again while the refused run's window is still open.
TEST_F(ReportWindows, StartNowRunsTheEndOfDayShowingEachStepDoneAgainAfterARefusalAndNamesANightNotInvoiced) {
    setTaxRate(t.dataDir, 0.12f);
    putRoom(t.dataDir, "101", "KING", "O", "N");
    putGuest(t.dataDir, "101", 1, "SMITH JOHN", may(3), 9);  // billed to an account no one carries
    addReservation(t.dataDir, "102", may(1));
    t.dataDir.commit();
    const Snapshot before = snapshot(t.folder.path());

    click(child<QPushButton>(t.open("Form24"), "Command1"));
    EXPECT_FALSE(t.isOpen("Form24"));
    QWidget* run = t.find("EndOfDayWindow");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->windowTitle(), "End of Day Reports");
    EXPECT_EQ(texts(run), (QStringList{"Label1 Settle todays reservations...............", "Label2 Done",
                                       "Label3 Settle todays check outs..................", "Label4 Done",
                                       "Label5 Charge room and tax........................", "Label6 Done",
                                       "Label7 Run Daily Reports............................", "Label8 Done",
                                       "Label9 Run Monthly Reports........................", "Label10 Done",
                                       "Label11 Print Housekeeping Report...............", "Label12 Done"}));
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
    EXPECT_EQ(readBytes(t.path("dateaudit")), counterBytes(1, 40));
    EXPECT_TRUE(std::filesystem::is_directory(backupFolderOf(t.folder.path()) / "2019-05-02 013000"));
    EXPECT_TRUE(t.isOpen("EndOfDayWindow"));  // until "Exit"
    press(run, "Command1");
    EXPECT_FALSE(t.isOpen("EndOfDayWindow"));
}

TEST_F(ReportWindows, EachDoneMarkComesAsItsStepEnds) {
    WatchingPrinter printer;
    Desk desk{t.clock, t.dialogs, printer, t.dataDir, t.session, t.windows};
    auto* run = new EndOfDayWindow(desk);
    printer.marks = [&] { return doneMarks(run); };
    t.windows.show(run);
    settle();
    EXPECT_EQ(t.shownBoxes(), kDone);
    using Printed = std::vector<std::pair<std::string, QStringList>>;
    EXPECT_EQ(printer.printed, (Printed{{"Daily Financial Report", {"Label2", "Label4", "Label6"}},
                                        {"Monthly Financial Report", {"Label2", "Label4", "Label6", "Label8"}},
                                        {"Housekeeping Report", {"Label2", "Label4", "Label6", "Label8", "Label10"}}}));
}

TEST_F(ReportWindows, TheDailyReportShowsAChosenDayAndPrintsItOnlyOnceOneIsShown) {
    writeBytes(t.path("dailytotals/05012019"), totalsBytes({{6, 130}, {7, 15.6f}, {0, 100}, {1, 72.8f}, {9, 0.25f}}));
    writeBytes(t.path("dailytotals/4302019"), totalsBytes({{6, 65}}));  // 4/30/2019 under the old key
    press(t.open("Form6"), "Command8");
    QWidget* report = t.find("DailyReportWindow");
    ASSERT_NE(report, nullptr);
    EXPECT_FALSE(t.isOpen("Form6"));
    EXPECT_EQ(report->windowTitle(), "Daily Financial Report");
    auto* days = child<QListWidget>(report, "List1");
    const QStringList entries = itemsOf(days);
    ASSERT_EQ(entries.size(), 33);
    EXPECT_EQ(entries.front() + " " + entries[31] + " " + entries.back(), "3/31/2019 5/1/2019 5/2/2019");
    EXPECT_TRUE(QFontInfo(days->font()).fixedPitch());
    EXPECT_FALSE(child<QPushButton>(report, "Command1")->isEnabled());
    EXPECT_EQ(textOf(report, "Label2"), "");

    doubleClickRow(days, 31);
    EXPECT_EQ(textOf(report, "Label2"), "5/1/2019");
    EXPECT_EQ(textsOf(report, {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text14", "Text8", "Text9",
                               "Text10", "Text11", "Text12", "Text13", "Text15"}),
              "130|15.6|100|72.8|0|0|0|0|0|0.25|0|0|0|0|145.85");
    press(report, "Command1");
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].document, "Daily Financial Report");
    EXPECT_EQ(t.printer.jobs[0].lines.at(3), "Date:  5/1/2019");
    EXPECT_EQ(t.printer.jobs[0].lines.at(8), "Cash                          100 ");
    EXPECT_EQ(t.printer.jobs[0].lines.back(), "Total Revenue                 145.85");

    doubleClickRow(days, 30);  // written by an earlier installation under the old key
    EXPECT_EQ(textsOf(report, {"Label2", "Text1"}), "4/30/2019|65");
    doubleClickRow(days, 0);  // nothing was posted
    EXPECT_EQ(textOf(report, "Text15"), "0");
    EXPECT_EQ(t.shownBoxes(), "");
}

TEST_F(ReportWindows, TheMonthlyReportFetchesAChosenMonthRoundedAndPrintsTheMonthShown) {
    writeBytes(t.path("totals/52019"), totalsBytes({{6, 100.004f}, {7, 12.004f}, {0, 250.5f}, {8, 0.004f}}));
    press(t.open("Form6"), "Command6");
    QWidget* report = t.find("MonthlyReportWindow");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->windowTitle(), "Financial Report");
    EXPECT_EQ(textsOf(report, {"Combo1", "Combo2"}), "Choose Month|Choose Year");
    const QStringList months = entries(report, "Combo1"), years = entries(report, "Combo2");
    EXPECT_EQ(months.size(), 12);
    EXPECT_EQ(months.front() + " " + months[9] + " " + months.back(), "1-January 10-October 12-December");
    EXPECT_EQ(years.size(), 14);
    EXPECT_EQ(years.front() + " " + years.back(), "2017 2030");
    auto* print = child<QPushButton>(report, "Command3");
    EXPECT_FALSE(print->isEnabled());

    press(report, "Command1");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: You didn't choose a month.\n");
    choose(report, "Combo1", "5-May");
    press(report, "Command1");
    EXPECT_EQ(t.shownBoxes(), "ATTENTION!: You didn't choose a year.\n");
    EXPECT_FALSE(print->isEnabled());
    choose(report, "Combo2", "2019");
    press(report, "Command1");
    EXPECT_EQ(t.shownBoxes(), "");
    EXPECT_EQ(textsOf(report, {"Label1", "Label2", "Text1", "Text2", "Text3", "Text8", "Text15"}), "5-May|2019|100|12|250.5|0|112");

    // Other entries chosen but not fetched: the month shown is printed.
    choose(report, "Combo1", "6-June");
    press(report, "Command3");
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].document, "Financial Report");
    EXPECT_EQ(t.printer.jobs[0].lines.at(2), "Month:  5-May");
    EXPECT_EQ(t.printer.jobs[0].lines.at(3), "Year:  2019");
    EXPECT_EQ(t.printer.jobs[0].lines.at(6), "Rent                          100.004");
    EXPECT_EQ(t.printer.jobs[0].lines.back(), "Total Revenue                 112");
}

}  // namespace
}  // namespace innvera::testing
