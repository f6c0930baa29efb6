#include "plan/plan_table.h"

namespace brisanel::plan {

using saving::fullPrecision;

std::vector<std::string> monthColumns() {
    return {"month", "opening_balance",  "interest",        "instalment",
            "extra", "principal_repaid", "closing_balance", "rate"};
}

saving::TextRows monthTexts(std::span<const PlanRow> rows) {
    saving::TextRows texts;
    texts.reserve(rows.size());
    for (const PlanRow& row : rows) {
        texts.push_back({std::to_string(row.month), fullPrecision(row.openingBalance),
                         fullPrecision(row.interest), fullPrecision(row.instalment),
                         fullPrecision(row.extra), fullPrecision(row.principalRepaid),
                         fullPrecision(row.closingBalance), fullPrecision(row.annualRate)});
    }
    return texts;
}

std::vector<std::string> yearColumns() {
    return {"year",     "first_month",      "last_month",      "instalments",        "extras",
            "interest", "principal_repaid", "closing_balance", "cumulative_interest"};
}

saving::TextRows yearTexts(std::span<const YearRow> rows) {
    saving::TextRows texts;
    texts.reserve(rows.size());
    for (const YearRow& row : rows) {
        texts.push_back({std::to_string(row.year), std::to_string(row.firstMonth),
                         std::to_string(row.lastMonth), fullPrecision(row.instalments),
                         fullPrecision(row.extras), fullPrecision(row.interest),
                         fullPrecision(row.principalRepaid), fullPrecision(row.closingBalance),
                         fullPrecision(row.cumulativeInterest)});
    }
    return texts;
}

std::vector<std::string> totalsColumns() {
    std::vector<std::string> columns;
    for (const FigureRow& row : kFigureRows) columns.emplace_back(row.column);
    return columns;
}

std::vector<std::string> totalsTexts(const Totals& totals) {
    std::vector<std::string> texts;
    for (const FigureRow& row : kFigureRows) {
        const double value = row.value(totals);
        texts.push_back(row.kind == FigureRow::Kind::Amount
                            ? fullPrecision(value)
                            : std::to_string(static_cast<int>(value)));
    }
    return texts;
}

std::string scheduleCsv(std::span<const PlanRow> rows) {
    return saving::csvTable(monthColumns(), monthTexts(rows));
}

}  // namespace brisanel::plan
