#include "plan/plan_table.h"

namespace brisanel::plan {

using saving::fullPrecision;

std::vector<std::string> monthColumns(bool dated) {
    std::vector<std::string> columns{"month", "opening_balance",  "interest",        "instalment",
                                     "extra", "principal_repaid", "closing_balance", "rate"};
    if (dated) columns.insert(columns.begin() + 1, "date");
    return columns;
}

saving::TextRows monthTexts(std::span<const PlanRow> rows, bool dated) {
    saving::TextRows texts;
    texts.reserve(rows.size());
    for (const PlanRow& row : rows) {
        auto& text = texts.emplace_back(std::vector<std::string>{
            std::to_string(row.month), fullPrecision(row.openingBalance),
            fullPrecision(row.interest), fullPrecision(row.instalment), fullPrecision(row.extra),
            fullPrecision(row.principalRepaid), fullPrecision(row.closingBalance),
            fullPrecision(row.annualRate)});
        if (dated) text.insert(text.begin() + 1, isoDate(row.date));
    }
    return texts;
}

std::vector<std::string> yearColumns(bool dated) {
    std::vector<std::string> columns{
        "year",     "first_month",      "last_month",      "instalments",        "extras",
        "interest", "principal_repaid", "closing_balance", "cumulative_interest"};
    if (dated) columns.insert(columns.end(), {"label", "first_date", "last_date"});
    return columns;
}

saving::TextRows yearTexts(std::span<const YearRow> rows, bool dated) {
    saving::TextRows texts;
    texts.reserve(rows.size());
    for (const YearRow& row : rows) {
        auto& text = texts.emplace_back(std::vector<std::string>{
            std::to_string(row.year), std::to_string(row.firstMonth), std::to_string(row.lastMonth),
            fullPrecision(row.instalments), fullPrecision(row.extras), fullPrecision(row.interest),
            fullPrecision(row.principalRepaid), fullPrecision(row.closingBalance),
            fullPrecision(row.cumulativeInterest)});
        if (dated)
            text.insert(text.end(), {row.label, isoDate(row.firstDate), isoDate(row.lastDate)});
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

bool hasDates(std::span<const PlanRow> rows) {
    return !rows.empty() && rows.front().date.isValid();
}

std::string scheduleCsv(std::span<const PlanRow> rows) {
    const bool dated = hasDates(rows);
    return saving::csvTable(monthColumns(dated), monthTexts(rows, dated));
}

}  // namespace brisanel::plan
