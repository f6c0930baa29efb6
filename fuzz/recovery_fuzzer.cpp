// The "Recovery Months" panel from arbitrary box texts.
// Input: any first byte, then principal, rate, start and instalment separated by line feeds.
//
// Checks: the click ends in one of the panel's own messages, a silent run-time failure, or its
// three results; the list never holds more than 1802 lines and holds exactly 1802 when the loan
// is given up; the months shown equal the number of lines; every line follows the balance
// computed here from the same texts; the gross figures read back within half a unit.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/messages.h"
#include "calc/recovery.h"
#include "fuzz_support.h"

namespace {

using namespace brisanel;
using fuzz::quoted;
using fuzz::show;
using numeric::Failure;
namespace messages = calc::messages;

constexpr std::size_t kMostLines = 1802;

struct Line {
    double balance;
    double amount;
};

struct Expected {
    std::string_view message;
    std::optional<Failure> failure;
    std::optional<std::vector<Line>> lines;
    std::optional<long> months;  // written before the gross figures are formed
    std::optional<double> recovery, interest;
};

constexpr auto refused = fuzz::refused<Expected>;

Expected expected(const fuzz::Boxes& boxes) {
    Expected e;
    const auto failed = [&e](Failure kind) {
        e.failure = kind;
        if (kind == Failure::TableLimit) e.message = messages::kCheckRecovery;
        return e;
    };
    const fuzz::Reading principal = fuzz::readBox(boxes[0]);
    if (principal.failure) return failed(Failure::Overflow);
    if (principal.value <= 0) return refused(messages::kPrincipalPositive);
    const fuzz::Reading rate = fuzz::readBox(boxes[1]);
    if (rate.failure) return failed(Failure::Overflow);
    if (!(rate.value > 0 && rate.value <= 200)) return refused(messages::kRateUpTo200);
    const fuzz::Reading startText = fuzz::readWholeBox(boxes[2]);
    if (startText.failure) return failed(Failure::Overflow);
    const double start = startText.value;
    if (start < 0) return refused(messages::kStartNotNegative);
    const fuzz::Reading emi = fuzz::readBox(boxes[3]);
    if (emi.failure) return failed(Failure::Overflow);
    if (emi.value <= 0) return refused(messages::kEmiPositive);

    const double P = principal.value, E = emi.value;
    const double growth = 1 + rate.value / 1200;
    const double power = std::pow(growth, start);
    if (!std::isfinite(power)) return failed(Failure::Overflow);
    double balance = P * power;
    if (!std::isfinite(balance)) return failed(Failure::Overflow);

    auto& lines = e.lines.emplace();
    lines.push_back({balance, E});
    for (long k = 0;; ++k) {
        const double grown = growth * balance;
        if (!std::isfinite(grown)) return failed(Failure::Overflow);
        balance = grown - E;
        if (!std::isfinite(balance)) return failed(Failure::Overflow);
        if (k > 1800) return failed(Failure::TableLimit);
        if (balance > E) {
            lines.push_back({balance, E});
            continue;
        }
        lines.push_back({balance, balance});
        e.months = k + 2;
        const double paid = static_cast<double>(k + 1) * E;
        if (!std::isfinite(paid)) return failed(Failure::Overflow);
        const double recovery = paid + balance;
        if (!std::isfinite(recovery)) return failed(Failure::Overflow);
        e.recovery = recovery;
        e.interest = recovery - P;
        return e;
    }
}

void requireLine(std::string_view line, long serial, const Line& expected, bool first,
                 const std::string& what) {
    const auto parts = fuzz::fields(line);
    FUZZ_REQUIRE(parts.size() == 3, what + ": line " + quoted(line));
    std::string_view head = parts[0];
    fuzz::requireWhole(fuzz::takeWhole(head), serial, 2, what, "serial", line);
    FUZZ_REQUIRE(fuzz::consume(head, ".   Month "), what + ": line " + quoted(line));
    // The month of a recovery line is its serial, whatever the waiting time.
    fuzz::requireWhole(fuzz::takeWhole(head), serial, 2, what, "month", line);
    FUZZ_REQUIRE(head.empty(), what + ": line " + quoted(line));
    std::string_view balance = parts[1];
    FUZZ_REQUIRE(fuzz::consume(balance, "Bal.= "), what + ": line " + quoted(line));
    if (!first) {
        const std::size_t digits = balance.size() - (!balance.empty() && balance.front() == '-');
        FUZZ_REQUIRE(digits >= 4, what + ": balance " + quoted(balance) + " unpadded");
    }
    fuzz::requireShows(balance, expected.balance, 0, what, "balance", line);
    fuzz::requireShows(parts[2], expected.amount, 0, what, "amount", line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto boxes = fuzz::split(data, size, 4);
    if (!boxes) return 0;
    const calc::RecoveryOutcome out =
        calc::computeRecovery({(*boxes)[0], (*boxes)[1], (*boxes)[2], (*boxes)[3]});
    const Expected e = expected(*boxes);
    const std::string what = "recovery of " + quoted((*boxes)[0]) + ", " + quoted((*boxes)[1]) +
                             ", " + quoted((*boxes)[2]) + ", " + quoted((*boxes)[3]);

    FUZZ_REQUIRE(out.message == e.message, what + ": message " + quoted(out.message));
    FUZZ_REQUIRE(out.failure == e.failure, what + ": failure");
    FUZZ_REQUIRE(out.lines.has_value() == e.lines.has_value(), what + ": list cleared");
    if (out.lines) {
        FUZZ_REQUIRE(out.lines->size() <= kMostLines, what + ": list too long");
        FUZZ_REQUIRE(out.lines->size() == e.lines->size(),
                     what + ": " + std::to_string(out.lines->size()) + " lines, expected " +
                         std::to_string(e.lines->size()));
        for (std::size_t i = 0; i < out.lines->size(); ++i) {
            requireLine((*out.lines)[i], static_cast<long>(i + 1), (*e.lines)[i], i == 0, what);
        }
    }
    if (e.failure == Failure::TableLimit) {
        FUZZ_REQUIRE(out.lines->size() == kMostLines, what + ": a given-up loan's list");
    }

    FUZZ_REQUIRE(out.months.has_value() == e.months.has_value() &&
                     out.grossRecovery.has_value() == e.recovery.has_value() &&
                     out.grossInterest.has_value() == e.interest.has_value(),
                 what + ": results written");
    if (e.months) {
        FUZZ_REQUIRE(*out.months == std::to_string(out.lines->size()),
                     what + ": " + *out.months + " months for " +
                         std::to_string(out.lines->size()) + " lines");
        FUZZ_REQUIRE(*e.months >= 2, what + ": fewer than two months");
    }
    if (e.recovery) fuzz::requireShows(*out.grossRecovery, *e.recovery, 0, what, "recovery");
    if (e.interest) fuzz::requireShows(*out.grossInterest, *e.interest, 0, what, "interest");
    return 0;
}
