#include "details/emi_schedule.h"

#include <algorithm>
#include <array>

#include "calc/messages.h"
#include "details/reducing_balance.h"
#include "numeric/checked.h"

namespace brisanel::details {

using namespace numeric::checked;
using numeric::ArithmeticError;
using numeric::Failure;

namespace {

class BalanceTable {
public:
    double& at(int index) {
        requireBalanceIndex(index);
        return entries_[static_cast<std::size_t>(index)];
    }

private:
    std::array<double, kBalanceTableSize> entries_{};
};

// Month numbers are 16-bit like the start delay they are counted from.
int monthOf(int passed, std::int16_t startDelay) {
    return toInt16(static_cast<double>(passed + 1 + startDelay));
}

void build(const EmiFigures& figures, Schedule& out) {
    const double growth = add(1, figures.monthlyRate);
    const std::int16_t start = figures.startDelay;
    BalanceTable balance;

    balance.at(0) = figures.principal;
    addReducingBalanceLine(out.lines, 1, monthOf(0, start), balance.at(0), figures.amount,
                           LinePlace::First);

    const int inner = toInt16(sub(figures.months, 2));
    out.lines.reserve(static_cast<std::size_t>(std::clamp(inner, 0, kBalanceTableSize)) + 1,
                      kBalanceLineLength);
    int i = 1;
    for (; i <= inner; ++i) {
        balance.at(i) = sub(mul(growth, balance.at(i - 1)), figures.amount);
        addReducingBalanceLine(out.lines, i + 1, monthOf(i, start), balance.at(i), figures.amount,
                               LinePlace::Other);
    }

    // The last line shows the balance still owed as its payment.
    balance.at(i) = sub(mul(growth, balance.at(i - 1)), figures.amount);
    addReducingBalanceLine(out.lines, i + 1, monthOf(i, start), balance.at(i), balance.at(i),
                           LinePlace::Other);
}

}  // namespace

Schedule buildEmiSchedule(const EmiFigures& figures) {
    Schedule out;
    try {
        build(figures, out);
    } catch (const ArithmeticError& error) {
        out.failure = error.kind();
        if (error.kind() == Failure::TableLimit) out.message = calc::messages::kCheckInput;
    }
    return out;
}

}  // namespace brisanel::details
