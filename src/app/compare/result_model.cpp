#include "app/compare/result_model.h"

#include <QFont>

#include "app/planner/plan_texts.h"
#include "plan/payment_dates.h"

namespace brisanel::app::compare {
namespace {

using planner::amountText;

enum Row {
    FirstInstalment,
    LastInstalment,
    Payments,
    Ends,
    Interest,
    Fees,
    Payable,
    CostOfCredit,
    Apr,
    MoreThanCheapest,
    AtHorizon,
};

const char* const kCaptions[] = {
    QT_TRANSLATE_NOOP("ResultModel", "First instalment"),
    QT_TRANSLATE_NOOP("ResultModel", "Last instalment"),
    QT_TRANSLATE_NOOP("ResultModel", "Payments"),
    QT_TRANSLATE_NOOP("ResultModel", "Ends"),
    QT_TRANSLATE_NOOP("ResultModel", "Total interest"),
    QT_TRANSLATE_NOOP("ResultModel", "Fees"),
    QT_TRANSLATE_NOOP("ResultModel", "Total amount payable"),
    QT_TRANSLATE_NOOP("ResultModel", "Total cost of credit"),
    QT_TRANSLATE_NOOP("ResultModel", "APR"),
    QT_TRANSLATE_NOOP("ResultModel", "More than the cheapest"),
    QT_TRANSLATE_NOOP("ResultModel", "If repaid in full at the horizon"),
};

}  // namespace

ResultModel::ResultModel(QObject* parent) : QAbstractTableModel(parent) {}

void ResultModel::show(std::vector<plan::OfferFigures> figures, plan::AprMethod method,
                       bool horizon) {
    beginResetModel();
    figures_ = std::move(figures);
    method_ = method;
    horizon_ = horizon && !figures_.empty();
    endResetModel();
}

int ResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : horizon_ ? AtHorizon + 1 : AtHorizon;
}

int ResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(figures_.size());
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const plan::OfferFigures& offer = figures_[static_cast<std::size_t>(index.column())];
    if (role == Qt::FontRole && offer.cheapest) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    const plan::Totals& totals = offer.result.plan.totals;
    switch (index.row()) {
        case FirstInstalment:
            return amountText(totals.firstInstalment);
        case LastInstalment:
            return amountText(totals.lastInstalment);
        case Payments:
            return QLocale().toString(totals.months);
        case Ends:
            return totals.endDate.isValid() ? QString::fromStdString(plan::isoDate(totals.endDate))
                                            : tr("period %1").arg(totals.endMonth);
        case Interest:
            return amountText(totals.interest);
        case Fees:
            return amountText(offer.fees);
        case Payable:
            return amountText(offer.cost.payable);
        case CostOfCredit:
            return amountText(offer.cost.costOfCredit);
        case Apr:
            return offer.cost.apr ? QString::fromStdString(
                                        plan::shownApr(*offer.cost.apr, offer.cost.method)) +
                                        QStringLiteral(" %")
                                  : tr("none");
        case MoreThanCheapest:
            return offer.cheapest ? tr("Cheapest") : '+' + amountText(offer.moreThanCheapest);
        case AtHorizon:
            return tr("%1 (period %2)")
                .arg(amountText(offer.atHorizon.value_or(0)))
                .arg(offer.horizonPeriod);
        default:
            return {};
    }
}

QVariant ResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        return QString::fromStdString(figures_[static_cast<std::size_t>(section)].name);
    }
    if (section == Apr) {
        return method_ == plan::AprMethod::Us ? tr("APR (US)") : tr("APR (EU/UK)");
    }
    return tr(kCaptions[section]);
}

}  // namespace brisanel::app::compare
