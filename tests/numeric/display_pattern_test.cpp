#include "numeric/display_pattern.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>

namespace brisanel::numeric {
namespace {

void expectShown(const char* pattern, std::initializer_list<std::pair<double, const char*>> rows) {
    for (const auto& [value, expected] : rows) {
        EXPECT_EQ(formatNumber(value, pattern), expected) << value << " under \"" << pattern << '"';
    }
}

// clang-format off
TEST(DisplayPattern, WholeNumbersUnderOptionalDigits) {
    expectShown("#######", {{1250, "1250"}, {0.3, ""}});
    expectShown("########", {{1328.125, "1328"}, {0, ""}, {6395.606, "6396"}, {0.4, ""},
                             {123456789.2, "123456789"}, {-1.5, "-2"}, {-0.4, ""},
                             {1e20, "100000000000000000000"}});
    expectShown("#########", {{6328.125, "6328"}});
    expectShown("##########", {{4583.7, "4584"}});
    expectShown("######", {{235.49, "235"}, {0.5, "1"}, {999.5, "1000"}});
}

TEST(DisplayPattern, ZeroPlaceholdersPadWithoutCutting) {
    expectShown("00", {{1, "01"}, {123, "123"}, {100, "100"}});
    expectShown("#00", {{7, "07"}, {123, "123"}});
    expectShown("##00", {{5, "05"}, {1800, "1800"}, {-2, "-02"}, {0, "00"}});
    expectShown("######0000", {{12, "0012"}, {0, "0000"}, {123456, "123456"}, {7, "0007"},
                               {-990, "-0990"}, {-0.3, "0000"}});
}

TEST(DisplayPattern, Decimals) {
    expectShown("##0.00##", {{12.3, "12.30"}, {0.5, "0.50"}, {9.87654, "9.8765"}, {7, "7.00"},
                             {12.34567, "12.3457"}, {12.3456, "12.3456"}, {1e-20, "0.00"}});
    expectShown("##0.00#", {{12.3, "12.30"}, {9.87654, "9.877"}, {12.345, "12.345"}, {0, "0.00"},
                            {0.0125, "0.013"}, {-1.0005, "-1.001"}});
    expectShown("########.00", {{1234.5, "1234.50"}, {0.5, ".50"}, {0, ".00"}});
    // Rounding works on the shortest decimal form, so 1.005 rounds up.
    // Halves whose doubles lie just below them still round up, as far as a double holds a half.
    expectShown("######0000", {{4503599627370495.5, "4503599627370496"}, {2.5, "0003"},
                               {-2.5, "-0003"}});
    expectShown("########.00", {{12345678901.235, "12345678901.24"}, {0.125, ".13"}});
    expectShown("####00.00", {{5.25, "05.25"}, {123.456, "123.46"}, {0, "00.00"},
                              {2.675, "02.68"}, {-2.675, "-02.68"}, {999999999.995, "1000000000.00"},
                              {1.005, "01.01"}, {9.995, "10.00"}});
}
// clang-format on

TEST(DisplayPattern, NonFiniteAndExtremeValuesNeverCrash) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(formatNumber(std::nan(""), "########"), "NaN");
    EXPECT_EQ(formatNumber(kInfinity, "##0.00#"), "Infinity");
    EXPECT_EQ(formatNumber(-kInfinity, "00"), "-Infinity");
    const std::string largest = formatNumber(std::numeric_limits<double>::max(), "########.00");
    EXPECT_EQ(largest.size(), 309u + 3u);
    EXPECT_EQ(largest.substr(0, 6), "179769");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::denorm_min(), "####00.00"), "00.00");
}

}  // namespace
}  // namespace brisanel::numeric
