#pragma once

#include <QString>
#include <QStringList>

namespace brisanel::app {

class PlannerModule;

/// The places the planner module is looked for: beside the program, as in the build tree, then
/// in the module folder of the installed program.
QStringList plannerModulePlaces();

/// The planner module: the one linked into the program, as the tests link it, else the first of
/// `plannerModulePlaces()` that loads. Null when none does, with `problem` saying why in the
/// user's words.
PlannerModule* plannerModule(QString& problem);

/// The first of `places` that loads as the planner module, or null and why not.
PlannerModule* loadPlannerModule(const QStringList& places, QString& problem);

}  // namespace brisanel::app
