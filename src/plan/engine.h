#pragma once

#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "plan/loan_start.h"
#include "plan/plan.h"

// The month-by-month loop behind computePlan, for the searches that run it many times.
namespace brisanel::plan {

/// The events laid out by month, from the first instalment month up to the month limit: the
/// extras of each month added up in the order given, and the rate set in each month, if any (the
/// last given wins). Months outside that span are left out.
class EventCalendar {
public:
    /// `shares`, when given, holds each instalment period's share of a year from the first on,
    /// as its day count measures it; without it each period's interest is the period's rate. The
    /// calendar refers to them, so they must outlive it (a plan's base and plan share them).
    /// With `cents` each extra is rounded to the cent and kept in cents.
    EventCalendar(const std::vector<Event>& events, int firstMonth, int perYear = 12,
                  std::span<const Ratio> shares = {}, bool cents = false);
    /// By the month's place: 0 for the first instalment month.
    double extra(int index) const { return extras_[index]; }
    /// NaN when the rate does not change.
    double rateChange(int index) const { return rates_[index]; }
    /// Whether each period's interest is the period's rate, whatever its dates.
    bool periodic() const { return shares_.empty(); }
    /// The period's share of a year under the day count; only when not periodic().
    const Ratio& share(int index) const { return shares_[index]; }

private:
    std::vector<double> extras_;
    std::vector<double> rates_;
    std::span<const Ratio> shares_;
};

/// The dates of a plan's periods, period 0 (the loan date) to the month limit's, and the share of
/// a year each runs for under a day count. Empty without a first payment date.
struct PeriodDates {
    std::vector<QDate> dates;  ///< dates[k] is period k's

    bool empty() const { return dates.empty(); }
    /// The first period paid on or after `date`, or the last paid on or before it; nullopt
    /// beyond the periods laid out.
    std::optional<int> onOrAfter(QDate date) const;
    std::optional<int> onOrBefore(QDate date) const;
    /// Periods from..to's shares of a year under the day count.
    std::vector<Ratio> shares(DayCount dayCount, int from, int to) const;
};

/// Thrown when a balance in whole cents grows beyond kCentLimit, in the period named.
struct CentLimitPassed {
    int period = 0;
};

/// Repays the loan month by month under the policy, with `extraEveryMonth` (in the plan's units)
/// paid on top of the calendar's extras each month. baseEnd is the month by which "keep the end
/// month" repays. Rows are kept only when asked for; the totals always; both in the currency's
/// units. Throws numeric::ArithmeticError (Overflow) when a balance leaves the double range, and
/// CentLimitPassed.
Run runLoan(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
            double extraEveryMonth, bool keepRows);

}  // namespace brisanel::plan
