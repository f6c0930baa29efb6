// The planner's module as the calculator loads it: the one object through which the main window
// makes a planner, which then serves as its Planner.
#include <QObject>

#include "app/planner/planner_window.h"
#include "app/planner_module.h"
#include "plan/plan.h"

namespace brisanel::app::planner {

class PlannerPlugin final : public QObject, public PlannerModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BRISANEL_PLANNER_MODULE_IID)
    Q_INTERFACES(brisanel::app::PlannerModule)

public:
    QWidget* createPlanner(Dialogs& dialogs, QWidget* owner) override {
        return new PlannerWindow(dialogs, owner);
    }

    std::string loanRefusal(const plan::LoanTexts& loan) const override {
        const plan::PlanOutcome checked = plan::computePlan({loan, {}, {}, std::nullopt});
        return checked.result ? std::string() : checked.message;
    }
};

}  // namespace brisanel::app::planner

#include "planner_plugin.moc"
