// The "Interests" panel from arbitrary box texts under each of its five rules.
// Input: a rule digit '0' to '4', then principal, months and rate separated by line feeds.
//
// Checks: the click ends in one of the panel's own messages or in its two results; each shown
// figure reads back within half a unit of the value computed here, step by step, from the same
// texts; interest and gross amount differ by the principal.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "calc/interest.h"
#include "calc/messages.h"
#include "fuzz_support.h"

namespace {

using namespace brisanel;
using calc::InterestRule;
using fuzz::quoted;
using fuzz::show;
using numeric::Failure;
namespace messages = calc::messages;

// What the click should end with, worked out independently of the calculator.
struct Expected {
    std::string_view message;
    std::optional<double> interest;
    std::optional<double> gross;
    bool failure = false;
};

constexpr auto refused = fuzz::refused<Expected>;

Expected expected(InterestRule rule, const fuzz::Boxes& boxes) {
    Expected e;
    const auto overflow = [&e] {
        e.message = messages::kCheckInput;
        e.failure = true;
        return e;
    };
    const fuzz::Reading principal = fuzz::readBox(boxes[0]);
    if (principal.failure) return overflow();
    if (principal.value <= 0) return refused(messages::kPrincipalPositive);
    const fuzz::Reading months = fuzz::readBox(boxes[1]);
    if (months.failure) return overflow();
    if (months.value <= 0) return refused(messages::kMonthsPositive);
    const fuzz::Reading rate = fuzz::readBox(boxes[2]);
    if (rate.failure) return overflow();
    if (!(rate.value > 0 && rate.value <= 200)) return refused(messages::kRateUpTo200);

    const double P = principal.value, M = months.value, R = rate.value;
    double r = 0, n = 0;
    switch (rule) {
        case InterestRule::Simple:
        case InterestRule::Annually:
            r = R / 100, n = M / 12;
            break;
        case InterestRule::Quarterly:
            r = R / 400, n = M / 3;
            break;
        case InterestRule::Monthly:
            r = R / 1200, n = M;
            break;
        case InterestRule::Daily:
            r = R / 36500, n = (365.0 / 12) * M;
            break;
    }
    if (!std::isfinite(n)) return overflow();
    if (rule == InterestRule::Simple) {
        const double rp = r * P;
        if (!std::isfinite(rp)) return overflow();
        const double interest = rp * n;
        if (!std::isfinite(interest)) return overflow();
        e.interest = interest;
        const double gross = interest + P;
        if (!std::isfinite(gross)) return overflow();
        e.gross = gross;
        return e;
    }
    const double power = std::pow(r + 1, n);
    if (!std::isfinite(power)) return overflow();
    const double amount = power * P;
    if (!std::isfinite(amount)) return overflow();
    e.interest = amount - P;
    e.gross = amount;
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto boxes = fuzz::split(data, size, 3);
    if (!boxes) return 0;
    const auto rule = static_cast<InterestRule>(boxes->selector % 5);
    const calc::InterestOutcome out =
        calc::computeInterest(rule, {(*boxes)[0], (*boxes)[1], (*boxes)[2]});
    const Expected e = expected(rule, *boxes);
    const std::string what = "rule " + std::to_string(boxes->selector % 5) + " with " +
                             quoted((*boxes)[0]) + ", " + quoted((*boxes)[1]) + ", " +
                             quoted((*boxes)[2]);

    FUZZ_REQUIRE(out.message == e.message, what + ": message " + quoted(out.message));
    FUZZ_REQUIRE(out.failure.has_value() == e.failure, what + ": failure");
    FUZZ_REQUIRE(!out.failure || *out.failure == Failure::Overflow, what + ": failure kind");
    FUZZ_REQUIRE(out.interest.has_value() == e.interest.has_value(), what + ": interest written");
    FUZZ_REQUIRE(out.grossAmount.has_value() == e.gross.has_value(), what + ": gross written");
    if (e.interest) fuzz::requireShows(*out.interest, *e.interest, 0, what, "interest");
    if (e.gross) fuzz::requireShows(*out.grossAmount, *e.gross, 0, what, "gross amount");

    if (e.interest && e.gross) {
        // Two whole numbers, each within a half of its value: they differ by the principal to
        // within one, give or take the rounding of the amount itself.
        const double principal = numeric::readNumber((*boxes)[0]);
        const double shownInterest = numeric::readNumber(*out.interest);
        const double shownGross = numeric::readNumber(*out.grossAmount);
        const double slack = 4 * std::fabs(*e.gross) * 0x1p-52;
        FUZZ_REQUIRE(std::fabs(shownGross - shownInterest - principal) <= 1 + slack,
                     what + ": " + show(shownGross) + " - " + show(shownInterest) + " is not " +
                         show(principal));
    }
    return 0;
}
