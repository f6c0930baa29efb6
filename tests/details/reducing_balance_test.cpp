#include "details/reducing_balance.h"

#include <gtest/gtest.h>

namespace brisanel::details {
namespace {

TEST(ReducingBalanceLine, FieldsJoinWithTabsBeforeBalanceAndAmount) {
    EXPECT_EQ(reducingBalanceLine(1, 1, 1000, 340.0221, LinePlace::First),
              "01.   Month 01\tBal.= 1000\t340");
    EXPECT_EQ(reducingBalanceLine(2, 2, 669.9779, 340.0221, LinePlace::Other),
              "02.   Month 02\tBal.= 0670\t340");
}

TEST(ReducingBalanceLine, OnlyLaterLinesPadTheBalanceToFourDigits) {
    EXPECT_EQ(reducingBalanceLine(1, 1, 21.4, 5, LinePlace::First), "01.   Month 01\tBal.= 21\t5");
    EXPECT_EQ(reducingBalanceLine(4, 4, 21.4, 21.4, LinePlace::Other),
              "04.   Month 04\tBal.= 0021\t21");
    // Zero vanishes under the all-"#" patterns.
    EXPECT_EQ(reducingBalanceLine(1, 1, 0, 0.2, LinePlace::First), "01.   Month 01\tBal.= \t");
    EXPECT_EQ(reducingBalanceLine(2, 2, 0, 0, LinePlace::Other), "02.   Month 02\tBal.= 0000\t");
}

TEST(ReducingBalanceLine, WideAndNegativeNumbersAreNeverCut) {
    EXPECT_EQ(reducingBalanceLine(120, 1800, 1234567.8, 1234567.8, LinePlace::Other),
              "120.   Month 1800\tBal.= 1234568\t1234568");
    EXPECT_EQ(reducingBalanceLine(2, -2, -990, -990, LinePlace::Other),
              "02.   Month -02\tBal.= -0990\t-990");
    EXPECT_EQ(reducingBalanceLine(3, 0, 5, 5, LinePlace::Other), "03.   Month 00\tBal.= 0005\t5");
}

}  // namespace
}  // namespace brisanel::details
