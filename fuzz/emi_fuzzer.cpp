// The "Find EMI" panel and the reducing-balance schedule of the figures it keeps, from arbitrary
// box texts. Input: any first byte, then principal, duration, start and rate, one per line.
//
// Checks: the click ends as the panel says (a refusal, "Check your input data." on an overflow, a
// silent failure on any other, or all three results) and each shown figure reads back within half
// a unit of the value computed here from the same texts; the schedule has the lines that the
// duration gives, unless an overflow stops it, and adds up (requireSchedule). For a whole number
// of months, where the arithmetic keeps rounding errors small, its last balance is the instalment
// discounted by a month, and the "Recovery Months" panel given the exact instalment repays the
// loan in as many months, give or take one.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "calc/emi.h"
#include "calc/messages.h"
#include "calc/recovery.h"
#include "fuzz_support.h"

using namespace brisanel;
using numeric::Failure;
namespace messages = calc::messages;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Boxes boxes(data, size, 4);
    const calc::EmiOutcome out = calc::computeEmi({boxes[0], boxes[1], boxes[2], boxes[3]});
    const std::string what = "EMI of " + boxes.what;

    fuzz::Expected e;
    double P = NAN, N = NAN, S = NAN, R = NAN, growth = NAN, grown = NAN, divisor = 0, E = NAN;
    if (fuzz::read(boxes[0], P, e) && fuzz::accept(P > 0, messages::kPrincipalPositive, e) &&
        fuzz::read(boxes[1], N, e) &&
        fuzz::accept(N > 0 && N <= 1800, messages::kDurationUpTo1800, e) &&
        fuzz::read(boxes[2], S, e, true) && fuzz::accept(S < N, messages::kStartBeforeEnd, e) &&
        fuzz::read(boxes[3], R, e) && fuzz::accept(R > 0 && R <= 200, messages::kRateUpTo200, e)) {
        // The principal grown over the waiting months, then over the duration, shared out over
        // the powers of (1 + r) up to N - 1 rounded.
        growth = 1 + R / 1200;
        grown = P * std::pow(growth, S);
        for (double i = 0; i <= std::nearbyint(N - 1); ++i) divisor += std::pow(growth, i);
        const double top = grown * std::pow(growth, N);
        E = divisor == 0 ? NAN : top / divisor;
        e.failure = !std::isfinite(top) ? Failure::Overflow
                    : divisor == 0
                        ? (top == 0 ? Failure::InvalidOperation : Failure::DivisionByZero)
                    : !std::isfinite(N * E) ? std::optional(Failure::Overflow)
                                            : std::nullopt;
    }
    fuzz::requireEnding(out, e, {Failure::Overflow, messages::kCheckInput}, what);
    fuzz::requireResult(out, out.emi, E, what + ", EMI");
    fuzz::requireResult(out, out.grossRecovery, N * E, what + ", gross recovery");
    fuzz::requireResult(out, out.grossInterest, N * E - P, what + ", gross interest");
    FUZZ_REQUIRE(out.figures.has_value() == std::isfinite(E), what + ": figures kept");
    if (!out.figures) return 0;

    const calc::ScheduleOutcome schedule = calc::emiSchedule(*out.figures);
    const details::ScheduleRows& rows = schedule.rows;
    const std::size_t lines = static_cast<std::size_t>(std::max(std::nearbyint(N - 2), 0.0)) + 2;
    const bool complete = rows.size() == lines;
    FUZZ_REQUIRE(rows.size() <= lines, what + ": schedule of " + std::to_string(rows.size()));
    const auto stop =
        fuzz::requireSchedule(rows, {grown, R / 1200, E, long(S) + 1}, complete, what);
    fuzz::requireEnding(schedule, {{}, stop}, {Failure::TableLimit, messages::kCheckInput},
                        what + ", schedule");

    const bool steady = complete && N == std::floor(N) && N >= 2 && divisor <= 1e6 &&
                        std::isnormal(E) && N * E < 1e300;
    if (!steady) return 0;
    FUZZ_REQUIRE(std::fabs(rows.back().openingBalance - E / growth) <= 1e-6 * E,
                 what + ": last balance " + fuzz::show(rows.back().openingBalance));
    if (S < 0) return 0;
    char instalment[32];
    std::snprintf(instalment, sizeof instalment, "%.17g", E);
    const calc::RecoveryOutcome recovery =
        calc::computeRecovery({boxes[0], boxes[3], boxes[2], instalment});
    FUZZ_REQUIRE(!recovery.failed() && std::fabs(recovery.figures->months - N) <= 1,
                 what + ": recovered in " + recovery.months.value_or("no") + " months");
    return 0;
}
