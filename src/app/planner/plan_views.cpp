// The planner's views of the plan: the balance, per-year and totals charts, each filled when it
// comes into view, and the yearly summary by the years chosen above it.
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "app/planner/planner_window.h"
#include "app/planner/year_model.h"
#include "app/planner/years_box.h"

namespace brisanel::app::planner {

QWidget* PlannerWindow::buildViews() {
    auto* splitter = new QSplitter(Qt::Vertical, this);
    views_ = new QTabWidget(splitter);
    views_->setObjectName(QStringLiteral("tabCharts"));
    views_->setAccessibleName(tr("Charts"));
    const std::array<QChart*, 3> charts = {charts_.balance(), charts_.years(), charts_.totals()};
    const char* names[] = {"chartBalance", "chartYears", "chartTotals"};
    const char* captions[] = {QT_TR_NOOP("&Balance"), QT_TR_NOOP("Per &year"),
                              QT_TR_NOOP("&Totals")};
    for (std::size_t i = 0; i < charts.size(); ++i) {
        auto* view = new QChartView(charts[i], views_);
        view->setObjectName(QString::fromLatin1(names[i]));
        view->setAccessibleName(tr("%1 chart").arg(charts[i]->title()));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumSize(360, 260);
        chartViews_[i] = view;
        views_->addTab(view, tr(captions[i]));
    }
    connect(views_, &QTabWidget::currentChanged, this, [this](int index) {
        const int chart = 1 << index;
        if (!(staleCharts_ & chart)) return;
        charts_.show(result_.get(), years_, chart);
        staleCharts_ &= ~chart;
    });
    // The yearly summary under the charts, with the years it counts above it.
    auto* summary = new QWidget(splitter);
    auto* summaryLayout = new QVBoxLayout(summary);
    summaryLayout->setContentsMargins(0, 0, 0, 0);
    auto* yearsRow = new QHBoxLayout;
    yearsBox_ = new YearsBox(summary);
    auto* yearsLabel = new QLabel(tr("Summary &by"), summary);
    yearsLabel->setBuddy(yearsBox_);
    yearsRow->addWidget(yearsLabel);
    yearsRow->addWidget(yearsBox_);
    yearsRow->addStretch();
    summaryLayout->addLayout(yearsRow);
    connect(yearsBox_, &YearsBox::changed, this, &PlannerWindow::edited);
    yearModel_ = new YearModel(this);
    yearTree_ = new QTreeView(summary);
    summaryLayout->addWidget(yearTree_);
    yearTree_->setObjectName(QStringLiteral("treeYears"));
    yearTree_->setAccessibleName(tr("Yearly summary"));
    yearTree_->setAccessibleDescription(tr("A row per year; expand a year to see its payments."));
    yearTree_->setModel(yearModel_);
    yearTree_->setUniformRowHeights(true);
    yearTree_->setAlternatingRowColors(true);
    yearTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The years' labels whole ("2027/28 (months 4 to 15)"); the figures share what is left.
    yearTree_->header()->setStretchLastSection(true);
    yearTree_->header()->setMinimumSectionSize(50);
    yearTree_->header()->setResizeContentsPrecision(24);  // sized from the first years alone
    connect(yearTree_, &QTreeView::expanded, this,
            [this](const QModelIndex& year) { openYears_.insert(year.row()); });
    connect(yearTree_, &QTreeView::collapsed, this,
            [this](const QModelIndex& year) { openYears_.remove(year.row()); });
    splitter->addWidget(views_);
    splitter->addWidget(summary);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({480, 280});
    return splitter;
}

void PlannerWindow::showYears() {
    const auto placeOf = [](const QModelIndex& index) {
        if (!index.isValid()) return YearPlace(-1, -1);
        return index.parent().isValid() ? YearPlace(index.parent().row(), index.row())
                                        : YearPlace(index.row(), -1);
    };
    // An empty summary, as while a box is being retyped, leaves the places as they were.
    if (yearModel_->rowCount() > 0) {
        currentYear_ = placeOf(yearTree_->currentIndex());
        currentYearColumn_ = std::max(yearTree_->currentIndex().column(), 0);
        topYear_ = placeOf(yearTree_->indexAt(QPoint(0, 0)));
    }
    if (!yearModel_->show(result_, years_) || yearModel_->rowCount() == 0) return;
    const auto indexAt = [this](YearPlace place, int column) {
        const QModelIndex year = yearModel_->index(place.first, 0);
        if (place.second < 0 || !year.isValid()) return yearModel_->index(place.first, column);
        const int month = std::min(place.second, yearModel_->rowCount(year) - 1);
        return yearModel_->index(month, column, year);
    };
    for (int year : std::as_const(openYears_)) yearTree_->expand(yearModel_->index(year, 0));
    if (const QModelIndex current = indexAt(currentYear_, currentYearColumn_); current.isValid()) {
        yearTree_->selectionModel()->setCurrentIndex(
            current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    if (const QModelIndex top = indexAt(topYear_, 0); top.isValid())
        yearTree_->scrollTo(top, QAbstractItemView::PositionAtTop);
}

void PlannerWindow::showCharts() {
    const int inView = 1 << views_->currentIndex();
    charts_.show(result_.get(), years_, inView);
    staleCharts_ = PlanCharts::All & ~inView;
    for (std::size_t i = 0; i < chartViews_.size(); ++i) {
        const QString description = i == 0   ? charts_.balanceDescription()
                                    : i == 1 ? charts_.yearsDescription()
                                             : charts_.totalsDescription();
        if (chartViews_[i]->accessibleDescription() != description)
            chartViews_[i]->setAccessibleDescription(description);
    }
}

}  // namespace brisanel::app::planner
