#pragma once

// What the fuzz targets share: the input as box texts, and checks that a click ends as its panel
// says and that shown figures and list lines say what was computed. A failed check prints what it
// saw and aborts, which libFuzzer reports as a crash together with the input that caused it.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/outcome.h"
#include "details/schedule.h"
#include "numeric/number_rules.h"

namespace brisanel::fuzz {

[[noreturn]] inline void fail(const char* file, int line, const std::string& what) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, what.c_str());
    std::abort();
}

// The detail is only built when the check fails, so passing checks cost no string work.
#define FUZZ_REQUIRE(condition, detail)                                         \
    do {                                                                        \
        if (!(condition)) ::brisanel::fuzz::fail(__FILE__, __LINE__, (detail)); \
    } while (false)

inline std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const unsigned char c : text) {
        char shown[8];
        std::snprintf(shown, sizeof shown, c < 0x20 || c >= 0x7f || c == '"' ? "\\x%02x" : "%c", c);
        out += shown;
    }
    return out + "\"";
}

inline std::string show(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

/// A fuzz input: a first line with a selector (its first byte less '0', so that seed files stay
/// readable; 0 when the line is empty), then box texts, one per line; missing texts are empty, the
/// last keeps any further line feeds.
struct Boxes {
    Boxes(const std::uint8_t* data, std::size_t size, std::size_t count) {
        std::string_view rest(reinterpret_cast<const char*>(data), size);
        const std::size_t header = rest.find('\n');
        selector = header == 0 || rest.empty() ? 0 : static_cast<std::uint8_t>(rest[0] - '0');
        rest.remove_prefix(header == rest.npos ? rest.size() : header + 1);
        while (texts.size() < count) {
            const std::size_t end = texts.size() + 1 == count ? rest.npos : rest.find('\n');
            texts.emplace_back(rest.substr(0, end));
            rest.remove_prefix(end == rest.npos ? rest.size() : end + 1);
            what += (texts.size() == 1 ? "" : ", ") + quoted(texts.back());
        }
    }
    const std::string& operator[](std::size_t index) const { return texts[index]; }

    unsigned selector = 0;
    std::vector<std::string> texts;
    std::string what;  ///< the texts, quoted, for failure reports
};

/// How a click should end, worked out here: the refusal its inputs earn, or the run-time failure
/// it meets, or neither.
struct Expected {
    std::string_view refusal;
    std::optional<numeric::Failure> failure;
};

/// Reads a box into `value` by the numeric-box rule (the integer-box rule when `whole`) as the
/// panel does; false, with an overflow expected, when it overflows. Chained with accept() in the
/// panel's order, so that the first box to stop the click decides.
inline bool read(std::string_view text, double& value, Expected& e, bool whole = false) {
    try {
        value = whole ? numeric::readInteger(text) : numeric::readNumber(text);
        return true;
    } catch (const numeric::ArithmeticError&) {
        e.failure = numeric::Failure::Overflow;
        return false;
    }
}

/// An input check: false, with the refusal `message` expected, unless `accepted`.
inline bool accept(bool accepted, std::string_view message, Expected& e) {
    if (!accepted) e.refusal = message;
    return accepted;
}

/// Checks a click's ending, failure and message against `e`, given the failure that the panel
/// reports and the message it reports it with.
inline void requireEnding(const calc::Outcome& out, const Expected& e, calc::Reported reported,
                          const std::string& what) {
    using calc::Ending;
    const bool told = e.failure && (!reported.failure || reported.failure == e.failure);
    const Ending ending = !e.refusal.empty() ? Ending::Refused
                          : !e.failure       ? Ending::Completed
                          : told             ? Ending::Failed
                                             : Ending::FailedSilently;
    const std::string_view message = told ? reported.message : e.refusal;
    FUZZ_REQUIRE(out.ending == ending && out.failure == e.failure && out.message == message,
                 what + ": ending " + std::to_string(static_cast<int>(out.ending)) + ", " +
                     quoted(out.message));
}

/// Whether `shown`, a figure shown with `decimals` places, reads back by the numeric-box rule to
/// within half a unit of its last place of `computed`. An empty text (an all-"#" pattern showing a
/// value that rounds to zero) reads back as 0. The slack of a few ulps covers rounding on the
/// shortest decimal form of the value rather than on its exact value.
inline bool shows(std::string_view shown, double computed, int decimals) {
    const double halfUnit = 0.5 * std::pow(10.0, -decimals) * (1 + 0x1p-40);
    return std::isfinite(computed) && (shown.empty() || numeric::isNumeric(shown)) &&
           std::fabs(numeric::readNumber(shown) - computed) <=
               halfUnit + 0x1p-50 * std::fabs(computed);
}

inline void requireShows(std::string_view shown, double computed, int decimals,
                         const std::string& what) {
    FUZZ_REQUIRE(shows(shown, computed, decimals),
                 what + " shows " + quoted(shown) + " for " + show(computed));
}

/// Checks a result box: written when the click completed, and when written showing `value`.
inline void requireResult(const calc::Outcome& out, const std::optional<std::string>& shown,
                          double value, const std::string& what) {
    FUZZ_REQUIRE(shown || out.failed(), what + " not written");
    if (shown) requireShows(*shown, value, 0, what);
}

/// Whether two values agree up to rounding errors of size `scale`, and those of subnormal values.
inline bool near(double a, double b, double scale) {
    return a == b || std::fabs(a - b) <= 0x1p-48 * std::fabs(scale) + 0x1p-1068;
}

/// The fields of a list line, split at its tab characters.
inline std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> parts{line.substr(0, line.find('\t'))};
    for (std::size_t tab = line.find('\t'); tab != line.npos; tab = line.find('\t', tab + 1)) {
        parts.push_back(line.substr(tab + 1, line.find('\t', tab + 1) - tab - 1));
    }
    return parts;
}

/// What a reducing-balance schedule repays: the balance it opens with, the monthly rate, the
/// instalment, and the month of its first line.
struct Loan {
    double principal, rate, instalment;
    long firstMonth;
};

/// Checks a reducing-balance schedule and its list lines. One line per row, at most 1802; serials
/// count from 1, months from the loan's first; each line shows its row's balance and the
/// instalment, the last line of a `complete` schedule its balance in both fields. The first row
/// opens with the principal. Every settled row (all but the last of an incomplete schedule) adds
/// up: interest at the rate on the balance and the principal repaid make the instalment, the
/// balance less that principal is the next row's (0 after the last of a complete schedule, which
/// pays what is left), and the totals run on. Returns the failure that stopped an incomplete
/// schedule: an overflow of its next balance, or else the working table's limit at 1802 rows.
inline std::optional<numeric::Failure> requireSchedule(std::span<const details::ScheduleRow> rows,
                                                       const Loan& loan, bool complete,
                                                       const std::string& what) {
    const details::TextLines lines = details::scheduleLines(rows);
    FUZZ_REQUIRE(!rows.empty() && rows.size() <= 1802 && lines.size() == rows.size(),
                 what + ": " + std::to_string(lines.size()) + " lines");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const details::ScheduleRow& row = rows[i];
        const bool last = i + 1 == rows.size();
        const long month = loan.firstMonth + static_cast<long>(i);
        char head[64];
        std::snprintf(head, sizeof head, "%02zu.   Month %s%02ld", i + 1, month < 0 ? "-" : "",
                      std::labs(month));
        const auto parts = fields(lines[i]);
        FUZZ_REQUIRE(
            parts.size() == 3 && parts[0] == head && parts[1].starts_with("Bal.= ") &&
                (i > 0 || near(row.openingBalance, loan.principal, loan.principal)) &&
                (i == 0 || parts[1].find_first_of("0123456789") + 4 <= parts[1].size()) &&
                shows(parts[1].substr(6), row.openingBalance, 0) &&
                shows(parts[2], last && complete ? row.openingBalance : loan.instalment, 0),
            what + ", line " + quoted(lines[i]) + " for " + show(row.openingBalance));
        if (last && !complete) break;

        const details::ScheduleRow before = i == 0 ? details::ScheduleRow{} : rows[i - 1];
        const double scale = std::fabs(row.openingBalance) + std::fabs(row.instalment) +
                             std::fabs(row.interest) + std::fabs(row.closingBalance);
        FUZZ_REQUIRE(
            (last ? row.closingBalance == 0
                  : near(row.interest, loan.rate * row.openingBalance, row.interest) &&
                        row.instalment == loan.instalment &&
                        row.closingBalance == rows[i + 1].openingBalance) &&
                near(row.interest + row.principalRepaid, row.instalment, scale) &&
                near(row.openingBalance - row.principalRepaid, row.closingBalance, scale) &&
                near(row.interestSoFar, before.interestSoFar + row.interest, row.interestSoFar) &&
                near(row.principalSoFar, before.principalSoFar + row.principalRepaid,
                     std::fabs(before.principalSoFar) + std::fabs(row.principalRepaid)),
            what + ", line " + quoted(lines[i]) + " does not add up");
    }
    const double grown = (1 + loan.rate) * rows.back().openingBalance;
    const bool overflow = !std::isfinite(grown - loan.instalment);
    FUZZ_REQUIRE(complete || overflow || rows.size() == 1802, what + ": schedule stopped");
    if (complete) return std::nullopt;
    return overflow ? numeric::Failure::Overflow : numeric::Failure::TableLimit;
}

}  // namespace brisanel::fuzz
