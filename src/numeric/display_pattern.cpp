#include "numeric/display_pattern.h"

#include <charconv>
#include <cmath>

namespace brisanel::numeric {
namespace {

struct Pattern {
    std::size_t zerosBeforePoint = 0;  // "0" placeholders in the integer part
    std::string_view decimals;         // placeholders after the point
    bool hasPoint = false;
};

Pattern parse(std::string_view pattern) {
    Pattern parsed;
    const std::size_t point = pattern.find('.');
    const std::string_view integerPart = pattern.substr(0, point);
    for (char c : integerPart) parsed.zerosBeforePoint += (c == '0');
    if (point != std::string_view::npos) {
        parsed.hasPoint = true;
        parsed.decimals = pattern.substr(point + 1);
    }
    return parsed;
}

// |value| × 10^decimals rounded half away from zero, as decimal digits without leading zeros
// (empty for zero). Works on the shortest decimal form that reads back as the same double.
std::string scaledDigits(double magnitude, std::size_t decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = text.find('e');
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c != '.') digits += c;
    }
    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+') exponentText.remove_prefix(1);
    long exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    // digits stand for 0.d1d2... × 10^(exponent + 1); keep those down to 10^-decimals.
    const long keep = exponent + 1 + static_cast<long>(decimals);
    if (keep < 0) return {};
    std::string kept;
    bool roundUp = false;
    if (static_cast<std::size_t>(keep) >= digits.size()) {
        kept = digits + std::string(static_cast<std::size_t>(keep) - digits.size(), '0');
    } else {
        kept = digits.substr(0, static_cast<std::size_t>(keep));
        roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    }
    if (roundUp) {
        std::size_t i = kept.size();
        while (i > 0 && kept[i - 1] == '9') kept[--i] = '0';
        if (i == 0) {
            kept.insert(kept.begin(), '1');
        } else {
            ++kept[i - 1];
        }
    }
    const std::size_t firstNonZero = kept.find_first_not_of('0');
    return firstNonZero == std::string::npos ? std::string{} : kept.substr(firstNonZero);
}

}  // namespace

std::string formatNumber(double value, std::string_view pattern) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";

    const Pattern parsed = parse(pattern);
    const std::size_t decimals = parsed.decimals.size();
    const std::string digits = scaledDigits(std::fabs(value), decimals);

    std::string integerDigits;
    std::string fraction(decimals, '0');
    if (digits.size() > decimals) {
        integerDigits = digits.substr(0, digits.size() - decimals);
        fraction = digits.substr(digits.size() - decimals);
    } else {
        fraction.replace(decimals - digits.size(), digits.size(), digits);
    }

    std::string text;
    if (std::signbit(value) && !digits.empty()) text += '-';
    if (integerDigits.size() < parsed.zerosBeforePoint) {
        text.append(parsed.zerosBeforePoint - integerDigits.size(), '0');
    }
    text += integerDigits;
    if (parsed.hasPoint) {
        text += '.';
        // Show up to the last digit that is non-zero or stands under a "0" placeholder.
        std::size_t shown = decimals;
        while (shown > 0 && fraction[shown - 1] == '0' && parsed.decimals[shown - 1] == '#') {
            --shown;
        }
        text.append(fraction, 0, shown);
    }
    return text;
}

}  // namespace brisanel::numeric
