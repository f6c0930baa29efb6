#include "plan/plan_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

#include "numeric/number_rules.h"
#include "plan/payment_dates.h"
#include "plan/words.h"

namespace brisanel::plan {

namespace {

// A box text as the number its box reads it as; a text beyond the range, which the box refuses,
// as 0, which the file refuses in its turn.
QJsonValue number(const std::string& boxText, bool whole = false) {
    try {
        return whole ? numeric::readInteger(boxText) : numeric::readNumber(boxText);
    } catch (const numeric::ArithmeticError&) {
        return 0;
    }
}

}  // namespace

bool needsVersion2(const PlanInputs& inputs) {
    return inputs.schedule != ScheduleOptions{} || inputs.finishByDate || inputs.fees.any() ||
           !inputs.name.empty() || std::ranges::any_of(inputs.events, [](const Event& event) {
               return event.date || event.untilDate;
           });
}

QJsonObject planObject(const PlanInputs& inputs) {
    QJsonObject loan{{"principal", number(inputs.loan.principal)},
                     {"rate", number(inputs.loan.rate)},
                     {"start_after", number(inputs.loan.startAfter, true)}};
    if (inputs.loan.months) {
        loan.insert("months", number(*inputs.loan.months));
    } else {
        loan.insert("emi", number(inputs.loan.instalment.value_or("")));
    }
    QJsonArray events;
    for (const Event& event : inputs.events) {
        const KindWords& words = wordsOf(event.kind);
        QJsonObject object{{"kind", QString::fromUtf8(words.word)}};
        object.insert(QString::fromUtf8(words.value), event.value);
        const auto when = [](std::optional<int> month, std::optional<QDate> date) {
            return date ? QJsonValue(QString::fromStdString(isoDate(*date)))
                        : QJsonValue(month.value_or(0));
        };
        if (event.kind == EventKind::MonthlyExtra) {
            if (event.month || event.date) object.insert("from", when(event.month, event.date));
            if (event.until || event.untilDate) {
                object.insert("to", when(event.until, event.untilDate));
            }
        } else if (event.month || event.date) {
            object.insert("month", when(event.month, event.date));
        }
        events.append(object);
    }
    // A plan on the default schedule without dates is written as version 1, as it always was.
    const ScheduleOptions& options = inputs.schedule;
    const bool version2 = needsVersion2(inputs);
    QJsonObject top{{"brisanel_plan", version2 ? kPlanFileVersion : 1},
                    {"loan", loan},
                    {"policy", QString::fromUtf8(wordsOf(inputs.policy).word)},
                    {"events", events}};
    if (inputs.finishByDate) {
        top.insert("finish_by", QString::fromStdString(isoDate(*inputs.finishByDate)));
    } else if (inputs.finishBy) {
        top.insert("finish_by", *inputs.finishBy);
    }
    if (version2) {
        QJsonObject schedule{{"frequency", QString::fromUtf8(wordsOf(options.frequency).word)}};
        if (options.firstPayment) {
            schedule.insert("first_payment",
                            QString::fromStdString(isoDate(*options.firstPayment)));
        }
        if (options.loanDate) {
            schedule.insert("loan_date", QString::fromStdString(isoDate(*options.loanDate)));
        }
        const auto word = [](std::string_view text) { return QString::fromUtf8(text); };
        schedule.insert("day_count",
                        word(wordOf(kDayCounts, &DayCountWords::dayCount, options.dayCount)));
        if (options.accelerated) schedule.insert("accelerated", true);
        if (options.rounding != Rounding::Exact) {
            schedule.insert("rounding",
                            word(wordOf(kRoundings, &RoundingWords::rounding, options.rounding)));
            schedule.insert(
                "instalment_rule",
                word(wordOf(kInstalmentRules, &InstalmentRuleWords::rule, options.instalmentRule)));
        }
        if (options.balloon) schedule.insert("balloon", *options.balloon);
        if (options.interestOnly != 0) schedule.insert("interest_only", options.interestOnly);
        if (options.years != YearStart{}) {
            schedule.insert("years", QString::fromStdString(yearStartText(options.years)));
        }
        top.insert("schedule", schedule);
        if (!inputs.name.empty()) top.insert("name", QString::fromStdString(inputs.name));
        if (inputs.fees.any()) {
            const Fees& fees = inputs.fees;
            QJsonObject object;
            for (const auto& [name, fee] :
                 {std::pair{"upfront", &fees.upfront}, std::pair{"financed", &fees.financed}}) {
                if (!*fee) continue;
                object.insert(name, (*fee)->percent
                                        ? QJsonValue(QString::fromStdString(feeText(**fee)))
                                        : QJsonValue((*fee)->value));
            }
            for (const auto& [name, amount] :
                 {std::pair{"per_payment", fees.perPayment}, std::pair{"yearly", fees.yearly},
                  std::pair{"exit", fees.exit}}) {
                if (amount != 0) object.insert(name, amount);
            }
            top.insert("fees", object);
        }
    }
    return top;
}

QByteArray planFileContents(const PlanInputs& inputs) {
    return QJsonDocument(planObject(inputs)).toJson(QJsonDocument::Indented);
}

}  // namespace brisanel::plan
