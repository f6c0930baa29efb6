// Properties that tie the panels together, checked over many generated loans: the schedule of a
// whole-number duration ends one discounted instalment short, the rate finder recovers the rate
// that the interest panel compounded, and the recovery panel repays an EMI loan in its duration.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

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
struct Generator {
    int whole(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    /// An amount between two bounds in cents, written with two decimals.
    std::string amount(int lowCents, int highCents) {
        const int cents = whole(lowCents, highCents);
        return std::to_string(cents / 100) + (cents % 100 < 10 ? ".0" : ".") +
               std::to_string(cents % 100);
    }
    std::mt19937_64 random;
};

/// The value of a shown figure, with a trailing " %" left out.
double shown(std::string text) {
    if (text.ends_with(" %")) text.resize(text.size() - 2);
    EXPECT_TRUE(text.empty() || numeric::isNumeric(text)) << "shown: \"" << text << '"';
    return numeric::readNumber(text);
}

TEST(LoanProperties, WholeNumberScheduleEndsOneDiscountedInstalmentShort) {
    Generator generate{std::mt19937_64(20240601)};
    for (int loan = 0; loan < kLoans; ++loan) {
        const std::string principal = generate.amount(10'000, 1'000'000'000);
        const std::string rate = generate.amount(25, 2400);
        const int months = generate.whole(2, 360);
        const std::string duration = std::to_string(months);
        const std::string delay = std::to_string(generate.whole(-12, std::min(24, months - 1)));
        SCOPED_TRACE(principal + " over " + duration + " months after " + delay + " at " + rate);

        const calc::EmiOutcome emi = calc::computeEmi({principal, duration, delay, rate});
        ASSERT_FALSE(emi.failed()) << emi.message;
        const details::Schedule schedule = details::buildEmiSchedule(*emi.figures);
        ASSERT_FALSE(schedule.failure);
        ASSERT_EQ(schedule.lines.size(), static_cast<std::size_t>(months));

        // The last line shows the balance that one more instalment repays, E / (1 + r) to within
        // a cent, rounded to a whole number in both of its tab-separated fields.
        const std::string last(schedule.lines.back());
        const auto tab = last.rfind('\t');
        const double balance = shown(last.substr(last.rfind("= ") + 2, tab - last.rfind("= ") - 2));
        EXPECT_NEAR(balance, emi.figures->amount / (1 + emi.figures->monthlyRate), 0.5 + 0.01);
        EXPECT_EQ(shown(last.substr(tab + 1)), balance) << last;
    }
}

TEST(LoanProperties, RateFinderRecoversTheRateThatTheInterestPanelCompounded) {
    struct Compounding {
        calc::InterestRule rule;
        calc::Period period;
        int monthsPerPeriod;  // 0 for days
        double perYear;       // periods in a year, as the rate finder counts them
        int mostPeriods;
    };
    using calc::InterestRule;
    using calc::Period;
    Generator generate{std::mt19937_64(7)};
    for (const Compounding& c : {Compounding{InterestRule::Annually, Period::Yearly, 12, 1, 40},
                                 {InterestRule::Quarterly, Period::Quarterly, 3, 4, 160},
                                 {InterestRule::Monthly, Period::Monthly, 1, 12, 1800},
                                 {InterestRule::Daily, Period::Daily, 0, 365, 1460}}) {
        for (int loan = 0; loan < kLoans / 4; ++loan) {
            // Whole principals: the amount shown is a whole number, so it never rounds below.
            const std::string principal = std::to_string(generate.whole(1000, 10'000'000));
            const std::string rate = generate.amount(25, 3600);
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
            const calc::RateOutcome found =
                calc::findRate({principal, *grown.grossAmount,
                                std::to_string(c.monthsPerPeriod ? months : periods), c.period});
            ASSERT_FALSE(found.failed()) << found.message;

            // The amount is shown to the nearest whole number; moving it by a half moves the
            // annual rate by at most a half times its derivative, 100 x perYear / (n x P).
            const double R = numeric::readNumber(rate);
            const double moved = 0.5 * 100 * c.perYear / (periods * numeric::readNumber(principal));
            EXPECT_NEAR(shown(*found.annualRate), R, 0.0005 + moved * 1.01 + 1e-9);
            EXPECT_NEAR(shown(*found.ratePerPeriod), R / c.perYear,
                        0.00005 + moved / c.perYear * 1.01 + 1e-9);
        }
    }
}

TEST(LoanProperties, RecoveryWithTheExactInstalmentTakesTheEmiDuration) {
    Generator generate{std::mt19937_64(31337)};
    for (int loan = 0; loan < kLoans; ++loan) {
        const std::string principal = generate.amount(10'000, 1'000'000'000);
        const std::string rate = generate.amount(25, 3600);
        const int months = generate.whole(2, 480);
        const std::string duration = std::to_string(months);
        const std::string delay = std::to_string(generate.whole(0, std::min(24, months - 1)));
        SCOPED_TRACE(principal + " over " + duration + " months after " + delay + " at " + rate);

        const calc::EmiOutcome emi = calc::computeEmi({principal, duration, delay, rate});
        ASSERT_FALSE(emi.failed()) << emi.message;
        char instalment[32];
        std::snprintf(instalment, sizeof instalment, "%.17g", emi.figures->amount);
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
