#pragma once

#include <QString>
#include <QtPlugin>
#include <string>

class QWidget;

namespace brisanel::plan {
struct LoanTexts;
}

namespace brisanel::app {

class Dialogs;

/// The loan planner as the main window sees it: its window, the loan it starts from, and the
/// files it opens.
class Planner {
public:
    /// Takes the loan. A hidden planner starts a new plan from it; one in view keeps its plan and
    /// takes the new loan.
    virtual void startFrom(const plan::LoanTexts& loan) = 0;

    /// Opens a plan file in the planner or a comparison file in Compare Offers, as Open does,
    /// asking first about changes; says why when it cannot and returns false. The window that
    /// shows the file is in view afterwards.
    virtual bool openFile(const QString& name) = 0;

protected:
    ~Planner() = default;  // the window is owned by its parent
};

/// The planner and Compare Offers draw charts, which the calculator never needs before one of
/// them opens: they are a module that the calculator loads the first time it is asked for, so
/// its start-up does without Qt Charts and OpenGL.
class PlannerModule {
public:
    virtual ~PlannerModule() = default;

    /// A new planner window, hidden, owned by `owner`.
    virtual QWidget* createPlanner(Dialogs& dialogs, QWidget* owner) = 0;

    /// The message the loan is refused with, as the panel's own button says it; empty when the
    /// planner can start from it.
    virtual std::string loanRefusal(const plan::LoanTexts& loan) const = 0;
};

}  // namespace brisanel::app

#define BRISANEL_PLANNER_IID "example.norvikal.Brisanel.Planner/1"
#define BRISANEL_PLANNER_MODULE_IID "example.norvikal.Brisanel.PlannerModule/1"
Q_DECLARE_INTERFACE(brisanel::app::Planner, BRISANEL_PLANNER_IID)
Q_DECLARE_INTERFACE(brisanel::app::PlannerModule, BRISANEL_PLANNER_MODULE_IID)
