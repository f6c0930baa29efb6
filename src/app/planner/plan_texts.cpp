#include "app/planner/plan_texts.h"

#include <cmath>
#include <cstdlib>

namespace brisanel::app::planner {

QString amountText(double value, const QLocale& locale) {
    // A rounded -0.00 reads as 0.00.
    const double rounded = std::round(value * 100) / 100;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

QString durationText(int months) {
    months = std::abs(months);
    const int years = months / 12;
    const int rest = months % 12;
    const auto count = [](int n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    if (years == 0) return count(rest, "month", "months");
    if (rest == 0) return count(years, "year", "years");
    return count(years, "year", "years") + ' ' + count(rest, "month", "months");
}

QString savedText(int monthsSaved, double interestSaved, const QLocale& locale) {
    const QString when = monthsSaved > 0   ? durationText(monthsSaved) + QStringLiteral(" sooner")
                         : monthsSaved < 0 ? durationText(monthsSaved) + QStringLiteral(" later")
                                           : QStringLiteral("ends in the same month");
    const QString amount = amountText(std::abs(interestSaved), locale);
    const QString interest = amount == amountText(0, locale) ? QStringLiteral("the same interest")
                             : interestSaved > 0 ? amount + QStringLiteral(" less interest")
                                                 : amount + QStringLiteral(" more interest");
    return when + QStringLiteral(", ") + interest;
}

QString figureText(const plan::FigureRow& figure, const plan::Totals& totals,
                   const QLocale& locale) {
    using Kind = plan::FigureRow::Kind;
    const double value = figure.value(totals);
    if (figure.kind == Kind::Amount) return amountText(value, locale);
    if (figure.kind == Kind::EndMonth && !totals.cleared) {
        return QString::fromLatin1(plan::kNotRepaidShort);
    }
    return locale.toString(static_cast<int>(value));
}

}  // namespace brisanel::app::planner
