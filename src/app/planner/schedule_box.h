#pragma once

#include <QGroupBox>
#include <variant>

#include "plan/plan.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QSpinBox;

namespace brisanel::app::planner {

/// How the lender keeps the schedule: the frequency and accelerated payments, the first payment
/// date and the loan date, the day count, whole cents with the instalment rule, a balloon and
/// interest-only periods. What needs dates is greyed, with a tooltip saying why, until there is
/// a first payment date.
class ScheduleBox final : public QGroupBox {
    Q_OBJECT

public:
    explicit ScheduleBox(QWidget* parent = nullptr);

    /// The options as the controls hold them (the years are the summary's, not this box's), or
    /// the message naming the box that is not a number.
    std::variant<plan::ScheduleOptions, QString> options() const;
    /// Shows `options` without `changed`.
    void setOptions(const plan::ScheduleOptions& options);

    bool hasDates() const;
    plan::Frequency frequency() const;
    bool accelerated() const;

    /// The controls in the order Tab goes through them.
    QList<QWidget*> tabChain() const;

signals:
    /// The user changed an option.
    void changed();

private:
    void updateEnabled();

    QComboBox* frequency_ = nullptr;
    QCheckBox* accelerated_ = nullptr;
    QCheckBox* hasFirstPayment_ = nullptr;
    QDateEdit* firstPayment_ = nullptr;
    QCheckBox* hasLoanDate_ = nullptr;
    QDateEdit* loanDate_ = nullptr;
    QComboBox* dayCount_ = nullptr;
    QCheckBox* cents_ = nullptr;
    QComboBox* instalmentRule_ = nullptr;
    QLineEdit* balloon_ = nullptr;
    QSpinBox* interestOnly_ = nullptr;
};

}  // namespace brisanel::app::planner
