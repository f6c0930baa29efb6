#include "calc/emi.h"

#include <cstdint>

#include "calc/messages.h"
#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/number_rules.h"

namespace brisanel::calc {

using namespace numeric::checked;
using numeric::formatNumber;
using numeric::readInteger;
using numeric::readNumber;

namespace {

void compute(const EmiInputs& inputs, EmiOutcome& out) {
    const double principal = readNumber(inputs.principal);
    if (principal <= 0) {
        return out.refuse(messages::kPrincipalPositive);
    }
    const double months = readNumber(inputs.duration);
    if (!(months > 0 && months <= 1800)) {
        return out.refuse(messages::kDurationUpTo1800);
    }
    const std::int16_t start = readInteger(inputs.startAfter);
    if (start >= months) {
        return out.refuse(messages::kStartBeforeEnd);
    }
    const double annualRate = readNumber(inputs.rate);
    if (!(annualRate > 0 && annualRate <= 200)) {
        return out.refuse(messages::kRateUpTo200);
    }

    const double rate = div(annualRate, 1200);
    const double growth = add(1, rate);
    // A negative start discounts the principal instead of growing it.
    const double grown = mul(principal, pow(growth, start));

    // Summing the powers one by one, rather than the closed annuity formula, keeps fractional
    // durations meaningful: the sum runs to N - 1 rounded while the growth uses N itself.
    const std::int16_t lastPower = toInt16(sub(months, 1));
    double divisor = 0;
    for (int i = 0; i <= lastPower; ++i) divisor = add(divisor, pow(growth, i));
    const double instalment = div(mul(grown, pow(growth, months)), divisor);

    out.figures = details::EmiFigures{grown, months, instalment, rate, start};

    out.emi = formatNumber(instalment, "#########");
    const double recovery = mul(months, instalment);
    out.grossRecovery = formatNumber(recovery, "########");
    const double interest = sub(recovery, principal);
    out.grossInterest = formatNumber(interest, "########");
    out.totals = EmiTotals{interest, recovery};
}

}  // namespace

EmiOutcome computeEmi(const EmiInputs& inputs) {
    EmiOutcome out;
    trapFailures(out, {numeric::Failure::Overflow, messages::kCheckInput},
                 [&] { compute(inputs, out); });
    return out;
}

ScheduleOutcome emiSchedule(const details::EmiFigures& figures) {
    ScheduleOutcome out;
    trapFailures(out, {numeric::Failure::TableLimit, messages::kCheckInput},
                 [&] { details::appendEmiSchedule(out.rows, figures); });
    return out;
}

}  // namespace brisanel::calc
