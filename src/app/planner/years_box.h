#pragma once

#include <QComboBox>
#include <optional>

#include "plan/payment_dates.h"

namespace brisanel::app::planner {

/// How the yearly summary counts its years: loan years, calendar years, the tax years from
/// 1 April or 6 April, or a fiscal year from any day typed as MM-DD. Calendar and fiscal years
/// need payment dates: without them the box is greyed, says why, and counts loan years.
class YearsBox final : public QComboBox {
    Q_OBJECT

public:
    explicit YearsBox(QWidget* parent = nullptr);

    /// The years chosen or typed, if the text names some.
    std::optional<plan::YearStart> years() const;
    /// Shows `years` without `changed`.
    void setYears(const plan::YearStart& years);
    /// Greys the box, loan years being the only years without dates, or lets it be chosen.
    void setDated(bool dated);

signals:
    void changed();
};

}  // namespace brisanel::app::planner
