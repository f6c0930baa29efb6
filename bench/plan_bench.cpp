// The loan planner: a whole plan against its base as the planner window works it out on every
// keystroke, the search for the extra that finishes by a month, and the yearly summary.
#include <benchmark/benchmark.h>

#include "plan/compare.h"
#include "plan/offer.h"
#include "plan/plan.h"
#include "plan/year_summary.h"
#include "spread.h"

namespace {

using namespace brisanel;

// 5000 at 12.50 % over 1800 months with 100 events that leave it 1800 months long, the end kept:
// rate changes down and up every 36 months, and a cent paid now and then.
plan::PlanInputs longestPlan() {
    plan::PlanInputs inputs;
    inputs.loan = {"5000", "12.50", "0", "1800", std::nullopt};
    inputs.policy = plan::Policy::KeepEndMonth;
    for (int i = 0; i < 50; ++i) {
        inputs.events.push_back({plan::EventKind::RateChange, i % 2 ? 12.5 : 12.0, 36 * i + 1, {}});
        inputs.events.push_back({plan::EventKind::OneTimeExtra, 0.01, 36 * i + 7, {}});
    }
    return inputs;
}

// Each plan worked out while the one before is still shown: the planner holds the plan it shows
// until the new one takes its place, so the allocator works as it does there, not on a heap
// emptied after every plan.
void planShown(benchmark::State& state, const plan::PlanInputs& inputs) {
    plan::PlanOutcome shown = plan::computePlan(inputs);
    for (auto _ : state) {
        plan::PlanOutcome out = plan::computePlan(inputs);
        benchmark::DoNotOptimize(out);
        shown = std::move(out);
    }
    state.counters["months"] = shown.result->plan.totals.months;
}

void Plan1800With100Events(benchmark::State& state) {
    planShown(state, longestPlan());
}
BENCHMARK(Plan1800With100Events)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// The same plan as the lender keeps it: a payment date on every row, each period's interest for
// its days under actual/actual, every amount in whole cents.
plan::PlanInputs inWholeCents(plan::PlanInputs inputs) {
    inputs.schedule.firstPayment = QDate(2027, 1, 15);
    inputs.schedule.dayCount = plan::DayCount::ActualActual;
    inputs.schedule.rounding = plan::Rounding::Cent;
    return inputs;
}

void Plan1800With100EventsInCents(benchmark::State& state) {
    planShown(state, inWholeCents(longestPlan()));
}
BENCHMARK(Plan1800With100EventsInCents)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

void Plan1800DatesOnly(benchmark::State& state) {
    plan::PlanInputs inputs = inWholeCents(longestPlan());
    inputs.schedule.rounding = plan::Rounding::Exact;
    for (auto _ : state) benchmark::DoNotOptimize(plan::computePlan(inputs));
}
BENCHMARK(Plan1800DatesOnly)->Unit(benchmark::kMicrosecond)->Apply(withSpread);
void Plan1800CentsOnly(benchmark::State& state) {
    plan::PlanInputs inputs = longestPlan();
    inputs.schedule.rounding = plan::Rounding::Cent;
    for (auto _ : state) benchmark::DoNotOptimize(plan::computePlan(inputs));
}
BENCHMARK(Plan1800CentsOnly)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// The extra per month that ends the 1800-month loan of 5000 at 12.50 % by month 600.
void FinishBy1800(benchmark::State& state) {
    plan::PlanInputs inputs = longestPlan();
    inputs.events.clear();
    inputs.policy = plan::Policy::KeepInstalment;
    inputs.finishBy = 600;
    for (auto _ : state) benchmark::DoNotOptimize(plan::computePlan(inputs));
}
BENCHMARK(FinishBy1800)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

void FinishBy1800InCents(benchmark::State& state) {
    plan::PlanInputs inputs = inWholeCents(longestPlan());
    inputs.events.clear();
    inputs.policy = plan::Policy::KeepInstalment;
    inputs.finishBy = 600;
    for (auto _ : state) benchmark::DoNotOptimize(plan::computePlan(inputs));
}
BENCHMARK(FinishBy1800InCents)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// The APR of the 1800-month plan with a fee at signing, from its worked-out rows, by each rule.
void Apr1800(benchmark::State& state) {
    plan::PlanInputs inputs = longestPlan();
    inputs.fees.upfront = plan::FeeAmount{2, true};
    const plan::PlanOutcome out = plan::computePlan(inputs);
    const auto method = state.range(0) ? plan::AprMethod::Us : plan::AprMethod::Eu;
    for (auto _ : state) benchmark::DoNotOptimize(plan::planCost(inputs, *out.result, method));
}
BENCHMARK(Apr1800)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// Four 1800-month offers side by side: each plan, its base and its APR.
void Compare4x1800(benchmark::State& state) {
    std::vector<plan::PlanInputs> offers(4, inWholeCents(longestPlan()));
    for (int i = 0; i < 4; ++i)
        offers[static_cast<std::size_t>(i)].fees.upfront = plan::FeeAmount{1.0 + i, true};
    for (auto _ : state) benchmark::DoNotOptimize(plan::compareOffers(offers, plan::AprMethod::Eu));
}
BENCHMARK(Compare4x1800)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

void YearSummary1800(benchmark::State& state) {
    const plan::PlanOutcome out = plan::computePlan(longestPlan());
    const plan::PlanResult& result = *out.result;
    for (auto _ : state) {
        benchmark::DoNotOptimize(plan::yearSummary(result));
    }
}
BENCHMARK(YearSummary1800)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

}  // namespace
