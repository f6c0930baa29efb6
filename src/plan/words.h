#pragma once

#include <QtGlobal>
#include <array>
#include <string_view>

#include "plan/plan.h"

// The words that name a plan's event kinds and policies, once for the window, its document, the
// plan file and the command line. The names for people are marked for translation; the window
// translates them in the context "brisanel::plan".
namespace brisanel::plan {

struct KindWords {
    EventKind kind;
    std::string_view
        name;  ///< for people: QT_TRANSLATE_NOOP("brisanel::plan", "One-time extra payment")
    std::string_view word;    ///< in a plan file's "kind"
    std::string_view option;  ///< brisanel-calc plan's option, without its dashes
    std::string_view value;   ///< the name of the value: "amount", or "rate" for a rate change
};

/// In the order the window lists them.
inline constexpr std::array<KindWords, 4> kEventKinds{{
    {EventKind::MonthlyExtra, QT_TRANSLATE_NOOP("brisanel::plan", "Monthly extra payment"),
     "monthly", "extra", "amount"},
    {EventKind::YearlyExtra, QT_TRANSLATE_NOOP("brisanel::plan", "Yearly extra payment"), "yearly",
     "yearly", "amount"},
    {EventKind::OneTimeExtra, "One-time extra payment", "lump", "lump", "amount"},
    {EventKind::RateChange, QT_TRANSLATE_NOOP("brisanel::plan", "Rate change"), "rate",
     "rate-change", "rate"},
}};

constexpr const KindWords& wordsOf(EventKind kind) {
    for (const KindWords& words : kEventKinds) {
        if (words.kind == kind) return words;
    }
    return kEventKinds.front();  // every kind is listed
}

struct PolicyWords {
    Policy policy;
    std::string_view name;  ///< for people
    std::string_view word;  ///< in a plan file's "policy" and brisanel-calc's --keep
};

/// The default first.
inline constexpr std::array<PolicyWords, 2> kPolicies{{
    {Policy::KeepInstalment, QT_TRANSLATE_NOOP("brisanel::plan", "Shorter loan, same instalment"),
     "instalment"},
    {Policy::KeepEndMonth, QT_TRANSLATE_NOOP("brisanel::plan", "Same end, lower instalment"),
     "end"},
}};

constexpr const PolicyWords& wordsOf(Policy policy) {
    return policy == Policy::KeepEndMonth ? kPolicies[1] : kPolicies[0];
}

/// The policy a file or command-line word names, if any.
constexpr const PolicyWords* policyNamed(std::string_view word) {
    for (const PolicyWords& words : kPolicies) {
        if (words.word == word) return &words;
    }
    return nullptr;
}

struct FrequencyWords {
    Frequency frequency;
    std::string_view word;     ///< in a plan file and brisanel-calc's --frequency
    std::string_view periods;  ///< what the figures count: "Months", "Weeks", "Payments"
    std::string_view period;   ///< one of them, in a sentence: "month", "week", "payment"
};

inline constexpr std::array<FrequencyWords, 4> kFrequencies{{
    {Frequency::Monthly, "monthly", QT_TRANSLATE_NOOP("brisanel::plan", "Months"), "month"},
    {Frequency::Fortnightly, "fortnightly", QT_TRANSLATE_NOOP("brisanel::plan", "Payments"),
     "payment"},
    {Frequency::Weekly, "weekly", QT_TRANSLATE_NOOP("brisanel::plan", "Weeks"), "week"},
    {Frequency::Quarterly, "quarterly", QT_TRANSLATE_NOOP("brisanel::plan", "Payments"), "payment"},
}};

constexpr const FrequencyWords& wordsOf(Frequency frequency) {
    for (const FrequencyWords& words : kFrequencies) {
        if (words.frequency == frequency) return words;
    }
    return kFrequencies.front();
}

struct DayCountWords {
    DayCount dayCount;
    std::string_view word;  ///< in a plan file and brisanel-calc's --day-count
};

inline constexpr std::array<DayCountWords, 5> kDayCounts{{
    {DayCount::Periodic, "periodic"},
    {DayCount::Thirty360, "30/360"},
    {DayCount::Actual365, "actual/365"},
    {DayCount::Actual360, "actual/360"},
    {DayCount::ActualActual, "actual/actual"},
}};

struct RoundingWords {
    Rounding rounding;
    std::string_view word;  ///< in a plan file and brisanel-calc's --rounding
};

inline constexpr std::array<RoundingWords, 2> kRoundings{{
    {Rounding::Exact, "exact"},
    {Rounding::Cent, "cent"},
}};

struct InstalmentRuleWords {
    InstalmentRule rule;
    std::string_view word;  ///< in a plan file and brisanel-calc's --round-instalment
};

inline constexpr std::array<InstalmentRuleWords, 3> kInstalmentRules{{
    {InstalmentRule::Nearest, "nearest"},
    {InstalmentRule::Up, "up"},
    {InstalmentRule::Unit, "unit"},
}};

/// The entry of a words table whose word is `word`, if any.
template <typename Words>
constexpr const typename Words::value_type* named(const Words& table, std::string_view word) {
    for (const auto& words : table) {
        if (words.word == word) return &words;
    }
    return nullptr;
}

/// The word a table gives the value that `field` holds: wordOf(kDayCounts,
/// &DayCountWords::dayCount, DayCount::Actual365) is "actual/365".
template <typename Words, typename Field, typename Value>
constexpr std::string_view wordOf(const Words& table, Field field, Value value) {
    for (const auto& words : table) {
        if (words.*field == value) return words.word;
    }
    return table.front().word;
}

}  // namespace brisanel::plan
