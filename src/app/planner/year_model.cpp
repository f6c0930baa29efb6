#include "app/planner/year_model.h"

#include <algorithm>

#include "app/planner/plan_texts.h"

namespace brisanel::app::planner {
namespace {

// A year row's internal id is 0; a month row's is its year's row + 1.
constexpr quintptr kYearId = 0;

}  // namespace

YearModel::YearModel(QObject* parent) : QAbstractItemModel(parent) {}

bool YearModel::show(std::shared_ptr<const plan::PlanResult> result, plan::YearRows years) {
    if (!result) years.clear();
    const bool sameShape = std::equal(
        years_.begin(), years_.end(), years.begin(), years.end(),
        [](const plan::YearRow& a, const plan::YearRow& b) { return a.rowCount == b.rowCount; });
    if (!sameShape) beginResetModel();
    result_ = std::move(result);
    years_ = std::move(years);
    if (!sameShape) {
        endResetModel();
        return true;
    }
    const int count = rowCount();
    if (count == 0) return false;
    emit dataChanged(index(0, 0), index(count - 1, ColumnCount - 1));
    for (int row = 0; row < count; ++row) {
        const QModelIndex year = index(row, 0);
        if (const int months = rowCount(year); months > 0)
            emit dataChanged(index(0, 0, year), index(months - 1, ColumnCount - 1, year));
    }
    return false;
}

QModelIndex YearModel::index(int row, int column, const QModelIndex& parent) const {
    if (row < 0 || column < 0 || column >= ColumnCount || row >= rowCount(parent)) return {};
    return createIndex(row, column,
                       parent.isValid() ? static_cast<quintptr>(parent.row()) + 1 : kYearId);
}

QModelIndex YearModel::parent(const QModelIndex& child) const {
    if (!child.isValid() || child.internalId() == kYearId) return {};
    return createIndex(static_cast<int>(child.internalId() - 1), 0, kYearId);
}

int YearModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid()) return static_cast<int>(years_.size());
    if (parent.internalId() != kYearId || parent.column() != 0) return 0;
    return static_cast<int>(years_[static_cast<std::size_t>(parent.row())].rowCount);
}

int YearModel::columnCount(const QModelIndex&) const {
    return ColumnCount;
}

QVariant YearModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !result_) return {};
    if (role == Qt::TextAlignmentRole) {
        return index.column() == Period ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    if (index.internalId() == kYearId) {
        return yearText(years_[static_cast<std::size_t>(index.row())], index.column());
    }
    const plan::YearRow& year = years_[index.internalId() - 1];
    const std::size_t row = year.firstRow + static_cast<std::size_t>(index.row());
    return monthText(result_->plan.rows[row], index.column());
}

QString YearModel::yearText(const plan::YearRow& year, int column) const {
    switch (column) {
        case Period:
            // A last year of a single month names that month alone.
            if (year.firstMonth == year.lastMonth) {
                return tr("Year %1 (month %2)").arg(year.year).arg(year.firstMonth);
            }
            return tr("Year %1 (months %2 to %3)")
                .arg(year.year)
                .arg(year.firstMonth)
                .arg(year.lastMonth);
        case Instalments:
            return amountText(year.instalments);
        case Extras:
            return amountText(year.extras);
        case Interest:
            return amountText(year.interest);
        case Principal:
            return amountText(year.principalRepaid);
        case Balance:
            return amountText(year.closingBalance);
        default:
            return {};
    }
}

QString YearModel::monthText(const plan::PlanRow& row, int column) const {
    switch (column) {
        case Period:
            return tr("Month %1").arg(row.month);
        case Instalments:
            return amountText(row.instalment);
        case Extras:
            return amountText(row.extra);
        case Interest:
            return amountText(row.interest);
        case Principal:
            return amountText(row.principalRepaid);
        case Balance:
            return amountText(row.closingBalance);
        case Rate:
            return QLocale().toString(row.annualRate, 'g', 6) + '%';
        default:
            return {};
    }
}

QVariant YearModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const char* const kHeaders[] = {QT_TR_NOOP("Year / month"), QT_TR_NOOP("Instalments"),
                                           QT_TR_NOOP("Extras"),       QT_TR_NOOP("Interest"),
                                           QT_TR_NOOP("Principal"),    QT_TR_NOOP("Balance"),
                                           QT_TR_NOOP("Rate")};
    return section >= 0 && section < ColumnCount ? tr(kHeaders[section]) : QVariant();
}

}  // namespace brisanel::app::planner
