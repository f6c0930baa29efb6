#pragma once

#include <string>

#include "plan/engine.h"

namespace brisanel::plan {

/// The smallest monthly extra, a whole number of cents, that paid every month from the first
/// instalment on top of the calendar's events ends the loan by `month`: 0 when it already ends
/// by then. Found by bisection over whole cents, each candidate run in full, so the answer ends
/// the loan by `month` and one cent less does not, for every answer below 2^50 cents (11 million
/// million), beyond which a double no longer holds every whole cent and its hundredth exactly
/// enough (a loan whose cents would leave the double range is searched in whole units). `month`
/// must not be before the first instalment month.
double extraNeeded(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
                   int month);

/// The message refusing a month to finish by that comes before the first instalment.
std::string finishByRefusal(int firstMonth);

}  // namespace brisanel::plan
