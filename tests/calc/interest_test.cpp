#include "calc/interest.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

namespace brisanel::calc {
namespace {

InterestOutcome run(InterestRule rule, std::string_view principal = "5000",
                    std::string_view months = "24", std::string_view rate = "12.50") {
    return computeInterest(rule, {principal, months, rate});
}

void expectResults(const InterestOutcome& out, const char* interest, const char* gross) {
    EXPECT_FALSE(out.failed()) << out.message;
    EXPECT_EQ(out.interest, interest);
    EXPECT_EQ(out.grossAmount, gross);
}

TEST(InterestPanel, StartTextsUnderEveryRule) {
    expectResults(run(InterestRule::Simple), "1250", "6250");
    expectResults(run(InterestRule::Annually), "1328", "6328");
    expectResults(run(InterestRule::Quarterly), "1396", "6396");
    expectResults(run(InterestRule::Monthly), "1412", "6412");
    expectResults(run(InterestRule::Daily), "1420", "6420");
}

TEST(InterestPanel, RateOf200IsTheLastAccepted) {
    expectResults(run(InterestRule::Simple, "1000", "12", "200"), "2000", "3000");
    expectResults(run(InterestRule::Annually, "1000", "12", "200"), "2000", "3000");
    EXPECT_EQ(run(InterestRule::Simple, "1000", "12", "200.01").message, messages::kRateUpTo200);
}

TEST(InterestPanel, ChecksPrincipalThenMonthsThenRate) {
    for (auto principal : {"0", "-5", "", "abc"}) {
        const auto out = run(InterestRule::Monthly, principal, "0", "0");
        EXPECT_EQ(out.message, messages::kPrincipalPositive) << principal;
        EXPECT_FALSE(out.interest || out.grossAmount);
    }
    for (auto months : {"0", "-1", " ", "x"}) {
        EXPECT_EQ(run(InterestRule::Daily, "1", months, "0").message, messages::kMonthsPositive);
    }
    for (auto rate : {"0", "-1", "", "twelve", "200.0001"}) {
        EXPECT_EQ(run(InterestRule::Quarterly, "1", "1", rate).message, messages::kRateUpTo200);
    }
}

TEST(InterestPanel, SmallResultsShowEmptyAndLargeOnesInFull) {
    expectResults(run(InterestRule::Simple, "1", "1", "1"), "", "1");
    expectResults(run(InterestRule::Simple, "123456789", "24", "12.5"), "30864197", "154320986");
    // An eighth of a year.
    expectResults(run(InterestRule::Simple, "800", "1.5", "10"), "10", "810");
}

TEST(InterestPanel, OverflowEndsTheClickWithTheCheckMessage) {
    const auto daily = run(InterestRule::Daily, "5000", "1e7", "200");
    EXPECT_EQ(daily.failure, numeric::Failure::Overflow);
    EXPECT_EQ(daily.message, messages::kCheckInput);
    EXPECT_FALSE(daily.interest || daily.grossAmount);

    EXPECT_EQ(run(InterestRule::Simple, "1e400").message, messages::kCheckInput);

    // The simple rule writes the interest before it forms the gross amount.
    const auto simple = run(InterestRule::Simple, "1e308", "12", "100");
    EXPECT_EQ(simple.failure, numeric::Failure::Overflow);
    EXPECT_TRUE(simple.interest.has_value());
    EXPECT_FALSE(simple.grossAmount.has_value());
}

}  // namespace
}  // namespace brisanel::calc
