#include "cli/plan_command.h"

#include <QString>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <variant>

#include "cli/cost_output.h"
#include "cli/output.h"
#include "cli/run.h"
#include "numeric/number_rules.h"
#include "plan/month_number.h"
#include "plan/offer.h"
#include "plan/payment_dates.h"
#include "plan/plan.h"
#include "plan/plan_file.h"
#include "plan/plan_table.h"
#include "plan/words.h"
#include "plan/year_summary.h"

namespace brisanel::cli {

namespace {

using plan::Event;
using plan::EventKind;

// A malformed option value; its text is the message.
struct Malformed {
    std::string message;
};

std::string upper(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// "AMOUNT", "AMOUNT@MONTH" or, for a monthly extra, "AMOUNT@FROM-TO".
Event parseEvent(const plan::KindWords& words, const std::string& text) {
    const EventKind kind = words.kind;
    const std::string_view option = words.option;
    const auto fail = [&](std::string_view problem) -> Malformed {
        return {"--" + std::string(option) + " " + text + ": " + std::string(problem)};
    };
    const std::size_t at = text.find('@');
    const std::string_view amount = std::string_view(text).substr(0, at);
    if (!numeric::isNumeric(amount)) throw fail("the amount is not a number");
    Event event{kind, numeric::readNumber(amount), std::nullopt, std::nullopt};
    const bool monthly = kind == EventKind::MonthlyExtra;
    if (at == std::string::npos) {
        if (!monthly) throw fail("the month is missing (" + upper(words.value) + "@MONTH)");
        return event;
    }
    std::string_view months = std::string_view(text).substr(at + 1);
    // A date (YYYY-MM-DD) may stand for a month; the dash between two is the one after it.
    const bool byDate = months.size() >= 10 && months[4] == '-' && months[7] == '-';
    const std::size_t dash = !monthly ? std::string_view::npos
                             : byDate ? (months.size() > 10 ? 10 : std::string_view::npos)
                                      : months.find('-', 1);
    if (byDate) {
        event.date = plan::readDate(months.substr(0, dash));
        if (!event.date) throw fail("the date is not a date (YYYY-MM-DD)");
    } else {
        event.month = plan::readMonth(months.substr(0, dash));
        if (!event.month) throw fail("the month " + std::string(plan::kNotAMonth));
    }
    if (dash != std::string_view::npos) {
        const std::string_view last = months.substr(dash + 1);
        if (byDate) {
            event.untilDate = plan::readDate(last);
            if (!event.untilDate) throw fail("the last date is not a date (YYYY-MM-DD)");
            if (*event.untilDate < *event.date) throw fail("the last date is before the first");
        } else {
            event.until = plan::readMonth(last);
            if (!event.until) throw fail("the last month " + std::string(plan::kNotAMonth));
            if (*event.until < *event.month) throw fail("the last month is before the first");
        }
    }
    return event;
}

// The plan file, if any, with the options given beside it laid over it.
plan::PlanInputs specOf(const Request& request) {
    plan::PlanInputs inputs;
    const bool fromFile = request.has("plan");
    if (fromFile) {
        auto read = plan::readPlanFile(QString::fromLocal8Bit(std::string(request.value("plan"))));
        if (auto* message = std::get_if<std::string>(&read)) throw Malformed{*message};
        inputs = std::get<plan::PlanInputs>(std::move(read));
    }
    for (const char* required : {"principal", "rate"}) {
        if (!fromFile && !request.has(required))
            throw Malformed{"missing --" + std::string(required)};
    }
    if (request.has("principal")) inputs.loan.principal = request.value("principal");
    if (request.has("rate")) inputs.loan.rate = request.value("rate");
    if (request.has("start-after")) inputs.loan.startAfter = request.value("start-after");
    if (request.has("months") || request.has("payments")) {
        inputs.loan.months = request.value(request.has("months") ? "months" : "payments");
        inputs.loan.instalment.reset();
    } else if (request.has("emi")) {
        inputs.loan.instalment = request.value("emi");
        inputs.loan.months.reset();
    } else if (!fromFile) {
        throw Malformed{"missing --months, --payments or --emi"};
    }
    for (const plan::KindWords& words : plan::kEventKinds) {
        for (const std::string& text : request.list(std::string(words.option))) {
            inputs.events.push_back(parseEvent(words, text));
        }
    }
    if (request.has("keep")) {
        // The option's value was checked against the words when the command line was read.
        if (const auto* policy = plan::policyNamed(request.value("keep"))) {
            inputs.policy = policy->policy;
        }
    }
    if (request.has("finish-by")) {
        const std::string_view text = request.value("finish-by");
        if (const auto date = plan::readDate(text)) {
            inputs.finishByDate = date;
            inputs.finishBy.reset();
        } else {
            inputs.finishBy = plan::readMonth(text);
            if (!inputs.finishBy)
                throw Malformed{"--finish-by " + std::string(text) + ": the month " +
                                std::string(plan::kNotAMonth)};
        }
    }
    // The lender's schedule; the words were checked when the command line was read.
    plan::ScheduleOptions& schedule = inputs.schedule;
    if (request.has("frequency")) {
        schedule.frequency = plan::named(plan::kFrequencies, request.value("frequency"))->frequency;
    }
    if (request.has("day-count")) {
        schedule.dayCount = plan::named(plan::kDayCounts, request.value("day-count"))->dayCount;
    }
    if (request.has("first-payment"))
        schedule.firstPayment = plan::readDate(request.value("first-payment"));
    if (request.has("loan-date")) schedule.loanDate = plan::readDate(request.value("loan-date"));
    if (request.has("year-start")) {
        schedule.years = *plan::readYearStart(request.value("year-start"));
        if (schedule.years.kind != plan::YearStart::Kind::Loan && !schedule.firstPayment) {
            throw Malformed{"--year-start " + std::string(request.value("year-start")) +
                            " needs --first-payment"};
        }
    }
    // The fees and the offer's name.
    plan::Fees& fees = inputs.fees;
    for (const auto& [option, fee] :
         {std::pair{"fee", &fees.upfront}, std::pair{"financed-fee", &fees.financed}}) {
        if (!request.has(option)) continue;
        auto read = readFee(option, request.value(option), true);
        if (auto* message = std::get_if<std::string>(&read)) throw Malformed{*message};
        const plan::FeeAmount amount = std::get<plan::FeeAmount>(read);
        *fee = amount.value > 0 ? std::optional(amount) : std::nullopt;
    }
    for (const auto& [option, fee] :
         {std::pair{"per-payment-fee", &fees.perPayment}, std::pair{"yearly-fee", &fees.yearly},
          std::pair{"exit-fee", &fees.exit}}) {
        if (!request.has(option)) continue;
        auto read = readFee(option, request.value(option), false);
        if (auto* message = std::get_if<std::string>(&read)) throw Malformed{*message};
        *fee = std::get<plan::FeeAmount>(read).value;
    }
    if (request.has("name")) inputs.name = request.value("name");
    if (request.has("accelerated")) schedule.accelerated = true;
    if (request.has("rounding")) {
        schedule.rounding = plan::named(plan::kRoundings, request.value("rounding"))->rounding;
    }
    if (request.has("round-instalment")) {
        schedule.instalmentRule =
            plan::named(plan::kInstalmentRules, request.value("round-instalment"))->rule;
    }
    if (request.has("balloon")) {
        const std::string_view text = request.value("balloon");
        if (!numeric::isNumeric(text)) {
            throw Malformed{"--balloon " + std::string(text) + ": the amount is not a number"};
        }
        schedule.balloon = numeric::readNumber(text);
    }
    if (request.has("interest-only")) {
        const std::string_view text = request.value("interest-only");
        const auto periods = plan::readMonth(text);
        if (!periods) {
            throw Malformed{"--interest-only " + std::string(text) + ": the periods " +
                            std::string(plan::kNotAMonth)};
        }
        schedule.interestOnly = *periods;
    }
    return inputs;
}

// The summary's years as --year-start counts them.
plan::YearRows yearsOf(const plan::PlanResult& result) {
    return plan::yearSummary(result);
}

// A figure's caption, counting the plan's periods: "Weeks" and "End week" for a weekly plan.
std::string captionOf(const plan::FigureRow& figure, plan::Frequency frequency) {
    const plan::FrequencyWords& words = plan::wordsOf(frequency);
    if (frequency == plan::Frequency::Monthly || figure.kind == plan::FigureRow::Kind::Amount) {
        return std::string(figure.caption);
    }
    if (figure.kind == plan::FigureRow::Kind::Count) return std::string(words.periods);
    return "End " + std::string(words.period);
}

void writeText(const plan::PlanResult& result, const Request& request,
               const std::optional<plan::CreditCost>& cost, std::ostream& out) {
    const plan::Totals& base = result.base.totals;
    const plan::Totals& planned = result.plan.totals;
    const plan::Frequency frequency = result.frequency;
    const plan::FrequencyWords& words = plan::wordsOf(frequency);
    const bool withDates = plan::hasDates(result.plan.rows);
    const std::vector<int> side{-16, 14, 14};
    out << alignedRow({"", "Base", "Plan"}, side);
    for (const plan::FigureRow& figure : plan::kFigureRows) {
        const auto shown = [&figure](const plan::Totals& totals) {
            const double value = figure.value(totals);
            return figure.kind == plan::FigureRow::Kind::Amount
                       ? twoDecimals(value)
                       : std::to_string(static_cast<int>(value));
        };
        out << alignedRow({captionOf(figure, frequency), shown(base), shown(planned)}, side);
    }
    if (withDates) {
        out << alignedRow({"End date", plan::isoDate(base.endDate), plan::isoDate(planned.endDate)},
                          side);
    }
    out << '\n'
        << words.periods << " saved: " << result.monthsSaved
        << "\nInterest saved: " << twoDecimals(result.interestSaved) << '\n';
    if (result.extraNeeded)
        out << "Extra per " << words.period << " needed: " << twoDecimals(*result.extraNeeded)
            << '\n';
    if (const auto warning = result.warning()) out << "Warning: " << *warning << '\n';
    for (const std::string& note : result.unreached()) out << "Note: " << note << '\n';
    if (cost) {
        out << '\n';
        writeCostText(*cost, out);
    }
    if (request.details) {
        std::vector<int> widths{6, 14, 12, 12, 12, 12, 14, 7};
        std::vector<std::string> header{std::string(words.period),
                                        "Opening",
                                        "Interest",
                                        "Instalment",
                                        "Extra",
                                        "Principal",
                                        "Closing",
                                        "Rate"};
        header[0][0] = static_cast<char>(std::toupper(static_cast<unsigned char>(header[0][0])));
        if (withDates) {
            widths.insert(widths.begin() + 1, 11);
            header.insert(header.begin() + 1, "Date");
        }
        out << '\n' << alignedRow(header, widths);
        for (const plan::PlanRow& month : result.plan.rows) {
            std::vector<std::string> fields{
                std::to_string(month.month),       twoDecimals(month.openingBalance),
                twoDecimals(month.interest),       twoDecimals(month.instalment),
                twoDecimals(month.extra),          twoDecimals(month.principalRepaid),
                twoDecimals(month.closingBalance), saving::fullPrecision(month.annualRate)};
            if (withDates) fields.insert(fields.begin() + 1, plan::isoDate(month.date));
            out << alignedRow(fields, widths);
        }
    } else if (request.byYear) {
        const std::vector<int> widths{withDates ? 7 : 4, 6, 6, 14, 12, 12, 14, 14, 14};
        out << '\n'
            << alignedRow({"Year", "From", "To", "Instalments", "Extras", "Interest", "Principal",
                           "Closing", "Interest so far"},
                          widths);
        for (const plan::YearRow& year : yearsOf(result)) {
            out << alignedRow(
                {withDates ? year.label : std::to_string(year.year),
                 std::to_string(year.firstMonth), std::to_string(year.lastMonth),
                 twoDecimals(year.instalments), twoDecimals(year.extras),
                 twoDecimals(year.interest), twoDecimals(year.principalRepaid),
                 twoDecimals(year.closingBalance), twoDecimals(year.cumulativeInterest)},
                widths);
        }
    }
}

// The rows asked for, as columns and texts at full precision.
std::pair<std::vector<std::string>, saving::TextRows> rowTexts(const plan::PlanResult& result,
                                                               const Request& request) {
    const bool withDates = plan::hasDates(result.plan.rows);
    if (request.details) {
        return {plan::monthColumns(withDates), plan::monthTexts(result.plan.rows, withDates)};
    }
    return {plan::yearColumns(withDates), plan::yearTexts(yearsOf(result), withDates)};
}

void writeCsv(const plan::PlanResult& result, const Request& request,
              const std::optional<plan::CreditCost>& cost, std::ostream& out) {
    if (request.details || request.byYear) {
        const auto [columns, texts] = rowTexts(result, request);
        out << csvTable(columns, texts);
        return;
    }
    std::vector<std::string> names;
    std::vector<std::string> values;
    for (const auto& [prefix, totals] :
         {std::pair{"base_", &result.base.totals}, std::pair{"plan_", &result.plan.totals}}) {
        for (const std::string& column : plan::totalsColumns()) names.push_back(prefix + column);
        for (std::string& text : plan::totalsTexts(*totals)) values.push_back(std::move(text));
    }
    names.insert(names.end(), {"months_saved", "interest_saved"});
    values.insert(values.end(),
                  {std::to_string(result.monthsSaved), fullPrecision(result.interestSaved)});
    if (result.extraNeeded) {
        names.emplace_back("extra_needed");
        values.push_back(fullPrecision(*result.extraNeeded));
    }
    if (cost) {
        for (std::string& column : costColumns()) names.push_back(std::move(column));
        for (std::string& text : costTexts(*cost)) values.push_back(std::move(text));
    }
    out << csvRecord(names) << csvRecord(values);
}

// The columns whose values are texts, not numbers.
bool textColumn(std::string_view column) {
    return column == "date" || column == "label" || column == "first_date" || column == "last_date";
}

void writeJson(const plan::PlanResult& result, const Request& request,
               const std::optional<plan::CreditCost>& cost, std::ostream& out) {
    const bool withDates = plan::hasDates(result.plan.rows);
    const plan::Frequency frequency = result.frequency;
    out << "{\n  \"command\": \"plan\",";
    // A plan on the default schedule keeps the fields it always had.
    if (withDates || frequency != plan::Frequency::Monthly) {
        out << "\n  \"frequency\": " << jsonString(plan::wordsOf(frequency).word) << ',';
    }
    out << "\n  \"base\": " << totalsJson(result.base.totals, withDates)
        << ",\n  \"plan\": " << totalsJson(result.plan.totals, withDates) << ",\n  \"saved\": "
        << jsonObject({{"months", std::to_string(result.monthsSaved)},
                       {"interest", fullPrecision(result.interestSaved)}});
    if (result.extraNeeded) out << ",\n  \"extra_needed\": " << fullPrecision(*result.extraNeeded);
    if (cost) out << ",\n  \"cost\": " << costJson(*cost);
    if (const auto warning = result.warning()) out << ",\n  \"warning\": " << jsonString(*warning);
    if (const std::vector<std::string> notes = result.unreached(); !notes.empty()) {
        out << ",\n  \"notes\": [";
        for (std::size_t i = 0; i < notes.size(); ++i) {
            out << (i == 0 ? "" : ", ") << jsonString(notes[i]);
        }
        out << "]";
    }
    if (request.details || request.byYear) {
        const auto [columns, texts] = rowTexts(result, request);
        out << ",\n  \"rows\": [";
        for (std::size_t i = 0; i < texts.size(); ++i) {
            std::vector<std::pair<std::string, std::string>> members;
            for (std::size_t column = 0; column < columns.size(); ++column) {
                const std::string& text = texts[i][column];
                members.emplace_back(columns[column],
                                     textColumn(columns[column]) ? jsonString(text) : text);
            }
            out << (i == 0 ? "\n    " : ",\n    ") << jsonObject(members);
        }
        out << (texts.empty() ? "]" : "\n  ]");
    }
    out << "\n}\n";
}

}  // namespace

int runPlan(const Request& request, std::ostream& out, std::ostream& err) {
    plan::PlanInputs inputs;
    try {
        inputs = specOf(request);
    } catch (const Malformed& malformed) {
        complain(err, malformed.message);
        return kExitRefused;
    }
    const plan::PlanOutcome outcome = plan::computePlan(inputs);
    if (!outcome.result) {
        complain(err, outcome.message);
        return outcome.ending == calc::Ending::Refused ? kExitRefused : kExitFailed;
    }
    const plan::PlanResult& result = *outcome.result;
    // The cost of credit when there are fees or a method is asked for.
    std::optional<plan::CreditCost> cost;
    if (inputs.fees.any() || request.has("apr")) {
        const auto method = plan::methodNamed(request.value("apr")).value_or(plan::AprMethod::Eu);
        cost = plan::planCost(inputs, result, method);
    }
    switch (request.format) {
        case Format::Text:
            writeText(result, request, cost, out);
            break;
        case Format::Csv:
            writeCsv(result, request, cost, out);
            break;
        case Format::Json:
            writeJson(result, request, cost, out);
            break;
    }
    if (!flushed(out, err)) return kExitNotWritten;
    // The plan as a file, for the window and --plan: only one the engine takes.
    if (request.has("write-plan")) {
        const QString name = QString::fromLocal8Bit(std::string(request.value("write-plan")));
        if (const auto reason = plan::writePlanFile(name, inputs)) {
            complain(err, "--write-plan " + std::string(request.value("write-plan")) + ": " +
                              reason->toStdString());
            return kExitNotSaved;
        }
    }
    if (result.limitReached()) {
        for (const plan::Note& note : result.notes) {
            if (note.kind == plan::NoteKind::NotRepaid) complain(err, note.text);
        }
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace brisanel::cli
