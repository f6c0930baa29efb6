#include "details/schedule_rows.h"

#include "details/reducing_balance.h"
#include "numeric/checked.h"
#include "numeric/failure.h"

namespace brisanel::details {

using namespace numeric::checked;
using numeric::ArithmeticError;
using numeric::Failure;

namespace {

class RowWriter {
public:
    explicit RowWriter(std::vector<ScheduleRow>& rows) : rows_(rows) {}

    void append(int month, double opening, double interest, double principalRepaid,
                double instalment, double closing) {
        interestSoFar_ = add(interestSoFar_, interest);
        principalSoFar_ = add(principalSoFar_, principalRepaid);
        rows_.push_back({month, opening, interest, principalRepaid, instalment, closing,
                         interestSoFar_, principalSoFar_});
    }

    // A month in which the instalment is paid against the balance grown by its interest; the
    // closing balance is computed as the list computes it, so it equals the next line's balance.
    void payInstalment(int month, double opening, double rate, double instalment) {
        const double interest = mul(rate, opening);
        const double closing = sub(mul(add(1, rate), opening), instalment);
        append(month, opening, interest, sub(instalment, interest), instalment, closing);
    }

private:
    std::vector<ScheduleRow>& rows_;
    double interestSoFar_ = 0;
    double principalSoFar_ = 0;
};

int emiMonth(int passed, std::int16_t startDelay) {
    return toInt16(static_cast<double>(passed + 1 + startDelay));
}

}  // namespace

std::vector<ScheduleRow> emiScheduleRows(const EmiFigures& figures) {
    std::vector<ScheduleRow> rows;
    RowWriter writer(rows);
    const double rate = figures.monthlyRate;
    const std::int16_t start = figures.startDelay;

    double balance = figures.principal;
    const int inner = toInt16(sub(figures.months, 2));
    int i = 1;
    for (; i <= inner; ++i) {
        requireBalanceIndex(i);
        const double opening = balance;
        writer.payInstalment(emiMonth(i - 1, start), opening, rate, figures.amount);
        balance = rows.back().closingBalance;
    }

    // The line before the last pays an instalment too; the last line clears what is left, which
    // it shows in place of the instalment, together with that month's interest.
    requireBalanceIndex(i);
    writer.payInstalment(emiMonth(i - 1, start), balance, rate, figures.amount);
    const double left = rows.back().closingBalance;
    const double interest = mul(rate, left);
    writer.append(emiMonth(i, start), left, interest, left, add(interest, left), 0);
    return rows;
}

std::vector<ScheduleRow> recoveryScheduleRows(double principal, double monthlyRate,
                                              double instalment) {
    std::vector<ScheduleRow> rows;
    RowWriter writer(rows);
    double balance = principal;
    for (int pass = 0;; ++pass) {
        writer.payInstalment(pass + 1, balance, monthlyRate, instalment);
        requireBalanceIndex(pass);
        balance = rows.back().closingBalance;
        if (balance <= instalment) break;
    }
    // The balance left is the last payment, counted without further interest.
    writer.append(static_cast<int>(rows.size()) + 1, balance, 0, balance, balance, 0);
    return rows;
}

}  // namespace brisanel::details
