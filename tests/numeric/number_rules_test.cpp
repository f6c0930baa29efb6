#include "numeric/number_rules.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "numeric/failure.h"

namespace brisanel::numeric {
namespace {

TEST(NumericBoxRule, ReadsDecimalNumbersAndAnyOtherTextAsZero) {
    const std::pair<const char*, double> numbers[] = {
        {"12.50", 12.5},       {"1e3", 1000},  {" 24 ", 24},      {"-3", -3},
        {"+.5", 0.5},          {"5.", 5},      {"2.5E-1", 0.25},  {"1e-400", 0},
        {"1E+2", 100},         {".5e1", 5},    {"-1e-400", 0},    {"0.001e311", 1e308},
        {"1000e-326", 1e-323}, {"0e99999", 0}, {"00012e-2", 0.12}};
    // Leading zeros after the point count: this one is too small, not too large.
    EXPECT_EQ(readNumber("0." + std::string(700, '0') + "1e300"), 0.0);
    for (const auto& [text, value] : numbers) {
        EXPECT_TRUE(isNumeric(text)) << text;
        EXPECT_DOUBLE_EQ(readNumber(text), value) << text;
    }
    for (const char* text : {"",    " ",   "abc",   ".",     "+",   "-",     "1e",   "1e+",   "1E-",
                             "e5",  ".e1", "1e2.5", "1e 2",  "12a", "1,000", "0x10", "inf",   "nan",
                             "1 2", "--1", "$5",    "1.2.3", "+-1", "1e+-2", "12a5", "1.5e2x"}) {
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

TEST(IntegerBoxRule, RoundsToNearestWithHalvesToEven) {
    const std::pair<const char*, int> cases[] = {
        {"2.5", 2},   {"3.5", 4},     {"3.7", 4},         {"-2.5", -2},
        {" 24 ", 24}, {"letters", 0}, {"32767.4", 32767}, {"-32768.5", -32768}};
    for (const auto& [text, value] : cases) EXPECT_EQ(readInteger(text), value) << text;
}

TEST(NumberRules, NumbersBeyondTheirRangeOverflow) {
    const auto expectOverflow = [](const char* text, auto read) {
        try {
            read(text);
            ADD_FAILURE() << text << " did not overflow";
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.kind(), Failure::Overflow) << text;
        }
    };
    for (const char* text : {"1e400", "-1e400", "0.01e311", "123456e304", "1e99999999999999"}) {
        expectOverflow(text, readNumber);
    }
    for (const char* text : {"40000", "32767.5", "32768", "-32769", "-32768.6", "1e400"}) {
        expectOverflow(text, readInteger);
    }
}

}  // namespace
}  // namespace brisanel::numeric
