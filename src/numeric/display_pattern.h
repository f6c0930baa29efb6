#pragma once

#include <string>
#include <string_view>

namespace brisanel::numeric {

/// Shows a value through a display pattern of "#", "0" and at most one ".".
/// Before the point: the integer digits without leading zeros, padded with zeros to the number
/// of "0" placeholders; an integer part of 0 with no "0" placeholder shows no digit at all; the
/// pattern never cuts digits. After the point: one digit per placeholder, a "0" always shown,
/// trailing zeros under "#" dropped. Rounds half away from zero on the shortest decimal form of
/// the value (so 1.005 shows as 1.01 under two decimals). A "-" leads a negative value unless it
/// shows as zero. No separators, no spaces. NaN and infinities show as "NaN", "Infinity" and
/// "-Infinity".
std::string formatNumber(double value, std::string_view pattern);

}  // namespace brisanel::numeric
