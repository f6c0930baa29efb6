// The loan planner's figures: the month rule, the policies, the yearly summary and "finish by",
// against figures worked out independently.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/emi.h"
#include "plan/plan.h"
#include "plan/year_summary.h"

namespace brisanel::plan {
namespace {

using Kind = EventKind;

PlanSpec loanOver(std::string principal, std::string rate, std::string months,
                  std::string startAfter = "0") {
    PlanSpec spec;
    spec.loan = {std::move(principal), std::move(rate), std::move(startAfter), std::move(months),
                 std::nullopt};
    return spec;
}

PlanSpec loanPaying(std::string principal, std::string rate, std::string emi,
                    std::string startAfter = "0") {
    PlanSpec spec;
    spec.loan = {std::move(principal), std::move(rate), std::move(startAfter), std::nullopt,
                 std::move(emi)};
    return spec;
}

PlanResult resultOf(const PlanSpec& spec) {
    const PlanOutcome out = computePlan(spec);
    EXPECT_EQ(out.message, "");
    return out.result.value_or(PlanResult{});
}

std::string cents(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// Figures published with the spreadsheet functions PMT, CUMIPMT and common amortization tables.
TEST(PlanFigures, AgreeWithPublishedAmortizationFigures) {
    EXPECT_EQ(cents(resultOf(loanOver("180000", "4.25", "360")).plan.totals.firstInstalment),
              "885.49");
    const PlanResult year1 = resultOf(loanOver("400000", "6", "360"));
    EXPECT_EQ(cents(yearSummary(year1.plan.rows, year1.firstMonth).front().interest), "23866.38");
    const PlanResult cumipmt = resultOf(loanOver("125000", "9", "360"));
    EXPECT_EQ(cents(yearSummary(cumipmt.plan.rows, cumipmt.firstMonth)[1].interest), "11135.23");
}

// 1000 at 12 % (1 % a month) paying 300: balances 710, 417.10, 121.271, then 122.48371 owed.
TEST(PlanFigures, TheClearingMonthPaysWhatIsOwedAndCutsTheExtra) {
    struct Case {
        std::vector<Event> events;
        int endMonth;
        std::string lastInstalment, lastExtra;
    };
    const std::vector<Case> cases = {
        {{}, 4, "122.48", "0.00"},
        {{{Kind::OneTimeExtra, 100, 3, {}}}, 4, "21.48", "0.00"},
        {{{Kind::OneTimeExtra, 200, 3, {}}}, 3, "300.00", "121.27"},
        {{{Kind::MonthlyExtra, 10, 2, 2}}, 4, "112.28", "0.00"},
    };
    for (const Case& c : cases) {
        PlanSpec spec = loanPaying("1000", "12", "300");
        spec.events = c.events;
        const PlanResult result = resultOf(spec);
        const PlanRow& last = result.plan.rows.back();
        EXPECT_EQ(result.plan.totals.endMonth, c.endMonth);
        EXPECT_EQ(cents(last.instalment), c.lastInstalment);
        EXPECT_EQ(cents(last.extra), c.lastExtra);
        EXPECT_EQ(last.closingBalance, 0);
    }
}

}  // namespace
}  // namespace brisanel::plan
