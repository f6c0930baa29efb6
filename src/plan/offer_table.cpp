#include "plan/offer_table.h"

#include "export/table_csv.h"
#include "plan/plan_table.h"

namespace brisanel::plan {

using saving::fullPrecision;

std::vector<std::string> costColumns() {
    return {"credit", "payable", "cost_of_credit", "apr", "apr_shown", "method"};
}

std::vector<std::string> costTexts(const CreditCost& cost) {
    return {fullPrecision(cost.credit),
            fullPrecision(cost.payable),
            fullPrecision(cost.costOfCredit),
            cost.apr ? fullPrecision(*cost.apr) : "",
            cost.apr ? shownApr(*cost.apr, cost.method) : "",
            std::string(methodWord(cost.method))};
}

std::vector<std::string> offerColumns(bool horizon) {
    std::vector<std::string> columns{"name", "cheapest", "more_than_cheapest", "fees"};
    for (std::string& column : totalsColumns()) columns.push_back(std::move(column));
    for (std::string& column : costColumns()) columns.push_back(std::move(column));
    if (horizon) columns.insert(columns.end(), {"horizon_period", "at_horizon"});
    return columns;
}

std::vector<std::string> offerTexts(const OfferFigures& offer, bool horizon) {
    std::vector<std::string> texts{offer.name, offer.cheapest ? "true" : "false",
                                   fullPrecision(offer.moreThanCheapest),
                                   fullPrecision(offer.fees)};
    for (std::string& text : totalsTexts(offer.result.plan.totals)) {
        texts.push_back(std::move(text));
    }
    for (std::string& text : costTexts(offer.cost)) texts.push_back(std::move(text));
    if (horizon) {
        texts.push_back(std::to_string(offer.horizonPeriod));
        texts.push_back(fullPrecision(offer.atHorizon.value_or(0)));
    }
    return texts;
}

std::string offersCsv(const std::vector<OfferFigures>& offers, bool horizon) {
    saving::TextRows rows;
    for (const OfferFigures& offer : offers) rows.push_back(offerTexts(offer, horizon));
    return saving::csvTable(offerColumns(horizon), rows);
}

}  // namespace brisanel::plan
