#include "plan/year_summary.h"

#include <cstdio>

namespace brisanel::plan {

namespace {

// The calendar year in which the year holding `date` starts.
int startingYear(QDate date, const YearStart& start) {
    const bool beforeStart =
        date.month() < start.month || (date.month() == start.month && date.day() < start.day);
    return beforeStart ? date.year() - 1 : date.year();
}

std::string labelOf(int year, const YearStart& start) {
    if (start.kind == YearStart::Kind::Loan) return std::to_string(year);
    if (start.kind == YearStart::Kind::Calendar) return std::to_string(year);
    char text[16];
    std::snprintf(text, sizeof text, "%d/%02d", year, (year + 1) % 100);
    return text;
}

}  // namespace

YearRows yearSummary(std::span<const PlanRow> rows, int firstMonth, int perYear, YearStart start) {
    YearRows years;
    double cumulative = 0;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const PlanRow& row = rows[index];
        const int year = start.kind == YearStart::Kind::Loan
                             ? (row.month - firstMonth) / perYear + 1
                             : startingYear(row.date, start);
        if (years.empty() || years.back().year != year) {
            YearRow& opened = years.emplace_back();
            opened.year = year;
            opened.label = labelOf(year, start);
            opened.firstMonth = row.month;
            opened.firstDate = row.date;
            opened.firstRow = index;
        }
        YearRow& current = years.back();
        current.lastMonth = row.month;
        current.lastDate = row.date;
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
