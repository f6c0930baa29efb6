#include "cli/command_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace brisanel::cli {

namespace {

constexpr OptionDefinition kFormat{
    "format", "FORMAT", "text", false,
    "text (the boxes' texts and the list's lines), csv or json (full "
    "precision)"};
constexpr OptionDefinition kSave{
    "save", "NAME", "", false,
    "save the details list as NAME.txt, as the window's \"Save List\" does"};
constexpr OptionDefinition kForce{"force", "", "", false, "with --save, replace an existing file"};
constexpr OptionDefinition kHelp{"help", "", "", false, "show this help"};

constexpr OptionDefinition kStartAfter{"start-after", "MONTHS", "0", false,
                                       "repayment starts after this many whole months"};

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

const OptionDefinition* findOption(const CommandDefinition& definition, std::string_view name) {
    for (const OptionDefinition& option : definition.options) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

// Checks a value against the option's list of choices; empty when it is one of them.
std::string refusedChoice(std::string_view option, std::string_view value) {
    bool known = true;
    if (option == "rule") known = interestRuleNamed(value).has_value();
    if (option == "compounding") known = periodNamed(value).has_value();
    if (option == "format") known = value == "text" || value == "csv" || value == "json";
    if (known) return {};
    return "invalid value '" + std::string(value) + "' for --" + std::string(option);
}

ParsedCommandLine parseOptions(const CommandDefinition& definition,
                               const std::vector<std::string>& words) {
    Request request;
    request.command = definition.command;
    std::map<std::string, std::string, std::less<>> given;
    const auto error = [&definition](std::string message) {
        return UsageError{std::move(message), definition.command};
    };

    for (std::size_t at = 0; at < words.size(); ++at) {
        const std::string& word = words[at];
        if (word.size() < 3 || word.compare(0, 2, "--") != 0) {
            return error("unexpected argument '" + word + "'");
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? equals : equals - 2);
        const OptionDefinition* option = findOption(definition, name);
        if (option == nullptr) return error("unknown option '--" + name + "'");
        if (option->name == "help") return HelpRequest{definition.command};

        std::string value;
        if (option->valueName.empty()) {
            if (equals != std::string::npos) return error("--" + name + " takes no value");
        } else if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (at + 1 < words.size()) {
            value = words[++at];
        } else {
            return error("--" + name + " needs a value");
        }
        if (!given.emplace(name, value).second) return error("--" + name + " is given twice");
        if (std::string refused = refusedChoice(name, value); !refused.empty()) {
            return error(std::move(refused));
        }
    }

    for (const OptionDefinition& option : definition.options) {
        const auto found = given.find(option.name);
        if (found == given.end()) {
            if (option.required) return error("missing --" + std::string(option.name));
            if (!option.valueName.empty() && !option.defaultText.empty()) {
                request.values.emplace(std::string(option.name), std::string(option.defaultText));
            }
            continue;
        }
        const std::string_view name = option.name;
        if (name == "format") {
            request.format = found->second == "csv"    ? Format::Csv
                             : found->second == "json" ? Format::Json
                                                       : Format::Text;
        } else if (name == "schedule" || name == "growth") {
            request.details = true;
        } else if (name == "save") {
            request.saveName = found->second;
        } else if (name == "force") {
            request.force = true;
        } else {
            request.values.emplace(found->first, found->second);
        }
    }
    if (request.force && !request.saveName) return error("--force needs --save");
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
