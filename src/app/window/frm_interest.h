#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <optional>
#include <string_view>

#include "app/details_list/list_source.h"
#include "app/window/panels.h"
#include "calc/interest.h"
#include "details/schedule.h"
#include "details/text_lines.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace brisanel::app {

class Dialogs;
class Planner;
class PlannerModule;

/// The calculator's one window: four panels of which one is in view, the menu that switches them,
/// and the details list below them that a taller window reveals. Its controls come from the
/// control table; each handler reads its boxes, asks the core, and writes the controls back.
class frmInterest : public QMainWindow {
    Q_OBJECT

public:
    // Outer window heights of the details area, in twips; each panel's own is in the panel table.
    static constexpr int kDetailsOpenHeight = 6930;
    static constexpr int kDetailsClosedHeight = 3585;

    explicit frmInterest(Dialogs& dialogs, QWidget* parent = nullptr);

    /// Opens a plan file in the planner, or a comparison file in Compare Offers, as `brisanel FILE`
    /// and the desktop do; a file that cannot be opened is said why, and the calculator stays as
    /// it was.
    void openPlanFile(const QString& name);

    /// The outer height last set, in twips.
    int outerHeightTwips() const { return outerHeight_; }

    // Window and menu.
    void Form_Load();
    void mnExit_Click();
    void mnInterest_Click();
    void mnRecovery_Click();
    void mnEMI_Click();
    void mnFindRate_Click();
    void About_Click();
    void Text1_Change(int index);
    void Frame5_MouseMove();
    void Image4_MouseMove(int index);
    void FillPeriodList();
    void Combo2_Click();

    // "Interests".
    void SimpleInt_Click();
    void CompoundAnnually_Click();
    void CompdQuarterly_Click();
    void CompoundMonthly_Click();
    void CompdDaily_Click();

    // "Find EMI".
    void EMI_Click();
    void ShowDetails_Click();

    // "Recovery Months".
    void RecoveryMonths_Click();
    void ShowDetailsM_Click();

    // "Find Interest Rate".
    void FindRate_Click();
    void ShowDetail_Click();

    // Saving the details list.
    void PrintList_Click();
    void PrintListM_Click();
    void Label5_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Tab and Shift+Tab stop only on what the user can see.
    bool focusNextPrevChild(bool next) override;

private:
    void buildControls();
    void buildMenu();
    void connectHandlers();
    void connectKeys();
    bool takesTabFocus(const QWidget* widget) const;
    void enterMenuKeyboardMode();
    void saveListOfPanelInView();
    void describeControls();
    void Form_QueryUnload(bool& cancel, int unloadMode);

    void showPanel(const char* command);
    const Panel& panelInView() const;
    void setOuterHeight(int twips);
    void setCaption(QLabel* label, const QString& caption);
    void setLocked(std::initializer_list<int> boxes, bool locked);
    // Writes a result into Text1(index), shown from its first character.
    void setBoxText(int index, const std::string& text);
    void showMessage(std::string_view text);
    void computeInterest(calc::InterestRule rule);
    void openOrCloseDetails(bool& open, QPushButton* button, std::initializer_list<int> inputs);
    // Clearing the list waits for the rows that follow, so that a new table can reuse the items
    // of the old one. Only a message box lets the user see the list in between; it finishes the
    // clearing first.
    void clearList();
    void finishClearingList();
    void fillList(details::TextLines lines);
    // The list's commands (list_commands.cpp): copy, copy as table, export PDF and print. Each
    // handler that fills the list keeps what it came from; clearing the list forgets it.
    void buildListCommands();
    void keepListSource(ListKind kind, ListRows rows, bool withResults);
    void forgetListSource();
    // The loan planner (open_planner.cpp): loaded and made when first asked for, from the panel
    // of the list's table or the panel in view; closing it may ask to save its plan.
    void buildPlanCommands();
    void openPlanner(ListKind panel);
    PlannerModule* loadedPlannerModule();  ///< null, and the reason said, when it cannot load
    Planner* planner();  ///< null, and the reason said, when its module cannot be loaded
    bool closePlanner();

    template <typename T>
    T* control(const QString& name) const {
        return qobject_cast<T*>(controls_.value(name));
    }
    QLineEdit* Text1(int index) const { return text1_[static_cast<std::size_t>(index)]; }
    QLabel* Label1(int index) const;
    QLabel* Image4(int index) const;
    QGroupBox* Frame(int number) const;
    QGroupBox* Frame(const char* name) const;
    QPushButton* Button(const char* name) const;
    QAction* Menu(const char* name) const;

    Dialogs& dialogs_;
    QHash<QString, QWidget*> controls_;  // every control of the table, by object name
    int outerHeight_ = 0;
    std::array<QLineEdit*, 24> text1_{};
    QLineEdit* Text2_ = nullptr;
    QLineEdit* Text3_ = nullptr;
    QListWidget* List1_ = nullptr;
    QComboBox* Combo2_ = nullptr;
    QLabel* Label5_ = nullptr;  // the save label, whose events the window watches
    bool listClearPending_ = false;
    details::TextLines listLines_;  // the lines the list shows, which a save writes
    // The table behind those lines, with the inputs and results it came from.
    std::optional<ListSource> listSource_;
    QAction* actPlan_ = nullptr;
    PlannerModule* plannerModule_ = nullptr;
    QPointer<QWidget> planner_;

    // The figures of the last EMI calculation that got as far as storing them.
    details::EmiFigures emi_;
    bool EmiFailed = false;
    // Whether the last "Find Months" ended in a message or a run-time failure.
    bool RecoveryFailed = false;

    // Open states of the three details buttons.
    bool showDetailsOpen_ = false;
    bool showDetailsMOpen_ = false;
    bool showDetailOpen_ = false;
};

}  // namespace brisanel::app
