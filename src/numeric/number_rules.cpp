#include "numeric/number_rules.h"

#include <algorithm>
#include <charconv>
#include <system_error>

#include "numeric/checked.h"
#include "numeric/failure.h"

namespace brisanel::numeric {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Whether a number that from_chars found out of range is too large for a double rather than too
// small: the power of ten of its first significant digit, read off the text, is positive. Only
// values beyond 1e308 or below 1e-308 are out of range, so the rough position is enough.
bool beyondLargest(std::string_view number) {
    long long position = 0;  // the first significant digit stands at 10^(position - 1)
    bool significant = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        const char c = number[i];
        if (c == '.') {
            if (!significant) position = 0;
            break;
        }
        if (isDigit(c) && (significant || c != '0')) significant = true, ++position;
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; !significant && i < number.size() && isDigit(number[i]); ++i) {
            if (number[i] == '0') {
                --position;
            } else {
                significant = true;
            }
        }
    }
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::string_view exponent = number.substr(e + 1);
        const bool negative = exponent.front() == '-';
        if (exponent.front() == '+' || negative) exponent.remove_prefix(1);
        long long value = 0;
        // Saturates: a thousand digits of exponent still says which side it is on.
        for (char c : exponent) value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
        position += negative ? -value : value;
    }
    return position > 0;
}

}  // namespace

bool isNumeric(std::string_view text) {
    text = trimmed(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && isDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

std::optional<double> numberIn(std::string_view text) {
    if (!isNumeric(text)) return std::nullopt;
    try {
        return readNumber(text);
    } catch (const ArithmeticError&) {
        return std::nullopt;
    }
}

double readNumber(std::string_view text) {
    if (!isNumeric(text)) return 0.0;
    // from_chars is locale-free, so "." is the decimal point whatever the user's locale says; it
    // takes no plus sign.
    std::string_view number = trimmed(text);
    if (number.front() == '+') number.remove_prefix(1);
    double value{};
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (beyondLargest(number)) throw ArithmeticError(Failure::Overflow);
        return number.front() == '-' ? -0.0 : 0.0;  // too small to represent
    }
    return value;
}

std::int16_t readInteger(std::string_view text) {
    return checked::toInt16(readNumber(text));
}

}  // namespace brisanel::numeric
