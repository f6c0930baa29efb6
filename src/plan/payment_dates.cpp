#include "plan/payment_dates.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <chrono>

namespace brisanel::plan {

std::optional<QDate> readDate(std::string_view text) {
    // Exactly four digits, a dash, two digits, a dash, two digits.
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    }
    const QDate date = QDate::fromString(
        QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())), Qt::ISODate);
    if (!date.isValid()) return std::nullopt;
    return date;
}

std::optional<YearStart> readYearStart(std::string_view text) {
    if (text == "loan") return YearStart{};
    if (text == "calendar") return YearStart{YearStart::Kind::Calendar, 1, 1};
    // MM-DD, a day every year has.
    const std::optional<QDate> day = readDate("2001-" + std::string(text));
    if (!day) return std::nullopt;
    if (day->month() == 1 && day->day() == 1) return YearStart{YearStart::Kind::Calendar, 1, 1};
    return YearStart{YearStart::Kind::Fiscal, day->month(), day->day()};
}

std::string yearStartText(const YearStart& start) {
    if (start.kind == YearStart::Kind::Loan) return "loan";
    if (start.kind == YearStart::Kind::Calendar) return "calendar";
    return isoDate(QDate(2001, start.month, start.day)).substr(5);
}

std::string isoDate(QDate date) {
    return date.toString(Qt::ISODate).toStdString();
}

namespace {

// QDate counts Julian days; <chrono> counts days from 1970-01-01, Julian day 2440588. The chrono
// calendar works out a year, month and day in a few integer steps, where each of QDate's
// day(), month() and year() converts the whole date again.
constexpr qint64 kUnixEpoch = 2440588;

std::chrono::year_month_day civil(QDate date) {
    return std::chrono::sys_days(std::chrono::days(date.toJulianDay() - kUnixEpoch));
}

QDate fromCivil(std::chrono::year_month_day date) {
    return QDate::fromJulianDay(std::chrono::sys_days(date).time_since_epoch().count() +
                                kUnixEpoch);
}

}  // namespace

namespace {

// The payment dates counted from the first, with its calendar date worked out once.
class PaymentCalendar {
public:
    PaymentCalendar(QDate first, Frequency frequency)
        : first_(first),
          frequency_(frequency),
          start_(civil(first)),
          monthEnd_(isMonthEnd(start_)) {}

    QDate date(int periods) const {
        switch (frequency_) {
            case Frequency::Weekly:
                return first_.addDays(7LL * periods);
            case Frequency::Fortnightly:
                return first_.addDays(14LL * periods);
            case Frequency::Monthly:
            case Frequency::Quarterly:
                break;
        }
        using namespace std::chrono;
        const int count = periods * (frequency_ == Frequency::Quarterly ? 3 : 1);
        const year_month moved = year_month(start_.year(), start_.month()) + months(count);
        const day last = year_month_day_last(moved.year(), month_day_last(moved.month())).day();
        // The same day of the month, or the month's last day when the month is shorter or when
        // the first date is the last day of its month.
        const day kept = monthEnd_ || start_.day() > last ? last : start_.day();
        return fromCivil(year_month_day(moved.year(), moved.month(), kept));
    }

private:
    QDate first_;
    Frequency frequency_;
    std::chrono::year_month_day start_;
    bool monthEnd_;

    static bool isMonthEnd(std::chrono::year_month_day date) {
        using namespace std::chrono;
        return date.day() == year_month_day_last(date.year(), month_day_last(date.month())).day();
    }
};

Ratio shareBetween(DayCount dayCount, QDate from, QDate to,
                   const std::chrono::year_month_day& start,
                   const std::chrono::year_month_day& end) {
    const std::int64_t days = from.daysTo(to);
    switch (dayCount) {
        case DayCount::Thirty360: {
            int d1 = static_cast<int>(unsigned(start.day()));
            int d2 = static_cast<int>(unsigned(end.day()));
            if (d1 == 31) d1 = 30;
            if (d2 == 31 && d1 == 30) d2 = 30;
            const int years = int(end.year()) - int(start.year());
            const int months =
                static_cast<int>(unsigned(end.month())) - static_cast<int>(unsigned(start.month()));
            return {360LL * years + 30LL * months + (d2 - d1), 360};
        }
        case DayCount::Actual365:
            return {days, 365};
        case DayCount::Actual360:
            return {days, 360};
        case DayCount::ActualActual: {
            // Split at each 1 January between the two dates: leap days / 366 + others / 365.
            std::int64_t leapDays = 0;
            QDate open = from;
            for (int year = int(start.year()); open < to; ++year) {
                const QDate close =
                    year < int(end.year()) ? fromCivil(std::chrono::year(year + 1) / 1 / 1) : to;
                if (QDate::isLeapYear(year)) leapDays += open.daysTo(close);
                open = close;
            }
            return {leapDays * 365 + (days - leapDays) * 366, 365 * 366};
        }
        case DayCount::Periodic:
            break;
    }
    return {0, 1};
}

}  // namespace

PeriodsBack periodsBack(QDate date, QDate start, Frequency frequency) {
    if (frequency == Frequency::Weekly || frequency == Frequency::Fortnightly) {
        const qint64 step = frequency == Frequency::Weekly ? 7 : 14;
        const qint64 days = start.daysTo(date);
        return {static_cast<int>(days / step), start.addDays(days % step)};
    }
    using namespace std::chrono;
    const int step = frequency == Frequency::Quarterly ? 3 : 1;
    const year_month_day end = civil(date);
    const year_month_day begin = civil(start);
    const auto back = [&](int months) {
        const year_month moved = year_month(end.year(), end.month()) - std::chrono::months(months);
        const day last = year_month_day_last(moved.year(), month_day_last(moved.month())).day();
        return fromCivil(year_month_day(moved.year(), moved.month(), std::min(end.day(), last)));
    };
    int months =
        (int(end.year()) - int(begin.year())) * 12 +
        (static_cast<int>(unsigned(end.month())) - static_cast<int>(unsigned(begin.month())));
    months -= months % step;
    if (months > 0 && back(months) < start) months -= step;
    return {months / step, back(months)};
}

bool yearEndingHoldsLeapDay(QDate date) {
    using namespace std::chrono;
    const year_month_day end = civil(date);
    const sys_days last{end};
    const sys_days yearBefore{year_month_day(
        end.year() - years(1), end.month(),
        std::min(end.day(),
                 year_month_day_last(end.year() - years(1), month_day_last(end.month())).day()))};
    for (const year candidate : {end.year() - years(1), end.year()}) {
        if (!candidate.is_leap()) continue;
        const sys_days leapDay{candidate / February / 29};
        if (yearBefore < leapDay && leapDay <= last) return true;
    }
    return false;
}

QDate paymentDate(QDate first, Frequency frequency, int periods) {
    return PaymentCalendar(first, frequency).date(periods);
}

std::vector<QDate> paymentDates(QDate first, Frequency frequency, int from, int to) {
    const PaymentCalendar calendar(first, frequency);
    std::vector<QDate> dates;
    dates.reserve(static_cast<std::size_t>(std::max(to - from + 1, 0)));
    for (int periods = from; periods <= to; ++periods) dates.push_back(calendar.date(periods));
    return dates;
}

Ratio yearShare(DayCount dayCount, QDate from, QDate to) {
    return shareBetween(dayCount, from, to, civil(from), civil(to));
}

std::vector<Ratio> yearShares(DayCount dayCount, std::span<const QDate> dates) {
    std::vector<Ratio> shares;
    if (dates.empty()) return shares;
    shares.reserve(dates.size() - 1);
    std::chrono::year_month_day start = civil(dates.front());
    for (std::size_t i = 1; i < dates.size(); ++i) {
        const std::chrono::year_month_day end = civil(dates[i]);
        shares.push_back(shareBetween(dayCount, dates[i - 1], dates[i], start, end));
        start = end;
    }
    return shares;
}

}  // namespace brisanel::plan
