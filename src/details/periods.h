#pragma once

#include <array>
#include <string_view>

namespace brisanel::details {

/// The compounding periods of the rate finder, by their position in the period list.
enum class Period { Simple, Yearly, HalfYearly, Quarterly, Monthly, Daily };

/// The period list's items, in list order.
inline constexpr std::array<std::string_view, 6> kPeriodItems = {
    "Simple", "Yearly", "Half Yearly", "Quarterly", "Monthly", "DAILY"};

}  // namespace brisanel::details
