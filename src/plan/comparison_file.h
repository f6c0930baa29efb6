#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "plan/compare.h"
#include "plan/cost.h"
#include "plan/plan.h"
#include "plan/plan_file.h"

// Comparison files: two to four offers, each the object a plan file holds, with the APR method
// and the horizon they are compared by. The comparison window saves and opens them and
// brisanel-calc compare reads them:
//
//   {"brisanel_comparison": 1, "method": "eu", "horizon": 60,
//    "offers": [{"brisanel_plan": 2, "name": "Bank A", "loan": {...}, "fees": {...}, ...},
//               {"brisanel_plan": 1, "loan": {...}}]}
//
// "method" is "eu" (the default) or "us"; "horizon", a period or a date (YYYY-MM-DD), may be
// left out.
namespace brisanel::plan {

inline constexpr int kComparisonFileVersion = 1;
inline constexpr const char* kComparisonSuffix = "brisanel-compare";

struct Comparison {
    std::vector<PlanInputs> offers = {};
    AprMethod method = AprMethod::Eu;
    std::optional<Horizon> horizon = std::nullopt;

    bool operator==(const Comparison&) const = default;
};

/// Reads a comparison from a file's contents, whole or not at all: a place in an offer is named
/// from the list, as "offers[1].loan.rate".
std::variant<Comparison, PlanFileError> parseComparisonFile(const QByteArray& contents);

/// The file's contents for a comparison.
QByteArray comparisonFileContents(const Comparison& comparison);

/// Whether the contents are a comparison file's, by their "brisanel_comparison" member.
bool isComparison(const QByteArray& contents);

/// Reads the named file; on failure the message names the file, the place and the problem.
std::variant<Comparison, std::string> readComparisonFile(const QString& fileName);

/// Writes the named file whole or not at all; returns the reason on failure.
std::optional<QString> writeComparisonFile(const QString& fileName, const Comparison& comparison);

}  // namespace brisanel::plan
