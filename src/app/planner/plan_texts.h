#pragma once

#include <QLocale>
#include <QString>
#include <string_view>

#include "plan/cost.h"
#include "plan/plan_table.h"

// How the planner writes the engine's figures for people: amounts with two decimals and the
// locale's digit grouping, spans of months in years and months.
namespace brisanel::app::planner {

/// A text of the plan engine's word tables (a figure's caption, an event kind's or a policy's
/// name) in the user's language.
QString planText(std::string_view text);

/// "12,345.67" in an English locale, "12.345,67" in a German one.
QString amountText(double value, const QLocale& locale = QLocale());

/// "3 years 2 months", "1 year", "5 months", "0 months"; the sign is left out.
QString durationText(int months);

/// The saving at a glance: "3 years 2 months sooner, 12,345.67 less interest"; a plan that runs
/// longer or costs more says "later" and "more interest". At another frequency the periods are
/// counted as they are: "13 weeks sooner", "4 payments sooner".
QString savedText(int periodsSaved, double interestSaved,
                  plan::Frequency frequency = plan::Frequency::Monthly,
                  const QLocale& locale = QLocale());

/// The APR as its rule shows it, "6.4 %" or "9.69 %", or "none" when the credit has none.
QString aprText(const plan::CreditCost& cost);
/// One of a run's figures as the window and its document show it: an amount, a count in the
/// locale's digits, or "not repaid" for the end month of a loan not repaid.
QString figureText(const plan::FigureRow& figure, const plan::Totals& totals,
                   const QLocale& locale = QLocale());

}  // namespace brisanel::app::planner
