#pragma once

#include <string>
#include <vector>

#include "calc/emi.h"
#include "calc/interest.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"
#include "details/emi_schedule.h"
#include "details/growth_rows.h"
#include "details/schedule_rows.h"

// The values behind the result boxes at full precision, for readers that want more than the
// rounded texts. Each function takes inputs that its panel's calculation accepted and repeats
// that calculation's operations in the same order, so every value shows as the box's text under
// the box's display pattern. They throw numeric::ArithmeticError where the calculation fails.
namespace brisanel::calc {

struct InterestFigures {
    double interest = 0;     ///< Text1(3)
    double grossAmount = 0;  ///< Text1(4)
};

InterestFigures interestFigures(InterestRule rule, const InterestInputs& inputs);

struct EmiTotals {
    double emi = 0;                 ///< Text1(14)
    double grossInterest = 0;       ///< Text1(15), against the principal as entered
    double grossRecovery = 0;       ///< Text1(16)
    double principalAfterWait = 0;  ///< the principal grown over the waiting months
};

/// `figures` are those that computeEmi(inputs) produced.
EmiTotals emiTotals(const EmiInputs& inputs, const details::EmiFigures& figures);

struct RecoveryFigures {
    int months = 0;                          ///< Text1(12)
    double grossRecovery = 0;                ///< Text1(9)
    double grossInterest = 0;                ///< Text1(10), against the principal as entered
    double principalAfterWait = 0;           ///< the principal grown over the waiting months
    std::vector<details::ScheduleRow> rows;  ///< one per line of the details list
};

RecoveryFigures recoveryFigures(const RecoveryInputs& inputs);

struct RateFigures {
    double ratePerPeriod = 0;              ///< the fraction per period that the growth table uses
    double ratePerPeriodPercent = 0;       ///< Text1(22) without " %"
    double annualRatePercent = 0;          ///< Text1(23) without " %"
    std::string unitWord;                  ///< caption of Label1(27)
    std::vector<details::GrowthRow> rows;  ///< one per line of the growth table
};

RateFigures rateFigures(const RateInputs& inputs);

}  // namespace brisanel::calc
