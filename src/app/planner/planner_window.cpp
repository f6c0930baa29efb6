#include "app/planner/planner_window.h"

#include <QAction>
#include <QButtonGroup>
#include <QChartView>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "app/command_keys.h"
#include "app/contrast.h"
#include "app/dialogs/dialogs.h"
#include "app/pictures.h"
#include "app/planner/event_table.h"
#include "app/planner/fees_box.h"
#include "app/planner/figures_box.h"
#include "app/planner/plan_drops.h"
#include "app/planner/plan_texts.h"
#include "app/planner/schedule_box.h"
#include "app/planner/year_model.h"
#include "app/planner/years_box.h"
#include "plan/month_number.h"
#include "plan/plan_table.h"
#include "plan/words.h"

namespace brisanel::app::planner {
namespace {

// The warnings' colour, made lighter or darker until it reads on the window's background.
const QColor kWarning(160, 0, 0);

}  // namespace

PlannerWindow::PlannerWindow(Dialogs& dialogs, QWidget* owner)
    : QMainWindow(owner, Qt::Window), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmPlanner"));
    setWindowIcon(pictures::coin());
    setAccessibleName(tr("Loan planner"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("splitPlanner"));
    // The form scrolls on a screen too small for all of it.
    auto* scroller = new QScrollArea(splitter);
    scroller->setObjectName(QStringLiteral("scrollForm"));
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setFocusPolicy(Qt::NoFocus);  // Tab goes through the form; it follows the focus
    auto* form = new QWidget(scroller);
    auto* column = new QVBoxLayout(form);
    // The loan and its fees on the left, the lender's schedule beside them.
    auto* top = new QGridLayout;
    schedule_ = new ScheduleBox(form);
    fees_ = new FeesBox(form);
    top->addWidget(buildLoan(), 0, 0);
    top->addWidget(fees_, 1, 0);
    top->addWidget(schedule_, 0, 1, 2, 1);
    top->setRowStretch(1, 1);
    column->addLayout(top);
    column->addWidget(buildEvents(), 1);
    column->addWidget(buildPolicy());
    figures_ = new FiguresBox(form);
    column->addWidget(figures_);
    connect(schedule_, &ScheduleBox::changed, this, [this] {
        scheduleChanged();
        edited();
    });
    connect(fees_, &FeesBox::changed, this, &PlannerWindow::edited);
    connect(fees_, &FeesBox::methodChanged, this, [this] {
        figures_->show(inputs_ ? &*inputs_ : nullptr, result_.get(), fees_->method());
    });
    messages_ = new QLabel(form);
    messages_->setObjectName(QStringLiteral("lblMessages"));
    messages_->setAccessibleDescription(tr("Messages"));
    messages_->setWordWrap(true);
    messages_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    column->addWidget(messages_);
    scroller->setWidget(form);
    scroller->setMinimumWidth(form->minimumSizeHint().width() +
                              scroller->verticalScrollBar()->sizeHint().width());
    splitter->addWidget(scroller);
    splitter->addWidget(buildViews());
    splitter->setStretchFactor(1, 1);
    splitter->setCollapsible(0, false);
    splitter->setSizes({640, 640});
    setCentralWidget(splitter);
    buildCommands();
    new CommandKeys(this);  // the menu's keys from every box too
    // A plan file dropped anywhere on the window opens, asking first about a changed plan.
    setAcceptDrops(true);
    new PlanDrops(this, [this](const QString& name) { openFile(name); });
    setTabOrders();
    applyColours();
    updateTitle();
}
void PlannerWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange) applyColours();
    QMainWindow::changeEvent(event);
}

void PlannerWindow::applyColours() {
    QPalette warning = messages_->palette();
    warning.setColor(QPalette::WindowText, readableOn(kWarning, palette().color(QPalette::Window)));
    messages_->setPalette(warning);
    charts_.setBackground(palette().color(QPalette::Base));
}

void PlannerWindow::showEvent(QShowEvent* event) {
    if (!sized_) {
        // As large as it was laid out for, or as the screen allows.
        sized_ = true;
        QSize size(1280, 800);
        if (const QScreen* shown = screen())
            size = size.boundedTo(shown->availableGeometry().size());
        resize(size);
    }
    QMainWindow::showEvent(event);
}

PlannerWindow::~PlannerWindow() = default;

void PlannerWindow::setTabOrders() {
    QList<QWidget*> chain = {principal_, rate_, startAfter_, termKind_, term_};
    chain.append(fees_->tabChain());
    chain.append(schedule_->tabChain());
    chain.append(events_);
    chain.append(findChild<QPushButton*>(QStringLiteral("btnAddEvent")));
    chain.append(findChild<QPushButton*>(QStringLiteral("btnRemoveEvent")));
    chain.append(policy_->button(0));
    chain.append(policy_->button(1));
    chain.append(finishBy_);
    chain.append(views_);
    chain.append(chartViews_[0]);
    chain.append(yearsBox_);
    chain.append(yearTree_);
    for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

std::variant<plan::PlanInputs, QString> PlannerWindow::currentInputs(QList<int>& unfinished) const {
    plan::PlanInputs inputs;
    inputs.loan = loanTexts();
    auto events = events_->events(&unfinished);
    if (auto* message = std::get_if<QString>(&events)) return *message;
    inputs.events = std::get<std::vector<plan::Event>>(std::move(events));
    inputs.policy =
        plan::kPolicies[static_cast<std::size_t>(std::max(0, policy_->checkedId()))].policy;
    if (const QString month = finishBy_->text().trimmed(); !month.isEmpty()) {
        const auto read = plan::readMonthOrDate(month.toStdString());
        if (!read) {
            return tr("Finish by: \"%1\" %2.").arg(month, planText(plan::kNotAMonthOrDate));
        }
        inputs.finishBy = read->month;
        inputs.finishByDate = read->date;
    }
    auto schedule = schedule_->options();
    if (auto* message = std::get_if<QString>(&schedule)) return *message;
    inputs.schedule = std::get<plan::ScheduleOptions>(schedule);
    const auto years = yearsBox_->years();
    if (!years) {
        return tr("Summary by: \"%1\" is not loan years, calendar years or a year's first day "
                  "as MM-DD.")
            .arg(yearsBox_->currentText().trimmed());
    }
    inputs.schedule.years = *years;
    auto fees = fees_->fees();
    if (auto* message = std::get_if<QString>(&fees)) return *message;
    inputs.fees = std::get<plan::Fees>(fees);
    inputs.name = offerName_;
    return inputs;
}

void PlannerWindow::setInputs(const plan::PlanInputs& inputs) {
    setLoan(inputs.loan);
    events_->setEvents(inputs.events);
    {
        const QSignalBlocker policy(policy_), finishBy(finishBy_);
        policy_->button(static_cast<int>(&plan::wordsOf(inputs.policy) - plan::kPolicies.data()))
            ->setChecked(true);
        finishBy_->setText(inputs.finishByDate
                               ? QString::fromStdString(plan::isoDate(*inputs.finishByDate))
                           : inputs.finishBy ? QString::number(*inputs.finishBy)
                                             : QString());
    }
    schedule_->setOptions(inputs.schedule);
    fees_->setFees(inputs.fees);
    yearsBox_->setYears(inputs.schedule.years);
    offerName_ = inputs.name;
    scheduleChanged();
    termNote_.clear();
    // A plan started or opened shows its years closed, from the top.
    yearTree_->collapseAll();
    yearTree_->setCurrentIndex({});
    openYears_.clear();
    currentYear_ = topYear_ = YearPlace(-1, -1);
    recompute();
}

void PlannerWindow::startFrom(const plan::LoanTexts& loan) {
    if (isVisible()) {
        const plan::LoanTexts was = loanTexts();
        const bool changed =
            std::tie(was.principal, was.rate, was.startAfter, was.months, was.instalment) !=
            std::tie(loan.principal, loan.rate, loan.startAfter, loan.months, loan.instalment);
        setLoan(loan);
        termNote_.clear();
        recompute();
        // A plan taken from a panel alone has nothing to lose; one opened or changed has.
        if (changed && (modified_ || !fileName_.isEmpty())) setModified(true);
        return;
    }
    fileName_.clear();
    setInputs({loan, {}, plan::Policy::KeepInstalment, std::nullopt});
    setModified(false);
    updateTitle();
    views_->setCurrentIndex(0);
    principal_->setFocus(Qt::OtherFocusReason);
}

void PlannerWindow::edited() {
    termNote_.clear();
    setModified(true);
    recompute();
}

void PlannerWindow::recompute() {
    QList<int> unfinished;
    auto inputs = currentInputs(unfinished);
    QStringList rows;
    for (int row : unfinished) rows.append(QString::number(row));
    unfinishedRows_ = unfinished;
    unfinishedNote_ = rows.isEmpty()
                          ? QString()
                          : tr("Row(s) %1 of the events left out until it has an amount or rate.",
                               "", static_cast<int>(rows.size()))
                                .arg(rows.join(QStringLiteral(", ")));
    if (auto* message = std::get_if<QString>(&inputs)) return showRefusal(*message);
    plan::PlanOutcome outcome = plan::computePlan(std::get<plan::PlanInputs>(inputs));
    if (!outcome.result) return showRefusal(QString::fromStdString(outcome.message));
    inputs_ = std::get<plan::PlanInputs>(std::move(inputs));
    showResult(std::move(*outcome.result), inputs_->finishBy);
}

void PlannerWindow::showResult(plan::PlanResult result, std::optional<int> finishBy) {
    result_ = std::make_shared<const plan::PlanResult>(std::move(result));
    years_ = plan::yearSummary(*result_);
    figures_->show(&*inputs_, result_.get(), fees_->method());
    showCharts();
    showYears();
    QStringList notes;
    for (const plan::Note& note : result_->notes) notes.append(QString::fromStdString(note.text));
    showMessages(notes);
    if (!finishBy) {
        extraNeeded_->clear();
    } else if (result_->extraNeeded.value_or(0) <= 0) {
        extraNeeded_->setText(tr("no extra needed"));
    } else {
        extraNeeded_->setText(
            tr("needs %1 more each month").arg(amountText(*result_->extraNeeded)));
    }
    for (QAction* action : {save_, exportPdf_, copyTable_, print_, compare_})
        action->setEnabled(true);
}

void PlannerWindow::showRefusal(const QString& message) {
    inputs_.reset();
    result_.reset();
    years_.clear();
    figures_->show(nullptr, nullptr, fees_->method());
    showCharts();
    showYears();
    showMessages({message});
    extraNeeded_->clear();
    for (QAction* action : {save_, exportPdf_, copyTable_, print_, compare_})
        action->setEnabled(false);
}

void PlannerWindow::showMessages(QStringList messages) {
    engineMessages_ = std::move(messages);
    refreshMessages();
}

void PlannerWindow::refreshMessages() {
    QStringList messages = engineMessages_;
    for (const QString& note : {termNote_, unfinishedNote_}) {
        if (!note.isEmpty()) messages.append(note);
    }
    const QString text = messages.join('\n');
    if (messages_->text() != text) messages_->setText(text);
}

void PlannerWindow::setModified(bool modified) {
    modified_ = modified;
    setWindowModified(modified);
}

void PlannerWindow::updateTitle() {
    const QString name = fileName_.isEmpty() ? tr("New plan") : QFileInfo(fileName_).fileName();
    setWindowTitle(tr("%1[*] - Loan planner - Brisanel & Repayment").arg(name));
    setWindowModified(modified_);
}

}  // namespace brisanel::app::planner
