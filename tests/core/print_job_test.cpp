// Print jobs become exact character lines.
#include <gtest/gtest.h>

#include "core/print_job.h"

using namespace innvera;

namespace {

TEST(PrintJob, ItemsFollowOneAnotherColumnsPlaceThemAndNumbersTakeTheirGeneralForm) {
    PrintJob job("Test");
    job.line().text("Room").column(11).text("Date");
    job.emptyLines(2);
    job.line().column(5).text("x");
    job.line().text("A LONG GUEST NAME").column(10).text("Phone:");  // a column already passed: the next line
    job.line().text("123456789").column(10).text("here");            // exactly at the column: the same line
    job.line().number(65.0f).text("|").number(7.8f).text("|").number(-5.0).text("|").number(59.95);
    EXPECT_EQ(job.lines(), (std::vector<std::string>{"Room      Date", "", "", "    x", "A LONG GUEST NAME", "         Phone:",
                                                     "123456789here", " 65 | 7.8 |-5 | 59.95 "}));
}

}  // namespace
