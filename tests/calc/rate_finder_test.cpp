#include "calc/rate_finder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/messages.h"

namespace brisanel::calc {
namespace {

using numeric::Failure;

RateOutcome run(Period period, std::string_view duration = "24",
                std::string_view principal = "5000", std::string_view amount = "6250") {
    return findRate({principal, amount, duration, period});
}

bool nothingWritten(const RateOutcome& out) {
    return !(out.ratePerPeriod || out.annualRate || out.unitWord || out.growth);
}

TEST(RateFinder, RatesAndUnitWordUnderEveryPeriod) {
    struct Row {
        Period period;
        const char *duration, *perPeriod, *annual, *unit;
    };
    for (const Row& row : {Row{Period::Simple, "24", "12.50 %", "12.50 %", "per Annum"},
                           {Period::Yearly, "24", "11.8034 %", "11.803 %", "per Annum"},
                           {Period::HalfYearly, "24", "5.7371 %", "11.474 %", "per Half Year"},
                           {Period::Quarterly, "24", "2.8286 %", "11.314 %", "per Quarter"},
                           {Period::Monthly, "24", "0.9341 %", "11.209 %", "per Month"},
                           {Period::Daily, "730", "0.0306 %", "11.159 %", "per Day"},
                           {Period::Daily, "3", "7.7217 %", "2818.433 %", "per Day"},
                           {Period::Yearly, "24.4", "11.8034 %", "11.803 %", "per Annum"},
                           {Period::Monthly, "2.5", "11.8034 %", "141.641 %", "per Month"},
                           {Period::Monthly, "3.5", "5.7371 %", "68.846 %", "per Month"}}) {
        const auto out = run(row.period, row.duration);
        SCOPED_TRACE(testing::Message() << row.unit << " over " << row.duration);
        EXPECT_FALSE(out.failed()) << out.message;
        EXPECT_EQ(out.ratePerPeriod, row.perPeriod);
        EXPECT_EQ(out.annualRate, row.annual);
        EXPECT_EQ(out.unitWord, row.unit);
    }
    // An amount equal to the principal is accepted and earns nothing.
    for (int period = 0; period < 6; ++period) {
        const auto out = run(static_cast<Period>(period), "3", "1000", "1000");
        EXPECT_FALSE(out.failed()) << period;
        EXPECT_EQ(out.ratePerPeriod, "0.00 %") << period;
        EXPECT_EQ(out.annualRate, "0.00 %") << period;
    }
}

TEST(RateFinder, ChecksPrincipalThenAmountThenDuration) {
    const auto refusal = [](const char* principal, const char* amount, const char* duration) {
        const auto out = findRate({principal, amount, duration, Period::Monthly});
        EXPECT_EQ(out.ending, Ending::Refused);
        EXPECT_FALSE(out.failure.has_value());
        EXPECT_TRUE(nothingWritten(out));
        return out.message;
    };
    for (auto principal : {"0", "-5", "", "abc"}) {
        EXPECT_EQ(refusal(principal, "-1", "0"), messages::kPrincipalPositive) << principal;
    }
    for (auto amount : {"4999.99", "", "six"}) {
        EXPECT_EQ(refusal("5000", amount, "0"), messages::kAmountAtLeastPrincipal) << amount;
    }
    for (auto duration : {"0", "-3", "", "x", "0.4"}) {
        EXPECT_EQ(refusal("5000", "6250", duration), messages::kDurationPositive) << duration;
    }
}

TEST(RateFinder, OverflowsEndTheClickSilentlyKeepingWhatWasWritten) {
    // 40000 days, a principal beyond the double range, a growth of 1e300 to the power 12.
    for (const auto& out :
         {run(Period::Daily, "40000"), run(Period::Simple, "24", "1e400", "1e401"),
          run(Period::Yearly, "1", "1", "1e300")}) {
        EXPECT_EQ(out.ending, Ending::FailedSilently);
        EXPECT_EQ(out.failure, Failure::Overflow);
        EXPECT_TRUE(nothingWritten(out));
    }
    // The rates pass; the growth table overflows in its closing row.
    const auto table = run(Period::Yearly, "18", "1", "1e300");
    EXPECT_EQ(table.ending, Ending::FailedSilently);
    EXPECT_EQ(table.failure, Failure::Overflow);
    EXPECT_TRUE(table.ratePerPeriod && table.annualRate && table.unitWord);
    EXPECT_THAT(table.growth, testing::Optional(testing::SizeIs(2)));
}

TEST(RateFinder, AGrowthTableBeyondItsLimitKeepsTheRatesAndRows) {
    const auto beyond = run(Period::Monthly, "1801");
    EXPECT_EQ(beyond.ending, Ending::Failed);
    EXPECT_EQ(beyond.message, messages::kCheckInput);
    EXPECT_EQ(beyond.failure, Failure::TableLimit);
    EXPECT_EQ(beyond.ratePerPeriod, "0.0124 %");
    EXPECT_EQ(beyond.unitWord, "per Month");
    EXPECT_THAT(beyond.growth, testing::Optional(testing::SizeIs(1801)));
}

}  // namespace
}  // namespace brisanel::calc
