#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/outcome.h"
#include "details/schedule.h"

namespace brisanel::calc {

/// The texts of the "Recovery Months" panel's input boxes.
struct RecoveryInputs {
    std::string_view principal;   ///< Text1(5)
    std::string_view rate;        ///< Text1(7), annual percent
    std::string_view startAfter;  ///< Text1(8), whole months before the first instalment
    std::string_view emi;         ///< Text1(11), the scheduled instalment
};

/// The values behind the result boxes at full precision, and the principal the run started from.
struct RecoveryFigures {
    int months = 0;
    double grossRecovery = 0;
    double grossInterest = 0;       ///< against the principal as entered
    double principalAfterWait = 0;  ///< the principal grown over the waiting months
};

struct RecoveryOutcome : Outcome {
    /// Set once the details list was cleared: the rows of its lines, even when a failure followed.
    std::optional<details::ScheduleRows> rows;
    std::optional<std::string> months;         ///< Text1(12), plain decimal digits
    std::optional<std::string> grossRecovery;  ///< Text1(9)
    std::optional<std::string> grossInterest;  ///< Text1(10)
    std::optional<RecoveryFigures> figures;    ///< set when the three boxes were written
};

/// The loan a "Find Months" click checks before it pays anything off.
struct RecoveryLoan {
    double principalAfterWait = 0;  ///< the principal grown over the waiting months
    double monthlyRate = 0;         ///< r = R/1200
    std::int16_t startDelay = 0;
    double instalment = 0;
};

/// The panel's checks of principal, rate, start and instalment in that order, then the principal
/// grown over the waiting months. A refusal is written to `out`. Throws numeric::ArithmeticError
/// as the calculation does.
std::optional<RecoveryLoan> checkRecoveryLoan(const RecoveryInputs& inputs, Outcome& out);

/// One "Find Months" calculation: checks principal, rate, start and instalment in that order,
/// then pays the instalment month by month off the principal grown over the waiting months,
/// writing a reducing-balance line per month, until the balance no longer exceeds the
/// instalment; that balance is the last payment. A loan still open after 1801 passes ends with
/// "Check Principal amount, rate and EMI." (failure TableLimit, 1802 lines, no results). Any
/// other run-time failure ends the calculation without a message.
RecoveryOutcome computeRecovery(const RecoveryInputs& inputs);

}  // namespace brisanel::calc
