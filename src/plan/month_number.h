#pragma once

#include <QDate>
#include <optional>
#include <string_view>

// How a month number is read, the same way in the events table, "Finish by", the plan file and
// the command line: a number, as a numeric box reads it ("240", " 240.0 ", "2.4e2"), whose value
// is whole and at most kMonthRange either side of 0. Whether the month falls inside the loan is
// the engine's check, not the reading's.
namespace brisanel::plan {

inline constexpr int kMonthRange = 1'000'000'000;

/// The month a number is, if it is whole and within the range.
std::optional<int> monthOf(double value);

/// The month a text reads as, if it is one.
std::optional<int> readMonth(std::string_view text);

/// A month, or with payment dates a date, as the planner's month boxes take either.
struct MonthOrDate {
    std::optional<int> month = std::nullopt;
    std::optional<QDate> date = std::nullopt;
};

/// The month a text reads as, or the date it writes (YYYY-MM-DD), if it is either.
std::optional<MonthOrDate> readMonthOrDate(std::string_view text);

/// What is said of a text or number that is not a month.
inline constexpr std::string_view kNotAMonth =
    QT_TRANSLATE_NOOP("brisanel::plan", "is not a whole number");
inline constexpr std::string_view kNotAMonthOrDate =
    QT_TRANSLATE_NOOP("brisanel::plan", "is not a whole number or a date (YYYY-MM-DD)");

}  // namespace brisanel::plan
