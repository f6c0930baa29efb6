#include "plan/year_summary.h"

#include <algorithm>
#include <cmath>
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

namespace {

// Compiled once for amounts at full precision and once for whole cents.
template <bool InCents>
YearRows summarize(std::span<const PlanRow> rows, int firstMonth, int perYear, YearStart start) {
    YearRows years;
    years.reserve(rows.size() / static_cast<std::size_t>(std::max(perYear, 1)) + 2);
    double cumulative = 0;
    // Amounts of whole cents are added as whole numbers of cents, which never round: each sum
    // kept in cents beside its double, the sum's hundredth.
    struct Cents {
        long long instalments = 0, extras = 0, interest = 0, principal = 0;
    } sums;
    long long cumulativeCents = 0;
    const auto add = [](double& sum, long long& whole, double amount) {
        if constexpr (InCents) {
            whole += std::llround(amount * 100);
            sum = static_cast<double>(whole) / 100;
        } else {
            sum += amount;
        }
    };
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
            sums = {};
        }
        YearRow& current = years.back();
        current.lastMonth = row.month;
        current.lastDate = row.date;
        ++current.rowCount;
        add(current.instalments, sums.instalments, row.instalment);
        add(current.extras, sums.extras, row.extra);
        add(current.interest, sums.interest, row.interest);
        add(current.principalRepaid, sums.principal, row.principalRepaid);
        current.closingBalance = row.closingBalance;
        add(cumulative, cumulativeCents, row.interest);
        current.cumulativeInterest = cumulative;
    }
    return years;
}

}  // namespace

YearRows yearSummary(std::span<const PlanRow> rows, int firstMonth, int perYear, YearStart start,
                     bool inCents) {
    return inCents ? summarize<true>(rows, firstMonth, perYear, start)
                   : summarize<false>(rows, firstMonth, perYear, start);
}

YearRows yearSummary(const PlanResult& result) {
    return yearSummary(result.plan.rows, result.firstMonth, result.perYear, result.years,
                       result.cents);
}

}  // namespace brisanel::plan
