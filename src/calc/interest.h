#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/outcome.h"

namespace brisanel::calc {

/// The five buttons of the "Interests" panel.
enum class InterestRule { Simple, Annually, Quarterly, Monthly, Daily };

/// The texts of the panel's input boxes.
struct InterestInputs {
    std::string_view principal;  ///< Text1(0)
    std::string_view months;     ///< Text1(1), fractions allowed
    std::string_view rate;       ///< Text1(2), annual percent
};

/// The values behind the two result boxes, at full precision.
struct InterestFigures {
    double interest = 0;
    double grossAmount = 0;
};

struct InterestOutcome : Outcome {
    std::optional<std::string> interest;     ///< Text1(3), when written
    std::optional<std::string> grossAmount;  ///< Text1(4), when written
    std::optional<InterestFigures> figures;  ///< set when both boxes were written
};

/// One click of an interest button: checks principal, months and rate in that order, then the
/// interest and the gross amount, each rounded to a whole number for display. An overflow ends
/// the click with "Check your input data.", keeping a result written before it.
InterestOutcome computeInterest(InterestRule rule, const InterestInputs& inputs);

}  // namespace brisanel::calc
