#include "calc/recovery.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

namespace brisanel::calc {
namespace {

using Lines = details::TextLines;

Lines linesOf(const RecoveryOutcome& out) {
    return out.rows ? details::scheduleLines(*out.rows) : Lines{};
}

RecoveryOutcome run(std::string_view principal, std::string_view rate = "12.50",
                    std::string_view start = "0", std::string_view emi = "600") {
    return computeRecovery({principal, rate, start, emi});
}

void expectNoResults(const RecoveryOutcome& out) {
    EXPECT_TRUE(out.failed());
    EXPECT_FALSE(out.months || out.grossRecovery || out.grossInterest);
}

TEST(RecoveryPanel, PaysUntilTheBalanceNoLongerExceedsTheInstalment) {
    const struct {
        const char *principal, *rate, *start, *emi, *months, *recovery, *interest, *lastLine;
    } rows[] = {
        {"5000", "12.50", "0", "600", "9", "5253", "253", "09.   Month 09\tBal.= 0453\t453"},
        {"1000", "12", "0", "340", "3", "1017", "17", "03.   Month 03\tBal.= 0337\t337"},
        {"1000", "12", "0", "2000", "2", "1010", "10", "02.   Month 02\tBal.= -0990\t-990"},
        {"5000", "200", "0", "5000", "2", "5833", "833", "02.   Month 02\tBal.= 0833\t833"},
        // Waiting months grow the principal, yet the months count from 01; "2.5" reads as 2.
        {"1000", "12", "2.5", "340", "4", "1041", "41", "04.   Month 04\tBal.= 0021\t21"},
        // At 150 % a year 1000 grows to exactly 1125: a balance equal to the instalment is the
        // last payment, one just above it is not.
        {"1000", "150", "0", "562.5", "2", "1125", "125", "02.   Month 02\tBal.= 0563\t563"},
        {"1000", "150", "0", "562", "3", "1195", "195", "03.   Month 03\tBal.= 0071\t71"},
    };
    for (const auto& row : rows) {
        const auto out = run(row.principal, row.rate, row.start, row.emi);
        SCOPED_TRACE(testing::Message() << row.principal << " at " << row.rate << " after "
                                        << row.start << " by " << row.emi);
        EXPECT_FALSE(out.failed()) << out.message;
        EXPECT_EQ(out.months, row.months);
        EXPECT_EQ(out.grossRecovery, row.recovery);
        EXPECT_EQ(out.grossInterest, row.interest);
        const Lines lines = linesOf(out);
        ASSERT_EQ(lines.size(), std::stoul(row.months));
        EXPECT_EQ(lines.back(), row.lastLine);
    }
    EXPECT_EQ(linesOf(run("1000", "12", "2", "340")),
              (Lines{"01.   Month 01\tBal.= 1020\t340", "02.   Month 02\tBal.= 0690\t340",
                     "03.   Month 03\tBal.= 0357\t340", "04.   Month 04\tBal.= 0021\t21"}));
}

TEST(RecoveryPanel, InstalmentBelowTheInterestGivesUpAfter1801Passes) {
    const auto out = run("5000", "12.50", "0", "50");
    EXPECT_EQ(out.ending, Ending::Failed);
    EXPECT_EQ(out.message, messages::kCheckRecovery);
    EXPECT_EQ(out.failure, numeric::Failure::TableLimit);
    expectNoResults(out);
    const Lines lines = linesOf(out);
    ASSERT_EQ(lines.size(), 1802u);
    EXPECT_EQ(lines.back(), "1802.   Month 1802\tBal.= 25493695056\t50");
}

TEST(RecoveryPanel, InputChecksInOrderLeaveTheListAlone) {
    const struct {
        RecoveryOutcome out;
        std::string_view message;
    } cases[] = {
        {run("abc", "0", "-1", "0"), messages::kPrincipalPositive},
        {run("-5", "12"), messages::kPrincipalPositive},
        {run("5000", "200.01", "-1", "0"), messages::kRateUpTo200},
        {run("5000", "x"), messages::kRateUpTo200},
        {run("5000", "12.50", "-1", "0"), messages::kStartNotNegative},
        {run("5000", "12.50", "0", "0"), messages::kEmiPositive},
        {run("5000", "12.50", "0", "letters"), messages::kEmiPositive},
    };
    for (const auto& [out, message] : cases) {
        EXPECT_EQ(out.ending, Ending::Refused);
        EXPECT_EQ(out.message, message);
        expectNoResults(out);
        EXPECT_FALSE(out.rows.has_value());
    }
}

TEST(RecoveryPanel, OverflowEndsSilentlyKeepingTheLinesWritten) {
    const auto start = run("5000", "12.50", "40000", "600");
    EXPECT_EQ(start.ending, Ending::FailedSilently);
    EXPECT_TRUE(start.message.empty());
    EXPECT_EQ(start.failure, numeric::Failure::Overflow);
    expectNoResults(start);
    EXPECT_FALSE(start.rows.has_value());

    const auto balance = run("1e308", "200", "0", "1");
    EXPECT_EQ(balance.ending, Ending::FailedSilently);
    EXPECT_EQ(balance.failure, numeric::Failure::Overflow);
    expectNoResults(balance);
    EXPECT_EQ(linesOf(balance).size(), 4u);
}

}  // namespace
}  // namespace brisanel::calc
