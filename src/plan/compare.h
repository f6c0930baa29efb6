#pragma once

#include <QDate>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "plan/cost.h"
#include "plan/plan.h"

// Loan offers side by side: each a plan with its fees, its cost of credit by one APR method,
// the cheapest by the total amount payable, and what each costs if repaid in full at a horizon.
namespace brisanel::plan {

inline constexpr int kMaxOffers = 4;

/// "If repaid in full" in a period, or on the last payment on or before a date.
struct Horizon {
    std::optional<int> period = std::nullopt;
    std::optional<QDate> date = std::nullopt;

    bool operator==(const Horizon&) const = default;
};

struct OfferFigures {
    std::string name;
    PlanResult result;
    CreditCost cost;
    double fees = 0;  ///< every fee paid: the total payable less the instalments and extras
    bool cheapest = false;
    double moreThanCheapest = 0;  ///< total payable above the cheapest offer's
    /// Paid up to the horizon, fee at signing included, plus the balance then and the exit fee;
    /// the whole payable when the loan ends before it.
    std::optional<double> atHorizon;
    int horizonPeriod = 0;  ///< the period the horizon falls on
};

/// Two to four offers compared; the offer refused first, with its name, otherwise.
std::variant<std::vector<OfferFigures>, std::string> compareOffers(
    const std::vector<PlanInputs>& offers, AprMethod method, std::optional<Horizon> horizon = {});

}  // namespace brisanel::plan
