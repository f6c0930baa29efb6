#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "plan/cost.h"
#include "plan/payment_dates.h"
#include "plan/words.h"
#include "plan/year_summary.h"

namespace brisanel::cli {

namespace {

constexpr OptionDefinition kFormat{
    "format", "FORMAT", "text", false,
    "text (the boxes' texts and the list's lines), csv or json (full "
    "precision)"};
constexpr OptionDefinition kSave{
    "save", "NAME", "", false,
    "save the details list as NAME.txt, as the window's \"Save List\" does"};
// apr and compare print figures with their captions; they have no boxes and no list.
constexpr OptionDefinition kFiguresFormat{
    "format", "FORMAT", "text", false,
    "text (the figures with their captions), csv or json (full precision)"};
constexpr OptionDefinition kForce{"force", "", "", false, "with --save, replace an existing file"};
constexpr OptionDefinition kHelp{"help", "", "", false, "show this help"};

constexpr OptionDefinition kStartAfter{"start-after", "MONTHS", "0", false,
                                       "repayment starts after this many whole months"};

constexpr OptionDefinition kApr{
    "apr", "METHOD", "", false,
    "eu (the default: the EU and UK effective annual rate, one decimal) or us (Regulation Z, "
    "the actuarial rate, two decimals)"};

std::vector<CommandDefinition> buildDefinitions() {
    return {
        {Command::Interest,
         "interest",
         "The interest a principal earns over some months, and the gross amount.",
         {
             {"principal", "AMOUNT", "", true, "principal loan amount"},
             {"months", "MONTHS", "", true, "months; fractions allowed"},
             {"rate", "PERCENT", "", true, "rate of annual interest (%), above 0 and up to 200"},
             {"rule", "RULE", "", true, "simple, annually, quarterly, monthly or daily"},
             kFormat,
             kHelp,
         }},
        {Command::Emi,
         "emi",
         "The equal monthly instalment that repays a principal, with the gross interest and "
         "recovery.",
         {
             {"principal", "AMOUNT", "", true, "principal loan amount"},
             {"months", "MONTHS", "", true, "repayment duration months, above 0 and up to 1800"},
             {"rate", "PERCENT", "", true, "annual rate (%), above 0 and up to 200"},
             kStartAfter,
             {"schedule", "", "", false, "add the month-by-month reducing balance"},
             kFormat,
             kSave,
             kForce,
             kHelp,
         }},
        {Command::Recovery,
         "recovery",
         "How many months a scheduled instalment takes to repay a principal, with the totals.",
         {
             {"principal", "AMOUNT", "", true, "principal loan amount"},
             {"rate", "PERCENT", "", true,
              "annual rate of interest in percent, above 0 and up to 200"},
             {"emi", "AMOUNT", "", true, "scheduled EMI"},
             kStartAfter,
             {"schedule", "", "", false, "add the month-by-month reducing balance"},
             kFormat,
             kSave,
             kForce,
             kHelp,
         }},
        {Command::Rate,
         "rate",
         "The rate that turned a principal into an amount, per compounding period and per year.",
         {
             {"principal", "AMOUNT", "", true, "principal loan amount"},
             {"amount", "AMOUNT", "", true, "principal with interest"},
             {"duration", "PERIOD", "", true,
              "interest period in months, or in days when compounding daily; whole number"},
             {"compounding", "PERIOD", "", true,
              "simple, yearly, half-yearly, quarterly, monthly or daily"},
             {"growth", "", "", false, "add the period-by-period growth of the principal"},
             kFormat,
             kSave,
             kForce,
             kHelp,
         }},
        {Command::Plan,
         "plan",
         "A loan with extra payments and rate changes, set against the same loan without them.",
         {
             {"principal", "AMOUNT", "", false, "principal loan amount"},
             {"rate", "PERCENT", "", false, "annual rate (%), above 0 and up to 200"},
             {"months", "MONTHS", "", false,
              "repayment duration months: the instalment is the emi command's"},
             {"emi", "AMOUNT", "", false, "the instalment, as the recovery command takes it"},
             {"payments", "N", "", false,
              "the term in payment periods, at any frequency (instead of --months)"},
             {"start-after", "MONTHS", "", false,
              "repayment starts after this many whole periods (0 unless the plan file says)"},
             {"frequency", "FREQUENCY", "", false,
              "monthly (the default), fortnightly, weekly or quarterly; the rate of a period is "
              "the annual rate divided by the payments a year"},
             {"first-payment", "DATE", "", false,
              "the first instalment's date (YYYY-MM-DD); every row then has its date"},
             {"loan-date", "DATE", "", false,
              "the date the loan is paid out (one period before the first by default)"},
             {"day-count", "RULE", "", false,
              "periodic (the default), 30/360, actual/365, actual/360 or actual/actual: a "
              "period's interest for its share of a year between two dates"},
             {"accelerated", "", "", false,
              "fortnightly or weekly, pay half or a quarter of the monthly instalment of the "
              "same loan (--months), so the loan ends sooner"},
             {"rounding", "ROUNDING", "", false,
              "exact (the default, full precision) or cent: every amount in whole cents, each "
              "period's interest rounded half up"},
             {"round-instalment", "RULE", "", false,
              "with --rounding cent, how a worked-out instalment is rounded: nearest (the "
              "default), up to the cent, or unit (up to a whole unit)"},
             {"balloon", "AMOUNT", "", false,
              "still owed after the term's last regular instalment and paid with it"},
             {"interest-only", "PERIODS", "", false,
              "the first PERIODS instalments pay only the interest"},
             {"year-start", "START", "", false,
              "loan (the default), calendar, or MM-DD for a fiscal year (04-06, the UK tax "
              "year), for --by-year"},
             {plan::wordsOf(plan::EventKind::MonthlyExtra).option, "AMOUNT[@FROM[-TO]]", "", false,
              "pay AMOUNT more every period from FROM to TO (the first and last periods of the "
              "loan when left out)",
              true},
             {plan::wordsOf(plan::EventKind::YearlyExtra).option, "AMOUNT@MONTH", "", false,
              "pay AMOUNT more in MONTH and every year after it (12 months, 26 fortnights, 52 "
              "weeks or 4 quarters)",
              true},
             {plan::wordsOf(plan::EventKind::OneTimeExtra).option, "AMOUNT@MONTH", "", false,
              "pay AMOUNT more once, in MONTH", true},
             {plan::wordsOf(plan::EventKind::RateChange).option, "RATE@MONTH", "", false,
              "the annual rate is RATE from MONTH on", true},
             {"keep", "POLICY", "", false,
              "instalment (the loan ends sooner or later; the default) or end (the instalment "
              "is worked out again)"},
             {"finish-by", "MONTH", "", false,
              "show the extra per period, in whole cents, that ends the loan by MONTH (a period) "
              "or by a date (YYYY-MM-DD)"},
             {"schedule", "", "", false, "add one row per month"},
             {"by-year", "", "", false,
              "add one row per year: loan years, or as --year-start counts them"},
             {"fee", "AMOUNT|P%", "", false,
              "a fee paid at signing out of the borrower's pocket: an amount, or a percentage of "
              "the principal (2%)"},
             {"financed-fee", "AMOUNT|P%", "", false,
              "a fee added to the loan: the plan runs on the principal and the fee"},
             {"per-payment-fee", "AMOUNT", "", false,
              "added to every instalment (an account fee, compulsory insurance)"},
             {"yearly-fee", "AMOUNT", "", false,
              "added to the first instalment and to every year's first after it"},
             {"exit-fee", "AMOUNT", "", false, "added to the last payment"},
             kApr,
             {"name", "TEXT", "", false, "the offer's name, kept in the plan file for compare"},
             {"plan", "FILE", "", false,
              "start from a plan file (JSON); the options given add to it or override it"},
             {"write-plan", "FILE", "", false,
              "also write the plan the options describe to FILE as a plan file, whole or not "
              "at all, for the planner window and --plan"},
             {"format", "FORMAT", "text", false,
              "text (the figures side by side, amounts with two decimals), csv or json (full "
              "precision)"},
             kHelp,
         }},
        {Command::Apr,
         "apr",
         "The APR of payments as an offer states them: an advance, a fee and equal payments.",
         {
             {"advance", "AMOUNT", "", true, "the credit the borrower is paid"},
             {"fee", "AMOUNT", "", false, "paid at signing out of the advance (0 when left out)"},
             {"payment", "AMOUNT", "", true, "each payment"},
             {"count", "N", "", true, "how many payments"},
             {"first-amount", "AMOUNT", "", false, "the first payment, when it differs"},
             {"final", "AMOUNT", "", false, "the last payment, when it differs"},
             {"frequency", "FREQUENCY", "", false,
              "monthly (the default), fortnightly, weekly or quarterly"},
             {"start-after", "PERIODS", "0", false,
              "whole periods before the first payment's period"},
             {"loan-date", "DATE", "", false, "the day the credit is paid out (YYYY-MM-DD)"},
             {"first-payment", "DATE", "", false,
              "the first payment's date; the others follow at the frequency"},
             kApr,
             kFiguresFormat,
             kHelp,
         }},
        {Command::Compare,
         "compare",
         "Two to four loan offers, each a plan file, or a comparison file holding them, side by "
         "side: the cheapest marked.",
         {
             {"horizon", "PERIOD|DATE", "", false,
              "also what each offer costs if repaid in full in that period or on the last "
              "payment on or before that date"},
             kApr,
             kFiguresFormat,
             {"write-comparison", "FILE", "", false,
              "also write the offers, the APR method and the horizon to FILE as a comparison "
              "file (.brisanel-compare), whole or not at all, for the comparison window and "
              "compare itself"},
             kHelp,
         },
         "FILE FILE [FILE [FILE]] | COMPARISON"},
    };
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

template <typename T, std::size_t N>
std::optional<T> named(std::string_view name,
                       const std::array<std::pair<std::string_view, T>, N>& names) {
    const std::string wanted = lowered(name);
    for (const auto& [text, value] : names) {
        if (text == wanted) return value;
    }
    return std::nullopt;
}

// The words pass through Qt as Latin-1, which gives every byte back as it came, whatever the
// encoding of the command line.
QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string bytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// Checks a value against the option's list of choices; empty when it is one of them.
std::string refusedChoice(const std::string& option, const std::string& value) {
    bool known = true;
    if (option == "rule") known = interestRuleNamed(value).has_value();
    if (option == "compounding") known = periodNamed(value).has_value();
    if (option == "format") known = value == "text" || value == "csv" || value == "json";
    if (option == "keep") known = plan::policyNamed(value) != nullptr;
    if (option == "frequency") known = plan::named(plan::kFrequencies, value) != nullptr;
    if (option == "day-count") known = plan::named(plan::kDayCounts, value) != nullptr;
    if (option == "apr") known = plan::methodNamed(value).has_value();
    if (option == "rounding") known = plan::named(plan::kRoundings, value) != nullptr;
    if (option == "round-instalment") known = plan::named(plan::kInstalmentRules, value) != nullptr;
    if (option == "year-start") known = plan::readYearStart(value).has_value();
    if (option == "first-payment" || option == "loan-date") {
        known = plan::readDate(value).has_value();
        if (!known) return "--" + option + " " + value + ": not a date (YYYY-MM-DD)";
    }
    if (known) return {};
    return "invalid value '" + value + "' for --" + option;
}

bool repeatable(const CommandDefinition& definition, std::string_view name) {
    return std::ranges::any_of(definition.options, [name](const OptionDefinition& option) {
        return option.name == name && option.repeatable;
    });
}

// The parser tells what it found in the whole list, not where, while the first mistake in the
// list is the one to report (and a --help before any mistake wins). So the list is parsed a word
// longer each time, and each time only the newest word can be wrong. No option has a one-letter
// name, so a "-x" word comes back as unknown short options.
std::optional<ParsedCommandLine> firstMistake(QCommandLineParser& parser,
                                              const CommandDefinition& definition,
                                              const QStringList& words) {
    const auto error = [&definition](std::string message) {
        return UsageError{std::move(message), definition.command};
    };
    qsizetype accepted = 0;  // options found good so far
    qsizetype acceptedOperands = 0;
    for (qsizetype end = 2; end <= words.size(); ++end) {
        parser.parse(words.first(end));
        const std::string word = bytes(words[end - 1]);
        if (!parser.unknownOptionNames().isEmpty()) {
            if (!word.starts_with("--")) return error("unexpected argument '" + word + "'");
            return error("unknown option '--" + bytes(parser.unknownOptionNames().front()) + "'");
        }
        const QStringList found = parser.optionNames();
        // A plain word, or "--", which ends the options for QCommandLineParser; an operand for
        // a command that takes them.
        const qsizetype operands = parser.positionalArguments().size();
        if (!definition.operands.empty() && operands > acceptedOperands) {
            acceptedOperands = operands;
            continue;
        }
        if (operands > acceptedOperands || found.size() == accepted) {
            return error("unexpected argument '" + word + "'");
        }
        const QString& name = found.back();
        const std::string option = bytes(name);
        if (option == "help") return HelpRequest{definition.command};
        if (!parser.errorText().isEmpty()) {  // a switch given "=value", or a value left out
            if (word.find('=') != std::string::npos)
                return error("--" + option + " takes no value");
            if (end == words.size()) return error("--" + option + " needs a value");
            continue;  // the next word is the value
        }
        if (found.count(name) > 1 && !repeatable(definition, option)) {
            return error("--" + option + " is given twice");
        }
        if (std::string refused = refusedChoice(option, bytes(parser.value(name)));
            !refused.empty()) {
            return error(std::move(refused));
        }
        accepted = found.size();
    }
    return std::nullopt;
}

ParsedCommandLine parseOptions(const CommandDefinition& definition,
                               const std::vector<std::string>& arguments) {
    QCommandLineParser parser;
    for (const OptionDefinition& option : definition.options) {
        parser.addOption({latin1(option.name), latin1(option.help), latin1(option.valueName),
                          latin1(option.defaultText)});
    }
    QStringList words{QString()};  // parse() skips the first word, the program's name
    for (const std::string& argument : arguments) words.append(latin1(argument));
    if (auto mistake = firstMistake(parser, definition, words)) return *std::move(mistake);
    parser.parse(words);

    Request request;
    request.command = definition.command;
    for (const QString& operand : parser.positionalArguments()) {
        request.operands.push_back(bytes(operand));
    }
    for (const OptionDefinition& option : definition.options) {
        const QString name = latin1(option.name);
        const bool given = parser.isSet(name);
        if (option.required && !given) {
            return UsageError{"missing --" + std::string(option.name), definition.command};
        }
        const std::string value = bytes(parser.value(name));  // the default when left out
        if (option.name == "format") {
            request.format = value == "csv"    ? Format::Csv
                             : value == "json" ? Format::Json
                                               : Format::Text;
        } else if (option.name == "schedule" || option.name == "growth") {
            request.details = given;
        } else if (option.name == "by-year") {
            request.byYear = given;
        } else if (option.repeatable) {
            if (!given) continue;
            auto& values = request.lists[std::string(option.name)];
            for (const QString& text : parser.values(name)) values.push_back(bytes(text));
        } else if (option.name == "save") {
            if (given) request.saveName = value;
        } else if (option.name == "force") {
            request.force = given;
        } else if (!option.valueName.empty() && (given || !option.defaultText.empty())) {
            request.values.emplace(option.name, value);
        } else if (option.valueName.empty() && given && option.name != "help") {
            request.values.emplace(option.name, "");  // a switch: has() tells it was given
        }
    }
    if (request.force && !request.saveName) {
        return UsageError{"--force needs --save", definition.command};
    }
    if (request.details && request.byYear) {
        return UsageError{"--schedule and --by-year exclude each other", definition.command};
    }
    if (request.has("months") && request.has("emi")) {
        return UsageError{"--months and --emi exclude each other", definition.command};
    }
    if (request.has("payments") && (request.has("months") || request.has("emi"))) {
        return UsageError{"--payments, --months and --emi exclude each other", definition.command};
    }
    if (request.has("months") && request.has("frequency") &&
        request.value("frequency") != "monthly" && !request.has("accelerated")) {
        return UsageError{"--months is for monthly payments: give --payments", definition.command};
    }
    if (request.has("accelerated") && request.has("payments")) {
        return UsageError{"--accelerated takes the term in months: give --months",
                          definition.command};
    }
    if (request.has("loan-date") != request.has("first-payment") &&
        definition.command == Command::Apr) {
        return UsageError{"--loan-date and --first-payment go together", definition.command};
    }
    if (request.has("round-instalment") && request.value("rounding") != "cent") {
        return UsageError{"--round-instalment needs --rounding cent", definition.command};
    }
    return request;
}

}  // namespace

const std::vector<CommandDefinition>& commandDefinitions() {
    static const std::vector<CommandDefinition> definitions = buildDefinitions();
    return definitions;
}

const CommandDefinition& definitionOf(Command command) {
    for (const CommandDefinition& definition : commandDefinitions()) {
        if (definition.command == command) return definition;
    }
    return commandDefinitions().front();
}

std::optional<calc::InterestRule> interestRuleNamed(std::string_view name) {
    using calc::InterestRule;
    static constexpr std::array<std::pair<std::string_view, InterestRule>, 5> kNames{{
        {"simple", InterestRule::Simple},
        {"annually", InterestRule::Annually},
        {"quarterly", InterestRule::Quarterly},
        {"monthly", InterestRule::Monthly},
        {"daily", InterestRule::Daily},
    }};
    return named(name, kNames);
}

std::optional<details::Period> periodNamed(std::string_view name) {
    using details::Period;
    static constexpr std::array<std::pair<std::string_view, Period>, 6> kNames{{
        {"simple", Period::Simple},
        {"yearly", Period::Yearly},
        {"half-yearly", Period::HalfYearly},
        {"quarterly", Period::Quarterly},
        {"monthly", Period::Monthly},
        {"daily", Period::Daily},
    }};
    return named(name, kNames);
}

std::string_view Request::value(std::string_view name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::string_view() : std::string_view(found->second);
}

const std::vector<std::string>& Request::list(std::string_view name) const {
    static const std::vector<std::string> kNone;
    const auto found = lists.find(name);
    return found == lists.end() ? kNone : found->second;
}

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return UsageError{"missing command", std::nullopt};
    const std::string& first = arguments.front();
    if (first == "--help" || first == "-h" || first == "help") {
        if (first == "help" && arguments.size() > 1) {
            for (const CommandDefinition& definition : commandDefinitions()) {
                if (definition.name == arguments[1]) return HelpRequest{definition.command};
            }
        }
        return HelpRequest{};
    }
    if (first == "--version") return VersionRequest{};
    for (const CommandDefinition& definition : commandDefinitions()) {
        if (definition.name == first) {
            return parseOptions(definition, {arguments.begin() + 1, arguments.end()});
        }
    }
    return UsageError{"unknown command '" + first + "'", std::nullopt};
}

}  // namespace brisanel::cli
