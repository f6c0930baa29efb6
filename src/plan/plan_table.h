#pragma once

#include <QtGlobal>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "export/table_csv.h"
#include "plan/plan.h"
#include "plan/year_summary.h"

// A plan's rows as text fields at full precision, for the csv and json formats and the window's
// "Copy as Table" alike.
namespace brisanel::plan {

/// month, opening_balance, interest, instalment, extra, principal_repaid, closing_balance, rate;
/// `month` counts periods at any frequency. A plan with dates has a date after the month.
std::vector<std::string> monthColumns(bool dated = false);
saving::TextRows monthTexts(std::span<const PlanRow> rows, bool dated = false);

/// year, first_month, last_month, instalments, extras, interest, principal_repaid,
/// closing_balance, cumulative_interest; a plan with dates adds label, first_date and last_date.
std::vector<std::string> yearColumns(bool dated = false);
saving::TextRows yearTexts(std::span<const YearRow> rows, bool dated = false);

/// One of the figures of a run, as the window, its document and the command line show it and the
/// csv and json formats name it.
struct FigureRow {
    enum class Kind { Amount, Count, EndMonth };
    std::string_view caption;  ///< "First instalment"
    std::string_view column;   ///< "first_instalment"
    Kind kind;                 ///< an end month shows kNotRepaidShort for a loan not repaid
    double (*value)(const Totals&);
};

inline constexpr std::string_view kNotRepaidShort =
    QT_TRANSLATE_NOOP("brisanel::plan", "not repaid");

/// In the order they are shown and written.
inline constexpr std::array<FigureRow, 6> kFigureRows{{
    {QT_TRANSLATE_NOOP("brisanel::plan", "Months"), "months", FigureRow::Kind::Count,
     [](const Totals& t) { return static_cast<double>(t.months); }},
    {QT_TRANSLATE_NOOP("brisanel::plan", "End month"), "end_month", FigureRow::Kind::EndMonth,
     [](const Totals& t) { return static_cast<double>(t.endMonth); }},
    {QT_TRANSLATE_NOOP("brisanel::plan", "First instalment"), "first_instalment",
     FigureRow::Kind::Amount, [](const Totals& t) { return t.firstInstalment; }},
    {QT_TRANSLATE_NOOP("brisanel::plan", "Last instalment"), "last_instalment",
     FigureRow::Kind::Amount, [](const Totals& t) { return t.lastInstalment; }},
    {QT_TRANSLATE_NOOP("brisanel::plan", "Total interest"), "interest", FigureRow::Kind::Amount,
     [](const Totals& t) { return t.interest; }},
    {QT_TRANSLATE_NOOP("brisanel::plan", "Total paid"), "paid", FigureRow::Kind::Amount,
     [](const Totals& t) { return t.paid; }},
}};

/// The figures of a run by name, in the order of kFigureRows: months, end_month,
/// first_instalment, last_instalment, interest, paid.
std::vector<std::string> totalsColumns();
std::vector<std::string> totalsTexts(const Totals& totals);

/// Whether the rows carry their payments' dates, as a plan with a first payment date gives them.
bool hasDates(std::span<const PlanRow> rows);

/// The month-by-month schedule as a CSV document, with a date column when the rows have dates.
std::string scheduleCsv(std::span<const PlanRow> rows);

}  // namespace brisanel::plan
