#include "calc/interest.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

namespace brisanel::calc {
namespace {

using Rule = InterestRule;

TEST(InterestPanel, ResultsUnderEveryRule) {
    const struct {
        Rule rule;
        const char *principal, *months, *rate, *interest, *gross;
    } rows[] = {
        {Rule::Simple, "5000", "24", "12.50", "1250", "6250"},
        {Rule::Annually, "5000", "24", "12.50", "1328", "6328"},
        {Rule::Quarterly, "5000", "24", "12.50", "1396", "6396"},
        {Rule::Monthly, "5000", "24", "12.50", "1412", "6412"},
        {Rule::Daily, "5000", "24", "12.50", "1420", "6420"},
        {Rule::Simple, "1000", "12", "200", "2000", "3000"},
        {Rule::Annually, "1000", "12", "200", "2000", "3000"},
        {Rule::Simple, "800", "1.5", "10", "10", "810"},  // an eighth of a year
        {Rule::Simple, "1", "1", "1", "", "1"},           // below one half: empty
        {Rule::Simple, "123456789", "24", "12.5", "30864197", "154320986"},
    };
    for (const auto& row : rows) {
        const auto out = computeInterest(row.rule, {row.principal, row.months, row.rate});
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.rule) << ": " << row.principal
                                        << ", " << row.months << ", " << row.rate);
        EXPECT_FALSE(out.failed()) << out.message;
        EXPECT_EQ(out.interest, row.interest);
        EXPECT_EQ(out.grossAmount, row.gross);
    }
}

TEST(InterestPanel, ChecksPrincipalThenMonthsThenRate) {
    const auto refusal = [](Rule rule, const char* principal, const char* months,
                            const char* rate) {
        const auto out = computeInterest(rule, {principal, months, rate});
        EXPECT_EQ(out.ending, Ending::Refused);
        EXPECT_FALSE(out.interest || out.grossAmount || out.failure);
        return out.message;
    };
    for (auto principal : {"0", "-5", "", "abc"}) {
        EXPECT_EQ(refusal(Rule::Monthly, principal, "0", "0"), messages::kPrincipalPositive);
    }
    for (auto months : {"0", "-1", " ", "x"}) {
        EXPECT_EQ(refusal(Rule::Daily, "1", months, "0"), messages::kMonthsPositive) << months;
    }
    for (auto rate : {"0", "-1", "", "twelve", "200.01"}) {
        EXPECT_EQ(refusal(Rule::Quarterly, "1", "1", rate), messages::kRateUpTo200) << rate;
    }
}

TEST(InterestPanel, OverflowEndsTheClickWithTheCheckMessage) {
    // Daily compounding over millions of months, and a principal beyond the double range.
    for (const auto& out : {computeInterest(Rule::Daily, {"5000", "1e7", "200"}),
                            computeInterest(Rule::Simple, {"1e400", "24", "12.50"})}) {
        EXPECT_EQ(out.ending, Ending::Failed);
        EXPECT_EQ(out.failure, numeric::Failure::Overflow);
        EXPECT_EQ(out.message, messages::kCheckInput);
        EXPECT_FALSE(out.interest || out.grossAmount);
    }
    // The simple rule writes the interest before it forms the gross amount.
    const auto simple = computeInterest(Rule::Simple, {"1e308", "12", "100"});
    EXPECT_EQ(simple.message, messages::kCheckInput);
    EXPECT_TRUE(simple.interest.has_value());
    EXPECT_FALSE(simple.grossAmount.has_value());
}

}  // namespace
}  // namespace brisanel::calc
