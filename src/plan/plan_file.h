#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <optional>
#include <string>
#include <variant>

#include "plan/plan.h"

// Plan files: a plan's loan, events, policy and month to finish by, as JSON. The window saves and
// opens them and brisanel-calc reads them, so the format is defined here once:
//
//   {"brisanel_plan": 1,
//    "loan": {"principal": 5000, "rate": 12.5, "start_after": 0, "months": 48},
//    "policy": "instalment",
//    "events": [{"kind": "monthly", "amount": 100, "from": 13, "to": 24},
//               {"kind": "yearly", "amount": 500, "month": 24},
//               {"kind": "lump", "amount": 5000, "month": 24},
//               {"kind": "rate", "rate": 14, "month": 25}],
//    "finish_by": 36}
//
// "loan" holds "months" or "emi", not both; "policy" is "instalment" (the default) or "end";
// "start_after", "events", "from", "to" and "finish_by" may be left out.
//
// Version 2 adds the lender's schedule, and dates (YYYY-MM-DD) wherever a month may be named:
//
//   {"brisanel_plan": 2, ...,
//    "schedule": {"frequency": "fortnightly", "first_payment": "2027-01-15",
//                 "loan_date": "2027-01-01", "day_count": "actual/365",
//                 "rounding": "cent", "instalment_rule": "up", "balloon": 5000,
//                 "interest_only": 12, "accelerated": false, "years": "04-06"},
//    "events": [{"kind": "lump", "amount": 5000, "month": "2028-03-15"}],
//    "finish_by": "2035-12-31"}
//
// An offer adds its name and fees: "name": "Bank A", "fees": {"upfront": "2%", "financed": 500,
// "per_payment": 5, "yearly": 25, "exit": 100} (an amount, or for "upfront" and "financed" a
// percentage of the principal).
//
// Every member of "schedule" may be left out ("rounding" is "exact" or "cent", "years"
// "loan", "calendar" or a fiscal year's first day). A plan that needs none of it is written as
// version 1, which this program still reads as it always has.
namespace brisanel::plan {

inline constexpr int kPlanFileVersion = 2;

/// What is wrong with a plan file: where (a line and column, or a field's path such as
/// "events[2].month") and what.
struct PlanFileError {
    std::string place;
    std::string problem;
};

/// Reads a plan from a file's contents, whole or not at all: any syntax error, unknown field,
/// missing field or value out of range refuses the whole file.
std::variant<PlanInputs, PlanFileError> parsePlanFile(const QByteArray& contents);

/// A file's contents as JSON: its top object, or null when the top is not an object; a syntax
/// error is refused at its line and column.
std::variant<QJsonValue, PlanFileError> parseJson(const QByteArray& contents);

/// Reads a plan from the object a plan file holds, whole or not at all, by the same rules;
/// `path` is where the object is ("offers[2]"), and the places of the errors start with it.
std::variant<PlanInputs, PlanFileError> readPlanObject(const QJsonValue& value,
                                                       const std::string& path = {});

/// Whether the plan uses what only version 2 holds: the lender's schedule or a date.
bool needsVersion2(const PlanInputs& inputs);

/// The object a plan file holds for a plan; the loan's texts are written as the numbers they read
/// as.
QJsonObject planObject(const PlanInputs& inputs);

/// The file's contents for a plan: planObject, indented.
QByteArray planFileContents(const PlanInputs& inputs);

/// The named file's contents, or why it cannot be read: "FILE: No such file or directory".
std::variant<QByteArray, std::string> fileContents(const QString& fileName);

/// A file refused: "FILE: place: problem".
std::string fileRefusal(const QString& fileName, const PlanFileError& error);

/// Reads the named file; on failure the message names the file, the place and the problem.
std::variant<PlanInputs, std::string> readPlanFile(const QString& fileName);

/// Writes the named file whole or not at all; returns the reason on failure.
std::optional<QString> writePlanFile(const QString& fileName, const PlanInputs& inputs);

}  // namespace brisanel::plan
