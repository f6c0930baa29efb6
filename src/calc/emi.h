#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/outcome.h"
#include "details/schedule.h"

namespace brisanel::calc {

/// The texts of the "Find EMI" panel's input boxes.
struct EmiInputs {
    std::string_view principal;   ///< Text1(20)
    std::string_view duration;    ///< Text1(19), months, fractions allowed
    std::string_view startAfter;  ///< Text1(17), whole months before the first instalment
    std::string_view rate;        ///< Text1(18), annual percent
};

/// The totals behind Text1(15) and Text1(16), at full precision; the EMI itself is in EmiFigures.
struct EmiTotals {
    double grossInterest = 0;  ///< against the principal as entered
    double grossRecovery = 0;
};

struct EmiOutcome : Outcome {
    std::optional<std::string> emi;              ///< Text1(14), when written
    std::optional<std::string> grossInterest;    ///< Text1(15), when written
    std::optional<std::string> grossRecovery;    ///< Text1(16), when written
    std::optional<details::EmiFigures> figures;  ///< the figures to keep, once computed
    std::optional<EmiTotals> totals;             ///< set when all three boxes were written
};

/// One EMI calculation: checks principal, duration, start and rate in that order, grows the
/// principal over the waiting months, divides it by a sum of powers of (1 + r) and writes the
/// instalment, the gross recovery and the gross interest, in that order. failed() tells whether
/// the run counts as failed. An overflow ends it with "Check your input data."; any other
/// run-time failure (a duration below half a month divides by zero) ends it without a message.
EmiOutcome computeEmi(const EmiInputs& inputs);

struct ScheduleOutcome : Outcome {
    details::ScheduleRows rows;  ///< the rows built so far (all of them on success)
};

/// The month-by-month reducing-balance schedule of the figures an EMI calculation kept. A month
/// beyond the working table ends it with "Check your input data."; any other run-time failure
/// ends it silently. Either way the rows built so far are kept.
ScheduleOutcome emiSchedule(const details::EmiFigures& figures);

}  // namespace brisanel::calc
