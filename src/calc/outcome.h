#pragma once

#include <optional>
#include <string_view>

#include "numeric/failure.h"

namespace brisanel::calc {

/// How a calculation ended.
enum class Ending {
    Completed,       ///< every result written
    Refused,         ///< an input check failed; the message names it
    Failed,          ///< a run-time failure that the panel reports with its message
    FailedSilently,  ///< a run-time failure that the panel ends on without a message
};

/// How a click ended besides the results it wrote: its ending, the message for the user
/// (exclamation icon, OK) and the run-time failure that stopped it, if one did. Results written
/// before a failure stay written, so each panel's outcome keeps them beside this.
struct Outcome {
    Ending ending = Ending::Completed;
    std::string_view message;                 ///< empty unless Refused or Failed
    std::optional<numeric::Failure> failure;  ///< set when a run-time failure ended the click

    bool failed() const { return ending != Ending::Completed; }
    /// Whether the user is told how it ended: a refusal or a reported failure.
    bool hasMessage() const { return ending == Ending::Refused || ending == Ending::Failed; }

    /// Ends the calculation on an input check.
    void refuse(std::string_view text) {
        ending = Ending::Refused;
        message = text;
    }
};

/// The failure that a panel reports, and its message; every other failure ends silently.
struct Reported {
    std::optional<numeric::Failure> failure;  ///< empty: every failure is reported
    std::string_view message;
};

/// Runs one calculation, turning a run-time failure into the outcome's ending.
template <typename Calculation>
void trapFailures(Outcome& out, Reported reported, Calculation&& calculation) {
    try {
        calculation();
    } catch (const numeric::ArithmeticError& error) {
        out.failure = error.kind();
        if (!reported.failure || *reported.failure == error.kind()) {
            out.ending = Ending::Failed;
            out.message = reported.message;
        } else {
            out.ending = Ending::FailedSilently;
        }
    }
}

}  // namespace brisanel::calc
