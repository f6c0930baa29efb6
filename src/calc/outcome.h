#pragma once

#include <optional>
#include <string>

#include "numeric/failure.h"

namespace brisanel::calc {

/// How a click ended besides the results it wrote: at most one message for the user (exclamation
/// icon, OK) and the run-time failure that stopped it, if one did. Results written before a
/// failure stay written, so each panel's outcome keeps them beside this.
struct Ending {
    std::string message;                      ///< empty when the click shows no message
    std::optional<numeric::Failure> failure;  ///< set when a run-time failure ended the click

    bool failed() const { return !message.empty() || failure.has_value(); }
};

}  // namespace brisanel::calc
