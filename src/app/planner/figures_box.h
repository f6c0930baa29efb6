#pragma once

#include <QGroupBox>
#include <array>

#include "plan/cost.h"
#include "plan/plan.h"
#include "plan/plan_table.h"

class QLabel;

namespace brisanel::app::planner {

/// The figures of the loan without and with the plan, side by side: the engine's run figures,
/// and with fees what the credit costs (the total amount of credit, the total amount payable, the
/// total cost of credit and the APR by the rule chosen); below them, what the plan saves.
class FiguresBox final : public QGroupBox {
    Q_OBJECT

public:
    explicit FiguresBox(QWidget* parent = nullptr);

    /// Shows the figures of `result`, worked out from `inputs`; dashes when there is none.
    void show(const plan::PlanInputs* inputs, const plan::PlanResult* result,
              plan::AprMethod method);

private:
    static constexpr std::size_t kCostRows = 4;  // credit, payable, cost of credit, APR
    // The labels of the base (0) and the plan (1), in the order of the rows.
    std::array<std::array<QLabel*, plan::kFigureRows.size()>, 2> figures_{};
    std::array<QLabel*, plan::kFigureRows.size()> captions_{};
    std::array<std::array<QLabel*, kCostRows>, 2> costs_{};
    std::array<QLabel*, kCostRows> costCaptions_{};
    QLabel* saved_ = nullptr;
};

}  // namespace brisanel::app::planner
