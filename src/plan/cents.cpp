#include "plan/cents.h"

#include <gmp.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace brisanel::plan {

Decimal shortestDecimal(double value) {
    // "4.1e+00": the shortest digits that read back as the value, in scientific form.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    Decimal decimal;
    decimal.value = value;
    decimal.percent = value / 100;
    int fractionDigits = 0;
    bool inFraction = false;
    const char* at = text;
    for (; at != end.ptr && *at != 'e'; ++at) {
        if (*at == '.') {
            inFraction = true;
            continue;
        }
        decimal.digits = decimal.digits * 10 + static_cast<std::uint64_t>(*at - '0');
        fractionDigits += inFraction;
    }
    int exponent = 0;
    if (at != end.ptr) std::from_chars(at + (at[1] == '+' ? 2 : 1), end.ptr, exponent);
    decimal.exponent = exponent - fractionDigits;
    return decimal;
}

namespace {

__extension__ typedef unsigned __int128 Wide;

// numerator / denominator rounded half up, for numbers of 0 or more.
Wide halfUp(Wide numerator, Wide denominator) {
    const Wide quotient = numerator / denominator;
    const Wide remainder = numerator % denominator;
    return remainder >= denominator - remainder ? quotient + 1 : quotient;
}

// The same with numbers of any size, for the products that 128 bits do not hold.
double halfUpLarge(double balance, const Decimal& percent, Ratio share, int tens) {
    mpz_t numerator, denominator, quotient, remainder;
    mpz_inits(numerator, denominator, quotient, remainder, nullptr);
    mpz_set_d(numerator, balance);
    mpz_mul_ui(numerator, numerator, percent.digits);
    mpz_mul_ui(numerator, numerator, static_cast<unsigned long>(share.num));
    mpz_set_ui(denominator, static_cast<unsigned long>(share.den));
    mpz_t power;
    mpz_init(power);
    mpz_ui_pow_ui(power, 10, static_cast<unsigned long>(std::abs(tens)));
    mpz_mul(tens >= 0 ? numerator : denominator, tens >= 0 ? numerator : denominator, power);
    mpz_fdiv_qr(quotient, remainder, numerator, denominator);
    mpz_mul_2exp(remainder, remainder, 1);
    if (mpz_cmp(remainder, denominator) >= 0) mpz_add_ui(quotient, quotient, 1);
    const double result = mpz_get_d(quotient);
    mpz_clears(numerator, denominator, quotient, remainder, power, nullptr);
    return result;
}

// 10^n, if 128 bits hold it: up to 10^38.
bool powerOfTen(int n, Wide& power) {
    static constexpr auto kPowers = [] {
        std::array<Wide, 39> powers{};
        powers[0] = 1;
        for (std::size_t i = 1; i < powers.size(); ++i) powers[i] = powers[i - 1] * 10;
        return powers;
    }();
    if (n < 0 || n >= static_cast<int>(kPowers.size())) return false;
    power = kPowers[static_cast<std::size_t>(n)];
    return true;
}

}  // namespace

double centsOf(double amount) {
    const Decimal decimal = shortestDecimal(amount);
    // digits × 10^(exponent + 2) cents.
    const int tens = decimal.exponent + 2;
    if (tens >= 0) return static_cast<double>(decimal.digits) * std::pow(10.0, tens);
    Wide power;
    if (!powerOfTen(-tens, power)) return 0;  // far below half a cent
    return static_cast<double>(halfUp(decimal.digits, power));
}

double exactInterestCents(double balance, const Decimal& percent, Ratio share) {
    // balance × digits × 10^exponent / 100 × num / den, in whole numbers.
    const int tens = percent.exponent - 2;
    Wide numerator = 0;
    Wide denominator = static_cast<Wide>(share.den);
    Wide power = 0;
    const bool fits =
        balance < 0x1p127 && powerOfTen(std::abs(tens), power) &&
        !__builtin_mul_overflow(static_cast<Wide>(balance), Wide(percent.digits), &numerator) &&
        !__builtin_mul_overflow(numerator, static_cast<Wide>(share.num), &numerator) &&
        !__builtin_mul_overflow(tens >= 0 ? numerator : denominator, power,
                                tens >= 0 ? &numerator : &denominator);
    if (!fits) return halfUpLarge(balance, percent, share, tens);
    // Most products fit in 64 bits, whose division is several times faster.
    if ((numerator >> 64) == 0 && (denominator >> 64) == 0) {
        const auto n = static_cast<std::uint64_t>(numerator);
        const auto d = static_cast<std::uint64_t>(denominator);
        const std::uint64_t remainder = n % d;
        return static_cast<double>(n / d + (remainder >= d - remainder ? 1 : 0));
    }
    return static_cast<double>(halfUp(numerator, denominator));
}

double roundInstalment(double cents, InstalmentRule rule) {
    if (const double whole = std::round(cents); std::abs(cents - whole) <= 1e-6) cents = whole;
    switch (rule) {
        case InstalmentRule::Up:
            return std::ceil(cents);
        case InstalmentRule::Unit:
            return std::ceil(cents / 100) * 100;
        case InstalmentRule::Nearest:
            break;
    }
    return std::floor(cents + 0.5);
}

}  // namespace brisanel::plan
