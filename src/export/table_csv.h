#pragma once

#include <span>
#include <string>
#include <vector>

#include "details/growth.h"
#include "details/schedule.h"

// The tables behind the details list as CSV (RFC 4180, CR LF): one record of column names, then
// one record per row with every figure at full precision. The window's "Copy as Table" and
// brisanel-calc's csv format both write a table with these functions, so the two cannot differ.
namespace brisanel::saving {

/// The shortest decimal text that reads back as exactly this value ("0.1", "1328.125",
/// "200000"), written without an exponent from 1e-5 up to 1e21 ("1e+300" beyond); zero of
/// either sign is "0".
std::string fullPrecision(double value);

/// One CSV record: fields joined by commas, a field quoted (with its quotes doubled) when it holds
/// a comma, a quote, a carriage return or a line feed; ends with CR LF.
std::string csvRecord(const std::vector<std::string>& fields);

using TextRows = std::vector<std::vector<std::string>>;

/// A reducing-balance schedule's columns: month, opening balance, interest, principal repaid,
/// instalment, closing balance, cumulative interest and cumulative principal.
std::vector<std::string> scheduleColumns();
TextRows scheduleTexts(std::span<const details::ScheduleRow> rows);

/// The growth table's columns: period, period interest, accumulated interest and total.
std::vector<std::string> growthColumns();
TextRows growthTexts(std::span<const details::GrowthRow> rows);

/// The whole document: the column names, then every row.
std::string csvTable(const std::vector<std::string>& columns, const TextRows& rows);

/// csvTable of a schedule's or a growth table's rows.
std::string scheduleCsv(std::span<const details::ScheduleRow> rows);
std::string growthCsv(std::span<const details::GrowthRow> rows);

}  // namespace brisanel::saving
