// Print jobs become exact character lines.
#include <gtest/gtest.h>

#include "core/print_job.h"

using namespace innvera;

namespace {

TEST(PrintJob, ItemsFollowOneAnotherAndColumnsPlaceThem) {
    PrintJob job("Test");
    job.line().text("Room").column(11).text("Date");
    job.emptyLines(2);
    job.line().column(5).text("x");
    const std::vector<std::string> expected = {"Room      Date", "", "", "    x"};
    EXPECT_EQ(job.lines(), expected);
}

TEST(PrintJob, AColumnAlreadyPassedContinuesOnTheNextLine) {
    PrintJob job("Test");
    job.line().text("A LONG GUEST NAME").column(10).text("Phone:");
    job.line().text("123456789").column(10).text("here");  // exactly at column 10: same line
    const std::vector<std::string> expected = {"A LONG GUEST NAME", "         Phone:", "123456789here"};
    EXPECT_EQ(job.lines(), expected);
}

TEST(PrintJob, NumbersInGeneralNumberForm) {
    PrintJob job("Test");
    job.line().number(65.0f).text("|").number(7.8f).text("|").number(-5.0).text("|").number(59.95);
    EXPECT_EQ(job.lines(), std::vector<std::string>{" 65 | 7.8 |-5 | 59.95 "});
}

}  // namespace
