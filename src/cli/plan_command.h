#pragma once

#include <iosfwd>

#include "cli/command_line.h"

namespace brisanel::cli {

/// brisanel-calc plan: the loan with its events beside the same loan without them, in the
/// requested format. Malformed events and a plan file that cannot be read are refused with
/// status 2, as the engine's refusals are; a plan stopped by the month limit writes what it has,
/// then the message, with status 3.
int runPlan(const Request& request, std::ostream& out, std::ostream& err);

}  // namespace brisanel::cli
