#include "cli/cost_output.h"

#include <cstdio>
#include <ostream>

#include "cli/output.h"
#include "numeric/number_rules.h"

namespace brisanel::cli {

std::variant<plan::FeeAmount, std::string> readFee(std::string_view option, std::string_view text,
                                                   bool percentAllowed) {
    const std::string where = "--" + std::string(option) + " " + std::string(text) + ": ";
    const auto fee = plan::readFee(text, percentAllowed);
    if (!fee)
        return where + (percentAllowed ? "not an amount or a percentage (2%)" : "not an amount");
    if (!(fee->value >= 0)) return where + "a fee must be above 0 (0 is no fee)";
    return *fee;
}

void writeCostText(const plan::CreditCost& cost, std::ostream& out) {
    out << plan::kCreditCaption << ": " << twoDecimals(cost.credit) << '\n'
        << plan::kPayableCaption << ": " << twoDecimals(cost.payable) << '\n'
        << plan::kCostOfCreditCaption << ": " << twoDecimals(cost.costOfCredit) << "\nAPR ("
        << plan::methodName(cost.method) << "): "
        << (cost.apr ? plan::shownApr(*cost.apr, cost.method) + " %" : "none. " + cost.noApr)
        << '\n';
}

std::string costJson(const plan::CreditCost& cost) {
    std::vector<std::pair<std::string, std::string>> members{
        {"credit", fullPrecision(cost.credit)},
        {"payable", fullPrecision(cost.payable)},
        {"cost_of_credit", fullPrecision(cost.costOfCredit)},
        {"apr", cost.apr ? fullPrecision(*cost.apr) : "null"},
        {"apr_shown", cost.apr ? jsonString(plan::shownApr(*cost.apr, cost.method)) : "null"},
        {"method", jsonString(plan::methodWord(cost.method))}};
    if (!cost.apr) members.emplace_back("no_apr", jsonString(cost.noApr));
    return jsonObject(members);
}

}  // namespace brisanel::cli
