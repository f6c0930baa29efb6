// Properties that tie the panels together, checked over many generated loans: the schedule of a
// whole-number duration ends one discounted instalment short, the rate finder recovers the rate
// that the interest panel compounded, and the recovery panel repays an EMI loan in its duration.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

#include "calc/emi.h"
#include "calc/interest.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"
#include "details/emi_schedule.h"
#include "numeric/number_rules.h"

namespace brisanel {
namespace {

constexpr int kLoans = 2000;

/// Loan inputs as a user would type them, from a fixed seed.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : random_(seed) {}

    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    /// An amount in whole cents between `low` and `high`, written with two decimals.
    std::string amount(double low, double high) {
        const auto cents = std::uniform_int_distribution<std::int64_t>(
            std::llround(low * 100), std::llround(high * 100))(random_);
        return withDecimals(static_cast<double>(cents) / 100, 2);
    }

private:
    static std::string withDecimals(double value, int decimals) {
        char text[64];
        std::snprintf(text, sizeof text, "%.*f", decimals, value);
        return text;
    }

    std::mt19937_64 random_;
};

std::string exactly(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

/// The value of a shown figure, with a trailing " %" left out.
double shown(std::string_view text) {
    if (text.size() >= 2 && text.substr(text.size() - 2) == " %") text.remove_suffix(2);
    EXPECT_TRUE(text.empty() || numeric::isNumeric(text)) << "shown: \"" << text << '"';
    return numeric::readNumber(text);
}

/// The last two tab-separated fields of a reducing-balance line, "Bal.= " left out.
std::pair<double, double> balanceAndAmount(std::string_view line) {
    const auto second = line.rfind('\t');
    const auto first = line.rfind('\t', second - 1);
    constexpr std::string_view kBalance = "Bal.= ";
    const std::string_view balance = line.substr(first + 1 + kBalance.size(), second - first - 7);
    return {shown(balance), shown(line.substr(second + 1))};
}

TEST(LoanProperties, WholeNumberScheduleEndsOneDiscountedInstalmentShort) {
    Generator generate(20240601);
    for (int loan = 0; loan < kLoans; ++loan) {
        const std::string principal = generate.amount(100, 10'000'000);
        const std::string rate = generate.amount(0.25, 24);
        const int months = generate.whole(2, 360);
        const int start = generate.whole(-12, std::min(24, months - 1));
        const std::string duration = std::to_string(months), delay = std::to_string(start);
        SCOPED_TRACE(principal + " over " + duration + " months after " + delay + " at " + rate);

        const calc::EmiOutcome emi = calc::computeEmi({principal, duration, delay, rate});
        ASSERT_FALSE(emi.failed()) << emi.message;
        const details::Schedule schedule = details::buildEmiSchedule(*emi.figures);
        ASSERT_FALSE(schedule.failure);
        ASSERT_EQ(schedule.lines.size(), static_cast<std::size_t>(months));

        // The last balance repays with one more instalment: it is E / (1 + r) to within a cent,
        // shown rounded to a whole number in both of its fields.
        const double discounted = emi.figures->amount / (1 + emi.figures->monthlyRate);
        const auto [balance, amount] = balanceAndAmount(schedule.lines.back());
        EXPECT_NEAR(balance, discounted, 0.5 + 0.01) << schedule.lines.back();
        EXPECT_EQ(amount, balance) << schedule.lines.back();
    }
}

struct Compounding {
    calc::InterestRule rule;
    calc::Period period;
    int monthsPerPeriod;  // 0 for days
    double perYear;       // periods in a year, as the rate finder counts them
    int mostPeriods;
};

TEST(LoanProperties, RateFinderRecoversTheRateThatTheInterestPanelCompounded) {
    using calc::InterestRule;
    using calc::Period;
    Generator generate(7);
    for (const Compounding& c : {Compounding{InterestRule::Annually, Period::Yearly, 12, 1, 40},
                                 {InterestRule::Quarterly, Period::Quarterly, 3, 4, 160},
                                 {InterestRule::Monthly, Period::Monthly, 1, 12, 1800},
                                 {InterestRule::Daily, Period::Daily, 0, 365, 1460}}) {
        for (int loan = 0; loan < kLoans / 4; ++loan) {
            // Whole principals: the amount shown is a whole number, so it never rounds below.
            const std::string principal = std::to_string(generate.whole(1000, 10'000'000));
            const std::string rate = generate.amount(0.25, 36);
            // A whole number of periods; daily interest counts 365 days in 12 months.
            const int periods = c.monthsPerPeriod ? generate.whole(1, c.mostPeriods)
                                                  : 365 * generate.whole(1, c.mostPeriods / 365);
            const int months = c.monthsPerPeriod ? periods * c.monthsPerPeriod : periods / 365 * 12;
            SCOPED_TRACE(principal + " at " + rate + " over " + std::to_string(periods) + " " +
                         std::string(calc::kPeriodItems[static_cast<std::size_t>(c.period)]));

            const calc::InterestOutcome grown =
                calc::computeInterest(c.rule, {principal, std::to_string(months), rate});
            ASSERT_FALSE(grown.failed()) << grown.message;
            // The rate finder counts its duration in months, or in days when daily.
            const int duration = c.monthsPerPeriod ? months : periods;
            const calc::RateOutcome found =
                calc::findRate({principal, *grown.grossAmount, std::to_string(duration), c.period});
            ASSERT_FALSE(found.failed()) << found.message;

            // The amount is shown to the nearest whole number; moving it by a half moves the
            // annual rate by at most a half times its derivative, 100 x perYear / (n x P).
            const double P = numeric::readNumber(principal);
            const double R = numeric::readNumber(rate);
            const double moved = 0.5 * 100 * c.perYear / (periods * P);
            EXPECT_NEAR(shown(*found.annualRate), R, 0.0005 + moved * 1.01 + 1e-9);
            EXPECT_NEAR(shown(*found.ratePerPeriod), R / c.perYear,
                        0.00005 + moved / c.perYear * 1.01 + 1e-9);
        }
    }
}

TEST(LoanProperties, RecoveryWithTheExactInstalmentTakesTheEmiDuration) {
    Generator generate(31337);
    for (int loan = 0; loan < kLoans; ++loan) {
        const std::string principal = generate.amount(100, 10'000'000);
        const std::string rate = generate.amount(0.25, 36);
        const int months = generate.whole(2, 480);
        const std::string delay = std::to_string(generate.whole(0, std::min(24, months - 1)));
        const std::string duration = std::to_string(months);
        SCOPED_TRACE(principal + " over " + duration + " months after " + delay + " at " + rate);

        const calc::EmiOutcome emi = calc::computeEmi({principal, duration, delay, rate});
        ASSERT_FALSE(emi.failed()) << emi.message;
        const std::string instalment = exactly(emi.figures->amount);
        const calc::RecoveryOutcome recovery =
            calc::computeRecovery({principal, rate, delay, instalment});
        ASSERT_FALSE(recovery.failed()) << recovery.message;

        const int taken = std::stoi(*recovery.months);
        EXPECT_LE(std::abs(taken - months), 1) << "instalment " << instalment;
        EXPECT_EQ(recovery.lines->size(), static_cast<std::size_t>(taken));
    }
}

}  // namespace
}  // namespace brisanel
