#include "app/compare/compare_charts.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QPen>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

#include "app/chart_palette.h"
#include "app/planner/bar_refill.h"
#include "app/planner/plan_texts.h"

namespace brisanel::app::compare {
namespace {

using planner::refill;

// The axis from 0 to `top` on round numbers, set only when `top` is not the one it shows
// already: each change of its range lays out every series on it again, and setting the range
// and then rounding it changes it twice.
void setNiceRange(QValueAxis* axis, double top, double& shownTop) {
    if (top == shownTop) return;
    shownTop = top;
    axis->setRange(0, top);
    axis->applyNiceNumbers();
}

}  // namespace

CompareCharts::CompareCharts()
    : balance_(new QChart),
      periodAxis_(new QValueAxis),
      balanceAxis_(new QValueAxis),
      cost_(new QChart),
      interest_(new QBarSet(tr("Interest"))),
      fees_(new QBarSet(tr("Fees"))),
      offerAxis_(new QBarCategoryAxis),
      costAxis_(new QValueAxis) {
    balance_->setTitle(tr("Balance"));
    periodAxis_->setTitleText(tr("Period"));
    periodAxis_->setLabelFormat(QStringLiteral("%d"));
    balanceAxis_->setLabelFormat(QStringLiteral("%.0f"));
    balance_->addAxis(periodAxis_, Qt::AlignBottom);
    balance_->addAxis(balanceAxis_, Qt::AlignLeft);
    for (QLineSeries*& series : balances_) {
        series = new QLineSeries;
        balance_->addSeries(series);
        series->attachAxis(periodAxis_);
        series->attachAxis(balanceAxis_);
    }

    cost_->setTitle(tr("Cost of credit"));
    auto* bars = new QStackedBarSeries;
    bars->append(interest_);
    bars->append(fees_);
    cost_->addSeries(bars);
    costAxis_->setLabelFormat(QStringLiteral("%.0f"));
    cost_->addAxis(offerAxis_, Qt::AlignBottom);
    cost_->addAxis(costAxis_, Qt::AlignLeft);
    bars->attachAxis(offerAxis_);
    bars->attachAxis(costAxis_);
    setBackground(Qt::white);
}

void CompareCharts::setBackground(const QColor& background) {
    const QChart::ChartTheme theme =
        background.lightnessF() < 0.5 ? QChart::ChartThemeDark : QChart::ChartThemeLight;
    for (QChart* chart : {balance_, cost_}) {
        if (chart->theme() != theme) chart->setTheme(theme);
        chart->setBackgroundBrush(background);
    }
    // After the theme, which gives every series colours of its own.
    for (int i = 0; i < plan::kMaxOffers; ++i) {
        balances_[static_cast<std::size_t>(i)]->setPen(
            QPen(offerColour(i, background), 2, offerDashes(i)));
    }
    for (const auto& [set, role] :
         {std::pair{interest_, ChartRole::Interest}, std::pair{fees_, ChartRole::Fees}}) {
        const QColor colour = chartColour(role, background);
        set->setColor(colour);
        set->setBorderColor(colour);
    }
}

void CompareCharts::show(const std::vector<plan::OfferFigures>& offers) {
    int lastPeriod = 1;
    double highest = 1;
    QStringList names;
    QList<qreal> interest;
    QList<qreal> fees;
    QStringList balanceWords;
    QStringList costWords;
    for (std::size_t i = 0; i < balances_.size(); ++i) {
        QLineSeries* series = balances_[i];
        if (i >= offers.size()) {
            if (series->count() > 0) series->clear();
            if (series->isVisible()) series->setVisible(false);
            continue;
        }
        const plan::OfferFigures& offer = offers[i];
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(offer.result.plan.rows.size()) + 1);
        if (!offer.result.plan.rows.empty()) {
            const plan::PlanRow& first = offer.result.plan.rows.front();
            points.append({first.month - 1.0, first.openingBalance});
        }
        for (const plan::PlanRow& row : offer.result.plan.rows) {
            points.append({1.0 * row.month, row.closingBalance});
            highest = std::max(highest, row.openingBalance);
        }
        lastPeriod = std::max(lastPeriod, offer.result.plan.totals.endMonth);
        // A line is refilled only when its points change: typing in one offer leaves the others'
        // lines as they were, and each refill lays the line out again.
        if (points != series->points()) series->replace(points);
        const QString name = QString::fromStdString(offer.name);
        if (series->name() != name) series->setName(name);
        if (!series->isVisible()) series->setVisible(true);
        names.append(name);
        interest.append(offer.result.plan.totals.interest);
        fees.append(offer.fees);
        if (!points.isEmpty()) {
            balanceWords.append(tr("%1 from %2 to %3 at period %4")
                                    .arg(name, planner::amountText(points.front().y()),
                                         planner::amountText(points.back().y()))
                                    .arg(offer.result.plan.totals.endMonth));
        }
        costWords.append(
            tr("%1 %2 interest and %3 fees")
                .arg(name, planner::amountText(interest.back()), planner::amountText(fees.back())));
    }
    balanceText_ = balanceWords.isEmpty()
                       ? QString()
                       : tr("Balance by period: %1").arg(balanceWords.join(QStringLiteral("; ")));
    costText_ = costWords.isEmpty()
                    ? QString()
                    : tr("Cost of each offer: %1").arg(costWords.join(QStringLiteral("; ")));
    // The axis needs every category apart: offers that share a name are numbered.
    if (QStringList unique = names; unique.removeDuplicates() > 0) {
        for (qsizetype i = 0; i < names.size(); ++i)
            names[i] = QStringLiteral("%1. %2").arg(i + 1).arg(names[i]);
    }
    if (periodAxis_->min() != 0 || periodAxis_->max() != lastPeriod)
        periodAxis_->setRange(0, lastPeriod);
    setNiceRange(balanceAxis_, highest, balanceTop_);
    refill(interest_, interest);
    refill(fees_, fees);
    if (offerAxis_->categories() != names) offerAxis_->setCategories(names);
    double most = 1;
    for (qsizetype i = 0; i < interest.size(); ++i) most = std::max(most, interest[i] + fees[i]);
    setNiceRange(costAxis_, most, costTop_);
}

}  // namespace brisanel::app::compare
