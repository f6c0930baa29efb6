// The calculator starts without Qt Charts: the planner and Compare Offers are loaded from their
// module the first time one of them is asked for.
#include "app/window/planner_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include "app/planner_module.h"

namespace brisanel::app {

QStringList plannerModulePlaces() {
    const QDir program(QCoreApplication::applicationDirPath());
    const QString module = QStringLiteral(BRISANEL_PLANNER_MODULE);
    const QString installed = QString::fromUtf8(BRISANEL_MODULE_DIR) + u'/' + module;
    return {program.filePath(module), QDir::cleanPath(program.filePath(installed))};
}

PlannerModule* plannerModule(QString& problem) {
    for (QObject* linked : QPluginLoader::staticInstances()) {
        if (auto* module = qobject_cast<PlannerModule*>(linked)) return module;
    }
    return loadPlannerModule(plannerModulePlaces(), problem);
}

PlannerModule* loadPlannerModule(const QStringList& places, QString& problem) {
    QStringList reasons;
    for (const QString& place : places) {
        if (!QFileInfo::exists(place)) continue;
        QPluginLoader loader(place);
        if (auto* module = qobject_cast<PlannerModule*>(loader.instance())) return module;
        reasons.append(loader.isLoaded() ? QCoreApplication::translate(
                                               "frmInterest", "%1 is not the planner's module.")
                                               .arg(place)
                                         : loader.errorString());
    }
    if (reasons.isEmpty()) {
        reasons.append(QCoreApplication::translate("frmInterest", "It is not installed in %1.")
                           .arg(places.join(QStringLiteral(" or "))));
    }
    problem = QCoreApplication::translate("frmInterest", "The loan planner could not be loaded.") +
              u'\n' + reasons.join(u'\n');
    return nullptr;
}

}  // namespace brisanel::app
