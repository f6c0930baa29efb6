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

PlanInputs loanOver(std::string principal, std::string rate, std::string months,
                    std::string startAfter = "0") {
    PlanInputs inputs;
    inputs.loan = {std::move(principal), std::move(rate), std::move(startAfter), std::move(months),
                   std::nullopt};
    return inputs;
}

PlanInputs loanPaying(std::string principal, std::string rate, std::string emi,
                      std::string startAfter = "0") {
    PlanInputs inputs;
    inputs.loan = {std::move(principal), std::move(rate), std::move(startAfter), std::nullopt,
                   std::move(emi)};
    return inputs;
}

PlanResult resultOf(const PlanInputs& inputs) {
    const PlanOutcome out = computePlan(inputs);
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
        PlanInputs inputs = loanPaying("1000", "12", "300");
        inputs.events = c.events;
        const PlanResult result = resultOf(inputs);
        const PlanRow& last = result.plan.rows.back();
        EXPECT_EQ(result.plan.totals.endMonth, c.endMonth);
        EXPECT_EQ(cents(last.instalment), c.lastInstalment);
        EXPECT_EQ(cents(last.extra), c.lastExtra);
        EXPECT_EQ(last.closingBalance, 0);
    }
}

// 1000 at 12 % over 4 months pays 256.28; by month 3 the balance is 504.98 (404.98 after a lump).
TEST(PlanFigures, EachPolicyAnswersALumpAndARateChange) {
    struct Case {
        Event event;
        Policy policy;
        int endMonth;
        std::string thirdInstalment, lastInstalment;
    };
    const Event lump{Kind::OneTimeExtra, 100, 2, {}};
    const Event rise{Kind::RateChange, 24, 3, {}};
    const std::vector<Case> cases = {
        {lump, Policy::KeepEndMonth, 4, "205.53", "205.53"},
        {lump, Policy::KeepInstalment, 4, "256.28", "154.27"},
        {rise, Policy::KeepEndMonth, 4, "260.09", "260.09"},
        {rise, Policy::KeepInstalment, 5, "256.28", "7.84"},
        {{Kind::RateChange, 24, 1, {}}, Policy::KeepEndMonth, 4, "262.62", "262.62"},
    };
    for (const Case& c : cases) {
        PlanInputs inputs = loanOver("1000", "12", "4");
        inputs.events = {c.event};
        inputs.policy = c.policy;
        const PlanResult result = resultOf(inputs);
        EXPECT_EQ(result.plan.totals.endMonth, c.endMonth);
        EXPECT_EQ(cents(result.plan.rows[2].instalment), c.thirdInstalment);
        EXPECT_EQ(cents(result.plan.totals.lastInstalment), c.lastInstalment);
        EXPECT_EQ(result.monthsSaved, 4 - c.endMonth);
    }
}

// Each kind of event falls in its own months: a yearly extra every 12 months from its month, a
// monthly extra from its first month to its last, a lump once; of two rates set in one month the
// last given holds.
TEST(PlanFigures, EachEventFallsInItsMonths) {
    PlanInputs inputs = loanOver("5000", "12", "36");
    inputs.events = {{Kind::YearlyExtra, 100, 2, {}},  {Kind::MonthlyExtra, 10, 5, 7},
                     {Kind::OneTimeExtra, 0.5, 9, {}}, {Kind::RateChange, 6, 3, {}},
                     {Kind::RateChange, 18, 3, {}},    {Kind::RateChange, 9, 20, {}},
                     {Kind::RateChange, 7, 20, {}}};
    const PlanResult result = resultOf(inputs);
    std::vector<std::pair<int, std::string>> extras;
    for (const PlanRow& row : result.plan.rows) {
        if (row.extra > 0.005) extras.emplace_back(row.month, cents(row.extra));
    }
    EXPECT_EQ(extras, (std::vector<std::pair<int, std::string>>{{2, "100.00"},
                                                                {5, "10.00"},
                                                                {6, "10.00"},
                                                                {7, "10.00"},
                                                                {9, "0.50"},
                                                                {14, "100.00"},
                                                                {26, "100.00"}}));
    EXPECT_EQ(result.plan.rows[1].annualRate, 12);
    EXPECT_EQ(result.plan.rows[2].annualRate, 18);
    EXPECT_EQ(result.plan.rows[18].annualRate, 18);
    EXPECT_EQ(result.plan.rows[19].annualRate, 7);
}

// 1000 at 12 % over 12 months with 50 more every month. Keeping the end works the instalment out
// again after each extra over the months left; the extras still to come end it in month 10.
TEST(PlanFigures, KeepingTheEndAnswersEveryRecurringExtra) {
    PlanInputs inputs = loanOver("1000", "12", "12");
    inputs.events = {{Kind::MonthlyExtra, 50, {}, {}}};
    inputs.policy = Policy::KeepEndMonth;
    const PlanResult result = resultOf(inputs);
    EXPECT_EQ(result.plan.totals.endMonth, 10);
    std::vector<std::string> instalments;
    for (std::size_t i = 0; i < 4; ++i)
        instalments.push_back(cents(result.plan.rows[i].instalment));
    EXPECT_EQ(instalments, (std::vector<std::string>{"88.85", "84.03", "78.75", "72.91"}));
    EXPECT_EQ(cents(result.plan.totals.interest), "47.68");
    EXPECT_EQ(cents(result.plan.totals.lastInstalment), "10.20");
    // The extra that clears it by month 6, under each policy.
    for (const auto& [policy, extra] :
         {std::pair{Policy::KeepEndMonth, "115.30"}, std::pair{Policy::KeepInstalment, "83.70"}}) {
        PlanInputs finishing = loanOver("1000", "12", "12");
        finishing.policy = policy;
        finishing.finishBy = 6;
        EXPECT_EQ(cents(resultOf(finishing).extraNeeded.value()), extra);
    }
}

// A balance that leaves the double range ends the plan with the panels' message, even when only
// the month's interest, not the instalment, overflows.
TEST(PlanFigures, ABalanceBeyondTheDoubleRangeFailsThePlan) {
    PlanInputs inputs = loanPaying("1.6e308", "1", "1e306");
    inputs.events = {{Kind::RateChange, 200, 2, {}}};
    const PlanOutcome out = computePlan(inputs);
    EXPECT_EQ(out.ending, calc::Ending::Failed);
    EXPECT_EQ(out.message, "Check your input data.");
    EXPECT_EQ(out.result, std::nullopt);
}

TEST(PlanFigures, AnUncoveredInstalmentIsNamedAndTheMonthLimitStopsTheLoan) {
    PlanInputs inputs = loanPaying("1000", "12", "15");
    inputs.events = {{Kind::RateChange, 24, 3, {}},
                     {Kind::OneTimeExtra, 5, 1801, {}},
                     {Kind::OneTimeExtra, 7, 1800, {}}};
    const PlanResult result = resultOf(inputs);
    EXPECT_TRUE(result.limitReached());
    EXPECT_EQ(result.plan.rows.size(), 1800u);
    EXPECT_EQ(result.plan.rows.back().month, 1800);
    EXPECT_EQ(result.plan.rows.back().extra, 7);  // the last month worked out still takes events
    EXPECT_EQ(result.notes,
              (std::vector<Note>{
                  {NoteKind::Uncovered,
                   "From month 3 the instalment does not cover the month's interest."},
                  {NoteKind::NotRepaid, "The loan is not repaid within 1800 months."},
                  {NoteKind::Unreached,
                   "One-time extra payment in month 1801 is not reached: the plan stops at month "
                   "1800 with the loan still owing."}}));
    EXPECT_EQ(result.warning(), "From month 3 the instalment does not cover the month's interest.");
    // An instalment of exactly the month's interest does not cover it either: 1024 at 150 % is
    // 128 a month, in binary as on paper.
    PlanInputs even = loanPaying("1024", "12", "128");
    even.events = {{Kind::RateChange, 150, 1, {}}};
    EXPECT_EQ(resultOf(even).warning(),
              "From month 1 the instalment does not cover the month's interest.");
    EXPECT_EQ(result.unreached().size(), 1u);
    // A loan that ends: the event after its end is named, and nothing else.
    PlanInputs ends = loanPaying("1000", "12", "300");
    ends.events = {{Kind::OneTimeExtra, 5, 9, {}}, {Kind::RateChange, 10, 4, {}}};
    const PlanResult ended = resultOf(ends);
    EXPECT_EQ(ended.warning(), std::nullopt);
    EXPECT_EQ(ended.unreached(),
              std::vector<std::string>{
                  "One-time extra payment in month 9 is not reached: the loan ends in month 4."});
}

TEST(PlanFigures, RefusalsNameTheEventOrKeepThePanelsMessage) {
    const std::vector<std::pair<Event, std::string>> events = {
        {{Kind::OneTimeExtra, 5000, 2, {}},
         "One-time extra payment in month 2: the month is before the first instalment, month 3."},
        {{Kind::MonthlyExtra, 0, {}, {}},
         "Monthly extra payment: the amount must be a positive value."},
        {{Kind::MonthlyExtra, 10, 20, 13},
         "Monthly extra payment from month 20 to month 13: the last month is before the first."},
        {{Kind::RateChange, 201, 5, {}},
         "Rate change in month 5: Rate of interest must be a positive value upto 200."},
        {{Kind::RateChange, 0, 5, {}},
         "Rate change in month 5: Rate of interest must be a positive value upto 200."},
    };
    for (const auto& [event, message] : events) {
        PlanInputs inputs = loanOver("5000", "12.5", "48", "2");
        inputs.events = {event};
        EXPECT_EQ(computePlan(inputs).message, message);
    }
    PlanInputs late = loanOver("5000", "12.5", "48", "2");
    late.finishBy = 2;
    EXPECT_EQ(computePlan(late).message,
              "The month to finish by must not be before the first instalment, month 3.");
    EXPECT_EQ(computePlan(loanOver("5000", "12.5", "48", "48")).message,
              "Start time must be less than total recovery time.");
    EXPECT_EQ(computePlan(loanPaying("5000", "12.5", "0")).message,
              "EMI must be positive to cover the repayment.");
    EXPECT_EQ(computePlan(loanPaying("1000", "0.5", "100")).message, "");  // any rate above 0
    // An instalment that "Find Months" cannot repay the loan with is not planned either.
    const PlanOutcome unpaid = computePlan(loanPaying("1000", "12", "5"));
    EXPECT_EQ(unpaid.ending, calc::Ending::Failed);
    EXPECT_EQ(unpaid.message, "Check Principal amount, rate and EMI.");
    EXPECT_EQ(unpaid.result, std::nullopt);
}

// 5000 over 30 months from month 3: loan years 3-14, 15-26 and a short 27-32.
TEST(PlanFigures, TheYearlySummaryCountsLoanYearsFromTheFirstInstalment) {
    const PlanResult result = resultOf(loanOver("5000", "12.5", "30", "2"));
    const YearRows years = yearSummary(result.plan.rows, result.firstMonth);
    ASSERT_EQ(years.size(), 3u);
    EXPECT_EQ(years[1].firstMonth, 15);
    EXPECT_EQ(years[2].firstMonth, 27);
    EXPECT_EQ(years[2].lastMonth, 32);
    EXPECT_EQ(years[2].rowCount, 6u);
    EXPECT_EQ(years[2].closingBalance, 0);
    EXPECT_EQ(cents(years[2].cumulativeInterest), cents(result.plan.totals.interest));
}

// 180 000 at 4.25 % over 360 months is clear by month 240 with 229.14 more a month, not 229.13.
TEST(PlanFigures, FinishByFindsTheLeastWholeCentThatIsEnough) {
    PlanInputs inputs = loanOver("180000", "4.25", "360");
    inputs.finishBy = 240;
    EXPECT_EQ(cents(resultOf(inputs).extraNeeded.value()), "229.14");
    for (const auto& [extra, endMonth] : {std::pair{229.14, 240}, std::pair{229.13, 241}}) {
        PlanInputs paying = loanOver("180000", "4.25", "360");
        paying.events = {{Kind::MonthlyExtra, extra, {}, {}}};
        EXPECT_EQ(resultOf(paying).plan.totals.endMonth, endMonth) << extra;
    }
    inputs.finishBy = 360;
    EXPECT_EQ(resultOf(inputs).extraNeeded, 0);
    // Clear in the first month: all that is owed then, less the instalment.
    PlanInputs now = loanPaying("1000", "12", "11");
    now.finishBy = 1;
    EXPECT_EQ(cents(resultOf(now).extraNeeded.value()), "999.00");
    // One cent is the least answer there is: 100 at 1 % a month owes 101.00 in its first month.
    PlanInputs cent = loanPaying("100", "12", "100.99");
    cent.finishBy = 1;
    EXPECT_EQ(cents(resultOf(cent).extraNeeded.value()), "0.01");
    // A loan whose cents leave the double range is searched in whole units, and still answers.
    PlanInputs vast = loanOver("1e307", "12", "12");
    vast.finishBy = 1;
    const double needed = resultOf(vast).extraNeeded.value();
    EXPECT_NEAR(needed / 1e307, 1.01 - 0.0888487887, 1e-9);
}

// With no events the plan repays as the EMI panel's schedule does, month for month: for every loan
// whose balance would grow less than a millionfold over its term. Beyond that the last bit of the
// instalment, grown over the term, leaves more than half a cent, which the schedule's last row
// absorbs and the plan carries on.
TEST(PlanFigures, WithoutEventsThePlanIsTheEmiSchedule) {
    for (const char* principal : {"100", "5000", "123456.78", "1e9"}) {
        for (const char* rate : {"0.5", "12.5", "200"}) {
            for (const char* months : {"2", "13", "360", "1800"}) {
                for (const char* start : {"0", "1"}) {
                    if (std::pow(1 + std::stod(rate) / 1200, std::stod(months)) > 1e6) continue;
                    const calc::EmiOutcome emi = calc::computeEmi({principal, months, start, rate});
                    const auto schedule = calc::emiSchedule(*emi.figures).rows;
                    const PlanRows rows =
                        resultOf(loanOver(principal, rate, months, start)).plan.rows;
                    ASSERT_EQ(rows.size(), schedule.size())
                        << principal << " " << rate << " " << months;
                    const double tolerance = std::stod(principal) * 1e-9;
                    for (std::size_t i = 0; i < rows.size(); ++i) {
                        EXPECT_EQ(rows[i].month, schedule[i].month);
                        EXPECT_NEAR(rows[i].instalment + rows[i].extra, schedule[i].instalment,
                                    tolerance);
                        EXPECT_NEAR(rows[i].openingBalance, schedule[i].openingBalance, tolerance);
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace brisanel::plan
