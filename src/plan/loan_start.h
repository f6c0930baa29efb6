#pragma once

#include <optional>

#include "plan/cents.h"

// A checked loan and the amounts worked out from it, shared by the loan check, which sets the
// instalment, and the loop, which works it out again as events change the balance.
namespace brisanel::plan {

/// A checked loan at its first instalment period. Its amounts are in the plan's units: whole
/// cents (as whole numbers) when `cents`, else the currency's units at full precision.
struct LoanStart {
    double balance = 0;     ///< the principal grown over the waiting periods
    double annualRate = 0;  ///< percent
    double periodRate = 0;  ///< a period's rate: monthly, as the panel worked it out
    double instalment = 0;  ///< the scheduled instalment, after any interest-only periods
    int firstMonth = 1;     ///< the start delay + 1
    int perYear = 12;       ///< payment periods a year
    double principal = 0;   ///< before the waiting periods
    std::optional<int> term = std::nullopt;  ///< the periods of instalments, when a term is given
    double balloon = 0;                      ///< paid with the term's last instalment
    int interestOnly = 0;                    ///< the first periods, paying only their interest
    bool cents = false;
    InstalmentRule rule = InstalmentRule::Nearest;  ///< for an instalment worked out in cents

    /// What one unit of the currency is in the plan's units: 100 in cents, else 1.
    double scale() const { return cents ? 100 : 1; }
};

/// The instalment that repays `balance` over `months` at the monthly rate; a month or less left
/// repays it all in the next month.
double annuity(double balance, double rate, double months);

/// The instalment that repays `owing` over `periods` at the period's rate, leaving the balloon
/// when the balloon is still to come, never below 0; in cents, rounded by the loan's rule.
double workedOut(const LoanStart& loan, double owing, double rate, int periods, bool balloonAhead);

/// A period's interest on a balance in the plan's units at an annual rate for a share of a year:
/// exactly to the cent in cents, else at full precision.
double periodInterest(const LoanStart& loan, double balance, double annualRate, Ratio share);

}  // namespace brisanel::plan
