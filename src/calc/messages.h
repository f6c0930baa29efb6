#pragma once

#include <string_view>

// The fixed sentences that the calculators show, letter for letter.
namespace brisanel::calc::messages {

inline constexpr std::string_view kPrincipalPositive = "Principal amount must be a positive value.";
inline constexpr std::string_view kMonthsPositive = "Time in months must be a positive value.";
inline constexpr std::string_view kRateUpTo200 =
    "Rate of interest must be a positive value upto 200.";
inline constexpr std::string_view kDurationUpTo1800 =
    "Repayment Time in months must be a positive value upto 1800.";
inline constexpr std::string_view kStartBeforeEnd =
    "Start time must be less than total recovery time.";
inline constexpr std::string_view kStartNotNegative =
    "Repayment start time must be a positive integer.";
inline constexpr std::string_view kEmiPositive = "EMI must be positive to cover the repayment.";
inline constexpr std::string_view kAmountAtLeastPrincipal =
    "Principal with Interest amount must be equal to\r\nor greater than Principal Amount.";
inline constexpr std::string_view kDurationPositive = "Duration must be a positive integer.";
inline constexpr std::string_view kCheckInput = "Check your input data.";
inline constexpr std::string_view kCheckRecovery = "Check Principal amount, rate and EMI.";

}  // namespace brisanel::calc::messages
