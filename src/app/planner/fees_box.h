#pragma once

#include <QGroupBox>
#include <array>
#include <variant>

#include "plan/cost.h"

class QComboBox;
class QLineEdit;

namespace brisanel::app::planner {

/// What the lender charges beside the interest, and the rule the APR is worked out by.
class FeesBox final : public QGroupBox {
    Q_OBJECT

public:
    explicit FeesBox(QWidget* parent = nullptr);

    /// The fees as typed, or the message naming the box that is not an amount. An empty box, or
    /// 0, is no fee; the plan's checks say what a fee may be.
    std::variant<plan::Fees, QString> fees() const;
    /// Shows `fees` without `changed`.
    void setFees(const plan::Fees& fees);

    plan::AprMethod method() const;

    QList<QWidget*> tabChain() const;

signals:
    /// The user changed a fee.
    void changed();
    /// The user chose the other rule for the APR, which the plan does not keep.
    void methodChanged();

private:
    enum Box { Upfront, Financed, PerPayment, Yearly, Exit, BoxCount };
    std::array<QLineEdit*, BoxCount> boxes_{};
    QComboBox* method_ = nullptr;
};

}  // namespace brisanel::app::planner
