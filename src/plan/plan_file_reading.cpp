#include "plan/plan_file.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "export/table_csv.h"
#include "plan/finish_by.h"
#include "plan/loan_check.h"
#include "plan/month_number.h"
#include "plan/payment_dates.h"
#include "plan/words.h"

namespace brisanel::plan {

namespace {

// Thrown inside the reader and caught at its top: the file is refused as a whole.
struct Refusal {
    PlanFileError error;
};

[[noreturn]] void refuse(std::string place, std::string problem) {
    throw Refusal{{std::move(place), std::move(problem)}};
}

std::string text(const QString& string) {
    return string.toStdString();
}

// A name as a JSON string literal, in quotes with its control characters escaped.
std::string quoted(const QString& name) {
    const std::string list = text(QJsonDocument(QJsonArray{name}).toJson(QJsonDocument::Compact));
    return list.substr(1, list.size() - 2);  // without the brackets of the list
}

// The words of a list of choices: "\"monthly\", \"yearly\", \"lump\" or \"rate\"".
template <typename Words, typename Field>
std::string choices(const Words& list, Field field) {
    std::string text;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i > 0) text += i + 1 == list.size() ? " or " : ", ";
        text += '"' + std::string(list[i].*field) + '"';
    }
    return text;
}

// The members of an object, each read once; any member left unread is an unknown field.
class Members {
public:
    Members(const QJsonValue& value, std::string path) : path_(std::move(path)) {
        if (!value.isObject()) refuse(where(), "must be an object");
        object_ = value.toObject();
    }

    std::string placeOf(const std::string& name) const {
        return path_.empty() ? name : path_ + "." + name;
    }

    std::optional<QJsonValue> take(const char* name) {
        const auto found = object_.find(QLatin1String(name));
        if (found == object_.end()) return std::nullopt;
        QJsonValue value = *found;
        object_.erase(found);
        return value;
    }

    QJsonValue require(const char* name) {
        auto value = take(name);
        if (!value) refuse(placeOf(name), "is missing");
        return *value;
    }

    double number(const char* name, const QJsonValue& value) const {
        if (!value.isDouble() || !std::isfinite(value.toDouble())) {
            refuse(placeOf(name), "must be a number");
        }
        return value.toDouble();
    }

    // A whole number from low to high; months are read as every month is.
    int whole(const char* name, const QJsonValue& value, int low, int high) const {
        const std::optional<int> number = monthOf(this->number(name, value));
        if (!number || *number < low || *number > high) {
            refuse(placeOf(name), "must be a whole number from " + std::to_string(low) + " to " +
                                      std::to_string(high));
        }
        return *number;
    }

    int month(const char* name, const QJsonValue& value) const {
        return whole(name, value, -kMonthRange, kMonthRange);
    }

    std::optional<int> optionalMonth(const char* name) {
        const auto value = take(name);
        if (!value) return std::nullopt;
        return month(name, *value);
    }

    // A month, or from version 2 on a date (YYYY-MM-DD) in its place.
    void monthOrDate(const char* name, const QJsonValue& value, bool datesAllowed,
                     std::optional<int>& month, std::optional<QDate>& date) const {
        if (datesAllowed && value.isString()) {
            date = readDate(text(value.toString()));
            if (!date) refuse(placeOf(name), "must be a whole number or a date (YYYY-MM-DD)");
            return;
        }
        month = this->month(name, value);
    }

    std::optional<QDate> optionalDate(const char* name) {
        const auto value = take(name);
        if (!value) return std::nullopt;
        const auto date = value->isString() ? readDate(text(value->toString())) : std::nullopt;
        if (!date) refuse(placeOf(name), "must be a date (YYYY-MM-DD)");
        return date;
    }

    // A fee: an amount, or a percentage of the principal as a text ("2%"); 0 is no fee.
    std::optional<FeeAmount> optionalFee(const char* name) {
        const auto value = take(name);
        if (!value) return std::nullopt;
        FeeAmount fee;
        if (value->isString()) {
            const auto read = readFee(text(value->toString().trimmed()), true);
            if (!read || !read->percent) {
                refuse(placeOf(name), "must be an amount or a percentage (\"2%\")");
            }
            fee = read.value_or(FeeAmount{});
        } else {
            fee.value = number(name, *value);
        }
        if (fee.value < 0) refuse(placeOf(name), "must be 0 or more");
        if (fee.value == 0) return std::nullopt;
        return fee;
    }

    // One of a table's words.
    template <typename Words>
    const typename Words::value_type& word(const char* name, const Words& table) {
        const auto value = take(name);
        const auto* found =
            value && value->isString() ? named(table, text(value->toString())) : nullptr;
        if (!found) refuse(placeOf(name), "must be " + choices(table, &Words::value_type::word));
        return *found;
    }

    // Every member has been read: anything left is unknown.
    void finish() const {
        if (object_.isEmpty()) return;
        // A name that could not be read in the message is shown in quotes, its control
        // characters escaped.
        const QString name = object_.begin().key();
        const bool plain = !name.isEmpty() && std::ranges::all_of(name, [](QChar c) {
            return c.isLetterOrNumber() || c == u'_' || c == u'-';
        });
        refuse(placeOf(plain ? text(name) : quoted(name)), "is not a known field");
    }

    std::string where() const { return path_.empty() ? "the file" : path_; }

    bool has(const char* name) const { return object_.contains(QLatin1String(name)); }

private:
    QJsonObject object_;
    std::string path_;
};

// A checked number as the loan's box text that reads back as the same number.
std::string boxText(double value) {
    return saving::fullPrecision(value);
}

// The loan's numbers as its boxes' texts, checked by the panels' own checks: a loan they refuse
// refuses the file, at the field the refusal is about. Returns the first instalment's month.
int readLoan(const Members& top, const QJsonValue& value, LoanTexts& texts,
             const ScheduleOptions& options, const Fees& fees) {
    Members loan(value, top.placeOf("loan"));
    texts.principal = boxText(loan.number("principal", loan.require("principal")));
    texts.rate = boxText(loan.number("rate", loan.require("rate")));
    if (const auto given = loan.take("start_after")) {
        texts.startAfter = std::to_string(loan.whole("start_after", *given, -32768, 32767));
    }
    const auto months = loan.take("months");
    const auto emi = loan.take("emi");
    if (months.has_value() == emi.has_value()) {
        refuse(loan.where(), "must hold either \"months\" or \"emi\"");
    }
    if (months) texts.months = boxText(loan.number("months", *months));
    if (emi) texts.instalment = boxText(loan.number("emi", *emi));
    loan.finish();
    // Checked as the plan runs it: a financed fee borrowed with the principal.
    LoanTexts borrowed = texts;
    if (auto refusal = borrowFees(fees, borrowed)) refuse(top.placeOf("fees"), *refusal);
    const auto checked = checkLoan(borrowed, options);
    if (const auto* refusal = std::get_if<LoanRefusal>(&checked)) {
        const std::string_view field = fieldName(refusal->field);
        if (refusal->field == LoanField::Schedule) {
            refuse(top.placeOf("schedule"), refusal->message);
        }
        refuse(field.empty() ? loan.where() : loan.placeOf(std::string(field).c_str()),
               refusal->message);
    }
    return std::get<LoanStart>(checked).firstMonth;
}

Event readEvent(const QJsonValue& value, const std::string& path, int firstMonth, bool dates) {
    Members members(value, path);
    const QJsonValue kindValue = members.require("kind");
    const auto words = std::ranges::find_if(kEventKinds, [&](const KindWords& kind) {
        return kindValue.isString() && text(kindValue.toString()) == kind.word;
    });
    if (words == kEventKinds.end()) {
        refuse(members.placeOf("kind"), "must be " + choices(kEventKinds, &KindWords::word));
    }
    Event event;
    event.kind = words->kind;
    const std::string valueName(words->value);
    event.value = members.number(valueName.c_str(), members.require(valueName.c_str()));
    if (event.kind == EventKind::MonthlyExtra) {
        if (const auto from = members.take("from")) {
            members.monthOrDate("from", *from, dates, event.month, event.date);
        }
        if (const auto to = members.take("to")) {
            members.monthOrDate("to", *to, dates, event.until, event.untilDate);
        }
    } else {
        members.monthOrDate("month", members.require("month"), dates, event.month, event.date);
    }
    members.finish();
    // An event by date is checked once the dates are laid out, by the engine.
    if (event.date || event.untilDate) return event;
    if (auto refusal = eventRefusal(event, firstMonth)) refuse(path, *refusal);
    return event;
}

PlanInputs readPlan(const QJsonValue& value, const std::string& path) {
    Members top(value, path);
    const QJsonValue version = top.require("brisanel_plan");
    if (!version.isDouble() ||
        (version.toDouble() != 1 && version.toDouble() != kPlanFileVersion)) {
        refuse(top.placeOf("brisanel_plan"), "must be 1 or " + std::to_string(kPlanFileVersion) +
                                                 ", the versions this program reads");
    }
    // Version 2 adds the lender's schedule and dates in place of months.
    const bool version2 = version.toDouble() == 2;
    PlanInputs inputs;
    if (const auto given = version2 ? top.take("schedule") : std::nullopt) {
        Members schedule(*given, top.placeOf("schedule"));
        ScheduleOptions& options = inputs.schedule;
        if (schedule.has("frequency")) {
            options.frequency = schedule.word("frequency", kFrequencies).frequency;
        }
        options.firstPayment = schedule.optionalDate("first_payment");
        options.loanDate = schedule.optionalDate("loan_date");
        if (schedule.has("day_count")) {
            options.dayCount = schedule.word("day_count", kDayCounts).dayCount;
        }
        if (const auto accelerated = schedule.take("accelerated")) {
            if (!accelerated->isBool())
                refuse(schedule.placeOf("accelerated"), "must be true or false");
            options.accelerated = accelerated->toBool();
        }
        if (schedule.has("rounding")) {
            options.rounding = schedule.word("rounding", kRoundings).rounding;
        }
        if (schedule.has("instalment_rule")) {
            options.instalmentRule = schedule.word("instalment_rule", kInstalmentRules).rule;
        }
        if (const auto balloon = schedule.take("balloon")) {
            options.balloon = schedule.number("balloon", *balloon);
        }
        if (const auto periods = schedule.take("interest_only")) {
            options.interestOnly = schedule.whole("interest_only", *periods, 0, kMonthLimit);
        }
        if (const auto years = schedule.take("years")) {
            const auto start =
                years->isString() ? readYearStart(text(years->toString())) : std::nullopt;
            if (!start) {
                refuse(schedule.placeOf("years"),
                       "must be \"loan\", \"calendar\" or a month and day, \"MM-DD\"");
            }
            options.years = *start;
        }
        schedule.finish();
    }
    if (const auto name = version2 ? top.take("name") : std::nullopt) {
        if (!name->isString()) refuse(top.placeOf("name"), "must be a text");
        inputs.name = text(name->toString());
    }
    if (const auto given = version2 ? top.take("fees") : std::nullopt) {
        Members fees(*given, top.placeOf("fees"));
        inputs.fees.upfront = fees.optionalFee("upfront");
        inputs.fees.financed = fees.optionalFee("financed");
        for (const auto& [name, amount] :
             {std::pair{"per_payment", &inputs.fees.perPayment},
              std::pair{"yearly", &inputs.fees.yearly}, std::pair{"exit", &inputs.fees.exit}}) {
            if (const auto value = fees.take(name)) {
                *amount = fees.number(name, *value);
                if (*amount < 0) refuse(fees.placeOf(name), "must be 0 or more");
            }
        }
        fees.finish();
    }
    const int firstMonth =
        readLoan(top, top.require("loan"), inputs.loan, inputs.schedule, inputs.fees);
    if (top.has("policy")) inputs.policy = top.word("policy", kPolicies).policy;
    if (const auto events = top.take("events")) {
        if (!events->isArray()) refuse(top.placeOf("events"), "must be a list");
        const QJsonArray list = events->toArray();
        for (qsizetype index = 0; index < list.size(); ++index) {
            inputs.events.push_back(readEvent(list[index],
                                              top.placeOf("events[" + std::to_string(index) + "]"),
                                              firstMonth, version2));
        }
    }
    if (const auto finishBy = top.take("finish_by")) {
        top.monthOrDate("finish_by", *finishBy, version2, inputs.finishBy, inputs.finishByDate);
        if (inputs.finishBy && *inputs.finishBy < firstMonth) {
            refuse(top.placeOf("finish_by"), finishByRefusal(firstMonth));
        }
    }
    top.finish();
    // What only the dates tell (a loan date too early, an event before the first payment) is
    // the engine's to say, in its words.
    if (version2) {
        const PlanOutcome checked = computePlan(inputs);
        if (checked.ending == calc::Ending::Refused) refuse(top.placeOf("plan"), checked.message);
    }
    return inputs;
}

// A byte offset as "line L, column C", both counted from 1.
std::string lineAndColumn(const QByteArray& contents, qsizetype offset) {
    int line = 1;
    int column = 1;
    for (qsizetype index = 0; index < offset && index < contents.size(); ++index) {
        if (contents[index] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

std::variant<QJsonValue, PlanFileError> parseJson(const QByteArray& contents) {
    QJsonParseError parsed{};
    const QJsonDocument document = QJsonDocument::fromJson(contents, &parsed);
    if (parsed.error != QJsonParseError::NoError) {
        return PlanFileError{lineAndColumn(contents, parsed.offset), text(parsed.errorString())};
    }
    return document.isObject() ? QJsonValue(document.object()) : QJsonValue();
}

std::variant<PlanInputs, PlanFileError> readPlanObject(const QJsonValue& value,
                                                       const std::string& path) {
    try {
        return readPlan(value, path);
    } catch (const Refusal& refusal) {
        return refusal.error;
    }
}

std::variant<PlanInputs, PlanFileError> parsePlanFile(const QByteArray& contents) {
    auto parsed = parseJson(contents);
    if (auto* error = std::get_if<PlanFileError>(&parsed)) return *error;
    return readPlanObject(std::get<QJsonValue>(parsed));
}

}  // namespace brisanel::plan
