#include "calc/rate_finder.h"

#include <cstdint>

#include "calc/messages.h"
#include "details/growth.h"
#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/number_rules.h"

namespace brisanel::calc {

using namespace numeric::checked;
using numeric::formatNumber;

namespace {

struct Rates {
    double perPeriod;  // fraction
    double annual;     // percent
    const char* unit;
};

// The exponent is the reciprocal of the number of periods in the duration, so that
// (1 + rate) raised to that number gives back amount / principal.
double compoundRate(double principal, double amount, std::int16_t duration,
                    double monthsPerPeriod) {
    const double exponent = div(monthsPerPeriod, duration);
    const double growth = div(amount, principal);
    return sub(pow(growth, exponent), 1);
}

Rates ratesOf(Period period, double principal, double amount, std::int16_t duration) {
    switch (period) {
        case Period::Simple: {
            const double interest = sub(amount, principal);
            const double years = div(mul(duration, principal), 12);
            const double rate = div(interest, years);
            return {rate, mul(rate, 100), "per Annum"};
        }
        case Period::Yearly: {
            const double rate = compoundRate(principal, amount, duration, 12);
            return {rate, mul(rate, 100), "per Annum"};
        }
        case Period::HalfYearly: {
            const double rate = compoundRate(principal, amount, duration, 6);
            return {rate, mul(rate, 200), "per Half Year"};
        }
        case Period::Quarterly: {
            const double rate = compoundRate(principal, amount, duration, 3);
            return {rate, mul(rate, 400), "per Quarter"};
        }
        case Period::Monthly: {
            const double rate = compoundRate(principal, amount, duration, 1);
            return {rate, mul(rate, 1200), "per Month"};
        }
        case Period::Daily: {
            const double rate = compoundRate(principal, amount, duration, 1);
            return {rate, mul(rate, 36500), "per Day"};
        }
    }
    __builtin_unreachable();  // every value of the enum returns above
}

void find(const RateInputs& inputs, RateOutcome& out) {
    const double principal = numeric::readNumber(inputs.principal);
    if (principal <= 0) {
        return out.refuse(messages::kPrincipalPositive);
    }
    const double amount = numeric::readNumber(inputs.amount);
    if (amount < principal) {
        return out.refuse(messages::kAmountAtLeastPrincipal);
    }
    const std::int16_t duration = numeric::readInteger(inputs.duration);
    if (duration <= 0) {
        return out.refuse(messages::kDurationPositive);
    }

    const Rates rates = ratesOf(inputs.period, principal, amount, duration);
    const double percentPerPeriod = mul(rates.perPeriod, 100);
    out.ratePerPeriod = formatNumber(percentPerPeriod, "##0.00##") + " %";
    out.annualRate = formatNumber(rates.annual, "##0.00#") + " %";
    out.figures = RateFigures{percentPerPeriod, rates.annual};
    out.unitWord = rates.unit;
    details::appendGrowthRows(out.growth.emplace(), principal, rates.perPeriod, duration,
                              inputs.period);
}

}  // namespace

RateOutcome findRate(const RateInputs& inputs) {
    RateOutcome out;
    trapFailures(out, {numeric::Failure::TableLimit, messages::kCheckInput},
                 [&] { find(inputs, out); });
    return out;
}

}  // namespace brisanel::calc
