#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "details/periods.h"
#include "details/text_lines.h"

// The growth table of the rate finder: the principal's growth period by period, as rows, and the
// details list's lines formatted from them.
namespace brisanel::details {

/// The column header that the details area shows above the growth table.
inline constexpr std::string_view kGrowthHeader =
    "SN        END OF         INTEREST      TOTAL AMOUNT";

/// The highest period number that the growth table's working table can hold.
inline constexpr int kMaxGrowthPeriod = 1800;

enum class GrowthStep {
    Start,           ///< the principal as lent
    WholePeriod,     ///< the end of one whole compounding period
    LeftOverMonths,  ///< the months after the whole periods, at simple interest
};

/// One row of the growth table at full precision.
struct GrowthRow {
    GrowthStep step = GrowthStep::Start;
    /// 0 for the start row, k for the end of whole period k, and for the left-over months the
    /// whole periods plus the fraction of a period that those months make.
    double period = 0;
    double interest = 0;       ///< interest added in this period (or these left-over months)
    double interestSoFar = 0;  ///< interest accumulated up to the end of this row
    double total = 0;          ///< principal and accumulated interest at the end of this row
};

using GrowthRows = std::vector<GrowthRow>;

/// Appends the growth table's rows: the start row, one row per whole period of the duration and
/// a closing row for the months left over after the whole periods. `duration` counts months, or
/// days under Period::Daily. Simple interest never grows the balance it charges on. Rows are
/// appended one at a time, so those appended before a failure stay.
/// Throws numeric::ArithmeticError: TableLimit when a period number above kMaxGrowthPeriod is
/// needed; Overflow and the like from the checked arithmetic.
void appendGrowthRows(GrowthRows& rows, double principal, double ratePerPeriod,
                      std::int16_t duration, Period period);

/// The details list's lines, one per row: serial "00", the period's end with its number and
/// name, the interest so far "####00.00" and the total "########.00", tabs between.
TextLines growthLines(std::span<const GrowthRow> rows, Period period);

}  // namespace brisanel::details
