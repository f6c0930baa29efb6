#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/outcome.h"
#include "plan/plan.h"

// The month-by-month loop behind computePlan, for the searches that run it many times.
namespace brisanel::plan {

/// A checked loan at its first instalment month.
struct LoanStart {
    double balance = 0;      ///< the principal grown over the waiting months
    double annualRate = 0;   ///< percent
    double monthlyRate = 0;  ///< as the panel worked it out from the annual rate
    double instalment = 0;   ///< the scheduled instalment
    int firstMonth = 1;      ///< the start delay + 1
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
std::variant<LoanStart, LoanRefusal> checkLoan(const LoanTexts& texts);

/// The events laid out by month, from the first instalment month up to the month limit: the
/// extras of each month added up in the order given, and the rate set in each month, if any (the
/// last given wins). Months outside that span are left out.
class EventCalendar {
public:
    EventCalendar(const std::vector<Event>& events, int firstMonth);
    /// By the month's place: 0 for the first instalment month.
    double extra(int index) const { return extras_[index]; }
    /// NaN when the rate does not change.
    double rateChange(int index) const { return rates_[index]; }

private:
    std::vector<double> extras_;
    std::vector<double> rates_;
};

/// Repays the loan month by month under the policy, with `extraEveryMonth` paid on top of the
/// calendar's extras each month. baseEnd is the month by which "keep the end month" repays.
/// Rows are kept only when asked for; the totals always. Throws numeric::ArithmeticError
/// (Overflow) when a balance leaves the double range.
Run runLoan(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
            double extraEveryMonth, bool keepRows);

}  // namespace brisanel::plan
