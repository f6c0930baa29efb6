#include "plan/compare.h"

#include <algorithm>
#include <cmath>

#include "plan/offer.h"

namespace brisanel::plan {

namespace {

// What the offer costs if the balance is repaid in full at the horizon's period.
double costAt(const PlanInputs& inputs, const PlanResult& result, const CreditCost& cost,
              int period) {
    const CreditFlows flows = creditFlows(inputs, result);
    double paid = cost.credit - flows.advance;  // the fee at signing
    const PlanRows& rows = result.plan.rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].month > period) break;
        paid += flows.payments[i].amount;
        if (rows[i].month == period && i + 1 < rows.size()) {
            return paid + rows[i].closingBalance + inputs.fees.exit;
        }
    }
    return paid;
}

// A difference of amounts in whole cents is whole cents; the doubles' hair of noise goes.
double difference(double a, double b, bool cents) {
    return cents ? std::round((a - b) * 100) / 100 : a - b;
}

}  // namespace

std::variant<std::vector<OfferFigures>, std::string> compareOffers(
    const std::vector<PlanInputs>& offers, AprMethod method, std::optional<Horizon> horizon) {
    if (offers.size() < 2 || offers.size() > kMaxOffers) {
        return std::string("Compare two to four offers.");
    }
    std::vector<OfferFigures> figures;
    for (const PlanInputs& offer : offers) {
        const PlanOutcome out = computePlan(offer);
        if (!out.result) return offer.name + ": " + out.message;
        OfferFigures& shown = figures.emplace_back();
        shown.name = offer.name;
        shown.result = *out.result;
        shown.cost = planCost(offer, shown.result, method);
        shown.fees =
            difference(shown.cost.payable, shown.result.plan.totals.paid, shown.result.cents);
        if (horizon) {
            std::optional<int> period = horizon->period;
            if (horizon->date) {
                // The last payment on or before the date; none before the first payment.
                period = shown.result.firstMonth - 1;
                for (const PlanRow& row : shown.result.plan.rows) {
                    if (row.date.isValid() && row.date <= *horizon->date) period = row.month;
                }
                if (!shown.result.plan.rows.front().date.isValid()) {
                    return offer.name + ": a horizon by date needs payment dates.";
                }
            }
            if (*period < shown.result.firstMonth) {
                return offer.name + ": the horizon is before the first instalment.";
            }
            shown.horizonPeriod = *period;
            shown.atHorizon = costAt(offer, shown.result, shown.cost, *period);
        }
    }
    const auto cheapest =
        std::ranges::min_element(figures, [](const OfferFigures& a, const OfferFigures& b) {
            return a.cost.payable < b.cost.payable;
        });
    for (OfferFigures& offer : figures) {
        offer.moreThanCheapest = difference(offer.cost.payable, cheapest->cost.payable,
                                            offer.result.cents && cheapest->result.cents);
        offer.cheapest = offer.moreThanCheapest == 0;
    }
    return figures;
}

}  // namespace brisanel::plan
