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

// Builds a table's lines as a click does, while the list keeps the table it shows until the new
// one takes its place: the allocator works as it does in the window, not on an emptied heap.
template <typename Build>
void asTheWindowShows(benchmark::State& state, Build build) {
    details::TextLines shown = build();
    for (auto _ : state) {
        details::TextLines lines = build();
        benchmark::DoNotOptimize(lines);
        shown = std::move(lines);
    }
    state.counters["lines"] = static_cast<double>(shown.size());
}

// The rows and the list's lines, as "Show Details" builds them.
void EmiSchedule1800(benchmark::State& state) {
    const details::EmiFigures figures = longestLoan();
    asTheWindowShows(state,
                     [&] { return details::scheduleLines(calc::emiSchedule(figures).rows); });
}
BENCHMARK(EmiSchedule1800)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// An instalment below the first month's interest runs the balance to the pass limit.
void RecoveryToPassLimit(benchmark::State& state) {
    asTheWindowShows(state, [] {
        return details::scheduleLines(*calc::computeRecovery({"5000", "12.50", "0", "50"}).rows);
    });
}
BENCHMARK(RecoveryToPassLimit)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

void DailyGrowthTable1800(benchmark::State& state) {
    // The daily rate that turns 5000 into 6250 over 1800 days.
    const double ratePerDay = std::pow(6250.0 / 5000.0, 1.0 / 1800.0) - 1;
    asTheWindowShows(state, [&] {
        details::GrowthRows rows;
        details::appendGrowthRows(rows, 5000, ratePerDay, 1800, details::Period::Daily);
        return details::growthLines(rows, details::Period::Daily);
    });
}
BENCHMARK(DailyGrowthTable1800)->Unit(benchmark::kMicrosecond)->Apply(withSpread);

// The whole "Find Interest Rate" calculation behind the window's heaviest rate click.
void FindRateDaily1800(benchmark::State& state) {
    asTheWindowShows(state, [] {
        const calc::RateOutcome out =
            calc::findRate({"5000", "6250", "1800", details::Period::Daily});
        return details::growthLines(*out.growth, details::Period::Daily);
    });
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
