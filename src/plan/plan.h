#pragma once

#include <QDate>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/outcome.h"
#include "plan/cents.h"
#include "plan/cost.h"
#include "plan/payment_dates.h"

// The loan planner: a loan as the "Find EMI" or "Recovery Months" panel reads it, plus extra
// payments and rate changes, repaid month by month as exact cash flows and set against the same
// loan without them.
namespace brisanel::plan {

/// The loan's box texts, read by the panels' rules and checked with their messages. Exactly one
/// of months and instalment is used: months as on "Find EMI" (the instalment is that panel's),
/// else the instalment as on "Recovery Months". At another frequency than monthly, `months` and
/// `startAfter` count payment periods.
struct LoanTexts {
    std::string principal;
    std::string rate;              ///< annual percent
    std::string startAfter = "0";  ///< whole months before the first instalment
    std::optional<std::string> months;
    std::optional<std::string> instalment;

    bool operator==(const LoanTexts&) const = default;
};

enum class EventKind { MonthlyExtra, YearlyExtra, OneTimeExtra, RateChange };

/// One event of a plan. `value` is an amount, or the new annual rate in percent for a rate change.
/// `month` is the event's period, or a monthly extra's first period (the first instalment's when
/// left out); `until` is a monthly extra's last period (the end of the loan when left out). With
/// payment dates a date may stand for either: `date` falls on the first period paid on or after
/// it, `untilDate` on the last period paid on or before it.
struct Event {
    EventKind kind = EventKind::OneTimeExtra;
    double value = 0;
    std::optional<int> month = std::nullopt;
    std::optional<int> until = std::nullopt;
    std::optional<QDate> date = std::nullopt;
    std::optional<QDate> untilDate = std::nullopt;

    bool operator==(const Event&) const = default;
};

/// What an event changes: the instalment stays and the end moves (what most lenders do), or the
/// end month stays and the instalment is worked out again.
enum class Policy { KeepInstalment, KeepEndMonth };

/// How the lender keeps the schedule. Every option at its default keeps the monthly grid with no
/// dates, where a period is a month and its interest is the monthly rate's, at full precision.
struct ScheduleOptions {
    Frequency frequency = Frequency::Monthly;
    std::optional<QDate> firstPayment;  ///< the first instalment's date
    std::optional<QDate> loanDate;      ///< period 0's date: one period before period 1 if left out
    DayCount dayCount = DayCount::Periodic;  ///< a day count other than Periodic needs dates
    /// Fortnightly or weekly, a half or a quarter of the monthly instalment of the same loan,
    /// whose term is then in months.
    bool accelerated = false;
    Rounding rounding = Rounding::Exact;
    InstalmentRule instalmentRule = InstalmentRule::Nearest;  ///< with whole cents
    /// Still owed after the term's last regular instalment and paid with it; needs a term.
    std::optional<double> balloon = std::nullopt;
    int interestOnly = 0;  ///< the first periods, which pay only their interest
    YearStart years = {};  ///< how the yearly summary counts years

    bool operator==(const ScheduleOptions&) const = default;
};

struct PlanInputs {
    LoanTexts loan;
    std::vector<Event> events = {};
    Policy policy = Policy::KeepInstalment;
    std::optional<int> finishBy = std::nullopt;  ///< a period to be clear by: the extra it needs
    ScheduleOptions schedule = {};
    std::optional<QDate> finishByDate = std::nullopt;  ///< the last period paid by then, instead
    Fees fees = {};         ///< what the lender charges beside the interest
    std::string name = {};  ///< the offer's name, when plans are compared

    bool operator==(const PlanInputs&) const = default;
};

/// The longest plan: months of instalments worked out before it is given up.
inline constexpr int kMonthLimit = 1800;
inline constexpr std::string_view kNotRepaid = "The loan is not repaid within 1800 months.";

/// One month at full precision. openingBalance + interest = instalment + extra + closingBalance,
/// and principalRepaid = instalment + extra - interest.
struct PlanRow {
    int month = 0;
    double openingBalance = 0;
    double interest = 0;
    double instalment = 0;  ///< the instalment paid; less than the scheduled one in the last month
    double extra = 0;       ///< the extras paid; cut to what is owed in the last month
    double principalRepaid = 0;
    double closingBalance = 0;
    double annualRate = 0;  ///< the annual rate in percent in force in the month
    QDate date = {};        ///< the payment's date, when the plan has dates
};

using PlanRows = std::vector<PlanRow>;

/// The figures of one run, base or plan.
struct Totals {
    int months = 0;    ///< instalments paid
    int endMonth = 0;  ///< the month of the last one
    double firstInstalment = 0;
    double lastInstalment = 0;
    double interest = 0;   ///< every month's interest
    double paid = 0;       ///< every instalment and extra paid
    bool cleared = false;  ///< false when the month limit stopped the run
    QDate firstDate;       ///< the first and last payments' dates, when the plan has dates
    QDate endDate;

    /// The principal repaid: all that was paid less the interest.
    double principal() const { return paid - interest; }
};

struct Run {
    PlanRows rows;
    Totals totals;
    std::optional<int> uncoveredMonth;  ///< the first month whose instalment <= its interest
};

/// What kind of thing a note tells.
enum class NoteKind {
    Uncovered,  ///< from a month on, the instalment does not cover the month's interest
    NotRepaid,  ///< the month limit stopped the plan: kNotRepaid
    Unreached,  ///< an event the plan never reaches
};

struct Note {
    NoteKind kind;
    std::string text;  ///< in the words to show

    bool operator==(const Note&) const = default;
};

struct PlanResult {
    int firstMonth = 1;  ///< the first instalment's month: the start delay + 1
    int perYear = 12;    ///< payment periods a year
    Frequency frequency = Frequency::Monthly;
    YearStart years = {};  ///< how the yearly summary counts years, as the plan asks
    bool cents = false;    ///< every amount is whole cents
    QDate loanDate = {};   ///< period 0's date, when the plan has dates
    Run base;              ///< the same loan with no events
    Run plan;
    int monthsSaved = 0;       ///< base months - plan months: negative when the plan runs longer
    double interestSaved = 0;  ///< base interest - plan interest
    std::optional<double> extraNeeded;  ///< for inputs.finishBy: per month, whole cents
    /// What the person should know, in the order to show it: the uncovered instalment, the month
    /// limit, then each event never reached in the order given.
    std::vector<Note> notes;

    bool limitReached() const { return !plan.totals.cleared; }
    /// The note on the uncovered instalment, if there is one.
    std::optional<std::string> warning() const;
    /// The notes on the events never reached.
    std::vector<std::string> unreached() const;
};

/// How a plan ended: Completed with a result (the month limit included), Refused with the
/// message, or Failed with "Check your input data.".
struct PlanOutcome {
    calc::Ending ending = calc::Ending::Completed;
    std::string message;
    std::optional<PlanResult> result;
};

/// Works out a plan and its base. Refuses with a panel's message when the loan is refused and
/// with a message naming the event when an event is: an amount or rate out of range, a month
/// before the first instalment, a last month before the first. A run-time failure (a balance
/// beyond the double range) ends it with "Check your input data.". A plan stopped by the month
/// limit is a result, with kNotRepaid among its notes.
PlanOutcome computePlan(const PlanInputs& inputs);

/// The message refusing the event, if the event is refused; firstMonth is the first instalment's.
/// Its dates must have been laid on periods already.
std::optional<std::string> eventRefusal(const Event& event, int firstMonth);

/// The event in a sentence: "One-time extra payment in month 24".
std::string describe(const Event& event);

}  // namespace brisanel::plan
