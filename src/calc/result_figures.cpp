#include "calc/result_figures.h"

#include <cstdint>

#include "numeric/checked.h"
#include "numeric/number_rules.h"

namespace brisanel::calc {

using namespace numeric::checked;
using numeric::readInteger;
using numeric::readNumber;

InterestFigures interestFigures(InterestRule rule, const InterestInputs& inputs) {
    const double principal = readNumber(inputs.principal);
    const double months = readNumber(inputs.months);
    const double annualPercent = readNumber(inputs.rate);

    double rate = 0;
    double periods = 0;
    switch (rule) {
        case InterestRule::Simple:
        case InterestRule::Annually:
            rate = div(annualPercent, 100);
            periods = div(months, 12);
            break;
        case InterestRule::Quarterly:
            rate = div(annualPercent, 400);
            periods = div(months, 3);
            break;
        case InterestRule::Monthly:
            rate = div(annualPercent, 1200);
            periods = months;
            break;
        case InterestRule::Daily:
            rate = div(annualPercent, 36500);
            periods = mul(div(365, 12), months);
            break;
    }

    if (rule == InterestRule::Simple) {
        const double interest = mul(mul(rate, principal), periods);
        return {interest, add(interest, principal)};
    }
    const double amount = mul(pow(add(rate, 1), periods), principal);
    return {sub(amount, principal), amount};
}

EmiTotals emiTotals(const EmiInputs& inputs, const details::EmiFigures& figures) {
    const double principal = readNumber(inputs.principal);
    const double recovery = mul(figures.months, figures.amount);
    return {figures.amount, sub(recovery, principal), recovery, figures.principal};
}

RecoveryFigures recoveryFigures(const RecoveryInputs& inputs) {
    const double principal = readNumber(inputs.principal);
    const double annualRate = readNumber(inputs.rate);
    const std::int16_t start = readInteger(inputs.startAfter);
    const double instalment = readNumber(inputs.emi);

    const double rate = div(annualRate, 1200);
    const double grown = mul(principal, pow(add(1, rate), start));

    RecoveryFigures out;
    out.principalAfterWait = grown;
    out.rows = details::recoveryScheduleRows(grown, rate, instalment);
    out.months = static_cast<int>(out.rows.size());
    // Every month but the last pays the instalment; the last pays the balance left.
    const double lastPayment = out.rows.back().instalment;
    out.grossRecovery = add(mul(out.months - 1, instalment), lastPayment);
    out.grossInterest = sub(out.grossRecovery, principal);
    return out;
}

namespace {

// (amount / principal) raised to months-per-period / duration, less 1.
double compoundRate(double principal, double amount, std::int16_t duration,
                    double monthsPerPeriod) {
    const double exponent = div(monthsPerPeriod, duration);
    const double growth = div(amount, principal);
    return sub(pow(growth, exponent), 1);
}

}  // namespace

RateFigures rateFigures(const RateInputs& inputs) {
    const double principal = readNumber(inputs.principal);
    const double amount = readNumber(inputs.amount);
    const std::int16_t duration = readInteger(inputs.duration);

    RateFigures out;
    switch (inputs.period) {
        case Period::Simple: {
            const double interest = sub(amount, principal);
            const double years = div(mul(duration, principal), 12);
            out.ratePerPeriod = div(interest, years);
            out.annualRatePercent = mul(out.ratePerPeriod, 100);
            out.unitWord = "per Annum";
            break;
        }
        case Period::Yearly:
            out.ratePerPeriod = compoundRate(principal, amount, duration, 12);
            out.annualRatePercent = mul(out.ratePerPeriod, 100);
            out.unitWord = "per Annum";
            break;
        case Period::HalfYearly:
            out.ratePerPeriod = compoundRate(principal, amount, duration, 6);
            out.annualRatePercent = mul(out.ratePerPeriod, 200);
            out.unitWord = "per Half Year";
            break;
        case Period::Quarterly:
            out.ratePerPeriod = compoundRate(principal, amount, duration, 3);
            out.annualRatePercent = mul(out.ratePerPeriod, 400);
            out.unitWord = "per Quarter";
            break;
        case Period::Monthly:
            out.ratePerPeriod = compoundRate(principal, amount, duration, 1);
            out.annualRatePercent = mul(out.ratePerPeriod, 1200);
            out.unitWord = "per Month";
            break;
        case Period::Daily:
            out.ratePerPeriod = compoundRate(principal, amount, duration, 1);
            out.annualRatePercent = mul(out.ratePerPeriod, 36500);
            out.unitWord = "per Day";
            break;
    }
    out.ratePerPeriodPercent = mul(out.ratePerPeriod, 100);
    out.rows = details::growthRows(principal, out.ratePerPeriod, duration, inputs.period);
    return out;
}

}  // namespace brisanel::calc
