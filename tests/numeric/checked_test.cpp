#include "numeric/checked.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "numeric/failure.h"

namespace brisanel::numeric {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

Failure failureOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const ArithmeticError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "the operation did not fail";
    return Failure::TableLimit;
}

TEST(CheckedArithmetic, OrdinaryResultsPassThrough) {
    EXPECT_DOUBLE_EQ(checked::add(1.5, 2), 3.5);
    EXPECT_DOUBLE_EQ(checked::sub(1.5, 2), -0.5);
    EXPECT_DOUBLE_EQ(checked::mul(1.5, 2), 3);
    EXPECT_DOUBLE_EQ(checked::div(1.5, 2), 0.75);
    EXPECT_DOUBLE_EQ(checked::pow(1.01, 0), 1);
    EXPECT_DOUBLE_EQ(checked::pow(4, 0.5), 2);
}

TEST(CheckedArithmetic, EachOperationReportsItsFailure) {
    EXPECT_EQ(failureOf([] { checked::add(kMax, kMax); }), Failure::Overflow);
    EXPECT_EQ(failureOf([] { checked::sub(-kMax, kMax); }), Failure::Overflow);
    EXPECT_EQ(failureOf([] { checked::mul(kMax, 2); }), Failure::Overflow);
    EXPECT_EQ(failureOf([] { checked::div(kMax, 0.5); }), Failure::Overflow);
    EXPECT_EQ(failureOf([] { checked::pow(10, 400); }), Failure::Overflow);
    EXPECT_EQ(failureOf([] { checked::div(1, 0); }), Failure::DivisionByZero);
    EXPECT_EQ(failureOf([] { checked::pow(0, -1); }), Failure::DivisionByZero);
    EXPECT_EQ(failureOf([] { checked::div(0, 0); }), Failure::InvalidOperation);
    EXPECT_EQ(failureOf([] { checked::pow(-2, 0.5); }), Failure::InvalidOperation);
    EXPECT_EQ(failureOf([] { checked::add(std::nan(""), 1); }), Failure::InvalidOperation);
}

TEST(CheckedArithmetic, SixteenBitConversionRoundsHalvesToEven) {
    EXPECT_EQ(checked::toInt16(0.5), 0);
    EXPECT_EQ(checked::toInt16(1.5), 2);
    EXPECT_EQ(checked::toInt16(-1799.5), -1800);
    EXPECT_EQ(checked::toInt16(32767.49), 32767);
    EXPECT_EQ(failureOf([] { checked::toInt16(32767.5); }), Failure::Overflow);
    EXPECT_EQ(failureOf([] { checked::toInt16(-32768.51); }), Failure::Overflow);
}

}  // namespace
}  // namespace brisanel::numeric
