#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QString>
#include <array>
#include <vector>

#include "plan/compare.h"

class QBarCategoryAxis;
class QBarSet;
class QChart;
class QLineSeries;
class QValueAxis;

namespace brisanel::app::compare {

/// The offers' two charts: each offer's balance period by period (a line each, told apart by
/// colour and dash pattern), and each offer's cost as a stacked bar of interest and fees. Every
/// point is the engine's. The charts are handed to whoever shows them, which owns them.
class CompareCharts {
    Q_DECLARE_TR_FUNCTIONS(CompareCharts)

public:
    /// Charts on white, as on paper.
    CompareCharts();

    /// The light or dark chart theme by the background's lightness, lines readable on it.
    void setBackground(const QColor& background);

    QChart* balance() const { return balance_; }
    QChart* cost() const { return cost_; }

    /// Shows the offers; empties the charts for none.
    void show(const std::vector<plan::OfferFigures>& offers);

    /// What each chart shows, in words, for screen readers.
    QString balanceDescription() const { return balanceText_; }
    QString costDescription() const { return costText_; }

private:
    QChart* balance_;
    std::array<QLineSeries*, plan::kMaxOffers> balances_{};
    QValueAxis* periodAxis_;
    QValueAxis* balanceAxis_;
    double balanceTop_ = -1;  // the highest balance the axis was last set to show

    QChart* cost_;
    QBarSet* interest_;
    QBarSet* fees_;
    QBarCategoryAxis* offerAxis_;
    QValueAxis* costAxis_;
    double costTop_ = -1;

    QString balanceText_;
    QString costText_;
};

}  // namespace brisanel::app::compare
