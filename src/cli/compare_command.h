#pragma once

#include <iosfwd>

#include "cli/command_line.h"

namespace brisanel::cli {

/// brisanel-calc compare: two to four offers, each a plan file, side by side by one APR method,
/// the cheapest by the total amount payable marked.
int runCompare(const Request& request, std::ostream& out, std::ostream& err);

}  // namespace brisanel::cli
