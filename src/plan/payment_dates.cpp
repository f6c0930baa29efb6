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

double yearFraction(DayCount dayCount, QDate from, QDate to) {
    const auto days = static_cast<double>(from.daysTo(to));
    switch (dayCount) {
        case DayCount::Thirty360: {
            int d1 = from.day();
            int d2 = to.day();
            if (d1 == 31) d1 = 30;
            if (d2 == 31 && d1 == 30) d2 = 30;
            return (360.0 * (to.year() - from.year()) + 30.0 * (to.month() - from.month()) +
                    (d2 - d1)) /
                   360;
        }
        case DayCount::Actual365:
            return days / 365;
        case DayCount::Actual360:
            return days / 360;
        case DayCount::ActualActual: {
            // Split at each 1 January between the two dates.
            double fraction = 0;
            for (QDate start = from; start < to;) {
                const QDate newYear(start.year() + 1, 1, 1);
                const QDate end = newYear < to ? newYear : to;
                fraction += static_cast<double>(start.daysTo(end)) / start.daysInYear();
                start = end;
            }
            return fraction;
        }
        case DayCount::Periodic:
            break;
    }
    return 0;
}

}  // namespace brisanel::plan
