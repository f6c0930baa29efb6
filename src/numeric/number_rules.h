#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// How the text of a box becomes a number.
namespace brisanel::numeric {

/// True when the whole text is one decimal number: optional spaces, an optional sign, digits with
/// an optional decimal point (at least one digit), an optional exponent, optional spaces.
bool isNumeric(std::string_view text);

/// The numeric-box rule: the value of a numeric text, 0 for any other text. A numeric text whose
/// value lies beyond the double range throws ArithmeticError(Overflow); one too small to
/// represent reads as 0.
double readNumber(std::string_view text);

/// The value of a numeric text within the double range; nullopt for any other text.
std::optional<double> numberIn(std::string_view text);
/// The integer-box rule: readNumber, then the nearest 16-bit whole number (halves to even);
/// throws ArithmeticError(Overflow) outside -32768..32767.
std::int16_t readInteger(std::string_view text);

}  // namespace brisanel::numeric
