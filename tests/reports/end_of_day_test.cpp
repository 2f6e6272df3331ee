// The end-of-day run: what it refuses, charges and prints, damaged stays, and a run cut off anywhere.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <chrono>
#include <limits>

#include "core/reservations.h"
#include "ledger/ledger.h"
#include "reports/backup.h"
#include "reports/end_of_day.h"
#include "support/fakes.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

namespace fs = std::filesystem;

// The names in a folder, sorted.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

using Steps = std::vector<EndOfDayStep>;
const Steps kAllSteps{EndOfDayStep::Reservations, EndOfDayStep::CheckOuts,     EndOfDayStep::RoomAndTax,
                      EndOfDayStep::DailyReport,  EndOfDayStep::MonthlyReport, EndOfDayStep::Housekeeping};

// The night of 5/1/2019 at a tax rate of 0.12. In house, in guest-file order: SMITH JOHN in
// 101 at 65; NEW ARRIVAL in 102, checked in tonight (the night and a Visa payment are on his
// folio and in the totals); ACME GUEST in 103 at 59.95, billed to ACME TOOLS (account 1,
// the first number an account is given);
// LOST ACCOUNT in 105 at 65, billed to account 9, which no account carries. GONE HOME left
// 104 today; a closed reservation arrives tonight, an open one tomorrow. The folios of 103 and
// 105 were never written: the night's check names them, and the clerk goes on.
class EndOfDay : public ::testing::Test {
protected:
    void SetUp() override {
        DataDir& dir = t.dataDir;
        writeTaxRate(dir, 0.12f);
        writeCounter(dir, dir.folioCounter(), 5);
        addAccount(dir, "ACME TOOLS", 1);
        putGuest(dir, "101", 1, "SMITH JOHN", may(3));
        putGuest(dir, "102", 2, "NEW ARRIVAL", may(2));
        putGuest(dir, "103", 3, "ACME GUEST", may(4), 1);
        changeRecord<Guest>(dir, dir.guests(), 3, [](Guest& g) { g.rate = 59.95f; });
        putGuest(dir, "104", 4, "GONE HOME", may(1), 0, 0, "*");
        putGuest(dir, "105", 5, "LOST ACCOUNT", may(6), 9);
        addReservation(dir, "101", may(1), "*");
        addReservation(dir, "103", may(2));
        for (const char* room : {"101", "102", "103", "105"}) putRoom(dir, room, "KING", "O", "N");
        putRoom(dir, "104", "KING", "Y", "N");
        // The check-in's first night, with its "Total" line, and a Visa payment.
        postToFolio(dir, 2, "102", may(1), 'E', 65.0);
        postToFolio(dir, 2, "102", may(1), 'T', 7.8);
        appendFolioLine(dir, 2, "102", may(1), 'L', "Total", 72.8);
        postToFolio(dir, 2, "102", may(1), 'V', 72.8);
        // A rate difference the clerk posted by hand on the folio screen tonight: no night's charge.
        postToFolio(dir, 1, "101", may(1), 'E', 5.0);
        dir.commit();
    }

    EndOfDayResult run() {
        return runEndOfDay(t.dataDir, may(1), {backups.path(), "2019-05-02 013000"}, printer,
                           [this](EndOfDayStep step) { heard.push_back(step); }, {}, goOnDespite());
    }
    // Goes on whatever the night's check finds, keeping it.
    std::function<bool(const std::vector<Finding>&)> goOnDespite() {
        return [this](const std::vector<Finding>& findings) {
            nightFindings.push_back(findings);
            return true;
        };
    }
    std::vector<std::string> backupNames() { return namesIn(backups.path()); }

    MotelFolder t;
    TempFolder backups;
    CapturingPrinter printer;
    Steps heard;
    std::vector<std::vector<Finding>> nightFindings;
};

TEST_F(EndOfDay, ChargesEveryStayInHouseOneNightSkipsTheOneCheckedInTonightAndPrintsTheThreeReports) {
    const Snapshot before = snapshot(t.folder.path());
    const EndOfDayResult result = run();
    EXPECT_TRUE(result.done);
    EXPECT_EQ(result.message, "Your end of day reports were done successfully.");
    EXPECT_EQ(heard, kAllSteps);
    EXPECT_EQ(nightFindings, (std::vector<std::vector<Finding>>{{
                                 {"guest", "record 3", "the stay in house (folio 3, room 103) has no folio file dailycharge/ 3"},
                                 {"guest", "record 5", "the stay in house (folio 5, room 105) has no folio file dailycharge/ 5"},
                             }}));

    // Room and tax: the tax is the rate times the tax rate, unrounded, on the folio.
    EXPECT_EQ(readText(t.path("dailycharge/ 1")), folioText("101  ", "E", "Room Rent", "5", "1") +
                                                     folioText("101  ", "E", "Room Rent", "65", "1") +
                                                     folioText("101  ", "T", "Tax", "7.8", "1"));
    EXPECT_EQ(readText(t.path("dailycharge/ 2")), before.at("dailycharge/ 2"));
    EXPECT_EQ(readText(t.path("dailycharge/ 3")),
              folioText("103  ", "E", "Room Rent", "59.95", "3") + folioText("103  ", "T", "Tax", "7.194", "3"));
    EXPECT_FALSE(fs::exists(t.path("dailycharge/ 4")));
    EXPECT_EQ(readText(t.path("dailycharge/ 5")),
              folioText("105  ", "E", "Room Rent", "65", "5") + folioText("105  ", "T", "Tax", "7.8", "5"));

    // The month and the day each hold tonight's three nights beside the check-in's.
    const Bytes totals = totalsBytes({{1, 72.8f}, {6, 259.95f}, {7, 30.59f}});
    EXPECT_EQ(readBytes(t.path("totals/52019")), totals);
    EXPECT_EQ(readBytes(t.path("dailytotals/05012019")), totals);

    // The direct-bill night is an invoice of its own, at the rent and the tax rounded to the
    // cent; the stay whose account is missing is charged but invoiced nowhere.
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME TOOLS")), counterBytes(1));
    EXPECT_EQ(readBytes(t.path("directinvoice/ACME TOOLS 1")),
              concat({invoiceLineBytes("103", 1, 59.95f, "E", "Room Rent"), invoiceLineBytes("103", 1, 7.19f, "T", "Tax")}));
    EXPECT_EQ(std::distance(fs::directory_iterator(t.path("directinvoice")), fs::directory_iterator()), 2);
    EXPECT_EQ(result.charges.charged, 3);
    EXPECT_EQ(result.charges.alreadyCharged, 1);
    EXPECT_EQ(result.charges.invoices, 1);
    EXPECT_EQ(result.charges.notInvoiced, std::vector<std::string>{"105"});
    // The flag, with the day it closed after its block; the night's record of the stays charged.
    EXPECT_EQ(readBytes(t.path("dateaudit")), RecordBytes(40).single(0, 1).date(16, may(1).serial()).bytes());
    EXPECT_EQ(readText(t.path("nightaudit")), "05012019\r\n1\r\n3\r\n5\r\n");
    EXPECT_FALSE(fs::exists(t.dataDir.journal()));

    // The reports, from the totals just written.
    ASSERT_EQ(printer.jobs.size(), 3u);
    EXPECT_EQ(printer.jobs[0].document, "Daily Financial Report");
    EXPECT_EQ(printer.jobs[0].lines.at(3), "Date:  5/1/2019");
    EXPECT_EQ(printer.jobs[0].lines.back(), "Total Revenue                 290.54");
    EXPECT_EQ(printer.jobs[1].document, "Monthly Financial Report");
    EXPECT_EQ(printer.jobs[1].lines.at(2), "Month:  May");
    EXPECT_EQ(printer.jobs[1].lines.back(), "Total Revenue                 290.54");
    EXPECT_EQ(printer.jobs[2].document, "Housekeeping Report");
    EXPECT_EQ(printer.jobs[2].lines.at(9), "101                C/O                      OK                  ");

    // The backup was taken before anything was posted.
    EXPECT_EQ(backupNames(), std::vector<std::string>{"2019-05-02 013000"});
    EXPECT_EQ(result.backup, backups.path() / "2019-05-02 013000");
    EXPECT_EQ(snapshot(result.backup), before);
}

TEST_F(EndOfDay, RunTwiceInOneNightChargesNobodyTwiceAndPrintsTheReportsAgain) {
    run();
    const Snapshot once = snapshot(t.folder.path());
    const EndOfDayResult again = run();
    EXPECT_TRUE(again.done);
    EXPECT_EQ(again.charges.charged, 0);
    EXPECT_EQ(again.charges.alreadyCharged, 4);
    EXPECT_EQ(snapshot(t.folder.path()), once);
    ASSERT_EQ(printer.jobs.size(), 6u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(printer.jobs[i + 3].lines, printer.jobs[i].lines) << i;
    EXPECT_EQ(backupNames(), (std::vector<std::string>{"2019-05-02 013000", "2019-05-02 013000 2"}));
}

// A correcting room-rent line of tonight's date is no night: the stay is still charged.
TEST_F(EndOfDay, ACorrectionPostedTodayIsNotTakenForTheNight) {
    postRoomRent(t.dataDir, may(1), -65, 0.12f, FolioOfStay{1, "101  "}, std::nullopt);
    t.dataDir.commit();
    EXPECT_EQ(run().charges.charged, 3);
    EXPECT_EQ(folioBalance(readFolioLines(t.dataDir, 1)), 5);  // the clerk's 5, -72.8 corrected, tonight's 72.8
}

TEST_F(EndOfDay, AGuestStillDueOutTonightStopsTheRunWithNothingChanged) {
    const Snapshot before = snapshot(t.folder.path());
    putGuest(t.dataDir, "104", 6, "LEAVING TODAY", may(1));
    t.dataDir.commit();
    const Snapshot departing = snapshot(t.folder.path());
    const EndOfDayResult result = run();
    EXPECT_FALSE(result.done);
    EXPECT_EQ(result.message,
              "There are guests showing checking out today. Please check them out or increase there check out date "
              "before continuing.");
    EXPECT_EQ(heard, Steps{EndOfDayStep::Reservations});
    EXPECT_EQ(snapshot(t.folder.path()), departing);
    EXPECT_TRUE(printer.jobs.empty());
    EXPECT_TRUE(backupNames().empty());
    EXPECT_NE(before, departing);
}

TEST_F(EndOfDay, ABackupThatFailsAsksWhetherToGoOnWithoutOneAndPostsNothingBeforeTheAnswer) {
    const Snapshot before = snapshot(t.folder.path());
    const fs::path blocked = backups.path() / "not a folder";
    writeText(blocked, "a file where the backups should go");
    std::vector<std::string> asked;
    bool answer = false;
    const auto ask = [&](const std::string& why) {
        asked.push_back(why);
        EXPECT_EQ(snapshot(t.folder.path()), before) << "asked before anything is posted";
        return answer;
    };
    const auto runBlocked = [&] {
        return runEndOfDay(t.dataDir, may(1), {blocked, "2019-05-02 013000"}, printer,
                           [this](EndOfDayStep s) { heard.push_back(s); }, ask, goOnDespite());
    };
    const EndOfDayResult refused = runBlocked();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_TRUE(asked[0].starts_with("The data directory could not be backed up before the end of day: the file " +
                                     blocked.string() + " could not be used: "))
        << asked[0];
    EXPECT_TRUE(asked[0].ends_with(". Nothing has been posted yet.")) << asked[0];
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.message, "");
    EXPECT_EQ(heard, (Steps{EndOfDayStep::Reservations, EndOfDayStep::CheckOuts}));
    EXPECT_EQ(snapshot(t.folder.path()), before);
    EXPECT_TRUE(printer.jobs.empty());

    answer = true;
    heard.clear();
    const EndOfDayResult closed = runBlocked();
    EXPECT_TRUE(closed.done);
    EXPECT_EQ(closed.closed, may(1));
    EXPECT_EQ(heard, kAllSteps);
    EXPECT_EQ(closed.charges.charged, 3);
    EXPECT_EQ(printer.jobs.size(), 3u);
}

TEST_F(EndOfDay, AClosedNightIsNamedAndItsReportsPrintAgainPostingNothing) {
    EXPECT_EQ(closedNight(t.dataDir, may(2)), std::nullopt);
    run();
    EXPECT_EQ(closedNight(t.dataDir, may(2)), may(1));
    EXPECT_EQ(alreadyClosedQuestion(may(1)), "The end of day has already run for 5/1/2019. Print the reports again?");
    EXPECT_EQ(closedNight(t.dataDir, may(3)), std::nullopt) << "a flag left from an older night closes nothing";
    const Snapshot closed = snapshot(t.folder.path());
    reprintEndOfDayReports(t.dataDir, may(1), printer);
    EXPECT_EQ(snapshot(t.folder.path()), closed);
    ASSERT_EQ(printer.jobs.size(), 6u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(printer.jobs[i + 3].lines, printer.jobs[i].lines) << i;
}

// A stay whose folio number or rate is not a number is left uncharged and named to the clerk;
// the stays after it are charged and the totals keep what they held.
TEST(NightlyBackup, KeepsTheNewestFourteenNightsAndSharesUnchangedFiles) {
    MotelFolder t;
    TempFolder backups;
    writeText(t.path("dailycharge/ 1"), "a past stay's folio");
    writeText(t.path(".innvera.lock"), "12345\nhost\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(30));  // file times tick coarsely
    for (int day = 1; day <= 16; ++day) backUpDataDir(t.dataDir, backups.path(), backupName(may(day), {1, 30, 0}));
    writeText(t.path("dailycharge/ 2"), "tonight's stay");
    const fs::path again = backUpDataDir(t.dataDir, backups.path(), "2019-05-16 013000");
    EXPECT_EQ(again.filename(), "2019-05-16 013000 2");
    Snapshot expected = snapshot(t.folder.path());
    EXPECT_EQ(expected.erase(".innvera.lock"), 1u);
    EXPECT_EQ(snapshot(again), expected);
    EXPECT_EQ(fs::hard_link_count(again / "dailycharge/ 1"), 15u) << "one copy shared by every kept backup";

    std::vector<std::string> kept;
    for (const auto& entry : fs::directory_iterator(backups.path())) kept.push_back(entry.path().filename().string());
    std::sort(kept.begin(), kept.end());
    ASSERT_EQ(kept.size(), 15u) << "a night backed up twice uses up no other night's backup";
    EXPECT_EQ(kept.front(), "2019-05-03 013000");
}

TEST(DamagedStays, AreNotChargedDoNotStopTheOthersAndAreNamedToTheClerk) {
    MotelFolder t;
    DataDir& dir = t.dataDir;
    writeTaxRate(dir, 0.12f);
    for (auto [room, folioNo, name] : {std::tuple{"101", 1, "NAN FOLIO"}, {"102", 2, "SMITH JOHN"},
                                       {"103", 3, "INFINITE RATE"}, {"104", 4, "JONES ANN"}})
        putGuest(dir, room, static_cast<float>(folioNo), name, may(3));
    changeRecord<Guest>(dir, dir.guests(), 1, [](Guest& g) { g.folioNo = std::numeric_limits<float>::quiet_NaN(); });
    changeRecord<Guest>(dir, dir.guests(), 3, [](Guest& g) { g.rate = std::numeric_limits<float>::infinity(); });
    addToTotals(dir, may(1), 6, 5000);
    addToTotals(dir, may(1), 7, 600);
    dir.commit();

    NightCharges charges = chargeRoomAndTax(dir, may(1));
    EXPECT_EQ(charges.charged, 2) << "the stays after a damaged one are charged";
    EXPECT_EQ(charges.damaged, (std::vector<std::string>{"101", "103"}));
    const Totals month = readMonthTotals(dir, may(1));
    EXPECT_FLOAT_EQ(month.values[6], 5130);
    EXPECT_FLOAT_EQ(month.values[7], 615.6f);
    EXPECT_EQ(readFolioLines(dir, 3).size(), 0u);
    EXPECT_EQ(nightChargesToSeeTo(charges),
              "Tonight's room and tax were not charged to rooms 101, 103: the stay's record is damaged (its folio "
              "number or rate is not a number). Correct the stay and post the night on its folio by hand.");
}

// Twenty-six guests in house (so the run commits part-way), one of them checked in tonight and
// three billed to an account: the run is cut by a power failure at each of its disk changes in
// turn, the next start undoes the unfinished transaction, and the run made again must leave
// every file exactly as one uninterrupted run does.
TEST(EndOfDayRun, ARunCutOffAtAnyChangeAndMadeAgainLeavesExactlyTheFilesOfOneWholeRun) {
    MotelFolder t;
    TempFolder backups;
    writeTaxRate(t.dataDir, 0.12f);
    addAccount(t.dataDir, "ACME TOOLS", 7);
    writeCounter(t.dataDir, t.dataDir.folioCounter(), 26);
    for (int i = 0; i < 26; ++i) {
        const std::string room = std::to_string(101 + i);
        putRoom(t.dataDir, room.c_str(), "KING", "O", "N");
        putGuest(t.dataDir, room.c_str(), static_cast<float>(i + 1), "GUEST", may(3), i % 10 == 4 ? 7.0f : 0.0f);
        // Last night's check-in, so every stay has its folio (guest 2 checks in tonight).
        if (i != 1)
            postRoomRent(t.dataDir, may(1).plusDays(-1), 65, 0.12f, FolioOfStay{static_cast<float>(i + 1), room},
                         std::nullopt);
    }
    postToFolio(t.dataDir, 2, "102", may(1), 'E', 65.0);  // the check-in's first night
    postToFolio(t.dataDir, 2, "102", may(1), 'T', 7.8);
    appendFolioLine(t.dataDir, 2, "102", may(1), 'L', "Total", 72.8);
    t.dataDir.commit();
    const fs::path root = t.folder.path();
    const Snapshot before = snapshot(root);
    CapturingPrinter printer;
    const auto runOn = [&](DataDir& dir) { return runEndOfDay(dir, may(1), {backups.path(), "2019-05-02 013000", 2}, printer); };

    int changes = 0;
    {
        FaultyDisk disk;
        DataDir dir(root, disk);
        EXPECT_EQ(runOn(dir).charges.charged, 25);
        changes = disk.changes;
    }
    const Snapshot whole = snapshot(root);
    ASSERT_GT(changes, 25 * 4);

    int keptPartWay = 0;  // cuts after which the first stays were already charged for good
    for (int n = 1; n <= changes; ++n) {
        restore(root, before);
        bool cut = false;
        try {
            FaultyDisk disk(FaultyDisk::Fault::PowerCut, n);
            DataDir dir(root, disk);
            runOn(dir);
        } catch (const PowerCut&) {
            cut = true;
        }
        ASSERT_TRUE(cut) << n;
        FaultyDisk restarted;
        DataDir dir(root, restarted);
        dir.recover();
        const Snapshot recovered = snapshot(root);
        if (recovered != before && recovered != whole) ++keptPartWay;
        runOn(dir);
        const Snapshot after = snapshot(root);
        EXPECT_TRUE(after == whole) << "power cut at change " << n;
    }
    EXPECT_GT(keptPartWay, 0);
}

}  // namespace
