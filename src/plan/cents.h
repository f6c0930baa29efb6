#pragma once

#include <cmath>
#include <cstdint>

// Amounts in whole cents, as a lender's schedule keeps them. A balance in cents is a whole number
// held in a double, which holds every whole number up to 2^53 exactly, so sums and differences of
// cents never round; only the interest is a product, and it is worked out exactly.
namespace brisanel::plan {

/// Full precision, or every amount in whole cents.
enum class Rounding { Exact, Cent };

/// How a worked-out instalment is rounded to the cent: half up, up to the next cent, or up to the
/// next whole unit (4385.00 for 4384.84).
enum class InstalmentRule { Nearest, Up, Unit };

/// The largest amount that whole cents take: at most 10^15 cents, far below 2^53.
inline constexpr double kCentLimit = 1e13;

/// A ratio of whole numbers: a period's share of a year, with the double nearest to it.
struct Ratio {
    constexpr Ratio() = default;
    constexpr Ratio(std::int64_t numerator, std::int64_t denominator)
        : num(numerator),
          den(denominator),
          real(static_cast<double>(numerator) / static_cast<double>(denominator)) {}

    std::int64_t num = 0;
    std::int64_t den = 1;
    double real = 0;

    double value() const { return real; }
};

/// A double as the shortest decimal text that reads back as it: digits × 10^exponent, so 4.1 is
/// 41 × 10^-1 and not the binary fraction nearest to it.
struct Decimal {
    std::uint64_t digits = 0;
    int exponent = 0;
    double value = 0;    ///< the double it is the decimal of
    double percent = 0;  ///< value / 100, for a rate in percent
};

/// The shortest decimal of a finite value of 0 or more.
Decimal shortestDecimal(double value);

/// An amount of 0 or more in whole cents, its shortest decimal rounded half up: 1.005 is 101.
double centsOf(double amount);

/// The interest on a balance of whole cents at an annual rate in percent for a share of a year:
/// the exact product, rounded half up to the cent.
inline double interestCents(double balance, const Decimal& percent, Ratio share);

/// The same in whole numbers, as interestCents() works it out when the product in doubles is too
/// near a half cent to tell.
double exactInterestCents(double balance, const Decimal& percent, Ratio share);

/// An instalment worked out at full precision, in cents, rounded by the rule. A value within a
/// millionth of a cent of a whole cent counts as that cent, so binary noise never adds one.
double roundInstalment(double cents, InstalmentRule rule);

inline double interestCents(double balance, const Decimal& percent, Ratio share) {
    // The product in doubles goes through a few roundings of at most half an ulp each (the
    // rate's double, its hundredth, the share's double, two products), which leave it within
    // 2e-15 of its size of the exact product. Unless its fraction is that close to a half, its
    // nearest cent is the exact product's.
    const double product = balance * percent.percent * share.real;
    if (product < 0x1p50) {
        const double whole = std::floor(product);
        const double fraction = product - whole;
        if (std::abs(fraction - 0.5) > 2e-15 * product + 0x1p-60) {
            return whole + static_cast<double>(fraction > 0.5);  // without a branch to mispredict
        }
    }
    return exactInterestCents(balance, percent, share);
}

}  // namespace brisanel::plan
