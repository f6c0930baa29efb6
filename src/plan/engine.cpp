#include <algorithm>
#include <cmath>
#include <utility>
#include <variant>

#include "calc/messages.h"
#include "numeric/failure.h"
#include "plan/cents.h"
#include "plan/engine.h"
#include "plan/finish_by.h"
#include "plan/loan_check.h"
#include "plan/plan.h"
#include "plan/words.h"

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

std::optional<std::string> eventRefusal(const Event& event, int firstMonth) {
    const std::string name = describe(event) + ": ";
    if (event.kind == EventKind::RateChange) {
        if (!(event.value > 0 && event.value <= 200)) {
            return name + std::string(calc::messages::kRateUpTo200);
        }
    } else if (!(event.value > 0 && std::isfinite(event.value))) {
        return name + "the amount must be a positive value.";
    }
    if (!event.month && event.kind != EventKind::MonthlyExtra) {
        return name + "the month is missing.";
    }
    if (event.month && *event.month < firstMonth) {
        return name + "the month is before the first instalment, month " +
               std::to_string(firstMonth) + ".";
    }
    if (event.until && *event.until < event.month.value_or(firstMonth)) {
        return name + "the last month is before the first.";
    }
    return std::nullopt;
}

std::string describe(const Event& event) {
    std::string text(wordsOf(event.kind).name);
    const auto month = [](std::optional<int> period, std::optional<QDate> date) {
        return date ? isoDate(*date) : "month " + std::to_string(period.value_or(0));
    };
    if (event.kind == EventKind::MonthlyExtra) {
        if (event.month || event.date) text += " from " + month(event.month, event.date);
        if (event.until || event.untilDate) text += " to " + month(event.until, event.untilDate);
    } else if (event.date) {
        text += " on " + isoDate(*event.date);
    } else if (event.month) {
        text += " in month " + std::to_string(*event.month);
    }
    return text;
}

std::optional<std::string> PlanResult::warning() const {
    for (const Note& note : notes) {
        if (note.kind == NoteKind::Uncovered) return note.text;
    }
    return std::nullopt;
}

std::vector<std::string> PlanResult::unreached() const {
    std::vector<std::string> texts;
    for (const Note& note : notes) {
        if (note.kind == NoteKind::Unreached) texts.push_back(note.text);
    }
    return texts;
}

namespace {

// The events that the plan never reaches: after the period the loan ends in, or, when the limit
// stopped it, after the last period worked out.
void noteUnreached(const std::vector<Event>& events, const Totals& plan, const std::string& period,
                   std::vector<Note>& notes) {
    const std::string why =
        plan.cleared ? ": the loan ends in " + period + " " + std::to_string(plan.endMonth) + "."
                     : ": the plan stops at " + period + " " + std::to_string(plan.endMonth) +
                           " with the loan still owing.";
    for (const Event& event : events) {
        if (event.month && *event.month > plan.endMonth) {
            notes.push_back({NoteKind::Unreached, describe(event) + " is not reached" + why});
        }
    }
}

// What a period is called in the notes: a month, a week, or else a payment.
std::string periodWord(Frequency frequency) {
    return std::string(wordsOf(frequency).period);
}

// Every period's date from the loan date, period 0, to the last the month limit allows.
PeriodDates layOutDates(const ScheduleOptions& options, int firstMonth) {
    PeriodDates dates;
    const int last = firstMonth + kMonthLimit - 1;
    dates.dates =
        paymentDates(*options.firstPayment, options.frequency, -firstMonth, last - firstMonth);
    if (options.loanDate) dates.dates[0] = *options.loanDate;
    return dates;
}

// Lays an event's dates on periods: its date on the first period paid on or after it, its last
// date on the last period paid on or before it.
std::optional<std::string> layOnPeriods(Event& event, const PeriodDates& dates, int firstMonth,
                                        QDate firstPayment) {
    const std::string name = describe(event) + ": ";
    if (event.date) {
        if (*event.date < firstPayment) {
            return name + "the date is before the first payment, " + isoDate(firstPayment) + ".";
        }
        event.month = dates.onOrAfter(*event.date).value_or(firstMonth + kMonthLimit);
    }
    if (event.untilDate) {
        if (event.date && *event.untilDate < *event.date) {
            return name + "the last date is before the first.";
        }
        if (*event.untilDate < firstPayment) {
            return name + "the last date is before the first payment, " + isoDate(firstPayment) +
                   ".";
        }
        event.until = dates.onOrBefore(*event.untilDate);
    }
    return std::nullopt;
}

void compute(const PlanInputs& inputs, PlanOutcome& out) {
    const auto refuse = [&out](std::string message, calc::Ending ending = calc::Ending::Refused) {
        out.ending = ending;
        out.message = std::move(message);
    };
    const ScheduleOptions& options = inputs.schedule;
    LoanTexts borrowed = inputs.loan;
    if (auto refusal = borrowFees(inputs.fees, borrowed)) return refuse(*refusal);
    auto checked = checkLoan(borrowed, options);
    if (auto* refusal = std::get_if<LoanRefusal>(&checked)) {
        return refuse(std::move(refusal->message), refusal->ending);
    }
    LoanStart* loan = &std::get<LoanStart>(checked);
    const int first = loan->firstMonth;

    // The lender's calendar, when there are dates.
    const bool dated = options.firstPayment.has_value();
    if (!dated && options.dayCount != DayCount::Periodic) {
        return refuse("A day count needs a first payment date.");
    }
    if (!dated && options.loanDate) return refuse("A loan date needs a first payment date.");
    if (!dated && options.years.kind != YearStart::Kind::Loan) {
        return refuse("Calendar and fiscal years need a first payment date.");
    }
    if (!dated && inputs.finishByDate)
        return refuse("A date to finish by needs a first payment date.");
    if (dated && first < 1) {
        return refuse("A loan with payment dates cannot start before its first period.");
    }
    PeriodDates dates;
    if (dated) dates = layOutDates(options, first);
    if (options.loanDate) {
        const QDate period1 = paymentDate(*options.firstPayment, options.frequency, 1 - first);
        if (!(*options.loanDate < period1) || options.loanDate->daysTo(period1) > 366) {
            return refuse("The loan date must be before the first period's date, " +
                          isoDate(period1) + ", and at most 366 days before it.");
        }
    }
    std::vector<Event> events = inputs.events;
    for (Event& event : events) {
        if ((event.date || event.untilDate) && !dated) {
            return refuse(describe(event) + ": a date needs a first payment date.");
        }
        if (dated) {
            if (auto refusal = layOnPeriods(event, dates, first, *options.firstPayment)) {
                return refuse(*refusal);
            }
        }
        if (auto refusal = eventRefusal(event, first)) return refuse(*refusal);
        if (loan->cents && event.kind != EventKind::RateChange && event.value > kCentLimit) {
            return refuse(describe(event) + ": " + centLimitRefusal("the amount"));
        }
    }
    std::optional<int> finishBy = inputs.finishBy;
    if (inputs.finishByDate) {
        if (*inputs.finishByDate < *options.firstPayment) {
            return refuse("The date to finish by must not be before the first payment, " +
                          isoDate(*options.firstPayment) + ".");
        }
        finishBy = dates.onOrBefore(*inputs.finishByDate);
    }
    if (finishBy && *finishBy < first) return refuse(finishByRefusal(first));

    // Under a day count the waiting periods add their interest by it; the instalment stays the
    // one worked out at the period's rate.
    std::vector<Ratio> shares;
    if (dated && options.dayCount != DayCount::Periodic) {
        double balance = loan->principal;
        for (const Ratio share : dates.shares(options.dayCount, 1, first - 1)) {
            balance += periodInterest(*loan, balance, loan->annualRate, share);
            if (!std::isfinite(balance)) throw numeric::ArithmeticError(numeric::Failure::Overflow);
        }
        if (first > 1) loan->balance = balance;
        shares = dates.shares(options.dayCount, first, first + kMonthLimit - 1);
    }

    PlanResult& result = out.result.emplace();
    result.firstMonth = first;
    result.perYear = loan->perYear;
    result.frequency = options.frequency;
    result.years = options.years;
    result.cents = loan->cents;
    if (dated) result.loanDate = dates.dates.front();
    const EventCalendar none({}, first, loan->perYear, shares);
    result.base = runLoan(*loan, none, inputs.policy, 0, 0, true);
    const int baseEnd = result.base.totals.endMonth;
    const EventCalendar calendar(events, first, loan->perYear, shares, loan->cents);
    result.plan = runLoan(*loan, calendar, inputs.policy, baseEnd, 0, true);
    if (dated) {
        for (Run* run : {&result.base, &result.plan}) {
            for (PlanRow& row : run->rows)
                row.date = dates.dates[static_cast<std::size_t>(row.month)];
            run->totals.firstDate = run->rows.front().date;
            run->totals.endDate = run->rows.back().date;
        }
    }
    const Totals& plan = result.plan.totals;
    result.monthsSaved = result.base.totals.months - plan.months;
    result.interestSaved = result.base.totals.interest - plan.interest;
    if (finishBy) {
        result.extraNeeded = extraNeeded(*loan, calendar, inputs.policy, baseEnd, *finishBy);
    }

    const std::string period = periodWord(options.frequency);
    if (result.plan.uncoveredMonth) {
        result.notes.push_back(
            {NoteKind::Uncovered,
             "From " + period + " " + std::to_string(*result.plan.uncoveredMonth) +
                 " the instalment does not cover the " + period + "'s interest."});
    }
    if (!plan.cleared) {
        result.notes.push_back(
            {NoteKind::NotRepaid, options.frequency == Frequency::Monthly
                                      ? std::string(kNotRepaid)
                                      : "The loan is not repaid within 1800 payments."});
    }
    noteUnreached(events, plan, period, result.notes);
}

}  // namespace

PlanOutcome computePlan(const PlanInputs& inputs) {
    PlanOutcome out;
    calc::Outcome status;
    calc::trapFailures(status, {std::nullopt, calc::messages::kCheckInput}, [&] {
        try {
            compute(inputs, out);
        } catch (const CentLimitPassed& passed) {
            out.ending = calc::Ending::Refused;
            out.message = "In whole cents the balance passes 10000000000000 in " +
                          periodWord(inputs.schedule.frequency) + " " +
                          std::to_string(passed.period) + ".";
        }
    });
    if (status.failed()) {
        out.ending = calc::Ending::Failed;
        out.message = calc::messages::kCheckInput;
    }
    if (out.ending != calc::Ending::Completed) out.result.reset();
    return out;
}

}  // namespace brisanel::plan
