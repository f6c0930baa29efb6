#include "plan/finish_by.h"

#include <cmath>

namespace brisanel::plan {

double extraNeeded(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
                   int month) {
    const auto endsBy = [&](double cents) {
        const Totals totals = runLoan(loan, calendar, policy, baseEnd, cents / 100, false).totals;
        return totals.cleared && totals.endMonth <= month;
    };
    if (endsBy(0)) return 0;
    // An extra of everything that can be owed in the first month clears the loan then.
    const double owed = loan.balance * (1 + 200.0 / 1200);  // at the highest rate there is
    double works = std::ceil(owed * 100) + 1;
    double fails = 0;
    while (works - fails > 1) {
        const double middle = std::floor((works + fails) / 2);
        if (middle <= fails || middle >= works) break;  // beyond whole cents in a double
        (endsBy(middle) ? works : fails) = middle;
    }
    return works / 100;
}

std::string finishByRefusal(int firstMonth) {
    return "The month to finish by must not be before the first instalment, month " +
           std::to_string(firstMonth) + ".";
}

}  // namespace brisanel::plan
