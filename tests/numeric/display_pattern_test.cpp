#include "numeric/display_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace brisanel::numeric {
namespace {

struct PatternCase {
    double value;
    const char* pattern;
    const char* expected;
};

void PrintTo(const PatternCase& c, std::ostream* os) {
    *os << c.value << " under \"" << c.pattern << "\"";
}

class DisplayPattern : public testing::TestWithParam<PatternCase> {};

TEST_P(DisplayPattern, ShowsTheValueAsTheTableSays) {
    const PatternCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected)
        << c.value << " under \"" << c.pattern << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    EveryPatternInUse, DisplayPattern,
    testing::Values(
        PatternCase{1250, "#######", "1250"}, PatternCase{0.3, "#######", ""},
        PatternCase{1328.125, "########", "1328"}, PatternCase{0, "########", ""},
        PatternCase{6395.606, "########", "6396"}, PatternCase{0.4, "########", ""},
        PatternCase{123456789.2, "########", "123456789"},
        PatternCase{6328.125, "#########", "6328"}, PatternCase{4583.7, "##########", "4584"},
        PatternCase{235.49, "######", "235"}, PatternCase{0.5, "######", "1"},
        PatternCase{1, "00", "01"}, PatternCase{123, "00", "123"}, PatternCase{100, "00", "100"},
        PatternCase{7, "#00", "07"}, PatternCase{123, "#00", "123"}, PatternCase{5, "##00", "05"},
        PatternCase{1800, "##00", "1800"}, PatternCase{-2, "##00", "-02"},
        PatternCase{0, "##00", "00"}, PatternCase{12, "######0000", "0012"},
        PatternCase{0, "######0000", "0000"}, PatternCase{123456, "######0000", "123456"},
        PatternCase{7, "######0000", "0007"}, PatternCase{-990, "######0000", "-0990"},
        PatternCase{-0.3, "######0000", "0000"}, PatternCase{12.3, "##0.00##", "12.30"},
        PatternCase{0.5, "##0.00##", "0.50"}, PatternCase{9.87654, "##0.00##", "9.8765"},
        PatternCase{7, "##0.00##", "7.00"}, PatternCase{12.34567, "##0.00##", "12.3457"},
        PatternCase{12.3456, "##0.00##", "12.3456"}, PatternCase{12.3, "##0.00#", "12.30"},
        PatternCase{9.87654, "##0.00#", "9.877"}, PatternCase{12.345, "##0.00#", "12.345"},
        PatternCase{0, "##0.00#", "0.00"}, PatternCase{1234.5, "########.00", "1234.50"},
        PatternCase{0.5, "########.00", ".50"}, PatternCase{0, "########.00", ".00"},
        PatternCase{5.25, "####00.00", "05.25"}, PatternCase{123.456, "####00.00", "123.46"},
        PatternCase{0, "####00.00", "00.00"}, PatternCase{1.005, "####00.00", "01.01"},
        PatternCase{9.995, "####00.00", "10.00"}, PatternCase{-1.5, "########", "-2"},
        PatternCase{-0.4, "########", ""}, PatternCase{999.5, "######", "1000"},
        PatternCase{1e20, "########", "100000000000000000000"},
        PatternCase{1e-20, "##0.00##", "0.00"}));

TEST(DisplayPatternExtremes, NonFiniteAndHugeValuesNeverCrash) {
    EXPECT_EQ(formatNumber(std::nan(""), "########"), "NaN");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::infinity(), "##0.00#"), "Infinity");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), "00"), "-Infinity");
    const std::string largest = formatNumber(std::numeric_limits<double>::max(), "########.00");
    EXPECT_EQ(largest.size(), 309u + 3u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::denorm_min(), "####00.00"), "00.00");
}

}  // namespace
}  // namespace brisanel::numeric
