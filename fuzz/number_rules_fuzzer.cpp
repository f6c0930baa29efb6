// The numeric-box and integer-box rules on arbitrary bytes.
//
// Checks: a text is numeric exactly when it is a decimal number between blanks that the C
// library's strtod reads in full; its value is strtod's (0 where strtod gives less than the
// smallest normal double), an overflow where strtod gives infinity; any other text reads as 0.
// The integer rule is the whole number nearest the value, halves to the even one, or an overflow
// outside the 16-bit range.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_support.h"
#include "numeric/number_rules.h"

using namespace brisanel;
using numeric::Failure;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string what = fuzz::quoted(text);

    const std::size_t first = text.find_first_not_of(" \t");
    const std::string number =
        first == text.npos ? "" : text.substr(first, text.find_last_not_of(" \t") + 1 - first);
    char* end = nullptr;
    const double parsed = std::strtod(number.c_str(), &end);
    const bool decimal = !number.empty() && end == number.c_str() + number.size() &&
                         number.find_first_not_of("0123456789.eE+-") == number.npos;
    FUZZ_REQUIRE(numeric::isNumeric(text) == decimal, what + ": numeric or not");

    double value = 0;
    bool overflow = false;
    try {
        value = numeric::readNumber(text);
    } catch (const numeric::ArithmeticError& error) {
        overflow = error.kind() == Failure::Overflow;
        FUZZ_REQUIRE(overflow, what + " fails with " + error.what());
    }
    FUZZ_REQUIRE(
        !decimal ? !overflow && value == 0 && !std::signbit(value)
        : std::isinf(parsed)
            ? overflow
            : !overflow && (value == parsed || (value == 0 && std::fabs(parsed) < 0x1p-1022)),
        what + " reads as " + (overflow ? "an overflow" : fuzz::show(value)));

    try {
        const double whole = numeric::readInteger(text);
        const double off = std::fabs(whole - value);
        FUZZ_REQUIRE(!overflow && (off < 0.5 || (off == 0.5 && std::fmod(whole, 2) == 0)),
                     what + ": readInteger gave " + fuzz::show(whole));
    } catch (const numeric::ArithmeticError& error) {
        FUZZ_REQUIRE(error.kind() == Failure::Overflow &&
                         (overflow || !(value >= -32768.5 && value < 32767.5)),
                     what + ": readInteger refused " + fuzz::show(value));
    }
    return 0;
}
