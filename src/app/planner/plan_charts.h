#pragma once

#include <QString>

#include "plan/plan.h"
#include "plan/year_summary.h"

class QBarSet;
class QCategoryAxis;
class QChart;
class QLineSeries;
class QPieSeries;
class QValueAxis;

namespace brisanel::app::planner {

/// The plan's three charts: the balance month by month (base solid, plan dashed), each loan
/// year's principal and interest as stacked bars with the closing balance on a second axis, and
/// the total principal against the total interest. Every point is a row of the engine's: the
/// balance at a month is that month's closing balance. The series are made once and refilled.
///
/// The charts are handed to whoever shows them (a QChartView or a QGraphicsScene), which owns
/// them from then on.
class PlanCharts {
public:
    PlanCharts();

    QChart* balance() const { return balance_; }
    QChart* years() const { return years_; }
    QChart* totals() const { return totals_; }

    /// Shows the result's runs by its yearly summary, or empties the charts for null.
    void show(const plan::PlanResult* result, const plan::YearRows& years);

    /// What each chart shows, with its extremes, in a sentence.
    QString balanceDescription() const { return balanceText_; }
    QString yearsDescription() const { return yearsText_; }
    QString totalsDescription() const { return totalsText_; }

private:
    void showBalance(const plan::PlanResult* result);
    void showYears(const plan::PlanResult* result, const plan::YearRows& years);
    void showTotals(const plan::PlanResult* result);

    QChart* balance_;
    QLineSeries* baseBalance_;
    QLineSeries* planBalance_;
    QValueAxis* monthAxis_;
    QValueAxis* balanceAxis_;

    QChart* years_;
    QBarSet* principal_;
    QBarSet* interest_;
    QLineSeries* yearBalance_;
    QCategoryAxis* yearAxis_;
    QValueAxis* amountAxis_;
    QValueAxis* yearBalanceAxis_;
    int labelledYears_ = -1;

    QChart* totals_;
    QPieSeries* pie_;

    QString balanceText_;
    QString yearsText_;
    QString totalsText_;
};

}  // namespace brisanel::app::planner
