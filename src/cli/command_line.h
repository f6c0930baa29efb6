#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "calc/interest.h"
#include "details/periods.h"

// The command line of brisanel-calc: one subcommand per panel of the window, with long options
// named after the panel's boxes.
namespace brisanel::cli {

enum class Command { Interest, Emi, Recovery, Rate, Plan, Apr, Compare };
enum class Format { Text, Csv, Json };

/// One option of a subcommand, as parsed and as the help lists it.
struct OptionDefinition {
    std::string_view name;         ///< without the leading "--"
    std::string_view valueName;    ///< empty for a switch
    std::string_view defaultText;  ///< the value used when the option is left out, if any
    bool required = false;
    std::string_view help;
    bool repeatable = false;  ///< may be given again: each value counts
};

struct CommandDefinition {
    Command command;
    std::string_view name;
    std::string_view summary;
    std::vector<OptionDefinition> options;
    std::string_view operands = {};  ///< the words it takes beside its options, for the usage
};

/// Every subcommand with its options, in the order the help shows them.
const std::vector<CommandDefinition>& commandDefinitions();
const CommandDefinition& definitionOf(Command command);

/// The interest rules by their names on the command line: simple, annually, quarterly, monthly,
/// daily; and the compounding periods: simple, yearly, half-yearly, quarterly, monthly, daily.
/// Case is ignored.
std::optional<calc::InterestRule> interestRuleNamed(std::string_view name);
std::optional<details::Period> periodNamed(std::string_view name);

/// A calculation to run. The value options keep their texts unread: the calculation reads them
/// by the same rules as the window reads its boxes.
struct Request {
    Command command = Command::Interest;
    std::map<std::string, std::string, std::less<>> values;  ///< by option name
    /// The values of the repeatable options, in the order given, by option name.
    std::map<std::string, std::vector<std::string>, std::less<>> lists;
    Format format = Format::Text;
    bool details = false;                 ///< --schedule or --growth
    bool byYear = false;                  ///< --by-year
    std::optional<std::string> saveName;  ///< --save, as typed (".txt" is added)
    bool force = false;                   ///< --force: replace an existing file
    std::vector<std::string> operands;    ///< the words beside the options (compare's files)

    /// The text of a value option; empty when it was left out without a default.
    std::string_view value(std::string_view name) const;
    bool has(std::string_view name) const { return values.contains(name); }
    /// The values of a repeatable option; empty when it was left out.
    const std::vector<std::string>& list(std::string_view name) const;
};

struct HelpRequest {
    std::optional<Command> command;  ///< empty for the program's own help
};

struct VersionRequest {};

struct UsageError {
    std::string message;
    std::optional<Command> command;  ///< the subcommand whose usage to point at, if known
};

using ParsedCommandLine = std::variant<Request, HelpRequest, VersionRequest, UsageError>;

/// Parses the arguments that follow the program name. Options take "--name value" or
/// "--name=value"; a value may begin with "-" (a negative start delay), so the word after a value
/// option is always its value.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace brisanel::cli
