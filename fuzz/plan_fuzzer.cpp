// The loan planner on arbitrary plans and plan files.
// Input: a first line whose first byte picks what follows: 'f' for a plan file's contents, else a
// plan: four lines of box texts (principal, rate, start after, then the months, or the instalment
// when the selector is odd), then eight bytes per event (kind, amount, month, last month), the
// policy and the month to finish by coming from the selector. The first line's further bytes,
// when there are any, pick the lender's schedule: the frequency, whole cents and the instalment
// rule, payment dates, the day count, accelerated payments, interest-only periods, a balloon and
// how years are counted.
//
// A plan file is read whole or refused with a place and a problem, never half-read; one read is
// written back and read again to the same plan. Every plan that completes: each row adds up and
// opens where the last closed (to the cent exactly, every amount a whole number of cents, when
// the plan keeps cents), no balance is negative, the dates strictly increase, the totals and
// savings are the rows', every row falls in exactly one year and the years add up to the totals,
// a plan written to a file and read back gives the same figures, and the extra needed to finish
// by a month ends the loan by then while one cent less does not.

#include <cmath>
#include <cstdint>
#include <string>
#include <variant>

#include "fuzz_support.h"
#include "plan/compare.h"
#include "plan/offer.h"
#include "plan/plan.h"
#include "plan/plan_file.h"
#include "plan/year_summary.h"

namespace {

using namespace brisanel;
using plan::PlanInputs;

// Whole cents, as a whole number, when the amount is one.
bool wholeCents(double amount, long long& cents) {
    cents = std::llround(amount * 100);
    return static_cast<double>(cents) / 100 == amount;
}

void requireRun(const plan::Run& run, bool inCents, const std::string& what) {
    double interest = 0, paid = 0;
    long long interestCents = 0, paidCents = 0;
    for (std::size_t i = 0; i < run.rows.size(); ++i) {
        const plan::PlanRow& row = run.rows[i];
        const std::string where = what + ", month " + std::to_string(row.month);
        const double scale = row.openingBalance + row.interest + row.extra + row.instalment;
        FUZZ_REQUIRE(
            row.closingBalance >= 0 && row.instalment >= 0 && row.extra >= 0 &&
                fuzz::near(row.openingBalance + row.interest,
                           row.instalment + row.extra + row.closingBalance, scale) &&
                fuzz::near(row.principalRepaid, row.instalment + row.extra - row.interest, scale) &&
                (i == 0 || (row.openingBalance == run.rows[i - 1].closingBalance &&
                            row.month == run.rows[i - 1].month + 1)),
            where);
        FUZZ_REQUIRE(i == 0 || !row.date.isValid() || run.rows[i - 1].date < row.date,
                     where + ": the dates do not increase");
        if (inCents) {
            long long opening, rowInterest, instalment, extra, principal, closing;
            FUZZ_REQUIRE(
                wholeCents(row.openingBalance, opening) && wholeCents(row.interest, rowInterest) &&
                    wholeCents(row.instalment, instalment) && wholeCents(row.extra, extra) &&
                    wholeCents(row.principalRepaid, principal) &&
                    wholeCents(row.closingBalance, closing),
                where + ": an amount is not whole cents");
            FUZZ_REQUIRE(opening + rowInterest == instalment + extra + closing &&
                             principal + rowInterest == instalment + extra,
                         where + ": the cents do not add up");
            interestCents += rowInterest;
            paidCents += instalment + extra;
        }
        interest += row.interest;
        paid += row.instalment + row.extra;
    }
    const plan::Totals& totals = run.totals;
    // In cents the sums are whole numbers of cents, however large.
    const bool sums = inCents ? totals.interest == static_cast<double>(interestCents) / 100 &&
                                    totals.paid == static_cast<double>(paidCents) / 100
                              : totals.interest == interest && totals.paid == paid;
    FUZZ_REQUIRE(!run.rows.empty() && totals.months == static_cast<int>(run.rows.size()) &&
                     totals.endMonth == run.rows.back().month && sums &&
                     totals.cleared == (run.rows.back().closingBalance == 0),
                 what + ": totals");
}

void requireResult(const PlanInputs& inputs, const plan::PlanResult& result,
                   const std::string& what) {
    const bool inCents = inputs.schedule.rounding == plan::Rounding::Cent;
    requireRun(result.base, inCents, what + ", base");
    requireRun(result.plan, inCents, what + ", plan");
    FUZZ_REQUIRE(
        result.monthsSaved == result.base.totals.months - result.plan.totals.months &&
            result.interestSaved == result.base.totals.interest - result.plan.totals.interest,
        what + ": savings");
    const plan::YearRows years = plan::yearSummary(result);
    double interest = 0;
    std::size_t rows = 0;
    for (const plan::YearRow& year : years) {
        FUZZ_REQUIRE(
            year.firstRow == rows && year.rowCount > 0 &&
                result.plan.rows[year.firstRow].month == year.firstMonth &&
                result.plan.rows[year.firstRow + year.rowCount - 1].month == year.lastMonth,
            what + ": year " + year.label + " does not hold its rows");
        rows += year.rowCount;
        interest += year.interest;
    }
    // Added up by year then over the years: rounding errors of up to one per month; none in
    // whole cents.
    const double months = static_cast<double>(result.plan.rows.size());
    const double total = result.plan.totals.interest;
    FUZZ_REQUIRE(rows == result.plan.rows.size() && fuzz::near(interest, total, months * total) &&
                     years.back().cumulativeInterest == total &&
                     years.back().closingBalance == result.plan.rows.back().closingBalance,
                 what + ": yearly summary");

    if (!inputs.finishBy) return;
    const double needed = result.extraNeeded.value_or(-1);
    // A double holds every whole cent, and a hundredth of it reads back, only well below 2^53
    // cents.
    const bool wholeCents = needed < 0x1p50 / 100;
    FUZZ_REQUIRE(needed >= 0 && (!wholeCents || std::round(needed * 100) / 100 == needed),
                 what + ": extra needed");
    const auto endsBy = [&](double extra) {
        PlanInputs paying = inputs;
        paying.finishBy.reset();
        paying.events.push_back({plan::EventKind::MonthlyExtra, extra, std::nullopt, std::nullopt});
        const plan::PlanOutcome out = plan::computePlan(paying);
        return out.result && !out.result->limitReached() &&
               out.result->plan.totals.endMonth <= *inputs.finishBy;
    };
    const bool already =
        result.plan.totals.cleared && result.plan.totals.endMonth <= *inputs.finishBy;
    FUZZ_REQUIRE(needed == 0 ? already : endsBy(needed), what + ": the extra needed is not enough");
    FUZZ_REQUIRE(needed == 0 || !wholeCents || !endsBy(std::round(needed * 100 - 1) / 100),
                 what + ": one cent less is enough");
}

// The lender's schedule from the first line's bytes after the selector.
void scheduleOf(std::string_view bytes, plan::ScheduleOptions& options) {
    const auto at = [&](std::size_t i) {
        return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : std::uint8_t(0);
    };
    const std::uint8_t picks = at(0);
    options.frequency = static_cast<plan::Frequency>(picks % 4);
    options.rounding = picks & 4 ? plan::Rounding::Cent : plan::Rounding::Exact;
    options.instalmentRule = static_cast<plan::InstalmentRule>(picks / 8 % 3);
    options.accelerated = (picks & 32) != 0;
    if (picks & 64) {
        // A first payment from 2020 on, a loan date up to a year before it, and years.
        options.firstPayment = QDate(2020, 1, 1).addDays(at(1) | at(2) << 8);
        if (at(3) & 1) options.loanDate = options.firstPayment->addDays(-(at(3) >> 1) * 3);
        options.dayCount = static_cast<plan::DayCount>(at(4) % 5);
        const int startDay = at(5) % 4;
        options.years = startDay == 0   ? plan::YearStart{}
                        : startDay == 1 ? plan::YearStart{plan::YearStart::Kind::Calendar, 1, 1}
                                        : plan::YearStart{plan::YearStart::Kind::Fiscal,
                                                          startDay == 2 ? 4 : 7, 6};
    }
    options.interestOnly = at(6) % 8 == 7 ? at(7) : 0;
    if (at(8) != 0) options.balloon = at(8) * (picks & 128 ? 100.0 : 1.0);
}

void planFile(std::string_view contents) {
    const auto read = plan::parsePlanFile(QByteArray(contents.data(), qsizetype(contents.size())));
    if (const auto* error = std::get_if<plan::PlanFileError>(&read)) {
        FUZZ_REQUIRE(!error->place.empty() && !error->problem.empty(), "a refusal without words");
        return;
    }
    const PlanInputs& inputs = std::get<PlanInputs>(read);
    const auto again = plan::parsePlanFile(plan::planFileContents(inputs));
    FUZZ_REQUIRE(std::holds_alternative<PlanInputs>(again) && std::get<PlanInputs>(again) == inputs,
                 "a plan file written back reads as another plan");
}

// The fee bytes: a fee at signing or borrowed of up to 10 % of the principal, and fees with the
// payments.
void feesOf(std::string_view bytes, plan::Fees& fees) {
    const auto at = [&](std::size_t i) {
        return i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : std::uint8_t(0);
    };
    const std::uint8_t picks = at(9);
    if (picks == 0) return;
    const plan::FeeAmount share{1.0 + at(10) % 10, true};
    (picks & 1 ? fees.financed : fees.upfront) = share;
    if (picks & 2) fees.perPayment = at(11) / 4.0;
    if (picks & 4) fees.yearly = at(12);
    if (picks & 8) fees.exit = at(13) * 10.0;
}

// The APR solves its equation, a fee raises it, a fee borrowed never costs more than the same fee
// paid at signing without cents, and two offers compared either way round keep their figures.
void requireCost(const PlanInputs& inputs, const plan::PlanResult& result,
                 const std::string& what) {
    if (result.limitReached()) return;
    for (const plan::AprMethod method : {plan::AprMethod::Eu, plan::AprMethod::Us}) {
        const plan::CreditFlows flows = plan::creditFlows(inputs, result);
        const plan::CreditCost cost = plan::planCost(inputs, result, method);
        if (!cost.apr) continue;
        const double rate = *cost.apr / 100 / (method == plan::AprMethod::Us ? result.perYear : 1);
        const double perYear = result.perYear;
        double worth = -flows.advance;
        for (const plan::CreditPayment& payment : flows.payments) {
            const plan::FlowTime time = plan::flowTime(flows, payment);
            worth += method == plan::AprMethod::Eu
                         ? payment.amount * std::pow(1 + rate, -(time.periods / perYear +
                                                                 double(time.days) / time.yearDays))
                         : payment.amount /
                               ((1 + time.days / plan::unitPeriodDays(result.frequency) * rate) *
                                std::pow(1 + rate, time.periods));
        }
        FUZZ_REQUIRE(std::abs(worth) <= 1e-9 * cost.payable, what + ": the APR does not solve");
    }
    const auto aprWith = [&](const plan::Fees& fees) -> std::optional<double> {
        PlanInputs other = inputs;
        other.fees = fees;
        const plan::PlanOutcome out = plan::computePlan(other);
        if (!out.result || out.result->limitReached()) return std::nullopt;
        return plan::planCost(other, *out.result, plan::AprMethod::Eu).apr;
    };
    const auto apr = aprWith(inputs.fees);
    const auto none = aprWith({});
    // In cents a rounded instalment can change the term enough to outweigh a small fee.
    if (apr && none && inputs.schedule.rounding == plan::Rounding::Exact) {
        FUZZ_REQUIRE(*apr > *none - 1e-9, what + ": a fee lowers the APR: " +
                                              plan::planFileContents(inputs).toStdString());
    }
    const plan::FeeAmount share =
        inputs.fees.upfront.value_or(inputs.fees.financed.value_or(plan::FeeAmount{}));
    if (share.value > 0 && inputs.schedule.rounding == plan::Rounding::Exact) {
        plan::Fees signing, borrowed;
        signing.upfront = share;
        borrowed.financed = share;
        const auto paidAtSigning = aprWith(signing);
        const auto added = aprWith(borrowed);
        if (paidAtSigning && added) {
            FUZZ_REQUIRE(*added <= *paidAtSigning + 1e-9,
                         what + ": a fee borrowed costs more than paid at signing");
        }
    }
    PlanInputs second = inputs;
    second.fees = {};
    const auto ab = plan::compareOffers({inputs, second}, plan::AprMethod::Eu);
    const auto ba = plan::compareOffers({second, inputs}, plan::AprMethod::Eu);
    if (const auto* one = std::get_if<std::vector<plan::OfferFigures>>(&ab)) {
        const auto& other = std::get<std::vector<plan::OfferFigures>>(ba);
        for (std::size_t i = 0; i < 2; ++i) {
            const plan::OfferFigures& x = (*one)[i];
            const plan::OfferFigures& y = other[1 - i];
            FUZZ_REQUIRE(x.cost.payable == y.cost.payable && x.cost.apr == y.cost.apr &&
                             x.cheapest == y.cheapest && x.moreThanCheapest == y.moreThanCheapest,
                         what + ": the order of the offers changes a figure");
        }
    }
}

void randomPlan(const std::uint8_t* data, std::size_t size) {
    // The box texts end at the fifth line feed; the bytes after it are the events.
    std::size_t boxesEnd = 0;
    for (int feeds = 0; boxesEnd < size && feeds < 5; ++boxesEnd) feeds += data[boxesEnd] == '\n';
    const fuzz::Boxes boxes(data, boxesEnd, 4);
    PlanInputs inputs;
    const std::string_view header(reinterpret_cast<const char*>(data), boxesEnd);
    if (const std::size_t feed = header.find('\n'); feed != header.npos && feed > 1) {
        scheduleOf(header.substr(1, feed - 1), inputs.schedule);
        feesOf(header.substr(1, feed - 1), inputs.fees);
    }
    inputs.loan = {boxes[0], boxes[1], boxes[2], std::nullopt, std::nullopt};
    (boxes.selector % 2 ? inputs.loan.instalment : inputs.loan.months) = boxes[3];
    inputs.policy =
        boxes.selector / 2 % 2 ? plan::Policy::KeepEndMonth : plan::Policy::KeepInstalment;
    for (std::size_t at = boxesEnd; at + 8 <= size && inputs.events.size() < 100; at += 8) {
        const std::uint8_t* e = data + at;
        const auto kind = static_cast<plan::EventKind>(e[0] % 4);
        const double value = (e[1] | e[2] << 8) / (e[0] & 4 ? 100.0 : 1.0);
        const int month = (e[3] | e[4] << 8) % 2100 - 20;
        const int until = month + (e[5] | e[6] << 8) % 2000;
        inputs.events.push_back({kind, value, e[7] & 1 ? std::optional(month) : std::nullopt,
                                 e[7] & 2 ? std::optional(until) : std::nullopt});
        if (kind != plan::EventKind::MonthlyExtra) inputs.events.back().month = month;
    }
    if (boxes.selector & 4) inputs.finishBy = int(boxes.selector * 13 % 400);
    const std::string what = boxes.what + " with " + std::to_string(inputs.events.size()) +
                             " events and the schedule of " + fuzz::quoted(header.substr(0, 10));

    const plan::PlanOutcome out = plan::computePlan(inputs);
    FUZZ_REQUIRE(out.result.has_value() == (out.ending == calc::Ending::Completed) &&
                     out.message.empty() == out.result.has_value(),
                 what + ": ending " + out.message);
    if (!out.result) return;
    requireResult(inputs, *out.result, what);
    if (inputs.fees.any()) requireCost(inputs, *out.result, what);

    const auto reread = plan::parsePlanFile(plan::planFileContents(inputs));
    const auto* back = std::get_if<PlanInputs>(&reread);
    FUZZ_REQUIRE(
        back, what + ": its plan file is refused: " + std::get<plan::PlanFileError>(reread).place +
                  ": " + std::get<plan::PlanFileError>(reread).problem);
    const plan::PlanOutcome again = plan::computePlan(*back);
    FUZZ_REQUIRE(again.result && again.result->plan.totals.paid == out.result->plan.totals.paid &&
                     again.result->plan.totals.endMonth == out.result->plan.totals.endMonth,
                 what + ": its plan file gives other figures");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 0 && data[0] == 'f') {
        planFile(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    } else {
        randomPlan(data, size);
    }
    return 0;
}
