#include "app/planner/fees_box.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace brisanel::app::planner {
namespace {

struct FeeField {
    const char* name;     // the box's object name
    const char* caption;  // its label, with its mnemonic
    const char* meaning;  // its accessible name, and what a refusal names
    bool percentAllowed;  // a percentage of the principal ("2%") is taken too
};

// In the order of FeesBox::Box.
constexpr FeeField kFields[] = {
    {"txtUpfrontFee", QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Fee at si&gning"),
     QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Fee at signing"), true},
    {"txtFinancedFee",
     QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Fee a&dded to the loan"),
     QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Fee added to the loan"), true},
    {"txtPaymentFee",
     QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Fee &with each payment"),
     QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Fee with each payment"), false},
    {"txtYearlyFee", QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Yearly &fee"),
     QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Yearly fee"), false},
    {"txtExitFee", QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "E&xit fee"),
     QT_TRANSLATE_NOOP("brisanel::app::planner::FeesBox", "Exit fee"), false},
};

QString text(double amount) {
    return amount == 0 ? QString() : QString::fromStdString(plan::feeText({amount, false}));
}

QString text(const std::optional<plan::FeeAmount>& fee) {
    return fee ? QString::fromStdString(plan::feeText(*fee)) : QString();
}

}  // namespace

FeesBox::FeesBox(QWidget* parent) : QGroupBox(tr("Fees"), parent) {
    setObjectName(QStringLiteral("grpFees"));
    auto* layout = new QFormLayout(this);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const FeeField& field = kFields[i];
        auto* box = new QLineEdit(this);
        box->setObjectName(QString::fromLatin1(field.name));
        box->setAccessibleName(tr(field.meaning));
        box->setPlaceholderText(field.percentAllowed ? tr("amount or %") : tr("none"));
        auto* label = new QLabel(tr(field.caption), this);
        label->setBuddy(box);
        layout->addRow(label, box);
        connect(box, &QLineEdit::textChanged, this, &FeesBox::changed);
        boxes_[i] = box;
    }
    method_ = new QComboBox(this);
    method_->setObjectName(QStringLiteral("cmbAprMethod"));
    method_->setAccessibleName(tr("APR worked out by"));
    // In the order of plan::AprMethod.
    method_->addItems({tr("EU/UK rule"), tr("US rule")});
    method_->setItemData(0, tr("An effective annual rate, as the EU and UK rules ask"),
                         Qt::ToolTipRole);
    method_->setItemData(1, tr("An actuarial nominal rate, as US Regulation Z asks"),
                         Qt::ToolTipRole);
    auto* label = new QLabel(tr("&APR by"), this);
    label->setBuddy(method_);
    layout->addRow(label, method_);
    connect(method_, &QComboBox::currentIndexChanged, this, &FeesBox::methodChanged);
}

std::variant<plan::Fees, QString> FeesBox::fees() const {
    plan::Fees fees;
    std::array<plan::FeeAmount, BoxCount> read{};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QString typed = boxes_[i]->text().trimmed();
        if (typed.isEmpty()) continue;
        const auto fee = plan::readFee(typed.toStdString(), kFields[i].percentAllowed);
        if (!fee) {
            return tr("%1: \"%2\" is not %3.")
                .arg(tr(kFields[i].meaning), typed,
                     kFields[i].percentAllowed ? tr("an amount or a percentage (2%)")
                                               : tr("an amount"));
        }
        read[i] = *fee;
    }
    if (read[Upfront].value != 0) fees.upfront = read[Upfront];
    if (read[Financed].value != 0) fees.financed = read[Financed];
    fees.perPayment = read[PerPayment].value;
    fees.yearly = read[Yearly].value;
    fees.exit = read[Exit].value;
    return fees;
}

void FeesBox::setFees(const plan::Fees& fees) {
    const std::array<QString, BoxCount> texts = {text(fees.upfront), text(fees.financed),
                                                 text(fees.perPayment), text(fees.yearly),
                                                 text(fees.exit)};
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QSignalBlocker quiet(boxes_[i]);
        boxes_[i]->setText(texts[i]);
    }
}

plan::AprMethod FeesBox::method() const {
    return method_->currentIndex() == 1 ? plan::AprMethod::Us : plan::AprMethod::Eu;
}

QList<QWidget*> FeesBox::tabChain() const {
    QList<QWidget*> chain(boxes_.begin(), boxes_.end());
    chain.append(method_);
    return chain;
}

}  // namespace brisanel::app::planner
