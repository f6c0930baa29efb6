#include "cli/run.h"

#include <QString>
#include <optional>
#include <ostream>
#include <variant>

#include "calc/emi.h"
#include "calc/interest.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"
#include "cli/apr_command.h"
#include "cli/compare_command.h"
#include "cli/help.h"
#include "cli/output.h"
#include "cli/plan_command.h"
#include "details/growth.h"
#include "details/schedule.h"
#include "export/list_file.h"
#include "numeric/failure.h"

namespace brisanel::cli {

namespace {

/// A value of the csv and json formats: a number's full-precision text, or a plain text.
struct Value {
    std::string name;
    std::string text;
    bool isText = false;
};

/// Why a calculation ends without results, or with only some of them.
struct Stop {
    std::string message;
    int status;
};

/// What a calculation has to show and to save.
struct Report {
    std::string name;                                        // the subcommand
    std::vector<std::pair<std::string, std::string>> boxes;  // caption, the box's text
    std::vector<Value> values;
    std::string_view title;   // of the saved file
    std::string_view header;  // of the details list
    details::TextLines lines;
    std::string rowsName;  // "schedule" or "growth"
    std::vector<std::string> rowColumns;
    std::vector<std::vector<std::string>> rows;
    /// Set when the calculation stopped after some results: they are shown, nothing is saved.
    std::optional<Stop> stop;
};

using Outcome = std::variant<Report, Stop>;

constexpr std::string_view kProgram = "brisanel-calc";

// A failure that the window reports without a message still needs saying here.
std::string describe(numeric::Failure failure) {
    return std::string("the calculation stopped: ") + numeric::ArithmeticError(failure).what();
}

Stop stopOf(const calc::Outcome& outcome) {
    switch (outcome.ending) {
        case calc::Ending::Refused:
            return {std::string(outcome.message), kExitRefused};
        case calc::Ending::Failed:
            return {std::string(outcome.message), kExitFailed};
        default:
            return {describe(outcome.failure.value_or(numeric::Failure::InvalidOperation)),
                    kExitFailed};
    }
}

Value number(std::string name, double value) {
    return {std::move(name), fullPrecision(value)};
}

Value whole(std::string name, int value) {
    return {std::move(name), std::to_string(value)};
}

bool wantsRows(const Request& request) {
    return request.details && request.format != Format::Text;
}

Outcome interestReport(const Request& request) {
    const auto rule = interestRuleNamed(request.value("rule")).value_or(calc::InterestRule::Simple);
    const calc::InterestInputs inputs{request.value("principal"), request.value("months"),
                                      request.value("rate")};
    const calc::InterestOutcome out = calc::computeInterest(rule, inputs);
    if (out.failed()) return stopOf(out);

    const calc::InterestFigures& figures = *out.figures;
    Report report;
    report.name = "interest";
    report.boxes = {{"Interest", *out.interest}, {"Gross amount", *out.grossAmount}};
    report.values = {number("interest", figures.interest),
                     number("gross_amount", figures.grossAmount)};
    return report;
}

Outcome emiReport(const Request& request) {
    const calc::EmiInputs inputs{request.value("principal"), request.value("months"),
                                 request.value("start-after"), request.value("rate")};
    const calc::EmiOutcome out = calc::computeEmi(inputs);
    if (out.failed()) return stopOf(out);

    const calc::EmiTotals& totals = *out.totals;
    Report report;
    report.name = "emi";
    report.boxes = {{"Calculated EMI", *out.emi},
                    {"Gross Interest", *out.grossInterest},
                    {"Gross Recovery", *out.grossRecovery}};
    report.values = {number("emi", out.figures->amount),
                     number("gross_interest", totals.grossInterest),
                     number("gross_recovery", totals.grossRecovery),
                     number("principal_after_wait", out.figures->principal)};
    report.title = saving::kScheduleTitle;
    report.header = details::kScheduleHeader;
    report.rowsName = "schedule";
    report.rowColumns = scheduleColumns();
    if (request.details || request.saveName) {
        const calc::ScheduleOutcome schedule = calc::emiSchedule(*out.figures);
        if (schedule.failed()) return stopOf(schedule);
        report.lines = details::scheduleLines(schedule.rows);
        if (wantsRows(request)) report.rows = scheduleTexts(schedule.rows);
    }
    return report;
}

Outcome recoveryReport(const Request& request) {
    const calc::RecoveryInputs inputs{request.value("principal"), request.value("rate"),
                                      request.value("start-after"), request.value("emi")};
    calc::RecoveryOutcome out = calc::computeRecovery(inputs);
    if (out.failed()) return stopOf(out);

    const calc::RecoveryFigures& figures = *out.figures;
    Report report;
    report.name = "recovery";
    report.boxes = {{"Recovery months", *out.months},
                    {"Gross Recovery", *out.grossRecovery},
                    {"Gross Interest", *out.grossInterest}};
    report.values = {whole("months", figures.months),
                     number("gross_recovery", figures.grossRecovery),
                     number("gross_interest", figures.grossInterest),
                     number("principal_after_wait", figures.principalAfterWait)};
    report.title = saving::kScheduleTitle;
    report.header = details::kScheduleHeader;
    report.lines = details::scheduleLines(*out.rows);
    report.rowsName = "schedule";
    report.rowColumns = scheduleColumns();
    if (wantsRows(request)) report.rows = scheduleTexts(*out.rows);
    return report;
}

Outcome rateReport(const Request& request) {
    const auto period = periodNamed(request.value("compounding")).value_or(details::Period::Simple);
    const calc::RateInputs inputs{request.value("principal"), request.value("amount"),
                                  request.value("duration"), period};
    calc::RateOutcome out = calc::findRate(inputs);
    // The rates stand once both are found; only the growth table can stop after them, at its
    // period limit or on a failure, and that matters only when the table is asked for or saved.
    if (!out.figures) return stopOf(out);

    const calc::RateFigures& figures = *out.figures;
    Report report;
    report.name = "rate";
    report.boxes = {{"Interest rate " + *out.unitWord, *out.ratePerPeriod},
                    {"Interest rate per Annum", *out.annualRate}};
    report.values = {number("rate_per_period_percent", figures.ratePerPeriodPercent),
                     number("annual_rate_percent", figures.annualRatePercent),
                     {"unit", *out.unitWord, true}};
    report.title = saving::kGrowthTitle;
    report.header = details::kGrowthHeader;
    report.lines = details::growthLines(*out.growth, period);
    report.rowsName = "growth";
    report.rowColumns = growthColumns();
    if (wantsRows(request)) report.rows = growthTexts(*out.growth);
    if (out.failed() && (request.details || request.saveName)) report.stop = stopOf(out);
    return report;
}

Outcome reportOf(const Request& request) {
    switch (request.command) {
        case Command::Interest:
            return interestReport(request);
        case Command::Emi:
            return emiReport(request);
        case Command::Recovery:
            return recoveryReport(request);
        case Command::Rate:
            return rateReport(request);
        case Command::Plan:
        case Command::Apr:
        case Command::Compare:
            break;  // run by runPlan, runApr and runCompare
    }
    return Stop{"unknown command", kExitRefused};
}

void writeText(const Report& report, bool details, std::ostream& out) {
    for (const auto& [caption, text] : report.boxes) {
        out << caption << ':' << (text.empty() ? "" : " ") << text << '\n';
    }
    if (!details) return;
    out << '\n' << report.header << '\n';
    for (std::string_view line : report.lines) out << line << '\n';
}

void writeCsv(const Report& report, bool details, std::ostream& out) {
    if (details) {
        out << csvTable(report.rowColumns, report.rows);
        return;
    }
    std::vector<std::string> names;
    std::vector<std::string> texts;
    for (const Value& value : report.values) {
        names.push_back(value.name);
        texts.push_back(value.text);
    }
    out << csvRecord(names) << csvRecord(texts);
}

void writeJson(const Report& report, bool details, std::ostream& out) {
    std::vector<std::pair<std::string, std::string>> results;
    for (const Value& value : report.values) {
        results.emplace_back(value.name, value.isText ? jsonString(value.text) : value.text);
    }
    out << "{\n  " << jsonString("command") << ": " << jsonString(report.name) << ",\n  "
        << jsonString("results") << ": " << jsonObject(results);
    if (details) {
        out << ",\n  " << jsonString(report.rowsName) << ": [";
        for (std::size_t i = 0; i < report.rows.size(); ++i) {
            std::vector<std::pair<std::string, std::string>> members;
            for (std::size_t column = 0; column < report.rowColumns.size(); ++column) {
                members.emplace_back(report.rowColumns[column], report.rows[i][column]);
            }
            out << (i == 0 ? "\n    " : ",\n    ") << jsonObject(members);
        }
        out << (report.rows.empty() ? "]" : "\n  ]");
    }
    out << "\n}\n";
}

// The window's save without its dialogs: an existing file is replaced only when forced, and
// every message goes to standard error.
class OptionConversation final : public saving::SaveConversation {
public:
    OptionConversation(bool force, std::ostream& err) : force_(force), err_(err) {}

    bool replaceExisting(const QString& fileName) override {
        if (!force_) {
            complain(err_, fileName.toStdString() + " already exists; add --force to replace it.");
        }
        return force_;
    }

    void tell(saving::SaveNotice notice, const QString& text) override {
        if (notice != saving::SaveNotice::Saved) complain(err_, text.toStdString());
    }

private:
    bool force_;
    std::ostream& err_;
};

int save(const Report& report, const std::string& typedName, bool force, std::ostream& err) {
    OptionConversation conversation(force, err);
    const bool saved = saving::saveList(QString::fromLocal8Bit(typedName),
                                        {report.title, report.header, report.lines}, conversation);
    return saved ? kExitOk : kExitNotSaved;
}

}  // namespace

int run(const Request& request, std::ostream& out, std::ostream& err) {
    if (request.command == Command::Plan) return runPlan(request, out, err);
    if (request.command == Command::Apr) return runApr(request, out, err);
    if (request.command == Command::Compare) return runCompare(request, out, err);
    const Outcome outcome = reportOf(request);
    if (const Stop* stop = std::get_if<Stop>(&outcome)) {
        complain(err, stop->message);
        return stop->status;
    }
    const Report& report = std::get<Report>(outcome);
    switch (request.format) {
        case Format::Text:
            writeText(report, request.details, out);
            break;
        case Format::Csv:
            writeCsv(report, request.details, out);
            break;
        case Format::Json:
            writeJson(report, request.details, out);
            break;
    }
    if (!flushed(out, err)) return kExitNotWritten;
    // As in the window: the results so far are shown, then the message.
    if (report.stop) {
        complain(err, report.stop->message);
        return report.stop->status;
    }
    if (request.saveName) return save(report, *request.saveName, request.force, err);
    return kExitOk;
}

int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err) {
    const ParsedCommandLine parsed = parseCommandLine(arguments);
    if (const auto* help = std::get_if<HelpRequest>(&parsed)) {
        out << (help->command ? commandHelp(*help->command) : programHelp());
        return kExitOk;
    }
    if (std::holds_alternative<VersionRequest>(parsed)) {
        out << kProgram << ' ' << BRISANEL_VERSION << '\n';
        return kExitOk;
    }
    if (const auto* error = std::get_if<UsageError>(&parsed)) {
        complain(err, error->message);
        if (error->command) {
            err << usageLine(*error->command) << '\n'
                << "Try '" << kProgram << ' ' << definitionOf(*error->command).name
                << " --help'.\n";
        } else {
            err << "Try '" << kProgram << " --help'.\n";
        }
        return kExitRefused;
    }
    return run(std::get<Request>(parsed), out, err);
}

}  // namespace brisanel::cli
