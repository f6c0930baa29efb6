#include "numeric/checked.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "numeric/failure.h"

namespace brisanel::numeric {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(CheckedArithmetic, EachOperationReportsItsFailure) {
    const std::pair<std::function<void()>, Failure> cases[] = {
        {[] { checked::add(kMax, kMax); }, Failure::Overflow},
        {[] { checked::sub(-kMax, kMax); }, Failure::Overflow},
        {[] { checked::mul(kMax, 2); }, Failure::Overflow},
        {[] { checked::div(kMax, 0.5); }, Failure::Overflow},
        {[] { checked::pow(10, 400); }, Failure::Overflow},
        {[] { checked::toInt16(32767.5); }, Failure::Overflow},
        {[] { checked::div(1, 0); }, Failure::DivisionByZero},
        {[] { checked::pow(0, -1); }, Failure::DivisionByZero},
        {[] { checked::div(0, 0); }, Failure::InvalidOperation},
        {[] { checked::pow(-2, 0.5); }, Failure::InvalidOperation},
        {[] { checked::add(std::nan(""), 1); }, Failure::InvalidOperation},
        // One operand already infinite is an overflow, even where the result would not be.
        {[] { checked::div(1, kInfinity); }, Failure::Overflow},
        {[] { checked::mul(kInfinity, 0); }, Failure::Overflow},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        try {
            cases[i].first();
            ADD_FAILURE() << "case " << i << " did not fail";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.kind(), cases[i].second) << "case " << i;
        }
    }
}

}  // namespace
}  // namespace brisanel::numeric
