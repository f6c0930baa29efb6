#include "plan/loan_start.h"

#include <algorithm>
#include <cmath>

namespace brisanel::plan {

// 1 - (1 + r)^-n is worked out through log1p and expm1, which keep its digits for rates too small
// to change 1 + r; a rate of 0 leaves equal parts.
double annuity(double balance, double rate, double months) {
    if (months < 1) months = 1;
    const double part = -std::expm1(-months * std::log1p(rate));
    return part == 0 ? balance / months : balance * rate / part;
}

double workedOut(const LoanStart& loan, double owing, double rate, int periods, bool balloonAhead) {
    double left = owing;
    if (balloonAhead && loan.balloon > 0) {
        left -= loan.balloon * std::exp(-std::max(periods, 1) * std::log1p(rate));
    }
    const double instalment = std::max(0.0, annuity(left, rate, periods));
    return loan.cents ? roundInstalment(instalment, loan.rule) : instalment;
}

double periodInterest(const LoanStart& loan, double balance, double annualRate, Ratio share) {
    if (loan.cents) return interestCents(balance, shortestDecimal(annualRate), share);
    return balance * (annualRate / 100) * share.value();
}

}  // namespace brisanel::plan
