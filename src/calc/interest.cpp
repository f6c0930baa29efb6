#include "calc/interest.h"

#include "calc/messages.h"
#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/number_rules.h"

namespace brisanel::calc {

using namespace numeric::checked;
using numeric::formatNumber;
using numeric::readNumber;

namespace {

struct Periods {
    double rate;   // fraction per period
    double count;  // number of periods
};

Periods periodsOf(InterestRule rule, double annualPercent, double months) {
    switch (rule) {
        case InterestRule::Simple:
        case InterestRule::Annually:
            return {div(annualPercent, 100), div(months, 12)};
        case InterestRule::Quarterly:
            return {div(annualPercent, 400), div(months, 3)};
        case InterestRule::Monthly:
            return {div(annualPercent, 1200), months};
        case InterestRule::Daily:
            return {div(annualPercent, 36500), mul(div(365, 12), months)};
    }
    __builtin_unreachable();  // every value of the enum returns above
}

void compute(InterestRule rule, const InterestInputs& inputs, InterestOutcome& out) {
    const double principal = readNumber(inputs.principal);
    if (principal <= 0) {
        return out.refuse(messages::kPrincipalPositive);
    }
    const double months = readNumber(inputs.months);
    if (months <= 0) {
        return out.refuse(messages::kMonthsPositive);
    }
    const double rate = readNumber(inputs.rate);
    if (!(rate > 0 && rate <= 200)) {
        return out.refuse(messages::kRateUpTo200);
    }

    const Periods periods = periodsOf(rule, rate, months);
    if (rule == InterestRule::Simple) {
        const double interest = mul(mul(periods.rate, principal), periods.count);
        out.interest = formatNumber(interest, "#######");
        const double grossAmount = add(interest, principal);
        out.grossAmount = formatNumber(grossAmount, "########");
        out.figures = InterestFigures{interest, grossAmount};
        return;
    }
    const double amount = mul(pow(add(periods.rate, 1), periods.count), principal);
    const double interest = sub(amount, principal);
    out.interest = formatNumber(interest, "########");
    out.grossAmount = formatNumber(amount, "#########");
    out.figures = InterestFigures{interest, amount};
}

}  // namespace

InterestOutcome computeInterest(InterestRule rule, const InterestInputs& inputs) {
    InterestOutcome out;
    trapFailures(out, {std::nullopt, messages::kCheckInput}, [&] { compute(rule, inputs, out); });
    return out;
}

}  // namespace brisanel::calc
