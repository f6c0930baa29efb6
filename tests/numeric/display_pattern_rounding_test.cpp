// Rounding under the display patterns, checked against whole-number arithmetic on values that are
// short decimals, where the value's shortest decimal form is the decimal itself. Halves (2.675,
// 1.005, 0.125) must go away from zero even where the double lies just below the half.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "numeric/display_pattern.h"

namespace brisanel::numeric {
namespace {

// `scaled` / 10^decimals laid out with at least `minIntegerDigits` integer digits and `decimals`
// digits after the point, the last `optional` of them dropped while they are zeros.
std::string expectedText(bool negative, std::uint64_t scaled, int decimals, int minIntegerDigits,
                         int optional) {
    std::uint64_t unit = 1;
    for (int i = 0; i < decimals; ++i) unit *= 10;
    const std::uint64_t whole = scaled / unit;
    std::string fraction = decimals == 0 ? "" : std::to_string(scaled % unit);
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    for (int i = 0; i < optional && !fraction.empty() && fraction.back() == '0'; ++i) {
        fraction.pop_back();
    }
    std::string integer = whole == 0 ? "" : std::to_string(whole);
    if (integer.size() < static_cast<std::size_t>(minIntegerDigits)) {
        integer.insert(0, static_cast<std::size_t>(minIntegerDigits) - integer.size(), '0');
    }
    std::string text = negative && scaled != 0 ? "-" : "";
    text += integer;
    if (decimals > 0) text += "." + fraction;
    return text;
}

struct Layout {
    const char* pattern;
    int decimals;
    int minIntegerDigits;
    int optionalDecimals;
};

// Every value base + n / 10^(decimals + 1) for n in [0, count): one digit more than the pattern
// shows, so a fifth of them are exact halves as decimals.
void expectHalvesAwayFromZero(const Layout& layout, std::uint64_t base, std::uint64_t count) {
    double divisor = 10;
    for (int i = 0; i < layout.decimals; ++i) divisor *= 10;
    int mismatches = 0;
    for (std::uint64_t n = 0; n < count && mismatches < 5; ++n) {
        const std::uint64_t tenths = base + n;
        const double value = static_cast<double>(tenths) / divisor;
        const std::uint64_t rounded = (tenths + 5) / 10;
        for (bool negative : {false, true}) {
            const std::string expected =
                expectedText(negative, rounded, layout.decimals, layout.minIntegerDigits,
                             layout.optionalDecimals);
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
constexpr Layout kRatePerPeriod{"##0.00##", 4, 1, 2};
constexpr Layout kAnnualRate{"##0.00#", 3, 1, 1};
constexpr Layout kBalance{"######0000", 0, 4, 0};
constexpr Layout kInstalment{"######", 0, 0, 0};

TEST(DisplayPatternRounding, SmallAmountsRoundTheirHalvesAwayFromZero) {
    for (const Layout& layout :
         {kGrowthInterest, kGrowthTotal, kRatePerPeriod, kAnnualRate, kBalance, kInstalment}) {
        expectHalvesAwayFromZero(layout, 0, 300'000);
    }
}

TEST(DisplayPatternRounding, LargeAmountsRoundTheirHalvesAwayFromZero) {
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
