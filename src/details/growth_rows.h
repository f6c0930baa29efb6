#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "calc/periods.h"

namespace brisanel::details {

/// The column header that the details area shows above the growth table.
inline constexpr std::string_view kGrowthHeader =
    "SN        END OF         INTEREST      TOTAL AMOUNT";

/// One row of the growth table at full precision, for the line at the same place.
struct GrowthRow {
    /// 0 for the start row, k for the end of whole period k, and for the closing row of left-over
    /// months the whole periods plus the fraction of a period that those months make.
    double period = 0;
    double interest = 0;       ///< interest added in this period (or these left-over months)
    double interestSoFar = 0;  ///< interest accumulated up to the end of this row
    double total = 0;          ///< principal and accumulated interest at the end of this row
};

/// The rows behind appendGrowthTable with the same arguments: the start row, one row per whole
/// period and the closing row for left-over months, computed with the same operations in the
/// same order.
/// Throws numeric::ArithmeticError on the failures that stop appendGrowthTable, TableLimit
/// included.
std::vector<GrowthRow> growthRows(double principal, double ratePerPeriod, std::int16_t duration,
                                  calc::Period period);

}  // namespace brisanel::details
