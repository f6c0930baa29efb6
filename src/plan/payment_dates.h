#pragma once

#include <QDate>
#include <optional>
#include <string>
#include <string_view>

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

/// The fraction of a year from `from` to `to` under a day count other than Periodic: 30/360 with
/// its end-of-month rules, the actual days over 365 or 360, or actual/actual, the days in leap
/// years over 366 plus the others over 365.
double yearFraction(DayCount dayCount, QDate from, QDate to);

}  // namespace brisanel::plan
