// The growth table: rows of whole periods and left-over months, and the list lines from them.
// That the rows accumulate is checked on every input of the panels fuzz target.
#include "details/growth.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "numeric/failure.h"

namespace brisanel::details {
namespace {

using testing::ElementsAre;

const std::string kStart = "01.  Loan Starts at:        0.00  \t\t5000.00";

GrowthRows rows(double rate, std::int16_t duration, Period period, double principal = 5000) {
    GrowthRows table;
    appendGrowthRows(table, principal, rate, duration, period);
    return table;
}

TextLines lines(double rate, std::int16_t duration, Period period, double principal = 5000) {
    return growthLines(rows(rate, duration, period, principal), period);
}

// The rate per period that turns 5000 into 6250 over `periods` periods.
double rateFor(double periods) {
    return std::pow(1.25, 1 / periods) - 1;
}

TEST(GrowthTable, LinesOfWholePeriodsAndLeftOverMonths) {
    EXPECT_THAT(lines(0.125, 24, Period::Simple),
                ElementsAre(kStart, "02.  End of 1 Year: \t625.00     \t5625.00",
                            "03.  End of 2 Year: \t1250.00     \t6250.00"));
    EXPECT_THAT(lines(0.5, 6, Period::Simple),
                ElementsAre(kStart, "02.  End of Period:\t1250.00     \t6250.00"));
    // Left-over months earn simple interest on the balance reached, so the total passes 6250.
    EXPECT_THAT(lines(rateFor(15.0 / 6), 15, Period::HalfYearly),
                ElementsAre(kStart, "02.  End of 1 H_Year: \t466.81     \t5466.81",
                            "03.  End of 2 H_Year: \t977.20     \t5977.20",
                            "04.  End of Period:\t1256.23     \t6256.23"));
    // One month left over after eight quarters.
    const auto quarters = lines(rateFor(25.0 / 3), 25, Period::Quarterly);
    ASSERT_EQ(quarters.size(), 10u);
    EXPECT_EQ(quarters[8], "09.  End of 8 Quarter: \t1194.46     \t6194.46");
    EXPECT_EQ(quarters[9], "10.  End of Period:\t1250.50     \t6250.50");
    EXPECT_THAT(lines(0, 2, Period::Monthly, 1000),
                ElementsAre("01.  Loan Starts at:        0.00  \t\t1000.00",
                            "02.  End of 1 Month: \t00.00     \t1000.00",
                            "03.  End of 2 Month: \t00.00     \t1000.00"));
    const auto days = lines(rateFor(730), 730, Period::Daily);
    ASSERT_EQ(days.size(), 731u);
    EXPECT_EQ(days[99], "100.  End of 99 Day: \t153.62     \t5153.62");
    EXPECT_EQ(days.back(), "731.  End of 730 Day: \t1250.00     \t6250.00");
}

TEST(GrowthTable, LeftOverMonthsMakeAFractionOfAPeriod) {
    // Fifteen months hold two half years and half of a third.
    const auto halves = rows(rateFor(2.5), 15, Period::HalfYearly);
    EXPECT_EQ(halves.back().step, GrowthStep::LeftOverMonths);
    EXPECT_EQ(halves.back().period, 2.5);
    EXPECT_NEAR(halves.back().total, 6256.23, 0.005);
}

TEST(GrowthTable, StopsAtPeriod1800KeepingTheRowsBefore) {
    EXPECT_EQ(rows(0.001, 1800, Period::Monthly).size(), 1801u);
    // Crossed by a whole period or by the left-over months.
    for (const auto& [duration, period] : {std::pair<std::int16_t, Period>{1801, Period::Monthly},
                                           {5401, Period::Quarterly},
                                           {21601, Period::Simple}}) {
        GrowthRows table;
        try {
            appendGrowthRows(table, 1000, 0.001, duration, period);
            ADD_FAILURE() << duration;
        } catch (const numeric::ArithmeticError& error) {
            EXPECT_EQ(error.kind(), numeric::Failure::TableLimit);
        }
        ASSERT_EQ(table.size(), 1801u) << duration;
        EXPECT_THAT(growthLines(table, period).back(), testing::StartsWith("1801.  End of 1800 "));
    }
}

}  // namespace
}  // namespace brisanel::details
