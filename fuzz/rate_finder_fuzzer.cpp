// The "Find Interest Rate" panel and its growth table from arbitrary box texts, under every
// compounding period. Input: a period digit '0' to '5', then principal, principal with interest
// and duration separated by line feeds.
//
// Checks: the click ends in one of the panel's own messages, a silent run-time failure, or its
// results; both rates read back within half a unit of their last place of the rates computed
// here; the growth table has a start row, one row per whole period and a closing row for left-over
// months, never more than 1801 rows (exactly 1801 when it stops at its limit), serials without a
// gap, and interest and totals that follow the balance computed here.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/messages.h"
#include "calc/periods.h"
#include "calc/rate_finder.h"
#include "fuzz_support.h"

namespace {

using namespace brisanel;
using calc::Period;
using fuzz::quoted;
using fuzz::show;
using numeric::Failure;
namespace messages = calc::messages;

constexpr std::size_t kMostRows = 1801;

struct Row {
    double interest;
    double total;
};

struct Expected {
    std::string_view message;
    std::optional<Failure> failure;
    std::optional<double> perPeriod, annual;  // percent
    std::string_view unit;
    std::optional<std::vector<Row>> rows;  // after the start row
    double principal = 0;
    long wholePeriods = 0;
    const char* word = "";
};

struct PeriodRule {
    double monthsPerPeriod;  // the exponent's numerator
    double annualFactor;
    std::string_view unit;
    const char* word;
};

PeriodRule ruleOf(Period period) {
    switch (period) {
        case Period::Simple:
            return {12, 100, "per Annum", " Year: "};
        case Period::Yearly:
            return {12, 100, "per Annum", " Year: "};
        case Period::HalfYearly:
            return {6, 200, "per Half Year", " H_Year: "};
        case Period::Quarterly:
            return {3, 400, "per Quarter", " Quarter: "};
        case Period::Monthly:
            return {1, 1200, "per Month", " Month: "};
        case Period::Daily:
            return {1, 36500, "per Day", " Day: "};
    }
    return {1, 1, "", ""};
}

constexpr auto refused = fuzz::refused<Expected>;

Expected expected(Period period, const fuzz::Boxes& boxes) {
    Expected e;
    const auto failed = [&e](Failure kind) {
        e.failure = kind;
        if (kind == Failure::TableLimit) e.message = messages::kCheckInput;
        return e;
    };
    const fuzz::Reading principal = fuzz::readBox(boxes[0]);
    if (principal.failure) return failed(Failure::Overflow);
    if (principal.value <= 0) return refused(messages::kPrincipalPositive);
    const fuzz::Reading amount = fuzz::readBox(boxes[1]);
    if (amount.failure) return failed(Failure::Overflow);
    if (amount.value < principal.value) return refused(messages::kAmountAtLeastPrincipal);
    const fuzz::Reading durationText = fuzz::readWholeBox(boxes[2]);
    if (durationText.failure) return failed(Failure::Overflow);
    const double D = durationText.value;
    if (D <= 0) return refused(messages::kDurationPositive);

    const double P = principal.value, A = amount.value;
    const PeriodRule rule = ruleOf(period);
    double r = 0;
    if (period == Period::Simple) {
        const double interest = A - P;
        const double product = D * P;
        if (!std::isfinite(product)) return failed(Failure::Overflow);
        const double years = product / 12;
        if (years == 0) {
            return failed(interest == 0 ? Failure::InvalidOperation : Failure::DivisionByZero);
        }
        r = interest / years;
    } else {
        const double exponent = rule.monthsPerPeriod / D;
        const double growth = A / P;
        if (!std::isfinite(growth)) return failed(Failure::Overflow);
        const double power = std::pow(growth, exponent);
        if (!std::isfinite(power)) return failed(Failure::Overflow);
        r = power - 1;
    }
    if (!std::isfinite(r)) return failed(Failure::Overflow);
    const double annual = r * rule.annualFactor;
    if (!std::isfinite(annual)) return failed(Failure::Overflow);
    const double perPeriod = r * 100;
    if (!std::isfinite(perPeriod)) return failed(Failure::Overflow);
    e.perPeriod = perPeriod;
    e.annual = annual;
    e.unit = rule.unit;

    // The growth table.
    e.principal = P;
    e.word = rule.word;
    auto& rows = e.rows.emplace();
    const long duration = static_cast<long>(D);
    long whole = duration, leftOver = 0, monthsPerPeriod = 1;
    if (period != Period::Monthly && period != Period::Daily) {
        monthsPerPeriod = static_cast<long>(rule.monthsPerPeriod);
        whole = duration / monthsPerPeriod;
        leftOver = duration % monthsPerPeriod;
    }
    e.wholePeriods = whole;
    const bool compounding = period != Period::Simple;
    double balance = P, interestSoFar = 0;
    const auto addRow = [&](double interest) {
        if (!std::isfinite(interest)) return false;
        if (compounding) balance = interest + balance;
        if (!std::isfinite(balance)) return false;
        interestSoFar = interestSoFar + interest;
        if (!std::isfinite(interestSoFar)) return false;
        const double total = compounding ? balance : interestSoFar + balance;
        if (!std::isfinite(total)) return false;
        rows.push_back({interestSoFar, total});
        return true;
    };
    for (long k = 1; k <= whole; ++k) {
        if (k > 1800) return failed(Failure::TableLimit);
        if (!addRow(r * balance)) return failed(Failure::Overflow);
    }
    if (leftOver > 0) {
        if (whole + 1 > 1800) return failed(Failure::TableLimit);
        const double part = r * balance * static_cast<double>(leftOver);
        if (!std::isfinite(part)) return failed(Failure::Overflow);
        if (!addRow(part / static_cast<double>(monthsPerPeriod))) return failed(Failure::Overflow);
    }
    return e;
}

// "12.3456 %" -> "12.3456"
std::string_view percent(std::string_view shown, const std::string& what) {
    FUZZ_REQUIRE(shown.size() >= 2 && shown.substr(shown.size() - 2) == " %",
                 what + ": rate " + quoted(shown));
    return shown.substr(0, shown.size() - 2);
}

void checkRows(const details::TextLines& lines, const Expected& e, const std::string& what) {
    FUZZ_REQUIRE(!lines.empty(), what + ": no start row");
    const auto start = fuzz::fields(lines[0]);
    FUZZ_REQUIRE(
        start.size() == 3 && start[0] == "01.  Loan Starts at:        0.00  " && start[1].empty(),
        what + ": start row " + quoted(lines[0]));
    fuzz::requireShows(start[2], e.principal, 2, what, "principal", lines[0]);

    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto parts = fuzz::fields(line);
        FUZZ_REQUIRE(parts.size() == 3, what + ": row " + quoted(line));
        std::string_view head = parts[0];
        fuzz::requireWhole(fuzz::takeWhole(head), static_cast<long>(i + 1), 2, what, "serial",
                           line);
        const long period = static_cast<long>(i);
        if (period <= e.wholePeriods) {
            FUZZ_REQUIRE(fuzz::consume(head, ".  End of "), what + ": row " + quoted(line));
            fuzz::requireWhole(fuzz::takeWhole(head), period, 1, what, "period", line);
            FUZZ_REQUIRE(head == e.word, what + ": row " + quoted(line));
        } else {
            FUZZ_REQUIRE(head == ".  End of Period:", what + ": row " + quoted(line));
        }
        // "####00.00" shows at least "00.00"; five blanks follow it.
        std::string_view interest = parts[1];
        FUZZ_REQUIRE(interest.size() >= 10 && interest.substr(interest.size() - 5) == "     ",
                     what + ": row " + quoted(line));
        interest.remove_suffix(5);
        fuzz::requireShows(interest, (*e.rows)[i - 1].interest, 2, what, "interest", line);
        fuzz::requireShows(parts[2], (*e.rows)[i - 1].total, 2, what, "total", line);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto boxes = fuzz::split(data, size, 3);
    if (!boxes) return 0;
    const auto period = static_cast<Period>(boxes->selector % 6);
    const calc::RateOutcome out = calc::findRate({(*boxes)[0], (*boxes)[1], (*boxes)[2], period});
    const Expected e = expected(period, *boxes);
    const std::string what = "period " + std::to_string(boxes->selector % 6) + " with " +
                             quoted((*boxes)[0]) + ", " + quoted((*boxes)[1]) + ", " +
                             quoted((*boxes)[2]);

    FUZZ_REQUIRE(out.message == e.message, what + ": message " + quoted(out.message));
    FUZZ_REQUIRE(out.failure == e.failure, what + ": failure");
    FUZZ_REQUIRE(out.ratePerPeriod.has_value() == e.perPeriod.has_value() &&
                     out.annualRate.has_value() == e.annual.has_value() &&
                     out.unitWord.has_value() == e.annual.has_value(),
                 what + ": results written");
    if (e.perPeriod) {
        fuzz::requireShows(percent(*out.ratePerPeriod, what), *e.perPeriod, 4, what,
                           "rate per period");
        fuzz::requireShows(percent(*out.annualRate, what), *e.annual, 3, what, "annual rate");
        FUZZ_REQUIRE(*out.unitWord == e.unit, what + ": unit " + quoted(*out.unitWord));
    }

    FUZZ_REQUIRE(out.growthLines.has_value() == e.rows.has_value(), what + ": growth table");
    if (out.growthLines) {
        const auto& lines = *out.growthLines;
        FUZZ_REQUIRE(lines.size() <= kMostRows, what + ": growth table too long");
        FUZZ_REQUIRE(lines.size() == e.rows->size() + 1,
                     what + ": " + std::to_string(lines.size()) + " rows, expected " +
                         std::to_string(e.rows->size() + 1));
        if (e.failure == Failure::TableLimit) {
            FUZZ_REQUIRE(lines.size() == kMostRows, what + ": a growth table at its limit");
        }
        checkRows(lines, e, what);
    }
    return 0;
}
