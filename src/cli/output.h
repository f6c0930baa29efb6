#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "export/table_csv.h"
#include "plan/plan.h"

// The building blocks of the csv and json formats. The csv ones, and the tables' columns and
// texts, are the core's, which the window's "Copy as Table" writes with too.
namespace brisanel::cli {

using saving::csvRecord;
using saving::csvTable;
using saving::fullPrecision;
using saving::growthColumns;
using saving::growthTexts;
using saving::scheduleColumns;
using saving::scheduleTexts;

/// Writes a message to standard error after the program's name: "brisanel-calc: message".
void complain(std::ostream& err, std::string_view message);

/// Flushes the results to standard output; when they could not all be written, says so on
/// `err` and returns false.
bool flushed(std::ostream& out, std::ostream& err);

/// A JSON string literal for the text, with quotes, backslashes and control characters escaped.
std::string jsonString(std::string_view text);

/// A JSON object on one line from members whose values are already JSON texts.
std::string jsonObject(const std::vector<std::pair<std::string, std::string>>& members);

/// A run's totals as a JSON object, with its first and end dates when the plan has dates.
std::string totalsJson(const plan::Totals& totals, bool withDates);

/// An amount with two decimals, as the text format shows amounts: "1432.86".
std::string twoDecimals(double value);

/// A line of fields of at least `width` characters, right-aligned; a negative width aligns to
/// the left.
std::string alignedRow(const std::vector<std::string>& fields, const std::vector<int>& widths);

}  // namespace brisanel::cli
