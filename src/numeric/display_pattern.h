#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brisanel::numeric {

/// A display pattern of "#", "0" and at most one ".", read once so that it can format many values.
class DisplayPattern {
public:
    constexpr explicit DisplayPattern(std::string_view pattern) {
        const std::size_t point = pattern.find('.');
        for (char c : pattern.substr(0, point)) zerosBeforePoint_ += (c == '0');
        if (point != std::string_view::npos) {
            hasPoint_ = true;
            decimals_ = pattern.substr(point + 1);
        }
    }

    /// "0" placeholders before the point: the least number of integer digits shown.
    constexpr std::size_t zerosBeforePoint() const { return zerosBeforePoint_; }
    /// The placeholders after the point, one per decimal.
    constexpr std::string_view decimals() const { return decimals_; }
    constexpr bool hasPoint() const { return hasPoint_; }

private:
    std::size_t zerosBeforePoint_ = 0;
    std::string_view decimals_;
    bool hasPoint_ = false;
};

/// Shows a value through a display pattern of "#", "0" and at most one ".".
/// Before the point: the integer digits without leading zeros, padded with zeros to the number
/// of "0" placeholders; an integer part of 0 with no "0" placeholder shows no digit at all; the
/// pattern never cuts digits. After the point: one digit per placeholder, a "0" always shown,
/// trailing zeros under "#" dropped. Rounds half away from zero on the shortest decimal form of
/// the value (so 1.005 shows as 1.01 under two decimals). A "-" leads a negative value unless it
/// shows as zero. No separators, no spaces. NaN and infinities show as "NaN", "Infinity" and
/// "-Infinity".
std::string formatNumber(double value, std::string_view pattern);

/// formatNumber's text appended to `text`, for building a line without a temporary per field.
void appendNumber(std::string& text, double value, const DisplayPattern& pattern);
void appendNumber(std::string& text, double value, std::string_view pattern);

}  // namespace brisanel::numeric
