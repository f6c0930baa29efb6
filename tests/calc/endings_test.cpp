// How each panel's calculation ends when it writes no full result: the refusals in their check
// order, and the run-time failures it reports or passes over, with what they leave written.
#include <gtest/gtest.h>

#include "calc/emi.h"
#include "calc/interest.h"
#include "calc/messages.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"

namespace brisanel::calc {
namespace {

using numeric::Failure;
namespace m = messages;

Outcome interest(InterestRule rule, const char* principal, const char* months, const char* rate) {
    const auto out = computeInterest(rule, {principal, months, rate});
    EXPECT_FALSE(out.interest || out.grossAmount);
    return out;
}
Outcome emi(const char* principal, const char* months, const char* start, const char* rate) {
    const auto out = computeEmi({principal, months, start, rate});
    EXPECT_FALSE(out.emi || out.grossInterest || out.grossRecovery || out.figures);
    return out;
}
Outcome recovery(const char* principal, const char* rate, const char* start, const char* emi) {
    const auto out = computeRecovery({principal, rate, start, emi});
    EXPECT_FALSE(out.months || out.grossRecovery || out.grossInterest);
    if (out.ending == Ending::Refused) {
        EXPECT_FALSE(out.rows.has_value());  // the list is left alone
    }
    return out;
}
Outcome rate(Period period, const char* principal, const char* amount, const char* duration) {
    const auto out = findRate({principal, amount, duration, period});
    EXPECT_FALSE(out.ratePerPeriod || out.annualRate || out.unitWord || out.growth);
    return out;
}

TEST(Endings, RefusalsInCheckOrderWriteNothing) {
    const struct {
        Outcome out;
        std::string_view message;
    } cases[] = {
        {interest(InterestRule::Monthly, "abc", "0", "0"), m::kPrincipalPositive},
        {interest(InterestRule::Daily, "1", " ", "0"), m::kMonthsPositive},
        {interest(InterestRule::Quarterly, "1", "1", "200.01"), m::kRateUpTo200},
        {emi("-5", "0", "99", "0"), m::kPrincipalPositive},
        {emi("5000", "1800.5", "0", "12"), m::kDurationUpTo1800},
        {emi("5000", "0", "40000", "0"), m::kDurationUpTo1800},
        {emi("1000", "12", "12", "0"), m::kStartBeforeEnd},
        {emi("1000", "12", "0", "twelve"), m::kRateUpTo200},
        {recovery("", "0", "-1", "0"), m::kPrincipalPositive},
        {recovery("5000", "x", "-1", "0"), m::kRateUpTo200},
        {recovery("5000", "200.5", "-1", "0"), m::kRateUpTo200},
        {recovery("5000", "12.50", "-1", "0"), m::kStartNotNegative},
        {recovery("5000", "12.50", "0", "letters"), m::kEmiPositive},
        {rate(Period::Monthly, "0", "-1", "0"), m::kPrincipalPositive},
        {rate(Period::Monthly, "5000", "4999.99", "0"), m::kAmountAtLeastPrincipal},
        {rate(Period::Monthly, "5000", "6250", "0.4"), m::kDurationPositive},
    };
    for (const auto& [out, message] : cases) {
        EXPECT_EQ(out.ending, Ending::Refused) << message;
        EXPECT_EQ(out.message, message);
        EXPECT_FALSE(out.failure.has_value()) << message;
    }
}

TEST(Endings, RunTimeFailuresAreReportedOrPassedOverAsEachPanelDoes) {
    const struct {
        Outcome out;
        Ending ending;
        Failure failure;
        std::string_view message;
    } cases[] = {
        // Daily compounding over millions of months; a principal beyond the double range.
        {interest(InterestRule::Daily, "5000", "1e7", "200"), Ending::Failed, Failure::Overflow,
         m::kCheckInput},
        {interest(InterestRule::Simple, "1e400", "24", "12.50"), Ending::Failed, Failure::Overflow,
         m::kCheckInput},
        // Below half a month no power is summed: a division by zero that says nothing.
        {emi("5000", "0.3", "0", "12.50"), Ending::FailedSilently, Failure::DivisionByZero, {}},
        {emi("1000", "12", "32767.5", "12"), Ending::Failed, Failure::Overflow, m::kCheckInput},
        {emi("1e306", "1800", "1000", "200"), Ending::Failed, Failure::Overflow, m::kCheckInput},
        {recovery("5000", "12.50", "40000", "600"), Ending::FailedSilently, Failure::Overflow, {}},
        {recovery("1e308", "200", "0", "1"), Ending::FailedSilently, Failure::Overflow, {}},
        {rate(Period::Daily, "5000", "6250", "40000"),
         Ending::FailedSilently,
         Failure::Overflow,
         {}},
        {rate(Period::Yearly, "1", "1e300", "1"), Ending::FailedSilently, Failure::Overflow, {}},
    };
    for (const auto& [out, ending, failure, message] : cases) {
        EXPECT_EQ(out.ending, ending) << message;
        EXPECT_EQ(out.failure, failure) << message;
        EXPECT_EQ(out.message, message);
    }
}

TEST(Endings, WhatAFailureLeavesWritten) {
    // The simple rule writes the interest before it forms the gross amount.
    const auto simple = computeInterest(InterestRule::Simple, {"1e308", "12", "100"});
    EXPECT_EQ(simple.message, m::kCheckInput);
    EXPECT_TRUE(simple.interest && !simple.grossAmount);
    // 1.4 months sum a single power, so 1.4 x E is too large: only the EMI box is written.
    const auto gross = computeEmi({"1.5e308", "1.4", "0", "0.01"});
    EXPECT_EQ(gross.ending, Ending::Failed);
    EXPECT_TRUE(gross.emi && gross.figures && !gross.grossRecovery && !gross.grossInterest);
    // An instalment below the interest gives up after 1801 passes, with 1802 lines.
    const auto unpaid = computeRecovery({"5000", "12.50", "0", "50"});
    EXPECT_EQ(unpaid.ending, Ending::Failed);
    EXPECT_EQ(unpaid.message, m::kCheckRecovery);
    EXPECT_EQ(unpaid.failure, Failure::TableLimit);
    EXPECT_FALSE(unpaid.months);
    EXPECT_EQ(details::scheduleLines(*unpaid.rows).back(),
              "1802.   Month 1802\tBal.= 25493695056\t50");
    EXPECT_EQ(details::scheduleLines(*computeRecovery({"1e308", "200", "0", "1"}).rows).size(), 4u);
    // The rates pass, and the growth table overflows in its closing row or passes its limit.
    const auto closing = findRate({"1", "1e300", "18", Period::Yearly});
    EXPECT_EQ(closing.ending, Ending::FailedSilently);
    EXPECT_TRUE(closing.ratePerPeriod && closing.annualRate && closing.unitWord);
    EXPECT_EQ(closing.growth->size(), 2u);
    const auto beyond = findRate({"5000", "6250", "1801", Period::Monthly});
    EXPECT_EQ(beyond.ending, Ending::Failed);
    EXPECT_EQ(beyond.message, m::kCheckInput);
    EXPECT_EQ(beyond.failure, Failure::TableLimit);
    EXPECT_EQ(beyond.ratePerPeriod, "0.0124 %");
    EXPECT_EQ(beyond.growth->size(), 1801u);
}

TEST(Endings, ScheduleFailuresKeepTheRowsAlreadyBuilt) {
    // 1801 months end on index 1800, the last entry; 1802 need index 1801.
    details::EmiFigures figures{1000, 1801, 1, 0.01, 0};
    EXPECT_EQ(emiSchedule(figures).ending, Ending::Completed);
    figures.months = 1802;
    const auto beyond = emiSchedule(figures);
    EXPECT_EQ(beyond.ending, Ending::Failed);
    EXPECT_EQ(beyond.message, m::kCheckInput);
    EXPECT_EQ(beyond.failure, Failure::TableLimit);
    EXPECT_EQ(beyond.rows.size(), 1801u);
    // An overflowing balance ends the build without a message.
    const auto overflow = emiSchedule({1.7e308, 3, 1, 0.5, 0});
    EXPECT_EQ(overflow.ending, Ending::FailedSilently);
    EXPECT_EQ(overflow.failure, Failure::Overflow);
    EXPECT_EQ(details::scheduleLines(overflow.rows).size(), 1u);
}

}  // namespace
}  // namespace brisanel::calc
