#include "calc/emi.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

namespace brisanel::calc {
namespace {

EmiOutcome run(std::string_view principal, std::string_view duration = "48",
               std::string_view start = "0", std::string_view rate = "12.50") {
    return computeEmi({principal, duration, start, rate});
}

void expectNothingWritten(const EmiOutcome& out) {
    EXPECT_TRUE(out.failed());
    EXPECT_FALSE(out.emi || out.grossInterest || out.grossRecovery || out.figures);
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
        {"1000", "12", "11", "12", "99", "190", "1190"},
        {"1000", "12", "-3", "12", "86", "35", "1035"},
        {"1000", "12", "0", "200", "198", "1373", "2373"},
        // 12.5 months sum 13 powers and grow by 1.01^12.5; half a month sums one.
        {"1000", "12.5", "0", "12", "82", "25", "1025"},
        {"1000", "0.5", "0", "12", "1005", "-498", "502"},
    };
    for (const auto& row : rows) {
        const auto out = run(row.principal, row.duration, row.start, row.rate);
        SCOPED_TRACE(testing::Message() << row.principal << ", " << row.duration << ", "
                                        << row.start << ", " << row.rate);
        EXPECT_FALSE(out.failed()) << out.message;
        EXPECT_EQ(out.emi, row.emi);
        EXPECT_EQ(out.grossInterest, row.interest);
        EXPECT_EQ(out.grossRecovery, row.recovery);
    }
}

TEST(EmiPanel, InputChecksInOrder) {
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
        EXPECT_EQ(out.ending, Ending::Refused);
        EXPECT_EQ(out.message, message);
        expectNothingWritten(out);
    }
}

TEST(EmiPanel, RunTimeFailures) {
    // Below half a month no power is summed: a silent division by zero.
    const auto tiny = run("5000", "0.3");
    EXPECT_EQ(tiny.ending, Ending::FailedSilently);
    EXPECT_TRUE(tiny.message.empty());
    EXPECT_EQ(tiny.failure, numeric::Failure::DivisionByZero);
    expectNothingWritten(tiny);

    for (const auto& out : {run("1000", "12", "40000", "12"), run("1000", "12", "32767.5", "12"),
                            run("1e400"), run("1e306", "1800", "1000", "200")}) {
        EXPECT_EQ(out.ending, Ending::Failed);
        EXPECT_EQ(out.message, messages::kCheckInput);
        EXPECT_EQ(out.failure, numeric::Failure::Overflow);
        expectNothingWritten(out);
    }
    // 1.4 months sum a single power, so E is about P and 1.4 x E is too large: only the EMI box
    // is written.
    const auto gross = run("1.5e308", "1.4", "0", "0.01");
    EXPECT_EQ(gross.message, messages::kCheckInput);
    EXPECT_TRUE(gross.emi && gross.figures);
    EXPECT_FALSE(gross.grossRecovery || gross.grossInterest);
}

TEST(EmiSchedule, FailuresKeepTheRowsAlreadyBuilt) {
    // 1801 months end on index 1800, the last entry; 1802 need index 1801.
    details::EmiFigures figures{1000, 1801, 1, 0.01, 0};
    EXPECT_FALSE(emiSchedule(figures).failed());
    EXPECT_EQ(emiSchedule(figures).rows.size(), 1801u);
    figures.months = 1802;
    const auto beyond = emiSchedule(figures);
    EXPECT_EQ(beyond.ending, Ending::Failed);
    EXPECT_EQ(beyond.message, messages::kCheckInput);
    EXPECT_EQ(beyond.failure, numeric::Failure::TableLimit);
    EXPECT_EQ(beyond.rows.size(), 1801u);
    // An overflowing balance ends the build without a message.
    const auto overflow = emiSchedule({1.7e308, 3, 1, 0.5, 0});
    EXPECT_EQ(overflow.ending, Ending::FailedSilently);
    EXPECT_EQ(overflow.failure, numeric::Failure::Overflow);
    EXPECT_EQ(details::scheduleLines(overflow.rows).size(), 1u);
}

}  // namespace
}  // namespace brisanel::calc
