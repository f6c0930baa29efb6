#pragma once

#include "plan/cost.h"
#include "plan/plan.h"

// A plan as a loan offer: the borrower's payments, fees included, and what the credit costs.
namespace brisanel::plan {

/// The plan's payments with its fees: the plan's instalments and extras, each instalment with
/// the fee per payment, the first instalment and every f-th after it with the yearly fee, the
/// last payment with the exit fee; against the principal less a fee paid at signing. `run` is the
/// plan's, or the base's: the same loan and fees without the events.
CreditFlows creditFlows(const PlanInputs& inputs, const PlanResult& result,
                        Run PlanResult::*run = &PlanResult::plan);

/// The plan's cost of credit: the credit is the principal the borrower receives (a financed fee
/// is borrowed on top of it). A plan stopped by the period limit has no APR.
CreditCost planCost(const PlanInputs& inputs, const PlanResult& result, AprMethod method,
                    Run PlanResult::*run = &PlanResult::plan);

}  // namespace brisanel::plan
