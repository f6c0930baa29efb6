#include "numeric/number_rules.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

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

// The C locale, so that "." is the decimal point whatever the user's locale says.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
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

double readNumber(std::string_view text) {
    if (!isNumeric(text)) return 0.0;
    const std::string number(trimmed(text));
    errno = 0;
    const double value = strtod_l(number.c_str(), nullptr, cLocale());
    if (errno == ERANGE && std::isinf(value)) throw ArithmeticError(Failure::Overflow);
    return value;
}

std::int16_t readInteger(std::string_view text) {
    return checked::toInt16(readNumber(text));
}

}  // namespace brisanel::numeric
