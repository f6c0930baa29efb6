#include "plan/payment_dates.h"

#include <QString>
#include <cctype>

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

QDate paymentDate(QDate first, Frequency frequency, int periods) {
    switch (frequency) {
        case Frequency::Weekly:
            return first.addDays(7LL * periods);
        case Frequency::Fortnightly:
            return first.addDays(14LL * periods);
        case Frequency::Monthly:
        case Frequency::Quarterly:
            break;
    }
    const int months = periods * (frequency == Frequency::Quarterly ? 3 : 1);
    // addMonths keeps the day, or takes the month's last day when the month is shorter.
    const QDate moved = first.addMonths(months);
    if (first.day() != first.daysInMonth()) return moved;
    return QDate(moved.year(), moved.month(), moved.daysInMonth());
}

Ratio yearShare(DayCount dayCount, QDate from, QDate to) {
    const std::int64_t days = from.daysTo(to);
    switch (dayCount) {
        case DayCount::Thirty360: {
            int d1 = from.day();
            int d2 = to.day();
            if (d1 == 31) d1 = 30;
            if (d2 == 31 && d1 == 30) d2 = 30;
            return {
                360LL * (to.year() - from.year()) + 30LL * (to.month() - from.month()) + (d2 - d1),
                360};
        }
        case DayCount::Actual365:
            return {days, 365};
        case DayCount::Actual360:
            return {days, 360};
        case DayCount::ActualActual: {
            // Split at each 1 January between the two dates: leap days / 366 + others / 365.
            std::int64_t leapDays = 0;
            for (QDate start = from; start < to;) {
                const QDate newYear(start.year() + 1, 1, 1);
                const QDate end = newYear < to ? newYear : to;
                if (QDate::isLeapYear(start.year())) leapDays += start.daysTo(end);
                start = end;
            }
            return {leapDays * 365 + (days - leapDays) * 366, 365 * 366};
        }
        case DayCount::Periodic:
            break;
    }
    return {0, 1};
}

}  // namespace brisanel::plan
