#pragma once

// What the fuzz targets share: splitting an input into box texts, and the checks that a shown
// figure says what was computed. A failed check prints what it saw and aborts, which libFuzzer
// reports as a crash together with the input that caused it.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "numeric/failure.h"
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
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        }
    }
    return out + "\"";
}

inline std::string show(double value) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.17g", value);
    return buffer;
}

/// A fuzz input as a selector (the first byte less '0', so that seed files stay readable) and
/// box texts separated by line feeds; missing texts are empty, the last one keeps any further
/// line feeds.
struct Boxes {
    unsigned selector = 0;
    std::vector<std::string> texts;

    const std::string& operator[](std::size_t index) const { return texts[index]; }
};

inline std::optional<Boxes> split(const std::uint8_t* data, std::size_t size, std::size_t count) {
    if (size == 0) return std::nullopt;
    Boxes boxes;
    boxes.selector = static_cast<std::uint8_t>(data[0] - '0');
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const std::size_t end = rest.find('\n');
        boxes.texts.emplace_back(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    boxes.texts.emplace_back(rest);
    return boxes;
}

/// The numeric-box rule as a calculation meets it: the value, or the failure it throws.
struct Reading {
    double value = 0;
    std::optional<numeric::Failure> failure;
};

inline Reading readBox(std::string_view text) {
    try {
        return {numeric::readNumber(text), std::nullopt};
    } catch (const numeric::ArithmeticError& error) {
        return {0, error.kind()};
    }
}

/// The 16-bit whole-number rule: the box's number rounded half to even, an overflow outside
/// -32768..32767.
inline Reading readWholeBox(std::string_view text) {
    Reading reading = readBox(text);
    if (reading.failure) return reading;
    reading.value = std::nearbyint(reading.value);
    if (reading.value < -32768 || reading.value > 32767) {
        return {0, numeric::Failure::Overflow};
    }
    return reading;
}

/// A click refused by an input check: its message and nothing else.
template <typename Expected>
Expected refused(std::string_view message) {
    Expected e;
    e.message = message;
    return e;
}

/// Names a checked figure in a failure report: the input, the figure and the line it stands in.
inline std::string describe(std::string_view what, std::string_view field, std::string_view line) {
    std::string text = std::string(what) + ", " + std::string(field);
    if (!line.empty()) text += " in the line " + quoted(line);
    return text;
}

/// Checks that `shown`, the text of a figure shown with `decimals` places, reads back by the
/// numeric-box rule to within half a unit of its last place of `computed`. An empty text (an
/// all-"#" pattern showing a value that rounds to zero) reads back as 0. The slack of a few ulps
/// covers rounding on the shortest decimal form of the value rather than on its exact value.
/// The report, built only on failure, names `what`, `field` and the `line` if there is one.
inline void requireShows(std::string_view shown, double computed, int decimals,
                         std::string_view what, std::string_view field,
                         std::string_view line = {}) {
    FUZZ_REQUIRE(std::isfinite(computed),
                 describe(what, field, line) + " computed as " + show(computed));
    FUZZ_REQUIRE(shown.empty() || numeric::isNumeric(shown),
                 describe(what, field, line) + " shows " + quoted(shown) + ", not a number");
    const Reading back = readBox(shown);
    FUZZ_REQUIRE(!back.failure, describe(what, field, line) + " shows " + quoted(shown));
    const double halfUnit = 0.5 * std::pow(10.0, -decimals);
    const double slack = 4 * std::fabs(computed) * 0x1p-52 + 0x1p-1074;
    FUZZ_REQUIRE(
        std::fabs(back.value - computed) <= halfUnit * (1 + 0x1p-40) + slack,
        describe(what, field, line) + " shows " + quoted(shown) + " for " + show(computed));
}

/// The fields of a list line, split at its tab characters.
inline std::vector<std::string_view> fields(std::string_view line) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t tab = line.find('\t');
        parts.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos) return parts;
        line.remove_prefix(tab + 1);
    }
}

/// Removes `prefix` from the front of `text`; false when `text` does not start with it.
inline bool consume(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) return false;
    text.remove_prefix(prefix.size());
    return true;
}

/// Removes a leading shown whole number (a sign and digits) and returns it.
inline std::string_view takeWhole(std::string_view& text) {
    std::size_t end = text.substr(0, 1) == "-" ? 1 : 0;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    const std::string_view number = text.substr(0, end);
    text.remove_prefix(end);
    return number;
}

/// Checks that `shown` is the whole number `expected` with at least `width` digits.
inline void requireWhole(std::string_view shown, long expected, std::size_t width,
                         std::string_view what, std::string_view field, std::string_view line) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%0*ld", expected < 0 ? "-" : "",
                  static_cast<int>(width), std::labs(expected));
    FUZZ_REQUIRE(shown == buffer,
                 describe(what, field, line) + " shows " + quoted(shown) + ", not " + buffer);
}

}  // namespace brisanel::fuzz
