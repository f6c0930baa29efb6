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
    const plan::Frequency was = frequency();
    result_ = std::move(result);
    if (sameShape && frequency() != was) emit headerDataChanged(Qt::Horizontal, Period, Period);
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
        case Period: {
            // A last year of a single period names that period alone.
            const QString periods = year.firstMonth == year.lastMonth
                                        ? periodText(year.firstMonth, false)
                                        : spanText(year.firstMonth, year.lastMonth);
            if (result_->years.kind == plan::YearStart::Kind::Loan)
                return tr("Year %1 (%2)").arg(year.year).arg(periods);
            //: A calendar or tax year as the engine labels it, "2027/28", and its periods
            return tr("%1 (%2)").arg(QString::fromStdString(year.label), periods);
        }
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
        case Rate:  // the rate in force at the year's end
            return rateText(result_->plan.rows[year.firstRow + year.rowCount - 1].annualRate);
        default:
            return {};
    }
}

QString YearModel::monthText(const plan::PlanRow& row, int column) const {
    switch (column) {
        case Period:
            if (!row.date.isValid()) return periodText(row.month, true);
            //: A period and its payment date: "Month 5, 2027-05-15"
            return tr("%1, %2").arg(periodText(row.month, true), row.date.toString(Qt::ISODate));
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
            return rateText(row.annualRate);
        default:
            return {};
    }
}

QString YearModel::periodText(int period, bool capital) const {
    switch (frequency()) {
        case plan::Frequency::Monthly:
            return capital ? tr("Month %1").arg(period) : tr("month %1").arg(period);
        case plan::Frequency::Weekly:
            return capital ? tr("Week %1").arg(period) : tr("week %1").arg(period);
        default:
            return capital ? tr("Payment %1").arg(period) : tr("payment %1").arg(period);
    }
}

QString YearModel::spanText(int first, int last) const {
    switch (frequency()) {
        case plan::Frequency::Monthly:
            return tr("months %1 to %2").arg(first).arg(last);
        case plan::Frequency::Weekly:
            return tr("weeks %1 to %2").arg(first).arg(last);
        default:
            return tr("payments %1 to %2").arg(first).arg(last);
    }
}

QString YearModel::rateText(double annualRate) {
    return QLocale().toString(annualRate, 'g', 6) + '%';
}

plan::Frequency YearModel::frequency() const {
    return result_ ? result_->frequency : plan::Frequency::Monthly;
}

QVariant YearModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == Period && frequency() != plan::Frequency::Monthly) {
        return frequency() == plan::Frequency::Weekly ? tr("Year / week") : tr("Year / payment");
    }
    static const char* const kHeaders[] = {QT_TR_NOOP("Year / month"), QT_TR_NOOP("Instalments"),
                                           QT_TR_NOOP("Extras"),       QT_TR_NOOP("Interest"),
                                           QT_TR_NOOP("Principal"),    QT_TR_NOOP("Balance"),
                                           QT_TR_NOOP("Rate")};
    return section >= 0 && section < ColumnCount ? tr(kHeaders[section]) : QVariant();
}

}  // namespace brisanel::app::planner
