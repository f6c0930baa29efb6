// Rounding under the display patterns, checked against whole-number arithmetic on values that are
// short decimals, where the value's shortest decimal form is the decimal itself. Halves (2.675,
// 1.005, 0.125) must go away from zero even where the double lies just below the half.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "numeric/display_pattern.h"

namespace brisanel::numeric {
namespace {

struct Layout {
    const char* pattern;
    std::size_t decimals;
    std::size_t minIntegerDigits;
    int optionalDecimals;  // trailing decimals dropped while they are zeros
};

// `scaled` / 10^decimals as the layout shows it, by whole-number arithmetic.
std::string expectedText(const Layout& layout, std::uint64_t scaled, bool negative) {
    std::string digits = std::to_string(scaled);
    if (digits.size() <= layout.decimals)
        digits.insert(0, layout.decimals + 1 - digits.size(), '0');
    std::string integer = digits.substr(0, digits.size() - layout.decimals);
    std::string fraction = digits.substr(digits.size() - layout.decimals);
    if (integer == "0") integer.clear();
    if (integer.size() < layout.minIntegerDigits) {
        integer.insert(0, layout.minIntegerDigits - integer.size(), '0');
    }
    for (int i = 0; i < layout.optionalDecimals && fraction.back() == '0'; ++i) fraction.pop_back();
    return (negative && scaled != 0 ? "-" : "") + integer + (layout.decimals ? "." + fraction : "");
}

// Every value (base + n) / 10^(decimals + 1) for n below `count`: one digit more than the
// pattern shows, so a tenth of them are exact halves as decimals.
void expectHalvesAwayFromZero(const Layout& layout, std::uint64_t base, std::uint64_t count) {
    double divisor = 10;
    for (std::size_t i = 0; i < layout.decimals; ++i) divisor *= 10;
    int mismatches = 0;
    for (std::uint64_t tenths = base; tenths < base + count && mismatches < 5; ++tenths) {
        const double value = static_cast<double>(tenths) / divisor;
        for (bool negative : {false, true}) {
            const std::string expected = expectedText(layout, (tenths + 5) / 10, negative);
            const std::string shown = formatNumber(negative ? -value : value, layout.pattern);
            if (shown != expected) {
                ADD_FAILURE() << (negative ? "-" : "") << tenths << "/" << divisor << " under \""
                              << layout.pattern << "\" shows " << shown << ", not " << expected;
                ++mismatches;
            }
        }
    }
}

constexpr Layout kGrowthInterest{"####00.00", 2, 2, 0};
constexpr Layout kGrowthTotal{"########.00", 2, 0, 0};
constexpr Layout kBalance{"######0000", 0, 4, 0};
constexpr Layout kInstalment{"######", 0, 0, 0};

TEST(DisplayPatternRounding, HalvesRoundAwayFromZero) {
    for (const Layout& layout : {kGrowthInterest, kGrowthTotal, kBalance, kInstalment,
                                 Layout{"##0.00##", 4, 1, 2}, Layout{"##0.00#", 3, 1, 1}}) {
        expectHalvesAwayFromZero(layout, 0, 300'000);
    }
    // Amounts near a billion (thirteen significant digits with the extra one) and near the
    // largest whole numbers that a double still holds with a half.
    expectHalvesAwayFromZero(kGrowthTotal, 1'234'567'890'000, 20'000);
    expectHalvesAwayFromZero(kGrowthInterest, 999'999'990'000, 20'000);
    expectHalvesAwayFromZero(kBalance, 4'503'599'627'370'000, 2'000);
    expectHalvesAwayFromZero(kInstalment, 9'007'199'254'740'000, 900);
}

TEST(DisplayPatternRounding, AppendingLeavesTheTextBeforeIt) {
    std::string line = "Bal.= ";
    appendNumber(line, 669.9779, "######0000");
    appendNumber(line, 2.675, "####00.00");
    appendNumber(line, -0.3, "######");
    EXPECT_EQ(line, "Bal.= 067002.68");
}

}  // namespace
}  // namespace brisanel::numeric
