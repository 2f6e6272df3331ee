// The data check: a motel made by the desk's own calls agrees; each kind of damage, made by hand
// in its bytes, is named in one exact line, and what is honestly within a Single's rounding is
// not; a change in progress is noted and its files left alone; the end of day's own check looks
// only at what the night touches, and stops the night unless the clerk goes on.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <ctime>
#include <fstream>
#include <limits>

#include "checkin/check_in.h"
#include "core/accounts.h"
#include "core/formats.h"
#include "core/reservations.h"
#include "directbill/account_register.h"
#include "folio/check_out.h"
#include "folio/post_entry.h"
#include "ledger/ledger.h"
#include "reports/data_check.h"
#include "reports/end_of_day.h"
#include "reservations/add_reservation.h"
#include "support/fakes.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

namespace fs = std::filesystem;

// Overwrites bytes of a file at `offset`, as a disk fault or a hand edit would.
void patch(const fs::path& file, std::size_t offset, const Bytes& bytes) {
    std::fstream out(file, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void append(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::app).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Sets a file's modification time, in seconds since 1/1/1970 (UTC).
void setModified(const fs::path& file, std::time_t seconds) {
    const timespec times[2] = {{seconds, 0}, {seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0) << file;
}

std::time_t midnightOf(Date day) { return std::time_t(day.daysSince(Date::fromYmd(1970, 1, 1))) * 86400; }

std::vector<std::string> lines(const DataCheck& check) {
    std::vector<std::string> out;
    for (const Finding& finding : check.findings) out.push_back(findingLine(finding));
    return out;
}

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// A motel the desk's own calls made, at a tax rate of 0.12, with rooms 101 to 103. On 5/1 ANN
// LEE checks into 101 (folio 1, cash) and ACME's guest BOB KING into 102 (folio 2, billed to
// the account ACME, number 1: invoice 1); the night is closed. On 5/2 ANN's pet fee is posted
// and she checks out; a reservation for 103 is taken for 5/5 (confirmation 1); the night of
// 5/2 charges BOB (invoice 2).
class DataCheckOf : public ::testing::Test {
protected:
    void SetUp() override {
        DataDir& dir = t.dataDir;
        writeTaxRate(dir, 0.12f);
        for (const char* room : {"101", "102", "103"}) addRoom(dir, room, "KK1", 65);
        AccountForm acme;
        acme.name = "ACME";
        ASSERT_FALSE(addAccount(dir, acme, "0", takeAccountNumber(dir)));
        dir.commit();

        checkIn(dir, order("ANN LEE", "101", 'C', std::nullopt), may(1), "11:05:32 AM");
        checkIn(dir, order("BOB KING", "102", 'R', findAccountNamed(dir, "ACME")->record), may(1), "11:20:00 AM");
        dir.commit();
        ASSERT_TRUE(endOfDay(may(1)).done);

        ASSERT_FALSE(postEntry(dir, PostEntryInput{1, "P - Pet Fee", "10", may(2)}));
        ASSERT_TRUE(checkOut(dir, 1, "10:00:00 AM"));
        AddReservationForm form{.guest = {"AMY WILSON", "2 OAK ST", "DENVER", "CO", "80201", "555-0101", "", "", "",
                                          "", "March", "2027", "2", "0"},
                                .arrivalDate = "5/5/2019", .departDate = "5/7/2019", .roomEntry = "103  KK1",
                                .rate = "59", .payCode = "C - Cash", .account = "", .confirmNo = ""};
        form.confirmNo = plainNumber(takeConfirmationNumber(dir));
        const auto reservation = readReservation(dir, form);
        ASSERT_TRUE(std::holds_alternative<Reservation>(reservation));
        appendReservation(dir, std::get<Reservation>(reservation));
        dir.commit();
        ASSERT_TRUE(endOfDay(may(2)).done);
    }

    CheckInOrder order(const char* name, const char* room, char payCode, std::optional<DirectBillAccount> account) {
        CheckInOrder o;
        o.guest.name = name;
        o.guest.adults = "1";
        o.roomNo = room;
        o.arrivalDate = may(1);
        o.departDate = may(4);
        o.rate = 65;
        o.payCode = payCode;
        o.payment = 72.8;
        o.account = std::move(account);
        return o;
    }

    EndOfDayResult endOfDay(Date day) {
        return runEndOfDay(t.dataDir, day, {backups.path(), "night " + day.text().substr(2, 1)}, printer);
    }

    DataCheck check() { return checkDataDir(t.folder.path()); }
    std::vector<std::string> found() { return lines(check()); }
    fs::path file(const std::string& name) const { return t.path(name); }

    MotelFolder t;
    TempFolder backups;
    CapturingPrinter printer;
};

using Lines = std::vector<std::string>;

TEST_F(DataCheckOf, AMotelTheDeskMadeAgreesAndIsLeftAsItWas) {
    // What the desk left, as the cases below rely on.
    ASSERT_TRUE(fs::exists(file("dailytotals/05022019")));
    ASSERT_TRUE(fs::exists(file("directinvoice/ACME 2")));
    ASSERT_EQ(readCounter(t.dataDir, t.dataDir.folioCounter()), 2);
    const Snapshot before = snapshot(t.folder.path());
    const DataCheck result = check();
    EXPECT_TRUE(result.agrees()) << ::testing::PrintToString(lines(result));
    EXPECT_TRUE(result.notes.empty());
    EXPECT_EQ(snapshot(t.folder.path()), before) << "the check writes and makes nothing";
    EXPECT_TRUE(checkBeforeNight(t.dataDir, may(3)).agrees());
}

TEST_F(DataCheckOf, RoomsAndTheStaysInHouse) {
    patch(file("rooms"), 148 + 31, {'Y'});  // 102 vacant under BOB
    patch(file("rooms"), 2 * 148 + 31, {'O'});  // 103 occupied by nobody
    EXPECT_EQ(found(), (Lines{
                           "rooms, record 2: room 102 is not marked occupied (O), though the stay in house of guest "
                           "record 2 (folio 2) is in it.",
                           "rooms, record 3: room 103 is marked occupied (O), but no stay in house is in it.",
                       }));
}

TEST_F(DataCheckOf, TwoStaysInHouseInOneRoomAndAStayInARoomThereIsNot) {
    patch(file("guest"), 272, textBytes("102", 5));  // ANN back in house, in BOB's room
    patch(file("guest"), 394, textBytes("", 20));
    EXPECT_EQ(found(), Lines{"guest, record 2: the stay in house (folio 2) shares room 102 with the stay in house of "
                             "record 1 (folio 1)."});
    patch(file("guest"), 272, textBytes("109", 5));
    EXPECT_EQ(found(), Lines{"guest, record 1: the stay in house (folio 1) is in room 109, which the room file does "
                             "not hold."});
}

TEST_F(DataCheckOf, NumbersUsedTwiceOrAboveTheirCounters) {
    patch(file("guest"), 356, singleBytes(2));                // ANN's folio number is BOB's
    append(file("reservation"), std::string(readText(file("reservation"))));  // the reservation twice
    const Bytes acme = readBytes(file("directbill"));
    writeBytes(file("directbill"), concat({acme, acme}));   // the account twice
    EXPECT_EQ(found(), (Lines{
                           "guest, record 2: the folio number 2 is used by record 1 too.",
                           "reservation, record 2: the confirmation number 1 is used by record 1 too.",
                           "directbill, record 2: the account number 1 is used by record 1 too.",
                       }));

}

TEST(DataCheckCounters, ANumberEqualToItsCounterIsGivenOutOneAboveIsNot) {
    MotelFolder t;
    DataDir& dir = t.dataDir;
    addRoom(dir, "101", "KK1", 65, "O");
    putGuest(dir, "101", 2, "ANN LEE", may(3));
    postToFolio(dir, 2, "101", may(1), 'E', 65.0);
    putReservation(dir, "7", "101", "AMY WILSON", may(5), may(6));
    addAccount(dir, "ACME", 3);
    writeCounter(dir, dir.folioCounter(), 2);
    writeCounter(dir, dir.confirmationCounter(), 7);
    writeCounter(dir, dir.accountCounter(), 3);
    dir.commit();
    EXPECT_TRUE(checkDataDir(t.folder.path()).agrees()) << ::testing::PrintToString(lines(checkDataDir(t.folder.path())));

    writeCounter(dir, dir.folioCounter(), 1);
    writeCounter(dir, dir.confirmationCounter(), 6);
    writeCounter(dir, dir.accountCounter(), 2);
    dir.commit();
    EXPECT_EQ(lines(checkDataDir(t.folder.path())),
              (Lines{
                  "guest, record 1: the folio number 2 is above the folio counter, which holds 1.",
                  "reservation, record 1: the confirmation number 7 is above the confirmation counter, which holds 6.",
                  "directbill, record 1: the account number 3 is above the account counter (directnumber), which "
                  "holds 2.",
              }));
    writeCounter(dir, dir.folioCounter(), kNaN);
    dir.commit();
    EXPECT_EQ(lines(checkDataDir(t.folder.path())).front(), "folio: the counter holds NaN, not a whole number of 0 or more.");
}

// BOB's night of 5/2: 65 of rent and 7.8 of tax in slots 6 and 7 of the day and the month.
TEST_F(DataCheckOf, ATotalOneCentOffIsAFindingHalfACentIsNot) {
    const Bytes day = readBytes(file("dailytotals/05022019"));
    ASSERT_EQ(day, totalsBytes({{6, 65}, {7, 7.8f}, {8, 10}}));
    patch(file("dailytotals/05022019"), 24, singleBytes(65.004f));
    EXPECT_EQ(found(), Lines{}) << "within half a cent and the Single's rounding";
    patch(file("dailytotals/05022019"), 24, singleBytes(65.01f));
    patch(file("totals/52019"), 28, singleBytes(23.39f));  // three nights of 7.8
    EXPECT_EQ(found(), (Lines{
                           "dailytotals/05022019: slot 6 (Room Rent) holds 65.01, but the folio lines posted on "
                           "5/2/2019 add up to 65.",
                           "totals/52019: slot 7 (Tax) holds 23.39, but the folio lines posted in 5/2019 add up to 23.4.",
                       }));
}

// Old data posted amounts with fractions of a cent, which a total kept to the cent rounds away:
// half a cent each is allowed for, a whole-cent line is not.
TEST_F(DataCheckOf, LinesWithFractionsOfACentMayEachBeRoundedAwayByHalfACent) {
    const auto other = [](const char* amount) {
        return std::string("\"101  \",\"A\",#2019-05-02#,\"O\",\"Other\",") + amount +
               ",,1,\"-----\",\"-----\",\"-----\"\r\n";
    };
    append(file("dailycharge/ 1"), other("0.004") + other("0.004") + other("0.004"));
    EXPECT_EQ(found(), Lines{}) << "0.012 rounded away, within three half cents and one";
    append(file("dailycharge/ 1"), other("0.03"));
    EXPECT_EQ(found(), (Lines{
                           "dailytotals/05022019: slot 13 (Other) holds 0, but the folio lines posted on 5/2/2019 add "
                           "up to 0.042.",
                           "totals/52019: slot 13 (Other) holds 0, but the folio lines posted in 5/2019 add up to 0.042.",
                       }));
}

TEST_F(DataCheckOf, TotalsWithNoFolioLinesBehindThemAndDaysWithNoTotals) {
    writeBytes(file("dailytotals/05032019"), totalsBytes({{0, 5}}));
    writeBytes(file("totals/62019"), totalsBytes({{6, 65}}));
    writeBytes(file("dailytotals/05042019"), totalsBytes({}));  // an empty day is no finding
    fs::remove(file("dailytotals/05022019"));
    EXPECT_EQ(found(), (Lines{
                           "dailytotals/05022019: the file is missing, but folio lines were posted on 5/2/2019.",
                           "dailytotals/05032019: the file holds totals (slot 0 (Cash Received) 5), but no folio line "
                           "was posted on 5/3/2019.",
                           "totals/62019: the file holds totals (slot 6 (Room Rent) 65), but no folio line was posted "
                           "in 6/2019.",
                       }));
}

// An earlier installation named its day files by the date text without slashes: they are the
// days' totals while no day is kept under its own key before them.
TEST_F(DataCheckOf, OldDayFileNamesAreTheDaysTotalsAsTheReportsReadThem) {
    fs::rename(file("dailytotals/05012019"), file("dailytotals/512019"));
    fs::rename(file("dailytotals/05022019"), file("dailytotals/522019"));
    EXPECT_EQ(found(), Lines{});
    patch(file("dailytotals/522019"), 24, singleBytes(66));
    EXPECT_EQ(found(), Lines{"dailytotals/522019: slot 6 (Room Rent) holds 66, but the folio lines posted on 5/2/2019 "
                             "add up to 65."});
    // Once 5/1 is kept under its own key, 5/2's old name is read no more.
    fs::rename(file("dailytotals/512019"), file("dailytotals/05012019"));
    EXPECT_EQ(found(), (Lines{
                           "dailytotals/05022019: the file is missing, but folio lines were posted on 5/2/2019.",
                           "dailytotals/522019: the file holds totals (slot 6 (Room Rent) 66, slot 7 (Tax) 7.8, slot 8 "
                           "(Pet Fee) 10), but no folio line was posted on a day it stands for.",
                       }));
}

TEST_F(DataCheckOf, FoliosTheirLinesAndTheStaysThatHaveNone) {
    append(file("dailycharge/ 1"), "\"101  \",\"A\",#2019-05-02#,\"P\",\"Pet Fee\r\n");
    append(file("dailycharge/ 1"), "\"101  \",\"A\",#1999-05-02#,\"P\",\"Pet Fee\",5,,1,\"-----\",\"-----\",\"-----\"\r\n");
    append(file("dailycharge/ 1"), "\"101  \",\"A\",#2019-05-02#,\"Z\",\"Zebra\",5,,1,\"-----\",\"-----\",\"-----\"\r\n");
    const std::string bob = readText(file("dailycharge/ 2"));
    fs::remove(file("dailycharge/ 2"));
    // BOB's folio gone, its postings are no longer behind the totals.
    const Lines all = found();
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(Lines(all.begin(), all.begin() + 4),
              (Lines{
                  "guest, record 2: the stay in house (folio 2, room 102) has no folio file dailycharge/ 2.",
                  "dailycharge/ 1, line 6: the line cannot be read.",
                  "dailycharge/ 1, line 7: the posting date 5/2/1999 is outside the years 2000 to 2099.",
                  "dailycharge/ 1, line 8: the charge code \"Z\" is none of the motel's codes.",
              }));
    writeText(file("dailycharge/ 2"), bob);
    EXPECT_EQ(found().size(), 3u);
}

TEST_F(DataCheckOf, DirectBillAccountsAndTheirInvoices) {
    fs::remove(file("directinvoice/ACME 1"));
    fs::copy_file(file("directinvoice/ACME 2"), file("directinvoice/ACME 3"));
    EXPECT_EQ(found(), (Lines{
                           "directinvoice/ACME: the invoice counter holds 2, but invoice 1 (directinvoice/ACME 1) is "
                           "missing.",
                           "directinvoice/ACME 3: invoice 3 is above the account's invoice counter, which holds 2.",
                           "directinvoice/ACME 3, record 1: the line carries invoice number 2, not 3.",
                           "directinvoice/ACME 3, record 2: the line carries invoice number 2, not 3.",
                       }));
    fs::remove(file("directinvoice/ACME 3"));
    fs::rename(file("directinvoice/ACME 2"), file("directinvoice/ACME 1"));  // the counter says 2
    patch(file("directinvoice/ACME 1"), 13, singleBytes(1));
    patch(file("directinvoice/ACME 1"), 185 + 13, singleBytes(1));
    patch(file("guest"), 528 + 474, singleBytes(9));  // BOB billed to an account nobody has
    EXPECT_EQ(found(), (Lines{
                           "guest, record 2: the stay (folio 2) is billed to account 9, which no account carries.",
                           "directinvoice/ACME: the invoice counter holds 2, but invoice 2 (directinvoice/ACME 2) is "
                           "missing.",
                       }));
    fs::remove(file("directinvoice/ACME"));
    patch(file("guest"), 528 + 474, singleBytes(1));
    EXPECT_EQ(found(), (Lines{
                           "guest, record 2: the stay (folio 2) is billed to account 1 (ACME), whose invoice counter "
                           "directinvoice/ACME is missing.",
                           "directinvoice/ACME 1: invoice 1 is above the account's invoice counter, which holds 0.",
                       }));
}

TEST_F(DataCheckOf, ACounterFarBeyondItsInvoicesNamesTenAndCountsTheRest) {
    writeBytes(file("directinvoice/ACME"), RecordBytes(10).single(0, 100));
    const Lines all = found();
    ASSERT_EQ(all.size(), 11u);
    EXPECT_EQ(all[0], "directinvoice/ACME: the invoice counter holds 100, but invoice 3 (directinvoice/ACME 3) is missing.");
    EXPECT_EQ(all[9], "directinvoice/ACME: the invoice counter holds 100, but invoice 12 (directinvoice/ACME 12) is missing.");
    EXPECT_EQ(all[10], "directinvoice/ACME: the invoice counter holds 100, and 88 more of the invoices up to it are missing.");
}

TEST_F(DataCheckOf, TheTaxRateAndTheFlags) {
    writeBytes(file("tax"), RecordBytes(10).single(0, 1.5f));
    writeBytes(file("datedone"), RecordBytes(20).single(0, 2));
    patch(file("dateaudit"), 16, dateBytes(Date::fromYmd(1999, 1, 1).serial()));
    EXPECT_EQ(found(), (Lines{
                           "tax: the tax rate 1.5 is not a fraction from 0 to 1.",
                           "datedone: the flag holds 2, neither 0 nor 1.",
                           "dateaudit: the day closed 1/1/1999 is outside the years 2000 to 2099.",
                       }));
    patch(file("dateaudit"), 16, Bytes(8, '\0'));  // an older program's record: no day known
    writeBytes(file("tax"), RecordBytes(10).single(0, 0.12f));
    writeBytes(file("datedone"), RecordBytes(20).single(0, 1));
    EXPECT_EQ(found(), Lines{});
}

TEST_F(DataCheckOf, DamagedRecordsAndNumbers) {
    patch(file("rooms"), 2 * 148, Bytes(148, '\0'));             // 103 zeroed
    patch(file("guest"), 528 + 328, singleBytes(kNaN));          // BOB's rate
    patch(file("guest"), 312, dateBytes(Date::fromYmd(1999, 12, 31).serial()));  // ANN's arrival
    patch(file("guest"), 320, dateBytes(std::numeric_limits<double>::infinity()));
    patch(file("reservation"), 356, singleBytes(-3));            // a reservation's folio field is no number it keeps
    patch(file("directbill"), 197, singleBytes(-1));             // ACME's number
    append(file("guest"), std::string(10, 'x'));
    EXPECT_EQ(found(), (Lines{
                           "rooms, record 3: the record is all zero bytes.",
                           "guest, record 1: the arrival date 12/31/1999 is outside the years 2000 to 2099.",
                           "guest, record 1: the departure date is not a number of days (Infinity).",
                           "guest, record 2: the rate NaN is not an amount the files can hold.",
                           "guest: the file ends in a partial record of 10 bytes (a record is 528 bytes).",
                           "directbill, record 1: the account number -1 is not a whole number of 1 or more.",
                           "guest, record 2: the stay (folio 2) is billed to account 1, which no account carries.",
                       }));
}

TEST_F(DataCheckOf, TheNightsCheckLooksForItsDayUnderTheOldNameOnlyBeforeTheFirstOwnName) {
    fs::rename(file("dailytotals/05012019"), file("dailytotals/512019"));
    fs::rename(file("dailytotals/05022019"), file("dailytotals/522019"));
    patch(file("dailytotals/522019"), 24, singleBytes(66));
    EXPECT_EQ(lines(checkBeforeNight(t.dataDir, may(2))),
              Lines{"dailytotals/522019: slot 6 (Room Rent) holds 66, but the folio lines posted on 5/2/2019 add up to 65."});
    fs::rename(file("dailytotals/512019"), file("dailytotals/05012019"));
    EXPECT_EQ(lines(checkBeforeNight(t.dataDir, may(2))),
              Lines{"dailytotals/05022019: the file is missing, but folio lines were posted on 5/2/2019."});

    fs::create_directory(file("dailytotals/05032019"));
    EXPECT_EQ(lines(checkBeforeNight(t.dataDir, may(3))),
              Lines{"dailytotals/05032019: a folder stands where a data file is expected."});
    fs::remove_all(file("dailytotals"));
    writeText(file("dailytotals"), "not a folder");
    EXPECT_EQ(lines(checkBeforeNight(t.dataDir, may(3))),
              Lines{"dailytotals: a file stands where the folder of these files is expected."});
}

TEST_F(DataCheckOf, WhatIsNoRegularFileWhereADataFileIsExpected) {
    fs::remove(file("reservation"));
    fs::create_directory(file("reservation"));
    fs::remove(file("tax"));
    fs::create_symlink(file("folio"), file("tax"));
    ASSERT_EQ(::mkfifo(file("message/2").c_str(), 0600), 0);
    fs::remove_all(file("totals"));
    writeText(file("totals"), "not a folder");
    EXPECT_EQ(found(), (Lines{
                           "tax: a symbolic link stands where a data file is expected.",
                           "reservation: a folder stands where a data file is expected.",
                           "totals: a file stands where the folder of these files is expected.",
                           "totals/52019: the file is missing, but folio lines were posted in 5/2019.",
                           "message/2: a pipe stands where a data file is expected.",
                       }));
}

TEST_F(DataCheckOf, AChangeInProgressIsNotedAndItsFilesAreNotJudged) {
    // A handler half-way: BOB's rate written, not committed.
    Bytes nan = singleBytes(kNaN);
    t.dataDir.write(t.dataDir.guests(), 528 + 328, nan.data(), nan.size());
    ASSERT_TRUE(fs::exists(t.dataDir.journal()));
    patch(file("rooms"), 2 * 148 + 31, {'O'});  // judged with the stays in house: not now
    patch(file("reservation"), 328, singleBytes(kNaN));
    const DataCheck result = check();
    EXPECT_EQ(result.notes, std::vector<std::string>{"A change is in progress (the journal .innvera-journal is there); "
                                                     "the files it names were not judged: guest."});
    EXPECT_EQ(lines(result), Lines{"reservation, record 1: the rate NaN is not an amount the files can hold."})
        << "neither the guest file's NaN nor the rooms against the stays in house are judged";
    EXPECT_FALSE(result.agrees());
    t.dataDir.rollback();

    patch(file("reservation"), 328, singleBytes(59));
    patch(file("rooms"), 2 * 148 + 31, {'Y'});
    fs::create_directory(file(".innvera-journal"));
    EXPECT_EQ(found(), Lines{".innvera-journal: the journal cannot be read: it is not a regular file."});
}

TEST(DataCheckRoot, ADirectoryThatCannotBeReadThrowsEverythingElseIsAFinding) {
    TempFolder folder;
    EXPECT_THROW(checkDataDir(folder.path() / "missing"), FileError);
    writeText(folder.path() / "file", "x");
    EXPECT_THROW(checkDataDir(folder.path() / "file"), FileError);
    EXPECT_TRUE(checkDataDir(folder.path() / "").agrees()) << "an empty directory holds nothing to disagree";
}

// ---- the night's own check ---------------------------------------------------------------------

TEST_F(DataCheckOf, TheNightsCheckFindsWhatTheNightTouchesAndNotAClosedStaysDamage) {
    patch(file("guest"), 328, singleBytes(kNaN));  // ANN, checked out
    DataDir fresh(t.folder.path());
    EXPECT_TRUE(checkBeforeNight(fresh, may(3)).agrees());
    EXPECT_EQ(lines(checkDataDir(t.folder.path())), Lines{"guest, record 1: the rate NaN is not an amount the files can hold."});

    patch(file("rooms"), 148 + 31, {'Y'});                            // BOB's room vacant
    writeBytes(file("dailytotals/05032019"), totalsBytes({{6, 1}}));  // tonight's day holds what nobody posted
    patch(file("dailytotals/05012019"), 24, singleBytes(1));          // a day the night does not touch
    DataDir again(t.folder.path());
    EXPECT_EQ(lines(checkBeforeNight(again, may(3))),
              (Lines{
                  "rooms, record 2: room 102 is not marked occupied (O), though the stay in house of guest record 2 "
                  "(folio 2) is in it.",
                  "dailytotals/05032019: the file holds totals (slot 6 (Room Rent) 1), but no folio line was posted "
                  "on 5/3/2019.",
              }));
}

TEST_F(DataCheckOf, TheNightsCheckLooksForTheFoliosOfTheStaysInHouse) {
    const std::string bob = readText(file("dailycharge/ 2"));
    fs::remove(file("dailycharge/ 2"));
    // BOB's postings no longer behind the month's totals.
    const Lines month{"totals/52019: slot 5 (Direct Bill) holds 72.8, but the folio lines posted in 5/2019 add up to 0.",
                      "totals/52019: slot 6 (Room Rent) holds 195, but the folio lines posted in 5/2019 add up to 65.",
                      "totals/52019: slot 7 (Tax) holds 23.4, but the folio lines posted in 5/2019 add up to 7.8."};
    DataDir dir(t.folder.path());
    Lines expected{"guest, record 2: the stay in house (folio 2, room 102) has no folio file dailycharge/ 2."};
    expected.insert(expected.end(), month.begin(), month.end());
    EXPECT_EQ(lines(checkBeforeNight(dir, may(3))), expected);
    fs::create_directory(file("dailycharge/ 2"));
    expected.front() = "dailycharge/ 2: a folder stands where a data file is expected.";
    EXPECT_EQ(lines(checkBeforeNight(dir, may(3))), expected);
    const Lines all = found();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front(), expected.front()) << "the whole check says it in the same words";
    fs::remove(file("dailycharge/ 2"));
    writeText(file("dailycharge/ 2"), bob);
    EXPECT_TRUE(checkBeforeNight(dir, may(3)).agrees());
}

// A departure date is what the clerk typed and check-out leaves it: a stay that left this month
// may say it left long before, and its folio still posts to this month's totals.
TEST_F(DataCheckOf, TheNightsCheckReadsTheFoliosChangedSinceTheMonthBeganWhateverTheDeparture) {
    patch(file("guest"), 320, dateBytes(Date::fromYmd(2019, 1, 10).stored()));  // ANN's 5/4 typed as 1/10
    DataDir dir(t.folder.path());
    EXPECT_TRUE(checkBeforeNight(dir, may(2)).agrees()) << "ANN's pet fee of 5/2 is in the day's and the month's sums";

    // A folio unchanged since before the day ahead of the month is not read: its lines are missing.
    setModified(file("dailycharge/ 1"), midnightOf(Date::fromYmd(2019, 4, 30)) - 1);
    const DataCheck passedOver = checkBeforeNight(dir, may(2));
    ASSERT_FALSE(passedOver.findings.empty());
    EXPECT_EQ(findingLine(passedOver.findings.front()),
              "dailytotals/05022019: slot 8 (Pet Fee) holds 10, but the folio lines posted on 5/2/2019 add up to 0.");
    setModified(file("dailycharge/ 1"), midnightOf(Date::fromYmd(2019, 4, 30)));
    EXPECT_TRUE(checkBeforeNight(dir, may(2)).agrees()) << "a day of margin for the clock's zone";
}

// A posting made while the check runs may be in the totals but not in the folio lines read before
// it: a totals file changed since the check began is a note to check again, not a finding.
TEST_F(DataCheckOf, TotalsChangedWhileTheCheckRanAreANoteNotAFinding) {
    patch(file("totals/52019"), 28, singleBytes(23.39f));
    patch(file("dailytotals/05022019"), 24, singleBytes(65.01f));
    const std::time_t now = std::time(nullptr);
    setModified(file("totals/52019"), now - 3600);
    setModified(file("dailytotals/05022019"), now - 3600);
    const std::string month = "totals/52019: slot 7 (Tax) holds 23.39, but the folio lines posted in 5/2019 add up to 23.4.";
    const std::string day =
        "dailytotals/05022019: slot 6 (Room Rent) holds 65.01, but the folio lines posted on 5/2/2019 add up to 65.";
    EXPECT_EQ(found(), (Lines{day, month})) << "written before the check began";
    DataDir dir(t.folder.path());
    EXPECT_EQ(lines(checkBeforeNight(dir, may(2))), (Lines{day, month}));

    setModified(file("totals/52019"), now + 3600);  // as if written while the check ran
    const std::string note = "totals/52019 changed while the check ran; check again.";
    const DataCheck whole = check();
    EXPECT_EQ(lines(whole), Lines{day});
    EXPECT_EQ(whole.notes, std::vector<std::string>{note});
    const DataCheck night = checkBeforeNight(dir, may(2));
    EXPECT_EQ(lines(night), Lines{day});
    EXPECT_EQ(night.notes, std::vector<std::string>{note});
    setModified(file("dailytotals/05022019"), now + 3600);
    EXPECT_TRUE(checkBeforeNight(dir, may(2)).agrees());
}

TEST_F(DataCheckOf, TheNightStopsWithNothingWrittenUnlessTheClerkGoesOn) {
    patch(file("rooms"), 148 + 31, {'Y'});  // BOB's room vacant
    DataDir dir(t.folder.path());
    const Snapshot before = snapshot(t.folder.path());
    std::vector<std::vector<Finding>> asked;
    bool answer = false;
    const auto night = [&] {
        return runEndOfDay(dir, may(3), {backups.path(), "night 3"}, printer, {}, {}, [&](const std::vector<Finding>& f) {
            asked.push_back(f);
            return answer;
        });
    };
    const std::size_t printed = printer.jobs.size();
    const EndOfDayResult refused = night();
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.message, "");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], (std::vector<Finding>{{"rooms", "record 2",
                                               "room 102 is not marked occupied (O), though the stay in house of "
                                               "guest record 2 (folio 2) is in it"}}));
    EXPECT_EQ(snapshot(t.folder.path()), before);
    EXPECT_EQ(printer.jobs.size(), printed);
    EXPECT_FALSE(fs::exists(backups.path() / "night 3"));

    // No one to ask is No.
    EXPECT_FALSE(runEndOfDay(dir, may(3), {backups.path(), "night 3"}, printer).done);
    EXPECT_EQ(snapshot(t.folder.path()), before);

    answer = true;
    const EndOfDayResult closed = night();
    EXPECT_TRUE(closed.done);
    EXPECT_EQ(closed.charges.charged, 1);
    EXPECT_EQ(asked.size(), 2u);
}

TEST(NightFindingsQuestion, NamesTheFirstTenAndCountsTheRest) {
    std::vector<Finding> findings;
    EXPECT_EQ(nightFindingsQuestion({{"rooms", "record 2", "room 102 is vacant"}}),
              "The data check found 1 problem in what tonight's end of day will touch:\n"
              "rooms, record 2: room 102 is vacant.\n"
              "\n"
              "Run the end of day anyway?");
    for (int i = 1; i <= 12; ++i) findings.push_back({"guest", "record " + std::to_string(i), "bad"});
    const std::string question = nightFindingsQuestion(findings);
    EXPECT_TRUE(question.starts_with("The data check found 12 problems in what tonight's end of day will touch:\n"
                                     "guest, record 1: bad.\n"))
        << question;
    EXPECT_TRUE(question.ends_with("guest, record 10: bad.\n(and 2 more)\n\nRun the end of day anyway?")) << question;
    EXPECT_EQ(question.find("record 11"), std::string::npos);
}

// ---- the printout and the summary -------------------------------------------------------------

TEST(DataCheckPrintout, HeadingOneFindingALineWrappedToThePageAndTheSummary) {
    DataCheck check;
    check.findings = {{"rooms", "record 3", "the record is all zero bytes"},
                      {"dailytotals/05022019", "",
                       "slot 6 (Room Rent) holds 65.01, but the folio lines posted on 5/2/2019 add up to 65 and this "
                       "sentence runs on past the width of the page"}};
    const PrintJob job = dataCheckPrintout(check, "/srv/motel", may(2), TimeOfDay{1, 30, 0});
    EXPECT_EQ(job.document(), "Data Check");
    EXPECT_EQ(job.lines(),
              (std::vector<std::string>{
                  "", "", "Data Check", "", "Data directory:  /srv/motel", "Date:  5/2/2019  1:30:00 AM", "",
                  "rooms, record 3: the record is all zero bytes.",
                  "dailytotals/05022019: slot 6 (Room Rent) holds 65.01, but the folio lines posted on",
                  "    5/2/2019 add up to 65 and this sentence runs on past the width of the page.", "", "2 findings."}));
    for (const std::string& line : job.lines()) EXPECT_LE(line.size(), kDataCheckPrintWidth);

    const PrintJob none = dataCheckPrintout(DataCheck{}, "/srv/motel", may(2), TimeOfDay{13, 5, 0});
    EXPECT_EQ(none.lines().back(), "No findings: the files agree.");
    EXPECT_EQ(none.lines().at(5), "Date:  5/2/2019  1:05:00 PM");
    check.findings.pop_back();
    EXPECT_EQ(dataCheckSummary(check), "1 finding.");
}

}  // namespace
