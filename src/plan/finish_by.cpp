#include "plan/finish_by.h"

#include <cmath>

namespace brisanel::plan {

double extraNeeded(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
                   int month) {
    // An extra of everything owed in the first month clears the loan then: the balance with the
    // interest at the rate in force, as the month works it out.
    const double change = calendar.rateChange(0);
    const double fraction = calendar.fraction(0);
    const double owed =
        std::isnan(fraction)
            ? (1 + (std::isnan(change) ? loan.periodRate : change / (100.0 * loan.perYear))) *
                  loan.balance
            : loan.balance * (1 + (std::isnan(change) ? loan.annualRate : change) / 100 * fraction);
    // The search counts whole cents, or whole units for a loan whose cents leave the double range.
    const double perUnit = std::isfinite(owed * 100) ? 100 : 1;
    const auto endsBy = [&](double count) {
        const Totals totals =
            runLoan(loan, calendar, policy, baseEnd, count / perUnit, false).totals;
        return totals.cleared && totals.endMonth <= month;
    };
    if (endsBy(0)) return 0;
    double works = std::ceil(owed * perUnit) + 1;
    double fails = 0;
    // Halves the span until no whole count lies strictly inside it: when the two are one apart,
    // or when the counts are beyond those a double holds one by one.
    for (double middle = std::floor((works + fails) / 2); fails < middle && middle < works;
         middle = std::floor((works + fails) / 2)) {
        (endsBy(middle) ? works : fails) = middle;
    }
    return works / perUnit;
}

std::string finishByRefusal(int firstMonth) {
    return "The month to finish by must not be before the first instalment, month " +
           std::to_string(firstMonth) + ".";
}

}  // namespace brisanel::plan
