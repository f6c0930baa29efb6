#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/outcome.h"
#include "details/growth.h"

namespace brisanel::calc {

using details::Period;

/// The texts of the "Find Interest Rate" panel's input boxes and the chosen period.
struct RateInputs {
    std::string_view principal;  ///< Text1(6)
    std::string_view amount;     ///< Text1(21), principal with interest
    std::string_view duration;   ///< Text1(13), months, or days under Period::Daily
    Period period;               ///< Combo2's selected position
};

/// The values behind the rate boxes at full precision.
struct RateFigures {
    double ratePerPeriodPercent = 0;  ///< Text1(22) without " %"
    double annualRatePercent = 0;     ///< Text1(23) without " %"
};

struct RateOutcome : Outcome {
    std::optional<std::string> ratePerPeriod;  ///< Text1(22), percent with " %"
    std::optional<std::string> annualRate;     ///< Text1(23), percent with " %"
    std::optional<std::string> unitWord;       ///< caption of Label1(27)
    /// Set once the growth table was started: the list is then replaced by these rows' lines and
    /// the repayment header hidden, even when a failure stopped the table part-way.
    std::optional<details::GrowthRows> growth;
    std::optional<RateFigures> figures;  ///< set when both rate boxes were written
};

/// One click of "Find Interest Rate": checks principal, amount and duration in that order, then
/// the rate per period and the nominal annual rate by a closed formula, then the growth table.
/// A growth table beyond its period limit ends the click with "Check your input data."; any other
/// run-time failure ends it silently, keeping what was written before it.
RateOutcome findRate(const RateInputs& inputs);

}  // namespace brisanel::calc
