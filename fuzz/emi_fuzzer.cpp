// The "Find EMI" panel and its reducing-balance schedule from arbitrary box texts.
// Input: any first byte, then principal, duration, start and rate separated by line feeds.
//
// Checks: the click ends in one of the panel's own messages, a silent run-time failure, or its
// three results; each shown figure reads back within half a unit of the value computed here from
// the same texts; the schedule built from the kept figures has the line count that the duration
// gives, never more than 1802 lines, serials and months counted from 1 and S + 1, balances that
// follow the instalments, and a last line that shows its balance in both fields.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/emi.h"
#include "calc/messages.h"
#include "details/emi_schedule.h"
#include "fuzz_support.h"

namespace {

using namespace brisanel;
using fuzz::quoted;
using fuzz::show;
using numeric::Failure;
namespace messages = calc::messages;

struct Expected {
    std::string_view message;
    std::optional<Failure> failure;
    std::optional<details::EmiFigures> figures;
    std::optional<double> emi, recovery, interest;
};

constexpr auto refused = fuzz::refused<Expected>;

Expected expected(const fuzz::Boxes& boxes) {
    Expected e;
    const auto failed = [&e](Failure kind) {
        e.failure = kind;
        if (kind == Failure::Overflow) e.message = messages::kCheckInput;
        return e;
    };
    const fuzz::Reading principal = fuzz::readBox(boxes[0]);
    if (principal.failure) return failed(Failure::Overflow);
    if (principal.value <= 0) return refused(messages::kPrincipalPositive);
    const fuzz::Reading months = fuzz::readBox(boxes[1]);
    if (months.failure) return failed(Failure::Overflow);
    if (!(months.value > 0 && months.value <= 1800)) return refused(messages::kDurationUpTo1800);
    const fuzz::Reading startText = fuzz::readWholeBox(boxes[2]);
    if (startText.failure) return failed(Failure::Overflow);
    const double start = startText.value;
    if (start >= months.value) return refused(messages::kStartBeforeEnd);
    const fuzz::Reading rate = fuzz::readBox(boxes[3]);
    if (rate.failure) return failed(Failure::Overflow);
    if (!(rate.value > 0 && rate.value <= 200)) return refused(messages::kRateUpTo200);

    const double P = principal.value, N = months.value;
    const double r = rate.value / 1200;
    const double growth = 1 + r;
    const double grown = P * std::pow(growth, start);
    if (!std::isfinite(grown)) return failed(Failure::Overflow);
    const long last = std::lround(std::nearbyint(N - 1));
    double divisor = 0;
    for (long i = 0; i <= last; ++i) divisor += std::pow(growth, static_cast<double>(i));
    const double top = grown * std::pow(growth, N);
    if (!std::isfinite(top)) return failed(Failure::Overflow);
    if (divisor == 0) return failed(top == 0 ? Failure::InvalidOperation : Failure::DivisionByZero);
    const double E = top / divisor;
    if (!std::isfinite(E)) return failed(Failure::Overflow);
    e.figures = details::EmiFigures{grown, N, E, r, static_cast<std::int16_t>(start)};
    e.emi = E;
    const double recovery = N * E;
    if (!std::isfinite(recovery)) return failed(Failure::Overflow);
    e.recovery = recovery;
    e.interest = recovery - P;
    return e;
}

// One reducing-balance line: serial, month, balance and amount, each checked against its value.
void requireLine(std::string_view line, long serial, long month, double balance, double amount,
                 bool first, const std::string& what) {
    const auto parts = fuzz::fields(line);
    FUZZ_REQUIRE(parts.size() == 3, what + ": line " + quoted(line));
    std::string_view head = parts[0];
    fuzz::requireWhole(fuzz::takeWhole(head), serial, 2, what, "serial", line);
    FUZZ_REQUIRE(fuzz::consume(head, ".   Month "), what + ": line " + quoted(line));
    fuzz::requireWhole(fuzz::takeWhole(head), month, 2, what, "month", line);
    FUZZ_REQUIRE(head.empty(), what + ": line " + quoted(line));
    std::string_view shownBalance = parts[1];
    FUZZ_REQUIRE(fuzz::consume(shownBalance, "Bal.= "), what + ": line " + quoted(line));
    if (!first) {
        const std::size_t digits =
            shownBalance.size() - (!shownBalance.empty() && shownBalance.front() == '-');
        FUZZ_REQUIRE(digits >= 4, what + ": balance " + quoted(shownBalance) + " unpadded");
    }
    fuzz::requireShows(shownBalance, balance, 0, what, "balance", line);
    fuzz::requireShows(parts[2], amount, 0, what, "amount", line);
}

void checkSchedule(const details::EmiFigures& figures, const std::string& what) {
    const details::Schedule schedule = details::buildEmiSchedule(figures);
    const long inner = std::lround(std::nearbyint(figures.months - 2));
    const long lastIndex = inner < 1 ? 1 : inner + 1;
    const std::size_t lineCount = static_cast<std::size_t>(lastIndex + 1);
    FUZZ_REQUIRE(schedule.lines.size() <= 1802, what + ": schedule too long");

    const double growth = 1 + figures.monthlyRate;
    double balance = figures.principal;
    for (long i = 0; i <= lastIndex; ++i) {
        if (i > 0) balance = growth * balance - figures.amount;
        if (!std::isfinite(balance)) {
            FUZZ_REQUIRE(schedule.failure == Failure::Overflow && schedule.message.empty() &&
                             schedule.lines.size() == static_cast<std::size_t>(i),
                         what + ": a balance overflow after line " + std::to_string(i));
            return;
        }
        FUZZ_REQUIRE(static_cast<std::size_t>(i) < schedule.lines.size(),
                     what + ": schedule ends at " + std::to_string(schedule.lines.size()));
        const bool last = i == lastIndex;
        requireLine(schedule.lines[static_cast<std::size_t>(i)], i + 1, i + 1 + figures.startDelay,
                    balance, last ? balance : figures.amount, i == 0, what);
    }
    FUZZ_REQUIRE(
        !schedule.failure && schedule.message.empty() && schedule.lines.size() == lineCount,
        what + ": schedule of " + std::to_string(schedule.lines.size()) + " lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto boxes = fuzz::split(data, size, 4);
    if (!boxes) return 0;
    const calc::EmiOutcome out =
        calc::computeEmi({(*boxes)[0], (*boxes)[1], (*boxes)[2], (*boxes)[3]});
    const Expected e = expected(*boxes);
    const std::string what = "EMI of " + quoted((*boxes)[0]) + ", " + quoted((*boxes)[1]) + ", " +
                             quoted((*boxes)[2]) + ", " + quoted((*boxes)[3]);

    FUZZ_REQUIRE(out.message == e.message, what + ": message " + quoted(out.message));
    FUZZ_REQUIRE(out.failure == e.failure, what + ": failure");
    FUZZ_REQUIRE(out.failed() == (!e.message.empty() || e.failure), what + ": failed()");
    FUZZ_REQUIRE(out.emi.has_value() == e.emi.has_value() &&
                     out.grossRecovery.has_value() == e.recovery.has_value() &&
                     out.grossInterest.has_value() == e.interest.has_value(),
                 what + ": results written");
    if (e.emi) fuzz::requireShows(*out.emi, *e.emi, 0, what, "EMI");
    if (e.recovery) fuzz::requireShows(*out.grossRecovery, *e.recovery, 0, what, "recovery");
    if (e.interest) fuzz::requireShows(*out.grossInterest, *e.interest, 0, what, "interest");

    FUZZ_REQUIRE(out.figures.has_value() == e.figures.has_value(), what + ": figures kept");
    if (e.figures) {
        const details::EmiFigures& kept = *out.figures;
        FUZZ_REQUIRE(kept.principal == e.figures->principal && kept.months == e.figures->months &&
                         kept.amount == e.figures->amount &&
                         kept.monthlyRate == e.figures->monthlyRate &&
                         kept.startDelay == e.figures->startDelay,
                     what + ": figures kept");
        checkSchedule(kept, what);
    }
    return 0;
}
