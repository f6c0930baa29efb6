// The core alone: the longest tables the calculators build, and one pattern formatting call.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <string_view>

#include "calc/emi.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"
#include "details/growth.h"
#include "details/schedule.h"
#include "numeric/display_pattern.h"
#include "spread.h"

namespace {

using namespace brisanel;

// The figures of a 1800-month loan of 5000 at 12.50 %, as "Find EMI" stores them.
details::EmiFigures longestLoan() {
    const calc::EmiOutcome out = calc::computeEmi({"5000", "1800", "0", "12.50"});
    return *out.figures;
}

// The rows and the list's lines, as "Show Details" builds them.
void EmiSchedule1800(benchmark::State& state) {
    const details::EmiFigures figures = longestLoan();
    std::size_t lines = 0;
    for (auto _ : state) {
        details::TextLines schedule = details::scheduleLines(calc::emiSchedule(figures).rows);
        lines = schedule.size();
        benchmark::DoNotOptimize(schedule);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(EmiSchedule1800)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// An instalment below the first month's interest runs the balance to the pass limit.
void RecoveryToPassLimit(benchmark::State& state) {
    const calc::RecoveryInputs inputs{"5000", "12.50", "0", "50"};
    std::size_t lines = 0;
    for (auto _ : state) {
        calc::RecoveryOutcome out = calc::computeRecovery(inputs);
        details::TextLines schedule = details::scheduleLines(*out.rows);
        lines = schedule.size();
        benchmark::DoNotOptimize(schedule);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(RecoveryToPassLimit)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

void DailyGrowthTable1800(benchmark::State& state) {
    // The daily rate that turns 5000 into 6250 over 1800 days.
    const double ratePerDay = std::pow(6250.0 / 5000.0, 1.0 / 1800.0) - 1;
    std::size_t rows = 0;
    for (auto _ : state) {
        details::GrowthRows table;
        details::appendGrowthRows(table, 5000, ratePerDay, 1800, details::Period::Daily);
        details::TextLines lines = details::growthLines(table, details::Period::Daily);
        rows = lines.size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(rows);
}
BENCHMARK(DailyGrowthTable1800)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// The whole "Find Interest Rate" calculation behind the window's heaviest rate click.
void FindRateDaily1800(benchmark::State& state) {
    const calc::RateInputs inputs{"5000", "6250", "1800", calc::Period::Daily};
    for (auto _ : state) {
        calc::RateOutcome out = calc::findRate(inputs);
        details::TextLines lines = details::growthLines(*out.growth, inputs.period);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(FindRateDaily1800)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// One call per pattern in use, with a value typical of where it is used.
struct PatternCase {
    std::string_view pattern;
    double value;
};
constexpr std::array kPatterns{
    PatternCase{"#00", 1799},           PatternCase{"##00", 1800},
    PatternCase{"##########", 5000},    PatternCase{"######0000", 4583.7},
    PatternCase{"######", 235.49},      PatternCase{"##0.00##", 12.34567},
    PatternCase{"########.00", 1234.5}, PatternCase{"####00.00", 5.25},
};

void FormatNumber(benchmark::State& state) {
    const PatternCase& c = kPatterns[static_cast<std::size_t>(state.range(0))];
    state.SetLabel(std::string(c.pattern));
    for (auto _ : state) {
        std::string text = numeric::formatNumber(c.value, c.pattern);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(FormatNumber)->DenseRange(0, static_cast<int>(kPatterns.size()) - 1)->Apply(withSpread);

}  // namespace
