// The four panels' calculations, and the tables they list, from arbitrary box texts.
// Input: a first line with the panel's letter ('i' for "Interests", 'e' for "Find EMI", 'r' for
// "Recovery Months", 'f' for "Find Interest Rate") and, for the interest rules and the rate
// finder's periods, a digit '0' to '4' or '5'; then the panel's box texts, one per line.
//
// Every panel: the click ends as the panel says (one of its refusals, its message on the failure
// it reports, a silent failure on any other, or all its results), and each shown figure reads
// back within half a unit of its last place of the value computed here from the same texts.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "calc/emi.h"
#include "calc/interest.h"
#include "calc/messages.h"
#include "calc/rate_finder.h"
#include "calc/recovery.h"
#include "fuzz_support.h"

namespace {

using namespace brisanel;
using numeric::Failure;
namespace messages = calc::messages;

// "Interests" under one of its five rules: principal, months and rate. Every failure is an
// overflow, reported. When a whole principal is compounded over a whole number of periods, the
// rate finder, given the amount shown, finds the rate back: to within what rounding the amount to
// a whole number moves it, at most 100 x periods a year / (periods x P).
void interestPanel(const std::uint8_t* data, std::size_t size) {
    const fuzz::Boxes boxes(data, size, 3);
    const unsigned rule = boxes.selector % 5;  // simple, annually, quarterly, monthly, daily
    const calc::InterestOutcome out = calc::computeInterest(static_cast<calc::InterestRule>(rule),
                                                            {boxes[0], boxes[1], boxes[2]});
    const std::string what = "rule " + std::to_string(rule) + " with " + boxes.what;

    constexpr double kRateDivisor[] = {100, 100, 400, 1200, 36500};
    constexpr double kPerYear[] = {1, 1, 4, 12, 365};
    fuzz::Expected e;
    double P = NAN, M = NAN, R = NAN, periods = NAN, interest = NAN, gross = NAN;
    if (fuzz::read(boxes[0], P, e) && fuzz::accept(P > 0, messages::kPrincipalPositive, e) &&
        fuzz::read(boxes[1], M, e) && fuzz::accept(M > 0, messages::kMonthsPositive, e) &&
        fuzz::read(boxes[2], R, e) && fuzz::accept(R > 0 && R <= 200, messages::kRateUpTo200, e)) {
        const double r = R / kRateDivisor[rule];
        periods = rule == 4 ? 365.0 / 12 * M : M / (12 / kPerYear[rule]);
        gross = rule == 0 ? r * P * periods + P : std::pow(r + 1, periods) * P;
        interest = rule == 0 ? r * P * periods : gross - P;
        if (!std::isfinite(periods) || !std::isfinite(gross)) e.failure = Failure::Overflow;
    }
    fuzz::requireEnding(out, e, {std::nullopt, messages::kCheckInput}, what);
    fuzz::requireResult(out, out.interest, interest, what + ", interest");
    fuzz::requireResult(out, out.grossAmount, gross, what + ", gross amount");

    // The rate finder counts the duration in months, or in days when daily.
    const double duration = rule == 4 ? M / 12 * 365 : M;
    const double count = rule == 4 ? duration : periods;
    if (out.failed() || rule == 0 || P != std::floor(P) || count != std::floor(count) ||
        count < 1 || duration != std::floor(duration) || duration > 32767) {
        return;
    }
    const calc::RateOutcome found =
        calc::findRate({boxes[0], *out.grossAmount, std::to_string(static_cast<int>(duration)),
                        static_cast<calc::Period>(rule + (rule > 1))});  // no half-yearly rule
    const double moved = 50 * kPerYear[rule] / (count * P);
    FUZZ_REQUIRE(
        found.figures && std::fabs(found.figures->annualRatePercent - R) <= 1.01 * moved + 1e-9,
        what + ": found " + found.annualRate.value_or("no rate"));
}

// "Find EMI": principal, duration, start and rate; an overflow is reported, a duration below half
// a month fails silently. The schedule of the figures it keeps has the lines that the duration
// gives, unless an overflow stops it, and adds up (requireSchedule). For a whole number of months,
// where the arithmetic keeps rounding errors small, its last balance is the instalment discounted
// by a month, and "Recovery Months" given the exact instalment repays the loan in as many months,
// give or take one.
void emiPanel(const std::uint8_t* data, std::size_t size) {
    const fuzz::Boxes boxes(data, size, 4);
    const calc::EmiOutcome out = calc::computeEmi({boxes[0], boxes[1], boxes[2], boxes[3]});
    const std::string what = "EMI of " + boxes.what;

    fuzz::Expected e;
    double P = NAN, N = NAN, S = NAN, R = NAN, growth = NAN, grown = NAN, divisor = 0, E = NAN;
    if (fuzz::read(boxes[0], P, e) && fuzz::accept(P > 0, messages::kPrincipalPositive, e) &&
        fuzz::read(boxes[1], N, e) &&
        fuzz::accept(N > 0 && N <= 1800, messages::kDurationUpTo1800, e) &&
        fuzz::read(boxes[2], S, e, true) && fuzz::accept(S < N, messages::kStartBeforeEnd, e) &&
        fuzz::read(boxes[3], R, e) && fuzz::accept(R > 0 && R <= 200, messages::kRateUpTo200, e)) {
        // The principal grown over the waiting months, then over the duration, shared out over
        // the powers of (1 + r) up to N - 1 rounded.
        growth = 1 + R / 1200;
        grown = P * std::pow(growth, S);
        for (double i = 0; i <= std::nearbyint(N - 1); ++i) divisor += std::pow(growth, i);
        const double top = grown * std::pow(growth, N);
        E = divisor == 0 ? NAN : top / divisor;
        e.failure = !std::isfinite(top) ? Failure::Overflow
                    : divisor == 0
                        ? (top == 0 ? Failure::InvalidOperation : Failure::DivisionByZero)
                    : !std::isfinite(N * E) ? std::optional(Failure::Overflow)
                                            : std::nullopt;
    }
    fuzz::requireEnding(out, e, {Failure::Overflow, messages::kCheckInput}, what);
    fuzz::requireResult(out, out.emi, E, what + ", EMI");
    fuzz::requireResult(out, out.grossRecovery, N * E, what + ", gross recovery");
    fuzz::requireResult(out, out.grossInterest, N * E - P, what + ", gross interest");
    FUZZ_REQUIRE(out.figures.has_value() == std::isfinite(E), what + ": figures kept");
    if (!out.figures) return;

    const calc::ScheduleOutcome schedule = calc::emiSchedule(*out.figures);
    const details::ScheduleRows& rows = schedule.rows;
    const std::size_t lines = static_cast<std::size_t>(std::max(std::nearbyint(N - 2), 0.0)) + 2;
    const bool complete = rows.size() == lines;
    FUZZ_REQUIRE(rows.size() <= lines, what + ": schedule of " + std::to_string(rows.size()));
    const auto stop =
        fuzz::requireSchedule(rows, {grown, R / 1200, E, long(S) + 1}, complete, what);
    fuzz::requireEnding(schedule, {{}, stop}, {Failure::TableLimit, messages::kCheckInput},
                        what + ", schedule");

    // A loan of whole months whose instalment sum stays small enough for rounding errors to stay
    // far below a month's instalment.
    const bool steady = complete && N == std::floor(N) && N >= 2 && divisor <= 1e6 &&
                        std::isnormal(E) && N * E < 1e300;
    if (!steady) return;
    FUZZ_REQUIRE(std::fabs(rows.back().openingBalance - E / growth) <= 1e-6 * E,
                 what + ": last balance " + fuzz::show(rows.back().openingBalance));
    if (S < 0) return;
    const calc::RecoveryOutcome recovery =
        calc::computeRecovery({boxes[0], boxes[3], boxes[2], fuzz::show(E)});  // exactly E
    FUZZ_REQUIRE(!recovery.failed() && std::fabs(recovery.figures->months - N) <= 1,
                 what + ": recovered in " + recovery.months.value_or("no") + " months");
}

// "Recovery Months": principal, rate, start and instalment; a loan still open after 1801 payments
// is reported, an overflow fails silently. The list pays the instalment off the principal grown
// over the waiting months until the balance no longer exceeds it, and adds up (requireSchedule);
// it stops early only on an overflow and holds 1802 lines when the loan is given up. The months
// shown are its lines, the gross figures the payments it lists and those less the principal.
void recoveryPanel(const std::uint8_t* data, std::size_t size) {
    const fuzz::Boxes boxes(data, size, 4);
    const calc::RecoveryOutcome out =
        calc::computeRecovery({boxes[0], boxes[1], boxes[2], boxes[3]});
    const std::string what = "recovery of " + boxes.what;

    fuzz::Expected e;
    double P = NAN, R = NAN, S = NAN, E = NAN, recovery = NAN;
    bool complete = false;
    if (fuzz::read(boxes[0], P, e) && fuzz::accept(P > 0, messages::kPrincipalPositive, e) &&
        fuzz::read(boxes[1], R, e) && fuzz::accept(R > 0 && R <= 200, messages::kRateUpTo200, e) &&
        fuzz::read(boxes[2], S, e, true) && fuzz::accept(S >= 0, messages::kStartNotNegative, e) &&
        fuzz::read(boxes[3], E, e) && fuzz::accept(E > 0, messages::kEmiPositive, e)) {
        const double r = R / 1200;
        const double grown = P * std::pow(1 + r, S);
        FUZZ_REQUIRE(out.rows.has_value() == std::isfinite(grown), what + ": list cleared");
        e.failure = Failure::Overflow;
        if (out.rows) {
            const details::ScheduleRows& rows = *out.rows;
            for (std::size_t k = 1; k + 1 < rows.size(); ++k) {
                FUZZ_REQUIRE(rows[k].openingBalance > E, what + ": paid off before the end");
            }
            complete = rows.size() >= 2 && !(rows.back().openingBalance > E);
            e.failure = fuzz::requireSchedule(rows, {grown, r, E, 1}, complete, what);
            recovery = complete ? double(rows.size() - 1) * E + rows.back().openingBalance : NAN;
            if (complete && !std::isfinite(recovery)) e.failure = Failure::Overflow;
        }
    }
    fuzz::requireEnding(out, e, {Failure::TableLimit, messages::kCheckRecovery}, what);
    FUZZ_REQUIRE(out.months.has_value() == complete &&
                     (!complete || *out.months == std::to_string(out.rows->size())),
                 what + ": months " + out.months.value_or("not written"));
    fuzz::requireResult(out, out.grossRecovery, recovery, what + ", gross recovery");
    fuzz::requireResult(out, out.grossInterest, recovery - P, what + ", gross interest");
}

// "Find Interest Rate" under one of its six periods: principal, principal with interest and
// duration. Both rates and the unit word are written before the growth table, which reports passing
// period 1800; any other failure is silent. The table starts at the principal and has a row per
// whole period and one for left-over months, at most 1801, unless an overflow stops it; each line
// shows its serial, period, interest so far and total; each row charges the rate on the balance
// (the principal, under simple interest), for a part of a period on the left-over row, and adds
// it to the interest so far and the total.
void ratePanel(const std::uint8_t* data, std::size_t size) {
    const fuzz::Boxes boxes(data, size, 3);
    const unsigned p = boxes.selector % 6;
    const auto period = static_cast<calc::Period>(p);
    const bool simple = period == calc::Period::Simple;
    const calc::RateOutcome out = calc::findRate({boxes[0], boxes[1], boxes[2], period});
    const std::string what = "period " + std::to_string(p) + " with " + boxes.what;

    constexpr int kMonths[] = {12, 12, 6, 3, 1, 1};  // a period's months, or days when daily
    constexpr double kAnnual[] = {100, 100, 200, 400, 1200, 36500};
    constexpr const char* kWord[] = {
        " Year: ", " Year: ", " H_Year: ", " Quarter: ", " Month: ", " Day: "};
    fuzz::Expected e;
    double P = NAN, A = NAN, D = NAN, r = NAN;
    if (fuzz::read(boxes[0], P, e) && fuzz::accept(P > 0, messages::kPrincipalPositive, e) &&
        fuzz::read(boxes[1], A, e) && fuzz::accept(A >= P, messages::kAmountAtLeastPrincipal, e) &&
        fuzz::read(boxes[2], D, e, true) && fuzz::accept(D > 0, messages::kDurationPositive, e)) {
        const double years = D * P / 12;
        r = !simple ? std::pow(A / P, kMonths[p] / D) - 1 : years == 0 ? NAN : (A - P) / years;
        if (simple && years == 0) {
            e.failure = A == P ? Failure::InvalidOperation : Failure::DivisionByZero;
        } else if (!std::isfinite(simple ? years : 0) || !std::isfinite(r * kAnnual[p])) {
            e.failure = Failure::Overflow;
        }
    }
    const bool rated = e.refusal.empty() && !e.failure;
    FUZZ_REQUIRE(out.ratePerPeriod.has_value() == rated && out.annualRate.has_value() == rated &&
                     out.growth.has_value() == rated && out.unitWord.has_value() == rated,
                 what + ": results written");
    if (!rated) {
        fuzz::requireEnding(out, e, {Failure::TableLimit, messages::kCheckInput}, what);
        return;
    }
    // "12.3456 %"
    FUZZ_REQUIRE(out.ratePerPeriod->ends_with(" %") && out.annualRate->ends_with(" %"), what);
    fuzz::requireShows(out.ratePerPeriod->substr(0, out.ratePerPeriod->size() - 2), r * 100, 4,
                       what + ", rate per period");
    fuzz::requireShows(out.annualRate->substr(0, out.annualRate->size() - 2), r * kAnnual[p], 3,
                       what + ", annual rate");

    const details::GrowthRows& rows = *out.growth;
    const details::TextLines lines = details::growthLines(rows, period);
    const long whole = static_cast<long>(D) / kMonths[p],
               leftOver = static_cast<long>(D) % kMonths[p];
    const std::size_t count = 1 + static_cast<std::size_t>(whole) + (leftOver > 0);
    FUZZ_REQUIRE(!rows.empty() && rows.size() <= count && rows.size() <= 1801 &&
                     lines.size() == rows.size() && rows[0].total == P &&
                     rows[0].interestSoFar == 0 &&
                     lines[0].starts_with("01.  Loan Starts at:        0.00  \t\t"),
                 what + ": growth table of " + std::to_string(rows.size()) + " rows");
    fuzz::requireShows(lines[0].substr(lines[0].rfind('\t') + 1), P, 2, what + ", start row");
    // The interest that row k charges: the rate on the balance before it (on the principal, under
    // simple interest), for a part of a period on the row of left-over months.
    const auto interestAt = [&](std::size_t k) {
        const double base = simple ? P : rows[k - 1].total;
        return k <= static_cast<std::size_t>(whole) ? r * base : r * base * leftOver / kMonths[p];
    };
    for (std::size_t k = 1; k < rows.size(); ++k) {
        const details::GrowthRow& row = rows[k];
        char head[64];
        std::snprintf(head, sizeof head,
                      k <= static_cast<std::size_t>(whole) ? "%02zu.  End of %zu%s"
                                                           : "%02zu.  End of Period:",
                      k + 1, k, kWord[p]);
        const auto parts = fuzz::fields(lines[k]);
        const double interestBefore = rows[k - 1].interestSoFar;
        FUZZ_REQUIRE(
            parts.size() == 3 && parts[0] == head && parts[1].size() >= 10 &&
                parts[1].ends_with("     ") &&
                fuzz::shows(parts[1].substr(0, parts[1].size() - 5), row.interestSoFar, 2) &&
                fuzz::shows(parts[2], row.total, 2) &&
                fuzz::near(row.interest, interestAt(k), row.interest) &&
                fuzz::near(row.interestSoFar, interestBefore + row.interest, row.interestSoFar) &&
                fuzz::near(row.total, rows[k - 1].total + row.interest, row.total),
            what + ", row " + fuzz::quoted(lines[k]) + " for " + fuzz::show(row.total));
    }

    // A table stops early only at its period limit, or where the next row would overflow.
    const double next = interestAt(rows.size()), interestSoFar = rows.back().interestSoFar + next;
    const bool overflow = !std::isfinite(interestSoFar) ||
                          !std::isfinite(simple ? interestSoFar + P : rows.back().total + next);
    const std::optional<Failure> stop = rows.size() == count  ? std::nullopt
                                        : rows.size() == 1801 ? std::optional(Failure::TableLimit)
                                                              : Failure::Overflow;
    FUZZ_REQUIRE(stop != Failure::Overflow || overflow, what + ": growth table stopped");
    fuzz::requireEnding(out, {{}, stop}, {Failure::TableLimit, messages::kCheckInput}, what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr void (*kPanels[])(const std::uint8_t*, std::size_t) = {interestPanel, emiPanel,
                                                                     recoveryPanel, ratePanel};
    const std::size_t panel =
        size == 0 ? 4 : std::string_view("ierf").find(static_cast<char>(data[0]));
    if (panel < 4) kPanels[panel](data + 1, size - 1);
    return 0;
}
