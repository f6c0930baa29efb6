#include "calc/emi.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/messages.h"

namespace brisanel::calc {
namespace {

EmiOutcome run(std::string_view principal = "5000", std::string_view duration = "48",
               std::string_view start = "0", std::string_view rate = "12.50") {
    return computeEmi({principal, duration, start, rate});
}

void expectResults(const EmiOutcome& out, const char* emi, const char* interest,
                   const char* recovery) {
    EXPECT_FALSE(out.failed()) << out.message;
    EXPECT_EQ(out.emi, emi);
    EXPECT_EQ(out.grossInterest, interest);
    EXPECT_EQ(out.grossRecovery, recovery);
}

void expectNothingWritten(const EmiOutcome& out) {
    EXPECT_TRUE(out.failed());
    EXPECT_FALSE(out.emi || out.grossInterest || out.grossRecovery || out.figures);
}

TEST(EmiPanel, Results) {
    expectResults(run(), "133", "1379", "6379");
    expectResults(run("1000", "3", "0", "12"), "340", "20", "1020");
    // Two waiting months grow the principal to 1020.1; the interest counts from 1000.
    const auto delayed = run("1000", "3", "2", "12");
    expectResults(delayed, "347", "41", "1041");
    ASSERT_TRUE(delayed.figures);
    EXPECT_DOUBLE_EQ(delayed.figures->principal, 1020.1);
    EXPECT_NEAR(delayed.figures->amount, 346.8566, 1e-4);
    EXPECT_EQ(delayed.figures->startDelay, 2);
    // A start in letters reads as 0; a negative one discounts the principal.
    expectResults(run("1000", "3", "soon", "12"), "340", "20", "1020");
    EXPECT_NEAR(run("1000", "12", "-3", "12").figures->principal, 1000 / std::pow(1.01, 3), 1e-9);
}

TEST(EmiPanel, FractionalDurationsSumPowersUpToTheRoundedDuration) {
    EXPECT_DOUBLE_EQ(run("1000", "0.5", "0", "12").figures->amount, 1000 * std::sqrt(1.01));
    double terms = 0;
    for (int i = 0; i <= 12; ++i) terms += std::pow(1.01, i);
    EXPECT_NEAR(run("1000", "12.5", "0", "12").figures->amount, 1000 * std::pow(1.01, 12.5) / terms,
                1e-9);

    // Below half a month no term is summed: a silent division by zero.
    const auto tiny = run("5000", "0.3");
    EXPECT_TRUE(tiny.message.empty());
    EXPECT_EQ(tiny.failure, numeric::Failure::DivisionByZero);
    expectNothingWritten(tiny);
}

TEST(EmiPanel, InputChecksInOrder) {
    EXPECT_FALSE(run("5000", "1800").failed());
    EXPECT_FALSE(run("1000", "12", "11", "12").failed());
    EXPECT_FALSE(run("1000", "12", "0", "200").failed());
    const struct {
        EmiOutcome out;
        std::string_view message;
    } cases[] = {
        {run("abc", "0", "99", "0"), messages::kPrincipalPositive},
        {run("5000", "1800.5"), messages::kDurationUpTo1800},
        {run("5000", "0", "40000", "0"), messages::kDurationUpTo1800},
        {run("5000", "-12"), messages::kDurationUpTo1800},
        {run("1000", "12", "12", "0"), messages::kStartBeforeEnd},
        {run("1000", "12.5", "13"), messages::kStartBeforeEnd},
        {run("1000", "12", "0", "200.01"), messages::kRateUpTo200},
        {run("1000", "12", "0", "0"), messages::kRateUpTo200},
        {run("1000", "12", "0", "twelve"), messages::kRateUpTo200},
    };
    for (const auto& [out, message] : cases) {
        EXPECT_EQ(out.message, message);
        expectNothingWritten(out);
    }
}

TEST(EmiPanel, OverflowShowsTheCheckMessage) {
    for (const auto& out : {run("1000", "12", "40000", "12"), run("1000", "12", "32767.5", "12"),
                            run("1e400"), run("1e306", "1800", "1000", "200")}) {
        EXPECT_EQ(out.message, messages::kCheckInput);
        EXPECT_EQ(out.failure, numeric::Failure::Overflow);
        expectNothingWritten(out);
    }
    // 1.4 months sum a single term, so E is about P and 1.4 x E is too large: only the EMI box
    // is written.
    const auto gross = run("1.5e308", "1.4", "0", "0.01");
    EXPECT_EQ(gross.message, messages::kCheckInput);
    EXPECT_TRUE(gross.emi && gross.figures);
    EXPECT_FALSE(gross.grossRecovery || gross.grossInterest);
}

}  // namespace
}  // namespace brisanel::calc
