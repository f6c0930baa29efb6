#include "details/emi_schedule.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/emi.h"
#include "calc/messages.h"
#include "details/reducing_balance.h"

namespace brisanel::details {
namespace {

using Lines = TextLines;

// Builds the schedule from the figures a successful "Find EMI" keeps; expects no failure.
Lines scheduleFor(std::string_view principal, std::string_view duration, std::string_view start,
                  std::string_view rate = "12") {
    const auto emi = calc::computeEmi({principal, duration, start, rate});
    EXPECT_TRUE(emi.figures.has_value()) << emi.message;
    const auto schedule = buildEmiSchedule(emi.figures.value_or(EmiFigures{}));
    EXPECT_TRUE(schedule.message.empty() && !schedule.failure) << schedule.message;
    return schedule.lines;
}

TEST(EmiSchedule, LastLineCarriesTheRemainingBalanceAsItsPayment) {
    EXPECT_EQ(scheduleFor("1000", "3", "2"),
              (Lines{"01.   Month 03\tBal.= 1020\t347", "02.   Month 04\tBal.= 0683\t347",
                     "03.   Month 05\tBal.= 0343\t343"}));
    EXPECT_EQ(scheduleFor("1000", "1", "0"),
              (Lines{"01.   Month 01\tBal.= 1000\t1010", "02.   Month 02\tBal.= 0000\t"}));
    // Zero vanishes under the all-"#" patterns of the first line.
    EXPECT_EQ(buildEmiSchedule(EmiFigures{}).lines,
              (Lines{"01.   Month 01\tBal.= \t", "02.   Month 02\tBal.= 0000\t"}));
}

TEST(EmiSchedule, LineCountAndNumbering) {
    const auto tenYears = scheduleFor("5000", "120", "0", "12.50");
    ASSERT_EQ(tenYears.size(), 120u);
    EXPECT_EQ(tenYears[99].substr(0, 16), "100.   Month 100");

    const auto early = scheduleFor("1000", "12", "-3");
    ASSERT_EQ(early.size(), 12u);
    EXPECT_EQ(early[0].substr(0, 15), "01.   Month -02");
    EXPECT_EQ(early[2].substr(0, 14), "03.   Month 00");
    EXPECT_EQ(early[11].substr(0, 14), "12.   Month 09");

    // N - 2 rounds to even: 12.5 gives 10 inner lines, 13.5 gives 12; below 2 months, two lines.
    for (const auto& [duration, count] : {std::pair<const char*, std::size_t>{"1800", 1800},
                                          {"12.5", 12},
                                          {"13.5", 14},
                                          {"0.5", 2}}) {
        EXPECT_EQ(scheduleFor("1000", duration, "0").size(), count) << duration;
    }
}

TEST(EmiSchedule, FailuresKeepTheLinesAlreadyWritten) {
    // 1801 months end on index 1800, the last entry; 1802 need index 1801.
    EmiFigures figures{1000, 1801, 1, 0.01, 0};
    EXPECT_EQ(buildEmiSchedule(figures).lines.size(), 1801u);
    figures.months = 1802;
    const auto beyond = buildEmiSchedule(figures);
    EXPECT_EQ(beyond.message, calc::messages::kCheckInput);
    EXPECT_EQ(beyond.failure, numeric::Failure::TableLimit);
    EXPECT_EQ(beyond.lines.size(), 1801u);

    // An overflowing balance ends the build without a message.
    const auto overflow = buildEmiSchedule(EmiFigures{1.7e308, 3, 1, 0.5, 0});
    EXPECT_TRUE(overflow.message.empty());
    EXPECT_EQ(overflow.failure, numeric::Failure::Overflow);
    EXPECT_EQ(overflow.lines.size(), 1u);
}

TEST(ReducingBalanceLine, OnlyLaterLinesPadTheBalanceAndNoFieldIsCut) {
    TextLines lines;
    addReducingBalanceLine(lines, 1, 1, 21.4, 5, LinePlace::First);
    addReducingBalanceLine(lines, 4, 4, 21.4, 21.4, LinePlace::Other);
    addReducingBalanceLine(lines, 120, 1800, 1234567.8, 1234567.8, LinePlace::Other);
    EXPECT_EQ(lines, (Lines{"01.   Month 01\tBal.= 21\t5", "04.   Month 04\tBal.= 0021\t21",
                            "120.   Month 1800\tBal.= 1234568\t1234568"}));
}

}  // namespace
}  // namespace brisanel::details
