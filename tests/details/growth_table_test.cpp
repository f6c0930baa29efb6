#include "details/growth_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "numeric/failure.h"

namespace brisanel::details {
namespace {

using calc::Period;
using testing::ElementsAre;

const std::string kStart = "01.  Loan Starts at:        0.00  \t\t5000.00";

TextLines table(double rate, std::int16_t duration, Period period, double principal = 5000) {
    TextLines lines;
    appendGrowthTable(lines, principal, rate, duration, period);
    return lines;
}

// The rate per period that turns 5000 into 6250 over `periods` periods.
double rateFor(double periods) {
    return std::pow(1.25, 1 / periods) - 1;
}

TEST(GrowthTable, RowsOfWholePeriodsAndLeftOverMonths) {
    EXPECT_THAT(table(0.125, 24, Period::Simple),
                ElementsAre(kStart, "02.  End of 1 Year: \t625.00     \t5625.00",
                            "03.  End of 2 Year: \t1250.00     \t6250.00"));
    EXPECT_THAT(table(0.5, 6, Period::Simple),
                ElementsAre(kStart, "02.  End of Period:\t1250.00     \t6250.00"));
    // Left-over months earn simple interest on the balance reached, so the total passes 6250.
    EXPECT_THAT(table(rateFor(15.0 / 6), 15, Period::HalfYearly),
                ElementsAre(kStart, "02.  End of 1 H_Year: \t466.81     \t5466.81",
                            "03.  End of 2 H_Year: \t977.20     \t5977.20",
                            "04.  End of Period:\t1256.23     \t6256.23"));
    EXPECT_THAT(table(0, 2, Period::Monthly, 1000),
                ElementsAre("01.  Loan Starts at:        0.00  \t\t1000.00",
                            "02.  End of 1 Month: \t00.00     \t1000.00",
                            "03.  End of 2 Month: \t00.00     \t1000.00"));
}

TEST(GrowthTable, LongTablesWidenTheSerial) {
    const auto quarters = table(rateFor(8), 24, Period::Quarterly);
    ASSERT_EQ(quarters.size(), 9u);
    EXPECT_EQ(quarters.back(), "09.  End of 8 Quarter: \t1250.00     \t6250.00");

    const auto days = table(rateFor(730), 730, Period::Daily);
    ASSERT_EQ(days.size(), 731u);
    EXPECT_EQ(days[1], "02.  End of 1 Day: \t01.53     \t5001.53");
    EXPECT_EQ(days[99], "100.  End of 99 Day: \t153.62     \t5153.62");
    EXPECT_EQ(days.back(), "731.  End of 730 Day: \t1250.00     \t6250.00");
}

TEST(GrowthTable, StopsAtPeriod1800KeepingTheRowsBefore) {
    EXPECT_EQ(table(0.001, 1800, Period::Monthly).size(), 1801u);
    EXPECT_EQ(table(0.001, 21600, Period::Yearly).size(), 1801u);

    // Crossed by a whole period or by the left-over months; rows land after what the list held.
    for (const auto& [duration, period] : {std::pair<std::int16_t, Period>{1801, Period::Monthly},
                                           {32767, Period::Daily},
                                           {5401, Period::Quarterly},
                                           {21601, Period::Simple}}) {
        TextLines lines{"kept"};
        try {
            appendGrowthTable(lines, 1000, 0.001, duration, period);
            ADD_FAILURE() << duration;
        } catch (const numeric::ArithmeticError& error) {
            EXPECT_EQ(error.kind(), numeric::Failure::TableLimit);
        }
        ASSERT_EQ(lines.size(), 1802u) << duration;
        EXPECT_EQ(lines[0], "kept");
        EXPECT_THAT(lines.back(), testing::StartsWith("1801.  End of 1800 ")) << duration;
    }
}

}  // namespace
}  // namespace brisanel::details
