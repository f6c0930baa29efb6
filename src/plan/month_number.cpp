#include "plan/month_number.h"

#include <cmath>

#include "numeric/number_rules.h"
#include "plan/payment_dates.h"

namespace brisanel::plan {

std::optional<int> monthOf(double value) {
    if (!(std::abs(value) <= kMonthRange) || value != std::trunc(value)) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<int> readMonth(std::string_view text) {
    const auto number = numeric::numberIn(text);  // none beyond the double range
    return number ? monthOf(*number) : std::nullopt;
}

std::optional<MonthOrDate> readMonthOrDate(std::string_view text) {
    if (const auto month = readMonth(text)) return MonthOrDate{month, std::nullopt};
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (const auto date = readDate(text)) return MonthOrDate{std::nullopt, date};
    return std::nullopt;
}

}  // namespace brisanel::plan
