#include "plan/offer.h"

#include <cmath>

#include "numeric/number_rules.h"

namespace brisanel::plan {

namespace {

// The principal as its box reads it, in whole cents when the plan keeps cents.
double principalOf(const PlanInputs& inputs, const PlanResult& result) {
    const double principal = numeric::readNumber(inputs.loan.principal);
    return result.cents ? centsOf(principal) / 100 : principal;
}

double feeAmount(double amount, const PlanResult& result) {
    return result.cents ? centsOf(amount) / 100 : amount;
}

}  // namespace

CreditFlows creditFlows(const PlanInputs& inputs, const PlanResult& result, Run PlanResult::*run) {
    const Fees& fees = inputs.fees;
    const double principal = principalOf(inputs, result);
    CreditFlows flows;
    flows.frequency = result.frequency;
    flows.advance = principal - (fees.upfront ? feeAmount(fees.upfront->of(principal), result) : 0);
    if (result.loanDate.isValid()) flows.loanDate = result.loanDate;
    const double perPayment = feeAmount(fees.perPayment, result);
    const double yearly = feeAmount(fees.yearly, result);
    const PlanRows& rows = (result.*run).rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PlanRow& row = rows[i];
        double amount = row.instalment + row.extra + perPayment;
        if ((row.month - result.firstMonth) % result.perYear == 0) amount += yearly;
        if (i + 1 == rows.size()) amount += feeAmount(fees.exit, result);
        flows.payments.push_back({row.month, row.date, amount});
    }
    return flows;
}

CreditCost planCost(const PlanInputs& inputs, const PlanResult& result, AprMethod method,
                    Run PlanResult::*run) {
    const CreditFlows flows = creditFlows(inputs, result, run);
    const double principal = principalOf(inputs, result);
    CreditCost cost = costOf(flows, principal, principal - flows.advance, method);
    if (result.cents) {
        // Whole cents added as doubles: the sum is a hair off its cents, which rounding restores.
        cost.payable = std::round(cost.payable * 100) / 100;
        cost.costOfCredit = std::round((cost.payable - cost.credit) * 100) / 100;
    }
    if (!(result.*run).totals.cleared) {
        cost.apr.reset();
        cost.noApr = "The loan is not repaid within the plan's 1800 periods: it has no APR.";
    }
    return cost;
}

}  // namespace brisanel::plan
