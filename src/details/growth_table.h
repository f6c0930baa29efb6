#pragma once

#include <cstdint>

#include "calc/periods.h"
#include "details/text_lines.h"

namespace brisanel::details {

/// The highest period number that the growth table's working table can hold.
inline constexpr int kMaxGrowthPeriod = 1800;

/// Throws ArithmeticError(TableLimit) for a period number above kMaxGrowthPeriod.
void requireGrowthPeriod(int periodNumber);

/// Appends the growth table's rows to `lines`: the start row, one row per whole period of the
/// duration (interest accumulated so far and the total) and a closing row for the months left
/// over after the whole periods. `duration` counts months, or days under Period::Daily. Rows are
/// appended one at a time, so those appended before a failure stay.
/// Throws numeric::ArithmeticError: Failure::TableLimit when a period number above
/// kMaxGrowthPeriod is needed; Overflow and the like from the checked arithmetic.
void appendGrowthTable(TextLines& lines, double principal, double ratePerPeriod,
                       std::int16_t duration, calc::Period period);

}  // namespace brisanel::details
