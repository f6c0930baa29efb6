#include "calc/recovery.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

namespace brisanel::calc {
namespace {

using Lines = std::vector<std::string>;

RecoveryOutcome run(std::string_view principal = "5000", std::string_view rate = "12.50",
                    std::string_view start = "0", std::string_view emi = "600") {
    return computeRecovery({principal, rate, start, emi});
}

void expectResults(const RecoveryOutcome& out, const char* months, const char* recovery,
                   const char* interest) {
    EXPECT_FALSE(out.failed()) << out.message;
    EXPECT_EQ(out.months, months);
    EXPECT_EQ(out.grossRecovery, recovery);
    EXPECT_EQ(out.grossInterest, interest);
}

void expectNoResults(const RecoveryOutcome& out) {
    EXPECT_TRUE(out.failed());
    EXPECT_FALSE(out.months || out.grossRecovery || out.grossInterest);
}

TEST(RecoveryPanel, PaysUntilTheBalanceNoLongerExceedsTheInstalment) {
    const auto start = run();
    expectResults(start, "9", "5253", "253");
    ASSERT_EQ(start.lines.value_or(Lines{}).size(), 9u);
    EXPECT_EQ(start.lines->back(), "09.   Month 09\tBal.= 0453\t453");

    const auto small = run("1000", "12", "0", "340");
    expectResults(small, "3", "1017", "17");
    EXPECT_EQ(small.lines,
              (Lines{"01.   Month 01\tBal.= 1000\t340", "02.   Month 02\tBal.= 0670\t340",
                     "03.   Month 03\tBal.= 0337\t337"}));

    // Waiting months grow the principal but the months still count from 01; "2.5" reads as 2.
    const auto delayed = run("1000", "12", "2.5", "340");
    expectResults(delayed, "4", "1041", "41");
    EXPECT_EQ(delayed.lines,
              (Lines{"01.   Month 01\tBal.= 1020\t340", "02.   Month 02\tBal.= 0690\t340",
                     "03.   Month 03\tBal.= 0357\t340", "04.   Month 04\tBal.= 0021\t21"}));

    const auto overpaid = run("1000", "12", "0", "2000");
    expectResults(overpaid, "2", "1010", "10");
    EXPECT_EQ(overpaid.lines->back(), "02.   Month 02\tBal.= -0990\t-990");
}

TEST(RecoveryPanel, BalanceEqualToTheInstalmentIsTheLastPayment) {
    // At 150 % a year r = 0.125 and 1000 grows to exactly 1125.
    const auto equal = run("1000", "150", "0", "562.5");
    expectResults(equal, "2", "1125", "125");
    EXPECT_EQ(equal.lines->back(), "02.   Month 02\tBal.= 0563\t563");
    expectResults(run("1000", "150", "0", "562"), "3", "1195", "195");
}

TEST(RecoveryPanel, InstalmentBelowTheInterestGivesUpAfter1801Passes) {
    const auto out = run("5000", "12.50", "0", "50");
    EXPECT_EQ(out.message, messages::kCheckRecovery);
    EXPECT_EQ(out.failure, numeric::Failure::TableLimit);
    expectNoResults(out);
    ASSERT_EQ(out.lines.value_or(Lines{}).size(), 1802u);
    EXPECT_EQ(out.lines->back().substr(0, 18), "1802.   Month 1802");
    EXPECT_EQ(out.lines->back().substr(out.lines->back().rfind('\t')), "\t50");
}

TEST(RecoveryPanel, InputChecksInOrderLeaveTheListAlone) {
    EXPECT_FALSE(run("5000", "200", "0", "5000").failed());
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
        EXPECT_EQ(out.message, message);
        expectNoResults(out);
        EXPECT_FALSE(out.lines.has_value());
    }
}

TEST(RecoveryPanel, OverflowEndsSilently) {
    const auto start = run("5000", "12.50", "40000", "600");
    EXPECT_TRUE(start.message.empty());
    EXPECT_EQ(start.failure, numeric::Failure::Overflow);
    expectNoResults(start);
    EXPECT_FALSE(start.lines.has_value());

    // A balance growing past the double range keeps the lines written before it.
    const auto balance = run("1e308", "200", "0", "1");
    EXPECT_TRUE(balance.message.empty());
    EXPECT_EQ(balance.failure, numeric::Failure::Overflow);
    expectNoResults(balance);
    EXPECT_EQ(balance.lines.value_or(Lines{}).size(), 4u);
}

}  // namespace
}  // namespace brisanel::calc
