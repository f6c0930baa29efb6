#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/outcome.h"
#include "plan/plan.h"

// The month-by-month loop behind computePlan, for the searches that run it many times.
namespace brisanel::plan {

/// A checked loan at its first instalment period.
struct LoanStart {
    double balance = 0;     ///< the principal grown over the waiting periods
    double annualRate = 0;  ///< percent
    double periodRate = 0;  ///< a period's rate: monthly, as the panel worked it out
    double instalment = 0;  ///< the scheduled instalment
    int firstMonth = 1;     ///< the start delay + 1
    int perYear = 12;       ///< payment periods a year
};

/// The box of the loan that a refusal is about; Loan when it is about the loan as a whole ("Check
/// Principal amount, rate and EMI.").
enum class LoanField { Principal, Rate, StartAfter, Months, Instalment, Loan };

/// A loan's name in a plan file: "principal", "rate", "start_after", "months", "emi", or empty.
std::string_view fieldName(LoanField field);

/// Why a loan is refused: Refused by an input check, or Failed at run time; the panel's message.
struct LoanRefusal {
    calc::Ending ending = calc::Ending::Refused;
    LoanField field = LoanField::Loan;
    std::string message;
};

/// Checks a loan exactly as its panel's button does: with months as "Find EMI" does, with an
/// instalment as "Find Months" does, which also refuses a loan that its instalment does not repay
/// within the panel's 1801 passes. The one check of a loan, for the engine and plan files alike.
/// At another frequency the same checks hold with the term and the start counted in periods, and
/// the instalment is the annuity at the period's rate, R / (100 f).
std::variant<LoanStart, LoanRefusal> checkLoan(const LoanTexts& texts,
                                               Frequency frequency = Frequency::Monthly);

/// The events laid out by month, from the first instalment month up to the month limit: the
/// extras of each month added up in the order given, and the rate set in each month, if any (the
/// last given wins). Months outside that span are left out.
class EventCalendar {
public:
    /// `fractions`, when given, holds each instalment period's share of a year from the first on,
    /// as its day count measures it; without it each period's interest is the period's rate.
    EventCalendar(const std::vector<Event>& events, int firstMonth, int perYear = 12,
                  std::vector<double> fractions = {});
    /// By the month's place: 0 for the first instalment month.
    double extra(int index) const { return extras_[index]; }
    /// NaN when the rate does not change.
    double rateChange(int index) const { return rates_[index]; }
    /// The period's share of a year, or NaN when its interest is the period's rate.
    double fraction(int index) const {
        return fractions_.empty() ? std::nan("") : fractions_[index];
    }

private:
    std::vector<double> extras_;
    std::vector<double> rates_;
    std::vector<double> fractions_;
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
    std::vector<double> fractions(DayCount dayCount, int from, int to) const;
};

/// Repays the loan month by month under the policy, with `extraEveryMonth` paid on top of the
/// calendar's extras each month. baseEnd is the month by which "keep the end month" repays.
/// Rows are kept only when asked for; the totals always. Throws numeric::ArithmeticError
/// (Overflow) when a balance leaves the double range.
Run runLoan(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
            double extraEveryMonth, bool keepRows);

}  // namespace brisanel::plan
