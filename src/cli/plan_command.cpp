#include "cli/plan_command.h"

#include <QString>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <variant>

#include "cli/output.h"
#include "cli/run.h"
#include "numeric/number_rules.h"
#include "plan/month_number.h"
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
    // The dash between the months, not a sign in front of the first.
    const std::size_t dash = monthly ? months.find('-', 1) : std::string_view::npos;
    event.month = plan::readMonth(months.substr(0, dash));
    if (!event.month) throw fail("the month " + std::string(plan::kNotAMonth));
    if (dash != std::string_view::npos) {
        event.until = plan::readMonth(months.substr(dash + 1));
        if (!event.until) throw fail("the last month " + std::string(plan::kNotAMonth));
        if (*event.until < *event.month) throw fail("the last month is before the first");
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
    if (request.has("months")) {
        inputs.loan.months = request.value("months");
        inputs.loan.instalment.reset();
    } else if (request.has("emi")) {
        inputs.loan.instalment = request.value("emi");
        inputs.loan.months.reset();
    } else if (!fromFile) {
        throw Malformed{"missing --months or --emi"};
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
        const auto month = plan::readMonth(request.value("finish-by"));
        if (!month)
            throw Malformed{"--finish-by " + std::string(request.value("finish-by")) +
                            ": the month " + std::string(plan::kNotAMonth)};
        inputs.finishBy = month;
    }
    return inputs;
}

std::string twoDecimals(double value) {
    std::array<char, 400> text{};
    std::snprintf(text.data(), text.size(), "%.2f", value);
    return text.data();
}

// Fields of at least `width` characters, right-aligned; a negative width aligns to the left.
std::string row(const std::vector<std::string>& fields, const std::vector<int>& widths) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t width = static_cast<std::size_t>(std::abs(widths[i]));
        const std::size_t padding = fields[i].size() < width ? width - fields[i].size() : 0;
        if (i > 0) line += ' ';
        if (widths[i] > 0) line.append(padding, ' ');
        line += fields[i];
        if (widths[i] < 0 && i + 1 < fields.size()) line.append(padding, ' ');
    }
    return line + '\n';
}

void writeText(const plan::PlanResult& result, const Request& request, std::ostream& out) {
    const plan::Totals& base = result.base.totals;
    const plan::Totals& planned = result.plan.totals;
    const std::vector<int> side{-16, 14, 14};
    out << row({"", "Base", "Plan"}, side);
    for (const plan::FigureRow& figure : plan::kFigureRows) {
        const auto shown = [&figure](const plan::Totals& totals) {
            const double value = figure.value(totals);
            return figure.kind == plan::FigureRow::Kind::Amount
                       ? twoDecimals(value)
                       : std::to_string(static_cast<int>(value));
        };
        out << row({std::string(figure.caption), shown(base), shown(planned)}, side);
    }
    out << "\nMonths saved: " << result.monthsSaved
        << "\nInterest saved: " << twoDecimals(result.interestSaved) << '\n';
    if (result.extraNeeded)
        out << "Extra per month needed: " << twoDecimals(*result.extraNeeded) << '\n';
    if (const auto warning = result.warning()) out << "Warning: " << *warning << '\n';
    for (const std::string& note : result.unreached()) out << "Note: " << note << '\n';
    if (request.details) {
        const std::vector<int> widths{6, 14, 12, 12, 12, 12, 14, 7};
        out << '\n'
            << row({"Month", "Opening", "Interest", "Instalment", "Extra", "Principal", "Closing",
                    "Rate"},
                   widths);
        for (const plan::PlanRow& month : result.plan.rows) {
            out << row({std::to_string(month.month), twoDecimals(month.openingBalance),
                        twoDecimals(month.interest), twoDecimals(month.instalment),
                        twoDecimals(month.extra), twoDecimals(month.principalRepaid),
                        twoDecimals(month.closingBalance), saving::fullPrecision(month.annualRate)},
                       widths);
        }
    } else if (request.byYear) {
        const std::vector<int> widths{4, 6, 6, 14, 12, 12, 14, 14, 14};
        out << '\n'
            << row({"Year", "From", "To", "Instalments", "Extras", "Interest", "Principal",
                    "Closing", "Interest so far"},
                   widths);
        for (const plan::YearRow& year : plan::yearSummary(result.plan.rows, result.firstMonth)) {
            out << row({std::to_string(year.year), std::to_string(year.firstMonth),
                        std::to_string(year.lastMonth), twoDecimals(year.instalments),
                        twoDecimals(year.extras), twoDecimals(year.interest),
                        twoDecimals(year.principalRepaid), twoDecimals(year.closingBalance),
                        twoDecimals(year.cumulativeInterest)},
                       widths);
        }
    }
}

// The rows asked for, as columns and texts at full precision.
std::pair<std::vector<std::string>, saving::TextRows> rowTexts(const plan::PlanResult& result,
                                                               const Request& request) {
    if (request.details) return {plan::monthColumns(), plan::monthTexts(result.plan.rows)};
    return {plan::yearColumns(),
            plan::yearTexts(plan::yearSummary(result.plan.rows, result.firstMonth))};
}

void writeCsv(const plan::PlanResult& result, const Request& request, std::ostream& out) {
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
    out << csvRecord(names) << csvRecord(values);
}

std::string totalsJson(const plan::Totals& totals) {
    std::vector<std::pair<std::string, std::string>> members;
    const std::vector<std::string> columns = plan::totalsColumns();
    const std::vector<std::string> texts = plan::totalsTexts(totals);
    for (std::size_t i = 0; i < columns.size(); ++i) members.emplace_back(columns[i], texts[i]);
    return jsonObject(members);
}

void writeJson(const plan::PlanResult& result, const Request& request, std::ostream& out) {
    out << "{\n  \"command\": \"plan\",\n  \"base\": " << totalsJson(result.base.totals)
        << ",\n  \"plan\": " << totalsJson(result.plan.totals) << ",\n  \"saved\": "
        << jsonObject({{"months", std::to_string(result.monthsSaved)},
                       {"interest", fullPrecision(result.interestSaved)}});
    if (result.extraNeeded) out << ",\n  \"extra_needed\": " << fullPrecision(*result.extraNeeded);
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
                members.emplace_back(columns[column], texts[i][column]);
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
    switch (request.format) {
        case Format::Text:
            writeText(result, request, out);
            break;
        case Format::Csv:
            writeCsv(result, request, out);
            break;
        case Format::Json:
            writeJson(result, request, out);
            break;
    }
    out.flush();
    if (!out) {
        complain(err, "the results could not be written to standard output");
        return kExitNotWritten;
    }
    if (result.limitReached()) {
        complain(err, plan::kNotRepaid);
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace brisanel::cli
