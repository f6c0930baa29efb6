// The pattern formatter on arbitrary doubles (the first eight bytes are the value's bits, so NaN,
// infinities, subnormals, huge and tiny values all come up) under every pattern in use; any
// further bytes are ignored.
//
// Checks: the text is the one the formatter promises, worked out here the slow way: the shortest
// decimal form of the value, rounded half away from zero at the pattern's last place and laid out
// under the pattern; and it reads back by the numeric-box rule within half a unit of that place.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "numeric/display_pattern.h"

namespace {

using namespace brisanel;

constexpr std::string_view kPatternsInUse[] = {
    "#######", "########",   "#########", "##########", "######",      "00",       "#00",
    "##00",    "######0000", "##0.00##",  "##0.00#",    "########.00", "####00.00"};

std::string promised(double value, std::string_view pattern) {
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    const std::size_t point = std::min(pattern.find('.'), pattern.size());
    const std::string_view places = pattern.substr(std::min(point + 1, pattern.size()));
    // The shortest form that reads back as the value, "d.ddde±x", as digits counted in the
    // pattern's last place: the first `keep` of them, padded with zeros, rounded on the next.
    char buffer[64];
    char* end =
        std::to_chars(buffer, buffer + 63, std::fabs(value), std::chars_format::scientific).ptr;
    *end = '\0';
    char* e = std::strchr(buffer, 'e');
    std::string digits(buffer, e);
    digits.erase(1, digits.size() > 1);  // the "."
    const long keep = std::atol(e + 1) + 1 + static_cast<long>(places.size());
    std::string scaled(places.size() + 1, '0');  // room for the decimals and a carry
    if (keep >= 0) {
        digits.resize(std::max(digits.size(), static_cast<std::size_t>(keep) + 1), '0');
        scaled += digits.substr(0, static_cast<std::size_t>(keep));
        std::size_t i = scaled.size();
        if (digits[static_cast<std::size_t>(keep)] >= '5') {
            while (scaled[--i] == '9') scaled[i] = '0';
            ++scaled[i];
        }
    }
    const bool zero = scaled.find_first_not_of('0') == std::string::npos;
    std::string integer = scaled.substr(0, scaled.size() - places.size());
    std::string decimals = scaled.substr(integer.size());
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    const auto zeros =
        static_cast<std::size_t>(std::count(pattern.begin(), pattern.begin() + point, '0'));
    if (integer.size() < zeros) integer.insert(0, zeros - integer.size(), '0');
    while (!decimals.empty() && decimals.back() == '0' && places[decimals.size() - 1] == '#') {
        decimals.pop_back();
    }
    return (value < 0 && !zero ? "-" : "") + integer +
           (point < pattern.size() ? "." + decimals : "");
}

void check(double value, std::string_view pattern) {
    const std::string text = numeric::formatNumber(value, pattern);
    const std::string what = fuzz::show(value) + " under " + fuzz::quoted(pattern);
    FUZZ_REQUIRE(
        text == promised(value, pattern),
        what + " shows " + fuzz::quoted(text) + ", not " + fuzz::quoted(promised(value, pattern)));
    const std::size_t point = std::min(pattern.find('.'), pattern.size() - 1);
    if (std::isfinite(value))
        fuzz::requireShows(text, value, static_cast<int>(pattern.size() - point - 1), what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value;
    if (size < sizeof value) return 0;
    std::memcpy(&value, data, sizeof value);
    for (std::string_view pattern : kPatternsInUse) check(value, pattern);
    return 0;
}
