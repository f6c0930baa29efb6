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

#include "app/chart_palette.h"
#include "app/planner/bar_refill.h"
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
    axis->setTickCount(6);
    axis->setLabelFormat(QString::fromLatin1(format));
    return axis;
}

void attach(QChart* chart, QAbstractSeries* series, QAbstractAxis* x, QAbstractAxis* y) {
    chart->addSeries(series);
    series->attachAxis(x);
    series->attachAxis(y);
}

// The nearest round value at or beyond `value` away from 0: 1, 2, 2.5 or 5 times a power of ten,
// so that the axis's ticks fall on round values.
double roundedOut(double value) {
    if (value == 0) return 0;
    const double size = std::abs(value);
    const double power = std::pow(10, std::floor(std::log10(size)));
    double rounded = 10 * power;
    for (double times : {1.0, 2.0, 2.5, 5.0}) {
        if (times * power >= size) {
            rounded = times * power;
            break;
        }
    }
    return std::copysign(rounded, value);
}

// A range from 0 (or `bottom` below it) to `top`, rounded out. Set only when it changes: each
// change lays out every series on the axis again.
void setRange(QValueAxis* axis, double bottom, double top) {
    const double low = roundedOut(std::min(0.0, bottom));
    const double high = std::max(roundedOut(top), 1.0);
    if (axis->min() != low || axis->max() != high) axis->setRange(low, high);
}

}  // namespace

PlanCharts::PlanCharts() {
    balance_ = newChart(tr("Balance by month"));
    baseBalance_ = new QLineSeries;
    baseBalance_->setName(tr("Without events"));
    planBalance_ = new QLineSeries;
    planBalance_->setName(tr("With the plan"));
    monthAxis_ = valueAxis(tr("Month"), "%d");
    monthAxis_->setTickType(QValueAxis::TicksDynamic);
    monthAxis_->setTickAnchor(0);
    monthAxis_->setTickInterval(12);
    balanceAxis_ = valueAxis(tr("Balance"), "%.0f");
    balance_->addAxis(monthAxis_, Qt::AlignBottom);
    balance_->addAxis(balanceAxis_, Qt::AlignLeft);
    attach(balance_, baseBalance_, monthAxis_, balanceAxis_);
    attach(balance_, planBalance_, monthAxis_, balanceAxis_);

    years_ = newChart(tr("Principal and interest per loan year"));
    principal_ = new QBarSet(tr("Principal"));
    interest_ = new QBarSet(tr("Interest"));
    auto* bars = new QStackedBarSeries;
    bars->append(principal_);
    bars->append(interest_);
    yearBalance_ = new QLineSeries;
    yearBalance_->setName(tr("Balance at the year's end"));
    yearAxis_ = new QCategoryAxis;
    yearAxis_->setTitleText(tr("Loan year"));
    yearAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    amountAxis_ = valueAxis(tr("Paid in the year"), "%.0f");
    yearBalanceAxis_ = valueAxis(tr("Balance"), "%.0f");
    years_->addAxis(yearAxis_, Qt::AlignBottom);
    years_->addAxis(amountAxis_, Qt::AlignLeft);
    years_->addAxis(yearBalanceAxis_, Qt::AlignRight);
    attach(years_, bars, yearAxis_, amountAxis_);
    attach(years_, yearBalance_, yearAxis_, yearBalanceAxis_);
    yearBalance_->setPointsVisible(true);

    totals_ = newChart(tr("Total principal and interest"));
    pie_ = new QPieSeries;
    pie_->append(tr("Principal"), 1);
    pie_->append(tr("Interest"), 0);
    for (QPieSlice* slice : pie_->slices()) slice->setLabelVisible(true);
    totals_->addSeries(pie_);
    totals_->legend()->hide();
    setBackground(Qt::white);
}

void PlanCharts::setBackground(const QColor& background) {
    const QChart::ChartTheme theme =
        background.lightnessF() < 0.5 ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    for (QChart* chart : {balance_, years_, totals_}) {
        if (chart->theme() != theme) chart->setTheme(theme);
        chart->setBackgroundBrush(background);
    }
    // Set after the theme, which gives every series its own colours: the principal and the
    // interest look alike in the bars and the pie.
    baseBalance_->setPen(QPen(chartColour(ChartRole::WithoutEvents, background), 3));
    planBalance_->setPen(QPen(chartColour(ChartRole::WithPlan, background), 2, Qt::DashLine));
    yearBalance_->setPen(QPen(chartColour(ChartRole::YearBalance, background), 2));
    const QColor principal = chartColour(ChartRole::Principal, background);
    const QColor interest = chartColour(ChartRole::Interest, background);
    principal_->setColor(principal);
    principal_->setBorderColor(principal);
    interest_->setColor(interest);
    interest_->setBorderColor(interest);
    pie_->slices().at(0)->setColor(principal);
    pie_->slices().at(1)->setColor(interest);
    for (QPieSlice* slice : pie_->slices()) slice->setBorderColor(background);
}

void PlanCharts::show(const plan::PlanResult* result, const plan::YearRows& years, int charts) {
    showBalance(result, charts & Balance);
    showYears(result, years, charts & Years);
    showTotals(result, charts & Totals);
}

void PlanCharts::showBalance(const plan::PlanResult* result, bool fill) {
    if (!result || result->plan.rows.empty()) {
        if (fill) {
            baseBalance_->clear();
            planBalance_->clear();
        }
        balanceText_ = tr("Balance by month: no plan to show.");
        return;
    }
    if (fill) {
        double highest = 0;
        // A series is refilled only when its points change: an event leaves the base as it was.
        const auto refill = [&highest](QLineSeries* series, const plan::PlanRows& rows) {
            QList<QPointF> points;
            points.reserve(static_cast<qsizetype>(rows.size()));
            for (const plan::PlanRow& row : rows) {
                points.append(QPointF(row.month, row.closingBalance));
                highest = std::max(highest, row.closingBalance);
            }
            if (points != series->points()) series->replace(points);
        };
        refill(baseBalance_, result->base.rows);
        refill(planBalance_, result->plan.rows);
        // The axis counts the plan's periods, a tick a year or every few years.
        const int perYear = result->perYear;
        monthAxis_->setTitleText(result->frequency == plan::Frequency::Monthly  ? tr("Month")
                                 : result->frequency == plan::Frequency::Weekly ? tr("Week")
                                                                                : tr("Payment"));
        const int last = std::max(result->base.totals.endMonth, result->plan.totals.endMonth);
        const int lastShown = std::max(last, result->firstMonth + 1);
        if (monthAxis_->min() != result->firstMonth || monthAxis_->max() != lastShown)
            monthAxis_->setRange(result->firstMonth, lastShown);
        // A tick every year, or every 2, 5, 10, 20, 25, 50 or 100 years: at most 8 of them.
        const int years = (lastShown - result->firstMonth + perYear - 1) / perYear;
        int step = 1;
        for (int round : {2, 5, 10, 20, 25, 50, 100}) {
            if (years <= 8 * step) break;
            step = round;
        }
        if (monthAxis_->tickInterval() != perYear * step)
            monthAxis_->setTickInterval(perYear * step);
        setRange(balanceAxis_, 0, highest);
    }
    const plan::PlanRow& first = result->plan.rows.front();
    const plan::PlanRow& end = result->plan.rows.back();
    balanceText_ = tr("Balance by month: %1 at month %2 to %3 at month %4; base ends "
                      "at month %5")
                       .arg(amountText(first.closingBalance))
                       .arg(first.month)
                       .arg(amountText(end.closingBalance))
                       .arg(end.month)
                       .arg(result->base.totals.endMonth);
}

void PlanCharts::showYears(const plan::PlanResult* result, const plan::YearRows& years, bool fill) {
    const plan::YearRows none;
    const plan::YearRows& shown = result ? years : none;
    if (fill) fillYears(shown);
    if (fill && result) {
        const bool loanYears = result->years.kind == plan::YearStart::Kind::Loan;
        const QString title = loanYears ? tr("Principal and interest per loan year")
                                        : tr("Principal and interest per year");
        if (years_->title() != title) years_->setTitle(title);
        yearAxis_->setTitleText(loanYears ? tr("Loan year") : tr("Year"));
    }
    if (shown.empty()) {
        yearsText_ = tr("Principal and interest per loan year: no plan to show.");
        return;
    }
    const auto most = std::max_element(
        shown.begin(), shown.end(),
        [](const plan::YearRow& a, const plan::YearRow& b) { return a.interest < b.interest; });
    yearsText_ = tr("Principal and interest per loan year, %n year(s): the most interest, %1, in "
                    "year %2; the balance from %3 after year 1 to %4 after year %n",
                    "", static_cast<int>(shown.size()))
                     .arg(amountText(most->interest))
                     .arg(QString::fromStdString(most->label))
                     .arg(amountText(shown.front().closingBalance))
                     .arg(amountText(shown.back().closingBalance));
}

void PlanCharts::fillYears(const plan::YearRows& years) {
    const int count = static_cast<int>(years.size());
    QList<qreal> principal, interest;
    QList<QPointF> balance;
    principal.reserve(count);
    interest.reserve(count);
    balance.reserve(count);
    double lowest = 0, highest = 0, highestBalance = 0;
    for (int i = 0; i < count; ++i) {
        const plan::YearRow& year = years[static_cast<std::size_t>(i)];
        principal.append(year.principalRepaid);
        interest.append(year.interest);
        balance.append(QPointF(i, year.closingBalance));
        lowest = std::min(lowest, year.principalRepaid);
        highest = std::max(highest, year.instalments + year.extras);
        highestBalance = std::max(highestBalance, year.closingBalance);
    }
    refill(principal_, principal);
    refill(interest_, interest);
    if (balance != yearBalance_->points()) yearBalance_->replace(balance);
    // The years are labelled under their bars as the summary labels them ("3", "2027/28"),
    // every year or every few when they are many.
    const int step = std::max(1, (count + kMostYearLabels - 1) / kMostYearLabels);
    QStringList labels;
    for (int i = 0; i < count; i += step)
        labels.append(QString::fromStdString(years[static_cast<std::size_t>(i)].label));
    if (labels != yearAxis_->categoriesLabels() || count != labelledYears_) {
        for (const QString& label : yearAxis_->categoriesLabels()) yearAxis_->remove(label);
        yearAxis_->setStartValue(-0.5);
        for (int i = 0; i < static_cast<int>(labels.size()); ++i)
            yearAxis_->append(labels[i], i * step);
        yearAxis_->setRange(-0.5, std::max(count, 1) - 0.5);
        labelledYears_ = count;
    }
    setRange(amountAxis_, lowest, highest);
    setRange(yearBalanceAxis_, 0, highestBalance);
}

void PlanCharts::showTotals(const plan::PlanResult* result, bool fill) {
    QPieSlice* principal = pie_->slices().at(0);
    QPieSlice* interest = pie_->slices().at(1);
    if (!result) {
        if (fill) {
            principal->setValue(0);
            interest->setValue(0);
            principal->setLabel(tr("Principal"));
            interest->setLabel(tr("Interest"));
        }
        totalsText_ = tr("Total principal and interest: no plan to show.");
        return;
    }
    const plan::Totals& totals = result->plan.totals;
    const double repaid = totals.principal();
    if (fill) {
        principal->setValue(std::max(repaid, 0.0));
        interest->setValue(std::max(totals.interest, 0.0));
        principal->setLabel(tr("Principal %1").arg(amountText(repaid)));
        interest->setLabel(tr("Interest %1").arg(amountText(totals.interest)));
    }
    const double share = totals.paid > 0 ? 100 * totals.interest / totals.paid : 0;
    totalsText_ = tr("Total principal %1 against total interest %2: interest is %3% "
                     "of all that is paid")
                      .arg(amountText(repaid), amountText(totals.interest),
                           QLocale().toString(share, 'f', 1));
}

}  // namespace brisanel::app::planner
