#include "app/planner/figures_box.h"

#include <QGridLayout>
#include <QLabel>

#include "app/planner/plan_texts.h"
#include "plan/offer.h"
#include "plan/words.h"

namespace brisanel::app::planner {
namespace {

constexpr const char* kRuns[] = {"Base", "Plan"};
constexpr const char* kRunCaptions[] = {
    QT_TRANSLATE_NOOP("brisanel::app::planner::FiguresBox", "Without events"),
    QT_TRANSLATE_NOOP("brisanel::app::planner::FiguresBox", "With the plan")};
constexpr plan::Run plan::PlanResult::*kRunOf[] = {&plan::PlanResult::base,
                                                   &plan::PlanResult::plan};
// The cost figures' names, as brisanel-calc's json and csv formats name them.
constexpr std::string_view kCostColumns[] = {"credit", "payable", "cost_of_credit", "apr"};

// The figure labels are named for the run and the figure: "lblBaseFirstInstalment" shows the
// base's first_instalment.
QString figureName(const char* run, std::string_view column) {
    QString name = QStringLiteral("lbl") + QLatin1String(run);
    bool capital = true;
    for (char c : column) {
        if (c == '_') {
            capital = true;
            continue;
        }
        name += capital ? QChar(c).toUpper() : QChar(c);
        capital = false;
    }
    return name;
}

// A label that shows a figure. Assistive technology reads its text, the figure, as its name, and
// what the figure is as its description.
QLabel* figure(const QString& name, const QString& meaning, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAccessibleDescription(meaning);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void setText(QLabel* label, const QString& text) {
    if (label->text() != text) label->setText(text);
}

}  // namespace

FiguresBox::FiguresBox(QWidget* parent) : QGroupBox(tr("Without and with the plan"), parent) {
    setObjectName(QStringLiteral("grpFigures"));
    auto* grid = new QGridLayout(this);
    for (int run = 0; run < 2; ++run) {
        auto* header = new QLabel(tr(kRunCaptions[run]), this);
        header->setAlignment(Qt::AlignRight);
        QFont bold = header->font();
        bold.setBold(true);
        header->setFont(bold);
        grid->addWidget(header, 0, run + 1);
    }
    int row = 1;
    const auto addRow = [&](QLabel*& caption, std::string_view column, auto& labels,
                            std::size_t place, const QString& text) {
        caption = new QLabel(text, this);
        grid->addWidget(caption, row, 0);
        for (std::size_t run = 0; run < 2; ++run) {
            QLabel* label = figure(figureName(kRuns[run], column),
                                   tr("%1: %2").arg(tr(kRunCaptions[run]), text), this);
            labels[run][place] = label;
            grid->addWidget(label, row, static_cast<int>(run) + 1);
        }
        ++row;
    };
    for (std::size_t i = 0; i < plan::kFigureRows.size(); ++i) {
        addRow(captions_[i], plan::kFigureRows[i].column, figures_, i,
               planText(plan::kFigureRows[i].caption));
    }
    const QString costCaptions[] = {planText(plan::kCreditCaption), planText(plan::kPayableCaption),
                                    planText(plan::kCostOfCreditCaption), tr("APR")};
    for (std::size_t i = 0; i < kCostRows; ++i)
        addRow(costCaptions_[i], kCostColumns[i], costs_, i, costCaptions[i]);
    saved_ = new QLabel(this);
    saved_->setObjectName(QStringLiteral("lblSaved"));
    saved_->setAccessibleDescription(tr("Saved by the plan"));
    QFont bold = saved_->font();
    bold.setBold(true);
    saved_->setFont(bold);
    saved_->setWordWrap(true);
    grid->addWidget(saved_, row, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    show(nullptr, nullptr, plan::AprMethod::Eu);
}

void FiguresBox::show(const plan::PlanInputs* inputs, const plan::PlanResult* result,
                      plan::AprMethod method) {
    // What the first two rows count follows the frequency: "Weeks", "Last payment".
    const plan::Frequency frequency = result ? result->frequency : plan::Frequency::Monthly;
    const bool monthly = frequency == plan::Frequency::Monthly;
    setText(captions_[0], planText(plan::wordsOf(frequency).periods));
    setText(captions_[1], monthly ? planText(plan::kFigureRows[1].caption) : tr("Last payment"));
    for (std::size_t run = 0; run < 2; ++run) {
        for (std::size_t row = 0; row < figures_[run].size(); ++row) {
            if (!result) {
                setText(figures_[run][row], QStringLiteral("–"));
                continue;
            }
            const plan::Totals& totals = (result->*kRunOf[run]).totals;
            QString text = figureText(plan::kFigureRows[row], totals);
            if (row == 1 && totals.cleared && totals.endDate.isValid())
                text += QStringLiteral(" (%1)").arg(totals.endDate.toString(Qt::ISODate));
            setText(figures_[run][row], text);
        }
    }
    // The cost of credit is the plan's own figure only when it has fees: without them it is the
    // interest alone, which the rows above show.
    const bool costs = result && inputs && inputs->fees.any();
    for (std::size_t row = 0; row < kCostRows; ++row) {
        costCaptions_[row]->setVisible(costs);
        for (auto& labels : costs_) labels[row]->setVisible(costs);
    }
    if (costs) {
        setText(costCaptions_[3], tr("APR (%1)").arg(QString::fromUtf8(plan::methodName(method))));
        for (std::size_t run = 0; run < 2; ++run) {
            const plan::CreditCost cost = plan::planCost(*inputs, *result, method, kRunOf[run]);
            auto& labels = costs_[run];
            setText(labels[0], amountText(cost.credit));
            setText(labels[1], amountText(cost.payable));
            setText(labels[2], amountText(cost.costOfCredit));
            setText(labels[3], aprText(cost));
            labels[3]->setToolTip(QString::fromStdString(cost.noApr));
        }
    }
    if (!result || result->limitReached() || !result->base.totals.cleared) {
        saved_->clear();
    } else {
        setText(saved_, savedText(result->monthsSaved, result->interestSaved, frequency));
    }
}

}  // namespace brisanel::app::planner
