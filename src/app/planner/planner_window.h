#pragma once

#include <QMainWindow>
#include <QSet>
#include <array>
#include <memory>
#include <optional>
#include <utility>
#include <variant>

#include "app/planner/plan_charts.h"
#include "app/planner_module.h"
#include "plan/plan.h"
#include "plan/plan_table.h"
#include "plan/year_summary.h"

class QAction;
class QButtonGroup;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTreeView;

namespace brisanel::app {

class Dialogs;

namespace compare {
class CompareWindow;
}

namespace planner {

class EventTable;
class FeesBox;
class FiguresBox;
class ScheduleBox;
class YearModel;
class YearsBox;

/// The loan planner: a loan from the "Find EMI" or "Recovery Months" panel, kept by the lender's
/// schedule and fees, with extra payments and rate changes, set against the same loan without
/// them. Every edit asks the engine again and shows its figures, cost of credit, charts, yearly
/// summary and notes; nothing is worked out here. Each part of the window has its file: the loan
/// (loan_form.cpp), the events, policy and "finish by" (events_form.cpp), the charts and the
/// yearly summary (plan_views.cpp), the Plan menu's commands (plan_commands.cpp); the schedule,
/// fees, figures and years are widgets of their own.
class PlannerWindow final : public QMainWindow, public Planner {
    Q_OBJECT
    Q_INTERFACES(brisanel::app::Planner)

public:
    PlannerWindow(Dialogs& dialogs, QWidget* owner);
    ~PlannerWindow() override;

    /// Takes the loan. A hidden planner starts a new plan from it: no events, the first policy,
    /// no month to finish by, no file. One in view keeps its plan and takes the new loan.
    void startFrom(const plan::LoanTexts& loan) override;

    bool openFile(const QString& name) override;

    /// Opens a plan file as Open Plan does, asking first about a changed plan; says why when it
    /// cannot and returns false.
    bool openPlanFile(const QString& name);

    /// Opens a comparison file in Compare Offers, as its Open does; false when it cannot.
    bool openComparisonFile(const QString& name);

    /// Whether the plan changed since it was started, opened or saved.
    bool isPlanModified() const { return modified_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildLoan();
    QWidget* buildEvents();
    QWidget* buildPolicy();
    QWidget* buildViews();
    void buildCommands();
    void setTabOrders();

    plan::LoanTexts loanTexts() const;
    /// The plan as the controls hold it, or the message naming what is not a number; the events
    /// table's rows without an amount yet are added to `unfinished`.
    std::variant<plan::PlanInputs, QString> currentInputs(QList<int>& unfinished) const;
    bool showPlanFile(const QString& name);  ///< reads it into the window, or says why not
    void setInputs(const plan::PlanInputs& inputs);
    void setLoan(const plan::LoanTexts& loan);
    void termKindChanged();
    /// The loan's captions count the schedule's periods: months, or payments at another
    /// frequency; the options that need dates follow the first payment date.
    void scheduleChanged();

    void edited();
    void recompute();
    void showResult(plan::PlanResult result, std::optional<int> finishBy);
    void showRefusal(const QString& message);
    /// Shows the engine's messages, then the window's own notes.
    void showMessages(QStringList messages);
    void refreshMessages();
    /// Shows the yearly summary of `result_`; the open years, the current row and the top row in
    /// view stay where they were, by loan year, also when the years are made anew.
    void showYears();
    /// Colours that read on the palette's backgrounds, light or dark.
    void applyColours();
    /// Fills the chart in view and leaves the others to be filled when they come into view.
    void showCharts();
    void setModified(bool modified);
    void updateTitle();

    /// Save / Discard / Cancel for a changed plan: false when the user keeps it open.
    bool settleChanges();
    bool savePlan();
    void openPlan();
    void exportPdf();
    void printPlan();
    /// The plan beside up to three other offers, in the Compare Offers window.
    void compareOffers();
    compare::CompareWindow* compareWindow();  ///< made the first time it is asked for
    void copyTable();

    Dialogs& dialogs_;
    bool sized_ = false;
    bool modified_ = false;
    QString fileName_;
    QList<int> unfinishedRows_;  // the events table's rows left out for want of an amount
    QString unfinishedNote_;     // and what the window says of them
    QString termNote_;           // how switching between months and instalment changed the loan
    QStringList engineMessages_;
    std::optional<plan::PlanInputs> inputs_;  // the plan shown, when the engine took it
    std::shared_ptr<const plan::PlanResult> result_;
    plan::YearRows years_;

    QLineEdit* principal_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QLineEdit* startAfter_ = nullptr;
    QComboBox* termKind_ = nullptr;
    QLineEdit* term_ = nullptr;
    QLabel* startAfterLabel_ = nullptr;
    ScheduleBox* schedule_ = nullptr;
    FeesBox* fees_ = nullptr;
    std::string offerName_;             // the name an opened plan had, kept for its saving
    std::array<QString, 2> termTexts_;  // the months and the instalment typed
    int termKindShown_ = 0;
    EventTable* events_ = nullptr;
    QButtonGroup* policy_ = nullptr;
    QLineEdit* finishBy_ = nullptr;
    QLabel* extraNeeded_ = nullptr;
    FiguresBox* figures_ = nullptr;
    QLabel* messages_ = nullptr;
    QTabWidget* views_ = nullptr;
    PlanCharts charts_;
    std::array<QChartView*, 3> chartViews_{};
    int staleCharts_ = 0;  // PlanCharts::Chart values of the charts not filled since the change
    YearsBox* yearsBox_ = nullptr;
    YearModel* yearModel_ = nullptr;
    QTreeView* yearTree_ = nullptr;
    // Rows of the yearly summary by (year row, month row or -1 for the year's own row).
    using YearPlace = std::pair<int, int>;
    QSet<int> openYears_;
    YearPlace currentYear_{-1, -1};
    int currentYearColumn_ = 0;
    YearPlace topYear_{-1, -1};
    QAction* save_ = nullptr;
    QAction* exportPdf_ = nullptr;
    QAction* copyTable_ = nullptr;
    QAction* print_ = nullptr;
    QAction* compare_ = nullptr;
    compare::CompareWindow* compareWindow_ = nullptr;  // made the first time it is asked for
};

}  // namespace planner
}  // namespace brisanel::app
