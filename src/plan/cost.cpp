#include "plan/cost.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "export/table_csv.h"
#include "numeric/failure.h"
#include "numeric/number_rules.h"

namespace brisanel::plan {

namespace {

// The payments' times, each as whole periods and as the rest of a period or a year.
struct Times {
    bool early = false;           // a payment on or before the day the credit is paid out
    std::vector<double> years;    // EU/UK: whole periods / f + days left / 365 or 366
    std::vector<double> periods;  // US: whole unit periods
    std::vector<double> rests;    // US: the days left as a fraction of a unit period
};

}  // namespace

double unitPeriodDays(Frequency frequency) {
    switch (frequency) {
        case Frequency::Weekly:
            return 7;
        case Frequency::Fortnightly:
            return 14;
        case Frequency::Quarterly:
            return 90;
        case Frequency::Monthly:
            break;
    }
    return 30;
}

namespace {

Times timesOf(const CreditFlows& flows) {
    Times times;
    const double perYear = periodsPerYear(flows.frequency);
    for (const CreditPayment& payment : flows.payments) {
        const FlowTime time = flowTime(flows, payment);
        times.early = times.early || time.periods < 0 || (time.periods == 0 && time.days <= 0);
        times.years.push_back(time.periods / perYear + double(time.days) / time.yearDays);
        times.periods.push_back(time.periods);
        times.rests.push_back(time.days / unitPeriodDays(flows.frequency));
    }
    return times;
}

// The payments' worth at a rate less the advance, and its slope; the worth falls as the rate
// grows.
struct Worth {
    double value = 0;
    double slope = 0;
};

Worth worthAt(const CreditFlows& flows, const Times& times, AprMethod method, double rate) {
    Worth worth{-flows.advance, 0};
    const double logGrowth = std::log1p(rate);
    for (std::size_t k = 0; k < flows.payments.size(); ++k) {
        const double amount = flows.payments[k].amount;
        if (method == AprMethod::Eu) {
            // A (1 + X)^-t
            const double t = times.years[k];
            const double discounted = amount * std::exp(-t * logGrowth);
            worth.value += discounted;
            worth.slope -= t * discounted / (1 + rate);
        } else {
            // A / ((1 + e i) (1 + i)^q)
            const double q = times.periods[k];
            const double e = times.rests[k];
            const double discounted = amount / ((1 + e * rate) * std::exp(q * logGrowth));
            worth.value += discounted;
            worth.slope -= discounted * (e / (1 + e * rate) + q / (1 + rate));
        }
    }
    return worth;
}

}  // namespace

FlowTime flowTime(const CreditFlows& flows, const CreditPayment& payment) {
    if (!flows.loanDate || !payment.date.isValid()) return {payment.period, 0, 365};
    const PeriodsBack back = periodsBack(payment.date, *flows.loanDate, flows.frequency);
    return {back.periods, static_cast<int>(flows.loanDate->daysTo(back.reached)),
            yearEndingHoldsLeapDay(back.reached) ? 366 : 365};
}

std::optional<double> aprOf(const CreditFlows& flows, AprMethod method) {
    const Times times = timesOf(flows);
    if (times.early) return std::nullopt;
    const double perPeriod = method == AprMethod::Us ? periodsPerYear(flows.frequency) : 1;
    // The worth falls as the rate grows: positive at 0 when the payments repay more than the
    // advance, and negative at a rate high enough.
    const Worth atZero = worthAt(flows, times, method, 0);
    if (atZero.value < 0 || flows.advance <= 0) return std::nullopt;
    if (atZero.value == 0) return 0.0;
    double low = 0;
    double high = 1;
    while (worthAt(flows, times, method, high).value > 0) {
        low = high;
        high *= 2;
        if (high > 1e12) return std::nullopt;
    }
    // Newton's steps from the bracket's middle, each kept inside the bracket that holds the
    // root, and halving it when a step would leave it.
    double rate = (low + high) / 2;
    for (int step = 0; step < 200 && high - low > 1e-15 * std::max(1.0, high); ++step) {
        const Worth worth = worthAt(flows, times, method, rate);
        if (worth.value == 0) {
            low = high = rate;
            break;
        }
        (worth.value > 0 ? low : high) = rate;
        const double newton = worth.slope < 0 ? rate - worth.value / worth.slope : std::nan("");
        const double next = newton > low && newton < high ? newton : (low + high) / 2;
        if (std::abs(next - rate) <= 1e-14 * std::max(1.0, rate)) {
            rate = next;
            break;
        }
        rate = next;
    }
    return rate * perPeriod * 100;
}

std::string shownApr(double apr, AprMethod method) {
    const int decimals = method == AprMethod::Eu ? 1 : 2;
    const double scale = method == AprMethod::Eu ? 10 : 100;
    // Half up; a value a billionth of a unit short of a half is binary noise at the half.
    const double rounded = std::floor(apr * scale + 0.5 + 1e-9) / scale;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
    return text;
}

CreditCost costOf(const CreditFlows& flows, double credit, double upfrontFee, AprMethod method) {
    CreditCost cost;
    cost.credit = credit;
    cost.method = method;
    cost.payable = upfrontFee;
    for (const CreditPayment& payment : flows.payments) cost.payable += payment.amount;
    cost.costOfCredit = cost.payable - credit;
    cost.apr = aprOf(flows, method);
    if (!cost.apr) {
        cost.noApr = timesOf(flows).early
                         ? "The payments start before the credit is paid out: there is no APR."
                         : "The payments repay less than the credit: there is no APR.";
    }
    return cost;
}

std::optional<FeeAmount> readFee(std::string_view text, bool percentAllowed) {
    FeeAmount fee;
    if (percentAllowed && text.ends_with('%')) {
        fee.percent = true;
        text.remove_suffix(1);
    }
    if (!numeric::isNumeric(text)) return std::nullopt;
    try {
        fee.value = numeric::readNumber(text);
    } catch (const numeric::ArithmeticError&) {
        return std::nullopt;
    }
    return fee;
}

std::string feeText(const FeeAmount& fee) {
    return saving::fullPrecision(fee.value) + (fee.percent ? "%" : "");
}

std::string_view methodWord(AprMethod method) {
    return method == AprMethod::Us ? "us" : "eu";
}

std::optional<AprMethod> methodNamed(std::string_view word) {
    if (word == "eu") return AprMethod::Eu;
    if (word == "us") return AprMethod::Us;
    return std::nullopt;
}

}  // namespace brisanel::plan
