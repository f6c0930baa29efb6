#pragma once

#include <string_view>
#include <vector>

#include "details/emi_schedule.h"

namespace brisanel::details {

/// The column header that the details area shows above reducing-balance lines.
inline constexpr std::string_view kScheduleHeader = "SN   END OF      RED. BALANCE      EMI";

/// One month of a repayment schedule at full precision, for the line of the details list that
/// stands at the same place. Every row satisfies interest + principalRepaid = instalment and
/// closingBalance = openingBalance - principalRepaid up to rounding.
struct ScheduleRow {
    int month = 0;               ///< the month number of the line
    double openingBalance = 0;   ///< the line's balance: owed at the start of the month
    double interest = 0;         ///< interest the month adds to the opening balance
    double principalRepaid = 0;  ///< part of the instalment that reduces the balance
    double instalment = 0;       ///< paid in the month
    double closingBalance = 0;   ///< owed after the payment: the next line's balance
    double interestSoFar = 0;    ///< interest of this month and all before it
    double principalSoFar = 0;   ///< principal repaid in this month and all before it
};

/// The rows behind buildEmiSchedule(figures), one per line, with the same months and balances.
/// The last line shows the balance it clears in place of the instalment: its row repays that
/// whole balance together with the month's interest on it, and closes at 0. For a whole number
/// of months that payment is the instalment up to rounding, so the rows add up to the gross
/// recovery N x E.
/// Throws numeric::ArithmeticError on the failures that stop buildEmiSchedule.
std::vector<ScheduleRow> emiScheduleRows(const EmiFigures& figures);

/// The rows behind the "Recovery Months" lines for a principal already grown over the waiting
/// months, one per line: the instalment is paid until the balance no longer exceeds it, and that
/// balance is the last payment, as the gross recovery counts it, with no further interest. Month
/// numbers are the lines' serial numbers, as the list shows them.
/// Throws numeric::ArithmeticError: Failure::TableLimit for a loan still open after 1801
/// passes, Overflow and the like from the checked arithmetic.
std::vector<ScheduleRow> recoveryScheduleRows(double principal, double monthlyRate,
                                              double instalment);

}  // namespace brisanel::details
