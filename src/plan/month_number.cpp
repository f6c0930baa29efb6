#include "plan/month_number.h"

#include <cmath>

#include "numeric/failure.h"
#include "numeric/number_rules.h"

namespace brisanel::plan {

std::optional<int> monthOf(double value) {
    if (!(std::abs(value) <= kMonthRange) || value != std::trunc(value)) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> readMonth(std::string_view text) {
    if (!numeric::isNumeric(text)) return std::nullopt;
    try {
        return monthOf(numeric::readNumber(text));
    } catch (const numeric::ArithmeticError&) {
        return std::nullopt;  // beyond the double range
    }
}

}  // namespace brisanel::plan
