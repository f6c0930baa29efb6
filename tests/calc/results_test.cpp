// Each panel's results from its input texts, exactly as the boxes show them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/emi.h"
#include "calc/interest.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"

namespace brisanel::calc {
namespace {

using Lines = details::TextLines;
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
        {Rule::Annually, "1000", "12", "200", "2000", "3000"},
        {Rule::Simple, "800", "1.5", "10", "10", "810"},  // an eighth of a year
        {Rule::Simple, "1", "1", "1", "", "1"},           // below one half: empty
        {Rule::Simple, "123456789", "24", "12.5", "30864197", "154320986"},
    };
    for (const auto& row : rows) {
        const auto out = computeInterest(row.rule, {row.principal, row.months, row.rate});
        SCOPED_TRACE(testing::Message() << static_cast<int>(row.rule) << ": " << row.principal
                                        << ", " << row.months << ", " << row.rate);
        EXPECT_EQ(out.ending, Ending::Completed);
        EXPECT_EQ(out.interest, row.interest);
        EXPECT_EQ(out.grossAmount, row.gross);
    }
}

TEST(EmiPanel, InstalmentGrossInterestAndGrossRecovery) {
    const struct {
        const char *principal, *duration, *start, *rate, *emi, *interest, *recovery;
    } rows[] = {
        {"5000", "48", "0", "12.50", "133", "1379", "6379"},
        {"1000", "3", "0", "12", "340", "20", "1020"},
        // Two waiting months grow the principal to 1020.1; the interest counts from 1000.
        {"1000", "3", "2", "12", "347", "41", "1041"},
        {"1000", "3", "soon", "12", "340", "20", "1020"},
        {"5000", "1800", "0", "12.50", "52", "88750", "93750"},
        {"1000", "12", "-3", "12", "86", "35", "1035"},
        {"1000", "12", "0", "200", "198", "1373", "2373"},
        // 12.5 months sum 13 powers and grow by 1.01^12.5; half a month sums one.
        {"1000", "12.5", "0", "12", "82", "25", "1025"},
        {"1000", "0.5", "0", "12", "1005", "-498", "502"},
    };
    for (const auto& row : rows) {
        const auto out = computeEmi({row.principal, row.duration, row.start, row.rate});
        SCOPED_TRACE(testing::Message() << row.principal << ", " << row.duration << ", "
                                        << row.start << ", " << row.rate);
        EXPECT_EQ(out.ending, Ending::Completed);
        EXPECT_EQ(out.emi, row.emi);
        EXPECT_EQ(out.grossInterest, row.interest);
        EXPECT_EQ(out.grossRecovery, row.recovery);
    }
}

TEST(RecoveryPanel, PaysUntilTheBalanceNoLongerExceedsTheInstalment) {
    const struct {
        const char *principal, *rate, *start, *emi, *months, *recovery, *interest, *lastLine;
    } rows[] = {
        {"5000", "12.50", "0", "600", "9", "5253", "253", "09.   Month 09\tBal.= 0453\t453"},
        {"1000", "12", "0", "340", "3", "1017", "17", "03.   Month 03\tBal.= 0337\t337"},
        {"1000", "12", "0", "2000", "2", "1010", "10", "02.   Month 02\tBal.= -0990\t-990"},
        // Waiting months grow the principal, yet the months count from 01; "2.5" reads as 2.
        {"1000", "12", "2.5", "340", "4", "1041", "41", "04.   Month 04\tBal.= 0021\t21"},
        // At 150 % a year 1000 grows to exactly 1125: a balance equal to the instalment is the
        // last payment, one just above it is not.
        {"1000", "150", "0", "562.5", "2", "1125", "125", "02.   Month 02\tBal.= 0563\t563"},
        {"1000", "150", "0", "562", "3", "1195", "195", "03.   Month 03\tBal.= 0071\t71"},
    };
    for (const auto& row : rows) {
        const auto out = computeRecovery({row.principal, row.rate, row.start, row.emi});
        SCOPED_TRACE(testing::Message() << row.principal << " at " << row.rate << " after "
                                        << row.start << " by " << row.emi);
        EXPECT_EQ(out.ending, Ending::Completed);
        EXPECT_EQ(out.months, row.months);
        EXPECT_EQ(out.grossRecovery, row.recovery);
        EXPECT_EQ(out.grossInterest, row.interest);
        const Lines lines = details::scheduleLines(out.rows.value_or(details::ScheduleRows{}));
        ASSERT_EQ(lines.size(), std::stoul(row.months));
        EXPECT_EQ(lines.back(), row.lastLine);
    }
}

TEST(RateFinder, RatesAndUnitWordUnderEveryPeriod) {
    const struct {
        Period period;
        const char *duration, *perPeriod, *annual, *unit, *principal = "5000";
    } rows[] = {{Period::Simple, "24", "12.50 %", "12.50 %", "per Annum"},
                {Period::Yearly, "24", "11.8034 %", "11.803 %", "per Annum"},
                {Period::HalfYearly, "24", "5.7371 %", "11.474 %", "per Half Year"},
                {Period::Quarterly, "24", "2.8286 %", "11.314 %", "per Quarter"},
                {Period::Monthly, "24", "0.9341 %", "11.209 %", "per Month"},
                {Period::Daily, "730", "0.0306 %", "11.159 %", "per Day"},
                {Period::Daily, "3", "7.7217 %", "2818.433 %", "per Day"},
                {Period::Yearly, "24.4", "11.8034 %", "11.803 %", "per Annum"},
                {Period::Monthly, "2.5", "11.8034 %", "141.641 %", "per Month"},
                {Period::Monthly, "3.5", "5.7371 %", "68.846 %", "per Month"},
                // An amount equal to the principal is accepted and earns nothing.
                {Period::Quarterly, "3", "0.00 %", "0.00 %", "per Quarter", "6250"}};
    for (const auto& row : rows) {
        const auto out = findRate({row.principal, "6250", row.duration, row.period});
        SCOPED_TRACE(testing::Message() << row.unit << " over " << row.duration);
        EXPECT_EQ(out.ending, Ending::Completed);
        EXPECT_EQ(out.ratePerPeriod, row.perPeriod);
        EXPECT_EQ(out.annualRate, row.annual);
        EXPECT_EQ(out.unitWord, row.unit);
        EXPECT_THAT(out.growth, testing::Optional(testing::Not(testing::IsEmpty())));
    }
}

}  // namespace
}  // namespace brisanel::calc
