#include "numeric/checked.h"

#include <cmath>

#include "numeric/failure.h"

namespace brisanel::numeric {

const char* ArithmeticError::what() const noexcept {
    switch (kind_) {
        case Failure::Overflow:
            return "overflow";
        case Failure::DivisionByZero:
            return "division by zero";
        case Failure::InvalidOperation:
            return "invalid operation";
        case Failure::TableLimit:
            return "table limit exceeded";
    }
    return "arithmetic failure";
}

namespace checked {
namespace {

// Judges a result computed from operands that were themselves finite.
double verified(double result) {
    if (std::isnan(result)) throw ArithmeticError(Failure::InvalidOperation);
    if (std::isinf(result)) throw ArithmeticError(Failure::Overflow);
    return result;
}

void requireFinite(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) throw ArithmeticError(Failure::InvalidOperation);
    if (std::isinf(a) || std::isinf(b)) throw ArithmeticError(Failure::Overflow);
}

}  // namespace

double add(double a, double b) {
    requireFinite(a, b);
    return verified(a + b);
}

double sub(double a, double b) {
    requireFinite(a, b);
    return verified(a - b);
}

double mul(double a, double b) {
    requireFinite(a, b);
    return verified(a * b);
}

double div(double a, double b) {
    requireFinite(a, b);
    if (b == 0.0) {
        throw ArithmeticError(a == 0.0 ? Failure::InvalidOperation : Failure::DivisionByZero);
    }
    return verified(a / b);
}

double pow(double base, double exponent) {
    requireFinite(base, exponent);
    if (base == 0.0 && exponent < 0.0) throw ArithmeticError(Failure::DivisionByZero);
    return verified(std::pow(base, exponent));
}

std::int16_t toInt16(double value) {
    requireFinite(value, 0.0);
    // nearbyint follows the default rounding mode, round-half-to-even.
    const double rounded = std::nearbyint(value);
    if (rounded < -32768.0 || rounded > 32767.0) throw ArithmeticError(Failure::Overflow);
    return static_cast<std::int16_t>(rounded);
}

}  // namespace checked
}  // namespace brisanel::numeric
