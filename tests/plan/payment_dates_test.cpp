// The lender's calendar: payment dates at each frequency, the day counts' shares of a year, and
// the schedule they make, against figures published by others and worked out by hand.
#include <gtest/gtest.h>

#include "plan/payment_dates.h"
#include "plan/plan.h"
#include "plan/year_summary.h"

namespace brisanel::plan {
namespace {

QDate day(const char* iso) {
    return readDate(iso).value();
}

std::string cents(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

TEST(PaymentDates, EachFrequencyCountsFromTheFirstPaymentDate) {
    struct Case {
        const char* first;
        Frequency frequency;
        std::vector<const char*> next;  // the dates 1, 2, 3 periods on
    };
    const std::vector<Case> cases = {
        // The day of the month is kept, or the month's last day taken when it is shorter, and
        // always counted from the first date, never from the one before.
        {"2024-01-30", Frequency::Monthly, {"2024-02-29", "2024-03-30", "2024-04-30"}},
        // A first date at the end of its month keeps every date at the end of its month.
        {"2027-01-31", Frequency::Monthly, {"2027-02-28", "2027-03-31", "2027-04-30"}},
        {"2027-02-28", Frequency::Monthly, {"2027-03-31", "2027-04-30", "2027-05-31"}},
        {"2027-11-30", Frequency::Quarterly, {"2028-02-29", "2028-05-31", "2028-08-31"}},
        {"2027-12-27", Frequency::Weekly, {"2028-01-03", "2028-01-10", "2028-01-17"}},
        {"2027-12-27", Frequency::Fortnightly, {"2028-01-10", "2028-01-24", "2028-02-07"}},
    };
    for (const Case& c : cases) {
        for (int j = 1; j <= 3; ++j) {
            EXPECT_EQ(isoDate(paymentDate(day(c.first), c.frequency, j)),
                      c.next[static_cast<std::size_t>(j - 1)])
                << c.first << " + " << j;
        }
    }
    EXPECT_EQ(isoDate(paymentDate(day("2027-03-31"), Frequency::Monthly, -1)), "2027-02-28");
    for (const char* wrong : {"2027-02-30", "2027-13-01", "2027-1-15", "15/01/2027", ""}) {
        EXPECT_EQ(readDate(wrong), std::nullopt) << wrong;
    }
}

TEST(PaymentDates, DayCountsMeasureAPeriodsShareOfAYear) {
    const std::vector<std::tuple<DayCount, const char*, const char*, double>> cases = {
        // 30/360: a 31st counts as the 30th, and an end on the 31st too when the start is a 30th.
        {DayCount::Thirty360, "2027-01-31", "2027-02-28", 28.0 / 360},
        {DayCount::Thirty360, "2027-01-30", "2027-03-31", 60.0 / 360},
        {DayCount::Thirty360, "2027-02-28", "2027-03-31", 33.0 / 360},
        {DayCount::Actual365, "2024-02-01", "2024-03-01", 29.0 / 365},
        {DayCount::Actual360, "2024-02-01", "2024-03-01", 29.0 / 360},
        // actual/actual splits a period at 1 January: 17 days of 2023, 14 of leap 2024.
        {DayCount::ActualActual, "2023-12-15", "2024-01-15", 17.0 / 365 + 14.0 / 366},
    };
    for (const auto& [count, from, to, share] : cases) {
        EXPECT_DOUBLE_EQ(yearFraction(count, day(from), day(to)), share) << from << " " << to;
    }
}

PlanInputs dated(const char* principal, const char* rate, const char* months, const char* first,
                 DayCount count) {
    PlanInputs inputs;
    inputs.loan = {principal, rate, "0", months, std::nullopt};
    inputs.schedule.firstPayment = day(first);
    inputs.schedule.dayCount = count;
    return inputs;
}

PlanResult resultOf(const PlanInputs& inputs) {
    const PlanOutcome out = computePlan(inputs);
    EXPECT_EQ(out.message, "");
    return out.result.value_or(PlanResult{});
}

// 300 000 at 6 %: a month's interest in each day count (a lender's published examples).
TEST(LenderSchedule, AMonthsInterestUnderEachDayCount) {
    const std::vector<std::tuple<const char*, DayCount, const char*>> cases = {
        {"2027-02-01", DayCount::Thirty360, "1500.00"},
        {"2027-02-01", DayCount::Actual365, "1528.77"},
        {"2027-03-01", DayCount::Actual365, "1380.82"},
        {"2027-05-01", DayCount::Actual365, "1479.45"},
        {"2024-03-01", DayCount::Actual365, "1430.14"},
        {"2024-03-01", DayCount::ActualActual, "1426.23"},
        {"2024-03-01", DayCount::Periodic, "1500.00"},
    };
    for (const auto& [first, count, interest] : cases) {
        const PlanResult result = resultOf(dated("300000", "6", "360", first, count));
        EXPECT_EQ(cents(result.plan.rows[0].interest), interest) << first;
        EXPECT_EQ(isoDate(result.plan.rows[0].date), first);
    }
    // 500 000 at 15 % over 3 months from 12 December 2023: the instalment at the monthly rate,
    // the first interest on the 30 days since 12 November.
    const PlanResult short3 =
        resultOf(dated("500000", "15", "3", "2023-12-12", DayCount::Actual365));
    EXPECT_EQ(cents(short3.plan.totals.firstInstalment), "170850.59");
    EXPECT_EQ(cents(short3.plan.rows[0].interest), "6164.38");
}

// 1000 at 10 % paying 171.55 a month from a loan date of 1 January 2024, first payment
// 1 February, actual/365 (a lender's published schedule).
TEST(LenderSchedule, AGivenLoanDateAndActualDays) {
    PlanInputs inputs;
    inputs.loan = {"1000", "10", "0", std::nullopt, "171.55"};
    inputs.schedule = {Frequency::Monthly, day("2024-02-01"), day("2024-01-01"),
                       DayCount::Actual365};
    const PlanResult result = resultOf(inputs);
    std::vector<std::string> interest;
    for (std::size_t i = 0; i < 5; ++i) interest.push_back(cents(result.plan.rows[i].interest));
    EXPECT_EQ(interest, (std::vector<std::string>{"8.49", "6.65", "5.71", "4.16", "2.88"}));
    EXPECT_EQ(isoDate(result.plan.totals.endDate), "2024-07-01");
}

// A loan never repaid runs to the 1800th period, its last day-counted like every other.
TEST(LenderSchedule, TheLastPeriodWorkedOutIsDayCountedToo) {
    PlanInputs inputs = dated("1000", "12", "1", "2027-01-31", DayCount::Actual365);
    inputs.loan = {"1000", "12", "0", std::nullopt, "15"};
    inputs.events = {{EventKind::RateChange, 24, 3, {}}};
    const PlanResult result = resultOf(inputs);
    ASSERT_EQ(result.plan.rows.size(), 1800u);
    const PlanRow& last = result.plan.rows.back();
    const PlanRow& before = result.plan.rows[1798];
    EXPECT_EQ(isoDate(last.date), "2176-12-31");
    EXPECT_DOUBLE_EQ(last.interest,
                     last.openingBalance * 0.24 * before.date.daysTo(last.date) / 365);
}

TEST(LenderSchedule, OtherFrequenciesUseThePeriodsRate) {
    const std::vector<std::tuple<const char*, const char*, const char*, Frequency, const char*>>
        cases = {{"10000", "6.5", "26", Frequency::Fortnightly, "397.73"},
                 {"5000", "12", "8", Frequency::Quarterly, "712.28"},
                 {"10000", "5.2", "104", Frequency::Weekly, "101.29"}};
    for (const auto& [principal, rate, count, frequency, instalment] : cases) {
        PlanInputs inputs;
        inputs.loan = {principal, rate, "0", count, std::nullopt};
        inputs.schedule.frequency = frequency;
        const PlanResult result = resultOf(inputs);
        EXPECT_EQ(cents(result.plan.totals.firstInstalment), instalment) << count;
        EXPECT_EQ(result.plan.totals.months, std::stoi(count));
        EXPECT_EQ(result.perYear, periodsPerYear(frequency));
    }
}

// Monthly from 15 January 2027 for two years, in UK tax years from 6 April: three years, the
// first and last short; an event by date falls on the next payment.
TEST(LenderSchedule, FiscalYearsAndEventsByDate) {
    PlanInputs inputs = dated("12000", "6", "24", "2027-01-15", DayCount::Periodic);
    inputs.events = {{EventKind::OneTimeExtra, 500, std::nullopt, std::nullopt, day("2027-03-10")},
                     {EventKind::OneTimeExtra, 7, std::nullopt, std::nullopt, day("2027-01-15")},
                     {EventKind::MonthlyExtra, 10, std::nullopt, std::nullopt, day("2027-04-15"),
                      day("2027-06-01")}};
    const PlanResult result = resultOf(inputs);
    EXPECT_EQ(cents(result.plan.rows[0].extra), "7.00");    // on the first payment's own date
    EXPECT_EQ(cents(result.plan.rows[2].extra), "500.00");  // 15 March
    EXPECT_EQ(cents(result.plan.rows[3].extra), "10.00");
    EXPECT_EQ(cents(result.plan.rows[4].extra), "10.00");  // 15 May, the last before 1 June
    EXPECT_EQ(cents(result.plan.rows[5].extra), "0.00");
    const YearRows years =
        yearSummary(result.plan.rows, result.firstMonth, 12, readYearStart("04-06").value());
    std::vector<std::tuple<std::string, int, std::size_t>> shape;
    for (const YearRow& year : years) shape.emplace_back(year.label, year.year, year.rowCount);
    const std::size_t last = result.plan.rows.size() - 15;
    EXPECT_EQ(shape, (std::vector<std::tuple<std::string, int, std::size_t>>{
                         {"2026/27", 2026, 3}, {"2027/28", 2027, 12}, {"2028/29", 2028, last}}));
    EXPECT_EQ(isoDate(years[1].firstDate), "2027-04-15");
    EXPECT_EQ(isoDate(years[1].lastDate), "2028-03-15");
    const YearRows calendar =
        yearSummary(result.plan.rows, result.firstMonth, 12, readYearStart("calendar").value());
    EXPECT_EQ(calendar.front().label, "2027");
    EXPECT_EQ(calendar.front().rowCount, 12u);
    EXPECT_EQ(readYearStart("02-29"), std::nullopt);
}

TEST(LenderSchedule, WhatDatesCannotMean) {
    const std::vector<std::pair<PlanInputs, std::string>> cases = [] {
        std::vector<std::pair<PlanInputs, std::string>> list;
        PlanInputs undated;
        undated.loan = {"1000", "12", "0", "12", std::nullopt};
        undated.schedule.dayCount = DayCount::Actual365;
        list.emplace_back(undated, "A day count needs a first payment date.");
        PlanInputs early = dated("1000", "12", "12", "2027-01-15", DayCount::Periodic);
        early.schedule.loanDate = QDate(2026, 1, 1);
        list.emplace_back(early,
                          "The loan date must be before the first period's date, "
                          "2027-01-15, and at most 366 days before it.");
        PlanInputs before = dated("1000", "12", "12", "2027-01-15", DayCount::Periodic);
        before.events = {
            {EventKind::OneTimeExtra, 5, std::nullopt, std::nullopt, QDate(2027, 1, 1)}};
        list.emplace_back(before,
                          "One-time extra payment on 2027-01-01: the date is before the "
                          "first payment, 2027-01-15.");
        return list;
    }();
    for (const auto& [inputs, message] : cases) EXPECT_EQ(computePlan(inputs).message, message);
}

}  // namespace
}  // namespace brisanel::plan
