#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "calc/outcome.h"
#include "plan/loan_start.h"
#include "plan/plan.h"

// A loan checked as its panel checks it, outside the loop that repays it: plan files check a loan
// without running the plan.
namespace brisanel::plan {

/// The box of the loan that a refusal is about; Loan when it is about the loan as a whole ("Check
/// Principal amount, rate and EMI.").
/// Schedule when it is about the schedule's options (a balloon, interest-only periods).
enum class LoanField { Principal, Rate, StartAfter, Months, Instalment, Loan, Schedule };

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
/// the instalment is the annuity at the period's rate, R / (100 f). The schedule's options that
/// change the instalment (accelerated payments, a balloon, interest-only periods, whole cents)
/// are checked and applied here; those that need dates are the plan's.
std::variant<LoanStart, LoanRefusal> checkLoan(const LoanTexts& texts,
                                               const ScheduleOptions& options = {});

/// Checks the fees against the principal and adds a financed fee to the loan, which then runs
/// on the principal and the fee; the refusal, if they are refused.
std::optional<std::string> borrowFees(const Fees& fees, LoanTexts& loan);

/// The limit on amounts in whole cents, in a sentence about `what`; the loan's amounts and the
/// events' are held to the same limit.
std::string centLimitRefusal(std::string_view what);

}  // namespace brisanel::plan
