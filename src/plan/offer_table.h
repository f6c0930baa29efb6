#pragma once

#include <string>
#include <vector>

#include "plan/compare.h"
#include "plan/cost.h"

// The cost of credit and the offers compared as text fields at full precision, for the csv
// format and the comparison window's "Copy as Table" alike.
namespace brisanel::plan {

/// credit, payable, cost_of_credit, apr, apr_shown, method.
std::vector<std::string> costColumns();
std::vector<std::string> costTexts(const CreditCost& cost);

/// name, cheapest, more_than_cheapest, fees, the plan's totals, its cost, and with a horizon
/// horizon_period and at_horizon.
std::vector<std::string> offerColumns(bool horizon);
std::vector<std::string> offerTexts(const OfferFigures& offer, bool horizon);

/// The offers as a CSV document: the column names, then a row per offer.
std::string offersCsv(const std::vector<OfferFigures>& offers, bool horizon);

}  // namespace brisanel::plan
