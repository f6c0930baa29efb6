#include "details/schedule.h"

#include <algorithm>

#include "numeric/checked.h"
#include "numeric/display_pattern.h"
#include "numeric/failure.h"

namespace brisanel::details {

using namespace numeric::checked;
using numeric::appendNumber;
using numeric::DisplayPattern;

namespace {

// A balance beyond the working table ends the schedule.
void requireBalanceIndex(int index) {
    if (index < 0 || index >= kBalanceTableSize) {
        throw numeric::ArithmeticError(numeric::Failure::TableLimit);
    }
}

// Starts a row once its balance is known. Written field by field in place: a row built on the
// stack and copied in is read back before its stores land, which stalls every row.
void openRow(ScheduleRows& rows, int month, double opening, double instalment, bool clears) {
    ScheduleRow& row = rows.emplace_back();
    row.month = month;
    row.clearsBalance = clears;
    row.openingBalance = opening;
    row.instalment = instalment;
}

// The running totals of the last row, from the row before it.
void accumulate(ScheduleRows& rows) {
    ScheduleRow& row = rows.back();
    row.interestSoFar = row.interest;
    row.principalSoFar = row.principalRepaid;
    if (rows.size() > 1) {
        const ScheduleRow& before = rows[rows.size() - 2];
        row.interestSoFar += before.interestSoFar;
        row.principalSoFar += before.principalSoFar;
    }
}

// Settles the last row once the balance its payment leaves is known. The split of the payment
// and the totals only describe the row: they are plain arithmetic, as they never stop a table.
void settle(ScheduleRows& rows, double rate, double closing) {
    ScheduleRow& row = rows.back();
    row.interest = rate * row.openingBalance;
    row.principalRepaid = row.instalment - row.interest;
    row.closingBalance = closing;
    accumulate(rows);
}

// Settles the row that clears what is left: it repays its whole opening balance together with
// `interest`, and closes at 0.
void settleClearing(ScheduleRows& rows, double interest) {
    ScheduleRow& row = rows.back();
    row.interest = interest;
    row.principalRepaid = row.openingBalance;
    row.instalment = interest + row.openingBalance;
    row.closingBalance = 0;
    accumulate(rows);
}

// Month numbers are 16-bit like the start delay they are counted from.
int monthOf(int passed, std::int16_t startDelay) {
    return toInt16(static_cast<double>(passed + 1 + startDelay));
}

// Room for a line with a ten-digit balance.
constexpr std::size_t kLineLength = 48;

constexpr DisplayPattern kSerial("#00");
constexpr DisplayPattern kMonth("##00");
constexpr DisplayPattern kFirstBalance("##########");
constexpr DisplayPattern kBalance("######0000");
constexpr DisplayPattern kAmount("######");

}  // namespace

void appendEmiSchedule(ScheduleRows& rows, const EmiFigures& figures) {
    const double growth = add(1, figures.monthlyRate);
    const std::int16_t start = figures.startDelay;
    openRow(rows, monthOf(0, start), figures.principal, figures.amount, false);

    const int inner = toInt16(sub(figures.months, 2));
    const int last = std::max(inner, 0) + 1;  // the rows after the first
    rows.reserve(rows.size() + static_cast<std::size_t>(std::min(last, kBalanceTableSize)));
    for (int i = 1; i <= last; ++i) {
        const double balance = sub(mul(growth, rows.back().openingBalance), figures.amount);
        requireBalanceIndex(i);
        settle(rows, figures.monthlyRate, balance);
        openRow(rows, monthOf(i, start), balance, figures.amount, i == last);
    }
    // The last row shows the balance still owed as its payment, which with that month's interest
    // clears the loan.
    settleClearing(rows, figures.monthlyRate * rows.back().openingBalance);
}

void appendRecoverySchedule(ScheduleRows& rows, double principal, double monthlyRate,
                            double instalment) {
    // Room for the longest run at once: growing the table row by row costs more than the rows.
    rows.reserve(rows.size() + kBalanceTableSize + 1);
    openRow(rows, 1, principal, instalment, false);
    for (int pass = 0;; ++pass) {
        const double balance =
            sub(mul(add(1, monthlyRate), rows.back().openingBalance), instalment);
        requireBalanceIndex(pass);  // one balance per pass; a loan still open is given up
        settle(rows, monthlyRate, balance);
        // What is left, at most one instalment, is the last payment.
        const bool clears = !(balance > instalment);
        openRow(rows, pass + 2, balance, instalment, clears);
        if (clears) break;
    }
    settleClearing(rows, 0);
}

TextLines scheduleLines(std::span<const ScheduleRow> rows) {
    TextLines lines;
    lines.reserve(rows.size(), kLineLength);
    int serial = 0;
    for (const ScheduleRow& row : rows) {
        ++serial;
        lines.addLine([&](std::string& line) {
            appendNumber(line, serial, kSerial);
            line += ".   Month ";
            appendNumber(line, row.month, kMonth);
            line += "\tBal.= ";
            appendNumber(line, row.openingBalance, serial == 1 ? kFirstBalance : kBalance);
            line += '\t';
            appendNumber(line, row.clearsBalance ? row.openingBalance : row.instalment, kAmount);
        });
    }
    return lines;
}

}  // namespace brisanel::details
