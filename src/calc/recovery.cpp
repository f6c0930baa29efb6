#include "calc/recovery.h"

#include <cstdint>
#include <string>

#include "calc/messages.h"
#include "details/reducing_balance.h"
#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/number_rules.h"

namespace brisanel::calc {

using namespace numeric::checked;
using details::addReducingBalanceLine;
using details::LinePlace;
using numeric::ArithmeticError;
using numeric::Failure;
using numeric::formatNumber;
using numeric::readInteger;
using numeric::readNumber;

namespace {

void compute(const RecoveryInputs& inputs, RecoveryOutcome& out) {
    const double principal = readNumber(inputs.principal);
    if (principal <= 0) {
        out.message = messages::kPrincipalPositive;
        return;
    }
    const double annualRate = readNumber(inputs.rate);
    if (!(annualRate > 0 && annualRate <= 200)) {
        out.message = messages::kRateUpTo200;
        return;
    }
    const std::int16_t start = readInteger(inputs.startAfter);
    if (start < 0) {
        out.message = messages::kStartNotNegative;
        return;
    }
    const double instalment = readNumber(inputs.emi);
    if (instalment <= 0) {
        out.message = messages::kEmiPositive;
        return;
    }

    const double rate = div(annualRate, 1200);
    const double grown = mul(principal, pow(add(1, rate), start));
    double balance = grown;

    auto& lines = out.lines.emplace();
    addReducingBalanceLine(lines, 1, 1, balance, instalment, LinePlace::First);
    int k = 0;
    for (;;) {
        balance = sub(mul(add(1, rate), balance), instalment);
        details::requireBalanceIndex(k);  // one balance per pass; a loan still open is given up
        if (balance > instalment) {
            addReducingBalanceLine(lines, k + 2, k + 2, balance, instalment, LinePlace::Other);
            ++k;
            continue;
        }
        // What is left, at most one instalment, is the last payment.
        addReducingBalanceLine(lines, k + 2, k + 2, balance, balance, LinePlace::Other);
        break;
    }

    out.months = std::to_string(k + 2);
    const double recovery = add(mul(k + 1, instalment), balance);
    out.grossRecovery = formatNumber(recovery, "#########");
    const double interest = sub(recovery, principal);
    out.grossInterest = formatNumber(interest, "########");
    out.figures = RecoveryFigures{k + 2, recovery, interest, grown, rate, instalment};
}

}  // namespace

RecoveryOutcome computeRecovery(const RecoveryInputs& inputs) {
    RecoveryOutcome out;
    try {
        compute(inputs, out);
    } catch (const ArithmeticError& error) {
        out.failure = error.kind();
        if (error.kind() == Failure::TableLimit) out.message = messages::kCheckRecovery;
    }
    return out;
}

}  // namespace brisanel::calc
