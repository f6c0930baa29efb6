// Reducing-balance schedules: the rows of a loan, and the list lines formatted from them.
#include "details/schedule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "calc/emi.h"
#include "calc/recovery.h"

namespace brisanel::details {
namespace {

using Lines = TextLines;

ScheduleRows emiRows(std::string_view principal, std::string_view months, std::string_view start,
                     std::string_view rate = "12") {
    const auto emi = calc::computeEmi({principal, months, start, rate});
    EXPECT_TRUE(emi.figures.has_value()) << emi.message;
    ScheduleRows rows;
    appendEmiSchedule(rows, emi.figures.value_or(EmiFigures{}));
    return rows;
}

void expectNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected)));
}

// Each row pays interest + principal, closes at its opening less the principal, opens where the
// one before closed and carries the running sums; the last closes at 0 with `principal` repaid.
// Returns the sum of the instalments.
double expectRowsAddUp(const ScheduleRows& rows, double principal) {
    double interest = 0, repaid = 0, paid = 0;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        SCOPED_TRACE("row " + std::to_string(k + 1));
        expectNear(rows[k].interest + rows[k].principalRepaid, rows[k].instalment);
        expectNear(rows[k].openingBalance - rows[k].principalRepaid, rows[k].closingBalance);
        if (k > 0) {
            EXPECT_EQ(rows[k].openingBalance, rows[k - 1].closingBalance);
        }
        expectNear(rows[k].interestSoFar, interest += rows[k].interest);
        expectNear(rows[k].principalSoFar, repaid += rows[k].principalRepaid);
        EXPECT_EQ(rows[k].clearsBalance, k + 1 == rows.size());
        paid += rows[k].instalment;
    }
    EXPECT_EQ(rows.back().closingBalance, 0);
    expectNear(repaid, principal);
    return paid;
}

TEST(ScheduleLines, TheLastLineShowsTheBalanceItClearsAsItsPayment) {
    EXPECT_EQ(scheduleLines(emiRows("1000", "3", "2")),
              (Lines{"01.   Month 03\tBal.= 1020\t347", "02.   Month 04\tBal.= 0683\t347",
                     "03.   Month 05\tBal.= 0343\t343"}));
    EXPECT_EQ(scheduleLines(emiRows("1000", "1", "0")),
              (Lines{"01.   Month 01\tBal.= 1000\t1010", "02.   Month 02\tBal.= 0000\t"}));
    // Only later lines pad the balance; no field is ever cut.
    const ScheduleRow rows[] = {{.month = 1, .openingBalance = 21.4, .instalment = 5},
                                {.month = 1800, .openingBalance = 1234567.8, .instalment = 9},
                                {.month = -2, .clearsBalance = true, .openingBalance = -990}};
    EXPECT_EQ(scheduleLines(rows),
              (Lines{"01.   Month 01\tBal.= 21\t5", "02.   Month 1800\tBal.= 1234568\t9",
                     "03.   Month -02\tBal.= -0990\t-990"}));
}

TEST(EmiSchedule, LineCountAndNumbering) {
    const auto tenYears = scheduleLines(emiRows("5000", "120", "0", "12.50"));
    ASSERT_EQ(tenYears.size(), 120u);
    EXPECT_EQ(tenYears[99].substr(0, 16), "100.   Month 100");
    const auto early = scheduleLines(emiRows("1000", "12", "-3"));
    ASSERT_EQ(early.size(), 12u);
    EXPECT_EQ(early[0].substr(0, 15), "01.   Month -02");
    EXPECT_EQ(early[11].substr(0, 14), "12.   Month 09");
    // N - 2 rounds to even: 12.5 gives 10 inner lines, 13.5 gives 12; below 2 months, two lines.
    for (const auto& [months, count] : {std::pair<const char*, std::size_t>{"1800", 1800},
                                        {"12.5", 12},
                                        {"13.5", 14},
                                        {"0.5", 2}}) {
        EXPECT_EQ(emiRows("1000", months, "0").size(), count) << months;
    }
}

TEST(EmiSchedule, RowsAddUpToTheGrossRecovery) {
    // principal, months, start after, rate; a whole number of months repays N x E.
    for (const auto& [principal, months, start, rate, whole] :
         {std::tuple{"5000", "48", "0", "12.5", true},
          {"1000", "12", "-3", "12", true},
          {"250000", "1800", "0", "7", true},
          {"1000", "12.5", "0", "12", false},
          {"1000", "0.5", "-4", "12", false}}) {
        SCOPED_TRACE(std::string(principal) + " / " + months + " / " + start + " / " + rate);
        const calc::EmiOutcome out = calc::computeEmi({principal, months, start, rate});
        ASSERT_FALSE(out.failed());
        ScheduleRows rows;
        appendEmiSchedule(rows, *out.figures);
        const double paid = expectRowsAddUp(rows, out.figures->principal);
        if (whole) expectNear(paid, out.totals->grossRecovery);
    }
}

TEST(RecoverySchedule, RowsMakeTheGrossRecoveryWithoutInterestOnTheLastPayment) {
    for (const auto& [principal, rate, start, emi] : {std::tuple{"5000", "12.50", "0", "600"},
                                                      {"1000", "12", "2", "340"},
                                                      {"1000", "12", "0", "2000"}}) {
        SCOPED_TRACE(std::string(principal) + " / " + rate + " / " + start + " / " + emi);
        const calc::RecoveryOutcome out = calc::computeRecovery({principal, rate, start, emi});
        ASSERT_FALSE(out.failed());
        const ScheduleRows& rows = *out.rows;
        EXPECT_EQ(rows.back().month, out.figures->months);  // months are the lines' serials
        expectNear(expectRowsAddUp(rows, out.figures->principalAfterWait),
                   out.figures->grossRecovery);
        EXPECT_EQ(rows.back().interest, 0);
    }
}

}  // namespace
}  // namespace brisanel::details
