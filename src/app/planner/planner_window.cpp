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

QLineEdit* box(const char* name, const QString& accessibleName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(accessibleName);
    return edit;
}

std::string text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

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

QWidget* PlannerWindow::buildLoan() {
    auto* group = new QGroupBox(tr("Loan"), this);
    auto* layout = new QFormLayout(group);
    principal_ = box("txtPrincipal", tr("Principal loan amount"), group);
    rate_ = box("txtRate", tr("Annual interest rate in percent"), group);
    startAfter_ = box("txtStartAfter", tr("First instalment after months"), group);
    termKind_ = new QComboBox(group);
    termKind_->setObjectName(QStringLiteral("cmbTerm"));
    termKind_->setAccessibleName(tr("Repaid by"));
    termKind_->addItems({tr("Number of months"), tr("Monthly instalment")});
    term_ = box("txtTerm", termKind_->itemText(0), group);
    const auto row = [&](const char* caption, QWidget* field) {
        auto* label = new QLabel(tr(caption), group);
        label->setBuddy(field);
        layout->addRow(label, field);
    };
    row(QT_TR_NOOP("Pri&ncipal"), principal_);
    row(QT_TR_NOOP("Annual &rate %"), rate_);
    startAfterLabel_ = new QLabel(tr("&Start after (months)"), group);
    startAfterLabel_->setBuddy(startAfter_);
    layout->addRow(startAfterLabel_, startAfter_);
    layout->addRow(termKind_, term_);
    for (QLineEdit* edit : {principal_, rate_, startAfter_, term_}) {
        connect(edit, &QLineEdit::textChanged, this, &PlannerWindow::edited);
    }
    connect(termKind_, &QComboBox::currentIndexChanged, this, &PlannerWindow::termKindChanged);
    return group;
}

QWidget* PlannerWindow::buildEvents() {
    auto* group = new QGroupBox(tr("&Events"), this);
    auto* layout = new QVBoxLayout(group);
    events_ = new EventTable(group);
    events_->setObjectName(QStringLiteral("tblEvents"));
    events_->setAccessibleName(tr("Events"));
    events_->setAccessibleDescription(
        tr("Extra payments and rate changes. Insert adds one, Delete removes it."));
    events_->setMinimumSize(400, 120);
    // Taller than that only with room to spare: the form scrolls only when the window is small.
    events_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    layout->addWidget(events_);
    connect(events_, &EventTable::eventsChanged, this, &PlannerWindow::edited);

    auto* buttons = new QHBoxLayout;
    const auto command = [&](const char* name, const char* caption, QKeySequence key,
                             const char* buttonName, const char* buttonCaption, auto handler) {
        auto* action = new QAction(tr(caption), events_);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);  // a box keeps its keys
        connect(action, &QAction::triggered, events_, handler);
        events_->addAction(action);
        auto* button = new QPushButton(tr(buttonCaption), group);
        button->setObjectName(QString::fromLatin1(buttonName));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, events_, handler);
        buttons->addWidget(button);
    };
    command("actAddEvent", QT_TR_NOOP("Add Event"), Qt::Key_Insert, "btnAddEvent",
            QT_TR_NOOP("&Add (Insert)"), &EventTable::addEvent);
    command("actRemoveEvent", QT_TR_NOOP("Remove Event"), Qt::Key_Delete, "btnRemoveEvent",
            QT_TR_NOOP("Re&move (Delete)"), &EventTable::removeEvents);
    events_->setContextMenuPolicy(Qt::ActionsContextMenu);
    buttons->addStretch();
    layout->addLayout(buttons);
    return group;
}

QWidget* PlannerWindow::buildPolicy() {
    auto* group = new QGroupBox(tr("After an extra payment"), this);
    auto* layout = new QVBoxLayout(group);
    policy_ = new QButtonGroup(group);
    // Each option's name and the letter of its mnemonic, in the order of the policies' words.
    constexpr std::pair<const char*, char> kOptions[] = {{"optKeepInstalment", 'i'},
                                                         {"optKeepEnd", 'd'}};
    for (int i = 0; i < 2; ++i) {
        const auto& [name, mnemonic] = kOptions[i];
        QString caption = planText(plan::kPolicies[static_cast<std::size_t>(i)].name);
        caption.insert(caption.indexOf(QLatin1Char(mnemonic)), u'&');
        auto* option = new QRadioButton(caption, group);
        option->setObjectName(QString::fromLatin1(name));
        policy_->addButton(option, i);
        layout->addWidget(option);
    }
    policy_->button(0)->setChecked(true);
    connect(policy_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) edited();
    });

    auto* finish = new QHBoxLayout;
    finishBy_ = box("txtFinishBy", tr("Finish by month or date"), group);
    finishBy_->setMaximumWidth(110);
    auto* label = new QLabel(tr("&Finish by (month or date)"), group);
    label->setBuddy(finishBy_);
    extraNeeded_ = new QLabel(group);
    extraNeeded_->setObjectName(QStringLiteral("lblExtraNeeded"));
    extraNeeded_->setAccessibleDescription(tr("Extra per month needed"));
    finish->addWidget(label);
    finish->addWidget(finishBy_);
    finish->addWidget(extraNeeded_, 1);
    layout->addLayout(finish);
    connect(finishBy_, &QLineEdit::textChanged, this, &PlannerWindow::edited);
    return group;
}

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
    yearTree_->header()->setStretchLastSection(false);
    yearTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    yearTree_->header()->setSectionResizeMode(YearModel::Period, QHeaderView::Stretch);
    yearTree_->header()->setMinimumSectionSize(70);
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

plan::LoanTexts PlannerWindow::loanTexts() const {
    plan::LoanTexts loan{text(principal_), text(rate_), text(startAfter_), {}, {}};
    if (termKind_->currentIndex() == 0) {
        loan.months = text(term_);
    } else {
        loan.instalment = text(term_);
    }
    return loan;
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

// Fills the loan's boxes without taking it as an edit.
void PlannerWindow::setLoan(const plan::LoanTexts& loan) {
    const QSignalBlocker principal(principal_), rate(rate_), startAfter(startAfter_),
        termKind(termKind_), term(term_);
    principal_->setText(QString::fromStdString(loan.principal));
    rate_->setText(QString::fromStdString(loan.rate));
    startAfter_->setText(QString::fromStdString(loan.startAfter));
    const int kind = loan.months ? 0 : 1;
    termTexts_ = {};
    termTexts_[static_cast<std::size_t>(kind)] =
        QString::fromStdString(loan.months ? *loan.months : loan.instalment.value_or(""));
    termKindShown_ = kind;
    termKind_->setCurrentIndex(kind);
    term_->setText(termTexts_[static_cast<std::size_t>(kind)]);
    term_->setAccessibleName(termKind_->currentText());
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

// Switching between months and instalment keeps what was typed for each; a box never typed in
// starts with the loan's own figure. A loan of whole instalments with a smaller last one is not
// a loan of that many equal months, so the loan can change: the window says so, with the months
// and the instalment before and after, and the plan is changed.
void PlannerWindow::termKindChanged() {
    const int kind = termKind_->currentIndex();
    if (kind == termKindShown_) return;
    termTexts_[static_cast<std::size_t>(termKindShown_)] = term_->text();
    termKindShown_ = kind;
    QString& shown = termTexts_[static_cast<std::size_t>(kind)];
    std::optional<std::pair<int, QString>> before;
    if (result_) {
        const plan::Totals& base = result_->base.totals;
        before.emplace(base.months, amountText(base.firstInstalment));
        if (shown.isEmpty()) {
            shown = kind == 0
                        ? QString::number(base.months)
                        : QString::number(std::round(base.firstInstalment * 100) / 100, 'f', 2);
        }
    }
    term_->setAccessibleName(termKind_->currentText());
    {
        const QSignalBlocker term(term_);
        term_->setText(shown);
    }
    edited();
    if (!before || !result_) return;
    const plan::Totals& now = result_->base.totals;
    const std::pair<int, QString> after(now.months, amountText(now.firstInstalment));
    if (after == *before) return;
    termNote_ = tr("The loan changed with the switch: now %n month(s) at %1 a month, before %2 at "
                   "%3.",
                   "", after.first)
                    .arg(after.second, tr("%n month(s)", "", before->first), before->second);
    refreshMessages();
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

void PlannerWindow::scheduleChanged() {
    const bool monthly =
        schedule_->frequency() == plan::Frequency::Monthly || schedule_->accelerated();
    const std::array<QString, 2> terms = {
        monthly ? tr("Number of months") : tr("Number of payments"),
        schedule_->frequency() == plan::Frequency::Monthly ? tr("Monthly instalment")
                                                           : tr("Instalment per payment")};
    for (int i = 0; i < 2; ++i) termKind_->setItemText(i, terms[static_cast<std::size_t>(i)]);
    term_->setAccessibleName(termKind_->currentText());
    startAfterLabel_->setText(monthly ? tr("&Start after (months)")
                                      : tr("&Start after (payments)"));
    startAfter_->setAccessibleName(monthly ? tr("First instalment after months")
                                           : tr("First instalment after payments"));
    yearsBox_->setDated(schedule_->hasDates());
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
