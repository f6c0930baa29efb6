// The full-precision rows behind the schedule and growth lines: one per line, standing for it,
// and adding up.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "calc/emi.h"
#include "calc/recovery.h"
#include "details/growth_rows.h"
#include "details/growth_table.h"
#include "details/schedule_rows.h"

namespace brisanel::details {
namespace {

void expectNear(double actual, double expected) {
    EXPECT_NEAR(actual, expected, 1e-9 * std::max(1.0, std::abs(expected)));
}

void expectTableLimit(auto build) {
    try {
        build();
        ADD_FAILURE() << "no failure";
    } catch (const numeric::ArithmeticError& error) {
        EXPECT_EQ(error.kind(), numeric::Failure::TableLimit);
    }
}

// Each row pays interest + principal, closes at its opening less the principal, opens where the
// one before closed and carries the running sums; the last closes at 0 with `principal` repaid.
// Returns the sum of the instalments.
double expectRowsAddUp(const std::vector<ScheduleRow>& rows, double principal) {
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
        paid += rows[k].instalment;
    }
    EXPECT_EQ(rows.back().closingBalance, 0);
    expectNear(repaid, principal);
    return paid;
}

TEST(ScheduleRows, EmiRowsStandForTheScheduleLinesAndAddUp) {
    // The lines "Month 03 Bal.= 1020 347", "Month 04 Bal.= 0683 347" and "Month 05 Bal.= 0343
    // 343": the last pays the balance it shows.
    const auto waited = emiScheduleRows(*calc::computeEmi({"1000", "3", "2", "12"}).figures);
    ASSERT_EQ(waited.size(), 3u);
    const double balances[] = {1020.1, 683, 343};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(waited[k].month, k + 3);
        EXPECT_NEAR(waited[k].openingBalance, balances[k], 0.5);
    }
    EXPECT_NEAR(waited[0].instalment, 347, 0.5);
    EXPECT_EQ(waited[2].principalRepaid, waited[2].openingBalance);

    // principal, months, start after, rate; a whole number of months repays N x E.
    for (const auto& [principal, months, start, rate, whole] :
         {std::tuple{"5000", "48", "0", "12.5", true},
          {"1000", "12", "-3", "12", true},
          {"250000", "1800", "0", "7", true},
          {"1000", "2", "0", "200", true},
          {"1000", "12.5", "0", "12", false},
          {"1000", "0.5", "-4", "12", false}}) {
        SCOPED_TRACE(std::string(principal) + " / " + months + " / " + start + " / " + rate);
        const calc::EmiOutcome out = calc::computeEmi({principal, months, start, rate});
        ASSERT_FALSE(out.failed());
        const auto rows = emiScheduleRows(*out.figures);
        ASSERT_EQ(rows.size(), buildEmiSchedule(*out.figures).lines.size());
        const double paid = expectRowsAddUp(rows, out.figures->principal);
        if (whole) expectNear(paid, out.totals->grossRecovery);
    }
}

TEST(ScheduleRows, RecoveryRowsStandForTheLinesAndMakeTheGrossRecovery) {
    // principal, rate, start after, instalment
    for (const auto& [principal, rate, start, emi] : {std::tuple{"5000", "12.50", "0", "600"},
                                                      {"1000", "12", "2", "340"},
                                                      {"1000", "12", "0", "2000"},
                                                      {"100000", "12", "0", "1001"}}) {
        SCOPED_TRACE(std::string(principal) + " / " + rate + " / " + start + " / " + emi);
        const calc::RecoveryOutcome out = calc::computeRecovery({principal, rate, start, emi});
        ASSERT_FALSE(out.failed());
        const calc::RecoveryFigures& figures = *out.figures;
        const auto rows = recoveryScheduleRows(figures.principalAfterWait, figures.monthlyRate,
                                               figures.instalment);
        ASSERT_EQ(rows.size(), out.lines->size());
        EXPECT_EQ(rows.back().month, figures.months);  // the lines' serial numbers
        expectNear(expectRowsAddUp(rows, figures.principalAfterWait), figures.grossRecovery);
        // The last payment is the balance left, which the recovery counts without interest.
        EXPECT_EQ(rows.back().interest, 0);
    }
    expectTableLimit([] { recoveryScheduleRows(5000, 12.5 / 1200, 50); });
}

TEST(GrowthRows, OneForEachLineAccumulatingToTheAmount) {
    // 5000 grows to 6250 over 24 months, or 730 days, under every period.
    const double periods[] = {2, 2, 4, 8, 24, 730};
    for (int period = 0; period < 6; ++period) {
        SCOPED_TRACE(period);
        const std::int16_t duration = period == 5 ? 730 : 24;
        const double rate = period == 0 ? 0.125 : std::pow(1.25, 1 / periods[period]) - 1;
        const auto rows = growthRows(5000, rate, duration, calc::Period(period));
        TextLines lines;
        appendGrowthTable(lines, 5000, rate, duration, calc::Period(period));
        ASSERT_EQ(rows.size(), lines.size());
        double accumulated = 0;
        for (std::size_t k = 0; k < rows.size(); ++k) {
            EXPECT_EQ(rows[k].period, static_cast<double>(k));
            expectNear(rows[k].interestSoFar, accumulated += rows[k].interest);
            expectNear(rows[k].total, 5000 + accumulated);
        }
        expectNear(rows.back().total, 6250);
    }
    // Fifteen months hold two half years and half of a third, which earns simple interest on
    // the balance reached: the table's lines end in 5466.81, 5977.20 and 6256.23.
    const auto rows = growthRows(5000, std::pow(1.25, 1 / 2.5) - 1, 15, calc::Period::HalfYearly);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows.back().period, 2.5);
    EXPECT_NEAR(rows[1].total, 5466.81, 0.005);
    EXPECT_NEAR(rows[3].total, 6256.23, 0.005);
    expectTableLimit([] { growthRows(1000, 0.001, 1801, calc::Period::Monthly); });
}

}  // namespace
}  // namespace brisanel::details
