#pragma once

#include <cstdint>

// Double arithmetic in which every operation is tested: a result that leaves the double range,
// a division by zero and an undefined result each throw ArithmeticError instead of flowing on
// as infinity or NaN.
namespace brisanel::numeric::checked {

double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b);
/// base raised to a real exponent; a negative base with a fractional exponent is invalid.
double pow(double base, double exponent);

/// Nearest 16-bit whole number, an exact half going to the even neighbour; Overflow when the
/// rounded value lies outside -32768..32767.
std::int16_t toInt16(double value);

}  // namespace brisanel::numeric::checked
