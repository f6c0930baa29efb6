#include "plan/year_summary.h"

namespace brisanel::plan {

YearRows yearSummary(std::span<const PlanRow> rows, int firstMonth) {
    YearRows years;
    double cumulative = 0;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const PlanRow& row = rows[index];
        const int year = (row.month - firstMonth) / 12 + 1;
        if (years.empty() || years.back().year != year) {
            YearRow& opened = years.emplace_back();
            opened.year = year;
            opened.firstMonth = row.month;
            opened.firstRow = index;
        }
        YearRow& current = years.back();
        current.lastMonth = row.month;
        ++current.rowCount;
        current.instalments += row.instalment;
        current.extras += row.extra;
        current.interest += row.interest;
        current.principalRepaid += row.principalRepaid;
        current.closingBalance = row.closingBalance;
        cumulative += row.interest;
        current.cumulativeInterest = cumulative;
    }
    return years;
}

}  // namespace brisanel::plan
