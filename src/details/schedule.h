#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "details/text_lines.h"

// Reducing-balance schedules: the month-by-month rows of a loan, and the details list's lines
// formatted from them.
namespace brisanel::details {

/// The column header that the details area shows above reducing-balance lines.
inline constexpr std::string_view kScheduleHeader = "SN   END OF      RED. BALANCE      EMI";

/// The figures an EMI calculation keeps for its schedule.
struct EmiFigures {
    double principal = 0;         ///< P' = P x (1+r)^S, the principal grown over the waiting months
    double months = 0;            ///< N as entered
    double amount = 0;            ///< the instalment E
    double monthlyRate = 0;       ///< r = R/1200
    std::int16_t startDelay = 0;  ///< S, the waiting months
};

/// One month of a schedule at full precision; the list line at the same place shows its month,
/// opening balance and instalment. Every settled row satisfies interest + principalRepaid =
/// instalment and closingBalance = openingBalance - principalRepaid up to rounding.
struct ScheduleRow {
    int month = 0;  ///< the month number of the line
    /// The row that clears what is left: its line shows that balance in place of the instalment.
    bool clearsBalance = false;
    double openingBalance = 0;   ///< the line's balance: owed at the start of the month
    double instalment = 0;       ///< paid in the month
    double interest = 0;         ///< interest the month adds to the opening balance
    double principalRepaid = 0;  ///< part of the instalment that reduces the balance
    double closingBalance = 0;   ///< owed after the payment: the next row's opening balance
    double interestSoFar = 0;    ///< interest of this month and all before it
    double principalSoFar = 0;   ///< principal repaid in this month and all before it
};

using ScheduleRows = std::vector<ScheduleRow>;

/// Entries of the working table that holds a schedule's balances, one per month after the first.
inline constexpr int kBalanceTableSize = 1801;

/// Appends the rows of an EMI loan's schedule. The first row holds the principal, each further
/// row the balance after one more instalment; N - 2, rounded to a whole number (halves to even),
/// inner rows stand between the first and the last, so a whole N >= 2 gives N rows and any
/// smaller N two. The last row clears its balance together with that month's interest. Months
/// count from S + 1, as 16-bit numbers. A row is appended as soon as its balance is known, so on a
/// failure the rows so far stay, the last one possibly unsettled.
/// Throws numeric::ArithmeticError: TableLimit for a balance index beyond the working table,
/// Overflow and the like from the checked arithmetic.
void appendEmiSchedule(ScheduleRows& rows, const EmiFigures& figures);

/// Appends the rows of a "Recovery Months" run for a principal already grown over the waiting
/// months: the instalment is paid until the balance no longer exceeds it, and that balance is the
/// last payment, with no further interest. Months count from 1.
/// Throws numeric::ArithmeticError: TableLimit for a loan still open after 1801 passes (1802 rows
/// by then), Overflow and the like from the checked arithmetic.
void appendRecoverySchedule(ScheduleRows& rows, double principal, double monthlyRate,
                            double instalment);

/// The details list's lines, one per row: serial "#00", ".   Month ", month "##00", a tab,
/// "Bal.= ", the balance ("##########" on the first line, "######0000" on the others), a tab and
/// the amount "######".
TextLines scheduleLines(std::span<const ScheduleRow> rows);

}  // namespace brisanel::details
