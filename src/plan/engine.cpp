#include "plan/engine.h"

#include <algorithm>
#include <cmath>

#include "numeric/failure.h"
#include "plan/cents.h"
#include "plan/plan.h"

namespace brisanel::plan {

namespace {

// Less than half a cent left over counts as repaid.
constexpr double kHalfCent = 0.005;

}  // namespace

EventCalendar::EventCalendar(const std::vector<Event>& events, int firstMonth, int perYear,
                             std::span<const Ratio> shares, bool cents)
    : extras_(kMonthLimit, 0.0), rates_(kMonthLimit, std::nan("")), shares_(shares) {
    const int lastMonth = firstMonth + kMonthLimit - 1;
    for (const Event& event : events) {
        const int month = event.month.value_or(firstMonth);
        const double amount =
            cents && event.kind != EventKind::RateChange ? centsOf(event.value) : event.value;
        switch (event.kind) {
            case EventKind::MonthlyExtra: {
                const int until = std::min(event.until.value_or(lastMonth), lastMonth);
                for (int t = std::max(month, firstMonth); t <= until; ++t) {
                    extras_[t - firstMonth] += amount;
                }
                break;
            }
            case EventKind::YearlyExtra:
                for (int t = month; t <= lastMonth; t += perYear) {
                    if (t >= firstMonth) extras_[t - firstMonth] += amount;
                }
                break;
            case EventKind::OneTimeExtra:
                if (month >= firstMonth && month <= lastMonth) {
                    extras_[month - firstMonth] += amount;
                }
                break;
            case EventKind::RateChange:
                if (month >= firstMonth && month <= lastMonth)
                    rates_[month - firstMonth] = event.value;
                break;
        }
    }
}

std::optional<int> PeriodDates::onOrAfter(QDate date) const {
    const auto found = std::lower_bound(dates.begin() + 1, dates.end(), date);
    if (found == dates.end()) return std::nullopt;
    return static_cast<int>(found - dates.begin());
}

std::optional<int> PeriodDates::onOrBefore(QDate date) const {
    const auto after = std::upper_bound(dates.begin() + 1, dates.end(), date);
    if (after == dates.begin() + 1) return std::nullopt;
    return static_cast<int>(after - dates.begin()) - 1;
}

std::vector<Ratio> PeriodDates::shares(DayCount dayCount, int from, int to) const {
    from = std::max(from, 1);
    if (to < from) return {};
    return yearShares(dayCount, std::span(dates).subspan(static_cast<std::size_t>(from - 1),
                                                         static_cast<std::size_t>(to - from + 2)));
}

namespace {

// A run in cents told in the currency's units: every amount divided by 100, from whole cents.
// A row opens with the last one's closing balance, and most rows pay no extra, so those two
// divisions are mostly saved.
void inUnits(Run& run) {
    double closing = run.rows.empty() ? 0 : run.rows.front().openingBalance / 100;
    for (PlanRow& row : run.rows) {
        row.openingBalance = closing;
        row.interest /= 100;
        row.instalment /= 100;
        if (row.extra != 0) row.extra /= 100;
        row.principalRepaid /= 100;
        row.closingBalance /= 100;
        closing = row.closingBalance;
    }
    Totals& totals = run.totals;
    for (double* amount :
         {&totals.firstInstalment, &totals.lastInstalment, &totals.interest, &totals.paid}) {
        *amount /= 100;
    }
}

}  // namespace

namespace {

// The loop, compiled for each unit and shape: with `Cents` every amount is whole cents, with
// `Shaped` the loan has interest-only periods or a balloon. One source, so they cannot drift
// apart; several compilations, so the default path carries none of the tests the others need.
template <bool Cents, bool Shaped>
Run repay(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
          double extraEveryMonth, bool keepRows) {
    Run run;
    if (keepRows) run.rows.reserve(kMonthLimit);
    Totals& totals = run.totals;
    double balance = loan.balance;
    double annualRate = loan.annualRate;
    double rate = loan.periodRate;
    Decimal percent = Cents ? shortestDecimal(annualRate) : Decimal{};
    double instalment = loan.instalment;
    const bool keepEnd = policy == Policy::KeepEndMonth;
    const double halfCent = kHalfCent * loan.scale();
    const int interestOnly = loan.interestOnly;
    // The term's last period: it pays the balloon, and in cents takes up what is left.
    const int termEnd = loan.term ? loan.firstMonth + *loan.term - 1 : 0;
    const bool periodic = calendar.periodic();
    const Ratio periodShare{1, loan.perYear};
    long long interestSum = 0;
    long long paidSum = 0;

    for (int index = 0; index < kMonthLimit; ++index) {
        const int month = loan.firstMonth + index;
        if (const double change = calendar.rateChange(index); !std::isnan(change)) {
            annualRate = change;
            rate = annualRate / (100.0 * loan.perYear);
            if constexpr (Cents) percent = shortestDecimal(annualRate);
            if (keepEnd && (!Shaped || index >= interestOnly)) {
                instalment = workedOut(loan, balance, rate, baseEnd - month + 1, month <= termEnd);
            }
        }
        // After the interest-only periods the instalment repays the balance then open.
        if constexpr (Shaped) {
            if (index == interestOnly && index > 0 && loan.term) {
                instalment = workedOut(loan, balance, rate, *loan.term - interestOnly, true);
            }
        }
        // A period's interest is the period's rate, or the annual rate for its share of a year.
        const Ratio& share = periodic ? periodShare : calendar.share(index);
        const double interest = Cents      ? interestCents(balance, percent, share)
                                : periodic ? balance * rate
                                           : balance * (annualRate / 100) * share.value();
        const double extras = calendar.extra(index) + extraEveryMonth;
        // Grown as the EMI schedule grows it, so that without events the two agree to the bit.
        const double owed = periodic && !Cents ? (1 + rate) * balance : balance + interest;
        if (!std::isfinite(owed) || !std::isfinite(instalment)) {
            throw numeric::ArithmeticError(numeric::Failure::Overflow);
        }
        if (Cents && owed > kCentLimit * 100) throw CentLimitPassed{month};

        double due = instalment;
        if constexpr (Shaped) {
            if (index < interestOnly) due = interest;
            if (month == termEnd) due += loan.balloon;
        }
        double paid = due;
        double extraPaid = extras;
        double closing = owed - due - extras;
        bool clears = closing < halfCent;
        if (clears) {
            paid = std::min(due, owed);
            extraPaid = owed - paid;
            closing = 0;
        } else if (Cents && month == termEnd && closing < instalment) {
            // The lender's last payment takes up the cents the rounded instalment left.
            paid += closing;
            closing = 0;
            clears = true;
        } else if ((!Shaped || index >= interestOnly) && instalment <= interest &&
                   !run.uncoveredMonth) {
            run.uncoveredMonth = month;
        }

        if (totals.months == 0) totals.firstInstalment = paid;
        ++totals.months;
        totals.endMonth = month;
        totals.lastInstalment = paid;
        if constexpr (Cents) {
            // Whole numbers of cents, added without rounding however large the sums grow.
            interestSum += static_cast<long long>(interest);
            paidSum += static_cast<long long>(paid) + static_cast<long long>(extraPaid);
        } else {
            totals.interest += interest;
            totals.paid += paid + extraPaid;
        }
        if (keepRows) {
            run.rows.push_back({month, balance, interest, paid, extraPaid,
                                paid + extraPaid - interest, closing, annualRate});
        }
        if (clears) {
            totals.cleared = true;
            break;
        }
        // Never during the interest-only periods: the instalment after them is the one they end
        // with.
        if (keepEnd && extras > 0 && (!Shaped || index >= interestOnly)) {
            instalment = workedOut(loan, closing, rate, baseEnd - month, month + 1 <= termEnd);
        }
        balance = closing;
    }
    if constexpr (Cents) {
        totals.interest = static_cast<double>(interestSum);
        totals.paid = static_cast<double>(paidSum);
        inUnits(run);
    }
    return run;
}

}  // namespace

Run runLoan(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
            double extraEveryMonth, bool keepRows) {
    const bool shaped = loan.interestOnly > 0 || loan.balloon > 0;
    const auto run = loan.cents ? (shaped ? repay<true, true> : repay<true, false>)
                                : (shaped ? repay<false, true> : repay<false, false>);
    return run(loan, calendar, policy, baseEnd, extraEveryMonth, keepRows);
}

}  // namespace brisanel::plan
