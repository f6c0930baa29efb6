#pragma once

#include <cstddef>

#include "details/text_lines.h"

namespace brisanel::details {

/// Where a line stands in its table: the first line shows its balance without zero padding.
enum class LinePlace { First, Other };

/// The length of a line with a ten-digit balance, for reserving room.
inline constexpr std::size_t kBalanceLineLength = 48;

/// Entries of the working table that holds a schedule's balances, one per month after the first.
inline constexpr int kBalanceTableSize = 1801;

/// Throws ArithmeticError(TableLimit) for an index outside the balance table.
void requireBalanceIndex(int index);

/// Adds one line of a reducing-balance table: serial "#00", ".   Month ", month "##00", a tab,
/// "Bal.= ", the balance ("##########" on the first line, "######0000" on the others), a tab and
/// the amount "######". The last line of a table passes its balance again as the amount.
void addReducingBalanceLine(TextLines& lines, int serial, int month, double balance, double amount,
                            LinePlace place);

}  // namespace brisanel::details
