#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "details/text_lines.h"
#include "numeric/failure.h"

namespace brisanel::details {

/// The figures an EMI calculation keeps for its schedule.
struct EmiFigures {
    double principal = 0;         ///< P' = P x (1+r)^S, the principal grown over the waiting months
    double months = 0;            ///< N as entered
    double amount = 0;            ///< the instalment E
    double monthlyRate = 0;       ///< r = R/1200
    std::int16_t startDelay = 0;  ///< S, the waiting months
};

struct Schedule {
    TextLines lines;      ///< the lines appended so far (all of them on success)
    std::string message;  ///< "Check your input data." for a table index beyond 1800, else empty
    std::optional<numeric::Failure> failure;  ///< set when a run-time failure stopped the build
};

/// The month-by-month reducing-balance schedule of an EMI loan: the first line holds the
/// principal, each further line the balance after one more instalment, and the last line the
/// remaining balance in place of the instalment. N - 2, rounded to a whole number (halves to
/// even), inner lines stand between the first and the last, so a whole N >= 2 gives N lines and
/// any smaller N two. Months count from S + 1. The balances live in a working table of 1801
/// entries; an index beyond it ends the build with the check-input message.
Schedule buildEmiSchedule(const EmiFigures& figures);

}  // namespace brisanel::details
