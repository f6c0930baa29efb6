// The "Recovery Months" panel from arbitrary box texts.
// Input: any first byte, then principal, rate, start and instalment, one per line.
//
// Checks: the click ends as the panel says (a refusal, "Check Principal amount, rate and EMI."
// for a loan still open after 1801 payments, a silent failure on an overflow, or its three
// results). The list pays the instalment off the principal grown over the waiting months until
// the balance no longer exceeds it, and adds up (requireSchedule); it stops early only on an
// overflow and holds 1802 lines when the loan is given up. The months shown are its lines; the
// gross figures read back within half a unit of the payments it lists and of those less the
// principal.

#include <cmath>
#include <cstdint>
#include <string>

#include "calc/messages.h"
#include "calc/recovery.h"
#include "fuzz_support.h"

using namespace brisanel;
using numeric::Failure;
namespace messages = calc::messages;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Boxes boxes(data, size, 4);
    const calc::RecoveryOutcome out =
        calc::computeRecovery({boxes[0], boxes[1], boxes[2], boxes[3]});
    const std::string what = "recovery of " + boxes.what;

    fuzz::Expected e;
    double P = NAN, R = NAN, S = NAN, E = NAN, recovery = NAN;
    bool complete = false;
    if (fuzz::read(boxes[0], P, e) && fuzz::accept(P > 0, messages::kPrincipalPositive, e) &&
        fuzz::read(boxes[1], R, e) && fuzz::accept(R > 0 && R <= 200, messages::kRateUpTo200, e) &&
        fuzz::read(boxes[2], S, e, true) && fuzz::accept(S >= 0, messages::kStartNotNegative, e) &&
        fuzz::read(boxes[3], E, e) && fuzz::accept(E > 0, messages::kEmiPositive, e)) {
        const double r = R / 1200;
        const double grown = P * std::pow(1 + r, S);
        FUZZ_REQUIRE(out.rows.has_value() == std::isfinite(grown), what + ": list cleared");
        e.failure = Failure::Overflow;
        if (out.rows) {
            const details::ScheduleRows& rows = *out.rows;
            for (std::size_t k = 1; k + 1 < rows.size(); ++k) {
                FUZZ_REQUIRE(rows[k].openingBalance > E, what + ": paid off before the end");
            }
            complete = rows.size() >= 2 && !(rows.back().openingBalance > E);
            e.failure = fuzz::requireSchedule(rows, {grown, r, E, 1}, complete, what);
            recovery = complete ? double(rows.size() - 1) * E + rows.back().openingBalance : NAN;
            if (complete && !std::isfinite(recovery)) e.failure = Failure::Overflow;
        }
    }
    fuzz::requireEnding(out, e, {Failure::TableLimit, messages::kCheckRecovery}, what);
    FUZZ_REQUIRE(out.months.has_value() == complete &&
                     (!complete || *out.months == std::to_string(out.rows->size())),
                 what + ": months " + out.months.value_or("not written"));
    fuzz::requireResult(out, out.grossRecovery, recovery, what + ", gross recovery");
    fuzz::requireResult(out, out.grossInterest, recovery - P, what + ", gross interest");
    return 0;
}
