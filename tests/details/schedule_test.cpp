// Reducing-balance schedules: the rows of a loan, and the list lines formatted from them. That
// the rows add up is checked on every input of the panels fuzz target.
#include "details/schedule.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/emi.h"

namespace brisanel::details {
namespace {

using Lines = TextLines;

ScheduleRows emiRows(std::string_view principal, std::string_view months, std::string_view start,
                     std::string_view rate = "12") {
    const auto emi = calc::computeEmi({principal, months, start, rate});
    EXPECT_TRUE(emi.figures.has_value()) << emi.message;
    ScheduleRows rows;
    appendEmiSchedule(rows, emi.figures.value_or(EmiFigures{}));
    return rows;
}

TEST(ScheduleLines, TheLastLineShowsTheBalanceItClearsAsItsPayment) {
    EXPECT_EQ(scheduleLines(emiRows("1000", "3", "2")),
              (Lines{"01.   Month 03\tBal.= 1020\t347", "02.   Month 04\tBal.= 0683\t347",
                     "03.   Month 05\tBal.= 0343\t343"}));
    EXPECT_EQ(scheduleLines(emiRows("1000", "1", "0")),
              (Lines{"01.   Month 01\tBal.= 1000\t1010", "02.   Month 02\tBal.= 0000\t"}));
    // Only later lines pad the balance; no field is ever cut.
    const ScheduleRow rows[] = {{.month = 1, .openingBalance = 21.4, .instalment = 5},
                                {.month = 1800, .openingBalance = 1234567.8, .instalment = 9},
                                {.month = -2, .clearsBalance = true, .openingBalance = -990}};
    EXPECT_EQ(scheduleLines(rows),
              (Lines{"01.   Month 01\tBal.= 21\t5", "02.   Month 1800\tBal.= 1234568\t9",
                     "03.   Month -02\tBal.= -0990\t-990"}));
}

TEST(EmiSchedule, LineCountAndNumbering) {
    const auto early = scheduleLines(emiRows("1000", "12", "-3"));
    ASSERT_EQ(early.size(), 12u);
    EXPECT_EQ(early[0].substr(0, 15), "01.   Month -02");
    EXPECT_EQ(early[11].substr(0, 14), "12.   Month 09");
    // N - 2 rounds to even: 12.5 gives 10 inner lines, 13.5 gives 12; below 2 months, two lines.
    for (const auto& [months, count] : {std::pair<const char*, std::size_t>{"1800", 1800},
                                        {"12.5", 12},
                                        {"13.5", 14},
                                        {"0.5", 2}}) {
        EXPECT_EQ(emiRows("1000", months, "0").size(), count) << months;
    }
}

}  // namespace
}  // namespace brisanel::details
