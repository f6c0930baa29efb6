#pragma once

#include <span>
#include <vector>

#include "plan/plan.h"

namespace brisanel::plan {

/// One loan year: year y holds the months firstMonth + 12(y - 1) to firstMonth + 12y - 1. The
/// last year may be short.
struct YearRow {
    int year = 0;
    int firstMonth = 0;  ///< the first and last months of the year that the plan reaches
    int lastMonth = 0;
    double instalments = 0;
    double extras = 0;
    double interest = 0;
    double principalRepaid = 0;
    double closingBalance = 0;  ///< owed at the end of the year's last month
    double cumulativeInterest = 0;
    /// The year's months in the plan's rows: rows[firstRow, firstRow + rowCount).
    std::size_t firstRow = 0;
    std::size_t rowCount = 0;
};

using YearRows = std::vector<YearRow>;

/// The plan's months added up by loan year, counted from the first instalment month.
YearRows yearSummary(std::span<const PlanRow> rows, int firstMonth);

}  // namespace brisanel::plan
