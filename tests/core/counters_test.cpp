// The numbers the motel hands out are never one already on file, whatever the counter holds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/formats.h"
#include "core/counters.h"
#include "core/stays.h"
#include "ledger/invoices.h"
#include "core/reservations.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

TEST(Numbers, TheNextFolioNumberIsAboveEveryStayWhateverTheCounterHolds) {
    MotelFolder t;
    putGuest(t.dataDir, "101", 41, "OLD GUEST", may(2), 0, 0, "*");
    putGuest(t.dataDir, "102", 7, "EARLIER", may(2));
    bool repaired = true;
    writeCounter(t.dataDir, t.dataDir.folioCounter(), 41);
    EXPECT_EQ(takeFolioNumber(t.dataDir, &repaired), 42);
    EXPECT_FALSE(repaired);
    // Emptied, behind the file, or not a whole number of 0 or more: rebuilt from the guest file, said once.
    for (float damaged : {0.0f, 12.0f, -3.0f, 2.5f, std::numeric_limits<float>::quiet_NaN(),
                          std::numeric_limits<float>::infinity()}) {
        writeBytes(t.path("folio"), RecordBytes(10).single(0, damaged));
        EXPECT_EQ(takeFolioNumber(t.dataDir, &repaired), 42) << damaged;
        EXPECT_TRUE(repaired) << damaged;
        EXPECT_EQ(readBytes(t.path("folio")), RecordBytes(10).single(0, 42).bytes());
        EXPECT_EQ(takeFolioNumber(t.dataDir, &repaired), 43);
        EXPECT_FALSE(repaired) << "right again afterwards";
    }
    EXPECT_THROW(nextNumber(16777216.0f, 0, nullptr), std::range_error);  // a Single counts no further
    EXPECT_EQ(plainNumber(16777215.0f), "16777215");  // eight digits shown whole, as the folio screen shows them
}

TEST(Numbers, ConfirmationAndAccountNumbersFollowTheirFilesAndAreGivenBackOnlyWhileUnused) {
    MotelFolder t;
    putReservation(t.dataDir, "77", "101", "ANN LEE", may(3), may(4));
    addAccount(t.dataDir, "ACME", 9);
    EXPECT_EQ(takeConfirmationNumber(t.dataDir), 78);
    EXPECT_EQ(takeAccountNumber(t.dataDir), 10);
    EXPECT_EQ(takeConfirmationNumber(t.dataDir), 79);
    giveBackConfirmationNumber(t.dataDir, 78);  // 79 was taken since: 78 stays used
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.confirmationCounter()), 79);
    giveBackConfirmationNumber(t.dataDir, 79);
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.confirmationCounter()), 78);
    giveBackAccountNumber(t.dataDir, 10);
    EXPECT_EQ(readCounter(t.dataDir, t.dataDir.accountCounter()), 9);
}

TEST(Numbers, ANewInvoiceIsNeverOneAlreadyOnFile) {
    MotelFolder t;
    const auto files = *InvoiceFiles::of(t.dataDir, "ACME");
    writeBytes(t.path("directinvoice/ACME 1"), RecordBytes(185).text(0, "101", 5));
    writeBytes(t.path("directinvoice/ACME 2"), RecordBytes(185).text(0, "102", 5));
    EXPECT_EQ(nextInvoiceNumber(t.dataDir, files), 3);  // no counter file, yet two invoices
    appendInvoiceLine(t.dataDir, files, chargeInvoiceLine("101", may(1), 3, 65, 'E'));
    writeBytes(t.path("directinvoice/ACME"), RecordBytes(10).single(0, std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(nextInvoiceNumber(t.dataDir, files), 4);
}

TEST(DamagedFiles, ZeroRecordsAreNoStaysRoomsOrReservationsAndOddNumbersNeverShowAsZero) {
    MotelFolder t;
    putGuest(t.dataDir, "101", 1, "JOHN SMITH", may(3));
    addRoom(t.dataDir, "101", "NQ1", 65);
    putReservation(t.dataDir, "5", "102", "BOB BROWN", may(1), may(2));
    for (const char* file : {"guest", "rooms", "reservation"}) {  // stretched by a damaged write
        Bytes bytes = readBytes(t.path(file));
        bytes.resize(bytes.size() * 3, '\0');
        writeBytes(t.path(file), bytes);
    }
    EXPECT_EQ(inHouseGuestEntries(t.dataDir), std::vector<std::string>{"101  JOHN SMITH"});
    EXPECT_EQ(staysInHouse(t.dataDir).size(), 1u);
    EXPECT_EQ(RecordFile<Room>(t.dataDir, t.dataDir.rooms()).count(), 3u);
    int rooms = 0;
    RecordFile<Room>(t.dataDir, t.dataDir.rooms()).scan([&](const Room&, std::uint64_t) { ++rooms; });
    EXPECT_EQ(rooms, 1);
    EXPECT_EQ(highestConfirmationNumber(t.dataDir), 5);
}

}  // namespace
