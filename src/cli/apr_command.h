#pragma once

#include <iosfwd>

#include "cli/command_line.h"

namespace brisanel::cli {

/// brisanel-calc apr: the APR of an advance, a fee and equal payments (the first and the last
/// replaced when given), as an offer document states them, by the EU/UK or the US rule.
int runApr(const Request& request, std::ostream& out, std::ostream& err);

}  // namespace brisanel::cli
