// The pattern formatter on arbitrary doubles (the first eight bytes are the value's bits, so NaN,
// infinities, subnormals, huge and tiny values all come up) under every pattern in use, or under
// a pattern spelled by the remaining bytes.
//
// Checks: the text has the shape the pattern asks for (sign, zero padding, decimal point, the
// decimals a "0" always shows and a "#" drops when trailing zeros); it is the shortest decimal form
// of the value rounded half away from zero, as the formatter promises, worked out here the slow
// way; and it reads back by the numeric-box rule to within half a unit of its last place.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "numeric/display_pattern.h"

namespace {

using brisanel::fuzz::quoted;
using brisanel::fuzz::show;

constexpr std::string_view kPatternsInUse[] = {
    "#######", "########",   "#########", "##########", "######",      "00",       "#00",
    "##00",    "######0000", "##0.00##",  "##0.00#",    "########.00", "####00.00"};
constexpr std::size_t kPatternCount = sizeof kPatternsInUse / sizeof kPatternsInUse[0];

// A pattern of "#", "0" and at most one ".", spelled two bits per byte.
std::string spelled(const std::uint8_t* data, std::size_t size) {
    std::string pattern;
    for (std::size_t i = 0; i < size && pattern.size() < 24; ++i) {
        const char c = "#0.#"[data[i] & 3];
        if (c == '.' && pattern.find('.') != std::string::npos) continue;
        pattern += c;
    }
    return pattern;
}

// The text that the formatter promises, worked out the slow way: the shortest decimal form of the
// value written out in full, rounded half away from zero at the pattern's last decimal, laid out
// under the pattern.
std::string promised(double value, std::string_view pattern) {
    // The fewest significant digits that read back as the value, d.ddd...e±x, written out.
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific);
    const std::string_view shortest(buffer, static_cast<std::size_t>(written.ptr - buffer));
    const std::size_t e = shortest.find('e');
    std::string significant;
    for (char c : shortest.substr(0, e)) {
        if (c != '.') significant += c;
    }
    const int exponent = std::stoi(std::string(shortest.substr(e + 1)));
    std::string digits;  // the integer part
    std::string fraction;
    if (exponent >= 0) {
        const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        significant.append(whole > significant.size() ? whole - significant.size() : 0, '0');
        digits = significant.substr(0, whole);
        fraction = significant.substr(whole);
    } else {
        digits = "0";
        fraction = std::string(static_cast<std::size_t>(-exponent - 1), '0') + significant;
    }

    const std::size_t point = pattern.find('.');
    const std::string_view decimalPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    const std::size_t decimals = decimalPattern.size();
    digits += fraction.substr(0, decimals);
    digits.append(decimals - std::min(decimals, fraction.size()), '0');
    if (fraction.size() > decimals && fraction[decimals] >= '5') {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) {
            digits.insert(digits.begin(), '1');
        } else {
            ++digits[i - 1];
        }
    }

    std::string integerDigits = digits.substr(0, digits.size() - decimals);
    std::string decimalDigits = digits.substr(digits.size() - decimals);
    integerDigits.erase(0, std::min(integerDigits.find_first_not_of('0'), integerDigits.size()));
    std::size_t zeros = 0;
    for (char c : pattern.substr(0, point)) zeros += c == '0';
    if (integerDigits.size() < zeros) integerDigits.insert(0, zeros - integerDigits.size(), '0');
    while (!decimalDigits.empty() && decimalDigits.back() == '0' &&
           decimalPattern[decimalDigits.size() - 1] == '#') {
        decimalDigits.pop_back();
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return (value < 0 && !zero ? "-" : "") + integerDigits +
           (point == std::string_view::npos ? "" : "." + decimalDigits);
}

void check(double value, std::string_view pattern) {
    const std::string text = brisanel::numeric::formatNumber(value, pattern);
    const std::string what = show(value) + " under " + quoted(pattern);
    if (std::isnan(value)) {
        FUZZ_REQUIRE(text == "NaN", what + " shows " + quoted(text));
        return;
    }
    if (std::isinf(value)) {
        FUZZ_REQUIRE(text == (value < 0 ? "-Infinity" : "Infinity"), what + " shows " + text);
        return;
    }

    const std::size_t point = pattern.find('.');
    const std::string_view integerPattern = pattern.substr(0, point);
    const std::string_view decimalPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    std::size_t zeros = 0;
    for (char c : integerPattern) zeros += c == '0';
    const std::size_t lastZeroDecimal = decimalPattern.rfind('0');
    const std::size_t alwaysShown =
        lastZeroDecimal == std::string_view::npos ? 0 : lastZeroDecimal + 1;

    std::string_view rest = text;
    const bool negative = brisanel::fuzz::consume(rest, "-");
    const std::size_t textPoint = rest.find('.');
    const std::string_view integerDigits = rest.substr(0, textPoint);
    const std::string_view fraction =
        textPoint == std::string_view::npos ? std::string_view{} : rest.substr(textPoint + 1);

    FUZZ_REQUIRE((textPoint != std::string_view::npos) == (point != std::string_view::npos),
                 what + " shows " + quoted(text) + ": decimal point");
    for (char c : std::string(integerDigits) + std::string(fraction)) {
        FUZZ_REQUIRE(c >= '0' && c <= '9', what + " shows " + quoted(text));
    }
    FUZZ_REQUIRE(integerDigits.size() >= zeros, what + " shows " + quoted(text) + ": padding");
    FUZZ_REQUIRE(integerDigits.size() <= zeros || integerDigits.front() != '0',
                 what + " shows " + quoted(text) + ": a leading zero beyond the padding");
    FUZZ_REQUIRE(fraction.size() >= alwaysShown && fraction.size() <= decimalPattern.size(),
                 what + " shows " + quoted(text) + ": decimals");
    FUZZ_REQUIRE(fraction.size() <= alwaysShown || fraction.back() != '0',
                 what + " shows " + quoted(text) + ": a trailing zero under \"#\"");
    const bool allZero =
        (std::string(integerDigits) + std::string(fraction)).find_first_not_of('0') ==
        std::string::npos;
    FUZZ_REQUIRE(negative == (value < 0 && !allZero), what + " shows " + quoted(text) + ": sign");

    FUZZ_REQUIRE(text == promised(value, pattern),
                 what + " shows " + quoted(text) + ", not " + quoted(promised(value, pattern)));

    // Read back the digits alone: a text such as "." holds none and stands for 0.
    const std::string digitsOnly =
        allZero ? std::string() : (negative ? "-" : "") + std::string(rest);
    brisanel::fuzz::requireShows(digitsOnly, value, static_cast<int>(decimalPattern.size()), what,
                                 "text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double value;
    std::memcpy(&value, data, sizeof value);
    data += sizeof value;
    size -= sizeof value;

    if (size == 0) {
        for (std::string_view pattern : kPatternsInUse) check(value, pattern);
        return 0;
    }
    if (data[0] < kPatternCount) {
        check(value, kPatternsInUse[data[0]]);
    } else {
        check(value, spelled(data + 1, size - 1));
    }
    return 0;
}
