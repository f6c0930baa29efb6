#include "plan/finish_by.h"

#include <cmath>

namespace brisanel::plan {

double extraNeeded(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
                   int month) {
    // An extra of everything owed in the first month clears the loan then: the balance with the
    // interest at the rate in force, as the month works it out.
    const double change = calendar.rateChange(0);
    const double annualRate = std::isnan(change) ? loan.annualRate : change;
    const double owed =
        calendar.periodic() && !loan.cents
            ? (1 + (std::isnan(change) ? loan.periodRate : change / (100.0 * loan.perYear))) *
                  loan.balance
            : loan.balance +
                  periodInterest(loan, loan.balance, annualRate,
                                 calendar.periodic() ? Ratio{1, loan.perYear} : calendar.share(0));
    // The search counts whole cents, or whole units for a loan whose cents leave the double
    // range; the loop takes the extra in the plan's units.
    const double scale = loan.scale();
    const double perUnit = std::isfinite(owed / scale * 100) ? 100 : 1;
    const auto endsBy = [&](double count) {
        const Totals totals =
            runLoan(loan, calendar, policy, baseEnd, count * scale / perUnit, false).totals;
        return totals.cleared && totals.endMonth <= month;
    };
    if (endsBy(0)) return 0;
    double works = std::ceil(owed / scale * perUnit) + 1;
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
