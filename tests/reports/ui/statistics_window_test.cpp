// The "Statistics" window through its controls, and the "Export CSV" of the financial reports.
#include <QtWidgets>

#include "ledger/charge_codes.h"
#include "ledger/folio_file.h"
#include "ledger/totals.h"
#include "reports/statistics.h"
#include "support/motel_files.h"
#include "support/ui/test_desk.h"

namespace innvera::testing {
namespace {

class StatisticsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        DataDir& dir = t.dataDir;
        putRoom(dir, "101", "NQ1");
        putRoom(dir, "102", "KK1", "Y", "Y", "X");
        putPastGuest(dir, "101", 1, "O\"BRIEN, PAT", may(1), may(3));
        writeText(dir.folioCharges(folioKey(1)), folioLineText(1, "101", may(1), 'E', "Room Rent", "65") +
                                                     folioLineText(1, "101", may(2), 'E', "Room Rent", "65") +
                                                     "no folio line\r\n");
        putPastGuest(dir, "101", 2, "LAST YEAR", Date::fromYmd(2018, 5, 4), Date::fromYmd(2018, 5, 5));
        writeText(dir.folioCharges(folioKey(2)), folioLineText(2, "101", Date::fromYmd(2018, 5, 4), 'E', "Room Rent", "50"));
        writeBytes(dir.dayTotals(dayKey(may(1))), totalsBytes({{slot::RoomRent, 65}, {slot::Visa, 130}}));
        dir.commit();
    }

    QTableWidget* table() { return child<QTableWidget>(window, "Table"); }
    QStringList row(int r) {
        QStringList texts;
        for (int c = 0; c < table()->columnCount(); ++c) texts << (table()->item(r, c) ? table()->item(r, c)->text() : "");
        return texts;
    }
    std::string savedTo(const char* button, const std::filesystem::path& file) {
        t.dialogs.saveFiles.push_back(file.string());
        return t.pressed(window, button);
    }

    TestDesk t;
    QWidget* window = nullptr;
};

TEST_F(StatisticsWindowTest, OpensOnTheHotelDatesMonthBesideTheYearBeforeAndSaysWhatIsNotCounted) {
    press(t.open("Form6"), "StatisticsButton");
    EXPECT_FALSE(t.isOpen("Form6"));
    window = t.find("Statistics");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Statistics");
    EXPECT_EQ(textsOf(window, {"MonthList", "YearList", "PeriodLabel"}),
              "5-May|2019|May 2019 beside May 2018;  1 rooms in service (not out of order) today");
    EXPECT_EQ(entries(window, "YearList").first(), "2018");  // from the first stay stored
    EXPECT_EQ(entries(window, "YearList").last(), "2029");   // to ten years on
    ASSERT_EQ(table()->rowCount(), 32);
    EXPECT_EQ(table()->horizontalHeaderItem(3)->text(), "Rooms\nsold\n2019");
    EXPECT_EQ(table()->horizontalHeaderItem(4)->text(), "Rooms\nsold\n2018");
    EXPECT_EQ(row(0), QStringList({"5/1/2019", "1", "1", "1", "0", "100.00", "0.00", "65.00", "0.00", "65.00", "",
                                   "65.00", "0.00", "0.00", "0.00", "130.00", "0.00"}));
    EXPECT_EQ(row(31).mid(0, 8), QStringList({"Total", "31", "31", "2", "1", "6.45", "3.23", "130.00", "50.00"}).mid(0, 8));
    EXPECT_TRUE(child<QLabel>(window, "NothingStored")->isHidden());
    EXPECT_TRUE(textOf(window, "Notes").startsWith("Rooms available: the rooms not out of order today"));
    EXPECT_EQ(entries(window, "NotCounted"), QStringList({"Folio 1 of O\"BRIEN, PAT in room 101: line 3 cannot be read."}));

    // Enter on a list shows what it chooses; the whole year goes month by month.
    auto* months = child<QComboBox>(window, "MonthList");
    months->setCurrentIndex(3);
    QTest::keyClick(months, Qt::Key_Return);
    EXPECT_TRUE(textOf(window, "PeriodLabel").startsWith("April 2019 beside April 2018")) << textOf(window, "PeriodLabel").toStdString();
    EXPECT_EQ(textOf(window, "NothingStored"), "Nothing is stored for April 2019.");
    EXPECT_EQ(table()->rowCount(), 0);
    choose(window, "MonthList", "Whole Year");
    EXPECT_EQ(table()->rowCount(), 13);
    EXPECT_EQ(row(4).mid(0, 4), QStringList({"May 2019", "31", "31", "2"}));
    choose(window, "YearList", "2029");
    EXPECT_EQ(table()->rowCount(), 0);
    EXPECT_EQ(textOf(window, "NothingStored"), "Nothing is stored for 2029.");
    EXPECT_EQ(enabledOf(window, {"PrintButton", "ExportButton", "ExportGuestsButton"}), "ExportGuestsButton");

    // Escape leaves as "Exit" does.
    QTest::keyClick(window, Qt::Key_Escape);
    settle();
    EXPECT_FALSE(t.isOpen("Statistics"));
}

TEST_F(StatisticsWindowTest, PrintsTheTableAndTheChartOnAPageOfItsOwnAndExportsTheTableAndTheGuests) {
    window = t.open("Statistics");
    EXPECT_EQ(t.pressed(window, "PrintButton"), "");
    ASSERT_EQ(t.printer.jobs.size(), 1u);
    const auto& printed = t.printer.jobs[0];
    EXPECT_EQ(printed.document, "Statistics");
    EXPECT_EQ(printed.lines, statisticsReport(readStatistics(t.dataDir, {2019, 5})).lines());
    ASSERT_EQ(printed.images.size(), 1u);
    QImage chart;
    ASSERT_TRUE(chart.loadFromData(reinterpret_cast<const uchar*>(printed.images[0].data()),
                                   static_cast<int>(printed.images[0].size()), "PNG"));
    EXPECT_EQ(chart.size(), QSize(1800, 1200));
    int drawn = 0;  // the lines, axes and legend on the white
    for (int y = 0; y < chart.height(); y += 4)
        for (int x = 0; x < chart.width(); x += 4) drawn += chart.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(drawn, 1000);

    const auto file = t.folder.path() / "exported.csv";
    EXPECT_EQ(savedTo("ExportButton", file), "? Save: Export CSV: Statistics May 2019.csv\n");
    EXPECT_EQ(readText(file), statisticsCsv(readStatistics(t.dataDir, {2019, 5})));

    choose(window, "GuestList", "In House");
    EXPECT_EQ(savedTo("ExportGuestsButton", file), "? Save: Export CSV: Guests In House May 2019.csv\n");
    EXPECT_EQ(readText(file), "Folio,Room,Guest,Company,Arrival,Departure,Nights,Rate,Pay Code,Status\r\n"
                              "1,101,\"O\"\"BRIEN, PAT\",,2019-05-01,2019-05-03,2,65.00,,Checked Out\r\n");

    // Cancelled, nothing is written; a folder in the way is said and leaves the folder.
    EXPECT_EQ(t.pressed(window, "ExportButton"), "? Save: Export CSV: Statistics May 2019.csv\n");
    std::filesystem::create_directory(t.folder.path() / "a folder");
    EXPECT_EQ(savedTo("ExportButton", t.folder.path() / "a folder"),
              "? Save: Export CSV: Statistics May 2019.csv\n"
              "ATTENTION!: The file " + (t.folder.path() / "a folder").string() +
                  " could not be used: it is a folder. Nothing was changed: what you just did was undone.\n");
    EXPECT_TRUE(std::filesystem::is_empty(t.folder.path() / "a folder"));
}

TEST_F(StatisticsWindowTest, TheFinancialReportsExportTheDayAndTheMonthTheyShow) {
    const auto file = t.folder.path() / "exported.csv";
    const std::string headings = "Rent,Tax,Cash,Visa,Master Card,Discover,American Express,Direct Bill,Pet,Copies,Stamps,"
                                 "Roll Away,Wi-Fi,Other,Total Revenue\r\n";
    window = t.open("DailyReportWindow");
    EXPECT_FALSE(child<QPushButton>(window, "ExportButton")->isEnabled());  // until a day is shown
    doubleClickRow(child<QListWidget>(window, "List1"), 31);  // the hotel date, 5/1/2019
    EXPECT_EQ(savedTo("ExportButton", file), "? Save: Export CSV: Daily Financial Report 2019-05-01.csv\n");
    EXPECT_EQ(readText(file), "Date," + headings +
                                  "2019-05-01,65.00,0.00,0.00,130.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,65.00\r\n");

    window = t.open("MonthlyReportWindow");
    choose(window, "Combo1", "5-May");
    choose(window, "Combo2", "2019");
    press(window, "Command1");
    EXPECT_EQ(savedTo("ExportButton", file), "? Save: Export CSV: Financial Report 2019-05.csv\n");
    EXPECT_EQ(readText(file), "Month," + headings +
                                  "2019-05,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00,0.00\r\n");
}

}  // namespace
}  // namespace innvera::testing
