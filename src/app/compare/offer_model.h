#pragma once

#include <QAbstractTableModel>
#include <QMap>
#include <QStringList>
#include <utility>
#include <vector>

#include "plan/plan.h"

namespace brisanel::app::compare {

/// The offers compared, a column each and a row per input, edited in place. Each offer is a whole
/// plan (its events and options the table does not show are kept); a cell whose text cannot be
/// read keeps the text as typed and is named in problems() until it reads.
class OfferModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Row {
        Name,
        Principal,
        Rate,
        Payments,
        Instalment,
        StartAfter,
        Frequency,
        Accelerated,
        FirstPayment,
        LoanDate,
        DayCount,
        WholeCents,
        InstalmentRule,
        Balloon,
        InterestOnly,
        UpfrontFee,
        FinancedFee,
        PerPaymentFee,
        YearlyFee,
        ExitFee,
        RowCount
    };
    /// The words a row's cell is chosen from, for the choice rows; empty for typed rows.
    static constexpr int ChoicesRole = Qt::UserRole + 1;

    explicit OfferModel(QObject* parent = nullptr);

    const std::vector<plan::PlanInputs>& offers() const { return offers_; }
    void setOffers(std::vector<plan::PlanInputs> offers);
    void setOffer(int column, plan::PlanInputs offer);
    void addOffer(plan::PlanInputs offer);
    void removeOffer(int column);
    /// "Offer 2, Upfront fee: "abc" is not an amount or a percentage (2%)." per cell not read.
    QStringList problems() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

signals:
    /// Any offer changed, was added or removed.
    void offersChanged();

private:
    QString textOf(const plan::PlanInputs& offer, int row) const;
    /// Reads the text into the offer; the problem when it cannot.
    std::optional<QString> read(plan::PlanInputs& offer, int row, const QString& text) const;

    std::vector<plan::PlanInputs> offers_;
    QMap<std::pair<int, int>, QString> unread_;  // (column, row): the text typed, not read
};

}  // namespace brisanel::app::compare
