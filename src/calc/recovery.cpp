#include "calc/recovery.h"

#include <cstdint>
#include <string>

#include "calc/messages.h"
#include "details/schedule.h"
#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/number_rules.h"

namespace brisanel::calc {

using namespace numeric::checked;
using numeric::formatNumber;
using numeric::readInteger;
using numeric::readNumber;

namespace {

void compute(const RecoveryInputs& inputs, RecoveryOutcome& out) {
    const double principal = readNumber(inputs.principal);
    if (principal <= 0) {
        return out.refuse(messages::kPrincipalPositive);
    }
    const double annualRate = readNumber(inputs.rate);
    if (!(annualRate > 0 && annualRate <= 200)) {
        return out.refuse(messages::kRateUpTo200);
    }
    const std::int16_t start = readInteger(inputs.startAfter);
    if (start < 0) {
        return out.refuse(messages::kStartNotNegative);
    }
    const double instalment = readNumber(inputs.emi);
    if (instalment <= 0) {
        return out.refuse(messages::kEmiPositive);
    }

    const double rate = div(annualRate, 1200);
    const double grown = mul(principal, pow(add(1, rate), start));
    auto& rows = out.rows.emplace();
    details::appendRecoverySchedule(rows, grown, rate, instalment);

    // Every row but the last pays one instalment; the last pays what is left.
    const int months = static_cast<int>(rows.size());
    out.months = std::to_string(months);
    const double recovery = add(mul(months - 1, instalment), rows.back().openingBalance);
    out.grossRecovery = formatNumber(recovery, "#########");
    const double interest = sub(recovery, principal);
    out.grossInterest = formatNumber(interest, "########");
    out.figures = RecoveryFigures{months, recovery, interest, grown};
}

}  // namespace

RecoveryOutcome computeRecovery(const RecoveryInputs& inputs) {
    RecoveryOutcome out;
    trapFailures(out, {numeric::Failure::TableLimit, messages::kCheckRecovery},
                 [&] { compute(inputs, out); });
    return out;
}

}  // namespace brisanel::calc
