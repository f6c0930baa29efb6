// The lender's amounts: whole cents, instalment rounding, balloons, interest-only periods and
// accelerated payments, against figures published by others and worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "plan/cents.h"
#include "plan/plan.h"
#include "plan/year_summary.h"

namespace brisanel::plan {
namespace {

std::string shown(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

ScheduleOptions inCents(InstalmentRule rule = InstalmentRule::Nearest) {
    ScheduleOptions options;
    options.rounding = Rounding::Cent;
    options.instalmentRule = rule;
    return options;
}

PlanResult planOf(LoanTexts loan, ScheduleOptions options, std::vector<Event> events = {},
                  Policy policy = Policy::KeepInstalment) {
    PlanInputs inputs{std::move(loan), std::move(events), policy};
    inputs.schedule = options;
    const PlanOutcome out = computePlan(inputs);
    EXPECT_TRUE(out.result) << out.message;
    return out.result.value_or(PlanResult{});
}

LoanTexts term(const char* principal, const char* rate, const char* months) {
    return {principal, rate, "0", months, std::nullopt};
}

TEST(WholeCents, PublishedInstalmentsComeOutToTheCent) {
    struct Case {
        const char* principal;
        const char* rate;
        const char* months;
        InstalmentRule rule;
        const char* instalment;
    };
    const std::vector<Case> cases = {
        {"18800", "9", "48", InstalmentRule::Nearest, "467.84"},        // a central bank's example
        {"162000", "3.875", "360", InstalmentRule::Nearest, "761.78"},  // a sample disclosure
        {"25000", "5.5", "60", InstalmentRule::Nearest, "477.53"},      // a finance program's
        {"100000", "9.99", "36", InstalmentRule::Unit, "3227.00"},      // a lending engine's
        {"100000", "9.99", "36", InstalmentRule::Up, "3226.25"},        // 3226.2492 up
    };
    for (const Case& c : cases) {
        const PlanResult result = planOf(term(c.principal, c.rate, c.months), inCents(c.rule));
        EXPECT_EQ(shown(result.base.totals.firstInstalment), c.instalment) << c.principal;
        EXPECT_EQ(result.base.totals.endMonth, std::atoi(c.months)) << c.principal;
    }
    const PlanRow first = planOf(term("18800", "9", "48"), inCents()).plan.rows.front();
    EXPECT_EQ(shown(first.interest), "141.00");
    EXPECT_EQ(shown(first.principalRepaid), "326.84");
}

TEST(WholeCents, InterestIsTheExactProductRoundedHalfUp) {
    // 1020.00 at 4.1 % a month is 348.5 cents exactly; the binary product is 348.4999…
    const PlanResult result = planOf(term("1020", "4.1", "12"), inCents());
    EXPECT_EQ(shown(result.plan.rows.front().interest), "3.49");
    // Amounts given are rounded half up from their decimals: 1.005 is 1.01, not 1.00.
    EXPECT_EQ(centsOf(1.005), 101);
    EXPECT_EQ(centsOf(0.125), 13);
    EXPECT_EQ(centsOf(2.675), 268);
    // A period's share of a year in whole numbers: 31 days of 365 at 6 % on 300 000.00.
    EXPECT_EQ(interestCents(30'000'000, shortestDecimal(6), {31, 365}), 152877);
    // Beyond 128 bits too: 2^126 at these rates is a hair above and below half a cent, too near
    // for doubles to tell, so the product is worked out in whole numbers of any size.
    EXPECT_EQ(interestCents(0x1p126, shortestDecimal(5.877471754111438e-37), {1, 1}), 1);
    EXPECT_EQ(interestCents(0x1p126, shortestDecimal(5.877471754111437e-37), {1, 1}), 0);
}

TEST(WholeCents, InstalmentRulesRoundAWorkedOutInstalment) {
    EXPECT_EQ(roundInstalment(46783.5, InstalmentRule::Nearest), 46784);
    EXPECT_EQ(roundInstalment(46783.49, InstalmentRule::Nearest), 46783);
    EXPECT_EQ(roundInstalment(46783.01, InstalmentRule::Up), 46784);
    EXPECT_EQ(roundInstalment(438484, InstalmentRule::Unit), 438500);
    // Binary noise within a millionth of a cent of a whole cent adds nothing.
    EXPECT_EQ(roundInstalment(46783.0000000001, InstalmentRule::Up), 46783);
    EXPECT_EQ(roundInstalment(322700.0000000002, InstalmentRule::Unit), 322700);
}

TEST(WholeCents, EveryRowAddsUpAndTheTermsLastPaymentTakesUpTheCents) {
    // 10 000 at 7 % over 36 months: 308.7712 pays 308.77, and month 36 takes up four cents.
    const PlanResult down = planOf(term("10000", "7", "36"), inCents());
    EXPECT_EQ(shown(down.plan.totals.firstInstalment), "308.77");
    EXPECT_EQ(shown(down.plan.totals.lastInstalment), "308.81");
    EXPECT_EQ(down.plan.totals.endMonth, 36);
    // With extras and a rate change every figure stays whole cents and each row adds up.
    const PlanResult busy =
        planOf(term("10000.004", "7", "36"), inCents(),
               {{EventKind::MonthlyExtra, 33.333, 3, 20}, {EventKind::RateChange, 7.35, 10}},
               Policy::KeepEndMonth);
    EXPECT_EQ(busy.plan.rows.front().openingBalance, 10000);
    for (const PlanRow& row : busy.plan.rows) {
        const auto cents = [](double amount) {
            EXPECT_EQ(std::round(amount * 100) / 100, amount);
            return std::llround(amount * 100);
        };
        EXPECT_EQ(cents(row.openingBalance) + cents(row.interest),
                  cents(row.instalment) + cents(row.extra) + cents(row.closingBalance))
            << row.month;
        EXPECT_EQ(cents(row.principalRepaid) + cents(row.interest),
                  cents(row.instalment) + cents(row.extra))
            << row.month;
    }
    EXPECT_EQ(shown(busy.plan.rows[3].extra), "33.33");
    EXPECT_EQ(busy.plan.totals.endMonth, 36);
    // The years add up in cents to the totals, to the last cent: 12 x 308.77 in the first.
    const YearRows years = yearSummary(down);
    EXPECT_EQ(shown(years.front().instalments), "3705.24");
    double interest = 0;
    for (const YearRow& year : years) interest += year.interest;
    EXPECT_EQ(shown(interest), shown(down.plan.totals.interest));
    EXPECT_EQ(years.back().cumulativeInterest, down.plan.totals.interest);
    EXPECT_EQ(shown(down.plan.totals.paid), shown(35 * 308.77 + 308.81));
}

TEST(LenderInstalments, ABalloonIsLeftByTheInstalmentAndPaidWithTheLast) {
    // 20 000 at 6 % over 36 months leaving 5000: (20000 - 5000 x 1.005^-36) x 0.005 /
    // (1 - 1.005^-36) = 481.32906.
    ScheduleOptions options;
    options.balloon = 5000;
    const PlanResult exact = planOf(term("20000", "6", "36"), options);
    EXPECT_NEAR(exact.plan.totals.firstInstalment, 481.32906, 1e-5);
    EXPECT_NEAR(exact.plan.totals.lastInstalment, 5000 + exact.plan.totals.firstInstalment, 1e-6);
    EXPECT_EQ(exact.plan.totals.endMonth, 36);
    // Kept to the end month, an extra lowers the instalment, which still leaves the balloon.
    const PlanResult lower = planOf(term("20000", "6", "36"), options,
                                    {{EventKind::OneTimeExtra, 2000, 12}}, Policy::KeepEndMonth);
    EXPECT_LT(lower.plan.rows[12].instalment, exact.plan.totals.firstInstalment - 50);
    EXPECT_EQ(lower.plan.totals.endMonth, 36);
    EXPECT_GT(lower.plan.totals.lastInstalment, 5000);
}

TEST(LenderInstalments, InterestOnlyPeriodsThenTheInstalmentOfTheRestOfTheTerm) {
    // 10 000 at 12 % over 12 months, the first 3 interest only: 100.00 each, then
    // 10000 x 0.01 / (1 - 1.01^-9) = 1167.40.
    ScheduleOptions options = inCents();
    options.interestOnly = 3;
    const PlanResult result = planOf(term("10000", "12", "12"), options);
    for (int month = 0; month < 3; ++month) {
        EXPECT_EQ(shown(result.plan.rows[month].instalment), "100.00");
        EXPECT_EQ(result.plan.rows[month].closingBalance, 10000);
    }
    EXPECT_EQ(shown(result.plan.rows[3].instalment), "1167.40");
    EXPECT_EQ(result.plan.totals.endMonth, 12);
    EXPECT_FALSE(result.warning());
    // An extra in those months is paid, and the instalment after them repays what is left:
    // 9000 x 0.01 / (1 - 1.01^-9) = 1050.66, whatever the policy.
    for (Policy policy : {Policy::KeepInstalment, Policy::KeepEndMonth}) {
        const PlanResult extra = planOf(term("10000", "12", "12"), options,
                                        {{EventKind::OneTimeExtra, 1000, 2}}, policy);
        EXPECT_EQ(shown(extra.plan.rows[2].instalment), "90.00");
        EXPECT_EQ(shown(extra.plan.rows[3].instalment), "1050.66");
    }
}

TEST(LenderInstalments, AcceleratedFortnightlyPaysHalfTheMonthlyInstalment) {
    // 100 000 at 6 % over 360 months pays 599.55 a month; half of it every fortnight at
    // 6 / 2600 a fortnight repays the loan in -ln(1 - P r / E) / ln(1 + r) = 637.25, so in
    // 638 fortnights.
    ScheduleOptions options = inCents();
    options.frequency = Frequency::Fortnightly;
    options.accelerated = true;
    const PlanResult result = planOf(term("100000", "6", "360"), options);
    EXPECT_EQ(shown(result.plan.totals.firstInstalment), "299.78");
    EXPECT_EQ(result.plan.totals.endMonth, 638);
    EXPECT_EQ(shown(result.plan.rows.front().interest), "230.77");
}

TEST(LenderInstalments, OptionsThatCannotHoldAreRefused) {
    const auto refusal = [](LoanTexts loan, ScheduleOptions options,
                            std::vector<Event> events = {}) {
        PlanInputs inputs{std::move(loan), std::move(events)};
        inputs.schedule = options;
        const PlanOutcome out = computePlan(inputs);
        EXPECT_EQ(out.ending, calc::Ending::Refused);
        return out.message;
    };
    ScheduleOptions accelerated;
    accelerated.accelerated = true;
    accelerated.frequency = Frequency::Weekly;
    EXPECT_EQ(refusal({"1000", "12", "2", "12", std::nullopt}, accelerated),
              "Accelerated payments start with no delay.");
    accelerated.frequency = Frequency::Quarterly;
    EXPECT_EQ(refusal(term("1000", "12", "12"), accelerated),
              "Accelerated payments are fortnightly or weekly.");
    ScheduleOptions balloon;
    balloon.balloon = 0;
    EXPECT_EQ(refusal(term("1000", "12", "12"), balloon),
              "The balloon must be above 0 and less than the principal, 1000.00.");
    // The principal grown over two waiting months at 1 %: 1020.10.
    balloon.balloon = 1100;
    EXPECT_EQ(refusal({"1000", "12", "2", "12", std::nullopt}, balloon),
              "The balloon must be above 0 and less than the principal at the first instalment, "
              "1020.10.");
    ScheduleOptions interestOnly;
    interestOnly.interestOnly = -1;
    EXPECT_EQ(refusal(term("1000", "12", "12"), interestOnly),
              "The interest-only periods must be from 0 to 11, fewer than the term.");
    EXPECT_EQ(refusal({"1e14", "12", "0", std::nullopt, "1e12"}, inCents()),
              "The principal must be at most 10000000000000 in whole cents.");
    // A balance that grows past the limit once the instalment stops covering its interest.
    EXPECT_EQ(refusal({"1e12", "12", "0", std::nullopt, "2e10"}, inCents(),
                      {{EventKind::RateChange, 200, 2}}),
              "In whole cents the balance passes 10000000000000 in month 17.");
}

}  // namespace
}  // namespace brisanel::plan
