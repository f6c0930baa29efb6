#include "app/planner/plan_texts.h"

#include <QCoreApplication>
#include <cmath>
#include <cstdlib>

namespace brisanel::app::planner {
namespace {

QString tr(const char* text, int n = -1) {
    return QCoreApplication::translate("PlanTexts", text, nullptr, n);
}

}  // namespace

QString amountText(double value, const QLocale& locale) {
    // A rounded -0.00 reads as 0.00.
    const double rounded = std::round(value * 100) / 100;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', 2);
}

QString durationText(int months) {
    months = std::abs(months);
    const int years = months / 12;
    const int rest = months % 12;
    if (years == 0) return tr("%n month(s)", rest);
    if (rest == 0) return tr("%n year(s)", years);
    //: A span of years and months: "3 years 2 months"
    return tr("%1 %2").arg(tr("%n year(s)", years), tr("%n month(s)", rest));
}

QString savedText(int periodsSaved, double interestSaved, plan::Frequency frequency,
                  const QLocale& locale) {
    const int periods = std::abs(periodsSaved);
    const QString span = frequency == plan::Frequency::Monthly  ? durationText(periods)
                         : frequency == plan::Frequency::Weekly ? tr("%n week(s)", periods)
                                                                : tr("%n payment(s)", periods);
    const QString when = periodsSaved > 0   ? tr("%1 sooner").arg(span)
                         : periodsSaved < 0 ? tr("%1 later").arg(span)
                                            : tr("ends in the same month");
    const QString amount = amountText(std::abs(interestSaved), locale);
    const QString interest = amount == amountText(0, locale) ? tr("the same interest")
                             : interestSaved > 0             ? tr("%1 less interest").arg(amount)
                                                             : tr("%1 more interest").arg(amount);
    //: The saving in time, then in interest
    return tr("%1, %2").arg(when, interest);
}

QString aprText(const plan::CreditCost& cost) {
    if (!cost.apr) return tr("none");
    return QStringLiteral("%1 %").arg(
        QString::fromStdString(plan::shownApr(*cost.apr, cost.method)));
}

QString planText(std::string_view text) {
    // The tables' texts are literals, so their views end where the literal does.
    return QCoreApplication::translate("brisanel::plan", text.data());
}

QString figureText(const plan::FigureRow& figure, const plan::Totals& totals,
                   const QLocale& locale) {
    using Kind = plan::FigureRow::Kind;
    const double value = figure.value(totals);
    if (figure.kind == Kind::Amount) return amountText(value, locale);
    if (figure.kind == Kind::EndMonth && !totals.cleared) {
        return planText(plan::kNotRepaidShort);
    }
    return locale.toString(static_cast<int>(value));
}

}  // namespace brisanel::app::planner
