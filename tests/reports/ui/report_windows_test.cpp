// The end-of-day window started from "Start Reports", and the daily and monthly report windows,
// driven through their controls.
#include <QtWidgets>

#include "folio/ledger.h"
#include "reports/backup.h"
#include "reports/ui/daily_report_window.h"
#include "reports/ui/end_of_day_window.h"
#include "reports/ui/monthly_report_window.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

class ReportWindows : public ::testing::Test {
protected:
    void SetUp() override {
        t.session.hotelDate = may(1);
        t.clock.set(may(2), TimeOfDay{1, 30, 0});
    }
    void TearDown() override {
        for (QWidget* window : t.windows.openWindows()) window->close();
        settle();
        std::error_code ignored;
        std::filesystem::remove_all(backupFolderOf(t.folder.path()), ignored);
    }

    bool isOpen(const char* name) { return t.windows.find(QString::fromLatin1(name)) != nullptr; }
    QWidget* window(const char* name) { return t.windows.find(QString::fromLatin1(name)); }
    template <class W>
    W* in(const char* windowName, const char* name) { return child<W>(window(windowName), name); }
    QString textOf(const char* windowName, const char* name) {
        const QVariant text = in<QWidget>(windowName, name)->property("text");
        EXPECT_TRUE(text.isValid()) << name;
        return text.toString();
    }
    // The "Done" marks shown, by object name.
    QStringList doneMarks(QWidget* run) {
        QStringList shown;
        for (int n = 2; n <= 12; n += 2) {
            auto* mark = child<QLabel>(run, QStringLiteral("Label%1").arg(n).toLatin1().constData());
            if (mark && !mark->isHidden()) shown << mark->objectName();
        }
        return shown;
    }
    std::string shownBoxes() {
        std::string all;
        for (const auto& box : t.dialogs.shown) all += box.title + ": " + box.text + "\n";
        t.dialogs.clear();
        return all;
    }
    void doubleClickRow(QListWidget* list, int row) {
        const QRect place = list->visualItemRect(list->item(row));
        ASSERT_TRUE(place.isValid());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, place.center());
        settle();
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

TEST_F(ReportWindows, StartNowRunsTheEndOfDayShowingEachStepDoneAndThenTheClosingMessage) {
    setTaxRate(t.dataDir, 0.12f);
    putRoom(t.dataDir, "101", "KING", "O", "N");
    putGuest(t.dataDir, "101", 1, "SMITH JOHN", may(3));
    t.dataDir.commit();

    QWidget* start = t.open("Form24");
    click(child<QPushButton>(start, "Command1"));
    EXPECT_FALSE(isOpen("Form24"));
    QWidget* run = window("EndOfDayWindow");
    ASSERT_NE(run, nullptr);
    EXPECT_EQ(run->windowTitle(), "End of Day Reports");
    QStringList captions;
    for (int n = 1; n <= 11; n += 2) captions << textOf("EndOfDayWindow", QStringLiteral("Label%1").arg(n).toLatin1().constData());
    EXPECT_EQ(captions, (QStringList{"Settle todays reservations...............", "Settle todays check outs..................",
                                     "Charge room and tax........................", "Run Daily Reports............................",
                                     "Run Monthly Reports........................", "Print Housekeeping Report..............."}));
    EXPECT_EQ(textOf("EndOfDayWindow", "Label2"), "Done");
    EXPECT_EQ(doneMarks(run), QStringList{});  // the run starts once the window is up

    settle();
    EXPECT_EQ(doneMarks(run), (QStringList{"Label2", "Label4", "Label6", "Label8", "Label10", "Label12"}));
    EXPECT_EQ(shownBoxes(), "ATTENTION!: Your end of day reports were done successfully.\n");
    ASSERT_EQ(t.printer.jobs.size(), 3u);
    EXPECT_EQ(t.printer.jobs[0].document, "Daily Financial Report");
    EXPECT_EQ(readText(t.path("dailycharge/ 1")),
              folioText("101  ", "E", "Room Rent", "65", "1") + folioText("101  ", "T", "Tax", "7.8", "1"));
    EXPECT_EQ(readBytes(t.path("dateaudit")), RecordBytes(40).single(0, 1.0f).bytes());
    EXPECT_TRUE(std::filesystem::is_directory(backupFolderOf(t.folder.path()) / "2019-05-02 013000"));
    EXPECT_TRUE(isOpen("EndOfDayWindow"));  // until "Exit"
    click(child<QPushButton>(run, "Command1"));
    settle();
    EXPECT_FALSE(isOpen("EndOfDayWindow"));
}

TEST_F(ReportWindows, EachDoneMarkComesAsItsStepEndsAndARefusalLeavesTheRestUndone) {
    WatchingPrinter printer;
    Desk desk{t.clock, t.dialogs, printer, t.dataDir, t.session, t.windows};
    auto* run = new EndOfDayWindow(desk);
    printer.marks = [&] { return doneMarks(run); };
    t.windows.show(run);
    settle();
    EXPECT_EQ(shownBoxes(), "ATTENTION!: Your end of day reports were done successfully.\n");
    using Printed = std::vector<std::pair<std::string, QStringList>>;
    EXPECT_EQ(printer.printed, (Printed{{"Daily Financial Report", {"Label2", "Label4", "Label6"}},
                                        {"Monthly Financial Report", {"Label2", "Label4", "Label6", "Label8"}},
                                        {"Housekeeping Report", {"Label2", "Label4", "Label6", "Label8", "Label10"}}}));
    run->close();
    settle();

    // An open reservation arriving tonight: the message, and no step done.
    addReservation(t.dataDir, "101", may(1));
    t.dataDir.commit();
    run = t.windows.open<EndOfDayWindow>();
    settle();
    EXPECT_EQ(shownBoxes(), "ATTENTION!: There are reservations pending that have not been checked in. Please cancel or "
                            "check them in before continuing.\n");
    EXPECT_EQ(doneMarks(run), QStringList{});
    EXPECT_EQ(t.printer.jobs.size(), 0u);
    EXPECT_EQ(readBytes(t.path("dateaudit")), RecordBytes(40).single(0, 1.0f).bytes());  // from the first run only
}

TEST_F(ReportWindows, TheDailyReportShowsAChosenDayAndPrintsItOnlyOnceOneIsShown) {
    writeBytes(t.path("dailytotals/05012019"), totalsBytes({{6, 130}, {7, 15.6f}, {0, 100}, {1, 72.8f}, {9, 0.25f}}));
    writeBytes(t.path("dailytotals/4302019"), totalsBytes({{6, 65}}));  // 4/30/2019 under the old key
    click(child<QPushButton>(t.open("Form6"), "Command8"));
    settle();
    QWidget* report = window("DailyReportWindow");
    ASSERT_NE(report, nullptr);
    EXPECT_FALSE(isOpen("Form6"));
    EXPECT_EQ(report->windowTitle(), "Daily Financial Report");
    auto* days = in<QListWidget>("DailyReportWindow", "List1");
    const QStringList entries = itemsOf(days);
    ASSERT_EQ(entries.size(), 33);
    EXPECT_EQ(entries.front(), "3/31/2019");
    EXPECT_EQ(entries[31], "5/1/2019");
    EXPECT_EQ(entries.back(), "5/2/2019");
    EXPECT_TRUE(QFontInfo(days->font()).fixedPitch());
    auto* print = in<QPushButton>("DailyReportWindow", "Command1");
    EXPECT_FALSE(print->isEnabled());
    EXPECT_EQ(textOf("DailyReportWindow", "Label2"), "");

    doubleClickRow(days, 31);
    EXPECT_EQ(textOf("DailyReportWindow", "Label2"), "5/1/2019");
    QStringList boxes;
    for (const char* box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text14", "Text8", "Text9",
                            "Text10", "Text11", "Text12", "Text13", "Text15"})
        boxes << textOf("DailyReportWindow", box);
    EXPECT_EQ(boxes, (QStringList{"130", "15.6", "100", "72.8", "0", "0", "0", "0", "0", "0.25", "0", "0", "0", "0",
                                  "145.85"}));
    EXPECT_TRUE(print->isEnabled());
    click(print);
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    EXPECT_EQ(t.printer.jobs[0].document, "Daily Financial Report");
    EXPECT_EQ(t.printer.jobs[0].lines.at(3), "Date:  5/1/2019");
    EXPECT_EQ(t.printer.jobs[0].lines.at(8), "Cash                          100 ");
    EXPECT_EQ(t.printer.jobs[0].lines.back(), "Total Revenue                 145.85");

    doubleClickRow(days, 30);  // written by an earlier installation under the old key
    EXPECT_EQ(textOf("DailyReportWindow", "Label2"), "4/30/2019");
    EXPECT_EQ(textOf("DailyReportWindow", "Text1"), "65");
    doubleClickRow(days, 0);  // nothing was posted
    EXPECT_EQ(textOf("DailyReportWindow", "Text15"), "0");
    EXPECT_EQ(shownBoxes(), "");
}

TEST_F(ReportWindows, TheMonthlyReportFetchesAChosenMonthRoundedAndPrintsTheMonthShown) {
    writeBytes(t.path("totals/52019"), totalsBytes({{6, 100.004f}, {7, 12.004f}, {0, 250.5f}, {8, 0.004f}}));
    click(child<QPushButton>(t.open("Form6"), "Command6"));
    settle();
    QWidget* report = window("MonthlyReportWindow");
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->windowTitle(), "Financial Report");
    auto* months = in<QComboBox>("MonthlyReportWindow", "Combo1");
    auto* years = in<QComboBox>("MonthlyReportWindow", "Combo2");
    EXPECT_EQ(months->currentText(), "Choose Month");
    EXPECT_EQ(years->currentText(), "Choose Year");
    EXPECT_EQ(itemsOf(months).size(), 12);
    EXPECT_EQ(itemsOf(months)[9], "10-October");
    EXPECT_EQ(itemsOf(years).front(), "2017");
    EXPECT_EQ(itemsOf(years).back(), "2030");
    auto* get = in<QPushButton>("MonthlyReportWindow", "Command1");
    auto* print = in<QPushButton>("MonthlyReportWindow", "Command3");
    EXPECT_FALSE(print->isEnabled());

    click(get);
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You didn't choose a month.\n");
    chooseEntry(months, "5-May");
    click(get);
    EXPECT_EQ(shownBoxes(), "ATTENTION!: You didn't choose a year.\n");
    EXPECT_FALSE(print->isEnabled());
    chooseEntry(years, "2019");
    click(get);
    EXPECT_EQ(shownBoxes(), "");
    EXPECT_EQ(textOf("MonthlyReportWindow", "Label1"), "5-May");
    EXPECT_EQ(textOf("MonthlyReportWindow", "Label2"), "2019");
    EXPECT_EQ(textOf("MonthlyReportWindow", "Text1"), "100");
    EXPECT_EQ(textOf("MonthlyReportWindow", "Text2"), "12");
    EXPECT_EQ(textOf("MonthlyReportWindow", "Text3"), "250.5");
    EXPECT_EQ(textOf("MonthlyReportWindow", "Text8"), "0");
    EXPECT_EQ(textOf("MonthlyReportWindow", "Text15"), "112");
    EXPECT_TRUE(print->isEnabled());

    // Other entries chosen but not fetched: the month shown is printed.
    chooseEntry(months, "6-June");
    click(print);
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const auto& lines = t.printer.jobs[0].lines;
    EXPECT_EQ(t.printer.jobs[0].document, "Financial Report");
    EXPECT_EQ(lines.at(2), "Month:  5-May");
    EXPECT_EQ(lines.at(3), "Year:  2019");
    EXPECT_EQ(lines.at(6), "Rent                          100.004");
    EXPECT_EQ(lines.at(12), "American Expresss             0");
    EXPECT_EQ(lines.back(), "Total Revenue                 112");
}

}  // namespace
}  // namespace innvera::testing
