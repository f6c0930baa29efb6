#include "numeric/display_pattern.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace brisanel::numeric {
namespace {

constexpr double kPowersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
constexpr std::size_t kMostQuickDecimals = std::size(kPowersOfTen) - 1;
// Below this every scaled value and its rounding are exact in a double and in 64 bits.
constexpr double kQuickLimit = 0x1p51;

// |value| x 10^decimals rounded half away from zero, read straight off the double, where that
// gives what rounding its shortest decimal form gives: the two differ only when a half lies
// between them (or is the shortest form itself), and they are never further apart than half a
// unit in the last place, so a scaled fraction clearly away from one half is safe. The rest
// (near a half, huge, many decimals) is left to the decimal-string way below.
bool quickScaled(double magnitude, std::size_t decimals, std::uint64_t& scaled) {
    if (decimals > kMostQuickDecimals) return false;
    const double product = magnitude * kPowersOfTen[decimals];
    if (!(product < kQuickLimit)) return false;
    const auto whole = static_cast<std::uint64_t>(product);        // the floor: product is >= 0
    const double fraction = product - static_cast<double>(whole);  // exact: within one unit
    if (decimals == 0) {
        // The product is the value itself: a half is exact and is its own shortest form.
        scaled = whole + (fraction >= 0.5 ? 1 : 0);
        return true;
    }
    // Error of the product plus the distance to the shortest form, with room to spare.
    const double margin = product * 0x1p-48;
    if (std::fabs(fraction - 0.5) <= margin) return false;
    scaled = whole + (fraction > 0.5 ? 1 : 0);
    return true;
}

// |value| x 10^decimals rounded half away from zero, as decimal digits without leading zeros
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
    // digits stand for 0.d1d2... x 10^(exponent + 1); keep those down to 10^-decimals.
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

// Writes the scaled digits (no leading zeros, empty for zero) laid out under the pattern to `out`,
// which has room for sign, padding, digits, point and decimals; returns the end.
char* compose(char* out, bool negative, std::string_view digits, const DisplayPattern& parsed) {
    const std::size_t decimals = parsed.decimals().size();
    std::string_view integerDigits;
    std::string_view fractionDigits = digits;  // right-aligned in the decimals
    if (digits.size() > decimals) {
        integerDigits = digits.substr(0, digits.size() - decimals);
        fractionDigits = digits.substr(digits.size() - decimals);
    }

    if (negative && !digits.empty()) *out++ = '-';
    if (integerDigits.size() < parsed.zerosBeforePoint()) {
        out = std::fill_n(out, parsed.zerosBeforePoint() - integerDigits.size(), '0');
    }
    out = std::copy(integerDigits.begin(), integerDigits.end(), out);
    if (!parsed.hasPoint()) return out;
    *out++ = '.';
    char* const fraction = out;
    out = std::fill_n(out, decimals - fractionDigits.size(), '0');
    out = std::copy(fractionDigits.begin(), fractionDigits.end(), out);
    // Drop trailing zeros that stand under "#": keep up to the last non-zero digit or "0".
    std::size_t shown = decimals;
    while (shown > 0 && fraction[shown - 1] == '0' && parsed.decimals()[shown - 1] == '#') --shown;
    return fraction + shown;
}

// Room that compose needs at most for these digits under this pattern.
std::size_t composedSize(std::size_t digits, const DisplayPattern& parsed) {
    return 2 + std::max(digits, parsed.zerosBeforePoint()) + parsed.decimals().size();
}

// "00" to "99": integer digits are written two at a time, from the right, straight into place.
// std::to_chars writes from the left into a buffer of its own, and copying its digits under the
// pattern measured about 40 % slower per number (scripts/bench, FormatNumber), which a table of
// 1800 lines with three numbers each feels.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t n = 0; n < 100; ++n) {
        pairs[2 * n] = static_cast<char>('0' + n / 10);
        pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

// Writes the digits of `n` (none for zero) to the left of `end`; returns the first one.
char* writeDigits(char* end, std::uint64_t n) {
    while (n >= 10) {
        end -= 2;
        std::memcpy(end, &kDigitPairs[2 * (n % 100)], 2);
        n /= 100;
    }
    if (n > 0) *--end = static_cast<char>('0' + n);
    return end;
}

// The scaled value laid out under the pattern in `buffer`, written from the right: the decimals,
// the point, the integer digits padded to the "0" placeholders, the sign. Returns the text.
template <std::size_t size>
std::string_view layOut(char (&buffer)[size], bool negative, std::uint64_t scaled,
                        const DisplayPattern& parsed) {
    const bool shown = scaled != 0;
    char* const end = buffer + size;
    char* first = end;
    const std::size_t decimals = parsed.decimals().size();
    for (std::size_t i = 0; i < decimals; ++i) {
        *--first = static_cast<char>('0' + scaled % 10);
        scaled /= 10;
    }
    char* const fraction = first;
    if (parsed.hasPoint()) *--first = '.';
    char* const integerEnd = first;
    first = writeDigits(first, scaled);
    const auto padding =
        static_cast<std::ptrdiff_t>(parsed.zerosBeforePoint()) - (integerEnd - first);
    if (padding > 0) {
        first -= padding;
        std::fill_n(first, padding, '0');
    }
    if (negative && shown) *--first = '-';
    // Drop trailing zeros that stand under "#": keep up to the last non-zero digit or "0".
    std::size_t kept = decimals;
    while (kept > 0 && fraction[kept - 1] == '0' && parsed.decimals()[kept - 1] == '#') --kept;
    return {first, static_cast<std::size_t>(fraction + kept - first)};
}

}  // namespace

void appendNumber(std::string& text, double value, const DisplayPattern& pattern) {
    const bool negative = std::signbit(value);
    std::uint64_t scaled = 0;
    char buffer[64];
    // NaN and the infinities are never quick.
    if (quickScaled(std::fabs(value), pattern.decimals().size(), scaled) &&
        composedSize(20, pattern) <= sizeof buffer) {
        text += layOut(buffer, negative, scaled, pattern);
        return;
    }
    if (std::isnan(value)) {
        text += "NaN";
        return;
    }
    if (std::isinf(value)) {
        text += value < 0 ? "-Infinity" : "Infinity";
        return;
    }
    const std::string digits = scaledDigits(std::fabs(value), pattern.decimals().size());
    std::string room(composedSize(digits.size(), pattern), '\0');
    const char* end = compose(room.data(), negative, digits, pattern);
    text.append(room.data(), static_cast<std::size_t>(end - room.data()));
}

void appendNumber(std::string& text, double value, std::string_view pattern) {
    appendNumber(text, value, DisplayPattern(pattern));
}

std::string formatNumber(double value, std::string_view pattern) {
    std::string text;
    appendNumber(text, value, pattern);
    return text;
}

}  // namespace brisanel::numeric
