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
    const auto loan = checkRecoveryLoan(inputs, out);
    if (!loan) return;
    const double principal = readNumber(inputs.principal);
    const double grown = loan->principalAfterWait;
    const double instalment = loan->instalment;
    const double rate = loan->monthlyRate;
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

std::optional<RecoveryLoan> checkRecoveryLoan(const RecoveryInputs& inputs, Outcome& out) {
    const double principal = readNumber(inputs.principal);
    if (principal <= 0) {
        out.refuse(messages::kPrincipalPositive);
        return std::nullopt;
    }
    const double annualRate = readNumber(inputs.rate);
    if (!(annualRate > 0 && annualRate <= 200)) {
        out.refuse(messages::kRateUpTo200);
        return std::nullopt;
    }
    const std::int16_t start = readInteger(inputs.startAfter);
    if (start < 0) {
        out.refuse(messages::kStartNotNegative);
        return std::nullopt;
    }
    const double instalment = readNumber(inputs.emi);
    if (instalment <= 0) {
        out.refuse(messages::kEmiPositive);
        return std::nullopt;
    }
    const double rate = div(annualRate, 1200);
    return RecoveryLoan{mul(principal, pow(add(1, rate), start)), rate, start, instalment};
}

RecoveryOutcome computeRecovery(const RecoveryInputs& inputs) {
    RecoveryOutcome out;
    trapFailures(out, {numeric::Failure::TableLimit, messages::kCheckRecovery},
                 [&] { compute(inputs, out); });
    return out;
}

}  // namespace brisanel::calc
