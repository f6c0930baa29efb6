// The main window's way into the loan planner: "Plan Prepayments…" on the details list's menu,
// for the panel whose schedule the list holds, and Ctrl+L on the "Find EMI" and "Recovery
// Months" panels. The planner's module is loaded, and its window made, the first time it is
// asked for.
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <string_view>

#include "app/dialogs/dialogs.h"
#include "app/planner_module.h"
#include "app/window/frm_interest.h"
#include "app/window/planner_loader.h"
#include "plan/plan.h"

namespace brisanel::app {

void frmInterest::buildPlanCommands() {
    auto* separator = new QAction(List1_);
    separator->setSeparator(true);
    List1_->addAction(separator);
    // The key is the window's, on both panels, so the menu only shows it.
    actPlan_ = new QAction(QStringLiteral("Plan Prepayments…\tCtrl+L"), List1_);
    actPlan_->setObjectName(QStringLiteral("actPlan"));
    actPlan_->setEnabled(false);  // until the list holds a schedule
    connect(actPlan_, &QAction::triggered, this, [this] {
        if (listSource_ && listSource_->kind != ListKind::Growth) openPlanner(listSource_->kind);
    });
    List1_->addAction(actPlan_);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            [this] {
                const std::string_view panel = panelInView().command;
                if (panel == "mnEMI") openPlanner(ListKind::Schedule);
                if (panel == "mnRecovery") openPlanner(ListKind::Recovery);
            });
}

// The panel's four boxes, read and checked as its own button does: a refusal is the panel's
// message, and no planner. The check is the planner's engine, in its module with the rest.
void frmInterest::openPlanner(ListKind panel) {
    const auto box = [this](int index) { return Text1(index)->text().toStdString(); };
    plan::LoanTexts loan;
    if (panel == ListKind::Schedule) {
        loan = {box(20), box(18), box(17), box(19), std::nullopt};
    } else {
        loan = {box(5), box(7), box(8), std::nullopt, box(11)};
    }
    PlannerModule* module = loadedPlannerModule();
    if (!module) return;
    if (const std::string refusal = module->loanRefusal(loan); !refusal.empty()) {
        showMessage(refusal);
        return;
    }
    Planner* planner = this->planner();
    if (!planner) return;
    planner->startFrom(loan);
    planner_->show();
    planner_->raise();
    planner_->activateWindow();
}

PlannerModule* frmInterest::loadedPlannerModule() {
    if (!plannerModule_) {
        QString problem;
        plannerModule_ = plannerModule(problem);
        if (!plannerModule_) {
            dialogs_.message(problem, QStringLiteral("Brisanel"), MessageIcon::Critical,
                             MessageButtons::Ok);
        }
    }
    return plannerModule_;
}

Planner* frmInterest::planner() {
    if (!planner_) {
        PlannerModule* module = loadedPlannerModule();
        if (!module) return nullptr;
        planner_ = module->createPlanner(dialogs_, this);
    }
    return qobject_cast<Planner*>(planner_.data());
}

void frmInterest::openPlanFile(const QString& name) {
    if (Planner* planner = this->planner()) planner->openFile(name);
}

bool frmInterest::closePlanner() {
    return !planner_ || planner_->isHidden() || planner_->close();
}

}  // namespace brisanel::app
