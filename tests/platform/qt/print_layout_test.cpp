// How printed lines go onto the page: upright at 10 points while the text fits, rules cut at
// the margin, landscape for wider text, then smaller type down to 9 points, then wrapped.
#include <gtest/gtest.h>

#include "platform/qt/print_layout.h"

namespace innvera {
namespace {

// One point of type one unit wide: at 10 points 80 characters go across the upright page and
// 115 across the turned one (127 at 9 points).
const PrintPage kPage{800, 1150, 1};

std::string repeated(std::size_t n, char c) { return std::string(n, c); }

TEST(PrintLayout, ARuleLongerThanThePageIsCutAtTheMarginAndShrinksNothing) {
    const std::vector<std::string> lines = {"HOUSEKEEPING REPORT", repeated(162, '-'), repeated(80, 'R'),
                                            "----- ==== ____", repeated(90, '=')};
    const PrintLayout layout = layOutPrint(lines, kPage);
    EXPECT_FALSE(layout.landscape);
    EXPECT_EQ(layout.pointSize, 10);
    EXPECT_EQ(layout.lines, (std::vector<std::string>{"HOUSEKEEPING REPORT", repeated(80, '-'), repeated(80, 'R'),
                                                      "----- ==== ____", repeated(80, '=')}));
}

TEST(PrintLayout, TextWiderThanTheUprightPageTurnsItBeforeTheTypeShrinks) {
    // 80 characters of text fit upright; 81 (a rule with a word in it is text) turn the page.
    EXPECT_FALSE(layOutPrint({repeated(80, 'x')}, kPage).landscape);
    const std::string notARule = "TOTAL " + repeated(75, '-');
    const PrintLayout turned = layOutPrint({notARule, repeated(200, '-')}, kPage);
    EXPECT_TRUE(turned.landscape);
    EXPECT_EQ(turned.pointSize, 10);
    EXPECT_EQ(turned.lines, (std::vector<std::string>{notARule, repeated(115, '-')}));
    // 115 still fit turned at 10 points; 120 take 9.5.
    EXPECT_EQ(layOutPrint({repeated(115, 'x')}, kPage).pointSize, 10);
    const PrintLayout smaller = layOutPrint({repeated(120, 'x')}, kPage);
    EXPECT_TRUE(smaller.landscape);
    EXPECT_EQ(smaller.pointSize, 9.5);
    EXPECT_EQ(smaller.lines, std::vector<std::string>{repeated(120, 'x')});
}

TEST(PrintLayout, TheTypeNeverGoesBelowNinePointsALongerLineGoesOnOverTheNext) {
    const std::string line = repeated(127, 'a') + "bcd";
    const PrintLayout layout = layOutPrint({line, repeated(127, 'y'), repeated(300, '_')}, kPage);
    EXPECT_TRUE(layout.landscape);
    EXPECT_EQ(layout.pointSize, 9);
    EXPECT_EQ(layout.lines, (std::vector<std::string>{repeated(127, 'a'), "bcd", repeated(127, 'y'), repeated(127, '_')}));
}

TEST(PrintLayout, CharactersAreCountedNotBytes) {
    // 80 characters, 81 bytes: upright; a wrapped line never splits a character.
    const std::string accented = "CAF\xC3\x89" + repeated(76, ' ');
    EXPECT_FALSE(layOutPrint({accented}, kPage).landscape);
    const std::string longer = repeated(126, 'a') + "\xC3\x89\xC3\x89";
    EXPECT_EQ(layOutPrint({longer}, kPage).lines, (std::vector<std::string>{repeated(126, 'a') + "\xC3\x89", "\xC3\x89"}));
}

TEST(PrintLayout, OnlyRuleCharactersAndBlanksMakeARule) {
    EXPECT_TRUE(isRuleLine("---"));
    EXPECT_TRUE(isRuleLine("  ===  ___ "));
    EXPECT_FALSE(isRuleLine("   "));
    EXPECT_FALSE(isRuleLine(""));
    EXPECT_FALSE(isRuleLine("--- 5 ---"));
    EXPECT_FALSE(isRuleLine("***"));
}

}  // namespace
}  // namespace innvera
