#include "app/planner/plan_charts.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/planner/plan_texts.h"

namespace brisanel::app::planner {
namespace {

constexpr int kMostYearLabels = 12;

QChart* newChart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

QValueAxis* valueAxis(const QString& title, const char* format) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    axis->setLabelFormat(QString::fromLatin1(format));
    return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// Changes a bar set's values to `values`, keeping the bars when their number is the same.
void refill(QBarSet* set, const QList<qreal>& values) {
    if (set->count() != values.size()) {
        set->remove(0, set->count());
        set->append(values);
        return;
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        if (set->at(i) != values[i]) set->replace(i, values[i]);
    }
}

// A range that starts at 0 and shows `top`, rounded for readable ticks.
void setRange(QValueAxis* axis, double bottom, double top) {
    axis->setRange(std::min(0.0, bottom), std::max(top, 1.0));
    axis->applyNiceNumbers();
}

}  // namespace

PlanCharts::PlanCharts() {
    balance_ = newChart(QStringLiteral("Balance by month"));
    baseBalance_ = new QLineSeries;
    baseBalance_->setName(QStringLiteral("Without events"));
    planBalance_ = new QLineSeries;
    planBalance_->setName(QStringLiteral("With the plan"));
    monthAxis_ = valueAxis(QStringLiteral("Month"), "%d");
    balanceAxis_ = valueAxis(QStringLiteral("Balance"), "%.0f");
    balance_->addAxis(monthAxis_, Qt::AlignBottom);
    balance_->addAxis(balanceAxis_, Qt::AlignLeft);
    attach(balance_, baseBalance_, monthAxis_, balanceAxis_);
    attach(balance_, planBalance_, monthAxis_, balanceAxis_);
    // Set once the chart's theme has given the series their colours.
    baseBalance_->setPen(QPen(QColor(32, 96, 192), 3));
    planBalance_->setPen(QPen(QColor(224, 112, 0), 2, Qt::DashLine));

    years_ = newChart(QStringLiteral("Principal and interest per loan year"));
    principal_ = new QBarSet(QStringLiteral("Principal"));
    interest_ = new QBarSet(QStringLiteral("Interest"));
    auto* bars = new QStackedBarSeries;
    bars->append(principal_);
    bars->append(interest_);
    yearBalance_ = new QLineSeries;
    yearBalance_->setName(QStringLiteral("Balance at the year's end"));
    yearAxis_ = new QCategoryAxis;
    yearAxis_->setTitleText(QStringLiteral("Loan year"));
    yearAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    amountAxis_ = valueAxis(QStringLiteral("Paid in the year"), "%.0f");
    yearBalanceAxis_ = valueAxis(QStringLiteral("Balance"), "%.0f");
    years_->addAxis(yearAxis_, Qt::AlignBottom);
    years_->addAxis(amountAxis_, Qt::AlignLeft);
    years_->addAxis(yearBalanceAxis_, Qt::AlignRight);
    attach(years_, bars, yearAxis_, amountAxis_);
    attach(years_, yearBalance_, yearAxis_, yearBalanceAxis_);
    yearBalance_->setPen(QPen(QColor(160, 32, 32), 2));
    yearBalance_->setPointsVisible(true);

    totals_ = newChart(QStringLiteral("Total principal and interest"));
    pie_ = new QPieSeries;
    pie_->append(QStringLiteral("Principal"), 1);
    pie_->append(QStringLiteral("Interest"), 0);
    for (QPieSlice* slice : pie_->slices()) slice->setLabelVisible(true);
    totals_->addSeries(pie_);
    totals_->legend()->hide();
}

void PlanCharts::show(const plan::PlanResult* result, const plan::YearRows& years) {
    showBalance(result);
    showYears(result, years);
    showTotals(result);
}

void PlanCharts::showBalance(const plan::PlanResult* result) {
    double highest = 0;
    const auto points = [&highest](const plan::PlanRows& rows) {
        QList<QPointF> list;
        list.reserve(static_cast<qsizetype>(rows.size()));
        for (const plan::PlanRow& row : rows) {
            list.append(QPointF(row.month, row.closingBalance));
            highest = std::max(highest, row.closingBalance);
        }
        return list;
    };
    if (!result || result->plan.rows.empty()) {
        baseBalance_->clear();
        planBalance_->clear();
        balanceText_ = QStringLiteral("Balance by month: no plan to show.");
        return;
    }
    baseBalance_->replace(points(result->base.rows));
    planBalance_->replace(points(result->plan.rows));
    const int last = std::max(result->base.totals.endMonth, result->plan.totals.endMonth);
    monthAxis_->setRange(result->firstMonth, std::max(last, result->firstMonth + 1));
    setRange(balanceAxis_, 0, highest);

    const plan::PlanRow& first = result->plan.rows.front();
    const plan::PlanRow& end = result->plan.rows.back();
    balanceText_ = QStringLiteral(
                       "Balance by month: %1 at month %2 to %3 at month %4; base ends "
                       "at month %5")
                       .arg(amountText(first.closingBalance))
                       .arg(first.month)
                       .arg(amountText(end.closingBalance))
                       .arg(end.month)
                       .arg(result->base.totals.endMonth);
}

void PlanCharts::showYears(const plan::PlanResult* result, const plan::YearRows& years) {
    const plan::YearRows none;
    const plan::YearRows& shown = result ? years : none;
    const int count = static_cast<int>(shown.size());
    QList<qreal> principal, interest;
    QList<QPointF> balance;
    principal.reserve(count);
    interest.reserve(count);
    balance.reserve(count);
    double lowest = 0, highest = 0, highestBalance = 0;
    const plan::YearRow* mostInterest = nullptr;
    for (int i = 0; i < count; ++i) {
        const plan::YearRow& year = shown[static_cast<std::size_t>(i)];
        principal.append(year.principalRepaid);
        interest.append(year.interest);
        balance.append(QPointF(i, year.closingBalance));
        lowest = std::min(lowest, year.principalRepaid);
        highest = std::max(highest, year.instalments + year.extras);
        highestBalance = std::max(highestBalance, year.closingBalance);
        if (!mostInterest || year.interest > mostInterest->interest) mostInterest = &year;
    }
    refill(principal_, principal);
    refill(interest_, interest);
    yearBalance_->replace(balance);

    if (count != labelledYears_) {
        // The years are numbered under their bars, every year or every few when they are many.
        for (const QString& label : yearAxis_->categoriesLabels()) yearAxis_->remove(label);
        const int step = std::max(1, (count + kMostYearLabels - 1) / kMostYearLabels);
        yearAxis_->setStartValue(-0.5);
        for (int i = 0; i < count; i += step) yearAxis_->append(QString::number(i + 1), i);
        yearAxis_->setRange(-0.5, std::max(count, 1) - 0.5);
        labelledYears_ = count;
    }
    setRange(amountAxis_, lowest, highest);
    setRange(yearBalanceAxis_, 0, highestBalance);

    if (!mostInterest) {
        yearsText_ = QStringLiteral("Principal and interest per loan year: no plan to show.");
        return;
    }
    yearsText_ = QStringLiteral(
                     "Principal and interest per loan year, %1 years: the most "
                     "interest, %2, in year %3; the balance from %4 after year 1 to "
                     "%5 after year %1")
                     .arg(count)
                     .arg(amountText(mostInterest->interest))
                     .arg(mostInterest->year)
                     .arg(amountText(shown.front().closingBalance))
                     .arg(amountText(shown.back().closingBalance));
}

void PlanCharts::showTotals(const plan::PlanResult* result) {
    QPieSlice* principal = pie_->slices().at(0);
    QPieSlice* interest = pie_->slices().at(1);
    if (!result) {
        principal->setValue(0);
        interest->setValue(0);
        principal->setLabel(QStringLiteral("Principal"));
        interest->setLabel(QStringLiteral("Interest"));
        totalsText_ = QStringLiteral("Total principal and interest: no plan to show.");
        return;
    }
    const plan::Totals& totals = result->plan.totals;
    const double repaid = totals.paid - totals.interest;
    principal->setValue(std::max(repaid, 0.0));
    interest->setValue(std::max(totals.interest, 0.0));
    const double share = totals.paid > 0 ? 100 * totals.interest / totals.paid : 0;
    principal->setLabel(QStringLiteral("Principal %1").arg(amountText(repaid)));
    interest->setLabel(QStringLiteral("Interest %1").arg(amountText(totals.interest)));
    totalsText_ = QStringLiteral(
                      "Total principal %1 against total interest %2: interest is %3% "
                      "of all that is paid")
                      .arg(amountText(repaid), amountText(totals.interest),
                           QLocale().toString(share, 'f', 1));
}

}  // namespace brisanel::app::planner
