#pragma once

#include <span>
#include <string>
#include <vector>

#include "export/table_csv.h"
#include "plan/plan.h"
#include "plan/year_summary.h"

// A plan's rows as text fields at full precision, for the csv and json formats and the window's
// "Copy as Table" alike.
namespace brisanel::plan {

/// month, opening_balance, interest, instalment, extra, principal_repaid, closing_balance, rate.
std::vector<std::string> monthColumns();
saving::TextRows monthTexts(std::span<const PlanRow> rows);

/// year, first_month, last_month, instalments, extras, interest, principal_repaid,
/// closing_balance, cumulative_interest.
std::vector<std::string> yearColumns();
saving::TextRows yearTexts(std::span<const YearRow> rows);

/// The figures of a run by name: months, end_month, first_instalment, last_instalment,
/// interest, paid.
std::vector<std::string> totalsColumns();
std::vector<std::string> totalsTexts(const Totals& totals);

/// The month-by-month schedule as a CSV document.
std::string scheduleCsv(std::span<const PlanRow> rows);

}  // namespace brisanel::plan
