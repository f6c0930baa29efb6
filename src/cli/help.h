#pragma once

#include <string>

#include "cli/command_line.h"

namespace brisanel::cli {

/// The program's help: its subcommands, the formats and the exit statuses.
std::string programHelp();

/// One subcommand's help: its usage line and every option.
std::string commandHelp(Command command);

/// The one-line usage of a subcommand, "Usage: brisanel-calc NAME ...".
std::string usageLine(Command command);

}  // namespace brisanel::cli
