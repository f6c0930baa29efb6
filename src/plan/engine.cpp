#include <algorithm>
#include <cmath>

#include "calc/emi.h"
#include "calc/messages.h"
#include "calc/recovery.h"
#include "numeric/failure.h"
#include "numeric/number_rules.h"
#include "plan/engine.h"
#include "plan/finish_by.h"
#include "plan/plan.h"

namespace brisanel::plan {

namespace {

// Less than half a cent left over counts as repaid.
constexpr double kHalfCent = 0.005;

// The instalment that repays `balance` over `months` at the monthly rate; a month or less left
// repays it all in the next month. 1 - (1 + r)^-n is worked out through log1p and expm1, which keep
// its digits for rates too small to change 1 + r; a rate of 0 leaves equal parts.
double annuity(double balance, double rate, int months) {
    if (months < 1) months = 1;
    const double part = -std::expm1(-months * std::log1p(rate));
    return part == 0 ? balance / months : balance * rate / part;
}

}  // namespace

EventCalendar::EventCalendar(const std::vector<Event>& events, int firstMonth)
    : extras_(kMonthLimit, 0.0), rates_(kMonthLimit, std::nan("")) {
    const int lastMonth = firstMonth + kMonthLimit - 1;
    for (const Event& event : events) {
        const int month = event.month.value_or(firstMonth);
        switch (event.kind) {
            case EventKind::MonthlyExtra: {
                const int until = std::min(event.until.value_or(lastMonth), lastMonth);
                for (int t = std::max(month, firstMonth); t <= until; ++t) {
                    extras_[t - firstMonth] += event.value;
                }
                break;
            }
            case EventKind::YearlyExtra:
                for (int t = month; t <= lastMonth; t += 12) {
                    if (t >= firstMonth) extras_[t - firstMonth] += event.value;
                }
                break;
            case EventKind::OneTimeExtra:
                if (month >= firstMonth && month <= lastMonth) {
                    extras_[month - firstMonth] += event.value;
                }
                break;
            case EventKind::RateChange:
                if (month >= firstMonth && month <= lastMonth)
                    rates_[month - firstMonth] = event.value;
                break;
        }
    }
}

Run runLoan(const LoanStart& loan, const EventCalendar& calendar, Policy policy, int baseEnd,
            double extraEveryMonth, bool keepRows) {
    Run run;
    if (keepRows) run.rows.reserve(kMonthLimit);
    Totals& totals = run.totals;
    double balance = loan.balance;
    double annualRate = loan.annualRate;
    double rate = loan.monthlyRate;
    double instalment = loan.instalment;
    const bool keepEnd = policy == Policy::KeepEndMonth;

    for (int index = 0; index < kMonthLimit; ++index) {
        const int month = loan.firstMonth + index;
        if (const double change = calendar.rateChange(index); !std::isnan(change)) {
            annualRate = change;
            rate = annualRate / 1200;
            if (keepEnd) instalment = annuity(balance, rate, baseEnd - month + 1);
        }
        const double interest = balance * rate;
        const double extras = calendar.extra(index) + extraEveryMonth;
        // Grown as the EMI schedule grows it, so that without events the two agree to the bit.
        const double owed = (1 + rate) * balance;
        if (!std::isfinite(owed) || !std::isfinite(instalment)) {
            throw numeric::ArithmeticError(numeric::Failure::Overflow);
        }

        double paid = instalment;
        double extraPaid = extras;
        double closing = owed - instalment - extras;
        const bool clears = closing < kHalfCent;
        if (clears) {
            paid = std::min(instalment, owed);
            extraPaid = owed - paid;
            closing = 0;
        } else if (instalment <= interest && !run.uncoveredMonth) {
            run.uncoveredMonth = month;
        }

        if (totals.months == 0) totals.firstInstalment = paid;
        ++totals.months;
        totals.endMonth = month;
        totals.lastInstalment = paid;
        totals.interest += interest;
        totals.paid += paid + extraPaid;
        if (keepRows) {
            run.rows.push_back({month, balance, interest, paid, extraPaid,
                                paid + extraPaid - interest, closing, annualRate});
        }
        if (clears) {
            totals.cleared = true;
            break;
        }
        if (keepEnd && extras > 0) instalment = annuity(closing, rate, baseEnd - month);
        balance = closing;
    }
    return run;
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

std::string_view kindName(EventKind kind) {
    switch (kind) {
        case EventKind::MonthlyExtra:
            return "Monthly extra payment";
        case EventKind::YearlyExtra:
            return "Yearly extra payment";
        case EventKind::OneTimeExtra:
            return "One-time extra payment";
        case EventKind::RateChange:
            return "Rate change";
    }
    return {};
}

std::string describe(const Event& event) {
    std::string text(kindName(event.kind));
    if (event.kind == EventKind::MonthlyExtra) {
        if (event.month) text += " from month " + std::to_string(*event.month);
        if (event.until) text += " to month " + std::to_string(*event.until);
    } else if (event.month) {
        text += " in month " + std::to_string(*event.month);
    }
    return text;
}

namespace {

// The loan as the panels read it: the balance that opens the first instalment month, the rate
// and the instalment.
std::optional<LoanStart> readLoan(const LoanTexts& texts, calc::Outcome& out) {
    if (texts.months) {
        const calc::EmiOutcome emi =
            calc::computeEmi({texts.principal, *texts.months, texts.startAfter, texts.rate});
        if (emi.failed()) {
            out = emi;
            return std::nullopt;
        }
        const details::EmiFigures& figures = *emi.figures;
        return LoanStart{figures.principal, numeric::readNumber(texts.rate), figures.monthlyRate,
                         figures.amount, figures.startDelay + 1};
    }
    const auto loan = calc::checkRecoveryLoan(
        {texts.principal, texts.rate, texts.startAfter, texts.instalment.value_or("")}, out);
    if (!loan) return std::nullopt;
    return LoanStart{loan->principalAfterWait, numeric::readNumber(texts.rate), loan->monthlyRate,
                     loan->instalment, loan->startDelay + 1};
}

// The events that the plan never reaches.
void noteUnreached(const std::vector<Event>& events, int endMonth,
                   std::vector<std::string>& notes) {
    for (const Event& event : events) {
        if (event.month && *event.month > endMonth) {
            notes.push_back(describe(event) + " is not reached: the loan ends in month " +
                            std::to_string(endMonth) + ".");
        }
    }
}

void compute(const PlanInputs& inputs, calc::Outcome& status, PlanOutcome& out) {
    const auto loan = readLoan(inputs.loan, status);
    if (!loan) return;
    const auto refuse = [&out](std::string message) {
        out.ending = calc::Ending::Refused;
        out.message = std::move(message);
    };
    for (const Event& event : inputs.events) {
        if (auto refusal = eventRefusal(event, loan->firstMonth)) return refuse(*refusal);
    }
    if (inputs.finishBy && *inputs.finishBy < loan->firstMonth) {
        return refuse(finishByRefusal(loan->firstMonth));
    }

    PlanResult& result = out.result.emplace();
    result.firstMonth = loan->firstMonth;
    const EventCalendar none({}, loan->firstMonth);
    result.base = runLoan(*loan, none, inputs.policy, 0, 0, true);
    const int baseEnd = result.base.totals.endMonth;
    const EventCalendar calendar(inputs.events, loan->firstMonth);
    result.plan = runLoan(*loan, calendar, inputs.policy, baseEnd, 0, true);
    const Totals& plan = result.plan.totals;
    result.monthsSaved = result.base.totals.months - plan.months;
    result.interestSaved = result.base.totals.interest - plan.interest;
    if (inputs.finishBy) {
        result.extraNeeded = extraNeeded(*loan, calendar, inputs.policy, baseEnd, *inputs.finishBy);
    }

    if (result.plan.uncoveredMonth) {
        result.notes.push_back("From month " + std::to_string(*result.plan.uncoveredMonth) +
                               " the instalment does not cover the month's interest.");
    }
    if (!plan.cleared) result.notes.emplace_back(kNotRepaid);
    noteUnreached(inputs.events, plan.endMonth, result.notes);
}

}  // namespace

PlanOutcome computePlan(const PlanInputs& inputs) {
    PlanOutcome out;
    calc::Outcome status;
    calc::trapFailures(status, {std::nullopt, calc::messages::kCheckInput},
                       [&] { compute(inputs, status, out); });
    if (status.failed()) {
        out.ending =
            status.ending == calc::Ending::Refused ? calc::Ending::Refused : calc::Ending::Failed;
        out.message = status.message.empty() ? calc::messages::kCheckInput : status.message;
        out.result.reset();
    }
    return out;
}

}  // namespace brisanel::plan
