// The cost of credit and the APR by the EU/UK and US rules, against the European Commission's
// APRC examples and Regulation Z Appendix J.
#include <gtest/gtest.h>

#include "plan/compare.h"
#include "plan/cost.h"
#include "plan/offer.h"
#include "plan/plan.h"

namespace brisanel::plan {
namespace {

// `count` equal payments from period 1, then the first and last replaced when given.
CreditFlows payments(double advance, int count, double amount, double first = 0, double last = 0) {
    CreditFlows flows;
    flows.advance = advance;
    for (int k = 1; k <= count; ++k) flows.payments.push_back({k, {}, amount});
    if (first > 0) flows.payments.front().amount = first;
    if (last > 0) flows.payments.back().amount = last;
    return flows;
}

TEST(Apr, TheEuropeanCommissionsExamples) {
    // 200 000 at 6 % over 240 months with 4000 paid at signing: the borrower has 196 000.
    struct Case {
        CreditFlows flows;
        double apr;
        const char* shown;
    };
    CreditFlows balloon = payments(196000, 180, 1199.10);
    balloon.payments.push_back({180, {}, 142097.69});
    CreditFlows interestOnly = payments(196000, 240, 1166.67);
    interestOnly.payments.push_back({240, {}, 200000});
    const std::vector<Case> cases = {
        {payments(196000, 240, 1432.86), 6.434412, "6.4"},
        {payments(196000, 240, 1449.53), 6.588554, "6.6"},              // 16.67 insurance in each
        {payments(196000, 240, 1599.53), 7.946625, "7.9"},              // 166.67 insurance in each
        {payments(196000, 240, 1490.18), 6.961575, "7.0"},              // an 8000 premium financed
        {payments(196000, 240, 1432.86, 0, 1532.86), 6.436359, "6.4"},  // a 100 exit cost
        {balloon, 6.409523, "6.4"},
        {interestOnly, 7.430479, "7.4"},
    };
    for (const Case& c : cases) {
        const double apr = aprOf(c.flows, AprMethod::Eu).value_or(0);
        EXPECT_NEAR(apr, c.apr, 5e-7) << c.shown;
        EXPECT_EQ(shownApr(apr, AprMethod::Eu), c.shown);
    }
    // Signed on 12 January 2012, paid on the 15th from February: each payment is whole months
    // and 3 days of a 365-day year from the signing.
    CreditFlows dated = payments(196000, 240, 1433.57);
    dated.loanDate = QDate(2012, 1, 12);
    for (CreditPayment& payment : dated.payments) {
        payment.date = QDate(2012, 2, 15).addMonths(payment.period - 1);
    }
    EXPECT_NEAR(aprOf(dated, AprMethod::Eu).value_or(0), 6.434185, 5e-7);
    const FlowTime first = flowTime(dated, dated.payments.front());
    EXPECT_EQ(first.periods, 1);
    EXPECT_EQ(first.days, 3);
    EXPECT_EQ(first.yearDays, 365);
}

TEST(Apr, RegulationZAppendixJ) {
    EXPECT_EQ(shownApr(aprOf(payments(5000, 24, 230), AprMethod::Us).value(), AprMethod::Us),
              "9.69");
    EXPECT_EQ(shownApr(aprOf(payments(5000, 24, 230, 250), AprMethod::Us).value(), AprMethod::Us),
              "10.08");
    EXPECT_EQ(
        shownApr(aprOf(payments(5000, 24, 230, 0, 280), AprMethod::Us).value(), AprMethod::Us),
        "10.50");
    EXPECT_EQ(
        shownApr(aprOf(payments(5000, 24, 230, 250, 280), AprMethod::Us).value(), AprMethod::Us),
        "10.90");
    // 6000 on 10 February 1978, 36 x 200 from 1 April 1978: one whole month and 19 odd days.
    CreditFlows dated = payments(6000, 36, 200);
    dated.loanDate = QDate(1978, 2, 10);
    for (CreditPayment& payment : dated.payments) {
        payment.date = QDate(1978, 4, 1).addMonths(payment.period - 1);
    }
    EXPECT_EQ(shownApr(aprOf(dated, AprMethod::Us).value(), AprMethod::Us), "11.82");
    const FlowTime first = flowTime(dated, dated.payments.front());
    EXPECT_EQ(first.periods, 1);
    EXPECT_EQ(first.days, 19);
}

TEST(Apr, WithoutFeesItIsTheRateAsEachRuleStatesIt) {
    PlanInputs inputs{{"10000", "6", "0", "120", std::nullopt}};
    const PlanResult result = computePlan(inputs).result.value();
    // EU/UK: (1 + 0.06 / 12)^12 - 1; US: the nominal rate.
    EXPECT_NEAR(planCost(inputs, result, AprMethod::Eu).apr.value(), 6.167781, 1e-6);
    EXPECT_NEAR(planCost(inputs, result, AprMethod::Us).apr.value(), 6, 1e-9);
    // Payments that repay less than the credit have no APR.
    EXPECT_EQ(aprOf(payments(1000, 3, 300), AprMethod::Eu), std::nullopt);
}

TEST(OfferCost, FeesOfAPlanAddToItsPaymentsAndToItsApr) {
    // The Commission's loan as a plan in whole cents: 1432.86 a month, the fee at signing.
    PlanInputs inputs{{"200000", "6", "0", "240", std::nullopt}};
    inputs.schedule.rounding = Rounding::Cent;
    inputs.fees.upfront = FeeAmount{2, true};  // 2 % of 200 000
    const auto costOfPlan = [](const PlanInputs& plan) {
        const PlanOutcome out = computePlan(plan);
        EXPECT_TRUE(out.result) << out.message;
        return planCost(plan, *out.result, AprMethod::Eu);
    };
    const CreditCost signing = costOfPlan(inputs);
    EXPECT_EQ(signing.credit, 200000);
    EXPECT_NEAR(signing.apr.value(), 6.434412, 2e-5);
    // 1432.8621 is paid as 1432.86, and the last payment takes up the 0.90 left.
    EXPECT_NEAR(signing.payable, 4000 + 239 * 1432.86 + 1433.76, 0.005);
    EXPECT_NEAR(signing.costOfCredit, signing.payable - 200000, 1e-6);

    PlanInputs insured = inputs;
    insured.fees.perPayment = 16.67;
    EXPECT_NEAR(costOfPlan(insured).apr.value(), 6.588554, 2e-5);
    PlanInputs exit = inputs;
    exit.fees.exit = 100;
    EXPECT_NEAR(costOfPlan(exit).apr.value(), 6.436359, 2e-5);
    // The 8000 premium borrowed: the plan runs on 208 000 and pays 1490.18 a month, its last
    // payment a few cents less than the Commission's.
    PlanInputs financed = inputs;
    financed.fees.financed = FeeAmount{8000, false};
    const CreditCost borrowed = costOfPlan(financed);
    EXPECT_EQ(borrowed.credit, 200000);
    EXPECT_NEAR(borrowed.apr.value(), 6.961575, 5e-5);

    // Side by side at full precision: the fee is all the one offer costs more.
    PlanInputs exact = inputs;
    exact.schedule.rounding = Rounding::Exact;
    PlanInputs noFee = exact;
    noFee.fees = {};
    const auto compared = compareOffers({exact, noFee}, AprMethod::Eu);
    const auto& offers = std::get<std::vector<OfferFigures>>(compared);
    EXPECT_FALSE(offers[0].cheapest);
    EXPECT_TRUE(offers[1].cheapest);
    EXPECT_NEAR(offers[0].moreThanCheapest, 4000, 1e-6);
    EXPECT_NEAR(offers[0].fees, 4000, 1e-6);
    EXPECT_EQ(offers[1].fees, 0);

    PlanInputs tooMuch = inputs;
    tooMuch.fees.upfront = FeeAmount{100, true};
    EXPECT_EQ(computePlan(tooMuch).message,
              "The fee at signing must be above 0 and less than the principal, 200000.00.");
}

}  // namespace
}  // namespace brisanel::plan
