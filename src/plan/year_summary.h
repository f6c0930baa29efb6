#pragma once

#include <QDate>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "plan/plan.h"

namespace brisanel::plan {

/// One year of the summary. A loan year y holds the periods firstMonth + f(y - 1) to
/// firstMonth + fy - 1; a calendar or fiscal year the periods paid within it. The first and last
/// years may be short.
struct YearRow {
    int year = 0;       ///< the loan year, or the calendar year a calendar or fiscal year starts in
    std::string label;  ///< "3", "2027", or "2027/28" for a year that does not start in January
    int firstMonth = 0;  ///< the first and last periods of the year that the plan reaches
    int lastMonth = 0;
    QDate firstDate;  ///< their dates, when the plan has dates
    QDate lastDate;
    double instalments = 0;
    double extras = 0;
    double interest = 0;
    double principalRepaid = 0;
    double closingBalance = 0;  ///< owed at the end of the year's last period
    double cumulativeInterest = 0;
    /// The year's periods in the plan's rows: rows[firstRow, firstRow + rowCount).
    std::size_t firstRow = 0;
    std::size_t rowCount = 0;
};

using YearRows = std::vector<YearRow>;

/// The plan's periods added up by year: loan years of `perYear` periods counted from the first
/// instalment, or calendar or fiscal years by the rows' dates (which they must have).
/// With `inCents` the rows' amounts are whole cents and the years' sums are added up in cents,
/// so that they too are whole cents and add up to the plan's totals exactly.
YearRows yearSummary(std::span<const PlanRow> rows, int firstMonth, int perYear = 12,
                     YearStart start = {}, bool inCents = false);

/// The plan's years as the plan counts them.
YearRows yearSummary(const PlanResult& result);

}  // namespace brisanel::plan
