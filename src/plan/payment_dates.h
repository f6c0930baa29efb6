#pragma once

#include <QDate>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plan/cents.h"

// The lender's calendar: how often a loan is paid, the date of each payment, and the fraction of a
// year a period's interest runs for under each day count.
namespace brisanel::plan {

enum class Frequency { Monthly, Fortnightly, Weekly, Quarterly };

/// Payments a year: 12, 26, 52 or 4.
constexpr int periodsPerYear(Frequency frequency) {
    switch (frequency) {
        case Frequency::Fortnightly:
            return 26;
        case Frequency::Weekly:
            return 52;
        case Frequency::Quarterly:
            return 4;
        case Frequency::Monthly:
            break;
    }
    return 12;
}

enum class DayCount { Periodic, Thirty360, Actual365, Actual360, ActualActual };

/// How the summary's years are counted: loan years of f periods from the first instalment, or,
/// for a plan with dates, calendar years or fiscal years starting on a month and day.
struct YearStart {
    enum class Kind { Loan, Calendar, Fiscal };
    Kind kind = Kind::Loan;
    int month = 1;  ///< a fiscal year's first day
    int day = 1;

    bool operator==(const YearStart&) const = default;
};

/// "loan", "calendar" or a fiscal year's first day as MM-DD ("04-06", the UK tax year), if the
/// text is one of those; 02-29 starts no year.
std::optional<YearStart> readYearStart(std::string_view text);

/// The text readYearStart reads back: "loan", "calendar" or "04-06".
std::string yearStartText(const YearStart& start);

/// A date as ISO 8601 writes it, YYYY-MM-DD, if the text is one and the day exists: "2027-02-30"
/// and "2027-13-01" are not dates.
std::optional<QDate> readDate(std::string_view text);

/// "2027-01-15".
std::string isoDate(QDate date);

/// The date `periods` payments after `first` (before it when negative), always counted from
/// `first`: monthly and quarterly on the same day of the month, or the month's last day when the
/// month is shorter or when `first` is the last day of its month; weekly and fortnightly 7 or 14
/// days a period.
QDate paymentDate(QDate first, Frequency frequency, int periods);

/// The dates from..to periods after `first`, as paymentDate() gives each.
std::vector<QDate> paymentDates(QDate first, Frequency frequency, int from, int to);

/// Whole periods counted back from `date` towards the earlier `start`, each counted from `date`
/// (months back keep the day, or take a shorter month's last day), and the date they reach.
struct PeriodsBack {
    int periods = 0;
    QDate reached;
};
PeriodsBack periodsBack(QDate date, QDate start, Frequency frequency);

/// Whether the year that ends on `date` (from the day after the same date a year before) holds
/// a 29 February.
bool yearEndingHoldsLeapDay(QDate date);

/// The share of a year from `from` to `to` under a day count other than Periodic, exactly: 30/360
/// with its end-of-month rules, the actual days over 365 or 360, or actual/actual, the days in
/// leap years over 366 plus the others over 365.
Ratio yearShare(DayCount dayCount, QDate from, QDate to);

/// The shares of the periods between each two dates in a row.
std::vector<Ratio> yearShares(DayCount dayCount, std::span<const QDate> dates);

/// The same share as a double.
inline double yearFraction(DayCount dayCount, QDate from, QDate to) {
    return yearShare(dayCount, from, to).value();
}

}  // namespace brisanel::plan
