// The end of day over a guest file with damaged stays: a stay whose folio number or rate is not
// a number is left uncharged and named to the clerk; the stays after it are charged and the
// totals keep what they held.
#include <gtest/gtest.h>

#include <limits>

#include "folio/folio_file.h"
#include "folio/totals.h"
#include "reports/end_of_day.h"
#include "support/fakes.h"
#include "support/motel_files.h"

using namespace innvera;
using namespace innvera::testing;

namespace {

void damage(DataDir& dir, std::uint64_t stay, float Guest::*field, float value) {
    RecordFile<Guest> guests(dir, dir.guests());
    Guest g = guests.read(stay);
    g.*field = value;
    guests.write(stay, g);
}

TEST(DamagedStays, AreNotChargedDoNotStopTheOthersAndAreNamedToTheClerk) {
    MotelFolder t;
    DataDir& dir = t.dataDir;
    setTaxRate(dir, 0.12f);
    putGuest(dir, "101", 1, "NAN FOLIO", may(3));
    putGuest(dir, "102", 2, "SMITH JOHN", may(3));
    putGuest(dir, "103", 3, "INFINITE RATE", may(3));
    putGuest(dir, "104", 4, "JONES ANN", may(3));
    damage(dir, 1, &Guest::folioNo, std::numeric_limits<float>::quiet_NaN());
    damage(dir, 3, &Guest::rate, std::numeric_limits<float>::infinity());
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
              "Tonight's room and tax were not charged to room 101, 103: the stay's record is damaged (its folio "
              "number or rate is not a number). Correct the stay and post the night on its folio by hand.");

    charges.notInvoiced.push_back("105  ");
    EXPECT_EQ(nightChargesToSeeTo(charges).substr(0, 75),
              "No invoice was made for tonight's room and tax of room 105: no direct bill ");
}

}  // namespace
