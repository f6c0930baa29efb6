#pragma once

#include <QColor>
#include <Qt>

namespace brisanel::app {

/// What a chart's series shows. Every chart of the program colours the same thing alike: the
/// principal, the interest and the fees keep their colours in the per-year bars, the pie and the
/// offers' cost bars.
enum class ChartRole {
    Principal,
    Interest,
    Fees,
    WithoutEvents,  ///< the loan as it would run without the plan's events
    WithPlan,
    YearBalance,  ///< the balance at each year's end
};

/// The role's colour, made lighter or darker until it reads on the chart's background, so that
/// the charts read on light and dark themes alike.
QColor chartColour(ChartRole role, const QColor& background);

/// The number of offers whose lines are told apart by colour and dash pattern alike.
inline constexpr int kOfferStyles = 4;

/// The line of the offer at `index` (0 to kOfferStyles - 1) in a chart of several offers: a
/// colour of its own, readable on the background, and a dash pattern of its own, so that the
/// lines are told apart without colour too (on a printed page in grey, or by a reader who does
/// not see the colours apart).
QColor offerColour(int index, const QColor& background);
Qt::PenStyle offerDashes(int index);

}  // namespace brisanel::app
