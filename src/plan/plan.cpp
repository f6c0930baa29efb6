#include "plan/plan.h"

#include <cmath>
#include <utility>
#include <variant>

#include "calc/messages.h"
#include "numeric/failure.h"
#include "plan/engine.h"
#include "plan/finish_by.h"
#include "plan/loan_check.h"
#include "plan/words.h"

namespace brisanel::plan {

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
