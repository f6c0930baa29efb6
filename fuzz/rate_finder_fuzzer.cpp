// The "Find Interest Rate" panel and its growth table from arbitrary box texts, under every
// compounding period. Input: a period digit '0' to '5', then principal, principal with interest
// and duration, one per line.
//
// Checks: the click ends as the panel says (a refusal, a silent failure, or both rates and the
// unit, then "Check your input data." when the growth table passes period 1800) and both rates
// read back within half a unit of their last place of the rates computed here. The growth table
// starts at the principal and has a row per whole period and one for left-over months, at most
// 1801, unless an overflow stops it; each line shows its serial, period, interest so far and
// total; each row charges the rate on the balance (the principal, under simple interest), for
// a part of a period on the left-over row, and adds it to the interest so far and the total.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "calc/messages.h"
#include "calc/rate_finder.h"
#include "fuzz_support.h"

using namespace brisanel;
using numeric::Failure;
namespace messages = calc::messages;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Boxes boxes(data, size, 3);
    const unsigned p = boxes.selector % 6;
    const auto period = static_cast<calc::Period>(p);
    const bool simple = period == calc::Period::Simple;
    const calc::RateOutcome out = calc::findRate({boxes[0], boxes[1], boxes[2], period});
    const std::string what = "period " + std::to_string(p) + " with " + boxes.what;

    constexpr int kMonths[] = {12, 12, 6, 3, 1, 1};  // a period's months, or days when daily
    constexpr double kAnnual[] = {100, 100, 200, 400, 1200, 36500};
    constexpr std::string_view kUnit[] = {"per Annum",   "per Annum", "per Half Year",
                                          "per Quarter", "per Month", "per Day"};
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
                     out.growth.has_value() == rated && (!rated || out.unitWord == kUnit[p]),
                 what + ": results written");
    if (!rated) {
        fuzz::requireEnding(out, e, {Failure::TableLimit, messages::kCheckInput}, what);
        return 0;
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
    // The interest of row k, and what it makes of the interest so far and the total.
    const auto interestAt = [&](std::size_t k) {
        const double base = simple ? P : rows[k - 1].total;
        return k <= static_cast<std::size_t>(whole) ? r * base : r * base * leftOver / kMonths[p];
    };
    for (std::size_t k = 1; k < rows.size(); ++k) {
        const details::GrowthRow& row = rows[k];
        const std::string at = what + ", row " + fuzz::quoted(lines[k]);
        char head[64];
        std::snprintf(head, sizeof head,
                      k <= static_cast<std::size_t>(whole) ? "%02zu.  End of %zu%s"
                                                           : "%02zu.  End of Period:",
                      k + 1, k, kWord[p]);
        const auto parts = fuzz::fields(lines[k]);
        FUZZ_REQUIRE(parts.size() == 3 && parts[0] == head && parts[1].size() >= 10 &&
                         parts[1].ends_with("     "),
                     at);
        fuzz::requireShows(parts[1].substr(0, parts[1].size() - 5), row.interestSoFar, 2, at);
        fuzz::requireShows(parts[2], row.total, 2, at);
        FUZZ_REQUIRE(fuzz::near(row.interest, interestAt(k), row.interest) &&
                         fuzz::near(row.interestSoFar, rows[k - 1].interestSoFar + row.interest,
                                    row.interestSoFar) &&
                         fuzz::near(row.total, rows[k - 1].total + row.interest, row.total),
                     at + " does not add up");
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
    return 0;
}
