// The "Interests" panel from arbitrary box texts under each of its five rules.
// Input: a rule digit '0' to '4', then principal, months and rate, one per line.
//
// Checks: the click ends as the panel says (a refusal, "Check your input data." on an overflow,
// or both results) and each shown figure reads back within half a unit of the value computed here
// from the same texts. When a whole principal is compounded over a whole number of periods, the
// "Find Interest Rate" panel, given the amount shown, finds the rate back: to within what
// rounding the amount to a whole number moves it, at most 100 x periods a year / (periods x P).

#include <cmath>
#include <cstdint>
#include <string>

#include "calc/interest.h"
#include "calc/messages.h"
#include "calc/rate_finder.h"
#include "fuzz_support.h"

using namespace brisanel;
namespace messages = calc::messages;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Boxes boxes(data, size, 3);
    const unsigned rule = boxes.selector % 5;  // simple, annually, quarterly, monthly, daily
    const calc::InterestOutcome out = calc::computeInterest(static_cast<calc::InterestRule>(rule),
                                                            {boxes[0], boxes[1], boxes[2]});
    const std::string what = "rule " + std::to_string(rule) + " with " + boxes.what;

    constexpr double kRateDivisor[] = {100, 100, 400, 1200, 36500};
    constexpr double kPerYear[] = {1, 1, 4, 12, 365};
    fuzz::Expected e;
    double P = NAN, M = NAN, R = NAN, periods = NAN, interest = NAN, gross = NAN;
    if (fuzz::read(boxes[0], P, e) && fuzz::accept(P > 0, messages::kPrincipalPositive, e) &&
        fuzz::read(boxes[1], M, e) && fuzz::accept(M > 0, messages::kMonthsPositive, e) &&
        fuzz::read(boxes[2], R, e) && fuzz::accept(R > 0 && R <= 200, messages::kRateUpTo200, e)) {
        const double r = R / kRateDivisor[rule];
        periods = rule == 4 ? 365.0 / 12 * M : M / (12 / kPerYear[rule]);
        if (rule == 0) {
            interest = r * P * periods;
            gross = interest + P;
        } else {
            gross = std::pow(r + 1, periods) * P;
            interest = gross - P;
        }
        if (!std::isfinite(periods) || !std::isfinite(gross))
            e.failure = numeric::Failure::Overflow;
    }
    fuzz::requireEnding(out, e, {std::nullopt, messages::kCheckInput}, what);
    fuzz::requireResult(out, out.interest, interest, what + ", interest");
    fuzz::requireResult(out, out.grossAmount, gross, what + ", gross amount");

    // The rate finder counts the duration in months, or in days when daily.
    const double duration = rule == 4 ? M / 12 * 365 : M;
    const double count = rule == 4 ? duration : periods;
    if (out.failed() || rule == 0 || P != std::floor(P) || count != std::floor(count) ||
        count < 1 || duration != std::floor(duration) || duration > 32767) {
        return 0;
    }
    const calc::RateOutcome found =
        calc::findRate({boxes[0], *out.grossAmount, std::to_string(static_cast<int>(duration)),
                        static_cast<calc::Period>(rule + (rule > 1))});  // no half-yearly rule
    const double moved = 50 * kPerYear[rule] / (count * P);
    FUZZ_REQUIRE(
        found.figures && std::fabs(found.figures->annualRatePercent - R) <= 1.01 * moved + 1e-9,
        what + ": found " + found.annualRate.value_or("no rate"));
    return 0;
}
