#pragma once

#include <QAbstractItemModel>
#include <memory>

#include "plan/plan.h"
#include "plan/year_summary.h"

namespace brisanel::app::planner {

/// The plan's years as a tree: a row per loan, calendar or tax year with its periods beneath it,
/// each with its date when the plan has dates. The texts are made
/// when a view asks for them, from the engine's rows and yearly summary, so a new plan costs a
/// change of data, or a reset when its years are not the same in number or months, and no more.
class YearModel final : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { Period, Instalments, Extras, Interest, Principal, Balance, Rate, ColumnCount };

    explicit YearModel(QObject* parent = nullptr);

    /// Shows the plan run of `result` by the years given; null shows nothing. Years as many as
    /// before, each with as many months, change their data and keep the views' open rows and
    /// selection; other years reset the model, and then it returns true.
    bool show(std::shared_ptr<const plan::PlanResult> result, plan::YearRows years);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString yearText(const plan::YearRow& year, int column) const;
    QString monthText(const plan::PlanRow& row, int column) const;
    /// "Month 5", "week 5", "Payment 5" as the plan's frequency counts its periods.
    QString periodText(int period, bool capital) const;
    QString spanText(int first, int last) const;  ///< "months 25 to 36"
    static QString rateText(double annualRate);
    plan::Frequency frequency() const;

    std::shared_ptr<const plan::PlanResult> result_;
    plan::YearRows years_;
};

}  // namespace brisanel::app::planner
