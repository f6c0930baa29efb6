// The numeric-box and integer-box rules on arbitrary bytes.
//
// Checks: only a numeric text has a value; a value is never NaN or infinite; a numeric text is
// exactly what the standard library's locale-free parser reads in full, and both give the same
// double; the integer rule is the nearest whole number, halves to even, or an overflow outside
// the 16-bit range.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "numeric/number_rules.h"

namespace {

using brisanel::fuzz::quoted;
using brisanel::fuzz::show;
using brisanel::numeric::ArithmeticError;
using brisanel::numeric::Failure;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// What the library parser makes of the trimmed text, when it reads all of it as a decimal.
struct Parsed {
    bool whole = false;
    bool inRange = false;
    double value = 0;
};

Parsed parseWhole(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+' && (text.size() < 2 || text[1] != '-')) {
        text.remove_prefix(1);  // from_chars takes no plus sign
    }
    // Only decimal notation: the library also reads "inf" and "nan", which no box holds.
    for (char c : text) {
        const bool allowed =
            (c >= '0' && c <= '9') || c == '.' || c == 'e' || c == 'E' || c == '-' || c == '+';
        if (!allowed) return {};
    }
    Parsed parsed;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed.value,
                                        std::chars_format::general);
    parsed.whole = !text.empty() && result.ptr == text.data() + text.size();
    parsed.inRange = result.ec == std::errc{};
    return parsed;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const bool numeric = brisanel::numeric::isNumeric(text);

    double value = 0;
    bool overflow = false;
    try {
        value = brisanel::numeric::readNumber(text);
    } catch (const ArithmeticError& error) {
        FUZZ_REQUIRE(error.kind() == Failure::Overflow, "readNumber of " + quoted(text));
        overflow = true;
    }
    FUZZ_REQUIRE(std::isfinite(value), "readNumber of " + quoted(text) + " gave " + show(value));
    FUZZ_REQUIRE(numeric || (!overflow && value == 0 && !std::signbit(value)),
                 "the text " + quoted(text) + " is not numeric but reads as " + show(value));

    const Parsed parsed = parseWhole(text);
    FUZZ_REQUIRE(numeric == parsed.whole,
                 "isNumeric and the library parser disagree on " + quoted(text));
    if (numeric && parsed.inRange) {
        FUZZ_REQUIRE(!overflow && value == parsed.value,
                     quoted(text) + " reads as " + show(value) + ", not " + show(parsed.value));
    }
    if (numeric && !parsed.inRange) {
        // Out of the library's range: beyond the largest double, or too small for a normal one.
        const bool huge = std::isinf(std::strtod(std::string(trimmed(text)).c_str(), nullptr));
        FUZZ_REQUIRE(overflow == huge, quoted(text) + " overflow " + std::to_string(overflow));
        FUZZ_REQUIRE(overflow || std::fabs(value) < 0x1p-1022,
                     quoted(text) + " reads as " + show(value));
    }

    try {
        const std::int16_t whole = brisanel::numeric::readInteger(text);
        FUZZ_REQUIRE(!overflow, "readInteger read the overflowing " + quoted(text));
        FUZZ_REQUIRE(whole == std::nearbyint(value),
                     "readInteger of " + quoted(text) + " gave " + std::to_string(whole));
        // Halves go to the even neighbour.
        if (std::fabs(value - std::trunc(value)) == 0.5) {
            FUZZ_REQUIRE(whole % 2 == 0, "half of " + quoted(text) + " went odd");
        }
    } catch (const ArithmeticError& error) {
        FUZZ_REQUIRE(error.kind() == Failure::Overflow, "readInteger of " + quoted(text));
        const double rounded = std::nearbyint(value);
        FUZZ_REQUIRE(overflow || rounded < -32768 || rounded > 32767,
                     "readInteger refused " + quoted(text));
    }
    return 0;
}
