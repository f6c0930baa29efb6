#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "plan/compare.h"

namespace brisanel::app::compare {

/// The engine's figures of the offers, a column each: instalments, payments, end, interest, fees,
/// the total payable, the cost of credit, the APR, "Cheapest" or how much more, and with a
/// horizon what each costs then. The cheapest offer's column is bold.
class ResultModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit ResultModel(QObject* parent = nullptr);

    /// Shows the figures; none for an empty list.
    void show(std::vector<plan::OfferFigures> figures, plan::AprMethod method, bool horizon);
    const std::vector<plan::OfferFigures>& figures() const { return figures_; }
    bool hasHorizon() const { return horizon_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<plan::OfferFigures> figures_;
    plan::AprMethod method_ = plan::AprMethod::Eu;
    bool horizon_ = false;
};

}  // namespace brisanel::app::compare
