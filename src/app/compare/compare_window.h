#pragma once

#include <QMainWindow>
#include <array>
#include <optional>
#include <vector>

#include "app/compare/compare_charts.h"
#include "plan/comparison_file.h"

class QAction;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;

namespace brisanel::app {

class Dialogs;

namespace compare {

class OfferModel;
class ResultModel;

/// Compare Offers: two to four loan offers side by side, edited in place, with the engine's
/// figures, the cheapest by the total amount payable marked, and their balances and costs in
/// charts. Every edit asks the engine again; nothing is worked out here.
class CompareWindow final : public QMainWindow {
    Q_OBJECT

public:
    CompareWindow(Dialogs& dialogs, QWidget* owner);
    ~CompareWindow() override;

    /// Shows the window with the plan as offer 1, keeping the other offers; a new comparison gets
    /// a second offer copied from the first, named "Offer 2".
    void compareWith(const plan::PlanInputs& plan);

    /// Opens a comparison file, asking first about a changed comparison; says why when it cannot
    /// and returns false.
    bool openComparisonFile(const QString& name);

    bool isComparisonModified() const { return modified_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildInputs();
    QWidget* buildViews();
    void buildCommands();

    /// The comparison as the window holds it, or why it cannot be read.
    std::optional<plan::Horizon> horizon(QString& problem) const;
    void edited();
    void recompute();
    void applyColours();
    void setModified(bool modified);
    void updateTitle();

    bool settleChanges();
    bool saveComparison();
    void openComparison();
    void addOffer();
    void addOfferFromPlan();
    void removeOffer();
    void copyTable();
    void exportPdf();
    void print();
    QString documentTitle() const;

    Dialogs& dialogs_;
    bool modified_ = false;
    QString fileName_;
    std::optional<plan::Comparison> compared_;  // what the engine took, for the file

    OfferModel* offers_ = nullptr;
    ResultModel* results_ = nullptr;
    QTableView* offerTable_ = nullptr;
    QTableView* resultTable_ = nullptr;
    QComboBox* method_ = nullptr;
    QLineEdit* horizon_ = nullptr;
    QLabel* messages_ = nullptr;
    CompareCharts charts_;
    std::array<QChartView*, 2> chartViews_{};
    std::vector<QAction*> needFigures_;  // enabled while the engine takes the offers
    QAction* addOffer_ = nullptr;
    QAction* addOfferFromPlan_ = nullptr;
    QAction* removeOffer_ = nullptr;
};

}  // namespace compare
}  // namespace brisanel::app
