#include "numeric/number_rules.h"

#include <gtest/gtest.h>

#include <clocale>

#include "numeric/failure.h"

namespace brisanel::numeric {
namespace {

TEST(NumericBoxRule, ReadsDecimalNumbersWithSpacesSignsAndExponents) {
    EXPECT_DOUBLE_EQ(readNumber("12.50"), 12.5);
    EXPECT_DOUBLE_EQ(readNumber("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(readNumber(" 24 "), 24.0);
    EXPECT_DOUBLE_EQ(readNumber("-3"), -3.0);
    EXPECT_DOUBLE_EQ(readNumber("+.5"), 0.5);
    EXPECT_DOUBLE_EQ(readNumber("5."), 5.0);
    EXPECT_DOUBLE_EQ(readNumber("2.5E-1"), 0.25);
}

TEST(NumericBoxRule, ReadsEveryOtherTextAsZero) {
    for (const char* text : {"", " ", "abc", ".", "+", "-", "1e", "1e+", "12a", "1,000", "0x10",
                             "inf", "nan", "1 2", "--1", "$5", "1.2.3"}) {
        EXPECT_FALSE(isNumeric(text)) << text;
        EXPECT_EQ(readNumber(text), 0.0) << text;
    }
}

TEST(NumericBoxRule, IgnoresTheUsersLocale) {
    // Whatever LC_NUMERIC says, the point is the decimal separator.
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(readNumber("12.50"), 12.5);
    std::setlocale(LC_ALL, "C");
}

TEST(NumericBoxRule, ANumberBeyondTheDoubleRangeOverflows) {
    try {
        readNumber("1e400");
        FAIL() << "no overflow";
    } catch (const ArithmeticError& error) {
        EXPECT_EQ(error.kind(), Failure::Overflow);
    }
    EXPECT_THROW(readNumber("-1e400"), ArithmeticError);
    EXPECT_EQ(readNumber("1e-400"), 0.0);
}

TEST(IntegerBoxRule, RoundsToNearestWithHalvesToEven) {
    EXPECT_EQ(readInteger("2.5"), 2);
    EXPECT_EQ(readInteger("3.5"), 4);
    EXPECT_EQ(readInteger("3.7"), 4);
    EXPECT_EQ(readInteger("-2.5"), -2);
    EXPECT_EQ(readInteger(" 24 "), 24);
    EXPECT_EQ(readInteger("letters"), 0);
    EXPECT_EQ(readInteger("32767.4"), 32767);
    EXPECT_EQ(readInteger("-32768.5"), -32768);
}

TEST(IntegerBoxRule, OverflowsOutsideSixteenBits) {
    for (const char* text : {"40000", "32767.5", "32768", "-32769", "-32768.6", "1e400"}) {
        try {
            readInteger(text);
            ADD_FAILURE() << text << " did not overflow";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.kind(), Failure::Overflow) << text;
        }
    }
}

}  // namespace
}  // namespace brisanel::numeric
