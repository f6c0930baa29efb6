#include <algorithm>
#include <cmath>
#include <utility>
#include <variant>

#include "calc/emi.h"
#include "calc/messages.h"
#include "calc/recovery.h"
#include "numeric/failure.h"
#include "numeric/number_rules.h"
#include "plan/engine.h"
#include "plan/finish_by.h"
#include "plan/plan.h"
#include "plan/words.h"

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

std::string describe(const Event& event) {
    std::string text(wordsOf(event.kind).name);
    if (event.kind == EventKind::MonthlyExtra) {
        if (event.month) text += " from month " + std::to_string(*event.month);
        if (event.until) text += " to month " + std::to_string(*event.until);
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

// The file's name of each box, and the box each of the panels' refusals is about.
constexpr std::pair<LoanField, std::string_view> kFieldNames[] = {
    {LoanField::Principal, "principal"},    {LoanField::Rate, "rate"},
    {LoanField::StartAfter, "start_after"}, {LoanField::Months, "months"},
    {LoanField::Instalment, "emi"},
};
constexpr std::pair<std::string_view, LoanField> kRefusalFields[] = {
    {calc::messages::kPrincipalPositive, LoanField::Principal},
    {calc::messages::kRateUpTo200, LoanField::Rate},
    {calc::messages::kStartBeforeEnd, LoanField::StartAfter},
    {calc::messages::kStartNotNegative, LoanField::StartAfter},
    {calc::messages::kDurationUpTo1800, LoanField::Months},
    {calc::messages::kEmiPositive, LoanField::Instalment},
};

LoanField fieldOf(std::string_view message) {
    for (const auto& [text, field] : kRefusalFields) {
        if (text == message) return field;
    }
    return LoanField::Loan;
}

}  // namespace

std::string_view fieldName(LoanField field) {
    for (const auto& [named, name] : kFieldNames) {
        if (named == field) return name;
    }
    return {};
}

namespace {

LoanRefusal refusalOf(const calc::Outcome& outcome) {
    const bool refused = outcome.ending == calc::Ending::Refused;
    // A run-time failure the panel ends on without a word is still a loan it cannot work out.
    const std::string_view message =
        outcome.message.empty() ? calc::messages::kCheckInput : outcome.message;
    return {refused ? calc::Ending::Refused : calc::Ending::Failed,
            refused ? fieldOf(message) : LoanField::Loan, std::string(message)};
}

}  // namespace

std::variant<LoanStart, LoanRefusal> checkLoan(const LoanTexts& texts) {
    if (texts.months) {
        const calc::EmiOutcome emi =
            calc::computeEmi({texts.principal, *texts.months, texts.startAfter, texts.rate});
        if (emi.failed()) return refusalOf(emi);
        const details::EmiFigures& figures = *emi.figures;
        return LoanStart{figures.principal, numeric::readNumber(texts.rate), figures.monthlyRate,
                         figures.amount, figures.startDelay + 1};
    }
    const std::string instalment = texts.instalment.value_or("");
    const calc::RecoveryInputs inputs{texts.principal, texts.rate, texts.startAfter, instalment};
    const calc::RecoveryOutcome recovery = calc::computeRecovery(inputs);
    if (recovery.failed()) return refusalOf(recovery);
    // The panel repaid it, so its checks pass again and its figures stay in range.
    calc::Outcome checked;
    const auto loan = calc::checkRecoveryLoan(inputs, checked);
    return LoanStart{loan->principalAfterWait, numeric::readNumber(texts.rate), loan->monthlyRate,
                     loan->instalment, loan->startDelay + 1};
}

namespace {

// The events that the plan never reaches: after the month the loan ends in, or, when the month
// limit stopped it, after the last month worked out.
void noteUnreached(const std::vector<Event>& events, const Totals& plan, std::vector<Note>& notes) {
    const std::string why = plan.cleared
                                ? ": the loan ends in month " + std::to_string(plan.endMonth) + "."
                                : ": the plan stops at month " + std::to_string(plan.endMonth) +
                                      " with the loan still owing.";
    for (const Event& event : events) {
        if (event.month && *event.month > plan.endMonth) {
            notes.push_back({NoteKind::Unreached, describe(event) + " is not reached" + why});
        }
    }
}

void compute(const PlanInputs& inputs, PlanOutcome& out) {
    const auto refuse = [&out](std::string message, calc::Ending ending = calc::Ending::Refused) {
        out.ending = ending;
        out.message = std::move(message);
    };
    auto checked = checkLoan(inputs.loan);
    if (auto* refusal = std::get_if<LoanRefusal>(&checked)) {
        return refuse(std::move(refusal->message), refusal->ending);
    }
    const LoanStart* loan = &std::get<LoanStart>(checked);
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
        result.notes.push_back(
            {NoteKind::Uncovered, "From month " + std::to_string(*result.plan.uncoveredMonth) +
                                      " the instalment does not cover the month's interest."});
    }
    if (!plan.cleared) result.notes.push_back({NoteKind::NotRepaid, std::string(kNotRepaid)});
    noteUnreached(inputs.events, plan, result.notes);
}

}  // namespace

PlanOutcome computePlan(const PlanInputs& inputs) {
    PlanOutcome out;
    calc::Outcome status;
    calc::trapFailures(status, {std::nullopt, calc::messages::kCheckInput},
                       [&] { compute(inputs, out); });
    if (status.failed()) {
        out.ending = calc::Ending::Failed;
        out.message = calc::messages::kCheckInput;
    }
    if (out.ending != calc::Ending::Completed) out.result.reset();
    return out;
}

}  // namespace brisanel::plan
