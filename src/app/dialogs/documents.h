#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace brisanel::app {

class Dialogs;

// What the planner's and the comparison's files have in common with any desktop document: the
// name a file dialog suggests, the suffix a saved name ends in, and the question about changes.

/// Where a file dialog for `document` starts: beside it and named after it with `suffix`, or as
/// `untitled.suffix` in the current folder for a document never saved or opened.
QString suggestedPath(const QString& document, const QString& untitled, const QString& suffix);

/// The suffixes a file dialog's filter names: "Plan files (*.brisanel-plan *.json)" gives
/// "brisanel-plan" and "json".
QStringList filterSuffixes(const QString& filter);

/// The name a save dialog gives a file typed as `name`: as it is when it ends in one of the
/// filter's suffixes ("loan.json" stays), else with `defaultSuffix` added ("loan.v2" becomes
/// "loan.v2.brisanel-plan"); an empty default suffix adds none.
QString savedName(const QString& name, const QString& defaultSuffix, const QString& filter);

/// Save / Discard / Cancel for a changed document, asked as `question`: false when the user keeps
/// it open, or the save chosen did not happen.
bool settleChanges(Dialogs& dialogs, bool modified, const QString& question,
                   const std::function<bool()>& save);

}  // namespace brisanel::app
