#pragma once

#include <QColor>
#include <QCoreApplication>
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
    Q_DECLARE_TR_FUNCTIONS(PlanCharts)

public:
    /// Charts on white, as on paper.
    PlanCharts();

    /// Charts drawn on `background`: the light or the dark chart theme by its lightness, and the
    /// lines in colours that read on it at 4.5:1 at least.
    void setBackground(const QColor& background);

    QChart* balance() const { return balance_; }
    QChart* years() const { return years_; }
    QChart* totals() const { return totals_; }

    enum Chart { Balance = 1, Years = 2, Totals = 4, All = 7 };

    /// Shows the result's runs by its yearly summary in the charts named by `charts` (a sum of
    /// Chart values), or empties them for null. The descriptions follow the result whichever
    /// charts are filled: a chart out of view can wait until it comes into view.
    void show(const plan::PlanResult* result, const plan::YearRows& years, int charts = All);

    /// What each chart shows, with its extremes, in a sentence.
    QString balanceDescription() const { return balanceText_; }
    QString yearsDescription() const { return yearsText_; }
    QString totalsDescription() const { return totalsText_; }

private:
    void showBalance(const plan::PlanResult* result, bool fill);
    void showYears(const plan::PlanResult* result, const plan::YearRows& years, bool fill);
    void showTotals(const plan::PlanResult* result, bool fill);
    void fillYears(const plan::YearRows& years);

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
