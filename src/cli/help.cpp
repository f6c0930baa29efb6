#include "cli/help.h"

#include <algorithm>

namespace brisanel::cli {

namespace {

constexpr const char* kProgram = "brisanel-calc";

constexpr const char* kCommonNotes =
    "Values are read as the window reads its boxes: for the four panels' commands, text that\n"
    "is not a number counts as 0 and whole-number boxes round halves to even; amounts, dates\n"
    "and fees that cannot be read are refused. The window's checks and messages apply.\n"
    "\n"
    "Exit status: 0 done; 1 the results could not be written; 2 input refused (the window's\n"
    "message on standard error) or bad usage; 3 the calculation failed at run time; 4 the list\n"
    "was not saved, or the --write-plan or --write-comparison file was not written.\n";

std::string optionWords(const OptionDefinition& option) {
    std::string words = "--" + std::string(option.name);
    if (!option.valueName.empty()) words += " " + std::string(option.valueName);
    return words;
}

}  // namespace

std::string usageLine(Command command) {
    const CommandDefinition& definition = definitionOf(command);
    std::string line = std::string("Usage: ") + kProgram + " " + std::string(definition.name);
    for (const OptionDefinition& option : definition.options) {
        if (option.name == "help") continue;
        line += option.required ? " " + optionWords(option) : " [" + optionWords(option) + "]";
    }
    if (!definition.operands.empty()) line += " " + std::string(definition.operands);
    return line;
}

std::string commandHelp(Command command) {
    const CommandDefinition& definition = definitionOf(command);
    std::size_t width = 0;
    for (const OptionDefinition& option : definition.options) {
        width = std::max(width, optionWords(option).size());
    }

    std::string text =
        usageLine(command) + "\n\n" + std::string(definition.summary) + "\n\nOptions:\n";
    for (const OptionDefinition& option : definition.options) {
        std::string words = optionWords(option);
        words.resize(width, ' ');
        text += "  " + words + "  " + std::string(option.help);
        if (!option.defaultText.empty())
            text += " (default " + std::string(option.defaultText) + ")";
        text += "\n";
    }
    // What the schedule's last row holds, in the man page's words.
    if (command == Command::Emi) {
        text +=
            "\nThe list's last line shows the balance it clears in place of the instalment. In its"
            "\nschedule row the principal repaid is that balance and the closing balance is 0; the"
            "\ninstalment is that balance with the month's interest on it (for a whole number of"
            "\nmonths, the instalment again), so that the instalments add up to the gross "
            "recovery.\n";
    } else if (command == Command::Recovery) {
        text +=
            "\nThe list's last line shows the balance it clears in place of the instalment. In its"
            "\nschedule row the principal repaid is that balance and the closing balance is 0; the"
            "\ninstalment is the balance alone, as the gross recovery counts it.\n";
    }
    if (command == Command::Plan) {
        text +=
            "\nMonths are numbered as the emi command's schedule numbers them: the first instalment"
            "\nis month START + 1, and every event's month must be at or after it. Each month adds"
            "\nthe interest on the balance, then takes the instalment and the month's extras; when"
            "\nless than half a cent would be left, that month pays what is owed (the extras cut to"
            "\nit) and ends the loan. Extras in the same month add up; with --keep end the"
            "\ninstalment is worked out again after every extra and at every rate change, so the"
            "\nloan still ends in the month the base ends. The base is the same loan with no"
            "\nevents.\n"
            "\nThe figures are the exact cash flows. The recovery command's gross recovery counts"
            "\nits last payment without that month's interest; a plan given the same --emi adds"
            "\nit, so its totals can be a little higher.\n"
            "\nA plan not repaid within 1800 months prints what it has, then the message, and"
            "\nexits with status 3.\n";
    } else if (command == Command::Compare) {
        text +=
            "\nA single COMPARISON file (as the comparison window saves it, or --write-comparison"
            "\nwrites it; told by its contents, whatever its name) brings its offers, APR method"
            "\nand horizon; --apr and --horizon given here win over the file's. An offer without a"
            "\nname is named after its plan file, or \"Offer N\" in a comparison file.\n";
    } else if (command != Command::Interest && command != Command::Apr) {
        text +=
            "\nWith --save the details list is written, whether shown or not, to NAME.txt (\".txt\""
            "\nis always added) exactly as the window saves it; an existing file is replaced only"
            "\nwith --force.\n";
    }
    return text + "\n" + kCommonNotes;
}

std::string programHelp() {
    std::string text = std::string("Usage: ") + kProgram + " COMMAND [OPTIONS]\n" + "       " +
                       kProgram + " COMMAND --help\n\n" +
                       "The loan and interest calculations of the Brisanel & Repayment window, one "
                       "command\nper panel, with the same figures.\n\nCommands:\n";
    for (const CommandDefinition& definition : commandDefinitions()) {
        std::string name(definition.name);
        name.resize(10, ' ');
        text += "  " + name + std::string(definition.summary) + "\n";
    }
    text +=
        "\nFormats (--format): text shows the result boxes' texts with their captions and, with"
        "\n--schedule or --growth, the details list's lines; csv and json give the results at"
        "\nfull precision, or one row per month or period.\n\n";
    return text + kCommonNotes;
}

}  // namespace brisanel::cli
