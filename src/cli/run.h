#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace brisanel::cli {

/// Exit statuses of brisanel-calc.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNotWritten = 1;  ///< standard output could not take the results
inline constexpr int kExitRefused = 2;     ///< refused input (the window's message) or bad usage
inline constexpr int kExitFailed = 3;      ///< a run-time failure stopped the calculation
inline constexpr int kExitNotSaved = 4;    ///< the results stand, but the list was not saved

/// Runs one calculation: the results go to `out` in the requested format, messages to `err`, each
/// after "brisanel-calc: ". A calculation that is refused or fails writes nothing to `out` and
/// saves nothing, except that the rates found stand when only the growth table stops: they are
/// written with the table's rows up to where it stopped, then the message. Returns the exit
/// status.
int run(const Request& request, std::ostream& out, std::ostream& err);

/// The whole program after its name: help, version, usage errors and calculations.
int runCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace brisanel::cli
