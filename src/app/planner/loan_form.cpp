// The planner's loan: principal, rate, start and the term as months or an instalment, whose
// captions count the schedule's periods.
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <cmath>

#include "app/planner/named_box.h"
#include "app/planner/plan_texts.h"
#include "app/planner/planner_window.h"
#include "app/planner/schedule_box.h"
#include "app/planner/years_box.h"

namespace brisanel::app::planner {

QWidget* PlannerWindow::buildLoan() {
    auto* group = new QGroupBox(tr("Loan"), this);
    auto* layout = new QFormLayout(group);
    principal_ = namedBox("txtPrincipal", tr("Principal loan amount"), group);
    rate_ = namedBox("txtRate", tr("Annual interest rate in percent"), group);
    startAfter_ = namedBox("txtStartAfter", tr("First instalment after months"), group);
    termKind_ = new QComboBox(group);
    termKind_->setObjectName(QStringLiteral("cmbTerm"));
    termKind_->setAccessibleName(tr("Repaid by"));
    termKind_->addItems({tr("Number of months"), tr("Monthly instalment")});
    term_ = namedBox("txtTerm", termKind_->itemText(0), group);
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

plan::LoanTexts PlannerWindow::loanTexts() const {
    const auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
    plan::LoanTexts loan{text(principal_), text(rate_), text(startAfter_), {}, {}};
    if (termKind_->currentIndex() == 0) {
        loan.months = text(term_);
    } else {
        loan.instalment = text(term_);
    }
    return loan;
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

}  // namespace brisanel::app::planner
