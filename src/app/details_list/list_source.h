#pragma once

#include <QString>
#include <variant>
#include <vector>

#include "details/growth.h"
#include "details/schedule.h"

namespace brisanel::app {

/// The table the details list holds, by the panel that filled it.
enum class ListKind { Schedule, Recovery, Growth };

/// One box of that panel as it stood when the list was filled.
struct ListFigure {
    QString caption;  ///< as the box's labels read then ("Interest rate per Day")
    QString text;
};

using ListRows = std::variant<details::ScheduleRows, details::GrowthRows>;

/// What the details list was filled from: the table's rows at full precision and the panel's
/// inputs and results at that moment. "Copy as Table", the PDF and printing describe this table,
/// whatever the boxes have been changed to since.
struct ListSource {
    ListKind kind = ListKind::Schedule;
    ListRows rows;
    std::vector<ListFigure> inputs;
    std::vector<ListFigure> results;  ///< empty when the calculation wrote none
};

}  // namespace brisanel::app
